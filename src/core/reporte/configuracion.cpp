// The default text styles and drawing colours of the report's page set-up.
#include "reporte/configuracion.h"

namespace trabelux {

std::array<EstiloTexto, kNumFilasEstilo> ConfiguracionInforme::EstilosPorDefecto() {
    std::array<EstiloTexto, kNumFilasEstilo> e{};  // Arial 10, regular, black
    e[kEstiloHeader].tamano = 12;
    e[kEstiloHeader].negrita = true;
    e[kEstiloSubtitulos].tamano = 12;
    e[kEstiloSubtitulos].negrita = true;
    // Shear blue, moment red, bars dark red: told apart on colour paper, dark on grey.
    e[kEstiloCortante].color = {0, 0, 255};
    e[kEstiloMomento].color = {255, 0, 0};
    e[kEstiloRefuerzo].color = {128, 0, 0};
    return e;
}

}  // namespace trabelux
