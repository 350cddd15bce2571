#include "display/ui/laufunit4.h"

TLaufForm4::TLaufForm4(const display::DisplaySettings &settings, QWidget *parent)
    : GleitAnzeige(anzeige_text, &carried, settings, parent)
{
    setObjectName(QStringLiteral("TLaufForm4"));
}
