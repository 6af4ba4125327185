#include "core/reporte/seccion_planilla.h"

namespace trabelux {

void SeccionPlanilla(SuperficiePagina&, const ConfiguracionInforme&, const Proyecto&,
                     const Resultados&, const TablaDetallado*) {}

}  // namespace trabelux
