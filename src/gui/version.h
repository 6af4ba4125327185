// Name and version of the desktop program.
#pragma once

namespace trabelux {
inline constexpr const char* kNombrePrograma = "Trabelux";
inline constexpr const char* kVersionPrograma = "0.1.0";
}  // namespace trabelux
