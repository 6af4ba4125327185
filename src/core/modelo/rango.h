// The range of numbers the program can calculate: the analysis keeps lengths, sections,
// loads, reactions and stations in single precision, so every value given or worked out
// must fit there. One check for the span grid, the general data and the run.
#pragma once

#include <cfloat>
#include <cmath>
#include <string>

#include "core/base/estado.h"
#include "core/modelo/datos_numericos.h"
#include "core/modelo/proyecto.h"

namespace trabelux {

// Whether a result or intermediate value can be kept: finite and within the largest
// single-precision value.
inline bool CabeEnSimple(double v) { return std::isfinite(v) && std::fabs(v) <= FLT_MAX; }

// Whether a value the user gives is within range: it fits single precision and is zero
// or no smaller in size than the smallest normal single-precision value (a smaller one
// would be kept as 0 and leave, say, a stiffness of nothing).
inline bool EnRango(double v) {
    // Without branches (a NaN fails every comparison): most callers check many values.
    const double a = std::fabs(v);
    return (a <= FLT_MAX) & ((a == 0.0) | (a >= FLT_MIN));
}

// "El valor 1E+300 de la carga viva del vano 1 está fuera del rango que el programa puede
// calcular." `deQue` names the value with its article ("de la carga viva del vano 1",
// "del factor de carga muerta"); a value that is not finite is not written.
std::string MensajeFueraDeRango(double valor, const std::string& deQue);
// The same for a value kept in single precision, written with the digits it holds.
std::string MensajeFueraDeRango(float valor, const std::string& deQue);

// The shortest text ("1E+30", "2.5") that reads back to the single-precision `valor`.
std::string TextoSimple(float valor);

// Names of the span grid's values, as the messages give them: "de la carga viva del
// vano 1". `columna` is 0 for "Long" up to 7 for the last column.
std::string NombreValorVano(int columna, int vano);

// Fails with the message for the first value of the run's input that is out of range: the
// general data (`datos`, the project's read as numbers), then spans 1..numVanos (given and
// derived values), their concentrated loads and the node loads that count.
Estado VerificaRangos(const Proyecto& p, const DatosNumericos& datos);

}  // namespace trabelux
