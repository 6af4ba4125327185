// What the command line's commands share when reading their arguments.
#pragma once

#include <string>
#include <vector>

namespace trabelux::cli {

// A command's arguments, those after its name.
using Argumentos = std::vector<std::string>;

// One command of trabelux-cli: its name and what runs it, returning the exit status.
struct Comando {
    const char* nombre;
    int (*ejecuta)(const Argumentos& argumentos);
};

// The command named `nombre` in `comandos`, or nothing.
template <size_t N>
const Comando* BuscaComando(const Comando (&comandos)[N], const std::string& nombre) {
    for (const Comando& c : comandos)
        if (nombre == c.nombre) return &c;
    return nullptr;
}

// The options every command that runs a project reads: --analysis-only, --double,
// --pattern and --no-deflection.
// False for an argument that is neither, left to the command.
template <class Opciones>
bool LeeOpcionCalculo(const std::string& a, Opciones& o) {
    if (a == "--analysis-only") {
        o.soloAnalisis = true;
    } else if (a == "--double=yes" || a == "--double=no") {
        o.dobleRefuerzo = a == "--double=yes";
        o.opcionDoble = a;
    } else if (a.rfind("--pattern=", 0) == 0) {
        o.patron = a.substr(10);  // checked by the command (LeePatron)
    } else if (a == "--no-deflection") {
        o.sinDeflexion = true;
    } else {
        return false;
    }
    return true;
}

// Whether `a` names a file rather than an option ("-" alone is standard input).
inline bool EsArchivo(const std::string& a) { return a == "-" || a.empty() || a[0] != '-'; }

// Prints `error` (when given) and the usage on stderr; returns 2, the exit status of a
// command used wrongly.
int Uso(const std::string& error = {});
// The usage on stdout (--help); returns 0.
int Ayuda();

}  // namespace trabelux::cli
