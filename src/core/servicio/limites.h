// Long-term factor (ACI 318-19 §24.2.4.1) and the deflection limits of Table 24.2.2.
#pragma once

#include <optional>

#include "core/modelo/proyecto.h"

namespace trabelux {

// The row's text, as the "Límite de deflexión" list shows it (UTF-8).
const char* TextoLimiteDeflexion(LimiteDeflexion fila);

// The duration's text, as the "Duración de la carga sostenida" list shows it (UTF-8).
const char* TextoDuracion(DuracionCarga duracion);

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
LimitesVano LimitesDeFila(LimiteDeflexion fila, double largo);

// "Cumple" when every check that applies passes, upward deflections by their magnitude.
bool CumpleLimites(const LimitesVano& limites, double deltaL, double deltaDiferida);

}  // namespace trabelux
