#include "core/dibujo/geometria_envolventes.h"

#include <cmath>

#include "core/envolventes/casos.h"
#include "core/texto/numeros.h"

namespace trabelux {

std::vector<ValorEscrito> ValoresEnvolvente(const LineaBase& linea, double escH, double escV,
                                            const Resultados& r, int numVanos, Magnitud m) {
    if (!r.envolventes) return {};
    const Envolventes& env = *r.envolventes;
    // The values as a run of their own: its end values and its span maxima are the
    // envelope's, each anchored on the curve that holds it.
    Resultados valores;
    valores.numVanos = numVanos;
    valores.diagramas = m == Magnitud::kMomento ? env.minimos : env.maximos;
    for (size_t i = 0; i < env.vanos.size() && i < valores.diagramas.size(); ++i) {
        const EnvolventeVano& v = env.vanos[i];
        EstacionesVano& d = valores.diagramas[i];
        if (m == Magnitud::kCortante && !d.cortante.empty()) {
            d.cortante.front() = v.cortanteIzq;
            d.cortante.back() = v.cortanteDer;
        }
        valores.momMaxVano.push_back(v.momentoPositivo);
        valores.posMomMax.push_back(v.xMomentoPositivo);
    }
    return ValoresCurva(linea, escH, escV, valores, numVanos, m);
}

double MaximoEnvolvente(const Envolventes& env, int numVanos, Magnitud m, double minimo) {
    return std::max(MaximoAbsoluto(env.maximos, numVanos, m, minimo),
                    MaximoAbsoluto(env.minimos, numVanos, m, minimo));
}

size_t EstacionCercana(const Envolventes& env, int vano, double x) {
    const std::vector<float>& xs = env.maximos[static_cast<size_t>(vano - 1)].x;
    size_t mejor = 0;
    for (size_t k = 1; k < xs.size(); ++k)
        if (std::fabs(xs[k] - x) < std::fabs(xs[mejor] - x)) mejor = k;
    return mejor;
}

std::string TextoSondaEnvolvente(const Envolventes& env, int numVanos, Magnitud m, int vano,
                                 size_t k) {
    const size_t i = static_cast<size_t>(vano - 1);
    const bool cortante = m == Magnitud::kCortante;
    const EnvolventeVano& ev = env.vanos[i];
    const float mayor = cortante ? env.maximos[i].cortante[k] : env.maximos[i].momento[k];
    const float menor = cortante ? env.minimos[i].cortante[k] : env.minimos[i].momento[k];
    const Rige rMayor = cortante ? ev.rigeCortanteMax[k] : ev.rigeMomentoMax[k];
    const Rige rMenor = cortante ? ev.rigeCortanteMin[k] : ev.rigeMomentoMin[k];
    const std::string letra = cortante ? "V" : "M";
    return "Vano " + std::to_string(vano) + ", x = " + Formatea(env.maximos[i].x[k], "0.00") +
           " m: " + letra + " máx = " + Formatea(mayor, "0.00") +
           " (caso: " + TextoRige(env, rMayor, numVanos) + "), " + letra +
           " mín = " + Formatea(menor, "0.00") + " (caso: " + TextoRige(env, rMenor, numVanos) +
           ")";
}

}  // namespace trabelux
