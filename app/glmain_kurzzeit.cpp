// The main window's side of the short-time display and the alternative gliding line:
// the settings they are handed at every showing, and the developer shortcuts that
// show them before the exercise run does.

#include "app/glmain.h"

#include "app/laufbahnapp.h"
#include "display/ui/kuzzeit.h"
#include "display/ui/unit1.h"
#include "exercise/core/markup.h"
#include "settings/core/colorvalue.h"
#include "settings/core/fontspec.h"
#include "settings/ui/einstell.h"
#include "settings/ui/settingwidgets.h"

#include <QAction>
#include <QScopeGuard>
#include <QSlider>

using namespace Qt::StringLiterals;

display::FlashSettings TForm3::kurzzeitEinstellungen() const
{
    const TForm10 &settings = *laufbahn().Form10;
    const settings::FontSpec fontValue = settings.Label4->fontSpec();
    display::FlashSettings result;
    result.font = settings::toQFont(fontValue);
    result.letterColor = settings::toQColor(fontValue.color);
    result.background = settings.Panel5->color();
    result.delay = settings.TrackBar5->value();
    return result;
}

display::KurzzeitMessung TForm3::kurzzeitZeigen(const QString &wort,
                                                std::optional<int> verzoegerung)
{
    kurzzeit_wort = wort;
    display::FlashSettings settings = kurzzeitEinstellungen();
    if (verzoegerung)
        settings.delay = *verzoegerung;
    return laufbahn().Form15->zeigen(kurzzeit_wort, settings);
}

void TForm3::alternativZeigen(const QString &anzeigeText)
{
    ShowTaskBar(false);
    const auto showTaskBar = qScopeGuard([this] { ShowTaskBar(true); });
    TForm1 form(anzeigeText, anzeigeEinstellungen(), this);
    form.exec();
}

void TForm3::setupDeveloperFlashEntries()
{
    // Not in any menu: let a developer watch the text of Memo1 in the two displays
    // before the exercise run exists to show them chunk by chunk.
    auto *flash = new QAction(this);
    flash->setObjectName(u"KurzzeitProbe"_s);
    flash->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F11));
    flash->setShortcutContext(Qt::WindowShortcut);
    addAction(flash);
    connect(flash, &QAction::triggered, this, [this] {
        for (const QString &wort : markup::displayStringWords(developerDisplayString())) {
            kurzzeitZeigen(wort);
            // A showing closed before its end stops the rest.
            const display::KurzzeitAblauf *ablauf = laufbahn().Form15->ablauf();
            if (!ablauf || ablauf->phase() != display::KurzzeitPhase::Fertig)
                break;
        }
    });

    // As the exercise run chooses: the alternative display when "alternativer
    // Laufmodus" is checked, else the gliding line.
    auto *alternative = new QAction(this);
    alternative->setObjectName(u"AlternativProbe"_s);
    alternative->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F10));
    alternative->setShortcutContext(Qt::WindowShortcut);
    addAction(alternative);
    connect(alternative, &QAction::triggered, this, [this] {
        if (alternativerLaufmodus1->isChecked())
            alternativZeigen(developerDisplayString());
        else
            laufbahnZeigen(developerDisplayString());
    });
}
