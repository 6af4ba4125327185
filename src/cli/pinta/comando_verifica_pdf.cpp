// The verification manual painted into a PDF: the core composes it on the report's page
// surface, the report's PDF path paints it.
#include "cli/pinta/comando_verifica_pdf.h"

#include <cstdio>

#include "cli/comando_verifica.h"
#include "core/reporte/manual_verificacion.h"
#include "io/archivos.h"
#include "render/informe_pdf.h"

namespace trabelux::cli {

namespace {

int EscribeManualVerificacion(const std::vector<EjemploVerificado>& ejemplos,
                              const std::string& archivo) {
    ConfiguracionInforme c;
    c.fecha = FechaInforme();
    int paginas = 0;
    const ComposicionInforme compone = [&](SuperficiePagina& s) {
        ComponeManualVerificacion(s, ejemplos, c);
    };
    const Estado guardado = GuardaArchivo(archivo, PdfDelInforme(c, compone, &paginas));
    if (!guardado) {
        std::fprintf(stderr, "%s\n", guardado.Mensaje().c_str());
        return 0;
    }
    return paginas;
}

}  // namespace

int EjecutaVerificaPdf(const Argumentos& a) {
    std::string error;
    const auto o = LeeOpcionesVerifica(a, error);
    if (!o) return Uso(error);
    return ComandoVerifica(*o, EscribeManualVerificacion);
}

}  // namespace trabelux::cli
