// What a reviewer reads first: the bases of the calculation ("Bases de diseño"), the sign
// conventions of the tables and diagrams ("Convención de signos") and the detailing table
// in words ("Detalle del refuerzo"). The values stated come from the constants the
// analysis and the design apply.
#pragma once

#include <string>
#include <vector>

#include "core/analisis/resultados.h"
#include "core/detallado/tabla_detallado.h"
#include "core/modelo/proyecto.h"
#include "core/reporte/tablas_informe.h"

namespace trabelux {

// The paragraphs of "Bases de diseño": the method, the ultimate load and its factors (or
// "Usa carga ultima total"), the reduction factors, the cover, the moduli of elasticity
// and their ratio, the minimum steel and the units; for a beam that is not of concrete,
// that the design applies to concrete beams only. `r` (when given) tells whether the run
// adopted compression steel.
std::vector<std::string> ParrafosBasesDiseno(const Proyecto& p, const Resultados* r);

// The paragraph of "Convención de signos".
std::string TextoConvencionSignos();

// The line that stands where the design would start for a beam that is not of concrete.
std::string TextoDisenoSoloHormigon(const Proyecto& p);

// "Detalle del refuerzo": every row of the detailing table (location, section, shape,
// bottom bars, hangers, additional bars, stirrups with their spacing), labelled as the
// reinforcement drawing labels them; an empty cell where the row has none.
TablaInforme TablaDetalleRefuerzo(const TablaDetallado& t);

}  // namespace trabelux
