#include "app/editorbefehle.h"

#include "exercise/core/markup.h"
#include "exercise/ui/editortext.h"
#include "exercise/ui/elidedlabel.h"
#include "exercise/ui/messages.h"
#include "settings/core/luecken.h"
#include "settings/core/zusatzeinstellungen.h"
#include "settings/ui/lueckendialog.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStatusBar>
#include <QTextCursor>
#include <QTextEdit>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

// Replaces the selection of `editor` by what `transform` makes of it, in the document
// itself (the clipboard keeps what the teacher copied) and as one undo step. The caret
// ends behind the new text, as after typing it.
void replaceSelection(QPlainTextEdit *editor, const std::function<QString(QStringView)> &transform)
{
    QTextCursor cursor = editor->textCursor();
    if (!cursor.hasSelection())
        return;
    // A line break stands in the selected text as U+2029; inserted again it is one.
    const QString selected = cursor.selectedText();
    const QString replaced = transform(selected);
    if (replaced == selected)
        return;
    cursor.beginEditBlock();
    cursor.insertText(replaced);
    cursor.endEditBlock();
    editor->setTextCursor(cursor);
}

} // namespace

EditorBefehle::EditorBefehle(QWidget &fenster, QPlainTextEdit &editor, QMenu &menue,
                             QStatusBar &status, std::function<QString()> einstellungsdatei)
    : QObject(&fenster), m_fenster(fenster), m_editor(editor), m_menue(menue),
      m_einstellungsdatei(std::move(einstellungsdatei))
{
    auto item = [this](const QString &name, const QString &caption) {
        QAction *action = m_menue.addAction(caption);
        action->setObjectName(name);
        return action;
    };
    ausscheiden1 = item(u"ausscheiden1"_s, u"ausscheiden"_s);
    ausscheiden1->setShortcut(QKeySequence::Cut);
    kopieren1 = item(u"kopieren1"_s, u"kopieren"_s);
    kopieren1->setShortcut(QKeySequence::Copy);
    einfgen1 = item(u"einfgen1"_s, u"einfügen"_s);
    einfgen1->setShortcut(QKeySequence::Paste);
    lschen1 = item(u"lschen1"_s, u"löschen"_s);
    lschen1->setShortcut(QKeySequence::Delete);
    N6 = m_menue.addSeparator();
    N6->setObjectName(u"N6"_s);
    Abschnittnichtnachschreiben1 =
        item(u"Abschnittnichtnachschreiben1"_s, u"Abschnitt nicht nachschreiben"_s);
    Abschnittals1 = item(u"Abschnittals1"_s, u"Abschnitt als _ _ _ _ zeigen"_s);
    Abschnittalszeigen1 = item(u"Abschnittalszeigen1"_s, u"Abschnitt als [] zeigen"_s);
    N7 = m_menue.addSeparator();
    N7->setObjectName(u"N7"_s);
    AbschnittzurWortgrppeverbinden1 =
        item(u"AbschnittzurWortgrppeverbinden1"_s, u"Abschnitt zur Wortgruppe verbinden"_s);
    N8 = m_menue.addSeparator();
    N8->setObjectName(u"N8"_s);
    Lueckensetzen1 = item(u"Lueckensetzen1"_s, u"Lücken setzen..."_s);

    connect(&m_menue, &QMenu::aboutToShow, this, &EditorBefehle::PopupMenu1Popup);
    connect(&m_editor, &QPlainTextEdit::customContextMenuRequested, this, &EditorBefehle::showMenu);
    connect(ausscheiden1, &QAction::triggered, &m_editor, &QPlainTextEdit::cut);
    connect(kopieren1, &QAction::triggered, &m_editor, &QPlainTextEdit::copy);
    connect(einfgen1, &QAction::triggered, &m_editor, &QPlainTextEdit::paste);
    connect(lschen1, &QAction::triggered, this, [this] {
        QTextCursor cursor = m_editor.textCursor();
        cursor.removeSelectedText();
        m_editor.setTextCursor(cursor);
    });
    connect(Abschnittnichtnachschreiben1, &QAction::triggered, this,
            [this] { abschnittEinrahmen(markup::notRewrittenMark); });
    connect(Abschnittals1, &QAction::triggered, this,
            [this] { abschnittEinrahmen(markup::omittedLettersMark); });
    connect(Abschnittalszeigen1, &QAction::triggered, this,
            [this] { abschnittEinrahmen(markup::omittedPartMark); });
    connect(AbschnittzurWortgrppeverbinden1, &QAction::triggered, this,
            [this] { replaceSelection(&m_editor, markup::joinWordGroup); });
    connect(Lueckensetzen1, &QAction::triggered, this, &EditorBefehle::lueckenSetzen);

    m_pairFaultLabel = new ElidedLabel;
    m_pairFaultLabel->setObjectName(u"Lueckenfehler"_s);
    m_pairFaultLabel->setContentsMargins(4, 0, 4, 0);
    QPalette red = m_pairFaultLabel->palette();
    red.setColor(QPalette::WindowText, QColor(200, 0, 0));
    m_pairFaultLabel->setPalette(red);
    m_pairFaultLabel->hide();
    status.addPermanentWidget(m_pairFaultLabel, 0);
    connect(&m_editor, &QPlainTextEdit::textChanged, this, &EditorBefehle::showPairFault);
}

void EditorBefehle::PopupMenu1Popup()
{
    const bool selected = m_editor.textCursor().hasSelection();
    for (QAction *action : {ausscheiden1, kopieren1, lschen1, Abschnittnichtnachschreiben1,
                            Abschnittals1, Abschnittalszeigen1, AbschnittzurWortgrppeverbinden1})
        action->setEnabled(selected);
    einfgen1->setEnabled(true);
}

void EditorBefehle::showMenu(const QPoint &pos)
{
    const QPoint global = m_editor.viewport()->mapToGlobal(pos);
    if (!m_menue.isEmpty()) {
        m_menue.popup(global);
        return;
    }
    QMenu *standard = m_editor.createStandardContextMenu();
    standard->setAttribute(Qt::WA_DeleteOnClose);
    standard->popup(global);
}

void EditorBefehle::abschnittEinrahmen(QChar mark)
{
    replaceSelection(&m_editor,
                     [mark](QStringView selected) { return markup::wrapInPair(selected, mark); });
}

void EditorBefehle::lueckenSetzen()
{
    const QString ini = settings::zusatzdatei(m_einstellungsdatei());
    QTextCursor cursor = m_editor.textCursor();
    LueckenDialog dialog(settings::zusatzeinstellungenLesen(ini).luecken, cursor.hasSelection(),
                         &m_fenster);
    const std::optional<settings::LueckenEinstellungen> wahl = dialog.waehlen();
    if (!wahl)
        return;
    // A choice that cannot be remembered (a folder the teacher may not write) is no
    // reason to refuse the gaps: next time the dialog shows the last choice it could keep.
    (void)settings::lueckenwahlSchreiben(ini, *wahl);

    const QString text = editorText(*m_editor.document());
    const bool nurAuswahl = wahl->nurAuswahl && cursor.hasSelection();
    const qsizetype von = nurAuswahl ? cursor.selectionStart() : 0;
    const qsizetype bis = nurAuswahl ? cursor.selectionEnd() : text.size();
    const QString neu = auswertung::lueckenSetzen(text, quint32(wahl->phaenomene),
                                                  LueckenDialog::zeichen(wahl->art), von, bis);
    if (neu == text) {
        showInformation(&m_fenster, nurAuswahl ? u"Im markierten Abschnitt steht kein Wort mit "
                                                 u"den gewählten Rechtschreibfällen."_s
                                               : u"Im Text steht kein Wort mit den gewählten "
                                                 u"Rechtschreibfällen."_s);
        return;
    }
    // Marks are only inserted: the part between the first and the last one is replaced.
    qsizetype vorne = von;
    while (text[vorne] == neu[vorne])
        ++vorne;
    qsizetype hinten = 0;
    while (text[text.size() - 1 - hinten] == neu[neu.size() - 1 - hinten])
        ++hinten;
    // Where the caret stood in the text, it stands in the marked one.
    qsizetype caret = 0;
    for (qsizetype i = 0; i < cursor.position(); ++caret)
        i += text[i] == neu[caret];
    const int scrollen = m_editor.verticalScrollBar()->value();
    cursor.setPosition(int(vorne));
    cursor.setPosition(int(text.size() - hinten), QTextCursor::KeepAnchor);
    cursor.beginEditBlock();
    cursor.insertText(neu.sliced(vorne, neu.size() - hinten - vorne));
    cursor.endEditBlock();
    // What was selected stays selected, now with its marks.
    if (nurAuswahl) {
        cursor.setPosition(int(von));
        cursor.setPosition(int(bis + neu.size() - text.size()), QTextCursor::KeepAnchor);
    } else {
        cursor.setPosition(int(caret));
    }
    m_editor.setTextCursor(cursor);
    m_editor.verticalScrollBar()->setValue(scrollen);
}

void EditorBefehle::showPairFault()
{
    // The text as a run will take it: a no-break space stays what it is.
    const markup::PairFault fault = markup::findPairFault(editorText(*m_editor.document()));
    QList<QTextEdit::ExtraSelection> marks;
    if (fault.broken()) {
        QTextEdit::ExtraSelection mark;
        mark.cursor = QTextCursor(m_editor.document());
        mark.cursor.setPosition(int(fault.opening));
        mark.cursor.setPosition(int(fault.end), QTextCursor::KeepAnchor);
        mark.format.setUnderlineStyle(QTextCharFormat::WaveUnderline);
        mark.format.setUnderlineColor(QColor(255, 0, 0));
        marks.append(mark);
    }
    m_editor.setExtraSelections(marks);
    m_pairFaultLabel->setText(markup::pairFaultMessage(fault));
    m_pairFaultLabel->setVisible(fault.broken());
}

bool EditorBefehle::lueckentextPruefen(QPlainTextEdit *editor, qsizetype laenge)
{
    const QString text = editorText(*editor->document(), laenge);
    const QString warning = markup::pairFaultWarning(text);
    if (warning.isEmpty())
        return true;
    QTextCursor cursor(editor->document());
    cursor.setPosition(int(markup::findPairFault(text).opening));
    editor->setTextCursor(cursor);
    editor->ensureCursorVisible();
    showWarning(&m_fenster, warning);
    // The keyboard goes back to the broken pair, not to whatever had it before the box.
    if (editor->isVisible()) {
        m_fenster.activateWindow();
        editor->setFocus(Qt::OtherFocusReason);
    }
    return false;
}
