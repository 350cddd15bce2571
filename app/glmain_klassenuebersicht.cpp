// "Klassenübersicht...": every pupil record of the start folder, or of a class folder the
// teacher chose, side by side. Offered whether a pupil is loaded or not.

#include "app/glmain.h"

#include "app/laufbahnapp.h"
#include "exercise/ui/printing.h"
#include "settings/core/zusatzeinstellungen.h"
#include "settings/ui/einstellwerte.h"
#include "settings/ui/klassenuebersicht.h"

#include <QAction>
#include <QDate>
#include <QMenu>

using namespace Qt::StringLiterals;

namespace {

constexpr int druckPunkte = 10;

} // namespace

void TForm3::klassenuebersichtEinrichten()
{
    Optionen1->addSeparator();
    auto *eintrag = Optionen1->addAction(u"Klassenübersicht..."_s);
    eintrag->setObjectName(u"Klassenuebersicht1"_s);
    connect(eintrag, &QAction::triggered, this, &TForm3::Klassenuebersicht1Click);
}

void TForm3::Klassenuebersicht1Click()
{
    KlassenuebersichtWerte werte;
    werte.startverzeichnis = startverzeichnis;
    werte.iniDatei = settings::zusatzdatei(startverzeichnis + u"default.opt"_s);
    werte.druckschrift = einstellwerte::druckSchrift(*laufbahn().Form10, druckPunkte);
    werte.heute = QDate::currentDate();
    TFormKlassenuebersicht fenster(std::move(werte), this);
    connect(&fenster, &TFormKlassenuebersicht::druckauftrag, this,
            [this, &fenster](const printing::PrintJob &job) {
                printing::Druckvorschau preview(job, printer(), &fenster);
                preview.exec();
            });
    // The words become the editor's text and the teacher sees them there.
    connect(&fenster, &TFormKlassenuebersicht::alsWortliste, this,
            [this, &fenster](const QStringList &woerter) {
                if (alsWortliste(woerter))
                    fenster.accept();
            });
    fenster.exec();
}
