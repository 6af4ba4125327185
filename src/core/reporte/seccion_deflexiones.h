// The report's section on the deflections (after the quantities); nothing when they were not
// computed.
#pragma once

#include "core/analisis/resultados.h"
#include "core/detallado/tabla_detallado.h"
#include "core/modelo/proyecto.h"
#include "core/reporte/configuracion.h"
#include "core/reporte/superficie_pagina.h"

namespace trabelux {

void SeccionDeflexiones(SuperficiePagina& s, const ConfiguracionInforme& c, const Proyecto& p,
                        const Resultados& r, const TablaDetallado* detallado);

}  // namespace trabelux
