#include "core/analisis/maximo_vano.h"

#include <algorithm>

#include "core/modelo/proyecto.h"

namespace trabelux {

MaximoVano MaximoExactoVano(double vI, double mI, double w, int numCargas, const float* a,
                            const float* P, double L) {
    auto momento = [&](double x) {
        double m = -mI + x * vI - 0.5 * w * x * x;
        for (int k = 0; k < numCargas; ++k)
            if (x > a[k]) m -= P[k] * (x - a[k]);
        return m;
    };
    MaximoVano mejor{momento(0.0), 0.0};
    auto prueba = [&](double x) {
        const double m = momento(x);
        if (m > mejor.momento) mejor = {m, x};
    };
    // Stretch ends: the loads in order of position, then the right end.
    double bordes[kMaxCargasPorVano + 1];
    for (int k = 0; k < numCargas; ++k) bordes[k] = a[k];
    std::sort(bordes, bordes + numCargas);
    bordes[numCargas] = L;
    double desde = 0.0;
    for (int t = 0; t <= numCargas; ++t) {
        const double hasta = bordes[t];
        if (w > 0.0 && hasta > desde) {
            double cargasIzq = 0.0;  // loads left of the stretch act on all of it
            for (int k = 0; k < numCargas; ++k)
                if (a[k] <= desde) cargasIzq += P[k];
            const double x0 = (vI - cargasIzq) / w;
            if (x0 > desde && x0 < hasta) prueba(x0);
        }
        prueba(hasta);
        desde = hasta;
    }
    return mejor;
}

}  // namespace trabelux
