#pragma once

#include <cstdint>

namespace PathwellControls {

enum ListbarBorderStyles : std::int32_t {
    bsNone = 0,
    bsSoft3D = 1,
    bsNormal3D = 2,
    bsSingleLine = 3,
    bsDoubleLine = 4,
};

enum GroupTextAlignment : std::int32_t {
    gtaLeft = 0,
    gtaCenter = 1,
    gtaRight = 2,
};

enum EMsgResponse : std::int32_t {
    emrConsume = 0,
    emrPostProcess = 1,
    emrPreprocess = 2,
};

enum eilIconState : std::int32_t {
    Normal = 0,
    Disabled = 1,
};

enum ImageTypes : std::int32_t {
    IMAGE_BITMAP = 0,
    IMAGE_ICON = 1,
    IMAGE_CURSOR = 2,
};

enum eilColourDepth : std::int32_t {
    ILC_COLOR = 0,
    ILC_COLOR4 = 4,
    ILC_COLOR8 = 8,
    ILC_COLOR16 = 16,
    ILC_COLOR24 = 24,
    ILC_COLOR32 = 32,
};

enum eilSwapTypes : std::int32_t {
    eilCopy = 0,
    eilSwap = 1,
};

} // namespace PathwellControls
