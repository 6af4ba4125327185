// The calculation report of the open project, one for every output (preview, printer, PDF
// file, export): the project, the last run's results while they describe it (otherwise
// the input alone with a line saying the results are not current), the bars when the
// reinforcement option is on after a design, and the session's page set-up.
#pragma once

#include "render/informe_pdf.h"

namespace trabelux {

class Documento;

// The line the report prints in place of results that no longer describe the project.
inline constexpr const char* kAvisoResultadosDesactualizados =
    "Resultados desactualizados: los datos cambiaron despues del ultimo calculo.";

// What composes that report on a started document; it reads the document when called.
ComposicionInforme InformeDelDocumento(Documento& doc);

}  // namespace trabelux
