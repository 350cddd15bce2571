#include "settings/ui/fontlistbox.h"

#include "settings/core/fontlist.h"
#include "settings/core/settingsrecord.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QPainter>
#include <QStyledItemDelegate>

using namespace settings;

namespace {

constexpr int outlineRole = Qt::UserRole + 1;

class FontItemDelegate : public QStyledItemDelegate {
public:
    explicit FontItemDelegate(TFontListBox *list) : QStyledItemDelegate(list), m_list(list) {}

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        const bool selected = option.state & QStyle::State_Selected;
        const QPalette &palette = option.palette;
        const QColor brush =
            selected ? palette.color(QPalette::Highlight) : palette.color(QPalette::Base);
        const QColor pen =
            selected ? palette.color(QPalette::HighlightedText) : palette.color(QPalette::Text);
        const QRect r = option.rect;
        const QString name = index.data(Qt::DisplayRole).toString();

        painter->save();
        painter->fillRect(r, brush);
        if (index.data(outlineRole).toBool())
            painter->drawImage(r.topLeft() + QPoint(2, 2), trueTypeMark(brush));

        QFont font = m_list->font();
        if (m_list->UseItemFont()) {
            const QFont listFont = m_list->font();
            font = QFont(name);
            font.setPixelSize(QFontInfo(listFont).pixelSize());
            font.setWeight(listFont.bold() ? QFont::Bold : QFont::Normal);
            font.setItalic(listFont.italic());
            font.setUnderline(listFont.underline());
            font.setStrikeOut(listFont.strikeOut());
        }
        painter->setFont(font);
        painter->setPen(pen);
        painter->setClipRect(r);
        painter->drawText(r.adjusted(16, 0, 0, 0),
                          Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, name);
        if (option.state & QStyle::State_HasFocus && m_list->hasFocus()) {
            painter->setPen(QPen(pen, 1, Qt::DotLine));
            painter->drawRect(r.adjusted(0, 0, -1, -1));
        }
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem &, const QModelIndex &) const override
    {
        return {m_list->viewport()->width(), m_list->itemHeight()};
    }

private:
    TFontListBox *m_list;
};

QStringList installedFonts()
{
    return QFontDatabase::families();
}

} // namespace

TFontListBox::TFontListBox(QWidget *parent)
    : QListWidget(parent), m_installed(installedFonts), m_isOutline(isOutlineFont)
{
    setItemDelegate(new FontItemDelegate(this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    // Names longer than the list are cut at its edge, as the preview shows them whole.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(this, &QListWidget::itemSelectionChanged, this, &TFontListBox::selectionChangedByUser);
    fillLater();
}

void TFontListBox::setTTonly(bool on)
{
    m_ttOnly = on;
    fillLater();
}

void TFontListBox::setUseItemFont(bool on)
{
    m_useItemFont = on;
    fillLater();
}

void TFontListBox::setFontSource(FontSource installed, OutlineTest isOutline)
{
    m_installed = std::move(installed);
    m_isOutline = std::move(isOutline);
    refill();
}

int TFontListBox::itemHeight() const
{
    const int points = font().pointSize() > 0 ? font().pointSize() : QFontInfo(font()).pointSize();
    return 2 * points;
}

bool TFontListBox::isOutline(int row)
{
    fillIfPending();
    const QListWidgetItem *entry = item(row);
    return entry && entry->data(outlineRole).toBool();
}

QString TFontListBox::selectedName()
{
    fillIfPending();
    const QList<QListWidgetItem *> selected = selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

void TFontListBox::selectName(const QString &name)
{
    fillIfPending();
    m_quiet = true;
    const QList<QListWidgetItem *> found = findItems(name, Qt::MatchExactly);
    clearSelection();
    if (found.isEmpty()) {
        setCurrentRow(-1, QItemSelectionModel::Clear);
        scrollToTop();
    } else {
        setCurrentItem(found.first());
        scrollToItem(found.first(), QAbstractItemView::PositionAtCenter);
    }
    m_quiet = false;
}

void TFontListBox::fillLater()
{
    if (m_filled || isVisible())
        refill();
}

void TFontListBox::fillIfPending()
{
    if (!m_filled)
        refill();
}

void TFontListBox::showEvent(QShowEvent *event)
{
    fillIfPending();
    QListWidget::showEvent(event);
}

void TFontListBox::refill()
{
    m_filled = true;
    m_quiet = true;
    clear();
    const QStringList installed = m_installed ? m_installed() : QStringList();
    // A face whose name the settings file cannot hold could not be kept as a setting.
    QStringList storable;
    for (const QString &name : installed) {
        if (canStoreFontName(name))
            storable.append(name);
    }
    const auto outline = [this](const QString &name) { return m_isOutline && m_isOutline(name); };
    for (const QString &name : fontListEntries(storable, m_ttOnly, outline)) {
        auto *entry = new QListWidgetItem(name, this);
        entry->setData(outlineRole, outline(name));
    }
    if (count() > 0)
        setCurrentRow(0);
    m_quiet = false;
}

void TFontListBox::selectionChangedByUser()
{
    if (m_quiet)
        return;
    emit clicked();
    const QString name = selectedName();
    if (m_updateAllForms && !name.isEmpty()) {
        for (QWidget *window : QApplication::topLevelWidgets()) {
            QFont font = window->font();
            font.setFamily(name);
            window->setFont(font);
        }
    }
}

void TFontListBox::changeEvent(QEvent *event)
{
    QListWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        // A new item height: lay the items out afresh.
        doItemsLayout();
        viewport()->update();
    }
}
