// The live-load arrangement on the command line: the "--pattern" option and the cases and
// envelopes of the JSON output.
#pragma once

#include <optional>
#include <string>

#include "cli/json.h"
#include "core/analisis/resultados.h"
#include "core/modelo/proyecto.h"

namespace trabelux::cli {

// The arrangement named by "none", "code" or "rigorous"; nothing for any other text.
std::optional<AlternanciaCargaViva> LeePatron(const std::string& texto);

// Puts the "--pattern" choice (empty: the project's own) into the project before the run,
// and says on stderr when the total-load option leaves no live load to arrange.
void AplicaPatron(Proyecto& p, const std::string& patron);

// "pattern", "cases" and "envelopes" of a run with an arrangement; nothing without one
// (the output of every other run stays as it was).
void JsonEnvolventes(Json& j, const Proyecto& p, const Resultados& r);

}  // namespace trabelux::cli
