// Line loads that one slab puts on the edges parallel to X and to Y (tributary rule).
#pragma once

namespace trabelux {

// Dead and live line loads, t/m, on the edges parallel to each axis.
struct CargasBorde {
    double muertaX = 0, vivaX = 0;
    double muertaY = 0, vivaY = 0;
};

// CargasDeBorde: a slab of case `caso` (CasoLosa), plan Lx x Ly (m), surface loads wD and
// wL (t/m2) and the line loads added to a cantilever strip (t/m). With a the short side
// and m = a / long side: the short edges take w a / 3 (triangle), the long edges
// w a / 3 (3 - m^2) / 2 (trapezoid); a cantilever strip (case 13) puts w a plus its line
// load on the long edges; cases 14-17, 22, 23 put w a on the edges parallel to X only,
// cases 18-21, 24, 25 on the edges parallel to Y only.
CargasBorde CargasDeBorde(int caso, double lx, double ly, double wD, double wL, double lineaMuerta,
                          double lineaViva);

}  // namespace trabelux
