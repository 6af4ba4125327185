// The report's section on the envelopes of the live-load arrangements (after "Cortantes y
// Momentos"): method, cases, tables and diagrams; nothing without an arrangement.
#pragma once

#include "core/analisis/resultados.h"
#include "core/detallado/tabla_detallado.h"
#include "core/modelo/proyecto.h"
#include "core/reporte/configuracion.h"
#include "core/reporte/superficie_pagina.h"

namespace trabelux {

void SeccionEnvolventes(SuperficiePagina& s, const ConfiguracionInforme& c, const Proyecto& p,
                        const Resultados& r, const TablaDetallado* detallado);

}  // namespace trabelux
