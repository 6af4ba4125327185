// The results tables; see tablas_resultados.h. Frames, captions, headings and the text of
// every cell come from the core's result tables, which the command line and the report
// print too, so the three never disagree.
#include "gui/resultados/definicion_tablas.h"

#include "core/reporte/tablas_resultados.h"

namespace trabelux {

namespace {

TablaTexto TablaDelNucleo(TablaResultados t, const Resultados& r) {
    const int k = static_cast<int>(t);
    if (t <= TablaResultados::kMomentos) return TablasAnalisis(r)[static_cast<size_t>(k)];
    if (t >= TablaResultados::kReaccionesExtremas)
        return TablasEnvolventes(
            r)[static_cast<size_t>(k - static_cast<int>(TablaResultados::kReaccionesExtremas))];
    return TablasRefuerzo(
        r)[static_cast<size_t>(k - static_cast<int>(TablaResultados::kRefuerzoApoyos))];
}

const char* NombreTabla(TablaResultados t) {
    switch (t) {
        case TablaResultados::kReacciones:
            return "TablaReacciones";
        case TablaResultados::kCortantes:
            return "TablaCortantes";
        case TablaResultados::kMomentos:
            return "TablaMomentos";
        case TablaResultados::kRefuerzoApoyos:
            return "SSDBGrid3";
        case TablaResultados::kRefuerzoVanos:
            return "SSDBGrid4";
        case TablaResultados::kRefuerzoTransversal:
            return "SSDBGrid5";
        case TablaResultados::kReaccionesExtremas:
            return "TablaReaccionesExtremas";
        case TablaResultados::kEnvolventesVano:
            return "TablaEnvolventesVano";
    }
    return "";
}

// The display format of a column: whole numbers first, the stirrup text last, the
// areas with two decimals and everything else with three.
QString FormatoColumna(const std::string& titulo, size_t columna) {
    if (columna == 0) return QStringLiteral("0");
    if (titulo == "Estribos" || titulo == "Caso") return {};
    if (titulo.rfind("Area", 0) == 0) return QStringLiteral("0.00");
    return QStringLiteral("0.000");
}

}  // namespace

DefinicionTabla DefineTabla(TablaResultados t) {
    const TablaTexto tabla = TablaDelNucleo(t, Resultados{});
    DefinicionTabla d{NombreTabla(t),
                      QString::fromStdString(tabla.marco),
                      QString::fromStdString(tabla.titulo),
                      {}};
    for (size_t c = 0; c < tabla.columnas.size(); ++c)
        d.columnas.push_back(
            {QString::fromStdString(tabla.columnas[c]), FormatoColumna(tabla.columnas[c], c)});
    return d;
}

std::vector<FilaResultados> FilasTabla(TablaResultados t, const Resultados& r) {
    std::vector<FilaResultados> filas;
    for (const auto& fila : TablaDelNucleo(t, r).filas) {
        FilaResultados f;
        for (const auto& celda : fila) f.push_back(QString::fromStdString(celda));
        filas.push_back(std::move(f));
    }
    return filas;
}

}  // namespace trabelux
