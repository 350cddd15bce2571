#pragma once
// Colour values as the settings store them: 0x00BBGGRR for an RGB colour, or
// 0x80000000 plus the number of a system colour that follows the desktop's palette.

#include <QColor>
#include <QtGlobal>

class QPalette;

namespace settings {

using ColorValue = quint32;

namespace colors {
constexpr ColorValue systemColorFlag = 0x80000000u;

constexpr ColorValue clBlack = 0x000000;
constexpr ColorValue clWhite = 0xFFFFFF;
constexpr ColorValue clRed = 0x0000FF;
constexpr ColorValue clBlue = 0xFF0000;
constexpr ColorValue clGreen = 0x008000;
constexpr ColorValue clYellow = 0x00FFFF;

// The system colour numbers the program meets in practice.
constexpr ColorValue clScrollBar = systemColorFlag | 0;
constexpr ColorValue clBackground = systemColorFlag | 1;
constexpr ColorValue clActiveCaption = systemColorFlag | 2;
constexpr ColorValue clInactiveCaption = systemColorFlag | 3;
constexpr ColorValue clMenu = systemColorFlag | 4;
constexpr ColorValue clWindow = systemColorFlag | 5;
constexpr ColorValue clWindowFrame = systemColorFlag | 6;
constexpr ColorValue clMenuText = systemColorFlag | 7;
constexpr ColorValue clWindowText = systemColorFlag | 8;
constexpr ColorValue clCaptionText = systemColorFlag | 9;
constexpr ColorValue clHighlight = systemColorFlag | 13;
constexpr ColorValue clHighlightText = systemColorFlag | 14;
constexpr ColorValue clBtnFace = systemColorFlag | 15;
constexpr ColorValue clBtnShadow = systemColorFlag | 16;
constexpr ColorValue clGrayText = systemColorFlag | 17;
constexpr ColorValue clBtnText = systemColorFlag | 18;
constexpr ColorValue clBtnHighlight = systemColorFlag | 20;
constexpr ColorValue cl3DDkShadow = systemColorFlag | 21;
constexpr ColorValue cl3DLight = systemColorFlag | 22;
constexpr ColorValue clInfoText = systemColorFlag | 23;
constexpr ColorValue clInfoBk = systemColorFlag | 24;
} // namespace colors

constexpr bool isSystemColor(ColorValue value)
{
    return (value & 0xFF000000u) == colors::systemColorFlag;
}

// The colour a value shows as. System colours are taken from `palette`; an unknown
// system colour number shows black, as the desktop answers for it. The top byte of
// any other value is ignored, so only the RGB part counts.
QColor toQColor(ColorValue value, const QPalette &palette);
// The same against the application's palette.
QColor toQColor(ColorValue value);

// The RGB colour value of a colour (its alpha is dropped).
ColorValue fromQColor(const QColor &color);

} // namespace settings
