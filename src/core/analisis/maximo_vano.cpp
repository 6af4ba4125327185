#include "core/analisis/maximo_vano.h"

#include "core/modelo/proyecto.h"

namespace trabelux {

MaximoVano MaximoExactoVano(double vI, double mI, double w, int numCargas, const float* a,
                            const float* P, double L) {
    // The loads in order of position (insertion: they usually come in order already).
    double pos[kMaxCargasPorVano], carga[kMaxCargasPorVano];
    for (int k = 0; k < numCargas; ++k) {
        int j = k;
        while (j > 0 && pos[j - 1] > a[k]) {
            pos[j] = pos[j - 1];
            carga[j] = carga[j - 1];
            --j;
        }
        pos[j] = a[k];
        carga[j] = P[k];
    }
    // Within a stretch between loads, M(x) = -mI + x vI - w x^2 / 2 - (sumP x - sumPa),
    // with the sums over the loads left of it; at a load's own position it is not yet
    // taken, and contributes nothing there anyway.
    double sumP = 0.0, sumPa = 0.0;
    auto momento = [&](double x) { return -mI + x * vI - 0.5 * w * x * x - (sumP * x - sumPa); };
    MaximoVano mejor{momento(0.0), 0.0};
    auto prueba = [&](double x) {
        const double m = momento(x);
        if (m > mejor.momento) mejor = {m, x};
    };
    double desde = 0.0;
    for (int t = 0; t <= numCargas; ++t) {
        const double hasta = t < numCargas ? pos[t] : L;
        if (w > 0.0 && hasta > desde) {
            const double x0 = (vI - sumP) / w;  // where V(x) = vI - w x - sumP vanishes
            if (x0 > desde && x0 < hasta) prueba(x0);
        }
        prueba(hasta);
        if (t < numCargas) {
            sumP += carga[t];
            sumPa += carga[t] * pos[t];
        }
        desde = hasta;
    }
    return mejor;
}

}  // namespace trabelux
