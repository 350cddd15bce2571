#pragma once
// The gliding-line display of the exercise run: one chunk glides across the screen.
// Opened modally for each chunk by the exercise run and by the rewrite forms.

#include "display/ui/gleitanzeige.h"

#include <QString>

class TLaufForm4 : public display::GleitAnzeige {
    Q_OBJECT
public:
    // Glides the display string `anzeigeText`. `carried` (the speed before running
    // backwards and the lock on turning round) is kept by the caller from one display
    // of this form to the next.
    TLaufForm4(const QString &anzeigeText, display::CarriedState &carried,
               const display::DisplaySettings &settings, QWidget *parent = nullptr);
};
