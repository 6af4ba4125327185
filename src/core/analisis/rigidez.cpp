#include "core/analisis/rigidez.h"

#include <cfloat>
#include <cmath>

#include "core/base/mensajes_calculo.h"
#include "core/modelo/rango.h"
#include "core/texto/numeros.h"

namespace trabelux {

namespace {

struct RigidezVano {
    double k4, k6, k12;  // 4EI/L, 6EI/L^2, 12EI/L^3
};

RigidezVano Rigidez(const EntradaCalculo& e, int i) {
    double L = e.longVano[i];
    RigidezVano r;
    r.k4 = 4.0 * e.moduloE * e.inerciaVano[i] / L;
    r.k6 = 1.5 * r.k4 / L;
    r.k12 = 2.0 * r.k6 / L;
    return r;
}

// Pivots are taken in single precision: a stiffness term that is not a normal single
// value would leave a zero pivot on a well supported beam.
bool RigidezUtil(const RigidezVano& r) {
    for (double k : {r.k4, r.k6, r.k12})
        if (!CabeEnSimple(k) || std::fabs(static_cast<float>(k)) < FLT_MIN) return false;
    return true;
}

// Names of a degree of freedom's load or displacement, and of the end forces of a span.
std::string NombreGrado(const char* fuerza, const char* momento, int grado) {
    return std::string(grado % 2 == 0 ? fuerza : momento) + " del nudo " +
           std::to_string(grado / 2 + 1);
}
std::string NombreFuerzaExtremo(int c, int vano) {
    static const char* const kNombres[] = {
        "del cortante en el extremo izquierdo", "del momento en el extremo izquierdo",
        "del cortante en el extremo derecho", "del momento en el extremo derecho"};
    return std::string(kNombres[c]) + " del vano " + std::to_string(vano);
}

}  // namespace

namespace {

// Adds the fixed-end forces of span i's concentrated loads to f.
void SumaPuntuales(const EntradaCalculo& e, int i, double f[4]) {
    const double L = e.longVano[i];
    const double L2 = L * L, L3 = L2 * L;
    // Each load's four terms first, side by side (the divisions then go two or more to an
    // instruction), then added in the order the loads were entered, so the sums are those
    // of one load at a time to the last bit.
    const int nc = e.numCargas[i];
    double t0[kMaxCargasPorVano], t1[kMaxCargasPorVano], t2[kMaxCargasPorVano],
        t3[kMaxCargasPorVano];
    for (int k = 0; k < nc; ++k) {
        const double P = e.cargaConc[i][k];
        const double a = e.distCarga[i][k];
        const double b = L - a;
        t0[k] = P * b * b / L3 * (3.0 * L - 2.0 * b);
        t1[k] = P * a * b * b / L2;
        t2[k] = P * a * a / L3 * (3.0 * L - 2.0 * a);
        t3[k] = P * a * a * b / L2;
    }
    for (int k = 0; k < nc; ++k) {
        f[0] += t0[k];
        f[1] += t1[k];
        f[2] += t2[k];
        f[3] -= t3[k];
    }
}

}  // namespace

void FuerzasEmpotramiento(const EntradaCalculo& e, int i, double f[4]) {
    const double L = e.longVano[i];
    const double w = e.cargaUltima[i];
    f[0] = w * L / 2.0;
    f[1] = w * L * L / 12.0;
    f[2] = f[0];
    f[3] = -f[1];
    SumaPuntuales(e, i, f);
}

void FuerzasEmpotramientoPuntuales(const EntradaCalculo& e, int i, double f[4]) {
    f[0] = f[1] = f[2] = f[3] = 0.0;
    SumaPuntuales(e, i, f);
}

Estado NumeraRigidez(const EntradaCalculo& e, RigidezFactorizada& f) {
    const int n = e.numVanos;
    f.grados = 2 * (n + 1);
    const int restringidos = e.numRestric;
    f.libres = f.grados - restringidos;
    if (restringidos < 2) return Estado::Falla(kMensajeInestable);
    for (int i = 0; i < n; ++i)
        if (!RigidezUtil(Rigidez(e, i)))
            return Estado::Falla(
                "Los valores de la longitud (" + TextoSimple(e.longVano[i]) + ") y la inercia (" +
                TextoCorto(e.inerciaVano[i]) + ") del vano " + std::to_string(i + 1) +
                " dan una rigidez fuera del rango que el programa puede calcular.");

    // Equation numbers: free degrees of freedom first, restrained ones after, each group
    // in ascending order.
    int acumulado = 0;
    for (int k = 0; k < f.grados; ++k) {
        acumulado += e.restric[k];
        f.ecuacion[k] = e.restric[k] ? f.libres + acumulado - 1 : k - acumulado;
    }
    return Estado::Bien();
}

Estado VectorCargas(const EntradaCalculo& e, const RigidezFactorizada& f, const CargasCaso& c,
                    double vectorCargas[kMaxGrados]) {
    const int n = e.numVanos;
    double cargaEquiv[kMaxGrados] = {};
    for (int i = 0; i < n; ++i) {
        for (int k = 0; k < 4; ++k)
            if (!CabeEnSimple(c.fuerzasEmpotr[i][k]))
                return Estado::Falla(
                    MensajeFueraDeRango(c.fuerzasEmpotr[i][k], NombreFuerzaExtremo(k, i + 1)));
        for (int k = 0; k < 4; ++k) cargaEquiv[2 * i + k] -= c.fuerzasEmpotr[i][k];
    }
    for (int k = 0; k < f.grados; ++k) {
        vectorCargas[f.ecuacion[k]] = c.cargaNudo[k] + cargaEquiv[k];
        if (!CabeEnSimple(vectorCargas[f.ecuacion[k]]))
            return Estado::Falla(MensajeFueraDeRango(vectorCargas[f.ecuacion[k]],
                                                     NombreGrado("de la carga", "del momento", k)));
    }
    return Estado::Bien();
}

Estado InvierteRigidez(const EntradaCalculo& e, RigidezFactorizada& f) {
    const int n = e.numVanos;
    const int libres = f.libres;
    if (libres == 0) return Estado::Bien();
    auto& K = f.K;
    for (int r = 0; r < f.grados; ++r)
        for (int c = 0; c < libres; ++c) K[r][c] = 0.0;
    // Rows: every equation; columns: the free ones only.
    for (int i = 0; i < n; ++i) {
        const RigidezVano k = Rigidez(e, i);
        const double elem[4][4] = {{k.k12, k.k6, -k.k12, k.k6},
                                   {k.k6, k.k4, -k.k6, k.k4 / 2.0},
                                   {-k.k12, -k.k6, k.k12, -k.k6},
                                   {k.k6, k.k4 / 2.0, -k.k6, k.k4}};
        for (int c = 0; c < 4; ++c) {
            if (e.restric[2 * i + c]) continue;
            const int ec = f.ecuacion[2 * i + c];
            for (int r = 0; r < 4; ++r) K[f.ecuacion[2 * i + r]][ec] += elem[r][c];
        }
    }

    // In-place inversion of the free block; pivots and factors are taken in single
    // precision. The pivot row holds zeros past its last nonzero column (the band
    // not yet filled in); with a positive pivot they stay +0, and subtracting a
    // multiple of +0 changes no value the rows hold (none is -0), so the rows are
    // updated up to that column only. A negative pivot takes the whole row. Rows of
    // restrained equations are never eliminated: they keep the stiffness that couples
    // them to the free ones, for the reactions.
    for (int i = 0; i < libres; ++i) {
        const float pivote = static_cast<float>(K[i][i]);
        if (pivote == 0.0f) return Estado::Falla(kMensajeInestable);
        K[i][i] = 1.0;
        int hasta = libres;
        if (pivote > 0.0f)
            while (hasta > i + 1 && K[i][hasta - 1] == 0.0) --hasta;
        for (int c = 0; c < hasta; ++c) K[i][c] /= pivote;
        for (int r = 0; r < libres; ++r) {
            if (r == i) continue;
            const float factor = static_cast<float>(K[r][i]);
            K[r][i] = 0.0;
            if (factor == 0.0f) continue;  // nothing to eliminate in a banded row
            for (int c = 0; c < hasta; ++c) K[r][c] -= factor * K[i][c];
        }
    }
    return Estado::Bien();
}

Estado ResuelveVector(const EntradaCalculo& e, const RigidezFactorizada& f, const CargasCaso& c,
                      const double vectorCargas[kMaxGrados], SolucionViga& s) {
    const int n = e.numVanos;
    const int grados = f.grados;
    const int libres = f.libres;
    const auto& K = f.K;
    const int* ecuacion = f.ecuacion;
    for (int i = 0; i < n; ++i)
        for (int k = 0; k < 4; ++k) s.fuerzasEmpotr[i][k] = c.fuerzasEmpotr[i][k];
    double desplazEc[kMaxGrados] = {};
    float reaccionesEc[kMaxGrados] = {};
    if (libres == 0) {
        for (int k = 0; k < grados; ++k) s.reacciones[k] = static_cast<float>(-vectorCargas[k]);
    } else {
        for (int r = 0; r < libres; ++r) {
            double suma = 0.0;
            for (int col = 0; col < libres; ++col) suma += K[r][col] * vectorCargas[col];
            desplazEc[r] = suma;
        }
        for (int k = 0; k < grados; ++k)
            if (!e.restric[k] && !std::isfinite(desplazEc[ecuacion[k]]))
                return Estado::Falla(MensajeFueraDeRango(
                    desplazEc[ecuacion[k]], NombreGrado("del desplazamiento", "del giro", k)));
        // Reactions are summed in single precision, each partial sum kept.
        for (int k = 0; k < grados; ++k) {
            if (!e.restric[k]) continue;
            const int r = ecuacion[k];
            float reaccion = static_cast<float>(-vectorCargas[r]);
            for (int col = 0; col < libres; ++col) {
                // A restrained row couples to a few free ones only: adding a zero term
                // leaves a nonzero sum as it was (a zero sum still takes it, for its sign).
                if (K[r][col] == 0.0 && reaccion != 0.0f) continue;
                const double suma = reaccion + K[r][col] * desplazEc[col];
                if (!CabeEnSimple(suma))
                    return Estado::Falla(MensajeFueraDeRango(
                        suma, NombreGrado("de la reaccion", "del momento de reaccion", k)));
                reaccion = static_cast<float>(suma);
            }
            reaccionesEc[r] = reaccion;
        }
        for (int k = 0; k < grados; ++k) {
            s.desplaz[k] = e.restric[k] ? 0.0 : desplazEc[ecuacion[k]];
            s.reacciones[k] = e.restric[k] ? reaccionesEc[ecuacion[k]] : 0.0f;
        }
    }

    for (int i = 0; i < n; ++i) {
        const RigidezVano k = Rigidez(e, i);
        const double* d = &s.desplaz[static_cast<size_t>(2 * i)];
        const double* f0 = s.fuerzasEmpotr[i];
        double* fe = s.fuerzasExtremo[i];
        fe[0] = f0[0] + k.k12 * (d[0] - d[2]) + k.k6 * (d[1] + d[3]);
        fe[1] = f0[1] + k.k6 * (d[0] - d[2]) + k.k4 * (d[1] + d[3] / 2.0);
        fe[2] = f0[2] - k.k12 * (d[0] - d[2]) - k.k6 * (d[1] + d[3]);
        fe[3] = f0[3] + k.k6 * (d[0] - d[2]) + k.k4 * (d[3] + d[1] / 2.0);
        for (int m = 0; m < 4; ++m)
            if (!CabeEnSimple(fe[m]))
                return Estado::Falla(MensajeFueraDeRango(fe[m], NombreFuerzaExtremo(m, i + 1)));
    }
    return Estado::Bien();
}

void CargasDeEntrada(const EntradaCalculo& e, CargasCaso& c) {
    for (int i = 0; i < e.numVanos; ++i) FuerzasEmpotramiento(e, i, c.fuerzasEmpotr[i]);
    for (int k = 0; k < kMaxGrados; ++k) c.cargaNudo[k] = e.cargaNudo[k];
}

Estado FactorizaRigidez(const EntradaCalculo& e, RigidezFactorizada& f) {
    if (Estado numerada = NumeraRigidez(e, f); !numerada) return numerada;
    return InvierteRigidez(e, f);
}

Estado ResuelveViga(const EntradaCalculo& e, SolucionViga& s) {
    // The pieces in their order, so a fault of the loads is named before a mechanism is.
    RigidezFactorizada f;
    if (Estado numerada = NumeraRigidez(e, f); !numerada) return numerada;
    CargasCaso c;
    CargasDeEntrada(e, c);
    double vectorCargas[kMaxGrados] = {};
    if (Estado cargas = VectorCargas(e, f, c, vectorCargas); !cargas) return cargas;
    if (Estado invertida = InvierteRigidez(e, f); !invertida) return invertida;
    return ResuelveVector(e, f, c, vectorCargas, s);
}

}  // namespace trabelux
