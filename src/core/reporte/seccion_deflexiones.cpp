#include "core/reporte/seccion_deflexiones.h"

namespace trabelux {

void SeccionDeflexiones(SuperficiePagina&, const ConfiguracionInforme&, const Proyecto&,
                        const Resultados&, const TablaDetallado*) {}

}  // namespace trabelux
