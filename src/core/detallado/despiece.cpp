// Bars with their lengths; see despiece.h.
#include "core/detallado/despiece.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <utility>

#include "core/detallado/anclaje.h"
#include "core/detallado/barras.h"
#include "core/detallado/capas.h"
#include "core/detallado/verifica_filas.h"
#include "core/diseno/flexion.h"
#include "core/modelo/datos_numericos.h"
#include "core/texto/numeros.h"

namespace trabelux {

namespace {

// Bottom bars end this far past an interior support's axis (§9.7.3.8.1: at least 150 mm
// into the support).
constexpr double kPasoApoyo = 0.15;
// The first stirrup of a span lies this far from the support's face (m).
constexpr double kPrimerEstribo = 0.05;
constexpr double kEps = 1e-9;

struct Viga {
    int n = 0;
    std::vector<double> X;     // node abscissae, m
    std::vector<double> b, h;  // per span, cm
    double fc = 0, fy = 0, recub = 0;
    CondicionExtremo izq = CondicionExtremo::kApoyado, der = CondicionExtremo::kApoyado;

    double L(int s) const { return X[s + 1] - X[s]; }
    double d(int s) const { return h[s] - recub; }
    // Clear cover at a beam end of a bar, m.
    double Recubrimiento(int barra) const {
        return std::max(0.0, recub - DiametroBarra(barra) / 2) / 100.0;
    }
    double Inicio(int barra) const { return X.front() + Recubrimiento(barra); }
    double Fin(int barra) const { return X.back() - Recubrimiento(barra); }
};

bool Valida(const std::optional<int>& barra, const std::optional<int>& cantidad) {
    return barra && EsIndiceBarra(*barra) && cantidad && *cantidad > 0;
}

double Area(const std::optional<int>& barra, const std::optional<int>& cantidad) {
    return Valida(barra, cantidad) ? AreaDeBarra(*barra) * *cantidad : 0.0;
}

void CierraPieza(Pieza& p) {
    const int ganchos = (p.ganchoInicio ? 1 : 0) + (p.ganchoFin ? 1 : 0);
    p.corte = RedondeaCinco(CorteConGanchos((p.x1 - p.x0) * 100.0, p.barra, ganchos));
}

// Condition of §25.4.2.3 for a group of `cantidad` bars of one size with `otras` corner
// bars (hangers) beside them, in span s.
CondicionAnclaje Condicion(const Viga& v, int s, int barra, int cantidad, bool superior,
                           int esquinas = -1) {
    std::vector<int> grupo(static_cast<size_t>(std::max(cantidad, 1)), barra);
    if (esquinas >= 0) {
        grupo.insert(grupo.begin(), esquinas);
        grupo.push_back(esquinas);
    }
    return CondicionDeBarra(barra, superior, v.h[s], v.recub,
                            SeparacionLibre(grupo, v.b[s], v.recub));
}

// The stations of span s: the curves hold the spans in order.
std::pair<size_t, size_t> Rango(const CurvasDiseno& c, int s) {
    const auto r = std::equal_range(c.vano.begin(), c.vano.end(), s);
    return {static_cast<size_t>(r.first - c.vano.begin()),
            static_cast<size_t>(r.second - c.vano.begin())};
}

// Stations of span s, ordered by their distance u (m) from one of its ends.
struct Recorrido {
    std::vector<double> u, mMin, mMax;
};

Recorrido RecorreVano(const CurvasDiseno& c, int s, double xInicio, double L, bool desdeIzquierda) {
    Recorrido r;
    const auto [desde, hasta] = Rango(c, s);
    for (size_t k = desde; k < hasta; ++k) {
        const double local = c.x[k] - xInicio;
        r.u.push_back(desdeIzquierda ? local : L - local);
        r.mMin.push_back(c.mMin[k]);
        r.mMax.push_back(c.mMax[k]);
    }
    if (!desdeIzquierda) {
        std::reverse(r.u.begin(), r.u.end());
        std::reverse(r.mMin.begin(), r.mMin.end());
        std::reverse(r.mMax.begin(), r.mMax.end());
    }
    return r;
}

// How far (m) the additional top bars of a support reach into span s from its axis, by the
// farthest of §9.7.3.3 (past the point where the hangers suffice by max(d, 12db)),
// §9.7.3.8.4 (past the inflection point by max(d, 12db, ln/16)) and §9.7.3.4 (ld).
// `abajo`: the bars of a sagging node, at the bottom, beside the continuous bars of that face
// (area `areaPerchas`), against the sagging curve.
double AlcanceAdicional(const Viga& v, const CurvasDiseno& c, int s, bool desdeIzquierda, int barra,
                        double areaPerchas, CondicionAnclaje cond, bool abajo = false) {
    const double L = v.L(s), d = v.d(s) / 100.0, db = DiametroBarra(barra) / 100.0;
    const Recorrido r = RecorreVano(c, s, v.X[s], L, desdeIzquierda);
    const double resistePerchas = MomentoResistente(areaPerchas, v.b[s], v.d(s), v.fc, v.fy);
    double inflexion = L, corte = 0;
    for (size_t k = 0; k < r.u.size(); ++k) {
        const double demanda = abajo ? r.mMax[k] : -r.mMin[k];
        if (demanda <= 0) {
            inflexion = r.u[k];
            break;
        }
        // The bars are needed up to the next station past one the hangers cannot carry.
        if (demanda > resistePerchas) corte = k + 1 < r.u.size() ? r.u[k + 1] : L;
    }
    const double porCorte = corte + std::max(d, 12 * db);
    const double porInflexion = inflexion + std::max({d, 12 * db, L / 16});
    const double porDesarrollo = LongitudDesarrollo(barra, v.fc, v.fy, cond) / 100.0;
    return std::max({porCorte, porInflexion, porDesarrollo});
}

bool EsVoladizo(const Viga& v, int s, bool haciaIzquierda) {
    return haciaIzquierda ? s == 0 && v.izq == CondicionExtremo::kNoApoyado
                          : s == v.n - 1 && v.der == CondicionExtremo::kNoApoyado;
}

// Additional top bars of support row j (node j + 1, 0-based j).
void AdicionalesApoyo(const Viga& v, const CurvasDiseno& c, const Resultados& r,
                      const TablaDetallado& t, int j, Despiece& out) {
    const size_t filaApoyo = static_cast<size_t>(2 * j);
    const FilaDetallado& f = t.filas[filaApoyo];
    if (!Valida(f.barraAdicional, f.cantAdicional)) return;
    Pieza p;
    p.clase = ClaseBarra::kAdicional;
    // A sagging node has its tension, and these bars, at the bottom.
    const bool abajo = TraccionInferiorEnApoyo(r, j + 1);
    p.superior = !abajo;
    p.barra = *f.barraAdicional;
    p.cantidad = *f.cantAdicional;
    p.fila = static_cast<int>(filaApoyo);
    const double eje = v.X[static_cast<size_t>(j)];
    // One side: span s, walking away from the support.
    auto lado = [&](int s, bool haciaIzquierda, double& extremo, bool& gancho) {
        const FilaDetallado& vano = t.filas[static_cast<size_t>(2 * s + 1)];
        if (EsVoladizo(v, s, haciaIzquierda)) {
            // Over a cantilever: to its tip, hooked down.
            extremo = haciaIzquierda ? v.Inicio(p.barra) : v.Fin(p.barra);
            gancho = true;
            return;
        }
        const auto& esquinaB = abajo ? vano.barraInferior : vano.barraPercha;
        const auto& esquinaN = abajo ? vano.cantInferior : vano.cantPercha;
        const int esquina = esquinaB && EsIndiceBarra(*esquinaB) ? *esquinaB : -1;
        const auto cond = Condicion(v, s, p.barra, p.cantidad, !abajo, esquina);
        const double alcance = AlcanceAdicional(v, c, s, !haciaIzquierda, p.barra,
                                                Area(esquinaB, esquinaN), cond, abajo);
        extremo = haciaIzquierda ? eje - alcance : eje + alcance;
        if (extremo <= v.Inicio(p.barra) || extremo >= v.Fin(p.barra)) {
            extremo = std::clamp(extremo, v.Inicio(p.barra), v.Fin(p.barra));
            gancho = true;
        } else {
            out.cortes.push_back({j + 1, eje, extremo});
        }
    };
    if (j == 0) {
        p.x0 = v.Inicio(p.barra);
        p.ganchoInicio = true;
    } else {
        lado(j - 1, true, p.x0, p.ganchoInicio);
    }
    if (j == v.n) {
        p.x1 = v.Fin(p.barra);
        p.ganchoFin = true;
    } else {
        lado(j, false, p.x1, p.ganchoFin);
    }
    // A hook at a supported beam end needs its ldh inside the support, whose width the
    // model does not know.
    const bool extremoApoyado = (j == 0 && v.izq != CondicionExtremo::kNoApoyado) ||
                                (j == v.n && v.der != CondicionExtremo::kNoApoyado);
    if (extremoApoyado)
        out.avisos.push_back("Apoyo " + std::to_string(j + 1) +
                             ": el gancho de las barras adicionales necesita ldh = " +
                             Formatea(LongitudGancho(p.barra, v.fc, v.fy), "0") +
                             " cm dentro del apoyo");
    CierraPieza(p);
    out.piezas.push_back(p);
}

// Top area (cm2) of the additional bars of supports crossing x.
double AreaAdicionalEn(const Despiece& d, double x) {
    double a = 0;
    for (const auto& p : d.piezas)
        if (p.clase == ClaseBarra::kAdicional && p.x0 <= x && x <= p.x1)
            a += AreaDeBarra(p.barra) * p.cantidad;
    return a;
}

// Additional top bars of neighbouring supports with the same bar whose extents overlap run on
// as one piece, as a detailer draws them: the count they share continues from the first
// support's left end to the second's right end (and on over the next support when that one
// overlaps too); the rest keep their own extents. The cut-off points of the ends that are
// gone are dropped. Runs before the split at the stock length.
void UneAdicionales(Despiece& d) {
    std::vector<Pieza> salida;
    std::vector<size_t> abiertas;  // pieces in `salida` reaching the last support seen
    bool unidas = false;
    for (const Pieza& original : d.piezas) {
        if (original.clase != ClaseBarra::kAdicional || !original.superior ||
            original.fila % 2 != 0) {
            salida.push_back(original);
            continue;
        }
        Pieza p = original;
        std::vector<size_t> siguen;
        for (size_t a : abiertas) {
            Pieza& q = salida[a];
            const int ultimaFila = q.filaFin >= 0 ? q.filaFin : q.fila;
            if (p.cantidad <= 0 || ultimaFila != p.fila - 2 || q.barra != p.barra || q.x1 < p.x0)
                continue;
            const int comun = std::min(q.cantidad, p.cantidad);
            if (q.cantidad > comun) {
                Pieza resto = q;
                resto.cantidad -= comun;
                salida.push_back(resto);
            }
            Pieza& unida = salida[a];  // `salida` may have grown
            unida.cantidad = comun;
            unida.x1 = p.x1;
            unida.ganchoFin = p.ganchoFin;
            unida.filaFin = p.fila;
            CierraPieza(unida);
            siguen.push_back(a);
            p.cantidad -= comun;
            unidas = true;
        }
        if (p.cantidad > 0) {
            siguen.push_back(salida.size());
            salida.push_back(p);
        }
        abiertas = std::move(siguen);
    }
    d.piezas = std::move(salida);
    if (!unidas) return;
    std::vector<CotaCorte> cortes;
    for (const CotaCorte& c : d.cortes)
        for (const Pieza& p : d.piezas)
            if (p.clase == ClaseBarra::kAdicional && p.superior && p.fila % 2 == 0 &&
                (p.x0 == c.xBarra || p.x1 == c.xBarra)) {
                cortes.push_back(c);
                break;
            }
    d.cortes = std::move(cortes);
}

// Top bars of a span row (compression steel, or hogging the supports' bars leave
// uncovered): over the stations that need them, each end extended by max(d, 12db); over the
// middle half of the span when no station needs them (bars the user typed).
void AdicionalesVano(const Viga& v, const CurvasDiseno& c, const TablaDetallado& t, int s,
                     const Despiece& apoyos, Despiece& out) {
    const size_t fila = static_cast<size_t>(2 * s + 1);
    const FilaDetallado& f = t.filas[fila];
    if (!Valida(f.barraAdicional, f.cantAdicional)) return;
    const MaterialDiseno m{v.fc, static_cast<float>(v.fy), static_cast<float>(v.recub)};
    const double limite =
        MomentoLimiteSimple(static_cast<float>(v.b[s]), static_cast<float>(v.d(s)), m) / 1e5;
    const double perchas = Area(f.barraPercha, f.cantPercha);
    double primero = v.X[s + 1], ultimo = v.X[s];
    const auto [desde, hasta] = Rango(c, s);
    for (size_t k = desde; k < hasta; ++k) {
        const double resiste = MomentoResistente(perchas + AreaAdicionalEn(apoyos, c.x[k]), v.b[s],
                                                 v.d(s), v.fc, v.fy);
        if (c.mMax[k] > limite || -c.mMin[k] > resiste) {
            primero = std::min(primero, c.x[k]);
            ultimo = std::max(ultimo, c.x[k]);
        }
    }
    Pieza p;
    p.clase = ClaseBarra::kAdicional;
    p.superior = true;
    p.barra = *f.barraAdicional;
    p.cantidad = *f.cantAdicional;
    p.fila = static_cast<int>(fila);
    const double ext = std::max(v.d(s), 12 * DiametroBarra(p.barra)) / 100.0;
    if (primero > ultimo) {
        primero = v.X[s] + v.L(s) / 4;
        ultimo = v.X[s + 1] - v.L(s) / 4;
    } else {
        primero -= ext;
        ultimo += ext;
    }
    p.x0 = std::max(primero, v.Inicio(p.barra));
    p.x1 = std::min(ultimo, v.Fin(p.barra));
    if (p.x1 <= p.x0) return;
    CierraPieza(p);
    out.piezas.push_back(p);
}

// Hangers: runs of consecutive spans with the same hangers are one piece the whole run,
// hooked down at the beam's ends. Two runs meet with a class B lap (§25.5.2.2 for two sizes)
// centred where the lighter run's span sags most, where the top face is least stressed.
void Perchas(const Viga& v, const Resultados& r, const TablaDetallado& t, Despiece& out) {
    struct Tramo {
        int desde, hasta;  // spans
        std::optional<int> barra, cantidad;
    };
    std::vector<Tramo> tramos;
    for (int s = 0; s < v.n; ++s) {
        const FilaDetallado& f = t.filas[static_cast<size_t>(2 * s + 1)];
        if (!tramos.empty() && tramos.back().barra == f.barraPercha &&
            tramos.back().cantidad == f.cantPercha)
            tramos.back().hasta = s;
        else
            tramos.push_back({s, s, f.barraPercha, f.cantPercha});
    }
    std::vector<double> inicio(tramos.size()), fin(tramos.size());
    for (size_t k = 0; k < tramos.size(); ++k) {
        inicio[k] = v.X[static_cast<size_t>(tramos[k].desde)];
        fin[k] = v.X[static_cast<size_t>(tramos[k].hasta + 1)];
    }
    for (size_t k = 0; k + 1 < tramos.size(); ++k) {
        const Tramo &a = tramos[k], &b = tramos[k + 1];
        if (!Valida(a.barra, a.cantidad) || !Valida(b.barra, b.cantidad)) continue;
        const bool izquierdoLigero = Area(a.barra, a.cantidad) < Area(b.barra, b.cantidad);
        const int s = izquierdoLigero ? a.hasta : b.desde;
        const size_t ss = static_cast<size_t>(s);
        const bool sagging =
            ss < r.momMaxVano.size() && r.momMaxVano[ss] > 0 && ss < r.posMomMax.size();
        const double centro = v.X[ss] + (sagging ? r.posMomMax[ss] : v.L(s) / 2);
        const int ligera = izquierdoLigero ? *a.barra : *b.barra;
        const int pesada = izquierdoLigero ? *b.barra : *a.barra;
        const double empalme =
            EmpalmeClaseB(ligera, pesada, v.fc, v.fy, Condicion(v, s, ligera, 2, true)) / 100.0;
        fin[k] = centro + empalme / 2;
        inicio[k + 1] = centro - empalme / 2;
    }
    for (size_t k = 0; k < tramos.size(); ++k) {
        const Tramo& a = tramos[k];
        if (!Valida(a.barra, a.cantidad)) continue;
        Pieza p;
        p.clase = ClaseBarra::kPercha;
        p.superior = true;
        p.barra = *a.barra;
        p.cantidad = *a.cantidad;
        p.fila = 2 * a.desde + 1;
        p.x0 = std::max(inicio[k], v.Inicio(p.barra));
        p.x1 = std::min(fin[k], v.Fin(p.barra));
        p.ganchoInicio = a.desde == 0;
        p.ganchoFin = a.hasta == v.n - 1;
        CierraPieza(p);
        out.piezas.push_back(p);
    }
}

// Bottom bars: all of a span's bars the full span (so at least a quarter, and a third at
// simple supports, reach every support, §9.7.3.8.1). At an interior support they end 15 cm
// past the axis; where the support sags the two spans' bars are lapped over it instead
// (class B, centred on the axis). At a supported beam end they run to the end hooked up;
// at a free end, straight to the end.
void Inferiores(const Viga& v, const CurvasDiseno& c, const TablaDetallado& t, Despiece& out) {
    auto nudoSaggea = [&](int j) {  // interior node j (0-based): the first station of span j
        const auto [desde, hasta] = Rango(c, j);
        return desde < hasta && c.mMax[desde] > 0;
    };
    auto barraDe = [&](int s) -> std::optional<int> {
        const FilaDetallado& f = t.filas[static_cast<size_t>(2 * s + 1)];
        if (!Valida(f.barraInferior, f.cantInferior)) return std::nullopt;
        return f.barraInferior;
    };
    // Reach past interior node j (0-based, 1..n-1) of span s's bars.
    auto paso = [&](int j, int s) {
        const auto a = barraDe(j - 1), b = barraDe(j);
        if (!a || !b || !nudoSaggea(j)) return kPasoApoyo;
        const auto& f = t.filas[static_cast<size_t>(2 * s + 1)];
        const auto cond = Condicion(v, s, *f.barraInferior, *f.cantInferior, false);
        return std::max(kPasoApoyo, EmpalmeClaseB(*a, *b, v.fc, v.fy, cond) / 200.0);
    };
    for (int s = 0; s < v.n; ++s) {
        const FilaDetallado& f = t.filas[static_cast<size_t>(2 * s + 1)];
        if (!Valida(f.barraInferior, f.cantInferior)) continue;
        Pieza p;
        p.clase = ClaseBarra::kInferior;
        p.barra = *f.barraInferior;
        p.cantidad = *f.cantInferior;
        p.fila = 2 * s + 1;
        if (s == 0) {
            p.x0 = v.Inicio(p.barra);
            p.ganchoInicio = v.izq != CondicionExtremo::kNoApoyado;
        } else {
            p.x0 = std::max(v.X[static_cast<size_t>(s)] - paso(s, s), v.Inicio(p.barra));
        }
        if (s == v.n - 1) {
            p.x1 = v.Fin(p.barra);
            p.ganchoFin = v.der != CondicionExtremo::kNoApoyado;
        } else {
            p.x1 = std::min(v.X[static_cast<size_t>(s + 1)] + paso(s + 1, s), v.Fin(p.barra));
        }
        CierraPieza(p);
        out.piezas.push_back(p);
    }
}

// Stirrups of span s in three zones: the end quarters take the support rows' stirrups, the
// middle half the span row's. The first of each end lies 5 cm from the support's face.
void Estribos(const Viga& v, const TablaDetallado& t, int s, Despiece& out) {
    const double L = v.L(s), x0 = v.X[static_cast<size_t>(s)];
    const FilaDetallado& izq = t.filas[static_cast<size_t>(2 * s)];
    const FilaDetallado& med = t.filas[static_cast<size_t>(2 * s + 1)];
    const FilaDetallado& der = t.filas[static_cast<size_t>(2 * s + 2)];
    auto valido = [](const FilaDetallado& f) {
        return f.barraEstribo && EsIndiceBarra(*f.barraEstribo) && f.separEstribo &&
               *f.separEstribo > 0 && std::isfinite(*f.separEstribo);
    };
    int mayor = -1;
    for (const auto& b : {med.barraInferior, med.barraPercha, med.barraAdicional})
        if (b && EsIndiceBarra(*b) && (mayor < 0 || DiametroBarra(*b) > DiametroBarra(mayor)))
            mayor = *b;
    auto pieza = [&](const FilaDetallado& f, int fila, double a, double b, int cantidad) {
        if (cantidad <= 0) return;
        Pieza p;
        p.clase = ClaseBarra::kEstribo;
        p.barra = *f.barraEstribo;
        p.cantidad = cantidad;
        p.fila = fila;
        p.x0 = x0 + a;
        p.x1 = x0 + b;
        p.separacion = *f.separEstribo;
        const double cc = RecubrimientoLibreEstribo(v.recub, mayor, p.barra);
        p.anchoEstribo = v.b[static_cast<size_t>(s)] - 2 * cc;
        p.altoEstribo = v.h[static_cast<size_t>(s)] - 2 * cc;
        p.corte = RedondeaCinco(
            CorteEstribo(v.b[static_cast<size_t>(s)], v.h[static_cast<size_t>(s)], cc, p.barra));
        out.piezas.push_back(p);
    };
    const double cuarto = L / 4;
    auto cuenta = [&](double s1) {
        return cuarto >= kPrimerEstribo
                   ? static_cast<int>(std::floor((cuarto - kPrimerEstribo) / s1 + kEps)) + 1
                   : 0;
    };
    const int n1 = valido(izq) ? cuenta(*izq.separEstribo) : 0;
    const int n3 = valido(der) ? cuenta(*der.separEstribo) : 0;
    const double ultimoIzq = n1 > 0 ? kPrimerEstribo + (n1 - 1) * *izq.separEstribo : cuarto;
    const double primeroDer =
        n3 > 0 ? L - kPrimerEstribo - (n3 - 1) * *der.separEstribo : L - cuarto;
    pieza(izq, 2 * s, kPrimerEstribo, ultimoIzq, n1);
    if (valido(med)) {
        const double s2 = *med.separEstribo;
        const int n2 =
            std::max(0, static_cast<int>(std::ceil((primeroDer - ultimoIzq) / s2 - kEps)) - 1);
        pieza(med, 2 * s + 1, ultimoIzq + s2, ultimoIzq + n2 * s2, n2);
    }
    pieza(der, 2 * s + 2, primeroDer, L - kPrimerEstribo, n3);
}

// Splits every bar longer than the stock length, from its left end: each splice is a class
// B lap centred on the station of least demand on the bar's face inside the farther half of
// the window that keeps the piece within stock (the farthest such station on a tie, for the
// fewest splices).
void PartePorLargo(const Viga& v, const CurvasDiseno& c, double largoComercial, Despiece& d) {
    if (!(largoComercial > 0) || !std::isfinite(largoComercial)) return;
    const double stock = std::floor(largoComercial * 20 + kEps) * 5;  // cm, a multiple of 5
    std::vector<Pieza> resultado;
    for (const Pieza& original : d.piezas) {
        if (original.clase == ClaseBarra::kEstribo || original.corte <= stock) {
            resultado.push_back(original);
            continue;
        }
        const int s = std::max(0, std::min(v.n - 1, (original.fila - 1) / 2));
        const double empalme =
            EmpalmeClaseB(original.barra, v.fc, v.fy,
                          Condicion(v, s, original.barra, original.cantidad, original.superior)) /
            100.0;
        const double gancho = CorteConGanchos(0, original.barra, 1);  // cm a hook adds
        Pieza resto = original;
        while (resto.corte > stock) {
            const double largoMax = (stock - (resto.ganchoInicio ? gancho : 0)) / 100.0;
            // The farther half of the reach keeps every piece at least half a stock bar, so
            // a bar never breaks into many short ones; and a splice leaves some bar after it.
            const double lo = resto.x0 + std::max(empalme / 2 + 0.01, largoMax / 2);
            const double hi =
                std::min(resto.x0 + largoMax - empalme / 2, resto.x1 - empalme / 2 - 0.01);
            if (lo > hi) {
                d.avisos.push_back("No se puede empalmar una barra de " +
                                   std::string(NombreBarra(original.barra)) +
                                   " dentro del largo comercial");
                break;
            }
            double centro = hi, menor = HUGE_VAL;
            for (size_t k = 0; k < c.x.size(); ++k) {
                if (c.x[k] < lo || c.x[k] > hi) continue;
                const double demanda =
                    original.superior ? std::max(0.0, -c.mMin[k]) : std::max(0.0, c.mMax[k]);
                if (demanda <= menor) {
                    menor = demanda;
                    centro = c.x[k];
                }
            }
            Pieza tramo = resto;
            tramo.x1 = centro + empalme / 2;
            tramo.ganchoFin = false;
            CierraPieza(tramo);
            resultado.push_back(tramo);
            resto.x0 = centro - empalme / 2;
            resto.ganchoInicio = false;
            CierraPieza(resto);
        }
        resultado.push_back(resto);
    }
    d.piezas = std::move(resultado);
}

// Largest |V| (t) at station k of span s: of the envelope when the run arranged the live
// load, else of the all-loaded run.
double CortanteEn(const Resultados& r, int s, size_t k) {
    const size_t ss = static_cast<size_t>(s);
    double v = 0;
    if (ss < r.diagramas.size() && k < r.diagramas[ss].cortante.size())
        v = std::fabs(r.diagramas[ss].cortante[k]);
    if (const auto& e = r.envolventes; e && ss < e->maximos.size() && ss < e->minimos.size() &&
                                       k < e->maximos[ss].cortante.size() &&
                                       k < e->minimos[ss].cortante.size())
        v = std::max({v, std::fabs(double(e->maximos[ss].cortante[k])),
                      std::fabs(double(e->minimos[ss].cortante[k]))});
    return v;
}

// §9.7.3.8.3: at a point of inflection the bottom bars must develop within Mn/Vu + la, with
// Mn of all the span's bottom bars at fy and la the larger of d and 12db; too large a bar
// is reported. At a simple support the clause asks 1.3·Mn/Vu + la of straight bars only:
// the bottom bars are hooked there, which exempts them.
void VerificaDiametroInferior(const Viga& v, const CurvasDiseno& c, const Resultados& r,
                              const TablaDetallado& t, Despiece& out) {
    for (int s = 0; s < v.n; ++s) {
        const FilaDetallado& f = t.filas[static_cast<size_t>(2 * s + 1)];
        if (!Valida(f.barraInferior, f.cantInferior)) continue;
        const int barra = *f.barraInferior, n = *f.cantInferior;
        const double area = AreaDeBarra(barra) * n, d = v.d(s), b = v.b[static_cast<size_t>(s)];
        const double mn = area * v.fy * (d - area * v.fy / (1.7 * v.fc * b));  // kg·cm
        const double la = std::max(d, 12 * DiametroBarra(barra));
        const double ld = LongitudDesarrollo(barra, v.fc, v.fy, Condicion(v, s, barra, n, false));
        const auto [desde, hasta] = Rango(c, s);
        for (size_t k = desde; k + 1 < hasta; ++k) {
            const bool izquierdaSaggea = c.mMax[k] > 0;
            if (izquierdaSaggea == (c.mMax[k + 1] > 0)) continue;
            // The station just past the sagging, where the bars must be developed.
            const size_t i = izquierdaSaggea ? k + 1 : k;
            const double vu = CortanteEn(r, s, i - desde) * 1000;  // kg
            if (!(vu > 0) || !(mn > 0)) continue;
            const double limite = mn / vu + la;
            if (ld > limite)
                out.avisos.push_back(
                    "Vano " + std::to_string(s + 1) + ": ld = " + Formatea(ld, "0") +
                    " cm de las barras inferiores de " + NombreBarra(barra) +
                    " supera Mn/Vu + la = " + Formatea(limite, "0") +
                    " cm en el punto de inflexion a " + Formatea(c.x[i] - v.X[s], "0.00") +
                    " m (ACI 318-19 9.7.3.8.3): use barras de menor diametro");
        }
    }
}

}  // namespace

Forma FormaDe(const Pieza& p) {
    if (p.clase == ClaseBarra::kEstribo) return Forma::kEstriboCerrado;
    const int g = (p.ganchoInicio ? 1 : 0) + (p.ganchoFin ? 1 : 0);
    return g == 0 ? Forma::kRecta : g == 1 ? Forma::kUnGancho : Forma::kDosGanchos;
}

CurvasDiseno CalculaCurvasDiseno(const Resultados& r) {
    CurvasDiseno c;
    double inicio = 0;
    // With a live-load arrangement the envelope's two curves, at the same stations.
    const Envolventes* env = r.envolventes ? &*r.envolventes : nullptr;
    if (env &&
        (env->maximos.size() != r.diagramas.size() || env->minimos.size() != r.diagramas.size()))
        env = nullptr;
    for (size_t s = 0; s < r.diagramas.size(); ++s) {
        const EstacionesVano& e = r.diagramas[s];
        const EstacionesVano& mayor = env ? env->maximos[s] : e;
        const EstacionesVano& menor = env ? env->minimos[s] : e;
        for (size_t k = 0; k < e.x.size() && k < e.momento.size() && k < mayor.momento.size() &&
                           k < menor.momento.size();
             ++k) {
            c.x.push_back(inicio + e.x[k]);
            c.mMax.push_back(mayor.momento[k]);
            c.mMin.push_back(menor.momento[k]);
            c.vano.push_back(static_cast<int>(s));
        }
        if (!e.x.empty()) inicio += e.x.back();
    }
    return c;
}

double MomentoResistente(double area, double bCm, double dCm, double fc, double fy) {
    if (!(area > 0) || !(bCm > 0) || !(dCm > 0) || !(fc > 0) || !(fy > 0)) return 0;
    const double minimo = 14.0 * bCm * dCm / fy;
    const double a = area >= minimo ? area : 0.75 * area;
    const double brazo = dCm - a * fy / (1.7 * fc * bCm);
    return std::max(0.0, 0.9 * a * fy * brazo) / 1e5;
}

Despiece CalculaDespiece(const Proyecto& p, const Resultados& r, const TablaDetallado& t,
                         double largoComercial) {
    Despiece d;
    const int n = std::min(
        {p.numVanos, static_cast<int>(p.vanos.size()), static_cast<int>(r.diagramas.size())});
    if (!r.Disenado() || n < 1 || t.filas.size() < static_cast<size_t>(2 * n + 1)) return d;
    const DatosNumericos datos = LeeDatosNumericos(p.datos);
    Viga v;
    v.n = n;
    v.fc = datos.fc;
    v.fy = datos.fy;
    v.recub = datos.recub;
    v.izq = p.apoyoIzquierdo;
    v.der = p.apoyoDerecho;
    v.X.push_back(0);
    for (int s = 0; s < n; ++s) {
        v.X.push_back(v.X.back() + p.vanos[static_cast<size_t>(s)].longitud);
        v.b.push_back(p.vanos[static_cast<size_t>(s)].base);
        v.h.push_back(p.vanos[static_cast<size_t>(s)].altura);
    }
    const CurvasDiseno c = CalculaCurvasDiseno(r);

    Inferiores(v, c, t, d);
    Perchas(v, r, t, d);
    for (int j = 0; j <= n; ++j) AdicionalesApoyo(v, c, r, t, j, d);
    UneAdicionales(d);
    Despiece apoyos;  // the supports' additional bars alone, which span bars add to
    for (const Pieza& pz : d.piezas)
        if (pz.clase == ClaseBarra::kAdicional && pz.superior) apoyos.piezas.push_back(pz);
    for (int s = 0; s < n; ++s) AdicionalesVano(v, c, t, s, apoyos, d);
    for (int s = 0; s < n; ++s) Estribos(v, t, s, d);
    PartePorLargo(v, c, largoComercial, d);
    VerificaDiametroInferior(v, c, r, t, d);
    return d;
}

bool AdicionalesAbajo(const Despiece& d, int fila) {
    for (const Pieza& p : d.piezas)
        if (p.clase == ClaseBarra::kAdicional && p.fila == fila) return !p.superior;
    return false;
}

}  // namespace trabelux
