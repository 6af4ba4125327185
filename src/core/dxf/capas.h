// The layers of the program's drawings for the drafting office, with the names and
// colours a drafter expects, and the line types they use. Drawings are in centimetres.
#pragma once

#include "core/dxf/dibujo_dxf.h"

namespace trabelux {

namespace capas_dxf {
inline constexpr const char* kViga = "VIGA";
inline constexpr const char* kApoyos = "APOYOS";
inline constexpr const char* kAceroInferior = "ACERO_INFERIOR";
inline constexpr const char* kAceroSuperior = "ACERO_SUPERIOR";
inline constexpr const char* kEstribos = "ESTRIBOS";
inline constexpr const char* kTextos = "TEXTOS";
inline constexpr const char* kCotas = "COTAS";
inline constexpr const char* kEjes = "EJES";
inline constexpr const char* kPlanilla = "PLANILLA";
}  // namespace capas_dxf

// The dash-dot line of the support axes, its dashes sized for plotting at 1:50.
inline constexpr const char* kTrazoPunto = "DASHDOT";

// An empty drawing with every layer above and its line types declared.
DibujoDxf DibujoPlanos();

}  // namespace trabelux
