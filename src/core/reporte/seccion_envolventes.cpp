#include "core/reporte/seccion_envolventes.h"

namespace trabelux {

void SeccionEnvolventes(SuperficiePagina&, const ConfiguracionInforme&, const Proyecto&,
                        const Resultados&, const TablaDetallado*) {}

}  // namespace trabelux
