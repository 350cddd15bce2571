#include "settings/core/colorvalue.h"

#include <QGuiApplication>
#include <QPalette>
#include <optional>

namespace settings {
namespace {

struct SystemRole {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// Each desktop colour number and the palette colour that plays its part on this platform.
std::optional<SystemRole> roleOfSystemColor(int number)
{
    constexpr auto A = QPalette::Active;
    constexpr auto I = QPalette::Inactive;
    constexpr auto D = QPalette::Disabled;
    switch (number) {
    case 0: // scroll bar
        return SystemRole{A, QPalette::Midlight};
    case 1: // desktop background
        return SystemRole{A, QPalette::Dark};
    case 2:  // active caption
    case 27: // gradient of the active caption
    case 29: // highlighted menu item
        return SystemRole{A, QPalette::Highlight};
    case 3:  // inactive caption
    case 28: // gradient of the inactive caption
        return SystemRole{I, QPalette::Highlight};
    case 4:  // menu
    case 30: // menu bar
        return SystemRole{A, QPalette::Window};
    case 5: // window background
        return SystemRole{A, QPalette::Base};
    case 6:  // window frame
    case 21: // dark 3D shadow
        return SystemRole{A, QPalette::Shadow};
    case 7: // menu text
        return SystemRole{A, QPalette::WindowText};
    case 8: // window text
        return SystemRole{A, QPalette::WindowText};
    case 9:  // caption text
    case 14: // highlighted text
        return SystemRole{A, QPalette::HighlightedText};
    case 10: // active border
    case 11: // inactive border
    case 15: // button face
        return SystemRole{A, QPalette::Button};
    case 12: // application workspace
        return SystemRole{A, QPalette::Mid};
    case 13: // highlight
        return SystemRole{A, QPalette::Highlight};
    case 16: // button shadow
        return SystemRole{A, QPalette::Dark};
    case 17: // grey text
        return SystemRole{D, QPalette::Text};
    case 18: // button text
        return SystemRole{A, QPalette::ButtonText};
    case 19: // inactive caption text
        return SystemRole{I, QPalette::HighlightedText};
    case 20: // button highlight
        return SystemRole{A, QPalette::Light};
    case 22: // 3D light
        return SystemRole{A, QPalette::Midlight};
    case 23: // tooltip text
        return SystemRole{A, QPalette::ToolTipText};
    case 24: // tooltip background
        return SystemRole{A, QPalette::ToolTipBase};
    case 26: // hot-tracked item
        return SystemRole{A, QPalette::Link};
    default:
        return std::nullopt;
    }
}

} // namespace

QColor toQColor(ColorValue value, const QPalette &palette)
{
    if (isSystemColor(value)) {
        const auto role = roleOfSystemColor(int(value & 0x00FFFFFFu));
        if (!role)
            return QColor(Qt::black);
        return palette.color(role->group, role->role);
    }
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

QColor toQColor(ColorValue value)
{
    return toQColor(value, QGuiApplication::palette());
}

ColorValue fromQColor(const QColor &color)
{
    const QColor rgb = color.toRgb();
    return ColorValue(rgb.red()) | ColorValue(rgb.green()) << 8 | ColorValue(rgb.blue()) << 16;
}

} // namespace settings
