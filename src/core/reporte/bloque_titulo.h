// The title block at the head of the report's first page: what is calculated, by which
// program and when, and the lines where the engineers who calculated and checked it sign.
#pragma once

#include <string>

#include "core/modelo/proyecto.h"
#include "core/reporte/configuracion.h"
#include "core/reporte/superficie_pagina.h"

namespace trabelux {

// The project's name as the title block shows it: the left text of the report's header
// (its first line) when that is set and is not just the beam's name; empty otherwise.
std::string NombreProyecto(const std::string& encabezado, const Proyecto& p);

// The title block from the current y, across the body, in a ruled frame: the project's
// name ("Sub-Titulos" style) with "Trabelux" and its version, the beam ("Viga: V1") with
// the date of the set-up, and the lines "Calculó:" and "Revisó:" with the project's names
// and a line to sign on ("Firma:"). Two texts of a line that do not fit side by side go
// one under the other. y ends below the frame.
void BloqueTitulo(SuperficiePagina& s, const Proyecto& p, const ConfiguracionInforme& c);

}  // namespace trabelux
