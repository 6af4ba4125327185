#include "gui/ayuda/paginas_ayuda.h"

namespace trabelux {

const std::vector<PaginaVentana>& PaginasDeVentanas() {
    static const std::vector<PaginaVentana> paginas = {
        {"TluxMDI", "ventana-principal.html"},  {"Polidur1", "ventana-principal.html"},
        {"Datgen", "datos-generales.html"},     {"NumVanos", "numero-vanos.html"},
        {"CondApoy", "apoyos-interiores.html"}, {"CargCon", "cargas-concentradas.html"},
        {"LosNum", "losas-adyacentes.html"},    {"Progre", "analisis.html"},
        {"Recarga", "ventana-principal.html"},  {"Resultad", "resultados.html"},
        {"VigRefu", "refuerzo.html"},           {"VigPrev", "vista-previa.html"},
        {"frmAbout", "acerca-de.html"},         {"VentanaAyuda", "ayuda.html"},
    };
    return paginas;
}

QString PaginaDeVentana(const QString& nombreVentana) {
    for (const PaginaVentana& p : PaginasDeVentanas())
        if (nombreVentana == QLatin1String(p.ventana)) return QString::fromLatin1(p.pagina);
    return {};
}

QUrl UrlPaginaAyuda(const QString& pagina) {
    return QUrl(QStringLiteral("qthelp://trabelux.manual/doc/") + pagina);
}

}  // namespace trabelux
