// The main window's side of praise: the praise lines of "lob.inf", the praise picture
// laid out from the settings, and the praise a right chunk earns.

#include "app/glmain.h"

#include "app/laufbahnapp.h"
#include "exercise/ui/messages.h"
#include "settings/ui/einstell.h"
#include "settings/ui/settingwidgets.h"
#include "writing/core/praisefile.h"
#include "writing/core/praisepicture.h"
#include "writing/ui/lob.h"
#include "writing/ui/lob2.h"

#include <QAction>
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
    setup.gridSize = praise::gridSizeForItem(laufbahn().Form10->RadioGroup3->itemIndex());
    const QList<praise::PictureFailure> skipped = laufbahn().Form16->init(setup, zufall);
    if (!skipped.isEmpty())
        showWarning(this, praise::failureMessage(skipped));
}

void TForm3::lobZeigen()
{
    switch (laufbahn().Form10->RadioGroup2->itemIndex()) {
    case 1:
        lobTextZeigen();
        break;
    case 2:
        lobBildZeigen();
        break;
    default:
        break;
    }
}

void TForm3::lobTextZeigen()
{
    const int count = ListBox4->count();
    const QString text = count > 0 ? ListBox4->item(int(zufall.bounded(quint32(count))))->text()
                                   : praise::fallbackPraise();
    // The colours are read now, so the teacher's settings file and later changes count.
    const TForm10 &settings = *laufbahn().Form10;
    PraiseTextLook look;
    look.background = settings.Panel5->color();
    look.textColor = settings.Label4->textColor();
    laufbahn().Form11->zeigen(text, look);
}

void TForm3::lobBildZeigen()
{
    // Until the first exercise start lays out the picture, the first praise does.
    if (!laufbahn().Form16->isInitialised())
        lobBildInit();
    laufbahn().Form16->zeigen(zufall);
}

void TForm3::setupDeveloperPraiseEntries()
{
    // Not in any menu: lets a developer see both kinds of praise before the rewrite
    // forms give them.
    auto *text = new QAction(this);
    text->setObjectName(QStringLiteral("LobTextProbe"));
    text->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F8));
    text->setShortcutContext(Qt::WindowShortcut);
    addAction(text);
    connect(text, &QAction::triggered, this, [this] {
        if (lob_laden())
            lobTextZeigen();
    });

    auto *picture = new QAction(this);
    picture->setObjectName(QStringLiteral("LobBildProbe"));
    picture->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F7));
    picture->setShortcutContext(Qt::WindowShortcut);
    addAction(picture);
    connect(picture, &QAction::triggered, this, &TForm3::lobBildZeigen);
}
