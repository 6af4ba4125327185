// "trabelux-pinta verify ... --pdf MANUAL.pdf": the verification's listing and its manual,
// painted on the report's page surface.
#pragma once

#include "cli/argumentos.h"

namespace trabelux::cli {

int EjecutaVerificaPdf(const Argumentos& argumentos);

}  // namespace trabelux::cli
