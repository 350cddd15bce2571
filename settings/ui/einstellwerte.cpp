#include "settings/ui/einstellwerte.h"

#include "settings/core/colorvalue.h"
#include "settings/core/fontspec.h"
#include "settings/ui/einstell.h"
#include "settings/ui/settingwidgets.h"
#include "settings/ui/zusatzseite.h"
#include "writing/core/praisepicture.h"

#include <QCheckBox>
#include <QSlider>

namespace einstellwerte {

namespace {

// The gliding lines and the section choice size their text in points, as the font dialog
// chose it; the rewrite forms, the comparison and the flash take the stored pixel height.
QFont inPunkten(const settings::FontSpec &schrift)
{
    QFont font = settings::toQFont(schrift);
    if (schrift.size > 0)
        font.setPointSize(schrift.size);
    return font;
}

display::SilbenAnsicht silbenAnsicht(const TForm10 &settings)
{
    const settings::SilbenEinstellungen werte = silben(settings);
    display::SilbenAnsicht ansicht;
    ansicht.automatisch = werte.automatisch;
    ansicht.farbig = werte.farbig;
    ansicht.farbe1 = settings::toQColor(werte.farbe1);
    ansicht.farbe2 = settings::toQColor(werte.farbe2);
    return ansicht;
}

} // namespace

display::DisplaySettings anzeige(const TForm10 &settings, const QFont &hilfeSchrift,
                                 bool neueUebung)
{
    const settings::FontSpec schrift = settings.Label1->fontSpec();
    display::DisplaySettings result;
    result.font = inPunkten(schrift);
    result.letterColor = settings::toQColor(schrift.color);
    result.background = settings.Panel1->color();
    result.tempo = settings.TrackBar2->value();
    result.spacing = settings.TrackBar1->value();
    result.helpFont = hilfeSchrift;
    result.neueUebung = neueUebung;
    result.silben = silbenAnsicht(settings);
    return result;
}

display::LesefingerSettings lesefinger(const TForm10 &settings, const QFont &hilfeSchrift,
                                       bool neueUebung)
{
    const display::DisplaySettings gleit = anzeige(settings, hilfeSchrift, neueUebung);
    display::LesefingerSettings result;
    result.font = gleit.font;
    result.letterColor = gleit.letterColor;
    result.background = gleit.background;
    result.tempo = gleit.tempo;
    result.helpFont = hilfeSchrift;
    result.neueUebung = neueUebung;
    result.silben = gleit.silben;
    return result;
}

display::FlashSettings kurzzeit(const TForm10 &settings)
{
    const settings::FontSpec schrift = settings.Label4->fontSpec();
    display::FlashSettings result;
    result.font = settings::toQFont(schrift);
    result.letterColor = settings::toQColor(schrift.color);
    result.background = settings.Panel5->color();
    result.delay = settings.TrackBar5->value();
    result.silben = silbenAnsicht(settings);
    return result;
}

NachschreibAnsicht nachschreiben(const TForm10 &settings)
{
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
    ansicht.lob = lob(settings);
    ansicht.vergleich = vergleich(settings);
    return ansicht;
}

VergleichsAnsicht vergleich(const TForm10 &settings)
{
    const settings::FontSpec schrift = settings.Label7->fontSpec();
    VergleichsAnsicht ansicht;
    ansicht.schrift = settings::toQFont(schrift);
    ansicht.normalFarbe = settings::toQColor(schrift.color);
    ansicht.fehlerFarbe = settings.Label13->textColor();
    ansicht.vergleichsFarbe = settings.Label12->textColor();
    ansicht.diktatmodus = settings.CheckBox2->isChecked();
    return ansicht;
}

bool ganzeWortgruppe(const TForm10 &settings)
{
    return settings.CheckBox3->isChecked();
}

AuswahlAnsicht auswahl(const TForm10 &settings)
{
    AuswahlAnsicht ansicht;
    ansicht.schrift = inPunkten(settings.Label14->fontSpec());
    ansicht.normalFarbe = settings.Label14->textColor();
    ansicht.auswahlFarbe = settings.Label15->textColor();
    ansicht.formFarbe = settings.Panel7->color();
    ansicht.editorFarbe = settings.Panel8->color();
    return ansicht;
}

writing::Lob lob(const TForm10 &settings)
{
    switch (settings.RadioGroup2->itemIndex()) {
    case 1:
        return writing::Lob::Text;
    case 2:
        return writing::Lob::Bild;
    default:
        return writing::Lob::Keins;
    }
}

PraiseTextLook lobText(const TForm10 &settings)
{
    PraiseTextLook look;
    look.background = settings.Panel5->color();
    look.textColor = settings.Label4->textColor();
    return look;
}

int lobRaster(const TForm10 &settings)
{
    return praise::gridSizeForItem(settings.RadioGroup3->itemIndex());
}

lauf::LaufEinstellungen lauf(const TForm10 &settings, markup::FileType modus, bool alternativ)
{
    lauf::LaufEinstellungen werte;
    werte.modus = modus;
    werte.woerterProAbschnitt = settings.TrackBar4->value();
    werte.kurzzeit = settings.CheckBox1->isChecked();
    werte.alternativ = alternativ;
    werte.letterPlaceholder = settings.hiddenLetterCharacter();
    werte.partPlaceholder = settings.hiddenPartCharacter();
    return werte;
}

settings::SilbenEinstellungen silben(const TForm10 &settings)
{
    return settings.Zusatz->werte().silben;
}

settings::DiktatEinstellungen diktat(const TForm10 &settings)
{
    return settings.Zusatz->werte().diktat;
}

QFont druckSchrift(const TForm10 &settings, int points)
{
    QFont font = settings::toQFont(settings.Label1->fontSpec());
    font.setPointSize(points);
    return font;
}

} // namespace einstellwerte
