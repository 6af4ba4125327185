// The commands that paint (report; the verification manual's PDF) run in a companion
// executable, trabelux-pinta, the only one that loads Qt Gui; trabelux-cli itself loads no
// Qt, so that every other command starts in a few milliseconds.
#pragma once

#include <string>

#include "cli/argumentos.h"

namespace trabelux::cli {

// Where trabelux-pinta is: beside the running executable (the build folder), or
// <prefix>/libexec/trabelux once installed. When neither exists, the path beside it, for
// the message that says so.
std::string RutaPintor();

// Replaces this process with `trabelux-pinta NOMBRE ARGUMENTOS...`: standard input, output
// and error are the same, and its exit status is this command's. Returns only when it
// cannot be run, with 2 and the reason on stderr.
int PasaAlPintor(const std::string& nombre, const Argumentos& argumentos);

}  // namespace trabelux::cli
