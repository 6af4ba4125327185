#include "core/servicio/seccion_fisurada.h"

#include <algorithm>
#include <cmath>

namespace trabelux {

MaterialesServicio MaterialesDeServicio(double fc, double ec) {
    MaterialesServicio m;
    m.ec = ec;
    m.n = ec > 0 ? kModuloAcero / ec : 0.0;
    m.fr = fc > 0 ? 2.0 * std::sqrt(fc) : 0.0;
    return m;
}

double InerciaBruta(double b, double h) { return b * h * h * h / 12.0; }

double MomentoFisuracion(double fr, double b, double h) {
    return fr * InerciaBruta(b, h) / (h / 2.0) / 1e5;  // kg·cm to t·m
}

SeccionFisurada CalculaSeccionFisurada(double b, double d, double as, double n, double asComp,
                                       double dComp) {
    // Moments of the transformed areas about the neutral axis:
    // b c²/2 + (n − 1) As' (c − d') − n As (d − c) = 0.
    const double a2 = b / 2.0;
    const double a1 = n * as + (n - 1.0) * asComp;
    const double a0 = -(n * as * d + (n - 1.0) * asComp * dComp);
    SeccionFisurada s;
    s.c = (-a1 + std::sqrt(a1 * a1 - 4.0 * a2 * a0)) / (2.0 * a2);
    const double t = d - s.c, k = s.c - dComp;
    s.icr = b * s.c * s.c * s.c / 3.0 + n * as * t * t + (n - 1.0) * asComp * k * k;
    return s;
}

double InerciaEfectiva(double ma, double mcr, double icr, double ig) {
    const double m = std::fabs(ma);
    const double umbral = 2.0 / 3.0 * mcr;
    if (m <= umbral || icr >= ig) return ig;
    const double r = umbral / m;
    return std::min(ig, icr / (1.0 - r * r * (1.0 - icr / ig)));
}

double InerciaPromedio(double ieCentro, const double* ieIzquierdo, const double* ieDerecho) {
    if (ieIzquierdo && ieDerecho) return 0.5 * ieCentro + 0.25 * (*ieIzquierdo + *ieDerecho);
    if (ieIzquierdo) return 0.5 * (ieCentro + *ieIzquierdo);
    if (ieDerecho) return 0.5 * (ieCentro + *ieDerecho);
    return ieCentro;
}

}  // namespace trabelux
