#include "core/diseno/solicitaciones.h"

#include <algorithm>
#include <cmath>

namespace trabelux {

namespace {

// The regular station at mid-span (k = 50) of span i, or none.
int EstacionCentro(const EntradaCalculo& e, int i, const EstacionesVano& d) {
    const float centro = static_cast<float>(50 * static_cast<double>(e.longVano[i]) / 100.0);
    for (size_t k = 0; k < d.x.size(); ++k)
        if (d.x[k] == centro) return static_cast<int>(k);
    return -1;
}

float NegativoCentro(const EntradaCalculo& e, int i, const EstacionesVano& menores) {
    if (EsVoladizo(e, i)) return 0.0f;
    const int k = EstacionCentro(e, i, menores);
    return k < 0 ? 0.0f : -std::min(0.0f, menores.momento[static_cast<size_t>(k)]);
}

SolicitacionesDiseno Dimensiona(int n) {
    SolicitacionesDiseno s;
    const size_t vanos = static_cast<size_t>(n), nudos = vanos + 1;
    s.positivoVano.assign(vanos, 0.0f);
    s.negativoVano.assign(vanos, 0.0f);
    s.momentoNudo.assign(nudos, 0.0);
    s.momentoNudoOpuesto.assign(nudos, 0.0);
    s.cortanteI.assign(vanos, {});
    s.cortanteJ.assign(vanos, {});
    return s;
}

}  // namespace

bool EsVoladizo(const EntradaCalculo& e, int i) {
    const int n = e.numVanos;
    return (i == 0 && !e.restric[0] && !e.restric[1]) ||
           (i == n - 1 && !e.restric[2 * n] && !e.restric[2 * n + 1]);
}

SolicitacionesDiseno SolicitacionesTodosCargados(const EntradaCalculo& e, const Resultados& r) {
    const int n = e.numVanos;
    SolicitacionesDiseno s = Dimensiona(n);
    for (int i = 0; i < n; ++i) {
        const size_t iv = static_cast<size_t>(i);
        const FuerzasVano& f = r.fuerzasExtremo[iv];
        s.positivoVano[iv] = r.momMaxVano[iv];
        s.negativoVano[iv] = NegativoCentro(e, i, r.diagramas[iv]);
        s.momentoNudo[iv] = -f.momentoI;
        s.cortanteI[iv] = {f.cortanteI, e.cargaUltima[i]};
        s.cortanteJ[iv] = {f.cortanteJ, e.cargaUltima[i]};
    }
    s.momentoNudo[static_cast<size_t>(n)] = r.fuerzasExtremo[static_cast<size_t>(n - 1)].momentoJ;
    return s;
}

SolicitacionesDiseno SolicitacionesEnvolvente(const EntradaCalculo& e, const Resultados& r) {
    const Envolventes& env = *r.envolventes;
    const int n = e.numVanos;
    SolicitacionesDiseno s = Dimensiona(n);
    for (int j = 0; j <= n; ++j) {
        // The node's station: the left end of the span to its right, or the last span's end.
        const size_t iv = static_cast<size_t>(j < n ? j : n - 1);
        const size_t k = j < n ? 0 : env.minimos[iv].momento.size() - 1;
        const double menor = env.minimos[iv].momento[k], mayor = env.maximos[iv].momento[k];
        const size_t jn = static_cast<size_t>(j);
        if (menor < 0.0) {
            s.momentoNudo[jn] = menor;
            s.momentoNudoOpuesto[jn] = std::max(0.0, mayor);
        } else {
            s.momentoNudo[jn] = mayor;
        }
    }
    for (int i = 0; i < n; ++i) {
        const size_t iv = static_cast<size_t>(i);
        s.positivoVano[iv] = env.vanos[iv].momentoPositivo;
        s.negativoVano[iv] = NegativoCentro(e, i, env.minimos[iv]);
        // The shear at d of every arrangement, largest and smallest, by the same rule as
        // the stations: with the code cases over the cases, with the rigorous envelope the
        // dead value plus each span's live value where it adds.
        const double d = (e.alturaVano[i] - e.recub) / 100.0;
        const double wD = e.cargaUltima[i] - e.cargaViva[i];
        double maxI = -HUGE_VAL, minI = HUGE_VAL, maxJ = -HUGE_VAL, minJ = HUGE_VAL;
        auto extremos = [&](double vI, double vJ) {
            maxI = std::max(maxI, vI), minI = std::min(minI, vI);
            maxJ = std::max(maxJ, vJ), minJ = std::min(minJ, vJ);
        };
        const size_t c0 = static_cast<size_t>(4 * i);
        if (env.metodo == MetodoEnvolvente::kCasosNorma) {
            const uint32_t todos = (1u << n) - 1u;
            for (const CasoCarga& c : env.casos) {
                const double w = c.vanosCargados == todos      ? e.cargaUltima[i]
                                 : c.vanosCargados & (1u << i) ? wD + e.cargaViva[i]
                                                               : wD;
                extremos(c.fuerzasExtremo[c0] - w * d, c.fuerzasExtremo[c0 + 2] - w * d);
            }
        } else {
            const std::vector<double>& D = env.casos[0].fuerzasExtremo;
            maxI = minI = D[c0] - wD * d;
            maxJ = minJ = D[c0 + 2] - wD * d;
            for (int j = 0; j < n; ++j) {
                const std::vector<double>& L = env.casos[static_cast<size_t>(1 + j)].fuerzasExtremo;
                const double wL = j == i ? e.cargaViva[i] : 0.0;
                const double vI = L[c0] - wL * d, vJ = L[c0 + 2] - wL * d;
                maxI += std::max(0.0, vI), minI += std::min(0.0, vI);
                maxJ += std::max(0.0, vJ), minJ += std::min(0.0, vJ);
            }
        }
        // Handed over as the value at d itself (nothing more to take off).
        s.cortanteI[iv] = {std::fabs(maxI) >= std::fabs(minI) ? maxI : minI, 0.0};
        s.cortanteJ[iv] = {std::fabs(maxJ) >= std::fabs(minJ) ? maxJ : minJ, 0.0};
    }
    return s;
}

}  // namespace trabelux
