// The main window's side of the section choice in running text: what TForm13 reads
// from the settings and this window, and where its result lands.

#include "app/glmain.h"

#include "app/entwickler.h"
#include "app/laufbahnapp.h"
#include "exercise/core/markup.h"
#include "exercise/ui/messages.h"
#include "settings/core/fontspec.h"
#include "settings/ui/einstell.h"
#include "settings/ui/settingwidgets.h"

#include <QAction>
#include <QPlainTextEdit>

using namespace Qt::StringLiterals;

void TForm3::auswahlVerbinden(TForm13 *auswahl)
{
    connect(auswahl, &TForm13::ausgewaehlt, this, &TForm3::auswahlUebernehmen);
    if (!entwicklerEintraege())
        return;

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

AuswahlAnsicht TForm3::auswahlAnsicht() const
{
    const TForm10 &settings = *laufbahn().Form10;
    const settings::FontSpec schrift = settings.Label14->fontSpec();
    AuswahlAnsicht ansicht;
    ansicht.schrift = settings::toQFont(schrift);
    if (schrift.size > 0)
        ansicht.schrift.setPointSize(schrift.size);
    ansicht.normalFarbe = settings.Label14->textColor();
    ansicht.auswahlFarbe = settings.Label15->textColor();
    ansicht.formFarbe = settings.Panel7->color();
    ansicht.editorFarbe = settings.Panel8->color();
    return ansicht;
}

writing::AuswahlEingabe TForm3::auswahlEingabe() const
{
    const TForm10 &settings = *laufbahn().Form10;
    writing::AuswahlEingabe eingabe;
    eingabe.puffer = puffer;
    eingabe.satz_nr = satz_nr;
    eingabe.abschnitt_ende = abschnitt_ende;
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
    laufbahn().Form13->auswaehlen(auswahlEingabe(), auswahlAnsicht());
    return !abschnitt.trimmed().isEmpty();
}
