#pragma once
// What the writing forms hand the main window to record: pieces of text for its
// result texts, each in the colour it is to be shown in.

#include <QColor>
#include <QList>
#include <QString>

namespace writing {

// The colours the program itself marks the exercise text and the written text with.
namespace farbe {
inline constexpr QColor schwarz{0, 0, 0};
inline constexpr QColor rot{255, 0, 0};
inline constexpr QColor blau{0, 0, 255};
} // namespace farbe

// Appended in order to the end of a result text.
struct TextStueck {
    QString text;
    QColor farbe;

    bool operator==(const TextStueck &) const = default;
};

} // namespace writing
