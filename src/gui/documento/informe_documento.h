// The calculation report of the open project: the beam as it was analysed (the current
// project before any run), the last run's results, the bars when the reinforcement
// option is on after a design, and the session's page set-up.
#pragma once

#include "informe_qt.h"

namespace trabelux {

class Documento;

// What composes that report on a started document; it reads the document when called.
ComponeInforme InformeDelDocumento(Documento& doc);

}  // namespace trabelux
