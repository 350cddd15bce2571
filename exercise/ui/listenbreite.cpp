#include "exercise/ui/listenbreite.h"

#include <QAbstractItemModel>
#include <QEvent>
#include <QGroupBox>
#include <QListWidget>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>
#include <functional>

namespace {

// Calls `react` whenever the watched widget changes its size.
class ResizeWatcher : public QObject {
public:
    ResizeWatcher(QWidget *watched, std::function<void()> react)
        : QObject(watched), m_react(std::move(react))
    {
        watched->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Resize)
            m_react();
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_react;
};

void fit(QListWidget *list, const QWidget *room, int minimum)
{
    const QFontMetrics metrics = list->fontMetrics();
    int longest = 0;
    for (int row = 0; row < list->count(); ++row)
        longest = std::max(longest, metrics.horizontalAdvance(list->item(row)->text()));
    // The entry's own margins, the frame and room for the scroll bar a long list gets.
    const int margins = 2 * list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 8;
    const int needed =
        longest + margins + 2 * list->frameWidth() + list->verticalScrollBar()->sizeHint().width();
    // The pages of the exercise text beside it keep at least half of the group.
    const int widest = std::max(minimum, room->contentsRect().width() / 2);
    list->setFixedWidth(std::clamp(needed, minimum, widest));
}

} // namespace

void followLongestEntry(QListWidget *list, QWidget *room, int minimum)
{
    list->setFixedWidth(minimum);
    const auto refit = [list, room, minimum] { fit(list, room, minimum); };
    // Queued: the list also empties while the window is being destroyed.
    QAbstractItemModel *model = list->model();
    QObject::connect(model, &QAbstractItemModel::rowsInserted, list, refit, Qt::QueuedConnection);
    QObject::connect(model, &QAbstractItemModel::rowsRemoved, list, refit, Qt::QueuedConnection);
    QObject::connect(model, &QAbstractItemModel::dataChanged, list, refit, Qt::QueuedConnection);
    QObject::connect(model, &QAbstractItemModel::modelReset, list, refit, Qt::QueuedConnection);
    new ResizeWatcher(room, refit);
    refit();
}
