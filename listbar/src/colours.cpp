#include "colours.h"

#include <array>
#include <optional>

namespace PathwellControls {

namespace {

struct PaletteColour {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// System colour numbers 0 to 30, each answered by the palette entry that plays its part.
std::optional<PaletteColour> paletteColourFor(std::uint32_t index) {
    using P = QPalette;
    static const std::array<std::optional<PaletteColour>, 31> colours = {{
        PaletteColour{P::Active, P::Mid},               // scroll bar
        PaletteColour{P::Active, P::Dark},              // desktop
        PaletteColour{P::Active, P::Highlight},         // active caption
        PaletteColour{P::Inactive, P::Highlight},       // inactive caption
        PaletteColour{P::Active, P::Window},            // menu
        PaletteColour{P::Active, P::Base},              // window
        PaletteColour{P::Active, P::Shadow},            // window frame
        PaletteColour{P::Active, P::WindowText},        // menu text
        PaletteColour{P::Active, P::Text},              // window text
        PaletteColour{P::Active, P::HighlightedText},   // caption text
        PaletteColour{P::Active, P::Window},            // active border
        PaletteColour{P::Active, P::Window},            // inactive border
        PaletteColour{P::Active, P::Mid},               // application workspace
        PaletteColour{P::Active, P::Highlight},         // highlight
        PaletteColour{P::Active, P::HighlightedText},   // highlight text
        PaletteColour{P::Active, P::Button},            // button face
        PaletteColour{P::Active, P::Dark},              // button shadow
        PaletteColour{P::Disabled, P::Text},            // grey text
        PaletteColour{P::Active, P::ButtonText},        // button text
        PaletteColour{P::Inactive, P::HighlightedText}, // inactive caption text
        PaletteColour{P::Active, P::Light},             // button highlight
        PaletteColour{P::Active, P::Shadow},            // 3-D dark shadow
        PaletteColour{P::Active, P::Midlight},          // 3-D light
        PaletteColour{P::Active, P::ToolTipText},       // tooltip text
        PaletteColour{P::Active, P::ToolTipBase},       // tooltip background
        std::nullopt,                                   // unused number
        PaletteColour{P::Active, P::Link},              // hot-tracked item
        PaletteColour{P::Active, P::Highlight},         // active caption gradient
        PaletteColour{P::Inactive, P::Highlight},       // inactive caption gradient
        PaletteColour{P::Active, P::Highlight},         // menu highlight
        PaletteColour{P::Active, P::Window},            // menu bar
    }};
    return index < colours.size() ? colours[index] : std::nullopt;
}

} // namespace

std::int32_t translateColour(std::int32_t colour, const QPalette &palette) {
    const auto value = static_cast<std::uint32_t>(colour);
    switch (value >> 24) {
    case 0x00:
        return colour;
    case 0x02: // a plain colour marked for palette matching
        return static_cast<std::int32_t>(value & 0xFFFFFF);
    case 0x80:
        if (value & 0xFFFF00)
            return -1;
        if (const auto entry = paletteColourFor(value & 0xFF))
            return toColourValue(palette.color(entry->group, entry->role).rgb());
        return -1;
    default:
        return -1;
    }
}

QColor toQColor(std::int32_t plainColour) {
    const auto value = static_cast<std::uint32_t>(plainColour);
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

std::int32_t toColourValue(QRgb rgb) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(qRed(rgb)) |
                                     static_cast<std::uint32_t>(qGreen(rgb)) << 8 |
                                     static_cast<std::uint32_t>(qBlue(rgb)) << 16);
}

} // namespace PathwellControls
