#include "cli/json_planilla.h"

namespace trabelux::cli {

void JsonPlanilla(Json&, const Proyecto&, const Resultados&) {}

}  // namespace trabelux::cli
