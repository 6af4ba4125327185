#include "analisis/estaciones.h"

#include <cmath>

#include "analisis/precision.h"

namespace trabelux {

namespace {

constexpr int kEstacionesRegulares = 101;

// The loads of one span sorted by distance, with running sums of P and P x a, so the
// loads left of a station are summed in constant time instead of one by one.
struct CargasOrdenadas {
    int n = 0;
    float a[kMaxCargasPorVano];
    double sumaP[kMaxCargasPorVano + 1];
    double sumaPa[kMaxCargasPorVano + 1];
    int izquierda = 0;  // loads strictly left of the last station asked about

    CargasOrdenadas(const EntradaCalculo& e, int vano) : n(e.numCargas[vano]) {
        float p[kMaxCargasPorVano];
        for (int k = 0; k < n; ++k) {
            // Stable insertion by distance.
            float ak = e.distCarga[vano][k], pk = e.cargaConc[vano][k];
            int j = k;
            for (; j > 0 && a[j - 1] > ak; --j) {
                a[j] = a[j - 1];
                p[j] = p[j - 1];
            }
            a[j] = ak;
            p[j] = pk;
        }
        sumaP[0] = sumaPa[0] = 0.0;
        for (int k = 0; k < n; ++k) {
            sumaP[k + 1] = sumaP[k] + p[k];
            sumaPa[k + 1] = sumaPa[k] + static_cast<double>(p[k]) * a[k];
        }
    }

    // Number of loads strictly left of x (a load at a station is not yet included there).
    int Izquierda(float x) {
        while (izquierda < n && a[izquierda] < x) ++izquierda;
        while (izquierda > 0 && !(a[izquierda - 1] < x)) --izquierda;
        return izquierda;
    }
};

}  // namespace

void CalculaEstaciones(const EntradaCalculo& e, const SolucionViga& s, Resultados& r,
                       const std::function<void(int, int)>& progreso) {
    const int n = e.numVanos;
    r.maxCortante = 0.0f;
    r.maxMomento = 0.0f;
    r.momMaxVano.assign(static_cast<size_t>(n), 0.0f);
    r.posMomMax.assign(static_cast<size_t>(n), 0.0f);
    r.diagramas.resize(static_cast<size_t>(n));
    const int totalProgreso = n * kEstacionesRegulares;

    for (int i = 0; i < n; ++i) {
        const double L = e.longVano[i];
        const double w = e.cargaUltima[i];
        const double vI = s.fuerzasExtremo[i][0];
        const double mI = s.fuerzasExtremo[i][1];
        const int nc = e.numCargas[i];
        const int total = kEstacionesRegulares + 2 * nc;
        CargasOrdenadas cargas(e, i);

        EstacionesVano& d = r.diagramas[static_cast<size_t>(i)];
        d.x.resize(static_cast<size_t>(total));
        d.cortante.resize(static_cast<size_t>(total));
        d.momento.resize(static_cast<size_t>(total));
        // Locals rather than the result's members: the station stores cannot alias them.
        float* xs = d.x.data();
        float* cortantes = d.cortante.data();
        float* momentos = d.momento.data();
        float momMax = 0.0f, posMax = 0.0f;
        float maxCortante = r.maxCortante, maxMomento = r.maxMomento;

        int m = 0;
        auto guarda = [&](float x) {
            const double xd = x;
            double M = -mI + xd * vI;
            double V = vI;
            if (w != 0.0) {
                M -= 0.5 * w * xd * xd;
                V -= w * xd;
            }
            const int k = cargas.Izquierda(x);
            M -= xd * cargas.sumaP[k] - cargas.sumaPa[k];
            V -= cargas.sumaP[k];
            if (M >= 0.0 && M > momMax) {
                momMax = Simple(M);
                posMax = x;
            }
            if (std::fabs(V) > maxCortante) maxCortante = Simple(std::fabs(V));
            if (std::fabs(M) > maxMomento) maxMomento = Simple(std::fabs(M));
            xs[m] = x;
            cortantes[m] = Simple(V);
            momentos[m] = Simple(M);
            ++m;
        };

        // Loads are placed in the order entered, each where the regular sequence first
        // passes it; past the right end only the loads still waiting are placed.
        int c = 0;
        for (int k = 1; m < total; ++k) {
            const float x = Simple((k - 1) * L / 100.0);
            while (c < nc && m < total && (x > e.distCarga[i][c] || k > kEstacionesRegulares)) {
                const float a = e.distCarga[i][c];
                guarda(a);
                if (m < total) guarda(Simple(a + kPasoCarga));
                ++c;
            }
            if (m < total) guarda(x);
        }
        r.momMaxVano[static_cast<size_t>(i)] = momMax;
        r.posMomMax[static_cast<size_t>(i)] = posMax;
        r.maxCortante = maxCortante;
        r.maxMomento = maxMomento;
        if (progreso) progreso((i + 1) * kEstacionesRegulares, totalProgreso);
    }
}

}  // namespace trabelux
