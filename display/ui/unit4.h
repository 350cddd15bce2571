#pragma once
// The older gliding-line display, opened only by the main window's hidden
// "Laufbahn alt" command; it behaves as TLaufForm4 with state of its own.

#include "display/ui/gleitanzeige.h"

#include <QString>

class TForm4 : public display::GleitAnzeige {
    Q_OBJECT
public:
    explicit TForm4(const display::DisplaySettings &settings, QWidget *parent = nullptr);

    // The display string, set by the caller before it creates the form; it keeps its
    // value after the display closes.
    static inline QString anzeige_text;
    // Speed before running backwards and the lock on turning round, kept from one
    // display of this form to the next.
    static inline display::CarriedState carried;
};
