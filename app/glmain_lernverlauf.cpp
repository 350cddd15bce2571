// "Lernverlauf...": the loaded pupil's wrong words over time and by spelling phenomenon.
// Offered only while a pupil is loaded.

#include "app/glmain.h"

#include "app/laufbahnapp.h"
#include "app/schuelerakte.h"
#include "exercise/ui/messages.h"
#include "exercise/ui/printing.h"
#include "settings/ui/einstellwerte.h"
#include "settings/ui/lernverlauf.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>

using namespace Qt::StringLiterals;

namespace {

constexpr int lernverlaufDruckPunkte = 10;

QString ohneSchueler()
{
    return u"Sie müssen zunächst einen Schüler laden."_s;
}

} // namespace

void TForm3::lernverlaufVerbinden(TFormLernverlauf *lernverlauf)
{
    connect(Lernverlauf1, &QAction::triggered, this, &TForm3::Lernverlauf1Click);
    // The menu says why the command cannot be chosen yet.
    Optionen1->setToolTipsVisible(true);
    const auto freigeben = [this] {
        Lernverlauf1->setEnabled(schuelerGeladen());
        Lernverlauf1->setToolTip(schuelerGeladen() ? Lernverlauf1->text() : ohneSchueler());
    };
    connect(Edit1, &QLineEdit::textChanged, this, freigeben);
    freigeben();
    connect(lernverlauf, &TFormLernverlauf::druckauftrag, this,
            [this, lernverlauf](const printing::PrintJob &job) {
                printing::Druckvorschau preview(job, printer(), lernverlauf);
                preview.exec();
            });
}

void TForm3::Lernverlauf1Click()
{
    if (!schuelerGeladen() || !m_schueler->geladen()) {
        showInformation(this, ohneSchueler());
        return;
    }
    TFormLernverlauf &lernverlauf = *laufbahn().FormLernverlauf;
    lernverlauf.setDruckschrift(
        einstellwerte::druckSchrift(*laufbahn().Form10, lernverlaufDruckPunkte));
    lernverlauf.init(m_schueler->zeilen());
    lernverlauf.exec();
}
