#pragma once
// The gliding-line display of the exercise run: one chunk glides across the screen.
// Opened modally for each chunk by the exercise run and by the rewrite forms.

#include "display/ui/gleitanzeige.h"

#include <QString>

class TLaufForm4 : public display::GleitAnzeige {
    Q_OBJECT
public:
    explicit TLaufForm4(const display::DisplaySettings &settings, QWidget *parent = nullptr);

    // The display string, set by the caller before it creates the form; it keeps its
    // value after the display closes.
    static inline QString anzeige_text;
    // Speed before running backwards and the lock on turning round, kept from one
    // display of this form to the next.
    static inline display::CarriedState carried;
};
