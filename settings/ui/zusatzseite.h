#pragma once
// The settings dialog's page "Silben und Diktat": the settings kept in the INI file beside
// the settings file. It shows a value and gives one back; the dialog reads and writes the
// file.

#include "settings/core/zusatzeinstellungen.h"

#include <QWidget>

class ColorPanel;
class QCheckBox;
class QSpinBox;

class Zusatzseite : public QWidget {
    Q_OBJECT
public:
    explicit Zusatzseite(QWidget *parent = nullptr);

    settings::Zusatzeinstellungen werte() const;
    void setzen(const settings::Zusatzeinstellungen &werte);

    QCheckBox *silbenAutomatisch;
    QCheckBox *silbenFarbig;
    ColorPanel *silbenFarbe1;
    ColorPanel *silbenFarbe2;
    QCheckBox *diktatVorlesen;
    QSpinBox *diktatTempo;
    QCheckBox *diktatUndZeigen;

private:
    void abhaengigeFreigeben();
};
