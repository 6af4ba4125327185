// trabelux-cli: the beam calculation from the command line.
#include <QCoreApplication>
#include <cstdio>
#include <cstring>
#include <string>

#include "comando_calc.h"
#include "comando_perfiles.h"
#include "version.h"

namespace {

const char* kUso =
    "Uso:\n"
    "  trabelux-cli calc PROYECTO.vcw [--analysis-only] [--double=yes|no] [--stations] [--json]\n"
    "      Analiza (y disena) la viga del proyecto e imprime las tablas de resultados.\n"
    "      --analysis-only  solo el analisis, sin diseno\n"
    "      --double=yes|no  respuesta a la pregunta de refuerzo doble (por omision no)\n"
    "      --stations       incluye las estaciones de cada vano en el JSON\n"
    "      --json           salida JSON\n"
    "  trabelux-cli shapes FAMILIA\n"
    "      Lista los perfiles de una familia (W, M, S, HP, C, MC, WT) en metros.\n"
    "Codigos de salida: 0 calculo completo, 1 calculo detenido por un mensaje,\n"
    "                   2 uso incorrecto o archivo ilegible.\n";

int Uso(const std::string& error = {}) {
    if (!error.empty()) std::fprintf(stderr, "%s\n", error.c_str());
    std::fprintf(stderr, "%s", kUso);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc < 2) return Uso();
    std::string comando = argv[1];
    if (comando == "--help" || comando == "-h") {
        std::printf("%s", kUso);
        return 0;
    }
    if (comando == "--version") {
        std::printf("%s", trabelux::TextoVersion().c_str());
        return 0;
    }
    if (comando == "calc") {
        trabelux::cli::OpcionesCalc o;
        for (int i = 2; i < argc; ++i) {
            std::string a = argv[i];
            if (a == "--analysis-only")
                o.soloAnalisis = true;
            else if (a == "--double=yes")
                o.dobleRefuerzo = true;
            else if (a == "--double=no")
                o.dobleRefuerzo = false;
            else if (a == "--stations")
                o.estaciones = true;
            else if (a == "--json")
                o.json = true;
            else if (!a.empty() && a[0] == '-')
                return Uso("Opcion desconocida: " + a);
            else if (o.proyecto.empty())
                o.proyecto = a;
            else
                return Uso("Sobra el argumento: " + a);
        }
        if (o.proyecto.empty()) return Uso("Falta el archivo del proyecto");
        return trabelux::cli::ComandoCalc(o);
    }
    if (comando == "shapes") {
        if (argc != 3) return Uso("Falta la familia de perfiles");
        return trabelux::cli::ComandoPerfiles(argv[2]);
    }
    return Uso("Comando desconocido: " + comando);
}
