// Rounding to single precision for the values the run keeps: the nearest float, with
// NaN read as 0 and overflow held at the largest float, so nothing kept is NaN or infinite.
#pragma once

#include <cfloat>

namespace trabelux {

inline float Simple(double v) {
    if (!(v == v)) return 0.0f;
    if (v > FLT_MAX) return FLT_MAX;
    if (v < -FLT_MAX) return -FLT_MAX;
    return static_cast<float>(v);
}

}  // namespace trabelux
