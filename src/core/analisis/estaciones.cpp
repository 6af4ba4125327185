#include "core/analisis/estaciones.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#endif

#include "core/analisis/precision.h"
#include "core/modelo/rango.h"

namespace trabelux {

namespace {

constexpr int kEstacionesRegulares = 101;
constexpr int kMaxEstaciones = kEstacionesRegulares + 2 * kMaxCargasPorVano;

// Stations are taken in blocks of sixteen, side by side in vector registers (two or more
// chains of subtractions run at once); the buffers hold whole blocks.
constexpr int kBloque = 16;
constexpr int kMaxEstacionesBloque = (kMaxEstaciones + kBloque - 1) / kBloque * kBloque;
typedef double Par __attribute__((vector_size(16)));
typedef long long ParMascara __attribute__((vector_size(16)));
typedef double Cuatro __attribute__((vector_size(32)));
typedef long long CuatroMascara __attribute__((vector_size(32)));

// Takes the concentrated loads 0..nc-1 (at a, of P) off the moment and shear of the block
// of stations at x, in that order at every station, as the stations right of each
// load carry it. Without branches; subtracting +0 at a station not right of a load leaves
// it as it was, bit for bit, so the sums are those of one station at a time.
template <typename V, typename Mascara, int kN>
inline void AplicaCargasBloque(const double* a, const double* P, int nc, const double* x, double* M,
                               double* Q) {
    V xs[kN], ms[kN], qs[kN];
    __builtin_memcpy(xs, x, sizeof xs);
    __builtin_memcpy(ms, M, sizeof ms);
    __builtin_memcpy(qs, Q, sizeof qs);
    for (int k = 0; k < nc; ++k) {
        const double ak = a[k], p = P[k];
        const V pp = p - V{};
        for (int j = 0; j < kN; ++j) {
            const Mascara actua = xs[j] > ak;
            const V dM = p * (xs[j] - ak);
            ms[j] -= reinterpret_cast<V>(reinterpret_cast<Mascara>(dM) & actua);
            qs[j] -= reinterpret_cast<V>(reinterpret_cast<Mascara>(pp) & actua);
        }
    }
    __builtin_memcpy(M, ms, sizeof ms);
    __builtin_memcpy(Q, qs, sizeof qs);
}

void AplicaCargasSse2(const double* a, const double* P, int nc, const double* x, double* M,
                      double* Q) {
    AplicaCargasBloque<Par, ParMascara, kBloque / 2>(a, P, nc, x, M, Q);
}

#if defined(__x86_64__) && defined(__GNUC__)
// Four stations to a register where the processor has AVX2 (no FMA: the products and
// differences are rounded one by one as in the two-wide version).
__attribute__((target("avx2"))) void AplicaCargasAvx2(const double* a, const double* P, int nc,
                                                      const double* x, double* M, double* Q) {
    AplicaCargasBloque<Cuatro, CuatroMascara, kBloque / 4>(a, P, nc, x, M, Q);
}

// Eight stations to a register where the processor has AVX-512; the mask of the
// stations right of the load picks the lanes that subtract, the others keep their value
// as the subtraction of +0 leaves it. The product and the difference are separate
// instructions, so each is rounded as in the narrower versions.
__attribute__((target("avx512f"))) void AplicaCargasAvx512(const double* a, const double* P, int nc,
                                                           const double* x, double* M, double* Q) {
    static_assert(kBloque == 16, "one block, two registers");
    const __m512d x0 = _mm512_load_pd(x), x1 = _mm512_load_pd(x + 8);
    __m512d m0 = _mm512_load_pd(M), m1 = _mm512_load_pd(M + 8);
    __m512d q0 = _mm512_load_pd(Q), q1 = _mm512_load_pd(Q + 8);
    for (int k = 0; k < nc; ++k) {
        const __m512d ak = _mm512_set1_pd(a[k]), pp = _mm512_set1_pd(P[k]);
        const __mmask8 actua0 = _mm512_cmp_pd_mask(x0, ak, _CMP_GT_OQ);
        const __mmask8 actua1 = _mm512_cmp_pd_mask(x1, ak, _CMP_GT_OQ);
        m0 = _mm512_mask_sub_pd(m0, actua0, m0, _mm512_mul_pd(pp, _mm512_sub_pd(x0, ak)));
        m1 = _mm512_mask_sub_pd(m1, actua1, m1, _mm512_mul_pd(pp, _mm512_sub_pd(x1, ak)));
        q0 = _mm512_mask_sub_pd(q0, actua0, q0, pp);
        q1 = _mm512_mask_sub_pd(q1, actua1, q1, pp);
    }
    _mm512_store_pd(M, m0);
    _mm512_store_pd(M + 8, m1);
    _mm512_store_pd(Q, q0);
    _mm512_store_pd(Q + 8, q1);
}
#endif

using FuncionCargas = void (*)(const double*, const double*, int, const double*, double*, double*);
FuncionCargas FuncionDe(VectoresCargas v) {
#if defined(__x86_64__) && defined(__GNUC__)
    __builtin_cpu_init();  // this may run among the static initialisers
    const bool avx512 = __builtin_cpu_supports("avx512f"), avx2 = __builtin_cpu_supports("avx2");
    switch (v) {
        case VectoresCargas::kAvx512:
            return avx512 ? AplicaCargasAvx512 : nullptr;
        case VectoresCargas::kAvx2:
            return avx2 ? AplicaCargasAvx2 : nullptr;
        case VectoresCargas::kMasAnchos:
            return avx512 ? AplicaCargasAvx512 : avx2 ? AplicaCargasAvx2 : AplicaCargasSse2;
        case VectoresCargas::kSse2:
            break;
    }
#else
    if (v == VectoresCargas::kAvx512 || v == VectoresCargas::kAvx2) return nullptr;
#endif
    return AplicaCargasSse2;
}
FuncionCargas AplicaCargas = FuncionDe(VectoresCargas::kMasAnchos);

// Stores the stations 0..4q-1 (4q <= total) in single precision four at a time and
// raises maxV and maxM to the largest |V| and |M| among them; returns 4q. The values
// are finite and their absolute values are not negative zeros, so the largest does not
// depend on the order they are compared in, and as bit patterns non-negative floats
// order as the integers they read as.
typedef float CuatroSimples __attribute__((vector_size(16)));
typedef int CuatroEnteros __attribute__((vector_size(16)));
int GuardaCuatroEnCuatro(const double* cortV, const double* momM, int total, float* cortantes,
                         float* momentos, float& maxV, float& maxM) {
    CuatroEnteros mayorV = {}, mayorM = {};
    const CuatroEnteros sinSigno = {0x7fffffff, 0x7fffffff, 0x7fffffff, 0x7fffffff};
    const int cuatros = total / 4 * 4;
    for (int m = 0; m < cuatros; m += 4) {
        Cuatro v, mo;
        __builtin_memcpy(&v, cortV + m, sizeof v);
        __builtin_memcpy(&mo, momM + m, sizeof mo);
        const CuatroSimples V = __builtin_convertvector(v, CuatroSimples);
        const CuatroSimples M = __builtin_convertvector(mo, CuatroSimples);
        __builtin_memcpy(cortantes + m, &V, sizeof V);
        __builtin_memcpy(momentos + m, &M, sizeof M);
        const CuatroEnteros absV = reinterpret_cast<CuatroEnteros>(V) & sinSigno;
        const CuatroEnteros absM = reinterpret_cast<CuatroEnteros>(M) & sinSigno;
        const CuatroEnteros subeV = absV > mayorV, subeM = absM > mayorM;
        mayorV = (absV & subeV) | (mayorV & ~subeV);
        mayorM = (absM & subeM) | (mayorM & ~subeM);
    }
    for (int k = 0; k < 4; ++k) {
        maxV = std::max(maxV, reinterpret_cast<CuatroSimples>(mayorV)[k]);
        maxM = std::max(maxM, reinterpret_cast<CuatroSimples>(mayorM)[k]);
    }
    return cuatros;
}

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

bool UsaVectoresCargas(VectoresCargas v) {
    const FuncionCargas f = FuncionDe(v);
    if (f) AplicaCargas = f;
    return f != nullptr;
}

Estado CalculaEstaciones(const EntradaCalculo& e, const SolucionViga& s, Resultados& r,
                         const std::function<void(int, int)>& progreso) {
    const int n = e.numVanos;
    r.maxCortante = 0.0f;
    r.maxMomento = 0.0f;
    r.momMaxVano.assign(static_cast<size_t>(n), 0.0f);
    r.posMomMax.assign(static_cast<size_t>(n), 0.0f);
    r.diagramas.resize(static_cast<size_t>(n));
    const int totalProgreso = n * kEstacionesRegulares;
    alignas(64) double xd[kMaxEstacionesBloque], momM[kMaxEstacionesBloque],
        cortV[kMaxEstacionesBloque];

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
        // placed. The regular stations k L / 100 (within 0..L, L a float: Simple would
        // round them the same) are taken side by side, the divisions two or more to an
        // instruction; they never decrease.
        float regulares[kEstacionesRegulares];
        for (int k = 0; k < kEstacionesRegulares; ++k)
            regulares[k] = static_cast<float>(k * L / 100.0);
        // Load c goes just before the regular station `antesDe[c]`: the first one past it,
        // or past the load before it if that one waits longer (kEstacionesRegulares: after
        // them all). With the c loads before it and the regular stations before it, that
        // fixes its place; each regular station follows the loads placed before it. No
        // branch depends on where the loads fall.
        int antesDe[kMaxCargasPorVano];
        int cargasAntes[kEstacionesRegulares + 1] = {};
        for (int c = 0, espera = 0; c < nc; ++c) {
            const float a = e.distCarga[i][c];
            int pasadas = 0;  // regular stations not past the load
            for (int salto = 64; salto > 0; salto /= 2) {
                const int j = pasadas + salto;
                pasadas = j <= kEstacionesRegulares && regulares[j - 1] <= a ? j : pasadas;
            }
            espera = std::max(espera, pasadas);
            antesDe[c] = espera;
            ++cargasAntes[espera];
        }
        for (int c = 0; c < nc; ++c) {
            const float a = e.distCarga[i][c];
            xs[antesDe[c] + 2 * c] = a;
            xs[antesDe[c] + 2 * c + 1] = Simple(a + kPasoCarga);
        }
        for (int k = 0, colocadas = 0; k < kEstacionesRegulares; ++k) {
            colocadas += cargasAntes[k];
            xs[k + 2 * colocadas] = regulares[k];
        }
        // Loads typed out of order (the project file keeps them as typed), or two within a
        // step of each other, leave the abscissae unordered; every reader of the stations
        // (diagrams, probe, report, JSON) walks them left to right. The values below depend
        // on each station's x alone, so ordering the abscissae first is all it takes.
        if (!std::is_sorted(xs, xs + total)) std::sort(xs, xs + total);
        int m = 0;

        // Then shear and moment. A bound of |V| and |M| over the span tells whether they
        // can overflow single precision; almost always they cannot, and the stations are
        // stored without checking each one.
        const double largo = L + kPasoCarga;
        const double cotaV = std::fabs(vI) + std::fabs(w) * largo + cargas.sumaAbsP;
        const double cotaM =
            std::fabs(mI) + largo * cotaV + 0.5 * std::fabs(w) * largo * largo + cargas.sumaAbsPa;
        const bool cabe = cotaM < 0.5 * FLT_MAX && cotaV < 0.5 * FLT_MAX;

        // Shear and moment start from the end forces and the uniform load; the loads are
        // then taken one at a time over the stations they act on. Each station still
        // subtracts its loads in the order entered, so the sums are the same to the last
        // bit, but the stations no longer wait on one another.
        const int bloques = (total + kBloque - 1) / kBloque;
        for (m = total; m < bloques * kBloque; ++m) xd[m] = momM[m] = cortV[m] = 0.0;
        for (m = 0; m < total; ++m) {
            const double x = xs[m];
            double M = -mI + x * vI;
            double V = vI;
            if (w != 0.0) {
                M -= 0.5 * w * x * x;
                V -= w * x;
            }
            xd[m] = x;
            momM[m] = M;
            cortV[m] = V;
        }
        // A load acts on the stations right of it; a load exactly at a station is not yet
        // included there. Loads entered by increasing distance (as the loads dialog leaves
        // them) need not be tried on a block before the first station past them (none of
        // the block's stations is right of the load, nor of any load after it).
        double distancias[kMaxCargasPorVano], cargasP[kMaxCargasPorVano];
        bool ordenadas = true;
        for (int k = 0; k < nc; ++k) {
            distancias[k] = e.distCarga[i][k];
            cargasP[k] = e.cargaConc[i][k];
            if (k > 0 && e.distCarga[i][k] < e.distCarga[i][k - 1]) ordenadas = false;
        }
        // The loads before the block's farthest station are those tried on it (the loads
        // are in increasing order, so none after them is left of any of its stations). The
        // farthest is found in four independent runs; the block's padding holds zeros,
        // which no station is left of.
        for (int b = 0, k = 0; b < bloques; ++b) {
            if (ordenadas) {
                const double* x = xd + kBloque * b;
                double lejanas[4] = {x[0], x[1], x[2], x[3]};
                for (int est = 4; est < kBloque; est += 4)
                    for (int j = 0; j < 4; ++j) lejanas[j] = std::max(lejanas[j], x[est + j]);
                const double lejana =
                    std::max(std::max(lejanas[0], lejanas[1]), std::max(lejanas[2], lejanas[3]));
                while (k < nc && e.distCarga[i][k] < lejana) ++k;
            }
            AplicaCargas(distancias, cargasP, ordenadas ? k : nc, xd + kBloque * b,
                         momM + kBloque * b, cortV + kBloque * b);
        }

        if (!cabe)
            for (m = 0; m < total; ++m) {
                const double M = momM[m], V = cortV[m];
                if (CabeEnSimple(V) && CabeEnSimple(M)) continue;
                const bool esV = !CabeEnSimple(V);
                return Estado::Falla(MensajeFueraDeRango(
                    esV ? V : M, std::string(esV ? "del cortante" : "del momento") + " del vano " +
                                     std::to_string(i + 1)));
            }
        // The largest |V| and |M| are taken from the stored values: rounding to single
        // precision keeps the order, so this is the single value of the largest double.
        // Locals rather than the result's members, which the station stores could alias.
        float maxCortante = r.maxCortante, maxMomento = r.maxMomento;
        m = GuardaCuatroEnCuatro(cortV, momM, total, cortantes, momentos, maxCortante, maxMomento);
        for (; m < total; ++m) {
            const float V = static_cast<float>(cortV[m]), M = static_cast<float>(momM[m]);
            cortantes[m] = V;
            momentos[m] = M;
            maxCortante = std::max(maxCortante, std::fabs(V));
            maxMomento = std::max(maxMomento, std::fabs(M));
        }
        // The largest sagging moment at its first station, compared in double precision.
        // The kept value is never negative, so a station moves the walk only if its moment
        // exceeds it: a block none of which does is passed over whole (most of
        // them, on the falling and hogging parts of the diagram; the block's padding holds
        // zeros, which never do).
        float momMax = 0.0f, posMax = 0.0f;
        for (int b = 0; b < bloques; ++b) {
            const double* bloque = momM + kBloque * b;
            const Par guardado = momMax - Par{};
            ParMascara excede = {};
            for (int j = 0; j < kBloque; j += 2) {
                Par par;
                __builtin_memcpy(&par, bloque + j, sizeof par);
                excede |= par > guardado;
            }
            if (!(excede[0] | excede[1])) continue;
            const int fin = std::min(total, kBloque * (b + 1));
            for (int g = kBloque * b; g < fin; ++g) {
                const double M = momM[g];
                if (M >= 0.0 && M > momMax) {
                    momMax = static_cast<float>(M);
                    posMax = xs[g];
                }
            }
        }
        r.momMaxVano[static_cast<size_t>(i)] = momMax;
        r.posMomMax[static_cast<size_t>(i)] = posMax;
        r.maxCortante = maxCortante;
        r.maxMomento = maxMomento;
        if (progreso) progreso((i + 1) * kEstacionesRegulares, totalProgreso);
    }
    return Estado::Bien();
}

}  // namespace trabelux
