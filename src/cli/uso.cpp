#include <cstdio>

#include "cli/argumentos.h"

namespace trabelux::cli {

namespace {

// One paragraph per command; a new command adds its own.
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
    "  trabelux-cli calc A.vcw B.vcw CARPETA - ... [--jobs N] [--json-lines] [--summary F.csv]\n"
    "      Varios proyectos: archivos, los *.vcw de una carpeta, - las rutas leidas de la\n"
    "      entrada estandar; cada uno como un calc solo, impresos en el orden dado.\n"
    "      --jobs N         proyectos a la vez (por omision, uno por nucleo)\n"
    "      --json-lines     un objeto JSON por linea, cada uno con su \"file\"\n"
    "      --summary F.csv  una linea CSV por proyecto\n"
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
    "  trabelux-cli schedule PROYECTO.vcw [-o PLANILLA.csv] [--double=yes|no]\n"
    "               [--pattern=none|code|rigorous]\n"
    "      Escribe la planilla de aceros de las barras propuestas en CSV (UTF-8).\n"
    "  trabelux-cli shapes FAMILIA\n"
    "      Lista los perfiles de una familia (W, M, S, HP, C, MC, WT) en metros.\n"
    "  trabelux-cli verify [CARPETA] [--json] [--pdf MANUAL.pdf]\n"
    "      Calcula los ejemplos de verificacion y compara cada valor con el esperado\n"
    "      (OK/FALLA); sale con 0 solo si todos coinciden. --pdf escribe ademas el\n"
    "      Manual de verificacion.\n"
    "Codigos de salida: 0 calculo completo, 1 calculo detenido por un mensaje,\n"
    "                   2 uso incorrecto o archivo ilegible (con varios proyectos, el peor).\n";

}  // namespace

int Uso(const std::string& error) {
    if (!error.empty()) std::fprintf(stderr, "%s\n", error.c_str());
    std::fprintf(stderr, "%s", kUso);
    return 2;
}

int Ayuda() {
    std::printf("%s", kUso);
    return 0;
}

}  // namespace trabelux::cli
