// Diameters, ASTM sizes and masses of the program's bars.
#include "core/detallado/barras_fisicas.h"

namespace trabelux {

bool EsIndiceBarra(int indice) { return indice >= 0 && indice < kNumBarras; }

double DiametroBarra(int indice) { return EsIndiceBarra(indice) ? kBarras[indice].diametro : 0.0; }

int NumeroAstm(int indice) { return EsIndiceBarra(indice) ? kBarras[indice].numeroAstm : 0; }

double KgPorMetro(int indice) {
    const double dMm = 10.0 * DiametroBarra(indice);
    return 0.006165 * dMm * dMm;
}

}  // namespace trabelux
