#include "core/servicio/limites.h"

#include <cmath>

namespace trabelux {

const char* TextoLimiteDeflexion(LimiteDeflexion fila) {
    switch (fila) {
        case LimiteDeflexion::kDanables480:
            return "Piso o techo con elementos no estructurales susceptibles de daño (l/480)";
        case LimiteDeflexion::kNoDanables240:
            return "Piso o techo con elementos no estructurales no susceptibles de daño (l/240)";
        case LimiteDeflexion::kPiso360:
            return "Piso sin elementos no estructurales susceptibles de daño (l/360)";
        case LimiteDeflexion::kTecho180:
            return "Techo plano sin elementos no estructurales susceptibles de daño (l/180)";
    }
    return "";
}

const char* TextoDuracion(DuracionCarga duracion) {
    switch (duracion) {
        case DuracionCarga::kTresMeses:
            return "3 meses";
        case DuracionCarga::kSeisMeses:
            return "6 meses";
        case DuracionCarga::kDoceMeses:
            return "12 meses";
        case DuracionCarga::kCincoAnios:
            break;
    }
    return "5 años o más";
}

double FactorLargoPlazo(double xi, double cuantiaCompresion) {
    return xi / (1.0 + 50.0 * cuantiaCompresion);
}

LimitesVano LimitesDeFila(LimiteDeflexion fila, double largo) {
    LimitesVano l;
    l.limiteL = largo / (fila == LimiteDeflexion::kTecho180 ? 180.0 : 360.0);
    if (fila == LimiteDeflexion::kDanables480) l.limiteDiferida = largo / 480.0;
    if (fila == LimiteDeflexion::kNoDanables240) l.limiteDiferida = largo / 240.0;
    return l;
}

bool CumpleLimites(const LimitesVano& limites, double deltaL, double deltaDiferida) {
    // A span or a cantilever's tip that rises is held to the same limits as one that sags.
    if (!(std::abs(deltaL) <= limites.limiteL)) return false;
    return !limites.limiteDiferida || std::abs(deltaDiferida) <= *limites.limiteDiferida;
}

}  // namespace trabelux
