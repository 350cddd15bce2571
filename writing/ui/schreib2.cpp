#include "writing/ui/schreib2.h"

using namespace Qt::StringLiterals;

TForm12::TForm12(QWidget *parent) : Nachschreiben(writing::Nachschreibform::Abschnitt, parent)
{
    setObjectName(u"Form12"_s);
}
