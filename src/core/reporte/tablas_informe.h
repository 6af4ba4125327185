// The tables of the calculation report as the three strings the page surface lays out
// (column format, header, body), built from the project and the results alone.
#pragma once

#include <array>
#include <string>

#include "core/analisis/resultados.h"
#include "core/modelo/proyecto.h"

namespace trabelux {

struct TablaInforme {
    std::string formato;   // "^_1000|<_2500": alignment and width of each column
    std::string cabecera;  // "Nudo|Condicion de apoyo"
    std::string cuerpo;    // "1|Apoyado;2|Apoyado;": every row ends with ";"
};

// Spans the report describes: the span count, within the rows the grid holds.
int NumVanosInforme(const Proyecto& p);

// "Hormigon", "Acero" or "Otro".
std::string NombreMaterial(Material material);

// Captions of the span grid's load columns ("P. Propio", the dead load, "C. Viva", the
// last column) as the main window shows them for the material and the load control.
std::array<std::string, 4> TitulosCargasVano(const DatosGenerales& d);

// "Datos de los apoyos": node and condition of the end supports and interior supports.
TablaInforme TablaApoyos(const Proyecto& p);
// "Datos de los vanos": the first n rows of the span grid, nine columns.
TablaInforme TablaDatosVanos(const Proyecto& p);
// "Cargas concentradas en los vanos": the loads on spans 1..n.
TablaInforme TablaCargasVanos(const Proyecto& p);
// "Cargas en los nudos": the node loads on nodes 1..n+1 (an empty body when none).
TablaInforme TablaCargasNudos(const Proyecto& p);
// "Reacciones de apoyo" and "Cortantes y Momentos" of a finished analysis.
TablaInforme TablaReacciones(const Resultados& r);
TablaInforme TablaCortantesMomentos(const Resultados& r);
// The three reinforcement tables of a design. The span table adds the minimum steel
// 14 b (h - cover) / Fy of each span, empty when Fy is not above 0.
TablaInforme TablaRefuerzoApoyos(const Resultados& r);
TablaInforme TablaRefuerzoVanos(const Proyecto& p, const Resultados& r);
TablaInforme TablaRefuerzoTransversal(const Resultados& r);

}  // namespace trabelux
