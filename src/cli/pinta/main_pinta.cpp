// trabelux-pinta: the commands of trabelux-cli that paint, run by it by name
// ("trabelux-pinta report ARGUMENTOS..."). The only command-line executable that loads
// Qt Gui; it measures and paints text, so it needs fonts, not a display.
#include <QGuiApplication>
#include <string>

#include "cli/argumentos.h"
#include "cli/pinta/comando_informe.h"
#include "cli/pinta/comando_verifica_pdf.h"

namespace {

// A painting command is one line here and one in trabelux-cli's table passing it on
// (cli/pintor.h).
const trabelux::cli::Comando kComandosPintura[] = {
    {"report", trabelux::cli::EjecutaInforme},
    {"verify", trabelux::cli::EjecutaVerificaPdf},
};

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const std::string nombre = argc >= 2 ? argv[1] : "";
    const trabelux::cli::Comando* comando = trabelux::cli::BuscaComando(kComandosPintura, nombre);
    if (!comando) return trabelux::cli::Uso("Comando desconocido: " + nombre);
    return comando->ejecuta(trabelux::cli::Argumentos(argv + 2, argv + argc));
}
