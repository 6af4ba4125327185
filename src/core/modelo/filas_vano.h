// Derived values of the span rows: inertia, self weight and the load the analysis uses,
// from the general data, the row's section and the steel shape. The slab transfer, which
// comes before them, is above this level (derivados/actualiza_derivados.h).
#pragma once

#include <string>

#include "core/modelo/datos_numericos.h"
#include "core/modelo/proyecto.h"

namespace trabelux {

// Every span row of `p`: the steel shape's section with "Acero", then RecalculaFila on
// each row. The slab loads are taken as they are.
void RecalculaFilas(Proyecto& p);

// Whether the self weight is the program's to compute: concrete or steel with "Calcula
// peso propio" ticked. RecalculaFila writes it then; the grid does not take it typed.
bool PesoPropioCalculado(const DatosGenerales& d);

// Recomputes one row (0-based): inertia with "bh3/12", self weight when "Calcula peso
// propio" is ticked (less the slab slice with "NO"), and the last column.
void RecalculaFila(Proyecto& p, int fila);
// The same with the general data already read as numbers.
void RecalculaFila(Proyecto& p, int fila, const DatosNumericos& n);

// The factored live load of a span row (t/m, downwards): "C. Viva" times the live-load
// factor for concrete and steel, "C. Viva" as it is for "Otro" -- the live part of the last
// column as RecalculaFila forms it. The rest of the last column is the dead part.
double CargaVivaUltima(const Vano& v, const DatosNumericos& n);

// Moment of inertia of a b x h section given in cm, in m4.
double InerciaRectangular(double baseCm, double alturaCm);

// Modulus text of the general data for the material and F'c text:
// "Hormigon" 15100 x 10 x sqrt(F'c) in scientific form ("0.00E+00" for F'c <= 0),
// "Acero" "2.00E + 06", "Otro" "1.0".
std::string TextoModulo(Material material, const std::string& fc);

}  // namespace trabelux
