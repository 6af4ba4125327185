#include "core/dxf/capas.h"

namespace trabelux {

DibujoDxf DibujoPlanos() {
    DibujoDxf d;
    // 12 mm dashes, 3 mm gaps and a dot on paper at 1:50, in centimetres of the beam.
    d.DeclaraTipoLinea({kTrazoPunto, "Trazo y punto __ . __ . __", {60, -15, 0, -15}});
    using namespace capas_dxf;
    for (const CapaDxf& c :
         {CapaDxf{kViga, 7}, CapaDxf{kApoyos, 2}, CapaDxf{kAceroInferior, 1},
          CapaDxf{kAceroSuperior, 5}, CapaDxf{kEstribos, 3}, CapaDxf{kTextos, 7},
          CapaDxf{kCotas, 8}, CapaDxf{kEjes, 4, kTrazoPunto}, CapaDxf{kPlanilla, 7}})
        d.DeclaraCapa(c);
    return d;
}

}  // namespace trabelux
