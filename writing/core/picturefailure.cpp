#include "writing/core/picturefailure.h"

using namespace Qt::StringLiterals;

namespace picture {

QString reason(Failure failure, QSize size, int maxScans)
{
    switch (failure) {
    case Failure::None:
    case Failure::Cancelled:
        return {};
    case Failure::Damaged:
        return u"Die Datei ist beschädigt."_s;
    case Failure::CutShort:
        return u"Die Datei ist unvollständig: sie endet, bevor das Bild zu Ende ist."_s;
    case Failure::Unsupported:
        return u"Die Datei ist kein Bild in einer Form, die das Programm lesen kann."_s;
    case Failure::TooLarge:
        if (!size.isValid())
            return u"Das Bild ist zu groß."_s;
        return u"Das Bild ist zu groß (%1 × %2 Bildpunkte)."_s.arg(size.width()).arg(size.height());
    case Failure::TooManyScans:
        return u"Das Bild ist in zu vielen Durchgängen gespeichert (mehr als %1)."_s.arg(maxScans);
    case Failure::TooCostly:
        return u"Das Bild ist so gespeichert, dass es zu aufwendig zu zeigen wäre: es bräuchte "
               u"zu viel Rechenzeit oder Speicher."_s;
    case Failure::OutOfMemory:
        return u"Für das Bild reicht der Speicher nicht."_s;
    case Failure::Empty:
        return u"Die Datei enthält kein Bild, nur eine leere Fläche."_s;
    }
    return {};
}

} // namespace picture
