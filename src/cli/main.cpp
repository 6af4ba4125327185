// trabelux-cli: the beam calculation from the command line.
#include <QCoreApplication>
#include <QGuiApplication>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "cli/comando_calc.h"
#include "cli/comando_dxf.h"
#include "cli/comando_informe.h"
#include "cli/comando_perfiles.h"
#include "cli/comando_verifica.h"
#include "cli/json_envolventes.h"
#include "core/version.h"

namespace {

const char* kUso =
    "Uso:\n"
    "  trabelux-cli calc PROYECTO.vcw [--analysis-only] [--double=yes|no] [--stations] [--json]\n"
    "               [--pattern=none|code|rigorous] [--no-deflection]\n"
    "      Analiza (y disena) la viga del proyecto e imprime las tablas de resultados.\n"
    "      --analysis-only  solo el analisis, sin diseno\n"
    "      --double=yes|no  respuesta a la pregunta de refuerzo doble (por omision no)\n"
    "      --stations       incluye las estaciones de cada vano en el JSON\n"
    "      --json           salida JSON\n"
    "      --pattern        alternancia de carga viva: none (todos los vanos cargados),\n"
    "                       code (casos de la norma), rigorous (envolvente rigurosa);\n"
    "                       por omision la del proyecto\n"
    "      --no-deflection  sin deflexiones\n"
    "  trabelux-cli report PROYECTO.vcw -o INFORME.pdf [--analysis-only] [--double=yes|no]\n"
    "               [--pattern=none|code|rigorous] [--no-deflection] [--diagrams]\n"
    "               [--reinforcement]\n"
    "               [--paper=CODIGO] [--landscape]\n"
    "               [--margins=A,I,B,D] [--header=TEXTO] [--footer=TEXTO] [--text]\n"
    "      Compone el informe de calculo y lo escribe en PDF (--text: la composicion como texto).\n"
    "      --paper      codigo de papel (1 Letter, 5 Legal, 8 A3, 9 A4, ...)\n"
    "      --margins    margenes en pulgadas: arriba,izquierda,abajo,derecha\n"
    "      --header, --footer  \"|\" separa izquierda|centro|derecha, %d es la pagina,\n"
    "                   \\n un salto de linea\n"
    "  trabelux-cli dxf PROYECTO.vcw -o VIGA.dxf [--double=yes|no]\n"
    "      Disena la viga y escribe su plano de armado en DXF (alzado, secciones, planilla).\n"
    "  trabelux-cli shapes FAMILIA\n"
    "      Lista los perfiles de una familia (W, M, S, HP, C, MC, WT) en metros.\n"
    "  trabelux-cli verify [CARPETA] [--json] [--pdf MANUAL.pdf]\n"
    "      Calcula los ejemplos de verificacion y compara cada valor con el esperado\n"
    "      (OK/FALLA); sale con 0 solo si todos coinciden. --pdf escribe ademas el\n"
    "      Manual de verificacion.\n"
    "Codigos de salida: 0 calculo completo, 1 calculo detenido por un mensaje,\n"
    "                   2 uso incorrecto o archivo ilegible.\n";

int Uso(const std::string& error = {}) {
    if (!error.empty()) std::fprintf(stderr, "%s\n", error.c_str());
    std::fprintf(stderr, "%s", kUso);
    return 2;
}

// What calc and report share: the project file and the run's options. False for an
// option that is none of them, left to the command; a second file name sets `error`.
template <class Opciones>
bool LeeArgumentoComun(const std::string& a, Opciones& o, std::string& error) {
    if (a == "--analysis-only") {
        o.soloAnalisis = true;
    } else if (a == "--double=yes" || a == "--double=no") {
        o.dobleRefuerzo = a == "--double=yes";
        o.opcionDoble = a;
    } else if (a.rfind("--pattern=", 0) == 0) {
        o.patron = a.substr(10);
        if (!trabelux::cli::LeePatron(o.patron))
            error = "Valor desconocido de --pattern: " + o.patron;
    } else if (a == "--no-deflection") {
        o.sinDeflexion = true;
    } else if (!a.empty() && a[0] == '-') {
        return false;
    } else if (o.proyecto.empty()) {
        o.proyecto = a;
    } else {
        error = "Sobra el argumento: " + a;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string comando = argc >= 2 ? argv[1] : "";
    // The report measures and paints text: it needs fonts, not a display.
    std::unique_ptr<QCoreApplication> app;
    if (comando == "report" || trabelux::cli::VerificaConManual(argc, argv)) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    if (argc < 2) return Uso();
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
            std::string error;
            if (a == "--stations")
                o.estaciones = true;
            else if (a == "--json")
                o.json = true;
            else if (!LeeArgumentoComun(a, o, error))
                return Uso("Opcion desconocida: " + a);
            if (!error.empty()) return Uso(error);
        }
        if (o.proyecto.empty()) return Uso("Falta el archivo del proyecto");
        return trabelux::cli::ComandoCalc(o);
    }
    if (comando == "report") {
        trabelux::cli::OpcionesInforme o;
        for (int i = 2; i < argc; ++i) {
            std::string a = argv[i];
            std::string error;
            if (a == "--text")
                o.texto = true;
            else if (a == "-o" && i + 1 < argc)
                o.salida = argv[++i];
            else if (!LeeArgumentoComun(a, o, error) &&
                     !trabelux::cli::LeeOpcionInforme(a, o, error))
                return Uso(error);
            if (!error.empty()) return Uso(error);
        }
        if (o.proyecto.empty()) return Uso("Falta el archivo del proyecto");
        if (o.salida.empty() && !o.texto) return Uso("Falta el archivo del informe (-o)");
        return trabelux::cli::ComandoInforme(o);
    }
    if (comando == "dxf") {
        trabelux::cli::OpcionesDxf o;
        std::string error;
        if (!trabelux::cli::LeeArgumentosDxf(argc, argv, o, error)) return Uso(error);
        return trabelux::cli::ComandoDxf(o);
    }
    if (comando == "shapes") {
        if (argc != 3) return Uso("Falta la familia de perfiles");
        return trabelux::cli::ComandoPerfiles(argv[2]);
    }
    if (comando == "verify") {
        std::string error;
        auto o = trabelux::cli::LeeOpcionesVerifica({argv + 2, argv + argc}, error);
        return o ? trabelux::cli::ComandoVerifica(*o) : Uso(error);
    }
    return Uso("Comando desconocido: " + comando);
}
