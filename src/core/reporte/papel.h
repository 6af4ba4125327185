// Paper of the report: the names of the paper codes (Windows numbering), their sizes in
// twips, the page size a set-up gives, and margins shown in inches.
#pragma once

#include <optional>
#include <string>

#include "core/dibujo/tipos.h"
#include "core/reporte/configuracion.h"

namespace trabelux {

// Codes 0..68 have a name (0, 48 and 49 an empty one).
inline constexpr int kNumCodigosPapel = 69;

// The name of a paper code as the paper list shows it; empty outside 0..68.
const std::string& NombrePapel(int codigo);

// Portrait size of a paper code in twips (as its name gives it); nothing for a code
// without a size (0, 48, 49, outside 1..68).
std::optional<Tamano> TamanoPapel(int codigo);

// The page of a set-up in twips: the paper's size (the custom size with code 256, Letter
// for a code without a size), width and height exchanged in landscape.
Tamano TamanoHoja(const ConfiguracionInforme& c);

// Twips as inches, "#0.##" followed by the inch mark: 1440 -> 1", 1080 -> 0.75".
std::string EnPulgadas(double twips);

}  // namespace trabelux
