// The bar schedule and quantities ("schedule") of the JSON output.
#pragma once

#include "cli/json.h"
#include "core/analisis/resultados.h"
#include "core/detallado/planilla.h"
#include "core/modelo/proyecto.h"

namespace trabelux::cli {

// The bar schedule of the bars the design of `r` proposes (the detailing table as it opens),
// as "schedule", "calc --summary" and the schedule command give it. `r` must be designed.
Planilla PlanillaPropuesta(const Proyecto& p, const Resultados& r);

// Writes "schedule", "schedule_totals" and "quantities" for the bars the design proposes;
// an empty list and nulls when the run has no design.
void JsonPlanilla(Json& j, const Proyecto& p, const Resultados& r);

}  // namespace trabelux::cli
