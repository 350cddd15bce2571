// The main window's side of praise: the praise lines of "lob.inf", the praise picture
// laid out from the settings, and the praise a right chunk earns.

#include "app/glmain.h"

#include "app/laufbahnapp.h"
#include "exercise/ui/messages.h"
#include "settings/ui/einstellwerte.h"
#include "writing/core/praisefile.h"
#include "writing/core/praisepicture.h"
#include "writing/ui/lob.h"
#include "writing/ui/lob2.h"

#include <QLineEdit>
#include <QListWidget>

bool TForm3::lob_laden()
{
    // From the start directory, as the pictures are: a file dialog may have moved the
    // current folder anywhere.
    IoError error;
    const std::optional<QStringList> lines =
        praise::readPraiseFile(startverzeichnis + praise::praiseFileName(), Edit2->text(), &error);
    if (!lines) {
        showIoError(this, error);
        return false;
    }
    ListBox4->clear();
    ListBox4->addItems(*lines);
    return true;
}

void TForm3::lobBildInit()
{
    TForm16::Setup setup;
    setup.startverzeichnis = startverzeichnis;
    setup.gridSize = einstellwerte::lobRaster(*laufbahn().Form10);
    const QList<praise::PictureFailure> skipped = laufbahn().Form16->init(setup, zufall);
    if (!skipped.isEmpty())
        showWarning(this, praise::failureMessage(skipped));
}

void TForm3::lobZeigen()
{
    switch (einstellwerte::lob(*laufbahn().Form10)) {
    case writing::Lob::Text:
        lobTextZeigen();
        break;
    case writing::Lob::Bild:
        lobBildZeigen();
        break;
    case writing::Lob::Keins:
        break;
    }
}

void TForm3::lobTextZeigen()
{
    const int count = ListBox4->count();
    const QString text = count > 0 ? ListBox4->item(int(zufall.bounded(quint32(count))))->text()
                                   : praise::fallbackPraise();
    // The colours are read now, so the teacher's settings file and later changes count.
    laufbahn().Form11->zeigen(text, einstellwerte::lobText(*laufbahn().Form10));
}

void TForm3::lobBildZeigen()
{
    // Until the first exercise start lays out the picture, the first praise does.
    if (!laufbahn().Form16->isInitialised())
        lobBildInit();
    laufbahn().Form16->zeigen(zufall);
}
