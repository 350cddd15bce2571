#include "display/ui/unit4.h"

TForm4::TForm4(const display::DisplaySettings &settings, QWidget *parent)
    : GleitAnzeige(anzeige_text, &carried, settings, parent)
{
    setObjectName(QStringLiteral("TForm4"));
}
