// The envelope diagrams of a live-load arrangement: the values written on them and the
// probe's text. The curves themselves are drawn as the run's (PuntosCurva on the envelope's
// largest and smallest stations).
#pragma once

#include <string>
#include <vector>

#include "core/analisis/resultados.h"
#include "core/dibujo/geometria_diagramas.h"

namespace trabelux {

// Values worth writing on the envelopes of r.envolventes: moments, the smallest (most
// hogging) moment at each span end and the exact largest sagging moment at its position;
// shears, the larger in size at each span end. Values that show as 0.00 are skipped, a
// value shared by the two sides of a node is written once.
std::vector<ValorEscrito> ValoresEnvolvente(const LineaBase& linea, double escH, double escV,
                                            const Resultados& r, int numVanos, Magnitud m);

// The largest of |value| over both envelope curves (at least `minimo`).
double MaximoEnvolvente(const Envolventes& env, int numVanos, Magnitud m, double minimo);

// The probe over the envelopes: "Vano 2, x = 3.00 m: M máx = 9.32 (caso: vanos pares),
// M mín = 1.80 (caso: vanos impares)"; for shears "V máx", "V mín".
std::string TextoSondaEnvolvente(const Envolventes& env, int numVanos, Magnitud m, int vano,
                                 size_t estacion);

// The station of span `vano` (1-based) nearest to x (m from its left end).
size_t EstacionCercana(const Envolventes& env, int vano, double x);

}  // namespace trabelux
