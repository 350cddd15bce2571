// The main window's side of the displays: the gliding line, the short-time display and
// the alternative gliding line, and the words marked on a display.

#include "app/glmain.h"

#include "app/ergebnisprotokoll.h"
#include "app/laufbahnapp.h"
#include "app/silbenbefehle.h"
#include "display/ui/kuzzeit.h"
#include "display/ui/laufunit4.h"
#include "display/ui/lesefinger.h"
#include "display/ui/unit1.h"
#include "display/ui/unit4.h"
#include "settings/ui/einstellwerte.h"

#include <QLabel>
#include <QScopeGuard>

display::DisplaySettings TForm3::anzeigeEinstellungen() const
{
    display::DisplaySettings settings =
        einstellwerte::anzeige(*laufbahn().Form10, Label7->font(), ersterLauf());
    // Syllables still being read are not waited for: a later chunk has them.
    settings.silben = m_silben->ansicht(settings.silben);
    return settings;
}

bool TForm3::ersterLauf() const
{
    return !m_lauf || m_lauf->neueUebung();
}

void TForm3::laufbahnZeigen(const QString &anzeigeText)
{
    ShowTaskBar(false);
    const auto showTaskBar = qScopeGuard([this] { ShowTaskBar(true); });
    TLaufForm4 form(anzeigeText, m_gleitStand, anzeigeEinstellungen(), this);
    connect(&form, &display::GleitAnzeige::wordMarked, this, &TForm3::fehlerMarkieren);
    form.exec();
}

void TForm3::gleitAltZeigen(const QString &anzeigeText)
{
    ShowTaskBar(false);
    const auto showTaskBar = qScopeGuard([this] { ShowTaskBar(true); });
    TForm4 form(anzeigeText, m_gleitAltStand, anzeigeEinstellungen(), this);
    connect(&form, &display::GleitAnzeige::wordMarked, this, &TForm3::fehlerMarkieren);
    form.exec();
}

void TForm3::lesefingerZeigen(const QString &puffer, display::LeseModus modus)
{
    ShowTaskBar(false);
    const auto showTaskBar = qScopeGuard([this] { ShowTaskBar(true); });
    display::LesefingerSettings settings =
        einstellwerte::lesefinger(*laufbahn().Form10, Label7->font(), ersterLauf());
    settings.silben = m_silben->ansicht(settings.silben);
    TleseForm4 form(puffer, modus, settings, this);
    connect(&form, &TleseForm4::wordMarked, this,
            [this](const QString &word, int start, int length) {
                m_ergebnis->wortMarkieren(word, start, length);
            });
    form.exec();
}

void TForm3::alternativZeigen(const QString &anzeigeText)
{
    ShowTaskBar(false);
    const auto showTaskBar = qScopeGuard([this] { ShowTaskBar(true); });
    TForm1 form(anzeigeText, anzeigeEinstellungen(), this);
    form.exec();
}

display::KurzzeitMessung TForm3::kurzzeitZeigen(const QString &wort,
                                                std::optional<int> verzoegerung)
{
    display::FlashSettings settings = einstellwerte::kurzzeit(*laufbahn().Form10);
    settings.silben = m_silben->ansicht(settings.silben);
    if (verzoegerung)
        settings.delay = *verzoegerung;
    return laufbahn().Form15->zeigen(wort, settings);
}

void TForm3::fehlerMarkieren(const QString &word, int selectionStart, int selectionLength)
{
    // In a run the chunk knows its raw words; it colours them once they are written.
    if (m_lauf) {
        if (const std::optional<QString> roh = m_lauf->markiert(selectionStart))
            m_ergebnis->fehlerwortEintragen(*roh);
        return;
    }
    m_ergebnis->wortMarkieren(word, selectionStart, selectionLength);
}
