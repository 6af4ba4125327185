#include "core/losas/cargas_borde.h"

#include <algorithm>

namespace trabelux {

CargasBorde CargasDeBorde(int caso, double lx, double ly, double wD, double wL, double lineaMuerta,
                          double lineaViva) {
    CargasBorde c;
    const double a = std::min(lx, ly);
    const double largo = std::max(lx, ly);
    if (a <= 0 || largo <= 0) return c;
    const double m = a / largo;

    if ((caso >= 14 && caso <= 17) || caso == 22 || caso == 23) {
        c.muertaX = wD * a;
        c.vivaX = wL * a;
        return c;
    }
    if ((caso >= 18 && caso <= 21) || caso == 24 || caso == 25) {
        c.muertaY = wD * a;
        c.vivaY = wL * a;
        return c;
    }

    double muertaCorto = wD * a / 3.0;
    double vivaCorto = wL * a / 3.0;
    // The exact m^2: a whole-number square would make the factor jump between 1.5 and 1.
    double muertaLargo = muertaCorto * (3.0 - m * m) / 2.0;
    double vivaLargo = vivaCorto * (3.0 - m * m) / 2.0;
    if (caso == 13) {
        muertaLargo = wD * a + lineaMuerta;
        vivaLargo = wL * a + lineaViva;
        muertaCorto = vivaCorto = 0;
    }
    if (lx < ly) {
        c.muertaX = muertaCorto;
        c.vivaX = vivaCorto;
        c.muertaY = muertaLargo;
        c.vivaY = vivaLargo;
    } else {
        c.muertaX = muertaLargo;
        c.vivaX = vivaLargo;
        c.muertaY = muertaCorto;
        c.vivaY = vivaCorto;
    }
    return c;
}

}  // namespace trabelux
