// The main window's side of the section choice in running text: what TForm13 reads
// from the settings and this window, and where its result lands.

#include "app/glmain.h"

#include "app/laufbahnapp.h"
#include "exercise/core/markup.h"
#include "exercise/ui/messages.h"
#include "settings/core/fontspec.h"
#include "settings/ui/einstell.h"
#include "settings/ui/settingwidgets.h"
#include "writing/ui/auswahl.h"

#include <QAction>
#include <QPlainTextEdit>

using namespace Qt::StringLiterals;

writing::AuswahlEingabe TForm3::auswahlEingabe() const
{
    const TForm10 &settings = *laufbahn().Form10;
    const settings::FontSpec fontValue = settings.Label14->fontSpec();
    writing::AuswahlEingabe eingabe;
    eingabe.puffer = puffer;
    eingabe.abschnitt_ende = abschnitt_ende;
    eingabe.font = settings::toQFont(fontValue);
    if (fontValue.size > 0)
        eingabe.font.setPointSize(fontValue.size);
    eingabe.textColor = settings.Label14->textColor();
    eingabe.selectionColor = settings.Label15->textColor();
    eingabe.formBackground = settings.Panel7->color();
    eingabe.editorBackground = settings.Panel8->color();
    eingabe.letterPlaceholder = settings.hiddenLetterCharacter();
    eingabe.partPlaceholder = settings.hiddenPartCharacter();
    return eingabe;
}

void TForm3::auswahlUebernehmen(const writing::AuswahlErgebnis &ergebnis)
{
    abschnitt = ergebnis.abschnitt;
    abschnitt_ende = ergebnis.abschnitt_ende;
    satz_nr = ergebnis.satz_nr;
}

bool TForm3::textabschnittWaehlen()
{
    TForm13 &form = *laufbahn().Form13;
    form.vorbereiten(auswahlEingabe());
    form.init(satz_nr);
    form.exec();
    auswahlUebernehmen(form.ergebnis());
    return !abschnitt.trimmed().isEmpty();
}

void TForm3::setupDeveloperSectionEntry()
{
    // Not in any menu: lets a developer choose sections of the current text before the
    // exercise run asks for them turn by turn. Each try goes on where the last one
    // stopped; an empty choice starts again at the first sentence.
    auto *entry = new QAction(this);
    entry->setObjectName(u"AbschnittProbe"_s);
    entry->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F6));
    entry->setShortcutContext(Qt::WindowShortcut);
    addAction(entry);
    connect(entry, &QAction::triggered, this, [this] {
        if (!lueckentextPruefen(Memo1))
            return;
        puffer = markup::fillBuffer(Memo1->toPlainText(), markup::BufferLayout::Laufbahn);
        satz_nr = std::max(satz_nr, 1);
        if (!textabschnittWaehlen()) {
            satz_nr = 1;
            abschnitt_ende = 0;
            showInformation(this, u"Kein Textabschnitt gewählt: die Übung wäre zu Ende."_s);
            return;
        }
        showInformation(this,
                        u"Gewählter Textabschnitt: »%1«\nNächste Runde: Satz %2 ab Stelle %3"_s
                            .arg(abschnitt.trimmed())
                            .arg(satz_nr)
                            .arg(abschnitt_ende));
    });
}
