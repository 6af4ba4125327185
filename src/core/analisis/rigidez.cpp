#include "analisis/rigidez.h"

#include <cmath>

#include "analisis/calcula.h"
#include "analisis/precision.h"

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

bool Finitos(const double* v, int n) {
    for (int k = 0; k < n; ++k)
        if (!std::isfinite(v[k])) return false;
    return true;
}

}  // namespace

void FuerzasEmpotramiento(const EntradaCalculo& e, int i, double f[4]) {
    const double L = e.longVano[i];
    const double w = e.cargaUltima[i];
    f[0] = w * L / 2.0;
    f[1] = w * L * L / 12.0;
    f[2] = f[0];
    f[3] = -f[1];
    const double L2 = L * L, L3 = L2 * L;
    for (int k = 0; k < e.numCargas[i]; ++k) {
        const double P = e.cargaConc[i][k];
        const double a = e.distCarga[i][k];
        const double b = L - a;
        f[0] += P * b * b / L3 * (3.0 * L - 2.0 * b);
        f[1] += P * a * b * b / L2;
        f[2] += P * a * a / L3 * (3.0 * L - 2.0 * a);
        f[3] -= P * a * a * b / L2;
    }
}

std::string ResuelveViga(const EntradaCalculo& e, SolucionViga& s) {
    const int n = e.numVanos;
    const int grados = 2 * (n + 1);
    const int restringidos = e.numRestric;
    const int libres = grados - restringidos;
    if (restringidos < 2) return kMensajeInestable;

    // Equation numbers: free degrees of freedom first, restrained ones after, each group
    // in ascending order.
    int ecuacion[kMaxGrados];
    int acumulado = 0;
    for (int k = 0; k < grados; ++k) {
        acumulado += e.restric[k];
        ecuacion[k] = e.restric[k] ? libres + acumulado - 1 : k - acumulado;
    }

    double vectorCargas[kMaxGrados] = {};
    {
        double cargaEquiv[kMaxGrados] = {};
        for (int i = 0; i < n; ++i) {
            FuerzasEmpotramiento(e, i, s.fuerzasEmpotr[i]);
            for (int c = 0; c < 4; ++c) cargaEquiv[2 * i + c] -= s.fuerzasEmpotr[i][c];
        }
        for (int k = 0; k < grados; ++k) vectorCargas[ecuacion[k]] = e.cargaNudo[k] + cargaEquiv[k];
    }

    double desplazEc[kMaxGrados] = {};
    float reaccionesEc[kMaxGrados] = {};
    if (libres == 0) {
        for (int k = 0; k < grados; ++k) s.reacciones[k] = Simple(-vectorCargas[k]);
    } else {
        // Rows: every equation; columns: the free ones only.
        double K[kMaxGrados][kMaxGrados] = {};
        for (int i = 0; i < n; ++i) {
            const RigidezVano k = Rigidez(e, i);
            const double elem[4][4] = {{k.k12, k.k6, -k.k12, k.k6},
                                       {k.k6, k.k4, -k.k6, k.k4 / 2.0},
                                       {-k.k12, -k.k6, k.k12, -k.k6},
                                       {k.k6, k.k4 / 2.0, -k.k6, k.k4}};
            for (int c = 0; c < 4; ++c) {
                if (e.restric[2 * i + c]) continue;
                const int ec = ecuacion[2 * i + c];
                for (int r = 0; r < 4; ++r) K[ecuacion[2 * i + r]][ec] += elem[r][c];
            }
        }

        // In-place inversion of the free block; pivots and factors are taken in single
        // precision.
        for (int i = 0; i < libres; ++i) {
            const float pivote = static_cast<float>(K[i][i]);
            if (pivote == 0.0f) return kMensajeInestable;
            K[i][i] = 1.0;
            for (int c = 0; c < libres; ++c) K[i][c] /= pivote;
            for (int r = 0; r < libres; ++r) {
                if (r == i) continue;
                const float factor = static_cast<float>(K[r][i]);
                K[r][i] = 0.0;
                if (factor == 0.0f) continue;  // nothing to eliminate in a banded row
                for (int c = 0; c < libres; ++c) K[r][c] -= factor * K[i][c];
            }
        }

        for (int r = 0; r < libres; ++r) {
            double suma = 0.0;
            for (int c = 0; c < libres; ++c) suma += K[r][c] * vectorCargas[c];
            desplazEc[r] = suma;
        }
        if (!Finitos(desplazEc, libres)) return kMensajeInestable;
        for (int r = libres; r < grados; ++r) {
            float reaccion = Simple(-vectorCargas[r]);
            for (int c = 0; c < libres; ++c) reaccion = Simple(reaccion + K[r][c] * desplazEc[c]);
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
        double* f = s.fuerzasExtremo[i];
        f[0] = f0[0] + k.k12 * (d[0] - d[2]) + k.k6 * (d[1] + d[3]);
        f[1] = f0[1] + k.k6 * (d[0] - d[2]) + k.k4 * (d[1] + d[3] / 2.0);
        f[2] = f0[2] - k.k12 * (d[0] - d[2]) - k.k6 * (d[1] + d[3]);
        f[3] = f0[3] + k.k6 * (d[0] - d[2]) + k.k4 * (d[3] + d[1] / 2.0);
        if (!Finitos(f, 4)) return kMensajeInestable;
    }
    return {};
}

}  // namespace trabelux
