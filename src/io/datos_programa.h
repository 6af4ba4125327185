// Where the program's data files are: beside the executables in the build folder, in
// <prefix>/share/trabelux once installed.
#pragma once

#include <string>

namespace trabelux {

// The folder of the running executable (links resolved).
std::string CarpetaPrograma();

// A data file of the program (shapes table, help collection, examples): beside the
// executable when run from the build folder, or in <prefix>/share/trabelux when installed.
// When neither exists, the path beside the executable, for the message that says so.
std::string RutaDatosPrograma(const std::string& nombre);

// The steel-shapes table shipped with the executables (Aisc-dat.Dat).
std::string RutaTablaPerfiles();

}  // namespace trabelux
