#include "exercise/ui/sprachwechsel.h"

#include <QEvent>
#include <QWidget>

namespace {

class Sprachwechsel : public QObject {
public:
    Sprachwechsel(QWidget *form, std::function<void()> beschriften)
        : QObject(form), m_form(form), m_beschriften(std::move(beschriften))
    {
        form->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_form && event->type() == QEvent::LanguageChange)
            m_beschriften();
        return false;
    }

private:
    QWidget *m_form;
    std::function<void()> m_beschriften;
};

} // namespace

void beiSprachwechsel(QWidget *form, std::function<void()> beschriften)
{
    beschriften();
    new Sprachwechsel(form, std::move(beschriften));
}
