// The verification manual ("Manual de verificación"): every verification example with its
// description, its hand calculation, the picture of its beam and the table of expected
// against computed values, composed on the report's page surface.
#pragma once

#include <vector>

#include "core/reporte/configuracion.h"
#include "core/reporte/superficie_pagina.h"
#include "core/verificacion/ejemplo_verificado.h"

namespace trabelux {

// Composes the manual on a surface whose document the caller has started (as ComponeInforme) and
// ends afterwards: a first page with the summary of every example, then each example from
// a new page. The report's styles of `c` are used; its header and footer are the manual's.
void ComponeManualVerificacion(SuperficiePagina& s, const std::vector<EjemploVerificado>& ejemplos,
                               const ConfiguracionInforme& c);

}  // namespace trabelux
