// Whether this start of the program is a developer's.

#include "app/entwickler.h"

#include <QString>

bool entwicklerEintraege()
{
    static const bool an = qEnvironmentVariable("LAUFBAHN_ENTWICKLER") == QLatin1String("1");
    return an;
}
