#pragma once
// The older gliding-line display, opened only by the main window's hidden
// "Laufbahn alt" command; it behaves as TLaufForm4 with state of its own.

#include "display/ui/gleitanzeige.h"

#include <QString>

class TForm4 : public display::GleitAnzeige {
    Q_OBJECT
public:
    // Glides the display string `anzeigeText`. `carried` (the speed before running
    // backwards and the lock on turning round) is kept by the caller from one display
    // of this form to the next.
    TForm4(const QString &anzeigeText, display::CarriedState &carried,
           const display::DisplaySettings &settings, QWidget *parent = nullptr);
};
