#include "app/silbenbefehle.h"

#include "app/laufbahnapp.h"
#include "exercise/ui/firstshow.h"
#include "exercise/ui/messages.h"
#include "reading/core/silben.h"
#include "settings/ui/einstellwerte.h"

#include <QAction>
#include <QGuiApplication>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// Inserts "-" before each of `stellen` (ascending), or deletes the character at each,
// in `editor`'s document as one undo step; the selection keeps its words.
void aendern(QPlainTextEdit *editor, const QList<qsizetype> &stellen, bool einfuegen)
{
    if (stellen.isEmpty())
        return;
    QTextCursor auswahl = editor->textCursor();
    const int anker = auswahl.anchor();
    const int position = auswahl.position();
    const auto verschoben = [&](int ort) {
        int vorher = 0;
        for (qsizetype stelle : stellen)
            vorher += stelle < ort ? 1 : 0;
        return einfuegen ? ort + vorher : ort - vorher;
    };
    QTextCursor cursor(editor->document());
    cursor.beginEditBlock();
    // From the end, so the offsets before each change still hold.
    for (auto stelle = stellen.crbegin(); stelle != stellen.crend(); ++stelle) {
        cursor.setPosition(int(*stelle));
        if (einfuegen) {
            cursor.insertText(u"-"_s);
        } else {
            cursor.setPosition(int(*stelle) + 1, QTextCursor::KeepAnchor);
            cursor.removeSelectedText();
        }
    }
    cursor.endEditBlock();
    auswahl.setPosition(verschoben(anker));
    auswahl.setPosition(verschoben(position), QTextCursor::KeepAnchor);
    editor->setTextCursor(auswahl);
}

} // namespace

SilbenBefehle::SilbenBefehle(QWidget &fenster, QPlainTextEdit &editor, QMenu &menue)
    : QObject(&fenster), m_fenster(fenster), m_editor(editor)
{
    setObjectName(u"SilbenBefehle"_s);
    QMenu *menu = &menue;
    Silbentrennen1 = new QAction(u"Silben trennen"_s, menu);
    Silbentrennen1->setObjectName(u"Silbentrennen1"_s);
    Silbentrennungentfernen1 = new QAction(u"Silbentrennung entfernen"_s, menu);
    Silbentrennungentfernen1->setObjectName(u"Silbentrennungentfernen1"_s);
    const QList<QAction *> alle = menu->actions();
    // After the join command, the last of the section commands.
    const auto verbinden = std::find_if(alle.begin(), alle.end(), [](const QAction *a) {
        return a->objectName() == "AbschnittzurWortgrppeverbinden1"_L1;
    });
    const qsizetype nach = verbinden == alle.end() ? -1 : verbinden - alle.begin();
    QAction *davor = nach >= 0 && nach + 1 < alle.size() ? alle[nach + 1] : nullptr;
    menu->insertActions(davor, {Silbentrennen1, Silbentrennungentfernen1});
    menu->insertSeparator(Silbentrennen1);
    connect(Silbentrennen1, &QAction::triggered, this, &SilbenBefehle::trennen);
    connect(Silbentrennungentfernen1, &QAction::triggered, this, &SilbenBefehle::trennungEntfernen);
    // The teacher who opens the menu may ask for syllables next.
    connect(menu, &QMenu::aboutToShow, this, [] { silben::deutsch().vorladen(); });
    // The settings are loaded at the first paint and changed in their dialog: once the
    // window is on the screen, and each time it is active again, syllables the settings
    // want are read in the background.
    whenFirstShown(&fenster, [this] { QTimer::singleShot(0, this, &SilbenBefehle::vorbereiten); });
    wheneverActivated(&fenster, [this] { vorbereiten(); });
}

SilbenBefehle::~SilbenBefehle()
{
    if (m_leser.joinable())
        m_leser.join();
}

void SilbenBefehle::vorbereiten()
{
    if (m_stand != Stand::Offen || !silbenGewuenscht())
        return;
    m_stand = Stand::Lesen;
    m_leser = std::thread(
        [this] { m_stand = silben::deutsch().bereit() ? Stand::Bereit : Stand::Fehlt; });
}

display::SilbenAnsicht SilbenBefehle::ansicht(display::SilbenAnsicht gewuenscht)
{
    if ((gewuenscht.automatisch || gewuenscht.farbig) && !bereit()) {
        vorbereiten();
        gewuenscht.automatisch = false;
        gewuenscht.farbig = false;
    }
    return gewuenscht;
}

bool SilbenBefehle::silbenGewuenscht() const
{
    const settings::SilbenEinstellungen werte = einstellwerte::silben(*laufbahn().Form10);
    return werte.automatisch || werte.farbig;
}

void SilbenBefehle::laufBeginnt()
{
    vorbereiten();
    if (m_gemeldet || !silbenGewuenscht() || m_stand != Stand::Fehlt)
        return;
    m_gemeldet = true;
    showWarning(&m_fenster, silben::deutsch().fehlermeldung() +
                                u"\n\nDie Silben werden nicht erkannt und nicht farbig gezeigt."_s);
}

void SilbenBefehle::trennen()
{
    QPlainTextEdit *editor = &m_editor;
    const QTextCursor auswahl = editor->textCursor();
    // The patterns may still be on their way in: that takes a moment the first time.
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const std::optional<QList<qsizetype>> stellen = silben::deutsch().trennstellen(
        editor->document()->toPlainText(), auswahl.anchor(), auswahl.position());
    QGuiApplication::restoreOverrideCursor();
    if (!stellen) {
        showWarning(&m_fenster, silben::deutsch().fehlermeldung());
        return;
    }
    aendern(editor, *stellen, true);
}

void SilbenBefehle::trennungEntfernen()
{
    QPlainTextEdit *editor = &m_editor;
    const QTextCursor auswahl = editor->textCursor();
    aendern(editor,
            silben::trennstriche(editor->document()->toPlainText(), auswahl.anchor(),
                                 auswahl.position()),
            false);
}
