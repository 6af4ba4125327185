#include "core/servicio/limites.h"

namespace trabelux {

const char* TextoFilaLimite(FilaLimite fila) {
    switch (fila) {
        case FilaLimite::kDanables480:
            return "Piso o techo con elementos no estructurales susceptibles de daño (l/480)";
        case FilaLimite::kNoDanables240:
            return "Piso o techo con elementos no estructurales no susceptibles de daño (l/240)";
        case FilaLimite::kPiso360:
            return "Piso sin elementos no estructurales susceptibles de daño (l/360)";
        case FilaLimite::kTecho180:
            return "Techo plano sin elementos no estructurales susceptibles de daño (l/180)";
    }
    return "";
}

double FactorDuracion(int duracion) {
    switch (duracion) {
        case 0:
            return 1.0;
        case 1:
            return 1.2;
        case 2:
            return 1.4;
        default:
            return 2.0;
    }
}

double FactorLargoPlazo(double xi, double cuantiaCompresion) {
    return xi / (1.0 + 50.0 * cuantiaCompresion);
}

LimitesVano LimitesDeFila(FilaLimite fila, double largo) {
    LimitesVano l;
    l.limiteL = largo / (fila == FilaLimite::kTecho180 ? 180.0 : 360.0);
    if (fila == FilaLimite::kDanables480) l.limiteDiferida = largo / 480.0;
    if (fila == FilaLimite::kNoDanables240) l.limiteDiferida = largo / 240.0;
    return l;
}

bool CumpleLimites(const LimitesVano& limites, double deltaL, double deltaDiferida) {
    if (!(deltaL <= limites.limiteL)) return false;
    return !limites.limiteDiferida || deltaDiferida <= *limites.limiteDiferida;
}

}  // namespace trabelux
