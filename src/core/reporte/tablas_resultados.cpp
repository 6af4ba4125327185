#include "core/reporte/tablas_resultados.h"

#include "core/envolventes/casos.h"
#include "core/texto/numeros.h"

namespace trabelux {

std::vector<TablaTexto> TablasAnalisis(const Resultados& r) {
    TablaTexto reacciones{"REACCIONES",
                          "Reacciones en To y Momentos en To-m",
                          {"Apoyo", "Reaccion", "Momento"},
                          {},
                          {}};
    TablaTexto cortantes{"Cortantes en los extremos de los vanos",
                         "Cortantes en To",
                         {"Vano", "Cortante Izq", "Cortante Der"},
                         {},
                         {}};
    TablaTexto momentos{"Momentos en los extremos y centros de los vanos",
                        "Momentos en To-m",
                        {"Vano", "Momento Izq", "Momento Der", "Momento Max Vano"},
                        {},
                        {}};
    // With an arrangement these tables hold the all-loaded case, and say so.
    if (r.envolventes)
        for (TablaTexto* t : {&reacciones, &cortantes, &momentos})
            t->titulo += " (todos los vanos cargados)";
    if (r.AnalisisCompleto()) {
        for (int j = 1; j <= r.numVanos + 1; ++j)
            reacciones.filas.push_back({std::to_string(j), Formatea(r.ReaccionNudo(j), "0.000"),
                                        Formatea(r.MomentoNudo(j), "0.000")});
        for (int i = 0; i < r.numVanos && i < static_cast<int>(r.fuerzasExtremo.size()); ++i) {
            const FuerzasVano& fv = r.fuerzasExtremo[i];
            // The tables hold single-precision values, as the results window does.
            cortantes.filas.push_back({std::to_string(i + 1),
                                       Formatea(static_cast<float>(fv.cortanteI), "0.000"),
                                       Formatea(static_cast<float>(fv.cortanteJ), "0.000")});
            float mmax = i < static_cast<int>(r.momMaxVano.size()) ? r.momMaxVano[i] : 0.0f;
            momentos.filas.push_back(
                {std::to_string(i + 1), Formatea(static_cast<float>(fv.momentoI), "0.000"),
                 Formatea(static_cast<float>(fv.momentoJ), "0.000"), Formatea(mmax, "0.000")});
        }
    }
    return {reacciones, cortantes, momentos};
}

std::vector<TablaTexto> TablasEnvolventes(const Resultados& r) {
    const int n = r.numVanos;
    TablaTexto reacciones{
        "REACCIONES EXTREMAS",
        "Reacciones en To y Momentos en To-m",
        {"Apoyo", "Reaccion max", "Caso", "Reaccion min", "Caso", "Momento max", "Momento min"},
        {},
        {}};
    TablaTexto vanos{"ENVOLVENTES POR VANO",
                     "Momentos en To-m, cortantes en To, x en m",
                     {"Vano", "M+ max", "x", "Caso", "M- Izq", "M- Der", "V Izq", "V Der"},
                     {},
                     {}};
    if (!r.envolventes || !r.AnalisisCompleto()) return {reacciones, vanos};
    const Envolventes& env = *r.envolventes;
    for (size_t j = 0; j < env.nudos.size(); ++j) {
        const EnvolventeNudo& e = env.nudos[j];
        reacciones.filas.push_back(
            {std::to_string(j + 1), Formatea(e.reaccionMax, "0.000"),
             TextoRige(env, e.rigeReaccionMax, n), Formatea(e.reaccionMin, "0.000"),
             TextoRige(env, e.rigeReaccionMin, n), Formatea(e.momentoMax, "0.000"),
             Formatea(e.momentoMin, "0.000")});
    }
    for (size_t i = 0; i < env.vanos.size(); ++i) {
        const EnvolventeVano& e = env.vanos[i];
        vanos.filas.push_back({std::to_string(i + 1), Formatea(e.momentoPositivo, "0.000"),
                               Formatea(e.xMomentoPositivo, "0.000"),
                               TextoRige(env, e.rigeMomentoPositivo, n),
                               Formatea(e.momentoIzq, "0.000"), Formatea(e.momentoDer, "0.000"),
                               Formatea(e.cortanteIzq, "0.000"), Formatea(e.cortanteDer, "0.000")});
    }
    return {reacciones, vanos};
}

std::string NumeroFilaApoyo(const FilaRefuerzoApoyo& f) {
    return std::to_string(f.nudo) + (f.traccion == Cara::kInferior ? " (+)" : "");
}

std::string NumeroFilaVano(const FilaRefuerzoVano& f) {
    return std::to_string(f.vano) + (f.traccion == Cara::kSuperior ? " (-)" : "");
}

std::vector<TablaTexto> TablasRefuerzo(const Resultados& r) {
    TablaTexto apoyos{"REFUERZO EN APOYOS",
                      "Momentos en To-m y areas en cm2",
                      {"Apoyo", "Momento", "Area Ref Superior", "Area Ref Inferior"},
                      {},
                      {}};
    TablaTexto vanos{"REFUERZO EN VANOS",
                     "Momentos en To-m y areas en cm2",
                     {"Vano", "Momento", "Area Ref Superior", "Area Ref Inferior"},
                     {},
                     {}};
    TablaTexto transversal{"REFUERZO TRANSVERSAL",
                           "Cortantes en To y areas en cm2/m",
                           {"Vano", "Cortante I", "Cortante J", "Area/m", "Estribos"},
                           {},
                           {}};
    for (const auto& f : r.refuerzoApoyos)
        apoyos.filas.push_back({NumeroFilaApoyo(f), Formatea(f.momento, "0.000"),
                                Formatea(f.areaSuperior, "0.00"),
                                Formatea(f.areaInferior, "0.00")});
    for (const auto& f : r.refuerzoVanos)
        vanos.filas.push_back({NumeroFilaVano(f), Formatea(f.momento, "0.000"),
                               Formatea(f.areaSuperior, "0.00"), Formatea(f.areaInferior, "0.00")});
    for (const auto& f : r.refuerzoApoyos)
        if (f.traccion != Cara::kSuperior) apoyos.nota = kNotaCaraTraccion;
    for (const auto& f : r.refuerzoVanos)
        if (f.traccion != Cara::kInferior) vanos.nota = kNotaCaraTraccion;
    for (const auto& f : r.refuerzoTransversal)
        transversal.filas.push_back({std::to_string(f.vano), Formatea(f.cortanteI, "0.000"),
                                     Formatea(f.cortanteJ, "0.000"),
                                     Formatea(f.areaPorMetro, "0.00"), f.estribos});
    return {apoyos, vanos, transversal};
}

TablaTexto TablaDeflexiones(const Deflexiones& d) {
    TablaTexto t;
    t.marco = "DEFLEXIONES";
    t.titulo = "Deflexiones en cm (ACI 318-19, 24.2)";
    t.columnas = {"Vano",       "Ie/Ig",           "ΔD",      "ΔL", "Lím. ΔL",
                  "Δ diferida", "Lím. Δ diferida", "Verifica"};
    bool voladizo = false;
    for (size_t i = 0; i < d.vanos.size(); ++i) {
        const DeflexionVano& v = d.vanos[i];
        voladizo = voladizo || v.voladizo;
        t.filas.push_back({std::to_string(i + 1) + (v.voladizo ? " (v)" : ""),
                           Formatea(v.ig > 0 ? v.ieDL / v.ig : 1.0, "0.000"),
                           Formatea(v.deltaD, "0.000"), Formatea(v.deltaL, "0.000"),
                           Formatea(v.limiteL, "0.000"), Formatea(v.deltaDiferida, "0.000"),
                           v.limiteDiferida ? Formatea(*v.limiteDiferida, "0.000") : "-",
                           v.cumple ? kCumple : kNoCumple});
    }
    if (voladizo) t.nota = "(v) voladizo: l es la longitud del voladizo.";
    return t;
}

}  // namespace trabelux
