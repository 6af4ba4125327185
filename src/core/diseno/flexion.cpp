#include "core/diseno/flexion.h"

#include <algorithm>
#include <cmath>

#include "core/analisis/precision.h"
#include "core/base/mensajes_calculo.h"
#include "core/diseno/constantes.h"

namespace trabelux {

namespace {

using constantes_diseno::kCuantiaMinima;
using constantes_diseno::kFraccionBalanceada;
constexpr double kFiMomento = constantes_diseno::kFiFlexion;  // capacity and compression steel
constexpr double kFiCuantia = 0.9;                            // closed-form steel ratio
constexpr double kBloqueBalanceada = 0.8499999;
constexpr double kBloque = 0.85;
constexpr double kAceroEs = constantes_diseno::kEsPorDeformacion;
constexpr double kCoefMomento = 0.59;
constexpr double kTmACm = 100000.0;            // t-m to kg-cm
constexpr float kMomentoMinimoVano = 0.001f;   // t-m, compared in single precision
constexpr double kMomentoMinimoApoyo = 0.001;  // t-m
constexpr float kMomentoMinimoDiseno = 1.0f;   // kg-cm

Estado Comprueba(EstadoFlexion estado, const char* lugar, int numero) {
    if (estado == EstadoFlexion::kDobleRechazado) return Estado::Falla(kPreguntaRefuerzoDoble);
    if (estado == EstadoFlexion::kInsuficiente)
        return Estado::Falla(std::string("La seccion es insuficiente por flexion en el ") + lugar +
                             " " + std::to_string(numero));
    return Estado::Bien();
}

MaterialDiseno MaterialDe(const EntradaCalculo& e) { return {e.fc, e.fy, e.recub}; }

}  // namespace

float Beta1(double fc) {
    float beta = Simple(kBloqueBalanceada - 0.05 * (fc - 280.0) / 70.0);
    if (beta < 0.65f) beta = 0.65f;
    if (beta > 0.85f) beta = 0.85f;
    return beta;
}

double CuantiaMaxima(const MaterialDiseno& m) {
    const double fy = m.fy;
    return kFraccionBalanceada * kBloqueBalanceada * Beta1(m.fc) * m.fc * kAceroEs /
           ((kAceroEs + fy) * fy);
}

float MomentoLimiteSimple(float b, float d, const MaterialDiseno& m) {
    const double rhoMax = CuantiaMaxima(m);
    const double fy = m.fy;
    return Simple(kFiMomento * rhoMax * b * d * d * fy * (1.0 - kCoefMomento * rhoMax * fy / m.fc));
}

DisenoFlexion DisenaFlexion(float mu, float d, float b, const MaterialDiseno& m,
                            const std::function<bool()>& aceptaDoble) {
    DisenoFlexion r;
    if (mu < kMomentoMinimoDiseno) return r;
    // Without width, depth or room for the compression steel no section carries the moment
    // (and every ratio below would divide by zero).
    if (!(b > 0.0f) || !(d > 0.0f) || !(d - m.recub > 0.0f) || !(m.fc > 0) || !(m.fy > 0.0f)) {
        r.estado = EstadoFlexion::kInsuficiente;
        return r;
    }
    const double fy = m.fy, fc = m.fc;
    const double bd = static_cast<double>(b) * d;
    const double rhoMax = CuantiaMaxima(m);
    const float mu1 = MomentoLimiteSimple(b, d, m);

    if (mu <= mu1) {
        const double q = 1.0 - 2.0 * mu / (kFiCuantia * bd * d * kBloque * fc);
        const double rho = kBloque * fc / fy * (1.0 - std::sqrt(q > 0.0 ? q : 0.0));
        const float asMin = Simple(kCuantiaMinima * bd / fy);
        r.as = Simple(rho * bd);
        r.asResistencia = r.as;
        if (r.as < asMin) r.as = asMin;
        return r;
    }

    if (!aceptaDoble || !aceptaDoble()) {
        r.estado = EstadoFlexion::kDobleRechazado;
        return r;
    }
    const float dM = mu - mu1;
    const double asPrima = dM / ((d - m.recub) * fy * kFiMomento);
    const double as = rhoMax * bd + asPrima;
    const double rho = as / bd, rhoPrima = asPrima / bd;
    const double fs =
        kAceroEs * (1.0 - kBloque * fc * Beta1(fc) * m.recub / ((rho - rhoPrima) * fy * d));
    r.as = Simple(as);
    r.asResistencia = r.as;
    r.asPrima = Simple(asPrima);
    // Fails exactly when the compression steel does not yield.
    r.estado =
        rho > rhoMax + rhoPrima * fs / fy ? EstadoFlexion::kInsuficiente : EstadoFlexion::kDoble;
    return r;
}

float AreaMinimaReducida(const DisenoFlexion& f, float b, float d, const MaterialDiseno& m) {
    if (f.asPrima > 0.0f || !(m.fy > 0.0f)) return f.as;
    const double asMin = kCuantiaMinima * static_cast<double>(b) * d / m.fy;
    return Simple(std::max<double>(f.asResistencia, std::min(asMin, 4.0 / 3.0 * f.asResistencia)));
}

Estado DisenaVanos(const EntradaCalculo& e, const SolicitacionesDiseno& s, Resultados& r,
                   const std::function<bool()>& aceptaDoble) {
    const MaterialDiseno m = MaterialDe(e);
    const int n = e.numVanos;
    bool algunVano = false, algunNegativo = false;
    for (int i = 0; i < n; ++i) {
        if (std::fabs(s.positivoVano[static_cast<size_t>(i)]) > kMomentoMinimoVano)
            algunVano = true;
        if (s.negativoVano[static_cast<size_t>(i)] >= kMomentoMinimoVano) algunNegativo = true;
    }
    if (!algunVano && !algunNegativo) return Estado::Bien();

    r.refuerzoVanos.reserve(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        const float d = e.alturaVano[i] - e.recub;
        if (!(d - e.recub > 0.0f))
            return Estado::Falla("El peralte es insuficiente en el vano " + std::to_string(i + 1));
        if (algunVano) {
            const float momento = s.positivoVano[static_cast<size_t>(i)];
            const float mu = Simple(std::fabs(momento) * kTmACm);
            const DisenoFlexion f = DisenaFlexion(mu, d, e.baseVano[i], m, aceptaDoble);
            if (Estado e = Comprueba(f.estado, "vano", i + 1); !e) return e;
            r.refuerzoVanos.push_back({i + 1, momento, f.asPrima, f.as, Cara::kInferior});
        }
        const float negativo = s.negativoVano[static_cast<size_t>(i)];
        if (negativo >= kMomentoMinimoVano) {
            const DisenoFlexion f =
                DisenaFlexion(Simple(negativo * kTmACm), d, e.baseVano[i], m, aceptaDoble);
            if (Estado e = Comprueba(f.estado, "vano", i + 1); !e) return e;
            r.refuerzoVanos.push_back({i + 1, negativo, AreaMinimaReducida(f, e.baseVano[i], d, m),
                                       f.asPrima, Cara::kSuperior});
        }
    }
    return Estado::Bien();
}

Estado DisenaApoyos(const EntradaCalculo& e, const SolicitacionesDiseno& s, Resultados& r,
                    const std::function<bool()>& aceptaDoble) {
    const MaterialDiseno m = MaterialDe(e);
    const int n = e.numVanos;
    bool algunApoyo = false;
    for (int j = 0; j <= n; ++j)
        if (std::fabs(s.momentoNudo[static_cast<size_t>(j)]) > kMomentoMinimoApoyo ||
            std::fabs(s.momentoNudoOpuesto[static_cast<size_t>(j)]) >= kMomentoMinimoApoyo)
            algunApoyo = true;
    if (!algunApoyo) return Estado::Bien();

    r.refuerzoApoyos.reserve(static_cast<size_t>(n + 1));
    for (int j = 0; j <= n; ++j) {
        const double conSigno = s.momentoNudo[static_cast<size_t>(j)];
        const double opuesto = s.momentoNudoOpuesto[static_cast<size_t>(j)];
        const double momento = std::fabs(conSigno);
        if (momento < kMomentoMinimoApoyo && std::fabs(opuesto) < kMomentoMinimoApoyo) continue;
        // At an interior node the section is the mean of the two spans it joins.
        const int izq = j > 0 ? j - 1 : 0;
        const int der = j < n ? j : n - 1;
        const float d = j == 0 ? e.alturaVano[0] - e.recub
                               : (e.alturaVano[izq] + e.alturaVano[der]) / 2.0f - e.recub;
        const float b = j == 0 ? e.baseVano[0] : (e.baseVano[izq] + e.baseVano[der]) / 2.0f;
        if (!(d - e.recub > 0.0f))
            return Estado::Falla("El peralte es insuficiente en el apoyo " + std::to_string(j + 1));
        if (momento >= kMomentoMinimoApoyo) {
            const float mu = Simple(momento * kTmACm);
            const DisenoFlexion f = DisenaFlexion(mu, d, b, m, aceptaDoble);
            if (Estado e = Comprueba(f.estado, "apoyo", j + 1); !e) return e;
            // A sagging node (no support under it, or lifted) has its tension at the bottom.
            if (conSigno > 0.0)
                r.refuerzoApoyos.push_back(
                    {j + 1, Simple(mu / kTmACm), f.asPrima, f.as, Cara::kInferior});
            else
                r.refuerzoApoyos.push_back(
                    {j + 1, Simple(mu / kTmACm), f.as, f.asPrima, Cara::kSuperior});
        }
        if (std::fabs(opuesto) >= kMomentoMinimoApoyo) {
            const float mu = Simple(std::fabs(opuesto) * kTmACm);
            const DisenoFlexion f = DisenaFlexion(mu, d, b, m, aceptaDoble);
            if (Estado e = Comprueba(f.estado, "apoyo", j + 1); !e) return e;
            const float area = AreaMinimaReducida(f, b, d, m);
            if (opuesto > 0.0)
                r.refuerzoApoyos.push_back(
                    {j + 1, Simple(mu / kTmACm), f.asPrima, area, Cara::kInferior});
            else
                r.refuerzoApoyos.push_back(
                    {j + 1, Simple(mu / kTmACm), area, f.asPrima, Cara::kSuperior});
        }
    }
    return Estado::Bien();
}

}  // namespace trabelux
