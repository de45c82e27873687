#include "base/DpiScale.h"

#include <cstdint>

int ScaleLength(int designed, int dpi) {
    // In 64 bits: a length of the whole virtual screen times a DPI of several hundred does
    // not fit in 32.
    const std::int64_t product = static_cast<std::int64_t>(designed) * dpi;
    const std::int64_t half = kDesignDpi / 2;
    const std::int64_t scaled =
        product >= 0 ? (product + half) / kDesignDpi : -((-product + half) / kDesignDpi);
    return static_cast<int>(scaled);
}

int PictureScaleFor(int dpi) {
    const int wanted = ScaleLength(100, dpi);
    for (const int scale : kPictureScales)
        if (scale >= wanted) return scale;
    return kPictureScales[sizeof kPictureScales / sizeof kPictureScales[0] - 1];
}
