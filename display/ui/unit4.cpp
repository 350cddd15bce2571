#include "display/ui/unit4.h"

TForm4::TForm4(const QString &anzeigeText, display::CarriedState &carried,
               const display::DisplaySettings &settings, QWidget *parent)
    : GleitAnzeige(anzeigeText, &carried, settings, parent)
{
    setObjectName(QStringLiteral("TForm4"));
}
