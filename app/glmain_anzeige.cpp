// The main window's side of the gliding display: the settings it hands the display,
// and the words marked there, which land in the error list and the exercise text.

#include "app/glmain.h"

#include "app/laufbahnapp.h"
#include "display/ui/laufunit4.h"
#include "exercise/core/markup.h"
#include "settings/core/colorvalue.h"
#include "settings/core/fontspec.h"
#include "settings/ui/einstell.h"
#include "settings/ui/settingwidgets.h"

#include <QAction>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSlider>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextEdit>

display::DisplaySettings TForm3::anzeigeEinstellungen() const
{
    const TForm10 &settings = *laufbahn().Form10;
    const settings::FontSpec fontValue = settings.Label1->fontSpec();
    display::DisplaySettings result;
    result.font = settings::toQFont(fontValue);
    if (fontValue.size > 0)
        result.font.setPointSize(fontValue.size);
    result.letterColor = settings::toQColor(fontValue.color);
    result.background = settings.Panel1->color();
    result.tempo = settings.TrackBar2->value();
    result.spacing = settings.TrackBar1->value();
    result.helpFont = Label7->font();
    result.neueUebung = neue_uebung;
    return result;
}

void TForm3::laufbahnZeigen(const QString &anzeigeText)
{
    TLaufForm4::anzeige_text = anzeigeText;
    ShowTaskBar(false);
    {
        TLaufForm4 form(anzeigeEinstellungen(), this);
        connect(&form, &display::GleitAnzeige::wordMarked, this, &TForm3::fehlerMarkieren);
        form.exec();
    }
    ShowTaskBar(true);
}

void TForm3::fehlerMarkieren(const QString &word, int selectionStart, int selectionLength)
{
    // In a run the chunk knows its raw words; it colours them once they are written.
    if (m_laufbahnLaeuft) {
        fehlerImAbschnitt(selectionStart);
        return;
    }
    Memo3->appendPlainText(word);

    // The display counts in its own string; a selection past the end of what the
    // rewrite forms have written so far colours only what is there.
    QTextCursor cursor(RichEdit1->document());
    const int end = RichEdit1->document()->characterCount() - 1;
    const int start = qBound(0, selectionStart, end);
    cursor.setPosition(start);
    cursor.setPosition(qBound(start, selectionStart + selectionLength, end),
                       QTextCursor::KeepAnchor);
    QTextCharFormat red;
    red.setForeground(QColor(255, 0, 0));
    cursor.mergeCharFormat(red);
}

void TForm3::setupDeveloperDisplayEntry()
{
    // Not in any menu: lets a developer watch the current text glide before the
    // exercise run exists to show it chunk by chunk.
    auto *entry = new QAction(this);
    entry->setObjectName(QStringLiteral("LaufbahnProbe"));
    entry->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F12));
    entry->setShortcutContext(Qt::WindowShortcut);
    addAction(entry);
    connect(entry, &QAction::triggered, this, [this] { laufbahnZeigen(developerDisplayString()); });
}

QString TForm3::developerDisplayString() const
{
    const QString buffer = markup::fillBuffer(Memo1->toPlainText(), markup::BufferLayout::Laufbahn);
    // The buffer's own end mark is the last "#": one in the text is a placeholder.
    const QString text = buffer.left(buffer.lastIndexOf(markup::endMark));
    const TForm10 &settings = *laufbahn().Form10;
    return markup::displayString(text, settings.hiddenLetterCharacter(),
                                 settings.hiddenPartCharacter());
}
