// The deflections ("deflections") of the JSON output.
#pragma once

#include "cli/json.h"
#include "core/servicio/deflexiones.h"

namespace trabelux::cli {

// Per span, cm and cm4; null with "deflection_note" when they were not computed.
void JsonDeflexiones(Json& j, const Deflexiones& d);

}  // namespace trabelux::cli
