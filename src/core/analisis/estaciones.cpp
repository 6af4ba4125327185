#include "analisis/estaciones.h"

#include <cfloat>
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
    double sumaAbsP = 0, sumaAbsPa = 0;  // for a bound of the station values
    int izquierda = 0;                   // loads strictly left of the last station asked about

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
            sumaAbsP += std::fabs(p[k]);
            sumaAbsPa += std::fabs(static_cast<double>(p[k]) * a[k]);
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
        float* xs = d.x.data();
        float* cortantes = d.cortante.data();
        float* momentos = d.momento.data();

        // Abscissae first. Loads are placed in the order entered, each where the regular
        // sequence first passes it; past the right end only the loads still waiting are
        // placed.
        int m = 0, c = 0;
        for (int k = 1; m < total; ++k) {
            const float x = Simple((k - 1) * L / 100.0);
            while (c < nc && m < total && (x > e.distCarga[i][c] || k > kEstacionesRegulares)) {
                const float a = e.distCarga[i][c];
                xs[m++] = a;
                if (m < total) xs[m++] = Simple(a + kPasoCarga);
                ++c;
            }
            if (m < total) xs[m++] = x;
        }

        // Then shear and moment. A bound of |V| and |M| over the span tells whether they
        // can overflow single precision; almost always they cannot, and the stations are
        // stored without the saturating conversion.
        const double largo = L + kPasoCarga;
        const double cotaV = std::fabs(vI) + std::fabs(w) * largo + cargas.sumaAbsP;
        const double cotaM =
            std::fabs(mI) + largo * cotaV + 0.5 * std::fabs(w) * largo * largo + cargas.sumaAbsPa;
        const bool cabe = cotaM < 0.5 * FLT_MAX && cotaV < 0.5 * FLT_MAX;
        auto aSimple = [cabe](double v) { return cabe ? static_cast<float>(v) : Simple(v); };

        // Locals rather than the result's members, which the station stores could alias.
        float momMax = 0.0f, posMax = 0.0f;
        float maxCortante = r.maxCortante, maxMomento = r.maxMomento;
        for (m = 0; m < total; ++m) {
            const float x = xs[m];
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
            const float momento = aSimple(M);
            if (M >= 0.0 && M > momMax) {
                momMax = momento;
                posMax = x;
            }
            const double absV = std::fabs(V), absM = std::fabs(M);
            if (absV > maxCortante) maxCortante = aSimple(absV);
            if (absM > maxMomento) maxMomento = aSimple(absM);
            cortantes[m] = aSimple(V);
            momentos[m] = momento;
        }
        r.momMaxVano[static_cast<size_t>(i)] = momMax;
        r.posMomMax[static_cast<size_t>(i)] = posMax;
        r.maxCortante = maxCortante;
        r.maxMomento = maxMomento;
        if (progreso) progreso((i + 1) * kEstacionesRegulares, totalProgreso);
    }
}

}  // namespace trabelux
