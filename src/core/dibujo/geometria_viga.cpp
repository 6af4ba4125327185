// Geometry of the beam elevation; see geometria_viga.h.
#include "core/dibujo/geometria_viga.h"

#include <algorithm>
#include <cmath>

#include "core/dibujo/geometria_diagramas.h"
#include "core/texto/numeros.h"

namespace trabelux {

namespace {

using namespace cotas_viga;

std::string Numero(double v) { return Formatea(v, "0.00"); }

// The span numbers and the load values are placed as the diagrams place theirs: next to
// their anchor (a span number at its place, a load value over its arrow, a moment right of
// its arc), moved up, then down, until each touches no other text, arrow, arc or fixed
// text, within the widget. Span numbers go first, so they keep their row.
void ColocaTextos(GeometriaViga& g, Tamano tamano, const MideTexto& ancho) {
    const double alto = 1.3 * g.tamanoLetra;
    std::vector<Poligonal> obstaculos;
    for (const ArcoDibujo& a : g.arcos) obstaculos.push_back(a.curva);
    for (const FlechaDibujo& f : g.flechas) obstaculos.push_back({f.desde, f.hasta});
    for (const ApoyoDibujo& a : g.apoyos)
        if (!a.figura.empty()) {
            obstaculos.push_back(a.figura);
            obstaculos.back().push_back(a.figura.front());
        }
    std::vector<TextoDibujo*> moviles;
    for (int pasada = 0; pasada < 2; ++pasada)
        for (TextoDibujo& t : g.textos) {
            const bool numero = t.clase == ClaseTexto::NumeroVano;
            const bool fijo = t.clase == ClaseTexto::NumeroApoyo || t.clase == ClaseTexto::Longitud;
            if (pasada == 0 && fijo) {
                // A fixed text is an obstacle: its outline and a diagonal, so nothing
                // lands on it or inside it.
                const double w = ancho(t.texto);
                const Rectangulo r{t.ancla.x - w / 2, t.encima ? t.ancla.y - alto : t.ancla.y, w,
                                   alto};
                obstaculos.push_back({{r.Izquierda(), r.Arriba()},
                                      {r.Derecha(), r.Arriba()},
                                      {r.Derecha(), r.Abajo()},
                                      {r.Izquierda(), r.Abajo()},
                                      {r.Izquierda(), r.Arriba()},
                                      {r.Derecha(), r.Abajo()}});
            }
            if (!fijo && numero == (pasada == 0)) moviles.push_back(&t);
        }
    std::vector<ValorEscrito> valores;
    std::vector<Tamano> tamanos;
    for (const TextoDibujo* t : moviles) {
        ValorEscrito v;
        v.ancla = t->ancla;
        if (t->clase == ClaseTexto::MomentoNudo) {
            v.ancla.x -= 3;
            v.lado = 1;
        }
        valores.push_back(v);
        tamanos.push_back({ancho(t->texto) + 4, alto});
    }
    const LineaBase eje{g.eje.p1.x, g.eje.p2.x, g.eje.p1.y};
    const Rectangulo limites{1, 1, std::max(1.0, tamano.ancho - 2), std::max(1.0, tamano.alto - 2)};
    const auto cajas = ColocaEtiquetas(valores, tamanos, obstaculos, eje, limites, 2);
    for (size_t i = 0; i < moviles.size(); ++i) {
        moviles[i]->ancla = {cajas[i].Centro().x, cajas[i].Abajo()};
        moviles[i]->encima = true;
        moviles[i]->aLaDerecha = false;
    }
}

// Triangle of an "Apoyado" support, apex on the axis.
Poligonal Triangulo(double x, double ejeY, double s) {
    return {{x, ejeY}, {x - 70 * s, ejeY + 110 * s}, {x + 70 * s, ejeY + 110 * s}};
}

// The wall of a fixed end, on the outer side of the node (lado -1 left, +1 right).
Poligonal Pared(double x, double ejeY, double s, int lado) {
    double x2 = x + lado * 55 * s;
    return {{std::min(x, x2), ejeY - 120 * s},
            {std::max(x, x2), ejeY - 120 * s},
            {std::max(x, x2), ejeY + 120 * s},
            {std::min(x, x2), ejeY + 120 * s}};
}

ApoyoDibujo ApoyoExtremo(int nudo, CondicionExtremo condicion, double x, double ejeY, double s,
                         int lado) {
    ApoyoDibujo a;
    a.nudo = nudo;
    if (condicion == CondicionExtremo::kEmpotrado) {
        a.simbolo = SimboloApoyo::Empotramiento;
        a.figura = Pared(x, ejeY, s, lado);
    } else if (condicion == CondicionExtremo::kNoApoyado) {
        a.simbolo = SimboloApoyo::Libre;
    } else {
        a.simbolo = SimboloApoyo::Triangulo;
        a.figura = Triangulo(x, ejeY, s);
    }
    return a;
}

}  // namespace

std::vector<ApoyoDibujo> ApoyosViga(const Proyecto& p, const std::vector<double>& xNudos,
                                    double ejeY, double s) {
    std::vector<ApoyoDibujo> apoyos;
    if (xNudos.size() < 2) return apoyos;
    const int n = static_cast<int>(xNudos.size()) - 1;
    apoyos.push_back(ApoyoExtremo(1, p.apoyoIzquierdo, xNudos[0], ejeY, s, -1));
    for (int j = 2; j <= n; ++j) {
        ApoyoDibujo a;
        a.nudo = j;
        const double x = xNudos[j - 1];
        if (CondicionInterior(p, j) == 1) {
            a.simbolo = SimboloApoyo::Triangulo;
            a.figura = Triangulo(x, ejeY, s);
        } else {
            a.simbolo = SimboloApoyo::Libre;
            a.marca = {x - 18 * s, ejeY - 18 * s, 36 * s, 36 * s};
        }
        apoyos.push_back(a);
    }
    apoyos.push_back(ApoyoExtremo(n + 1, p.apoyoDerecho, xNudos[n], ejeY, s, +1));
    return apoyos;
}

double TamanoLetraViga(Tamano tamano) {
    return std::clamp(std::max(1.0, tamano.alto) / kAlto * 60, 9.0, 14.0);
}

namespace {

// Support numbers under the symbols; below them the dimension line with the lengths.
void AgregaNumerosYCotas(GeometriaViga& g, const std::vector<double>& largo,
                         const MideTexto& anchoTexto) {
    const int n = static_cast<int>(largo.size());
    const double u = g.unidad, letra = g.tamanoLetra, ejeY = g.ejeY;
    auto ancho = [&](int i) { return g.xNudos[i + 1] - g.xNudos[i]; };
    const double yNumero = ejeY + 135 * u;
    for (int j = 1; j <= n + 1; ++j)
        g.textos.push_back({ClaseTexto::NumeroApoyo,
                            std::to_string(j),
                            {g.xNudos[j - 1], yNumero},
                            false,
                            false,
                            kAzulApoyo});
    const double yCota = yNumero + 2.3 * letra;
    g.lineasCota.push_back({{g.xNudos[0], yCota}, {g.xNudos[n], yCota}});
    for (double x : g.xNudos)
        g.lineasCota.push_back({{x, yCota - 0.35 * letra}, {x, yCota + 0.35 * letra}});
    for (int i = 0; i < n; ++i) {
        const double medio = g.xNudos[i] + ancho(i) / 2;
        g.textos.push_back({ClaseTexto::NumeroVano,
                            std::to_string(i + 1),
                            {medio, ejeY - (kBandaArriba + 20) * u},
                            true,
                            false,
                            kRojoVano});
        // A length that does not fit between its supports is left to the grid.
        const std::string texto = Numero(largo[i]);
        if (anchoTexto(texto) + 2 <= ancho(i))
            g.textos.push_back(
                {ClaseTexto::Longitud, texto, {medio, yCota - 1}, true, false, kNegro});
    }
}

// The loads: bands of uniform load, concentrated loads and node loads.
void AgregaCargas(GeometriaViga& g, const Proyecto& p, const std::vector<double>& largo) {
    const int n = static_cast<int>(largo.size());
    const double u = g.unidad, ejeY = g.ejeY;
    auto ancho = [&](int i) { return g.xNudos[i + 1] - g.xNudos[i]; };
    // Runs of consecutive loaded spans, one band each.
    for (int i = 0; i < n;) {
        if (!(p.vanos[i].cargaUltima > 0)) {
            ++i;
            continue;
        }
        int k = i;
        while (k + 1 < n && p.vanos[k + 1].cargaUltima > 0) ++k;
        g.bandas.push_back(RectanguloEntre({g.xNudos[i], ejeY - kBandaArriba * u},
                                           {g.xNudos[k + 1], ejeY - kBandaAbajo * u}));
        i = k + 1;
    }

    // Concentrated loads: positive downwards, the head on the axis.
    for (const CargaConcentrada& c : p.cargas) {
        if (c.vano < 1 || c.vano > n) continue;
        const int i = c.vano - 1;
        const double d = std::clamp(c.distancia, 0.0, largo[i]);
        const double x = g.xNudos[i] + (largo[i] > 0 ? d / largo[i] * ancho(i) : 0);
        // A blank row of the load grid is no load at all.
        if (c.carga == 0) continue;
        const Punto arriba{x, ejeY - kFlecha * u}, abajo{x, ejeY};
        if (c.carga >= 0)
            g.flechas.push_back({arriba, abajo, kAzulApoyo});
        else
            g.flechas.push_back({abajo, arriba, kAzulApoyo});
        g.textos.push_back(
            {ClaseTexto::ValorCarga, Numero(c.carga), arriba, true, false, kAzulApoyo});
    }

    // Node loads: the force upwards positive, the moment counterclockwise positive.
    for (const CargaNudo& c : p.cargasNudo) {
        if (c.nudo < 1 || c.nudo > n + 1) continue;
        const double x = g.xNudos[c.nudo - 1];
        if (c.fuerza != 0) {
            const Punto arriba{x, ejeY - kFlecha * u}, abajo{x, ejeY};
            if (c.fuerza < 0)
                g.flechas.push_back({arriba, abajo, kRojoVano});
            else
                g.flechas.push_back({abajo, arriba, kRojoVano});
            g.textos.push_back(
                {ClaseTexto::ValorNudo, Numero(c.fuerza), arriba, true, false, kRojoVano});
        }
        if (c.momento != 0) {
            ArcoDibujo a;
            a.color = kRojoVano;
            a.caja = {x - kArcoAncho / 2 * u, ejeY - kArcoArriba * u, kArcoAncho * u,
                      (kArcoArriba + kArcoAbajo) * u};
            const Punto centro = a.caja.Centro();
            const double rx = a.caja.ancho / 2, ry = a.caja.alto / 2;
            constexpr double kPi = 3.14159265358979323846;
            // The cap of the ellipse over the node, from 30 to 150 degrees.
            for (int k = 0; k <= 24; ++k) {
                const double t = (30.0 + 120.0 * k / 24) * kPi / 180;
                a.curva.push_back({centro.x + rx * std::cos(t), centro.y - ry * std::sin(t)});
            }
            const bool antihorario = c.momento > 0;
            a.punta = antihorario ? a.curva.back() : a.curva.front();
            a.antesPunta = antihorario ? a.curva[a.curva.size() - 3] : a.curva[2];
            g.arcos.push_back(a);
            g.textos.push_back({ClaseTexto::MomentoNudo,
                                Numero(c.momento),
                                {a.caja.Derecha() + 3, ejeY - kArcoArriba * u},
                                true,
                                true,
                                kRojoVano});
        }
    }
}

}  // namespace

GeometriaViga CalculaGeometriaViga(const Proyecto& p, Tamano tamano, const MideTexto& mide) {
    GeometriaViga g;
    const double w = std::max(1.0, tamano.ancho);
    const double h = std::max(1.0, tamano.alto);
    const double u = h / kAlto;
    g.unidad = u;
    g.tamanoLetra = TamanoLetraViga(tamano);
    const double letra = g.tamanoLetra;
    const MideTexto anchoTexto =
        mide ? mide : [letra](const std::string& t) { return AnchoAproximado(t, letra); };
    g.ejeY = kEje * u + 0.5 * letra;
    const double ejeY = g.ejeY;

    const int n = std::min(std::max(p.numVanos, 1), static_cast<int>(p.vanos.size()));
    if (n <= 0) return g;

    // Horizontal scale: the sum of the lengths over the usable width. Spans of no length
    // at all still get room, so the beam never collapses to a point.
    std::vector<double> largo(n);
    double suma = 0;
    for (int i = 0; i < n; ++i) suma += largo[i] = std::max(0.0, p.vanos[i].longitud);
    const double margen = std::max(36.0, 3.2 * letra) + 40 * u;
    const double util = std::max(10.0, w - 2 * margen);
    const double escala = suma > 0 ? util / suma : 0;
    g.xNudos.resize(n + 1);
    g.xNudos[0] = margen;
    for (int i = 0; i < n; ++i)
        g.xNudos[i + 1] = g.xNudos[i] + (suma > 0 ? largo[i] * escala : util / n);
    auto ancho = [&](int i) { return g.xNudos[i + 1] - g.xNudos[i]; };

    // Symbols shrink with short spans so neighbouring supports never overlap.
    double minimo = util;
    for (int i = 0; i < n; ++i)
        if (ancho(i) > 0) minimo = std::min(minimo, ancho(i));
    const double s = std::max(0.25 * u, std::min(u, minimo / 170));

    g.eje = {{g.xNudos[0], ejeY}, {g.xNudos[n], ejeY}};

    g.apoyos = ApoyosViga(p, g.xNudos, ejeY, s);

    AgregaNumerosYCotas(g, largo, anchoTexto);
    AgregaCargas(g, p, largo);
    ColocaTextos(g, {w, h}, anchoTexto);
    return g;
}

}  // namespace trabelux
