#pragma once
// The rewrite form "Nachschreiben" for one word: a blank after the word ends it. The
// exercise run offers it every word of a word chunk in turn.

#include "writing/ui/nachschreiben.h"

class QSlider;

class TForm9 : public Nachschreiben {
    Q_OBJECT
public:
    explicit TForm9(QWidget *parent = nullptr);

    // How long the short-time display shows the word again, in steps of three
    // "Verzögerung:" units; shown only when the word is flashed rather than glided.
    QSlider *TrackBar1;

protected:
    writing::Wiederholung wiederholung() const override;
    void initErgaenzen() override;
    void anordnen() override;
    void knoepfeFreigeben(bool frei) override;
};
