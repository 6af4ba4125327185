// trabelux-cli: the beam calculation from the command line. It links no Qt: the commands
// that paint run in trabelux-pinta (cli/pintor.h).
#include <cstdio>
#include <string>

#include "cli/argumentos.h"
#include "cli/comando_calc.h"
#include "cli/comando_dxf.h"
#include "cli/comando_perfiles.h"
#include "cli/comando_planilla.h"
#include "cli/comando_verifica.h"
#include "cli/pintor.h"
#include "core/version.h"

namespace {

using trabelux::cli::Argumentos;

int Informe(const Argumentos& a) { return trabelux::cli::PasaAlPintor("report", a); }

int Perfiles(const Argumentos& a) {
    if (a.size() != 1) return trabelux::cli::Uso("Falta la familia de perfiles");
    return trabelux::cli::ComandoPerfiles(a[0]);
}

int Version(const Argumentos&) {
    std::printf("%s", trabelux::TextoVersion().c_str());
    return 0;
}

int Ayuda(const Argumentos&) { return trabelux::cli::Ayuda(); }

// A new command is one line here and its paragraph of the usage (cli/uso.cpp); one that
// paints passes to trabelux-pinta as "report" does.
const trabelux::cli::Comando kComandos[] = {
    {"calc", trabelux::cli::EjecutaCalc},
    {"report", Informe},
    {"dxf", trabelux::cli::EjecutaDxf},
    {"schedule", trabelux::cli::EjecutaPlanilla},
    {"shapes", Perfiles},
    {"verify", trabelux::cli::EjecutaVerifica},
    {"--version", Version},
    {"--help", Ayuda},
    {"-h", Ayuda},
};

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return trabelux::cli::Uso();
    const std::string nombre = argv[1];
    const trabelux::cli::Comando* comando = trabelux::cli::BuscaComando(kComandos, nombre);
    if (!comando) return trabelux::cli::Uso("Comando desconocido: " + nombre);
    return comando->ejecuta(Argumentos(argv + 2, argv + argc));
}
