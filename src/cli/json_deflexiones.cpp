#include "cli/json_deflexiones.h"

namespace trabelux::cli {

void JsonDeflexiones(Json&, const Proyecto&, const Resultados&) {}

}  // namespace trabelux::cli
