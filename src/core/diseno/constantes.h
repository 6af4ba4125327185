// The constants of the reinforced-concrete design: the design applies them and the
// report's "Bases de diseño" states them, so what is printed is what was applied.
#pragma once

namespace trabelux::constantes_diseno {

// Strength reduction factors: flexure (the section's capacity and its compression steel)
// and shear.
inline constexpr double kFiFlexion = 0.9000001;
inline constexpr double kFiCortante = 0.85;
// Largest steel ratio of single reinforcement, as a fraction of the balanced ratio.
inline constexpr double kFraccionBalanceada = 0.75;
// Minimum flexural steel: kCuantiaMinima b d / fy (kg/cm2).
inline constexpr double kCuantiaMinima = 14.0;
// Es times the concrete's ultimate strain, kg/cm2, and that strain.
inline constexpr double kEsPorDeformacion = 6117.0;
inline constexpr double kDeformacionUltima = 0.003;
// Shear carried by the concrete: kCoefVc sqrt(f'c) b d (kg).
inline constexpr double kCoefVc = 0.53;

}  // namespace trabelux::constantes_diseno
