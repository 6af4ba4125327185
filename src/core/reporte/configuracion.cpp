// The default text styles and drawing colours of the report's page set-up, and its rule
// for margins.
#include "core/reporte/configuracion.h"

#include "core/reporte/papel.h"

namespace trabelux {

std::array<EstiloTexto, kNumFilasEstilo> ConfiguracionInforme::EstilosPorDefecto() {
    std::array<EstiloTexto, kNumFilasEstilo> e;
    e[kEstiloHeader].tamano = 12;
    e[kEstiloHeader].negrita = true;
    e[kEstiloFooter].tamano = 10;
    e[kEstiloSubtitulos].tamano = 12;
    e[kEstiloSubtitulos].negrita = true;
    e[kEstiloTexto].tamano = 10;
    e[kEstiloCortante].color = Color{0, 0, 192};
    e[kEstiloMomento].color = Color{192, 0, 0};
    e[kEstiloRefuerzo].color = Color{128, 0, 0};
    return e;
}

bool MargenesDejanCuerpo(const ConfiguracionInforme& c) {
    const Tamano hoja = TamanoHoja(c);
    return c.margenes[kMargenIzquierda] + c.margenes[kMargenDerecha] < hoja.ancho &&
           c.margenes[kMargenArriba] + c.margenes[kMargenAbajo] < hoja.alto;
}

}  // namespace trabelux
