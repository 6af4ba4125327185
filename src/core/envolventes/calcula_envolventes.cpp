#include "core/envolventes/calcula_envolventes.h"

#include <algorithm>
#include <cmath>

#include "core/analisis/maximo_vano.h"
#include "core/base/mensajes_calculo.h"
#include "core/envolventes/casos.h"
#include "core/modelo/rango.h"

namespace trabelux {

namespace {

constexpr int kMaxEstaciones = 101 + 2 * kMaxCargasPorVano;

// Loads of one case on the factorised beam: uniform w per span, with or without the
// concentrated loads (fP, precomputed) and the node loads.
Estado ResuelveCaso(const EntradaCalculo& e, const RigidezFactorizada& f,
                    const double fP[kMaxVanos][4], const double* w, bool conPuntuales,
                    bool conNudos, CasoCarga& caso) {
    const int n = e.numVanos;
    CargasCaso c;
    for (int i = 0; i < n; ++i) {
        const double L = e.longVano[i];
        const double extremo = w[i] * L / 2.0, momento = w[i] * L * L / 12.0;
        const double uniforme[4] = {extremo, momento, extremo, -momento};
        for (int k = 0; k < 4; ++k)
            c.fuerzasEmpotr[i][k] = (conPuntuales ? fP[i][k] : 0.0) + uniforme[k];
    }
    if (conNudos)
        for (int k = 0; k < kMaxGrados; ++k) c.cargaNudo[k] = e.cargaNudo[k];
    double vector[kMaxGrados] = {};
    if (Estado cargas = VectorCargas(e, f, c, vector); !cargas) return cargas;
    SolucionViga s;
    if (Estado resuelto = ResuelveVector(e, f, c, vector, s); !resuelto) return resuelto;
    caso.fuerzasExtremo.resize(static_cast<size_t>(4 * n));
    for (int i = 0; i < n; ++i)
        for (int k = 0; k < 4; ++k)
            caso.fuerzasExtremo[static_cast<size_t>(4 * i + k)] = s.fuerzasExtremo[i][k];
    caso.reacciones.assign(s.reacciones, s.reacciones + 2 * (n + 1));
    return Estado::Bien();
}

void CopiaCaso(const EntradaCalculo& e, const SolucionViga& s, CasoCarga& caso) {
    const int n = e.numVanos;
    caso.fuerzasExtremo.resize(static_cast<size_t>(4 * n));
    for (int i = 0; i < n; ++i)
        for (int k = 0; k < 4; ++k)
            caso.fuerzasExtremo[static_cast<size_t>(4 * i + k)] = s.fuerzasExtremo[i][k];
    caso.reacciones.assign(s.reacciones, s.reacciones + 2 * (n + 1));
}

uint32_t TodosLosVanos(int n) { return (1u << n) - 1u; }

// The uniform load of span i in an arrangement that loads the spans of `vanos`: with all
// of them loaded, the last column itself.
double CargaCaso(const EntradaCalculo& e, int i, uint32_t vanos) {
    if (vanos == TodosLosVanos(e.numVanos)) return e.cargaUltima[i];
    const double muerta = e.cargaUltima[i] - e.cargaViva[i];
    return vanos & (1u << i) ? muerta + e.cargaViva[i] : muerta;
}

// The two curves of one span and who governs each station, in double before they are
// stored.
struct CurvasVano {
    int m = 0;
    double Mmax[kMaxEstaciones], Mmin[kMaxEstaciones], Vmax[kMaxEstaciones], Vmin[kMaxEstaciones];
    Rige rMmax[kMaxEstaciones], rMmin[kMaxEstaciones], rVmax[kMaxEstaciones], rVmin[kMaxEstaciones];
};

// The station terms every case shares: x, x^2 and the concentrated loads' moment and
// shear (they act in every case), each load taken off the stations right of it.
struct TerminosEstaciones {
    int m = 0;
    double x[kMaxEstaciones], X2[kMaxEstaciones], Pm[kMaxEstaciones], Pv[kMaxEstaciones];
};

void Terminos(const EntradaCalculo& e, int i, const EstacionesVano& d, TerminosEstaciones& t) {
    t.m = static_cast<int>(d.x.size());
    for (int k = 0; k < t.m; ++k) {
        t.x[k] = d.x[static_cast<size_t>(k)];
        t.X2[k] = t.x[k] * t.x[k];
        t.Pm[k] = 0.0;
        t.Pv[k] = 0.0;
    }
    for (int c = 0; c < e.numCargas[i]; ++c) {
        const double a = e.distCarga[i][c], P = e.cargaConc[i][c];
        for (int k = 0; k < t.m; ++k) {
            const bool derecha = t.x[k] > a;
            t.Pm[k] -= derecha ? P * (t.x[k] - a) : 0.0;
            t.Pv[k] -= derecha ? P : 0.0;
        }
    }
}

// The two station kernels: compiled for AVX2 as well, chosen at run time where the processor
// has it (products and sums are rounded one by one, -ffp-contract=off, so the bits are the
// same either way).
#define TRABELUX_NUCLEO_ESTACIONES __attribute__((target_clones("avx2", "default")))

TRABELUX_NUCLEO_ESTACIONES
void CurvasCasos(const EntradaCalculo& e, int i, const TerminosEstaciones& t,
                 const std::vector<CasoCarga>& casos, CurvasVano& cv) {
    cv.m = t.m;
    const int m = t.m;
    double M[kMaxEstaciones], V[kMaxEstaciones];
    for (size_t c = 0; c < casos.size(); ++c) {
        const double* F = &casos[c].fuerzasExtremo[static_cast<size_t>(4 * i)];
        const double vI = F[0], mI = F[1];
        const double w = CargaCaso(e, i, casos[c].vanosCargados);
        for (int k = 0; k < m; ++k) {
            M[k] = (-mI + t.x[k] * vI - 0.5 * w * t.X2[k]) + t.Pm[k];
            V[k] = (vI - w * t.x[k]) + t.Pv[k];
        }
        const Rige rige = static_cast<Rige>(c);
        if (c == 0) {
            for (int k = 0; k < m; ++k) {
                cv.Mmax[k] = cv.Mmin[k] = M[k];
                cv.Vmax[k] = cv.Vmin[k] = V[k];
                cv.rMmax[k] = cv.rMmin[k] = cv.rVmax[k] = cv.rVmin[k] = 0;
            }
            continue;
        }
        // Selects rather than branches: strictly larger (smaller) replaces, so the first
        // case in the list keeps a tie.
        for (int k = 0; k < m; ++k) {
            const bool mayorM = M[k] > cv.Mmax[k], menorM = M[k] < cv.Mmin[k];
            const bool mayorV = V[k] > cv.Vmax[k], menorV = V[k] < cv.Vmin[k];
            cv.Mmax[k] = mayorM ? M[k] : cv.Mmax[k];
            cv.Mmin[k] = menorM ? M[k] : cv.Mmin[k];
            cv.Vmax[k] = mayorV ? V[k] : cv.Vmax[k];
            cv.Vmin[k] = menorV ? V[k] : cv.Vmin[k];
            cv.rMmax[k] = mayorM ? rige : cv.rMmax[k];
            cv.rMmin[k] = menorM ? rige : cv.rMmin[k];
            cv.rVmax[k] = mayorV ? rige : cv.rVmax[k];
            cv.rVmin[k] = menorV ? rige : cv.rVmin[k];
        }
    }
}

// casos[0] is the dead case, casos[1 + j] span j's live load alone.
TRABELUX_NUCLEO_ESTACIONES
void CurvasRigurosas(const EntradaCalculo& e, int i, const TerminosEstaciones& t,
                     const std::vector<CasoCarga>& casos, CurvasVano& cv) {
    cv.m = t.m;
    const double* D = &casos[0].fuerzasExtremo[static_cast<size_t>(4 * i)];
    const double wD = e.cargaUltima[i] - e.cargaViva[i];
    for (int k = 0; k < t.m; ++k) {
        cv.Mmax[k] = cv.Mmin[k] = (-D[1] + t.x[k] * D[0] - 0.5 * wD * t.X2[k]) + t.Pm[k];
        cv.Vmax[k] = cv.Vmin[k] = (D[0] - wD * t.x[k]) + t.Pv[k];
        cv.rMmax[k] = cv.rMmin[k] = cv.rVmax[k] = cv.rVmin[k] = 0;
    }
    // Another span's live load gives span i a constant shear: those add up once.
    double masV = 0.0, menosV = 0.0;
    Rige rMasV = 0, rMenosV = 0;
    for (int j = 0; j < e.numVanos; ++j) {
        const double* L =
            &casos[static_cast<size_t>(1 + j)].fuerzasExtremo[static_cast<size_t>(4 * i)];
        const Rige bit = 1u << j;
        if (j != i) {
            masV += std::max(0.0, L[0]);
            menosV += std::min(0.0, L[0]);
            rMasV |= L[0] > 0.0 ? bit : 0u;
            rMenosV |= L[0] < 0.0 ? bit : 0u;
            for (int k = 0; k < t.m; ++k) {
                const double M = -L[1] + t.x[k] * L[0];
                cv.Mmax[k] += std::max(0.0, M);
                cv.Mmin[k] += std::min(0.0, M);
                cv.rMmax[k] |= M > 0.0 ? bit : 0u;
                cv.rMmin[k] |= M < 0.0 ? bit : 0u;
            }
            continue;
        }
        const double wL = e.cargaViva[i];
        for (int k = 0; k < t.m; ++k) {
            const double M = -L[1] + t.x[k] * L[0] - 0.5 * wL * t.X2[k];
            const double V = L[0] - wL * t.x[k];
            cv.Mmax[k] += std::max(0.0, M);
            cv.Mmin[k] += std::min(0.0, M);
            cv.Vmax[k] += std::max(0.0, V);
            cv.Vmin[k] += std::min(0.0, V);
            cv.rMmax[k] |= M > 0.0 ? bit : 0u;
            cv.rMmin[k] |= M < 0.0 ? bit : 0u;
            cv.rVmax[k] |= V > 0.0 ? bit : 0u;
            cv.rVmin[k] |= V < 0.0 ? bit : 0u;
        }
    }
    for (int k = 0; k < t.m; ++k) {
        cv.Vmax[k] += masV;
        cv.Vmin[k] += menosV;
        cv.rVmax[k] |= rMasV;
        cv.rVmin[k] |= rMenosV;
    }
}

Estado GuardaCurvas(const CurvasVano& cv, int i, const EstacionesVano& d, EstacionesVano& maximos,
                    EstacionesVano& minimos, EnvolventeVano& ev) {
    const std::string vano = " del vano " + std::to_string(i + 1);
    for (int k = 0; k < cv.m; ++k) {
        for (double v : {cv.Vmax[k], cv.Vmin[k]})
            if (!CabeEnSimple(v))
                return Estado::Falla(MensajeFueraDeRango(v, "del cortante" + vano));
        for (double v : {cv.Mmax[k], cv.Mmin[k]})
            if (!CabeEnSimple(v))
                return Estado::Falla(MensajeFueraDeRango(v, "del momento" + vano));
    }
    maximos.x = minimos.x = d.x;
    maximos.cortante.assign(cv.Vmax, cv.Vmax + cv.m);
    maximos.momento.assign(cv.Mmax, cv.Mmax + cv.m);
    minimos.cortante.assign(cv.Vmin, cv.Vmin + cv.m);
    minimos.momento.assign(cv.Mmin, cv.Mmin + cv.m);
    ev.rigeMomentoMax.assign(cv.rMmax, cv.rMmax + cv.m);
    ev.rigeMomentoMin.assign(cv.rMmin, cv.rMmin + cv.m);
    ev.rigeCortanteMax.assign(cv.rVmax, cv.rVmax + cv.m);
    ev.rigeCortanteMin.assign(cv.rVmin, cv.rVmin + cv.m);
    const int u = cv.m - 1;
    ev.momentoIzq = static_cast<float>(cv.Mmin[0]);
    ev.momentoDer = static_cast<float>(cv.Mmin[u]);
    ev.cortanteIzq = static_cast<float>(
        std::fabs(cv.Vmax[0]) >= std::fabs(cv.Vmin[0]) ? cv.Vmax[0] : cv.Vmin[0]);
    ev.cortanteDer = static_cast<float>(
        std::fabs(cv.Vmax[u]) >= std::fabs(cv.Vmin[u]) ? cv.Vmax[u] : cv.Vmin[u]);
    return Estado::Bien();
}

// The hogging of the smallest moment at mid-span: the regular station k = 50.
float NegativoCentro(const EntradaCalculo& e, int i, const CurvasVano& cv,
                     const TerminosEstaciones& t) {
    const double centro = static_cast<float>(50 * static_cast<double>(e.longVano[i]) / 100.0);
    for (int k = 0; k < t.m; ++k)
        if (t.x[k] == centro) return static_cast<float>(-std::min(0.0, cv.Mmin[k]));
    return 0.0f;
}

// The largest sagging moment between stations: that of the governing arrangements, found
// exactly (the largest of the envelope is the largest of some arrangement).
void MaximoPositivo(const EntradaCalculo& e, int i, const CurvasVano& cv,
                    const std::vector<CasoCarga>& casos, MetodoEnvolvente metodo,
                    EnvolventeVano& ev) {
    const double L = e.longVano[i];
    const int nc = e.numCargas[i];
    MaximoVano mejor{0.0, 0.0};
    Rige rige = 0;
    bool hay = false;
    auto prueba = [&](double vI, double mI, double w, Rige r) {
        const MaximoVano m = MaximoExactoVano(vI, mI, w, nc, e.distCarga[i], e.cargaConc[i], L);
        if (!hay || m.momento > mejor.momento) mejor = m, rige = r, hay = true;
    };
    if (metodo == MetodoEnvolvente::kCasosNorma) {
        for (size_t c = 0; c < casos.size(); ++c) {
            const double* F = &casos[c].fuerzasExtremo[static_cast<size_t>(4 * i)];
            const uint32_t vanos = casos[c].vanosCargados;
            prueba(F[0], F[1], CargaCaso(e, i, vanos), static_cast<Rige>(c));
        }
    } else {
        // The arrangements governing the largest station and its neighbours: within a
        // hundredth of the span no more than two live-load effects change sign.
        const int k0 = static_cast<int>(std::max_element(cv.Mmax, cv.Mmax + cv.m) - cv.Mmax);
        Rige vistos[3];
        int cuantos = 0;
        for (int k = std::max(0, k0 - 1); k <= std::min(cv.m - 1, k0 + 1); ++k) {
            const Rige S = cv.rMmax[k];
            if (std::find(vistos, vistos + cuantos, S) != vistos + cuantos) continue;
            vistos[cuantos++] = S;
            double vI = casos[0].fuerzasExtremo[static_cast<size_t>(4 * i)];
            double mI = casos[0].fuerzasExtremo[static_cast<size_t>(4 * i + 1)];
            for (int j = 0; j < e.numVanos; ++j)
                if (S & (1u << j)) {
                    vI += casos[static_cast<size_t>(1 + j)]
                              .fuerzasExtremo[static_cast<size_t>(4 * i)];
                    mI += casos[static_cast<size_t>(1 + j)]
                              .fuerzasExtremo[static_cast<size_t>(4 * i + 1)];
                }
            prueba(vI, mI, CargaCaso(e, i, S), S);
        }
    }
    ev.momentoPositivo = static_cast<float>(std::max(0.0, mejor.momento));
    ev.xMomentoPositivo = mejor.momento > 0.0 ? static_cast<float>(mejor.x) : 0.0f;
    ev.rigeMomentoPositivo = rige;
}

void ExtremosNudos(int n, MetodoEnvolvente metodo, Envolventes& env) {
    env.nudos.assign(static_cast<size_t>(n + 1), {});
    for (int j = 0; j <= n; ++j) {
        EnvolventeNudo& nd = env.nudos[static_cast<size_t>(j)];
        const size_t kR = static_cast<size_t>(2 * j), kM = kR + 1;
        if (metodo == MetodoEnvolvente::kCasosNorma) {
            for (size_t c = 0; c < env.casos.size(); ++c) {
                const float R = env.casos[c].reacciones[kR], M = env.casos[c].reacciones[kM];
                const Rige r = static_cast<Rige>(c);
                if (c == 0 || R > nd.reaccionMax) nd.reaccionMax = R, nd.rigeReaccionMax = r;
                if (c == 0 || R < nd.reaccionMin) nd.reaccionMin = R, nd.rigeReaccionMin = r;
                if (c == 0 || M > nd.momentoMax) nd.momentoMax = M, nd.rigeMomentoMax = r;
                if (c == 0 || M < nd.momentoMin) nd.momentoMin = M, nd.rigeMomentoMin = r;
            }
        } else {
            double Rmax = env.casos[0].reacciones[kR], Rmin = Rmax;
            double Mmax = env.casos[0].reacciones[kM], Mmin = Mmax;
            for (int v = 0; v < n; ++v) {
                const double R = env.casos[static_cast<size_t>(1 + v)].reacciones[kR];
                const double M = env.casos[static_cast<size_t>(1 + v)].reacciones[kM];
                const Rige bit = 1u << v;
                if (R > 0) Rmax += R, nd.rigeReaccionMax |= bit;
                if (R < 0) Rmin += R, nd.rigeReaccionMin |= bit;
                if (M > 0) Mmax += M, nd.rigeMomentoMax |= bit;
                if (M < 0) Mmin += M, nd.rigeMomentoMin |= bit;
            }
            nd.reaccionMax = static_cast<float>(Rmax);
            nd.reaccionMin = static_cast<float>(Rmin);
            nd.momentoMax = static_cast<float>(Mmax);
            nd.momentoMin = static_cast<float>(Mmin);
        }
    }
}

}  // namespace

Estado CalculaEnvolventes(const EntradaCalculo& e, const SolucionViga& todos,
                          MetodoEnvolvente metodo, Resultados& r) {
    r.envolventes.reset();
    const int n = e.numVanos;
    Envolventes env;
    env.metodo = metodo;

    RigidezFactorizada f;
    if (Estado factorizada = FactorizaRigidez(e, f); !factorizada) return factorizada;
    double fP[kMaxVanos][4];
    for (int i = 0; i < n; ++i) FuerzasEmpotramientoPuntuales(e, i, fP[i]);
    double w[kMaxVanos] = {};
    if (metodo == MetodoEnvolvente::kCasosNorma) {
        for (const DefinicionCaso& d : CasosNorma(n)) {
            CasoCarga caso{d.nombre, d.vanos, {}, {}};
            if (d.vanos == TodosLosVanos(n)) {
                // The all-loaded arrangement is the run's own solution, to the bit.
                CopiaCaso(e, todos, caso);
            } else {
                for (int i = 0; i < n; ++i) w[i] = CargaCaso(e, i, d.vanos);
                if (Estado s = ResuelveCaso(e, f, fP, w, true, true, caso); !s) return s;
            }
            env.casos.push_back(std::move(caso));
        }
    } else {
        CasoCarga muerta{"carga muerta", 0, {}, {}};
        for (int i = 0; i < n; ++i) w[i] = CargaCaso(e, i, 0);
        if (Estado s = ResuelveCaso(e, f, fP, w, true, true, muerta); !s) return s;
        env.casos.push_back(std::move(muerta));
        for (int j = 0; j < n; ++j) {
            CasoCarga viva{"viva en vano " + std::to_string(j + 1), 1u << j, {}, {}};
            for (int i = 0; i < n; ++i) w[i] = i == j ? e.cargaViva[i] : 0.0;
            if (Estado s = ResuelveCaso(e, f, fP, w, false, false, viva); !s) return s;
            env.casos.push_back(std::move(viva));
        }
    }

    env.maximos.resize(static_cast<size_t>(n));
    env.minimos.resize(static_cast<size_t>(n));
    env.vanos.resize(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        const EstacionesVano& d = r.diagramas[static_cast<size_t>(i)];
        TerminosEstaciones t;
        Terminos(e, i, d, t);
        CurvasVano cv;
        if (metodo == MetodoEnvolvente::kCasosNorma)
            CurvasCasos(e, i, t, env.casos, cv);
        else
            CurvasRigurosas(e, i, t, env.casos, cv);
        EnvolventeVano& ev = env.vanos[static_cast<size_t>(i)];
        if (Estado s = GuardaCurvas(cv, i, d, env.maximos[static_cast<size_t>(i)],
                                    env.minimos[static_cast<size_t>(i)], ev);
            !s)
            return s;
        ev.momentoNegativoCentro = NegativoCentro(e, i, cv, t);
        MaximoPositivo(e, i, cv, env.casos, metodo, ev);
    }
    ExtremosNudos(n, metodo, env);
    r.envolventes = std::move(env);
    return Estado::Bien();
}

}  // namespace trabelux
