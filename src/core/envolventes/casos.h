// The live-load arrangements and how the envelopes name the one that governs.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/analisis/resultados_envolventes.h"

namespace trabelux {

struct DefinicionCaso {
    std::string nombre;
    uint32_t vanos = 0;  // bit i: span i + 1 carries its live load
};

// The arrangements of ACI 318-19 6.4.2 for n spans (end cantilevers count as spans): for
// each interior node k = 2..n live load on the two spans beside it ("vanos 1-2"), then on
// the odd spans, on the even spans (only when n > 1) and on all of them: n + 2 cases
// (2 for one span). Equal arrangements (n <= 2) stay as listed; the first one governs a tie.
std::vector<DefinicionCaso> CasosNorma(int n);

// The arrangement that governs an envelope value, as the tables and the probe say it:
// the case's name with the code cases; with the rigorous envelope the loaded spans
// ("vanos 1, 3", "vano 2", "todos los vanos") or "solo carga muerta".
std::string TextoRige(const Envolventes& env, Rige rige, int numVanos);

}  // namespace trabelux
