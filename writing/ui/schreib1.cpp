#include "writing/ui/schreib1.h"

#include "exercise/core/markup.h"

#include <QSlider>

using namespace Qt::StringLiterals;

TForm9::TForm9(QWidget *parent)
    : Nachschreiben(writing::Nachschreibform::Wort, parent),
      TrackBar1(new QSlider(Qt::Horizontal, this))
{
    setObjectName(u"Form9"_s);
    TrackBar1->setObjectName(u"TrackBar1"_s);
    TrackBar1->setRange(1, 20);
    TrackBar1->setFocusPolicy(Qt::NoFocus);
    TrackBar1->hide();
}

void TForm9::initErgaenzen()
{
    TrackBar1->setVisible(eingabe().kurzzeit);
    TrackBar1->setValue(ansicht().verzoegerung / 3);
}

void TForm9::anordnen()
{
    Nachschreiben::anordnen();
    TrackBar1->setGeometry(32, 64, 160, 24);
}

void TForm9::knoepfeFreigeben(bool frei)
{
    Nachschreiben::knoepfeFreigeben(frei);
    TrackBar1->setEnabled(frei);
}

writing::Wiederholung TForm9::wiederholung() const
{
    if (!eingabe().kurzzeit)
        return Nachschreiben::wiederholung();
    // The word is flashed for as long as the pupil's slider says; the teacher's
    // setting stays as it is.
    writing::Wiederholung w;
    w.anzeige = writing::Wiederholung::Anzeige::Kurzzeit;
    w.laufbahnText = eingabe().laufbahnText;
    w.woerter = markup::displayStringWords(w.laufbahnText);
    w.verzoegerung = TrackBar1->value() * 3;
    return w;
}
