#include "analisis/estaciones.h"

#include <cfloat>
#include <cmath>

#include "analisis/precision.h"
#include "modelo/rango.h"

namespace trabelux {

namespace {

constexpr int kEstacionesRegulares = 101;

// Sum of |P| and of |P a| over the loads of one span: with them a bound of the station
// values tells whether single precision can overflow.
struct CotaCargas {
    double sumaAbsP = 0, sumaAbsPa = 0;
    CotaCargas(const EntradaCalculo& e, int vano) {
        for (int k = 0; k < e.numCargas[vano]; ++k) {
            sumaAbsP += std::fabs(e.cargaConc[vano][k]);
            sumaAbsPa +=
                std::fabs(static_cast<double>(e.cargaConc[vano][k]) * e.distCarga[vano][k]);
        }
    }
};

}  // namespace

std::string CalculaEstaciones(const EntradaCalculo& e, const SolucionViga& s, Resultados& r,
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
        CotaCargas cargas(e, i);

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
        // stored without checking each one.
        const double largo = L + kPasoCarga;
        const double cotaV = std::fabs(vI) + std::fabs(w) * largo + cargas.sumaAbsP;
        const double cotaM =
            std::fabs(mI) + largo * cotaV + 0.5 * std::fabs(w) * largo * largo + cargas.sumaAbsPa;
        const bool cabe = cotaM < 0.5 * FLT_MAX && cotaV < 0.5 * FLT_MAX;

        // Locals rather than the result's members, which the station stores could alias.
        float momMax = 0.0f, posMax = 0.0f;
        bool ordenadas = true;
        for (int k = 1; k < nc; ++k)
            if (e.distCarga[i][k] < e.distCarga[i][k - 1]) ordenadas = false;
        int izquierda = 0;
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
            // Each load left of the station, in the order entered; a load exactly at the
            // station is not yet included there. Loads entered by increasing distance (as
            // the loads dialog leaves them) are a prefix of the list at every station.
            int hasta = nc;
            if (ordenadas) {
                while (izquierda < nc && e.distCarga[i][izquierda] < x) ++izquierda;
                hasta = izquierda;
            }
            for (int k = 0; k < hasta; ++k) {
                const float a = e.distCarga[i][k];
                if (x > a) {
                    const double p = e.cargaConc[i][k];
                    M -= p * (xd - a);
                    V -= p;
                }
            }
            if (!cabe && !(CabeEnSimple(V) && CabeEnSimple(M))) {
                const bool esV = !CabeEnSimple(V);
                return MensajeFueraDeRango(
                    esV ? V : M, std::string(esV ? "del cortante" : "del momento") + " del vano " +
                                     std::to_string(i + 1));
            }
            const float momento = static_cast<float>(M);
            if (M >= 0.0 && M > momMax) {
                momMax = momento;
                posMax = x;
            }
            const double absV = std::fabs(V), absM = std::fabs(M);
            if (absV > maxCortante) maxCortante = static_cast<float>(absV);
            if (absM > maxMomento) maxMomento = static_cast<float>(absM);
            cortantes[m] = static_cast<float>(V);
            momentos[m] = momento;
        }
        r.momMaxVano[static_cast<size_t>(i)] = momMax;
        r.posMomMax[static_cast<size_t>(i)] = posMax;
        r.maxCortante = maxCortante;
        r.maxMomento = maxMomento;
        if (progreso) progreso((i + 1) * kEstacionesRegulares, totalProgreso);
    }
    return {};
}

}  // namespace trabelux
