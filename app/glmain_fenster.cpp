// The main window's fit to what it shows: the wrong-word list of step 3 grows with
// its longest entry, so that word groups are not cut off.

#include "app/glmain.h"

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

} // namespace

void TForm3::setUpWrongWordList()
{
    const auto fit = [this] { fitWrongWordList(); };
    // Queued: the list also empties while the window is being destroyed.
    QAbstractItemModel *model = ListBox3->model();
    connect(model, &QAbstractItemModel::rowsInserted, this, fit, Qt::QueuedConnection);
    connect(model, &QAbstractItemModel::rowsRemoved, this, fit, Qt::QueuedConnection);
    connect(model, &QAbstractItemModel::dataChanged, this, fit, Qt::QueuedConnection);
    connect(model, &QAbstractItemModel::modelReset, this, fit, Qt::QueuedConnection);
    new ResizeWatcher(GroupBox3, fit);
    fitWrongWordList();
}

void TForm3::fitWrongWordList()
{
    const QFontMetrics metrics = ListBox3->fontMetrics();
    int longest = 0;
    for (int row = 0; row < ListBox3->count(); ++row)
        longest = std::max(longest, metrics.horizontalAdvance(ListBox3->item(row)->text()));
    // The entry's own margins, the frame and room for the scroll bar a long list gets.
    const int margins = 2 * ListBox3->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 8;
    const int needed = longest + margins + 2 * ListBox3->frameWidth() +
                       ListBox3->verticalScrollBar()->sizeHint().width();
    // The pages of the exercise text beside it keep at least half of the group.
    const int widest = std::max(wrongWordListMinimum, GroupBox3->contentsRect().width() / 2);
    ListBox3->setFixedWidth(std::clamp(needed, wrongWordListMinimum, widest));
}
