// The slab-assignment dialog's rules: the beam direction, the check of the slab numbers
// and its "OK".
#pragma once

#include <string>
#include <vector>

#include "core/base/estado.h"
#include "core/modelo/proyecto.h"

namespace trabelux {

// The direction button: "X" becomes "Y", anything else becomes "X".
std::string CambiaDireccion(const std::string& actual);

// Whether a direction text means "X" (blanks around it do not count); any other text
// takes the edges parallel to Y.
bool EsDireccionX(const std::string& direccion);

// ValidaAsignacion: fails with the message for the first fault: more rows than spans the
// program holds, a slab number outside 0..99, or, when `losas` is given, a slab number
// the slab file does not hold.
Estado ValidaAsignacion(const std::vector<AsignacionLosa>& asignacion,
                        const ArchivoLosasDatos* losas);

// A slab file chosen for the project (`ruta`, the slabs read from it): it becomes the file
// in use and the slab assignment starts afresh, one empty row per span, since the old
// slab numbers referred to another file. The caller brings the derived values up to date.
void UsaArchivoLosas(Proyecto& p, const std::string& ruta, ArchivoLosasDatos losas);

// AceptaLosas: the dialog's "OK". Checks the assignment (on failure nothing changes),
// stores the direction, the "SI"/"NO" answer and the rows with their average thicknesses.
// The caller brings the derived values up to date (ActualizaDerivados), which transfers
// the slab loads.
Estado AceptaLosas(Proyecto& p, const std::string& direccion, bool incluyePesoLosa,
                   std::vector<AsignacionLosa> asignacion);

}  // namespace trabelux
