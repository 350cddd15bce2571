#include "display/ui/laufunit4.h"

TLaufForm4::TLaufForm4(const QString &anzeigeText, display::CarriedState &carried,
                       const display::DisplaySettings &settings, QWidget *parent)
    : GleitAnzeige(anzeigeText, &carried, settings, parent)
{
    setObjectName(QStringLiteral("TLaufForm4"));
}
