// "trabelux-cli shapes FAMILY": lists the rolled shapes of one family with their
// properties in metre units, as the general data's shape grid shows them.
#pragma once

#include <iosfwd>
#include <string>

namespace trabelux::cli {

// ComandoPerfiles: prints the designations of `familia` ("W", "M", "S", "HP", "C", "MC",
// "WT"; case ignored) read from the shapes table at `rutaDat`, one line per shape with
// Area, d, bf, tf, tw, Ix, Sx, rx in aligned columns, on `salida`. Returns the exit
// status: 0 listed (a family cut to 600 shapes says so on `errores`); 2 for an unknown
// family or a table that cannot be read, with the reason on `errores`.
int ComandoPerfiles(const std::string& familia, const std::string& rutaDat, std::ostream& salida,
                    std::ostream& errores);

// The same on standard output and error, with the table next to the executable
// (RutaTablaPerfiles).
int ComandoPerfiles(const std::string& familia);

}  // namespace trabelux::cli
