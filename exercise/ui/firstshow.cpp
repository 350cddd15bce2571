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

} // namespace

void whenFirstShown(QWidget *widget, std::function<void()> prepare)
{
    if (widget->isVisible())
        prepare();
    else
        new FirstShow(widget, std::move(prepare));
}
