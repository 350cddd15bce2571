#include "exercise/ui/firstshow.h"

#include <QEvent>
#include <QWidget>

namespace {

class FirstShow : public QObject {
public:
    FirstShow(QWidget *widget, std::function<void()> prepare)
        : QObject(widget), m_prepare(std::move(prepare))
    {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && watched == parent() && m_prepare) {
            watched->removeEventFilter(this);
            const std::function<void()> prepare = std::exchange(m_prepare, {});
            deleteLater();
            prepare();
        }
        return false;
    }

private:
    std::function<void()> m_prepare;
};

class Activation : public QObject {
public:
    Activation(QWidget *window, std::function<void()> handler)
        : QObject(window), m_handler(std::move(handler))
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::WindowActivate && watched == parent())
            m_handler();
        return false;
    }

private:
    std::function<void()> m_handler;
};

} // namespace

void wheneverActivated(QWidget *window, std::function<void()> handler)
{
    new Activation(window, std::move(handler));
}

void whenFirstShown(QWidget *widget, std::function<void()> prepare)
{
    if (widget->isVisible())
        prepare();
    else
        new FirstShow(widget, std::move(prepare));
}
