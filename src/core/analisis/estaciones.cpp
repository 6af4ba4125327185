#include "core/analisis/estaciones.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

#include "core/analisis/precision.h"
#include "core/modelo/rango.h"

namespace trabelux {

namespace {

constexpr int kEstacionesRegulares = 101;
constexpr int kMaxEstaciones = kEstacionesRegulares + 2 * kMaxCargasPorVano;

// Abscissae of span i: the regular stations k L / 100 and, for each concentrated load in
// the order entered, its own position and one just right of it, placed where the regular
// sequence first passes the load (after the loads placed before it). Loads entered out of
// order, or two within a step of each other, leave them unordered; every reader of the
// stations walks them left to right, and each station's values depend on its x alone, so
// they are then put in order. Returns how many.
int Abscisas(const EntradaCalculo& e, int i, float* x) {
    const double L = e.longVano[i];
    auto regular = [L](int k) { return static_cast<float>(k * L / 100.0); };
    int m = 0, k = 0;
    for (int c = 0; c < e.numCargas[i]; ++c) {
        const float a = e.distCarga[i][c];
        while (k < kEstacionesRegulares && regular(k) <= a) x[m++] = regular(k++);
        x[m++] = a;
        x[m++] = Simple(a + kPasoCarga);
    }
    while (k < kEstacionesRegulares) x[m++] = regular(k++);
    if (!std::is_sorted(x, x + m)) std::sort(x, x + m);
    return m;
}

// Shear and moment (sagging positive) at the stations x[0..n-1] of a span from its end
// forces (vI, mI: upwards and counterclockwise positive at the left end), its uniform load
// w and its concentrated loads (a, P), all downwards positive. A load acts on the stations
// right of it (at its own station it is not yet taken); each station takes its loads off
// in the order they were entered, so its sums do not depend on where the others fall.
void CortanteYMomento(const double* x, int n, double vI, double mI, double w, const double* a,
                      const double* P, int nc, double* V, double* M) {
    for (int m = 0; m < n; ++m) {
        M[m] = -mI + x[m] * vI;
        V[m] = vI;
        if (w != 0.0) {
            M[m] -= 0.5 * w * x[m] * x[m];
            V[m] -= w * x[m];
        }
    }
    for (int c = 0; c < nc; ++c) {
        // The stations are in increasing order: those right of the load follow the last
        // one not right of it.
        for (int m = static_cast<int>(std::upper_bound(x, x + n, a[c]) - x); m < n; ++m) {
            M[m] -= P[c] * (x[m] - a[c]);
            V[m] -= P[c];
        }
    }
}

}  // namespace

Estado CalculaEstaciones(const EntradaCalculo& e, const SolucionViga& s, Resultados& r,
                         const std::function<void(int, int)>& progreso) {
    const int n = e.numVanos;
    r.maxCortante = 0.0f;
    r.maxMomento = 0.0f;
    r.momMaxVano.assign(static_cast<size_t>(n), 0.0f);
    r.posMomMax.assign(static_cast<size_t>(n), 0.0f);
    r.diagramas.resize(static_cast<size_t>(n));
    const int totalProgreso = n * kEstacionesRegulares;

    for (int i = 0; i < n; ++i) {
        float xs[kMaxEstaciones];
        const int total = Abscisas(e, i, xs);
        double x[kMaxEstaciones], a[kMaxCargasPorVano], P[kMaxCargasPorVano];
        double V[kMaxEstaciones], M[kMaxEstaciones];
        for (int m = 0; m < total; ++m) x[m] = xs[m];
        const int nc = e.numCargas[i];
        for (int c = 0; c < nc; ++c) {
            a[c] = e.distCarga[i][c];
            P[c] = e.cargaConc[i][c];
        }
        CortanteYMomento(x, total, s.fuerzasExtremo[i][0], s.fuerzasExtremo[i][1], e.cargaUltima[i],
                         a, P, nc, V, M);

        // The first station whose shear or moment single precision cannot hold stops the
        // run, naming the shear first (a NaN fails the comparison too).
        bool cabe = true;
        for (int m = 0; m < total; ++m)
            cabe &= (std::fabs(V[m]) <= FLT_MAX) & (std::fabs(M[m]) <= FLT_MAX);
        for (int m = 0; m < total && !cabe; ++m) {
            if (!CabeEnSimple(V[m]))
                return Estado::Falla(
                    MensajeFueraDeRango(V[m], "del cortante del vano " + std::to_string(i + 1)));
            if (!CabeEnSimple(M[m]))
                return Estado::Falla(
                    MensajeFueraDeRango(M[m], "del momento del vano " + std::to_string(i + 1)));
        }

        EstacionesVano& d = r.diagramas[static_cast<size_t>(i)];
        d.x.assign(xs, xs + total);
        d.cortante.resize(static_cast<size_t>(total));
        d.momento.resize(static_cast<size_t>(total));
        float* cortantes = d.cortante.data();
        float* momentos = d.momento.data();
        float maxV = r.maxCortante, maxM = r.maxMomento;
        for (int m = 0; m < total; ++m) {
            cortantes[m] = static_cast<float>(V[m]);
            momentos[m] = static_cast<float>(M[m]);
        }
        for (int m = 0; m < total; ++m) {
            maxV = std::max(maxV, std::fabs(cortantes[m]));
            maxM = std::max(maxM, std::fabs(momentos[m]));
        }
        r.maxCortante = maxV;
        r.maxMomento = maxM;

        // The largest sagging moment at its first station, compared in double precision.
        float momMax = 0.0f, posMax = 0.0f;
        for (int m = 0; m < total; ++m)
            if (M[m] >= 0.0 && M[m] > momMax) {
                momMax = static_cast<float>(M[m]);
                posMax = xs[m];
            }
        r.momMaxVano[static_cast<size_t>(i)] = momMax;
        r.posMomMax[static_cast<size_t>(i)] = posMax;
        if (progreso) progreso((i + 1) * kEstacionesRegulares, totalProgreso);
    }
    return Estado::Bien();
}

}  // namespace trabelux
