// Geometry of the results drawings; see geometria_diagramas.h.
#include "core/dibujo/geometria_diagramas.h"

#include <algorithm>
#include <cmath>

#include "core/texto/numeros.h"

namespace trabelux {

namespace {

double Finito(double v) { return std::isfinite(v) ? v : 0.0; }

const std::vector<float>& Valores(const EstacionesVano& e, Magnitud m) {
    return m == Magnitud::kCortante ? e.cortante : e.momento;
}

// Stations usable in a span: the three arrays may disagree in length in a damaged result.
size_t NumEstaciones(const EstacionesVano& e) {
    return std::min({e.x.size(), e.cortante.size(), e.momento.size()});
}

size_t VanosDibujados(const std::vector<EstacionesVano>& diagramas, int numVanos) {
    return std::min(diagramas.size(), static_cast<size_t>(std::max(numVanos, 0)));
}

// The station value as the tables print it, so that a step hidden by rounding is no step.
double Impreso(double v) { return LeeNumero(Formatea(v, "0.000")); }

Punto Rota(Punto v, double rad) {
    double c = std::cos(rad), s = std::sin(rad);
    return {v.x * c - v.y * s, v.x * s + v.y * c};
}

Punto Unitario(Punto v) {
    double n = std::hypot(v.x, v.y);
    return n > 0 ? v * (1 / n) : Punto{0, 0};
}

}  // namespace

VigaDibujo VigaDeProyecto(const Proyecto& p, int numVanos) {
    VigaDibujo v;
    v.numVanos = std::clamp(numVanos, 0, kMaxVanos);
    for (int i = 0; i < v.numVanos; ++i) {
        double l = static_cast<size_t>(i) < p.vanos.size() ? p.vanos[i].longitud : 0.0;
        v.longitudes.push_back(std::max(Finito(l), 0.0));
    }
    v.apoyoIzquierdo = p.apoyoIzquierdo;
    v.apoyoDerecho = p.apoyoDerecho;
    for (int j = 2; j <= v.numVanos; ++j) v.interiores.push_back(CondicionInterior(p, j));
    return v;
}

LineaBase LineaBaseDiagrama(Tamano superficie, int numVanos, Superficie tipo) {
    const double w = superficie.ancho;
    const double h = superficie.alto;
    LineaBase l;
    if (numVanos > 1) {
        l.x1 = 0.1 * w;
        l.x2 = 0.9 * w;
    } else {
        l.x1 = w / 3;
        l.x2 = 2 * w / 3;
    }
    l.y = tipo == Superficie::kReacciones ? h / 2.5 : h / 2;
    return l;
}

double EscalaHorizontal(const LineaBase& linea, const std::vector<double>& longitudes) {
    double total = 0;
    for (double l : longitudes) total += Finito(l);
    if (!(total > 0)) return 1.0;
    return (linea.x2 - linea.x1) / total;
}

double EscalaVertical(double alto, double maximo) {
    if (!std::isfinite(maximo) || !(maximo > 0) || !(alto > 0)) return 0.0;
    return (0.9 * alto / 2) / maximo;
}

double MaximoAbsoluto(const std::vector<EstacionesVano>& diagramas, int numVanos, Magnitud m,
                      double maximoCalculado) {
    double mayor = std::fabs(Finito(maximoCalculado));
    for (size_t i = 0; i < VanosDibujados(diagramas, numVanos); ++i) {
        const auto& v = Valores(diagramas[i], m);
        for (size_t k = 0; k < NumEstaciones(diagramas[i]); ++k)
            mayor = std::max(mayor, std::fabs(Finito(v[k])));
    }
    return mayor;
}

std::vector<double> AbscisasNudos(const LineaBase& linea, double escH,
                                  const std::vector<double>& longitudes) {
    std::vector<double> x{linea.x1};
    for (double l : longitudes) x.push_back(x.back() + escH * Finito(l));
    return x;
}

SimbolosApoyo ApoyosDiagrama(const LineaBase& linea, const VigaDibujo& viga, double escH) {
    SimbolosApoyo s;
    const double y = linea.y;
    auto triangulo = [&](double x) {
        s.triangulos.push_back({{x, y + 10}, {x - 50, y + 110}, {x + 50, y + 110}});
    };
    auto bloque = [&](double izquierda) {
        s.bloques.push_back({izquierda, y - kAltoBloque / 2, kAnchoBloque, kAltoBloque});
    };
    if (viga.apoyoIzquierdo == CondicionExtremo::kApoyado) triangulo(linea.x1);
    if (viga.apoyoIzquierdo == CondicionExtremo::kEmpotrado) bloque(linea.x1 - 50);
    if (viga.apoyoDerecho == CondicionExtremo::kApoyado) triangulo(linea.x2);
    if (viga.apoyoDerecho == CondicionExtremo::kEmpotrado) bloque(linea.x2 + 10);

    const auto nudos = AbscisasNudos(linea, escH, viga.longitudes);
    for (int j = 2; j <= viga.numVanos; ++j) {
        size_t k = static_cast<size_t>(j - 2);
        bool apoyado = k >= viga.interiores.size() || viga.interiores[k] > 0;
        if (apoyado && static_cast<size_t>(j - 1) < nudos.size())
            s.circulos.push_back({nudos[j - 1], y});
    }
    return s;
}

std::vector<std::vector<double>> AbscisasDibujo(const LineaBase& linea, double escH,
                                                const std::vector<EstacionesVano>& diagramas,
                                                int numVanos) {
    std::vector<std::vector<double>> todas;
    double x = linea.x1;
    double d = 0;
    for (size_t i = 0; i < VanosDibujados(diagramas, numVanos); ++i) {
        const auto& e = diagramas[i];
        const size_t n = NumEstaciones(e);
        std::vector<double> xs;
        for (size_t k = 0; k < n; ++k) {
            if (d < 0) d = 0;  // the curve never runs backwards
            x += d;
            xs.push_back(x);
            d = k + 1 < n ? Finito(static_cast<double>(e.x[k + 1]) - e.x[k]) * escH : 0.0;
        }
        todas.push_back(std::move(xs));
    }
    return todas;
}

Poligonal PuntosCurva(const LineaBase& linea, double escH, double escV,
                      const std::vector<EstacionesVano>& diagramas, int numVanos, Magnitud m) {
    Poligonal p;
    if (escV == 0) return p;
    p.push_back({linea.x1, linea.y});
    const auto xs = AbscisasDibujo(linea, escH, diagramas, numVanos);
    for (size_t i = 0; i < xs.size(); ++i) {
        const auto& v = Valores(diagramas[i], m);
        for (size_t k = 0; k < xs[i].size(); ++k)
            p.push_back({xs[i][k], linea.y + escV * Finito(v[k])});
    }
    p.push_back({linea.x2, linea.y});
    return p;
}

DibujoReacciones ReaccionesDiagrama(const LineaBase& linea, double alto,
                                    const std::vector<double>& nudosX,
                                    const Resultados& resultados) {
    DibujoReacciones d;
    // Node j + 1 stands at nudosX[j].
    auto fuerza = [&resultados](size_t j) {
        return Finito(resultados.ReaccionNudo(static_cast<int>(j) + 1));
    };
    auto momento = [&resultados](size_t j) {
        return Finito(resultados.MomentoNudo(static_cast<int>(j) + 1));
    };
    // The largest reaction by size sets the scale, so every arrow stays on the surface.
    double rmax = 0;
    for (size_t j = 0; j < nudosX.size(); ++j) rmax = std::max(rmax, std::fabs(fuerza(j)));

    const double y = linea.y;
    for (size_t j = 0; j < nudosX.size(); ++j) {
        const double x = nudosX[j];
        const double r = fuerza(j);
        if (r != 0 && rmax > 0) {
            const double f = std::max(std::fabs(r / rmax), kMinimoReaccion);
            const double y0 = y + 200;
            const double y1 = y0 + f * alto / 2.5;
            FlechaReaccion a;
            a.desde = {x, y0};
            a.hasta = {x, y1};
            a.valor = r;
            if (r > 0)  // upwards: the head touches the beam side
                a.punta = {{x, y0}, {x - 50, y0 + 75}, {x + 50, y0 + 75}};
            else
                a.punta = {{x, y1}, {x - 50, y1 - 75}, {x + 50, y1 - 75}};
            d.flechas.push_back(a);
        }
        const double m = momento(j);
        if (m != 0) {
            ArcoMomento arco;
            arco.centro = {x, y};
            arco.desde = 4.28;
            arco.hasta = 5.14;
            arco.valor = m;
            // A counterclockwise moment ends its arc on the right heading up; a clockwise one
            // on the left heading up.
            const double theta = m > 0 ? arco.hasta : arco.desde;
            const double sentido = m > 0 ? 1.0 : -1.0;
            const Punto punta = arco.centro + Punto{std::cos(theta), -std::sin(theta)} * arco.radio;
            const Punto tangente = Unitario(Punto{-std::sin(theta), -std::cos(theta)} * sentido);
            const Punto atras = tangente * -110.0;
            arco.punta = {punta + Rota(atras, 0.45), punta, punta + Rota(atras, -0.45)};
            d.arcos.push_back(arco);
        }
    }
    return d;
}

Poligonal PoligonalArco(const ArcoMomento& a) {
    constexpr int kTramos = 24;
    Poligonal p;
    for (int i = 0; i <= kTramos; ++i) {
        const double t = a.desde + (a.hasta - a.desde) * i / kTramos;
        p.push_back(a.centro + Punto{std::cos(t), -std::sin(t)} * a.radio);
    }
    return p;
}

std::vector<ValorEscrito> ValoresReacciones(const DibujoReacciones& d) {
    std::vector<ValorEscrito> v;
    for (const auto& f : d.flechas) v.push_back({f.hasta, f.valor, 0, true});
    for (const auto& a : d.arcos) v.push_back({a.punta[1], a.valor, a.valor > 0 ? +1 : -1, true});
    return v;
}

std::optional<LecturaSonda> SondaVano(const LineaBase& linea, double escH, double escV,
                                      const VigaDibujo& viga,
                                      const std::vector<EstacionesVano>& diagramas, Magnitud m,
                                      Punto punto) {
    if (escV == 0 || punto.x < linea.x1) return std::nullopt;
    const auto nudos = AbscisasNudos(linea, escH, viga.longitudes);
    size_t s = 0;
    const size_t n = std::min(static_cast<size_t>(std::max(viga.numVanos, 0)), nudos.size() - 1);
    while (s < n && nudos[s + 1] < punto.x) ++s;
    if (s >= n || s >= diagramas.size()) return std::nullopt;

    const auto& e = diagramas[s];
    const auto& v = Valores(e, m);
    const size_t numEst = NumEstaciones(e);
    double x = nudos[s];
    for (size_t k = 0; k < numEst; ++k) {
        double alto = Finito(v[k]);
        // At a downward step the taller side counts.
        if (k > 0 && Impreso(v[k]) < Impreso(v[k - 1])) alto = Finito(v[k - 1]);
        const double yk = linea.y + escV * alto;
        const double arriba = std::min(linea.y, yk), abajo = std::max(linea.y, yk);
        if (x >= punto.x) {
            if (punto.y >= arriba && punto.y <= abajo)
                return LecturaSonda{static_cast<int>(s) + 1, Finito(e.x[k]), Finito(v[k])};
            return std::nullopt;
        }
        if (k + 1 < numEst)
            x += std::max(0.0, Finito(static_cast<double>(e.x[k + 1]) - e.x[k]) * escH);
    }
    return std::nullopt;
}

std::string TextoSonda(Magnitud m, const LecturaSonda& lectura) {
    return "Vano " + std::to_string(lectura.vano) + ", x = " + Formatea(lectura.x, "0.00") +
           " m: " + (m == Magnitud::kCortante ? "V = " : "M = ") + Formatea(lectura.valor, "0.00") +
           (m == Magnitud::kCortante ? " To" : " To-m");
}

std::vector<ValorEscrito> ValoresCurva(const LineaBase& linea, double escH, double escV,
                                       const Resultados& r, int numVanos, Magnitud m) {
    std::vector<ValorEscrito> valores;
    if (escV == 0) return valores;
    auto muestra = [](double v) { return Formatea(v, "0.00") != "0.00"; };
    const auto xs = AbscisasDibujo(linea, escH, r.diagramas, numVanos);
    std::optional<size_t> finAnterior;  // the previous span's right-end value, if written
    for (size_t i = 0; i < xs.size(); ++i) {
        if (xs[i].empty()) continue;
        const auto& e = r.diagramas[i];
        const auto& v = Valores(e, m);
        const double primero = Finito(v.front());
        const double ultimo = Finito(v[xs[i].size() - 1]);
        const Punto inicio{xs[i].front(), linea.y + escV * primero};
        if (muestra(primero)) {
            // A value continuous across a node (the moment over a support) is written once,
            // centred over the node.
            ValorEscrito* anterior = finAnterior ? &valores[*finAnterior] : nullptr;
            if (anterior && std::fabs(anterior->ancla.x - inicio.x) < 1 &&
                Formatea(anterior->valor, "0.00") == Formatea(primero, "0.00"))
                anterior->lado = 0;
            else
                valores.push_back({inicio, primero, +1, primero > 0});
        }
        finAnterior.reset();
        if (muestra(ultimo)) {
            finAnterior = valores.size();
            valores.push_back({{xs[i].back(), linea.y + escV * ultimo}, ultimo, -1, ultimo > 0});
        }
        if (m == Magnitud::kMomento && i < r.momMaxVano.size() && i < r.posMomMax.size()) {
            const double mmax = Finito(r.momMaxVano[i]);
            const double pos = Finito(r.posMomMax[i]);
            const double largo = Finito(e.x[xs[i].size() - 1]) - Finito(e.x.front());
            // A largest moment at an end is already written there.
            const bool enExtremo = pos <= 1e-4 || pos >= largo - 1e-4;
            if (mmax > 0 && muestra(mmax) && !enExtremo)
                valores.push_back(
                    {{xs[i].front() + escH * pos, linea.y + escV * mmax}, mmax, 0, true});
        }
    }
    return valores;
}

bool SegmentoTocaRectangulo(Punto a, Punto b, const Rectangulo& r) {
    // Liang-Barsky clipping of the segment against the rectangle.
    double t0 = 0, t1 = 1;
    const double dx = b.x - a.x, dy = b.y - a.y;
    auto recorta = [&](double p, double q) {
        if (p == 0) return q >= 0;
        const double t = q / p;
        if (p < 0) {
            if (t > t1) return false;
            t0 = std::max(t0, t);
        } else {
            if (t < t0) return false;
            t1 = std::min(t1, t);
        }
        return true;
    };
    return recorta(-dx, a.x - r.Izquierda()) && recorta(dx, r.Derecha() - a.x) &&
           recorta(-dy, a.y - r.Arriba()) && recorta(dy, r.Abajo() - a.y);
}

std::vector<Rectangulo> ColocaEtiquetas(const std::vector<ValorEscrito>& valores,
                                        const std::vector<Tamano>& tamanos,
                                        const std::vector<Poligonal>& obstaculos,
                                        const LineaBase& linea, const Rectangulo& limites,
                                        double kSeparacion, int* forzadas) {
    constexpr int kPasos = 16;
    auto tocaCurva = [&](const Rectangulo& r) {
        if (SegmentoTocaRectangulo({linea.x1, linea.y}, {linea.x2, linea.y}, r)) return true;
        for (const Poligonal& curva : obstaculos)
            for (size_t k = 0; k + 1 < curva.size(); ++k) {
                const Punto a = curva[k], b = curva[k + 1];
                if (std::max(a.x, b.x) < r.Izquierda() || std::min(a.x, b.x) > r.Derecha())
                    continue;
                if (SegmentoTocaRectangulo(a, b, r)) return true;
            }
        return false;
    };

    std::vector<Rectangulo> colocadas;
    for (size_t i = 0; i < valores.size(); ++i) {
        const ValorEscrito& v = valores[i];
        const Tamano t = i < tamanos.size() ? tamanos[i] : Tamano();
        double izquierda = v.ancla.x - t.ancho / 2;
        if (v.lado > 0) izquierda = v.ancla.x + kSeparacion;
        if (v.lado < 0) izquierda = v.ancla.x - kSeparacion - t.ancho;
        izquierda = std::clamp(izquierda, limites.Izquierda(),
                               std::max(limites.Izquierda(), limites.Derecha() - t.ancho));
        const double fuera = v.abajo ? 1.0 : -1.0;

        std::vector<Rectangulo> candidatas;
        for (double sentido : {fuera, -fuera})
            for (int paso = 0; paso < kPasos; ++paso) {
                const double d = kSeparacion + paso * t.alto / 2;
                const double arriba = sentido > 0 ? v.ancla.y + d : v.ancla.y - d - t.alto;
                candidatas.push_back({izquierda, arriba, t.ancho, t.alto});
            }
        auto libre = [&](const Rectangulo& r) {
            return std::none_of(colocadas.begin(), colocadas.end(),
                                [&](const Rectangulo& o) { return o.Intersecta(r); });
        };
        auto dentro = [&](const Rectangulo& r) { return limites.Contiene(r); };

        std::optional<Rectangulo> elegida;
        for (const auto& c : candidatas)
            if (dentro(c) && libre(c) && !tocaCurva(c)) {
                elegida = c;
                break;
            }
        if (!elegida)
            for (const auto& c : candidatas)
                if (dentro(c) && libre(c)) {
                    elegida = c;
                    break;
                }
        if (!elegida) {
            if (forzadas) ++*forzadas;
            // Nothing fits: keep the first place, pulled inside the surface.
            Rectangulo c = candidatas.front();
            c.y = std::clamp(c.y, limites.Arriba(),
                             std::max(limites.Arriba(), limites.Abajo() - c.alto));
            elegida = c;
        }
        colocadas.push_back(*elegida);
    }
    return colocadas;
}

}  // namespace trabelux
