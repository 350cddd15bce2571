// The main window's side of the rewrite forms: what they read from the settings and
// this window, where a finished rewrite lands, and how the chunk is shown again.

#include "app/glmain.h"

#include "app/entwickler.h"
#include "app/laufbahnapp.h"
#include "app/ws_black.h"
#include "display/ui/kuzzeit.h"
#include "exercise/core/markup.h"
#include "settings/core/colorvalue.h"
#include "settings/core/fontspec.h"
#include "settings/ui/einstell.h"
#include "settings/ui/settingwidgets.h"
#include "writing/ui/lob2.h"
#include "writing/ui/schreib1.h"
#include "writing/ui/schreib2.h"

#include <QAction>
#include <QCheckBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScopeGuard>
#include <QSlider>
#include <QTextBlock>
#include <QTextCursor>
#include <utility>

using namespace Qt::StringLiterals;

void TForm3::schreibformenVerbinden(TForm9 *wort, TForm12 *gruppe)
{
    for (Nachschreiben *form :
         {static_cast<Nachschreiben *>(wort), static_cast<Nachschreiben *>(gruppe)}) {
        connect(form, &Nachschreiben::ausgewertet, this, &TForm3::nachschreibenEintragen);
        connect(form, &Nachschreiben::nochmalZeigen, this, &TForm3::wiederholungZeigen);
    }
    if (!entwicklerEintraege())
        return;

    // Not in any menu: let a developer rewrite the first word or the first line of Memo1
    // before the exercise run offers the chunks one by one. Recorded as in a first run,
    // so that the step-3 texts show what a rewrite adds.
    auto versuch = [this](const QString &name, QKeyCombination taste, Nachschreiben *form,
                          bool nurWort) {
        auto *entry = new QAction(this);
        entry->setObjectName(name);
        entry->setShortcut(QKeySequence(taste));
        entry->setShortcutContext(Qt::WindowShortcut);
        addAction(entry);
        connect(entry, &QAction::triggered, this, [this, form, nurWort] {
            if (!lueckentextPruefen(Memo1))
                return;
            // The praise as an exercise start prepares it.
            const int lob = laufbahn().Form10->RadioGroup2->itemIndex();
            if (lob == 1 && !lob_laden())
                return;
            if (lob == 2 && !laufbahn().Form16->isInitialised())
                lobBildInit();
            const QString buffer = markup::fillBuffer(Memo1->document()->firstBlock().text(),
                                                      markup::BufferLayout::Laufbahn);
            QString chunk = buffer.left(buffer.lastIndexOf(markup::endMark)).trimmed();
            if (nurWort)
                chunk = chunk.section(u' ', 0, 0);
            if (chunk.isEmpty())
                return;
            wortgruppe_roh = chunk;
            abschnitt_roh = !nurWort && dateityp() == markup::FileType::Wortgruppen
                                ? markup::wordGroupForDisplay(chunk)
                                : chunk;
            wort_roh = abschnitt_roh;
            const TForm10 &settings = *laufbahn().Form10;
            laufbahn_text = markup::displayString(abschnitt_roh, settings.hiddenLetterCharacter(),
                                                  settings.hiddenPartCharacter());
            const bool ersterLauf = std::exchange(neue_uebung, true);
            const auto zurueck = qScopeGuard([this, ersterLauf] { neue_uebung = ersterLauf; });
            form->nachschreiben(markup::targetString(abschnitt_roh).trimmed(), nachschreibEingabe(),
                                nachschreibAnsicht());
            showStep3();
        });
    };
    versuch(u"WortSchreibProbe"_s, Qt::CTRL | Qt::SHIFT | Qt::Key_F5, wort, true);
    versuch(u"AbschnittSchreibProbe"_s, Qt::CTRL | Qt::SHIFT | Qt::Key_F4, gruppe, false);
}

NachschreibAnsicht TForm3::nachschreibAnsicht() const
{
    const TForm10 &settings = *laufbahn().Form10;
    const settings::FontSpec schrift = settings.Label4->fontSpec();
    NachschreibAnsicht ansicht;
    ansicht.formFarbe = settings.Panel5->color();
    ansicht.schrift = settings::toQFont(schrift);
    ansicht.normalFarbe = settings::toQColor(schrift.color);
    ansicht.hintergrund = settings.Panel2->color();
    ansicht.fehlerFarbe = settings.Label11->textColor();
    ansicht.fingerFarbe = settings.Label10->textColor();
    ansicht.fingerTempo = settings.TrackBar3->value();
    ansicht.reaktionsKnopf = settings.reaction();
    ansicht.verzoegerung = settings.TrackBar5->value();
    ansicht.lobArt = settings.RadioGroup2->itemIndex();
    ansicht.vergleich = vergleichsAnsicht();
    return ansicht;
}

writing::NachschreibEingabe TForm3::nachschreibEingabe() const
{
    writing::NachschreibEingabe eingabe;
    eingabe.neueUebung = neue_uebung;
    eingabe.laufbahnText = laufbahn_text;
    eingabe.kurzzeit = laufbahn().Form10->CheckBox1->isChecked() && RadioButton1->isChecked();
    eingabe.alternativ = alternativerLaufmodus1->isChecked();
    eingabe.vergleich = vergleichsEingabe({}, {});
    for (int i = 0; i < ListBox4->count(); ++i)
        eingabe.lobZeilen << ListBox4->item(i)->text();
    return eingabe;
}

void TForm3::nachschreibenEintragen(const writing::Auswertung &auswertung)
{
    QTextCursor druck(Memo5->document());
    druck.movePosition(QTextCursor::End);
    druck.insertText(auswertung.druckText);
    anhaengen(RichEdit1, auswertung.vorlageText);
    anhaengen(RichEdit2, auswertung.geschriebenText);
}

void TForm3::wiederholungZeigen(const writing::Wiederholung &wiederholung)
{
    using Anzeige = writing::Wiederholung::Anzeige;
    if (wiederholung.anzeige == Anzeige::Kurzzeit) {
        // The pupil's duration for these showings only; the teacher's setting stays.
        for (const QString &wort : wiederholung.woerter) {
            kurzzeitZeigen(wort, wiederholung.verzoegerung);
            const display::KurzzeitAblauf *ablauf = laufbahn().Form15->ablauf();
            if (!ablauf || ablauf->phase() != display::KurzzeitPhase::Fertig)
                break;
        }
        return;
    }
    // The black cover lies under the display and goes also when the display fails.
    TForm_black &schwarz = *laufbahn().Form_black;
    schwarz.show();
    const auto weg = qScopeGuard([&schwarz] { schwarz.hide(); });
    if (wiederholung.anzeige == Anzeige::Alternativ)
        alternativZeigen(wiederholung.laufbahnText);
    else
        laufbahnZeigen(wiederholung.laufbahnText);
}
