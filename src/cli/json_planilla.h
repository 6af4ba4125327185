// The bar schedule, its totals and the quantities in the command line's JSON.
#pragma once

#include "cli/json.h"
#include "core/analisis/resultados.h"
#include "core/detallado/tabla.h"
#include "core/modelo/proyecto.h"

namespace trabelux::cli {

// Writes "schedule", "schedule_totals" and "quantities" for the detailing table `t` of a
// designed run; empty and null when the run has no design.
void JsonPlanilla(Json& j, const Proyecto& p, const Resultados& r, const TablaDetallado& t);

}  // namespace trabelux::cli
