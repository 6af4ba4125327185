// The results tables; see tablas_resultados.h.
#include "resultados/tablas_resultados.h"

#include <algorithm>

namespace trabelux {

namespace {

double En(const std::vector<float>& v, size_t k) { return k < v.size() ? v[k] : 0.0; }

}  // namespace

DefinicionTabla DefineTabla(TablaResultados t) {
    const QString momentosAreas = QStringLiteral("Momentos en To-m y areas en cm2");
    switch (t) {
        case TablaResultados::kReacciones:
            return {"TablaReacciones",
                    "REACCIONES",
                    "Reacciones en To y Momentos en To-m",
                    {{"Apoyo", "0"}, {"Reaccion", "0.000"}, {"Momento", "0.000"}}};
        case TablaResultados::kCortantes:
            return {"TablaCortantes",
                    "Cortantes en los extremos de los vanos",
                    "Cortantes en To",
                    {{"Vano", "0"}, {"Cortante Izq", "0.000"}, {"Cortante Der", "0.000"}}};
        case TablaResultados::kMomentos:
            return {"TablaMomentos",
                    "Momentos en los extremos y centros de los vanos",
                    "Momentos en To-m",
                    {{"Vano", "0"},
                     {"Momento Izq", "0.000"},
                     {"Momento Der", "0.000"},
                     {"Momento Max Vano", "0.000"}}};
        case TablaResultados::kRefuerzoApoyos:
            return {"SSDBGrid3",
                    "REFUERZO EN APOYOS",
                    momentosAreas,
                    {{"Apoyo", "0"},
                     {"Momento", "0.000"},
                     {"Area Ref Superior", "0.00"},
                     {"Area Ref Inferior", "0.00"}}};
        case TablaResultados::kRefuerzoVanos:
            return {"SSDBGrid4",
                    "REFUERZO EN VANOS",
                    momentosAreas,
                    {{"Vano", "0"},
                     {"Momento", "0.000"},
                     {"Area Ref Superior", "0.00"},
                     {"Area Ref Inferior", "0.00"}}};
        case TablaResultados::kRefuerzoTransversal:
            return {"SSDBGrid5",
                    "REFUERZO TRANSVERSAL",
                    "Cortantes en To y areas en cm2/m",
                    {{"Vano", "0"},
                     {"Cortante I", "0.000"},
                     {"Cortante J", "0.000"},
                     {"Area/m", "0.00"},
                     {"Estribos", ""}}};
    }
    return {};
}

std::vector<FilaResultados> FilasTabla(TablaResultados t, const Resultados& r) {
    std::vector<FilaResultados> filas;
    const int n = r.analisisCompleto ? std::max(r.numVanos, 0) : 0;
    switch (t) {
        case TablaResultados::kReacciones:
            if (n > 0)
                for (int j = 1; j <= n + 1; ++j) {
                    const size_t k = static_cast<size_t>(2 * j - 2);
                    filas.push_back({double(j), En(r.reacciones, k), En(r.reacciones, k + 1)});
                }
            break;
        case TablaResultados::kCortantes:
        case TablaResultados::kMomentos:
            for (int i = 1; i <= n; ++i) {
                const size_t k = static_cast<size_t>(i - 1);
                const FuerzasVano f =
                    k < r.fuerzasExtremo.size() ? r.fuerzasExtremo[k] : FuerzasVano{};
                if (t == TablaResultados::kCortantes)
                    filas.push_back({double(i), f.cortanteI, f.cortanteJ});
                else
                    filas.push_back({double(i), f.momentoI, f.momentoJ, En(r.momMaxVano, k)});
            }
            break;
        case TablaResultados::kRefuerzoApoyos:
            for (const auto& a : r.refuerzoApoyos)
                filas.push_back({double(a.nudo), double(a.momento), double(a.areaSuperior),
                                 double(a.areaInferior)});
            break;
        case TablaResultados::kRefuerzoVanos:
            for (const auto& v : r.refuerzoVanos)
                filas.push_back({double(v.vano), double(v.momento), double(v.areaSuperior),
                                 double(v.areaInferior)});
            break;
        case TablaResultados::kRefuerzoTransversal:
            for (const auto& e : r.refuerzoTransversal)
                filas.push_back({double(e.vano), double(e.cortanteI), double(e.cortanteJ),
                                 double(e.areaPorMetro), QString::fromStdString(e.estribos)});
            break;
    }
    return filas;
}

}  // namespace trabelux
