// The report's section on the bar schedule, anchorage lengths and quantities (after the
// reinforcement); nothing without a detailing table.
#pragma once

#include "core/analisis/resultados.h"
#include "core/detallado/tabla_detallado.h"
#include "core/modelo/proyecto.h"
#include "core/reporte/configuracion.h"
#include "core/reporte/superficie_pagina.h"

namespace trabelux {

void SeccionPlanilla(SuperficiePagina& s, const ConfiguracionInforme& c, const Proyecto& p,
                     const Resultados& r, const TablaDetallado* detallado);

}  // namespace trabelux
