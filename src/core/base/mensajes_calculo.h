// Texts the run shows or asks, shared by the analysis and the design that produce them and
// by the callers that answer or compare them.
#pragma once

namespace trabelux {

inline constexpr const char* kMensajeInestable =
    "La viga es inestable.\nVerifique las condiciones de apoyo";
inline constexpr const char* kPreguntaRefuerzoDoble =
    "La seccion no es suficiente para refuerzo simple.\n"
    "Si no quiere refuerzo doble, aumente la seccion.\n"
    "Quiere refuerzo doble?";

}  // namespace trabelux
