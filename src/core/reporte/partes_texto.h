// Splitting and trimming the report's strings (table formats, rows and cells, header
// lines), shared by the page surface's parts.
#pragma once

#include <string>
#include <vector>

namespace trabelux {

// The parts of `texto` between separators; an empty text is one empty part.
std::vector<std::string> DivideTexto(const std::string& texto, char separador);

// Without blanks, tabs and carriage returns at either end.
std::string RecortaTexto(const std::string& texto);

}  // namespace trabelux
