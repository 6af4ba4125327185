// Long-term factor (ACI 318-19 §24.2.4.1) and the deflection limits of Table 24.2.2.
#pragma once

#include <optional>

namespace trabelux {

// Rows of Table 24.2.2 the project chooses from, by the code the project file stores.
enum class FilaLimite { kDanables480 = 0, kNoDanables240 = 1, kPiso360 = 2, kTecho180 = 3 };

// The choice's text, as the "Límite de deflexión" list shows it (UTF-8).
const char* TextoFilaLimite(FilaLimite fila);

// ξ of Table 24.2.4.1.3 for the sustained-load duration, by the code the project file
// stores: 0 three months 1.0, 1 six months 1.2, 2 twelve months 1.4, 3 five years or more
// 2.0 (and any other code).
double FactorDuracion(int duracion);

// λΔ = ξ / (1 + 50 ρ').
double FactorLargoPlazo(double xi, double cuantiaCompresion);

// What a span is checked against, cm, for a span (or cantilever) of length `largo` cm:
// the immediate live-load deflection against ℓ/180 (roofs) or ℓ/360 (the other rows:
// for the first two an added check, the table asks them only the part after attachment),
// and the part after attachment against ℓ/480 or ℓ/240 (none for the last two rows).
struct LimitesVano {
    double limiteL = 0;
    std::optional<double> limiteDiferida;
};
LimitesVano LimitesDeFila(FilaLimite fila, double largo);

// "Cumple" when every check that applies passes.
bool CumpleLimites(const LimitesVano& limites, double deltaL, double deltaDiferida);

}  // namespace trabelux
