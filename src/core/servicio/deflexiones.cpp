#include "core/servicio/deflexiones.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <tuple>
#include <utility>

#include "core/analisis/entrada.h"
#include "core/analisis/rigidez.h"
#include "core/detallado/barras.h"
#include "core/envolventes/casos.h"
#include "core/servicio/seccion_fisurada.h"

namespace trabelux {

namespace {

constexpr const char* kSoloHormigon = "Las deflexiones se calculan para vigas de hormigon.";
constexpr const char* kCargaTotal =
    "Con \"Usa carga ultima total\" no hay cargas de servicio: no se calculan deflexiones.";
constexpr const char* kSinDiseno =
    "Las deflexiones se calculan despues de \"Analisis y diseño\", con las barras del "
    "detallado.";
constexpr const char* kFactorMuerta =
    "Con factor de carga muerta cero las cargas concentradas no se pueden llevar a servicio: "
    "no se calculan deflexiones.";

// Bisection steps on the slope beside the best station: the interval (ℓ/100 at most)
// shrinks below a nanometre.
constexpr int kPasosBiseccion = 40;

double AreaCelda(const std::optional<int>& barra, const std::optional<int>& cantidad) {
    if (!barra || !cantidad || *cantidad <= 0) return 0.0;
    return static_cast<double>(AreaDeBarra(*barra)) * *cantidad;
}

// Steel of a detailing row, cm2: bottom bars, and on top the hangers with the additional
// bars.
struct AceroFila {
    double inferior = 0, superior = 0;
};
AceroFila AceroDeFila(const FilaDetallado& f) {
    return {AreaCelda(f.barraInferior, f.cantInferior),
            AreaCelda(f.barraPercha, f.cantPercha) + AreaCelda(f.barraAdicional, f.cantAdicional)};
}

// What a span's sections are made of.
struct GeometriaVano {
    double b = 0, h = 0, recub = 0;  // cm
    double ig = 0, mcr = 0;
    bool fisura = true;  // false with "Otra": Ie = Ig, no cracked section
};

// The face in tension follows the moment's sign: bottom bars under a sagging moment, top
// bars under a hogging one; the other face's bars are the compression steel.
struct AceroCara {
    double traccion = 0, compresion = 0;
};
AceroCara AceroEnCara(const AceroFila& a, double ma) {
    return ma >= 0 ? AceroCara{a.inferior, a.superior} : AceroCara{a.superior, a.inferior};
}

RespuestaSeccion Responde(double ma, const AceroFila& acero, const GeometriaVano& g,
                          const MaterialesServicio& mat) {
    RespuestaSeccion r;
    r.ma = ma;
    r.icr = g.ig;
    r.ie = g.ig;
    const AceroCara cara = AceroEnCara(acero, ma);
    if (!g.fisura || cara.traccion <= 0 || g.h <= g.recub) return r;
    r.icr =
        CalculaSeccionFisurada(g.b, g.h - g.recub, cara.traccion, mat.n, cara.compresion, g.recub)
            .icr;
    r.ie = InerciaEfectiva(ma, g.mcr, r.icr, g.ig);
    return r;
}

// Sagging moment of span i at x (t·m) from the solution's end forces and the span loads.
double Momento(const EntradaCalculo& e, const SolucionViga& s, int i, double x) {
    const double* f = s.fuerzasExtremo[i];
    double m = -f[1] + x * f[0] - 0.5 * e.cargaUltima[i] * x * x;
    for (int c = 0; c < e.numCargas[i]; ++c)
        if (x > e.distCarga[i][c]) m -= e.cargaConc[i][c] * (x - e.distCarga[i][c]);
    return m;
}

// The concentrated loads of a span in order of position.
struct CargasOrdenadas {
    int n = 0;
    double a[kMaxCargasPorVano] = {}, P[kMaxCargasPorVano] = {};
};
CargasOrdenadas OrdenaCargas(const EntradaCalculo& e, int i) {
    CargasOrdenadas c;
    c.n = e.numCargas[i];
    // Insertion: at most 20 loads, usually typed in order already.
    for (int k = 0; k < c.n; ++k) {
        const double a = e.distCarga[i][k], P = e.cargaConc[i][k];
        int j = k;
        for (; j > 0 && c.a[j - 1] > a; --j) {
            c.a[j] = c.a[j - 1];
            c.P[j] = c.P[j - 1];
        }
        c.a[j] = a;
        c.P[j] = P;
    }
    return c;
}

// The moment the positive section takes: the span's largest sagging moment, found exactly
// (ends, loads and the zero of the shear in each stretch between loads, where
// M = −mI + VI x − w x²/2 − (S0 x − S1) with S0 = Σ P, S1 = Σ P a of the loads left of
// it); a span that does not sag takes the moment at mid-span (its top steel then in
// tension).
double MomentoCentro(const EntradaCalculo& e, const SolucionViga& s, int i) {
    const double L = e.longVano[i];
    const double w = e.cargaUltima[i];
    const double vI = s.fuerzasExtremo[i][0], mI = s.fuerzasExtremo[i][1];
    const CargasOrdenadas c = OrdenaCargas(e, i);
    double S0 = 0, S1 = 0;
    auto momento = [&](double x) { return -mI + x * vI - 0.5 * w * x * x - (S0 * x - S1); };
    double mayor = momento(0.0), desde = 0.0;
    for (int k = 0; k <= c.n; ++k) {
        const double hasta = k < c.n ? c.a[k] : L;
        mayor = std::max(mayor, momento(hasta));
        const double dx = w > 0 ? (vI - w * desde - S0) / w : 0.0;
        if (dx > 0 && dx < hasta - desde) mayor = std::max(mayor, momento(desde + dx));
        if (k < c.n) {
            S0 += c.P[k];
            S1 += c.P[k] * c.a[k];
            desde = hasta;
        }
    }
    return mayor > 0 ? mayor : Momento(e, s, i, L / 2.0);
}

// Elastic curve of span i: the curvature M / EI integrated twice from the end
// displacements. Between two loads it is a quartic in x; the loads left of the stretch
// enter through the sums of P a^k, so a stretch costs the same whatever the loads:
//   EI y = EI (vI + θI x) − mI x²/2 + VI x³/6 − w x⁴/24 − Σ P (x − a)³/6
//   Σ P (x − a)³ = S0 x³ − 3 S1 x² + 3 S2 x − S3,  Sk = Σ P a^k.
struct TramoCurva {
    double c[5] = {};  // y (m, upwards) = c0 + c1 x + c2 x² + c3 x³ + c4 x⁴
    double Y(double x) const { return c[0] + x * (c[1] + x * (c[2] + x * (c[3] + x * c[4]))); }
    double Giro(double x) const {
        return c[1] + x * (2.0 * c[2] + x * (3.0 * c[3] + x * 4.0 * c[4]));
    }
};

class CurvaVano {
  public:
    CurvaVano(const EntradaCalculo& e, const SolucionViga& s, int i)
        : ei_(static_cast<double>(e.moduloE) * e.inerciaVano[i]), nc_(e.numCargas[i]) {
        const double* f = s.fuerzasExtremo[i];
        const double y0 = s.desplaz[2 * i], giro0 = s.desplaz[2 * i + 1];
        base_.c[0] = y0;
        base_.c[1] = giro0;
        base_.c[2] = -f[1] / 2.0 / ei_;
        base_.c[3] = f[0] / 6.0 / ei_;
        base_.c[4] = -e.cargaUltima[i] / 24.0 / ei_;
        const CargasOrdenadas c = OrdenaCargas(e, i);
        std::copy(c.a, c.a + nc_, a_);
        // The stretches, one per number of loads taken (from the left).
        tramos_[0] = base_;
        double S[4] = {};
        for (int k = 0; k < nc_; ++k) {
            const double a = c.a[k], P = c.P[k];
            S[0] += P;
            S[1] += P * a;
            S[2] += P * a * a;
            S[3] += P * a * a * a;
            TramoCurva& t = tramos_[k + 1];
            t = base_;
            t.c[0] += S[3] / 6.0 / ei_;
            t.c[1] -= S[2] / 2.0 / ei_;
            t.c[2] += S[1] / 2.0 / ei_;
            t.c[3] -= S[0] / 6.0 / ei_;
        }
    }
    // The stretch right of x: the loads at a <= x taken.
    const TramoCurva& Tramo(double x) const {
        int k = 0;
        while (k < nc_ && a_[k] <= x) ++k;
        return tramos_[k];
    }
    // y at x: a load at x itself has not yet bent the span there.
    double Y(double x) const {
        int k = 0;
        while (k < nc_ && a_[k] < x) ++k;
        return tramos_[k].Y(x);
    }
    // y at ascending stations, cm downward.
    void Descensos(const std::vector<float>& xs, std::vector<double>& delta) const {
        delta.resize(xs.size());
        int k = 0;
        for (size_t m = 0; m < xs.size(); ++m) {
            const double x = xs[m];
            while (k < nc_ && a_[k] < x) ++k;
            delta[m] = -100.0 * tramos_[k].Y(x);
        }
    }

  private:
    double ei_;
    int nc_;
    double a_[kMaxCargasPorVano] = {};
    TramoCurva base_;
    TramoCurva tramos_[kMaxCargasPorVano + 1];
};

// Largest downward deflection of a span (cm) and where (m): the best station, then the
// zero of the slope in the intervals beside it (no load lies inside an interval: every
// load is a station).
struct Descenso {
    double delta = 0, x = 0;
};
Descenso MayorDescenso(const CurvaVano& curva, const std::vector<float>& xs,
                       const std::vector<double>& delta) {
    const int m = static_cast<int>(xs.size());
    Descenso d{-1e300, 0};
    int mejor = 0;
    for (int k = 0; k < m; ++k)
        if (delta[static_cast<size_t>(k)] > d.delta) {
            d = {delta[static_cast<size_t>(k)], xs[static_cast<size_t>(k)]};
            mejor = k;
        }
    for (int k = std::max(mejor - 1, 0); k < std::min(mejor + 1, m - 1); ++k) {
        double a = xs[static_cast<size_t>(k)], b = xs[static_cast<size_t>(k) + 1];
        if (!(a < b)) continue;
        const TramoCurva& t = curva.Tramo(a);
        const double ga = t.Giro(a), gb = t.Giro(b);
        if ((ga < 0) == (gb < 0)) continue;
        for (int paso = 0; paso < kPasosBiseccion; ++paso) {
            const double c = 0.5 * (a + b);
            if ((t.Giro(c) < 0) == (ga < 0))
                a = c;
            else
                b = c;
        }
        const double x = 0.5 * (a + b);
        const double dx = -100.0 * t.Y(x);
        if (dx > d.delta) d = {dx, x};
    }
    return d;
}

// The analysis input under service loads: uniform load w per span, concentrated and node
// loads of the run divided by the dead-load factor.
EntradaCalculo EntradaServicio(const EntradaCalculo& base, const std::vector<double>& w,
                               double factorMuerta) {
    EntradaCalculo e = base;
    for (int i = 0; i < e.numVanos; ++i) {
        e.cargaUltima[i] = w[static_cast<size_t>(i)];
        for (int c = 0; c < e.numCargas[i]; ++c)
            e.cargaConc[i][c] = static_cast<float>(e.cargaConc[i][c] / factorMuerta);
    }
    for (int k = 0; k < 2 * (e.numVanos + 1); ++k) e.cargaNudo[k] /= factorMuerta;
    return e;
}

// Loads on a beam whose spans keep their inertias share one stiffness: it is inverted once
// and each load solved with one product. The steps are ResuelveViga's, in its order (a
// load out of range is named before a mechanism), so the numbers are the same.
class RigidezCompartida {
  public:
    explicit RigidezCompartida(const EntradaCalculo& e) : estado_(NumeraRigidez(e, f_)) {}
    Estado Resuelve(const EntradaCalculo& e, SolucionViga& s) {
        if (!estado_) return estado_;
        CargasCaso c;
        CargasDeEntrada(e, c);
        double vector[kMaxGrados] = {};
        if (Estado cargas = VectorCargas(e, f_, c, vector); !cargas) return cargas;
        if (!invertida_) {
            invertida_ = true;
            estado_ = InvierteRigidez(e, f_);
            if (!estado_) return estado_;
        }
        return ResuelveVector(e, f_, c, vector, s);
    }

  private:
    RigidezFactorizada f_;
    Estado estado_;
    bool invertida_ = false;
};

bool TieneCargasPuntuales(const EntradaCalculo& e) {
    for (int i = 0; i < e.numVanos; ++i)
        if (e.numCargas[i] > 0) return true;
    for (int k = 0; k < 2 * (e.numVanos + 1); ++k)
        if (e.cargaNudo[k] != 0.0) return true;
    return false;
}

}  // namespace

Deflexiones CalculaDeflexiones(const Proyecto& p, const DatosNumericos& datos, const Resultados& r,
                               const TablaDetallado& tabla) {
    Deflexiones out;
    if (datos.material != Material::kHormigon) {
        out.noCalculadas = kSoloHormigon;
        return out;
    }
    if (datos.usaCargaTotal) {
        out.noCalculadas = kCargaTotal;
        return out;
    }
    const int n = p.numVanos;
    const size_t nv = static_cast<size_t>(std::max(n, 0));
    if (!r.Disenado() || r.numVanos != n || r.diagramas.size() != nv ||
        r.fuerzasExtremo.size() != nv || tabla.filas.size() != 2 * nv + 1) {
        out.noCalculadas = kSinDiseno;
        return out;
    }
    const Resultado<EntradaCalculo> leida = LeeEntrada(p, datos);
    if (!leida) {
        out.noCalculadas = leida.mensaje;
        return out;
    }
    const EntradaCalculo& base = *leida.valor;
    const double fD = datos.factorMuerta;
    if (!(fD > 0) && TieneCargasPuntuales(base)) {
        out.noCalculadas = kFactorMuerta;
        return out;
    }

    // D + L: the live load on every span, or with a live-load arrangement on the spans of
    // each of the code's cases (for the rigorous envelope too: its worst arrangement for a
    // span's deflection, live load on that span and the alternate ones, is one of them);
    // each section and each span takes the largest.
    std::vector<uint32_t> cargados;
    if (datos.alternancia == AlternanciaCargaViva::kNinguna)
        cargados.push_back(~0u);
    else
        for (const DefinicionCaso& c : CasosNorma(n)) cargados.push_back(c.vanos);
    std::vector<double> wD(nv);
    for (size_t i = 0; i < nv; ++i)
        wD[i] = p.vanos[i].pesoPropio.value_or(0) + p.vanos[i].cargaMuerta.value_or(0);
    EntradaCalculo eD = EntradaServicio(base, wD, fD > 0 ? fD : 1.0);
    std::vector<EntradaCalculo> eDL;
    eDL.reserve(cargados.size());
    for (uint32_t vanos : cargados) {
        std::vector<double> w = wD;
        for (size_t i = 0; i < nv; ++i)
            if (vanos & (1u << i)) w[i] += p.vanos[i].cargaViva.value_or(0);
        eDL.push_back(EntradaServicio(base, w, fD > 0 ? fD : 1.0));
    }
    const size_t nc = eDL.size();

    // The service moments, with the grid's inertias: every load on one stiffness. With
    // the effective inertias D has its own and the cases of D + L share theirs.
    SolucionViga sD;
    std::vector<SolucionViga> sDL(nc);
    auto resuelve = [&](bool unaRigidez) {
        RigidezCompartida rigidezD(eD);
        if (Estado bien = rigidezD.Resuelve(eD, sD); !bien) return bien;
        std::optional<RigidezCompartida> rigidezPropia;
        if (!unaRigidez) rigidezPropia.emplace(eDL[0]);
        RigidezCompartida& rigidezDL = unaRigidez ? rigidezD : *rigidezPropia;
        for (size_t c = 0; c < nc; ++c)
            if (Estado bien = rigidezDL.Resuelve(eDL[c], sDL[c]); !bien) return bien;
        return Estado::Bien();
    };
    if (Estado bien = resuelve(true); !bien) {
        out.noCalculadas = bien.Mensaje();
        return out;
    }
    // The case's moment of largest magnitude.
    auto mayor = [nc](auto momento) {
        double m = momento(size_t{0});
        for (size_t c = 1; c < nc; ++c)
            if (const double mc = momento(c); std::abs(mc) > std::abs(m)) m = mc;
        return m;
    };

    // Kg/cm2 from the analysis's t/m2: the same number the stiffness uses.
    const MaterialesServicio mat = MaterialesDeServicio(datos.fc, base.moduloE / 10.0);
    out.materiales = mat;
    const bool izqEmpotrado = p.apoyoIzquierdo == CondicionExtremo::kEmpotrado;
    const bool derEmpotrado = p.apoyoDerecho == CondicionExtremo::kEmpotrado;
    const bool libreIzq = p.apoyoIzquierdo == CondicionExtremo::kNoApoyado;
    const bool libreDer = p.apoyoDerecho == CondicionExtremo::kNoApoyado;
    out.vanos.resize(nv);
    for (int i = 0; i < n; ++i) {
        DeflexionVano& dv = out.vanos[static_cast<size_t>(i)];
        const Vano& v = p.vanos[static_cast<size_t>(i)];
        GeometriaVano g;
        g.b = v.base;
        g.h = v.altura;
        g.recub = datos.recub;
        g.fisura = datos.opcionInercia == OpcionInercia::kBh3;
        g.ig = g.fisura ? InerciaBruta(g.b, g.h) : base.inerciaVano[i] * 1e8;
        g.mcr = g.fisura ? MomentoFisuracion(mat.fr, g.b, g.h) : 0.0;
        dv.ig = g.ig;
        dv.mcr = g.mcr;
        dv.voladizo = (i == 0 && libreIzq) || (i == n - 1 && libreDer);

        const AceroFila aceroIzq = AceroDeFila(tabla.filas[static_cast<size_t>(2 * i)]);
        const AceroFila aceroCentro = AceroDeFila(tabla.filas[static_cast<size_t>(2 * i + 1)]);
        const AceroFila aceroDer = AceroDeFila(tabla.filas[static_cast<size_t>(2 * i + 2)]);
        const double L = base.longVano[i];
        dv.centro.d = Responde(MomentoCentro(eD, sD, i), aceroCentro, g, mat);
        dv.izquierdo.d = Responde(Momento(eD, sD, i, 0.0), aceroIzq, g, mat);
        dv.derecho.d = Responde(Momento(eD, sD, i, L), aceroDer, g, mat);
        dv.centro.dl = Responde(mayor([&](size_t c) { return MomentoCentro(eDL[c], sDL[c], i); }),
                                aceroCentro, g, mat);
        dv.izquierdo.dl = Responde(mayor([&](size_t c) { return Momento(eDL[c], sDL[c], i, 0.0); }),
                                   aceroIzq, g, mat);
        dv.derecho.dl = Responde(mayor([&](size_t c) { return Momento(eDL[c], sDL[c], i, L); }),
                                 aceroDer, g, mat);
        // A cantilever takes its support's section; otherwise the positive section with
        // the ends that are continuous (joined to another span, or fixed).
        const bool voladizoIzq = dv.voladizo && i == 0 && libreIzq;
        SeccionDeflexion* apoyoVoladizo = voladizoIzq ? &dv.derecho : &dv.izquierdo;
        if (dv.voladizo) {
            apoyoVoladizo->cuenta = true;
            dv.ieD = apoyoVoladizo->d.ie;
            dv.ieDL = apoyoVoladizo->dl.ie;
        } else {
            dv.centro.cuenta = true;
            dv.izquierdo.cuenta = i > 0 || izqEmpotrado;
            dv.derecho.cuenta = i < n - 1 || derEmpotrado;
            for (auto [caso, ie] : {std::pair{&SeccionDeflexion::d, &dv.ieD},
                                    std::pair{&SeccionDeflexion::dl, &dv.ieDL}})
                *ie = InerciaPromedio((dv.centro.*caso).ie,
                                      dv.izquierdo.cuenta ? &(dv.izquierdo.*caso).ie : nullptr,
                                      dv.derecho.cuenta ? &(dv.derecho.*caso).ie : nullptr);
        }
        // ρ' of the section whose face in compression governs the long-term creep.
        const SeccionDeflexion& gobierna = dv.voladizo ? *apoyoVoladizo : dv.centro;
        const AceroFila& aceroGobierna =
            !dv.voladizo ? aceroCentro : (apoyoVoladizo == &dv.derecho ? aceroDer : aceroIzq);
        const double d = g.h - g.recub;
        if (d > 0 && g.b > 0)
            dv.cuantiaCompresion =
                AceroEnCara(aceroGobierna, gobierna.dl.ma).compresion / (g.b * d);
        dv.largo = 100.0 * L;
        eD.inerciaVano[i] = dv.ieD * 1e-8;
        for (EntradaCalculo& e : eDL) e.inerciaVano[i] = dv.ieDL * 1e-8;
    }

    // The beam again, each span with its effective inertia.
    if (Estado bien = resuelve(false); !bien) {
        out.noCalculadas = bien.Mensaje();
        out.vanos.clear();
        return out;
    }

    out.estaciones.resize(nv);
    std::vector<double> descensosD, descensosDL;
    for (int i = 0; i < n; ++i) {
        DeflexionVano& dv = out.vanos[static_cast<size_t>(i)];
        const std::vector<float>& xs = r.diagramas[static_cast<size_t>(i)].x;
        std::vector<float>& est = out.estaciones[static_cast<size_t>(i)];
        const CurvaVano curvaD(eD, sD, i);
        const double punta = i == 0 && libreIzq ? 0.0 : static_cast<double>(base.longVano[i]);
        if (dv.voladizo) {
            dv.deltaD = -100.0 * curvaD.Y(punta);
            dv.xMax = punta;
        } else {
            curvaD.Descensos(xs, descensosD);
            dv.deltaD = MayorDescenso(curvaD, xs, descensosD).delta;
        }
        // Each case: the shape at the stations is the largest of them, the span's value that
        // of the case that sags it most.
        for (size_t c = 0; c < nc; ++c) {
            const CurvaVano curvaDL(eDL[c], sDL[c], i);
            curvaDL.Descensos(xs, descensosDL);
            if (c == 0)
                est.assign(descensosDL.begin(), descensosDL.end());
            else
                for (size_t k = 0; k < est.size(); ++k)
                    est[k] = std::max(est[k], static_cast<float>(descensosDL[k]));
            const Descenso dl = dv.voladizo ? Descenso{-100.0 * curvaDL.Y(punta), punta}
                                            : MayorDescenso(curvaDL, xs, descensosDL);
            if (c == 0 || dl.delta > dv.deltaDL) {
                dv.deltaDL = dl.delta;
                dv.xMax = dl.x;
            }
        }
        dv.deltaL = dv.deltaDL - dv.deltaD;
        dv.lambda = FactorLargoPlazo(datos.xi, dv.cuantiaCompresion);
        dv.deltaDiferida =
            dv.lambda * (dv.deltaD + datos.fraccionSostenida * dv.deltaL) + dv.deltaL;
        const LimitesVano lim = LimitesDeFila(datos.limite, dv.largo);
        dv.limiteL = lim.limiteL;
        dv.limiteDiferida = lim.limiteDiferida;
        dv.cumple = CumpleLimites(lim, dv.deltaL, dv.deltaDiferida);
    }
    return out;
}

}  // namespace trabelux
