// The bar schedule and quantities ("schedule") of the JSON output.
#pragma once

#include "cli/json.h"
#include "core/analisis/resultados.h"
#include "core/modelo/proyecto.h"

namespace trabelux::cli {

// Writes "schedule", "schedule_totals" and "quantities" for the bars the design proposes;
// an empty list and nulls when the run has no design.
void JsonPlanilla(Json& j, const Proyecto& p, const Resultados& r);

}  // namespace trabelux::cli
