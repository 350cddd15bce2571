// The main window's evaluations: "Textauswertung..." sorts the words of the loaded text,
// "Fehlerauswertung..." the wrong words of the loaded pupil, by spelling phenomena.

#include "app/glmain.h"

#include "app/laufbahnapp.h"
#include "exercise/ui/hiddenmemo.h"
#include "exercise/ui/messages.h"
#include "exercise/ui/printing.h"
#include "settings/ui/einstellwerte.h"
#include "settings/ui/fehler.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

// The evaluation prints in the display font's face and style at 10 points.
constexpr int auswertungsDruckPunkte = 10;

QStringList zeilen(const QString &text)
{
    return text.split(u'\n');
}

// Fills the evaluation window by `init` and shows it, with the print font as it is set now.
void zeigen(const std::function<void(TForm17 &)> &init)
{
    TForm17 &auswertung = *laufbahn().Form17;
    auswertung.setDruckschrift(
        einstellwerte::druckSchrift(*laufbahn().Form10, auswertungsDruckPunkte));
    init(auswertung);
    auswertung.exec();
}

} // namespace

void TForm3::auswertungVerbinden(TForm17 *auswertung)
{
    connect(auswertung, &TForm17::druckauftrag, this,
            [this, auswertung](const printing::PrintJob &job) {
                printing::Druckvorschau preview(job, printer(), auswertung);
                preview.exec();
            });
}

void TForm3::Textauswertung1Click()
{
    if (textState() == TextState::None) {
        showInformation(this, u"Sie müssen zunächst einen Text laden."_s);
        return;
    }
    zeigen([this](TForm17 &auswertung) {
        auswertung.init2(zeilen(Memo1->toPlainText()), Label6->text());
    });
}

void TForm3::FehlerauswertungdesaktuellenSchler1Click()
{
    if (!schuelerGeladen()) {
        showInformation(this, u"Sie müssen zunächst einen Schüler laden."_s);
        return;
    }
    zeigen([this](TForm17 &auswertung) { auswertung.init(zeilen(Memo2->toPlainText())); });
}
