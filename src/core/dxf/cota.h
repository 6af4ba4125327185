// Dimensions drawn as plain lines and text: R12's DIMENSION entity draws through an
// anonymous block that CAD programs rebuild each their own way, so a dimension here is
// its line, the extension lines, a short oblique tick at each end and the measure as text.
#pragma once

#include <string>

#include "core/dxf/capas.h"

namespace trabelux {

struct CotaDxf {
    Punto desde;  // the two points measured
    Punto hasta;
    // Distance from the points to the dimension line, positive to the left going from
    // `desde` to `hasta`.
    double desplazamiento = 0;
    std::string texto;  // what it reads, centred over the line
    double alturaTexto = 0;
};

// Adds the dimension to `capa`; ticks are as long as the text is high. Refused (false,
// nothing added) as the drawing refuses its entities, or when the two points coincide.
bool AgregaCota(DibujoDxf& dibujo, const CotaDxf& cota,
                const std::string& capa = capas_dxf::kCotas);

}  // namespace trabelux
