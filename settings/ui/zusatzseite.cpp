#include "settings/ui/zusatzseite.h"

#include "settings/ui/choosers.h"
#include "settings/ui/settingwidgets.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;
using settings::DiktatEinstellungen;

namespace {

template <typename T> T *named(T *widget, const QString &name)
{
    widget->setObjectName(name);
    return widget;
}

} // namespace

Zusatzseite::Zusatzseite(QWidget *parent) : QWidget(parent)
{
    setObjectName(u"TabSheet6"_s);

    auto *silben = new QGroupBox(u"Silben"_s, this);
    silbenAutomatisch =
        named(new QCheckBox(u"Silben automatisch erkennen"_s, silben), u"silbenAutomatisch"_s);
    silbenAutomatisch->setToolTip(
        u"Das Silbenlesen zeigt auch Texte ohne Trennstriche Silbe für Silbe"_s);
    silbenFarbig = named(new QCheckBox(u"Silben farbig"_s, silben), u"silbenFarbig"_s);
    silbenFarbig->setToolTip(u"Die Anzeigen zeigen die Silben abwechselnd in zwei Farben"_s);
    auto *farben = new QHBoxLayout;
    const auto farbfeld = [this, silben, farben](const QString &name, const QString &beschriftung) {
        auto *panel = named(new ColorPanel(silben), name);
        panel->setClickable(true);
        panel->setToolTip(u"Klicken, um die Farbe zu ändern"_s);
        panel->setFixedSize(60, 28);
        connect(panel, &ColorPanel::clicked, this, [this, panel] {
            if (const auto gewaehlt = chooseColor(this, panel->colorValue()))
                panel->setColorValue(*gewaehlt);
        });
        farben->addWidget(new QLabel(beschriftung, silben));
        farben->addWidget(panel);
        return panel;
    };
    silbenFarbe1 = farbfeld(u"silbenFarbe1"_s, u"Farbe 1:"_s);
    farben->addSpacing(16);
    silbenFarbe2 = farbfeld(u"silbenFarbe2"_s, u"Farbe 2:"_s);
    farben->addStretch();
    auto *silbenLayout = new QVBoxLayout(silben);
    silbenLayout->addWidget(silbenAutomatisch);
    silbenLayout->addWidget(silbenFarbig);
    silbenLayout->addLayout(farben);

    auto *diktat = new QGroupBox(u"Diktat"_s, this);
    diktatVorlesen =
        named(new QCheckBox(u"Diktat: vorlesen statt zeigen"_s, diktat), u"diktatVorlesen"_s);
    diktatVorlesen->setToolTip(u"Jeder Abschnitt wird vorgelesen; F5 im Nachschreiben liest "
                               u"ihn noch einmal"_s);
    diktatUndZeigen = named(new QCheckBox(u"vorlesen und zeigen"_s, diktat), u"diktatUndZeigen"_s);
    diktatTempo = named(new QSpinBox(diktat), u"diktatTempo"_s);
    diktatTempo->setRange(DiktatEinstellungen::minTempo, DiktatEinstellungen::maxTempo);
    diktatTempo->setSingleStep(10);
    diktatTempo->setSuffix(u" Wörter pro Minute"_s);
    diktatTempo->setMaximumWidth(240);
    auto *tempo = new QFormLayout;
    tempo->addRow(u"Sprechtempo:"_s, diktatTempo);
    auto *diktatLayout = new QVBoxLayout(diktat);
    diktatLayout->addWidget(diktatVorlesen);
    diktatLayout->addWidget(diktatUndZeigen);
    diktatLayout->addLayout(tempo);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(silben);
    layout->addWidget(diktat);
    layout->addStretch();

    connect(diktatVorlesen, &QCheckBox::toggled, this, &Zusatzseite::abhaengigeFreigeben);
    setzen({});
}

settings::Zusatzeinstellungen Zusatzseite::werte() const
{
    settings::Zusatzeinstellungen werte;
    werte.silben.automatisch = silbenAutomatisch->isChecked();
    werte.silben.farbig = silbenFarbig->isChecked();
    werte.silben.farbe1 = silbenFarbe1->colorValue();
    werte.silben.farbe2 = silbenFarbe2->colorValue();
    werte.diktat.vorlesen = diktatVorlesen->isChecked();
    werte.diktat.vorlesenUndZeigen = diktatUndZeigen->isChecked();
    werte.diktat.tempo = diktatTempo->value();
    return werte;
}

void Zusatzseite::setzen(const settings::Zusatzeinstellungen &werte)
{
    silbenAutomatisch->setChecked(werte.silben.automatisch);
    silbenFarbig->setChecked(werte.silben.farbig);
    silbenFarbe1->setColorValue(werte.silben.farbe1);
    silbenFarbe2->setColorValue(werte.silben.farbe2);
    diktatVorlesen->setChecked(werte.diktat.vorlesen);
    diktatUndZeigen->setChecked(werte.diktat.vorlesenUndZeigen);
    diktatTempo->setValue(werte.diktat.tempo);
    abhaengigeFreigeben();
}

// The dictation's controls count only with it on and are greyed while it is off. (The
// colours may be chosen before they are switched on: a colour panel shows no grey.)
void Zusatzseite::abhaengigeFreigeben()
{
    diktatUndZeigen->setEnabled(diktatVorlesen->isChecked());
    diktatTempo->setEnabled(diktatVorlesen->isChecked());
}
