#include "core/losas/espesores.h"

namespace trabelux {

double EspesorLosa(const ArchivoLosasDatos& losas, int k) {
    if (k < 1 || k > static_cast<int>(losas.losas.size())) return 0.0;
    double t = losas.losas[k - 1].espesor;
    return t == 0 ? losas.cabecera[4] : t;
}

double EspesorPromedio(const ArchivoLosasDatos& losas, int primera, int segunda) {
    double t1 = 0, t2 = 0;
    if (primera > 0) t1 = t2 = EspesorLosa(losas, primera);
    if (segunda > 0) {
        t2 = EspesorLosa(losas, segunda);
        if (primera <= 0) t1 = t2;
    }
    return (t1 + t2) / 2.0;
}

}  // namespace trabelux
