// The deflections ("deflections") of the JSON output.
#pragma once

#include "cli/json.h"
#include "core/analisis/resultados.h"
#include "core/modelo/proyecto.h"

namespace trabelux::cli {

void JsonDeflexiones(Json& j, const Proyecto& p, const Resultados& r);

}  // namespace trabelux::cli
