#pragma once

#include <QColor>
#include <QPalette>

#include <cstdint>

namespace PathwellControls {

// Colours are Windows colour values: red in the low byte, blue in the third; a value with
// the high bit set names a system colour by the number in its low byte.
constexpr std::int32_t systemColour(int index) {
    return static_cast<std::int32_t>(0x80000000u | static_cast<std::uint32_t>(index));
}

constexpr std::int32_t kButtonFace = systemColour(15);
constexpr std::int32_t kWindowBackground = systemColour(5);

// The plain colour value of a colour that may name a system colour, the system colours
// taken from the palette; -1 when the value names no colour.
std::int32_t translateColour(std::int32_t colour, const QPalette &palette);

QColor toQColor(std::int32_t plainColour);
std::int32_t toColourValue(QRgb rgb);

} // namespace PathwellControls
