// Temporary: empty report pictures so the composition links until the real ones land.
#include "reporte/dibujos.h"

namespace trabelux {

void DibApoy(SuperficiePagina&, const Proyecto&, const MarcoVigaPagina&, char) {}
void DibujaCargasInforme(SuperficiePagina&, const Proyecto&, const MarcoVigaPagina&) {}
void DibujaDiagramaInforme(SuperficiePagina&, char, const Proyecto&, const Resultados&,
                           const MarcoVigaPagina&, double, Color) {}
void DibujaRefuerzoInforme(SuperficiePagina&, const Proyecto&, const TablaDetallado&,
                           const MarcoVigaPagina&, Color) {}
void DibujaSecciones(SuperficiePagina&, const Proyecto&, const TablaDetallado&, Color) {}

}  // namespace trabelux
