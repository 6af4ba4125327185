// Geometry of the results drawings: baselines and scales, support symbols, curves through
// the stations, reaction arrows and arcs, the probe, and where the values are written.
#include "dibujo/geometria_diagramas.h"

#include <gtest/gtest.h>

#include <cmath>

#include "analisis/calcula.h"
#include "modelo/derivados.h"

using namespace trabelux;

namespace {

// Spans of 25 x 50 with a uniform load w; point loads as (span, distance, load).
Proyecto ProyectoDe(std::vector<double> largos, double w, int izq, int der,
                    std::vector<int> interiores, std::vector<CargaConcentrada> cargas = {}) {
    Proyecto p = ProyectoNuevo();
    p.numVanos = static_cast<int>(largos.size());
    p.vanos.clear();
    for (double l : largos) {
        Vano v;
        v.longitud = l;
        v.base = 25;
        v.altura = 50;
        v.inercia = InerciaRectangular(25, 50);
        v.cargaUltima = w;
        p.vanos.push_back(v);
    }
    p.apoyoIzquierdo = izq;
    p.apoyoDerecho = der;
    p.apoyosInteriores = std::move(interiores);
    p.cargas = std::move(cargas);
    return p;
}

// Fixed left end, 5 and 6 m spans and a 1.4 m cantilever, 3 t/m, an 8 t load on span 2
// and a 2 t load near the cantilever's tip.
Proyecto ProyectoEjemplo() {
    return ProyectoDe({5, 6, 1.4}, 3, kEmpotrado, kNoApoyado, {1, 1}, {{2, 2.5, 8}, {3, 1.2, 2}});
}

Resultados Analiza(const Proyecto& p) {
    OpcionesCalculo o;
    o.soloAnalisis = true;
    return Calcula(p, o);
}

}  // namespace

TEST(GeometriaDiagramas, LineaBaseYEscalas) {
    struct Caso {
        int vanos;
        Superficie tipo;
        double x1, x2, y;
    } casos[] = {
        {1, Superficie::kCortantes, 3000, 6000, 2000},  // one span: the middle third
        {0, Superficie::kMomentos, 3000, 6000, 2000},   // no analysis yet
        {2, Superficie::kCortantes, 900, 8100, 2000},   // 10 .. 90 %
        {20, Superficie::kMomentos, 900, 8100, 2000},
        {3, Superficie::kReacciones, 900, 8100, 1600},  // reactions axis at height / 2.5
    };
    for (const Caso& c : casos) {
        const LineaBase l = LineasDibuja({9000, 4000}, c.vanos, c.tipo);
        EXPECT_EQ(l.x1, c.x1);
        EXPECT_EQ(l.x2, c.x2);
        EXPECT_EQ(l.y, c.y);
    }
    const LineaBase l{900, 8100, 2000};
    EXPECT_EQ(EscalaHorizontal(l, {4.0, 5.0}), 800.0);
    EXPECT_EQ(EscalaHorizontal(l, {}), 1.0);  // no beam: no division by zero
    EXPECT_EQ(EscalaHorizontal(l, {0.0, 0.0}), 1.0);
    EXPECT_EQ(EscalaVertical(4000, 9.0), 200.0);  // largest ordinate at 90 % of half height
    EXPECT_EQ(EscalaVertical(4000, 0.0), 0.0);    // all zero: no curve
    EXPECT_EQ(EscalaVertical(4000, std::nan("")), 0.0);
}

TEST(GeometriaDiagramas, SimbolosDeApoyos) {
    // Three spans of 2, 3 and 4 m on 900..8100: nodes at 900, 2500, 4900, 8100.
    struct Caso {
        int izq, der;
        std::vector<int> interiores;
        size_t triangulos;
        std::vector<double> bloques;  // left edges
        std::vector<double> circulos;
    } casos[] = {
        {kApoyado, kApoyado, {1, 1}, 2, {}, {2500, 4900}},
        {kEmpotrado, kApoyado, {1, 1}, 1, {850}, {2500, 4900}},   // block at x1 - 50
        {kApoyado, kEmpotrado, {1, 1}, 1, {8110}, {2500, 4900}},  // block at x2 + 10
        {kNoApoyado, kNoApoyado, {1, 1}, 0, {}, {2500, 4900}},    // free ends show nothing
        {kApoyado, kApoyado, {0, 1}, 2, {}, {4900}},              // "No apoyado - 0"
    };
    for (const Caso& c : casos) {
        const VigaDibujo viga =
            VigaDeProyecto(ProyectoDe({2, 3, 4}, 1, c.izq, c.der, c.interiores), 3);
        ASSERT_EQ(viga.interiores.size(), 2u);
        const LineaBase l{900, 8100, 2000};
        const SimbolosApoyo s = ApoyosDibuja(l, viga, EscalaHorizontal(l, viga.longitudes));
        ASSERT_EQ(s.triangulos.size(), c.triangulos);
        for (const auto& t : s.triangulos) {  // apex under the axis, 100 wide at y + 110
            EXPECT_EQ(t[0].y, 2010.0);
            EXPECT_EQ(t[2].x - t[1].x, 100.0);
            EXPECT_EQ(t[1].y, 2110.0);
        }
        ASSERT_EQ(s.bloques.size(), c.bloques.size());
        for (size_t i = 0; i < c.bloques.size(); ++i) {
            EXPECT_EQ(s.bloques[i].x, c.bloques[i]);
            EXPECT_EQ(s.bloques[i].y, 2000.0 - kAltoBloque / 2);
            EXPECT_EQ(s.bloques[i].ancho, kAnchoBloque);
            EXPECT_EQ(s.bloques[i].alto, kAltoBloque);
        }
        ASSERT_EQ(s.circulos.size(), c.circulos.size());
        for (size_t i = 0; i < c.circulos.size(); ++i)
            EXPECT_EQ(s.circulos[i], (Punto{c.circulos[i], 2000}));
    }
}

TEST(GeometriaDiagramas, CurvaEscalonaEnLasCargasYNuncaRetrocede) {
    // One 10 m span on 0..1000: stations 0, 5, 5 (load), 5.000001, 10, then 9 (behind).
    EstacionesVano e;
    e.x = {0, 5, 5, 5.000001f, 10, 9};
    e.cortante = {4, 3, 3, -2, -3, -3};
    e.momento = e.cortante;
    const LineaBase l{0, 1000, 500};
    const Poligonal c = PuntosCurva(l, 100, 10, {e}, 1, Magnitud::kCortante);
    ASSERT_EQ(c.size(), 8u);
    EXPECT_EQ(c.front(), (Punto{0, 500}));  // starts on the axis
    EXPECT_EQ(c[1], (Punto{0, 540}));       // positive below the axis
    EXPECT_EQ(c[2].x, c[3].x);
    EXPECT_NEAR(c[4].x, c[3].x, 0.01);  // a vertical step at the load
    EXPECT_EQ(c[4].y, 480.0);           // negative above the axis
    EXPECT_EQ(c[6].x, c[5].x);          // drawn at its predecessor's x
    EXPECT_EQ(c.back(), (Punto{1000, 500}));

    // The next span starts at its node.
    const Resultados r = Analiza(ProyectoDe({4, 4}, 2, kApoyado, kApoyado, {1}));
    const auto xs = AbscisasDibujo({900, 8100, 2000}, 900, r.diagramas, 2);
    ASSERT_EQ(xs.size(), 2u);
    EXPECT_NEAR(xs[1].front(), 4500, 0.5);
    EXPECT_NEAR(xs[1].back(), 8100, 0.5);
}

TEST(GeometriaDiagramas, SinValoresNoHayCurvaNiSondaYElMaximoNoSeQuedaCorto) {
    const Proyecto p = ProyectoDe({4, 4}, 0, kApoyado, kApoyado, {1});
    const Resultados r = Analiza(p);  // unloaded: every value is zero
    ASSERT_TRUE(r.analisisCompleto);
    EXPECT_EQ(MaximoAbsoluto(r.diagramas, 2, Magnitud::kMomento, r.maxMomento), 0.0);
    const LineaBase l{900, 8100, 2000};
    EXPECT_TRUE(PuntosCurva(l, 900, 0, r.diagramas, 2, Magnitud::kCortante).empty());
    EXPECT_TRUE(ValoresCurva(l, 900, 0, r, 2, Magnitud::kMomento).empty());
    EXPECT_FALSE(
        Sonda(l, 900, 0, VigaDeProyecto(p, 2), r.diagramas, Magnitud::kCortante, {1000, 2000}));

    const Resultados una = Analiza(ProyectoDe({4}, 2, kApoyado, kApoyado, {}));  // shears +-4
    EXPECT_NEAR(MaximoAbsoluto(una.diagramas, 1, Magnitud::kCortante, 0.0), 4.0, 1e-5);
    EXPECT_EQ(MaximoAbsoluto(una.diagramas, 1, Magnitud::kCortante, 10.0), 10.0);
}

TEST(GeometriaDiagramas, FlechasYArcosDeReacciones) {
    // Node 1: 10 t up; node 2: 1 t up (under 15 %); node 3: free; node 4: -4 t with a moment.
    const LineaBase l{900, 8100, 1600};
    const std::vector<double> nudos = {900, 3000, 5000, 8100};
    const DibujoReacciones d = ReaccionesDibuja(l, 4000, nudos, {10, 0, 1, 0, 0, 0, -4, 2.5f});
    ASSERT_EQ(d.flechas.size(), 3u);  // a zero reaction draws no arrow
    const double completa = 4000 / 2.5;
    auto largo = [](const FlechaReaccion& f) { return f.hasta.y - f.desde.y; };
    EXPECT_EQ(d.flechas[0].desde, (Punto{900, 1800}));
    EXPECT_EQ(largo(d.flechas[0]), completa);
    EXPECT_EQ(largo(d.flechas[1]), 0.15 * completa);  // shortest arrow is 15 %
    EXPECT_EQ(largo(d.flechas[2]), 0.4 * completa);
    EXPECT_EQ(d.flechas[0].punta[0], (Punto{900, 1800}));  // upward: head at the beam side
    EXPECT_EQ(d.flechas[2].punta[0], d.flechas[2].hasta);  // downward: head away
    EXPECT_LT(d.flechas[2].punta[1].y, d.flechas[2].hasta.y);
    ASSERT_EQ(d.arcos.size(), 1u);
    EXPECT_EQ(d.arcos[0].centro, (Punto{8100, 1600}));
    EXPECT_EQ(d.arcos[0].radio, 400.0);
    EXPECT_GT(d.arcos[0].punta[1].x, 8100);  // counterclockwise: head on the right
    EXPECT_GT(d.arcos[0].punta[1].y, 1600);  // under the node

    const auto v = ValoresReacciones(d);  // under each arrow's tail, beside the arc's head
    ASSERT_EQ(v.size(), 4u);
    EXPECT_EQ(v[2].ancla, d.flechas[2].hasta);
    EXPECT_EQ(v[2].valor, -4.0);
    EXPECT_TRUE(v[2].abajo);
    EXPECT_EQ(v[3].valor, 2.5);
    EXPECT_EQ(v[3].lado, +1);

    const DibujoReacciones cw = ReaccionesDibuja(l, 4000, nudos, {0, 0, 0, 0, 0, 0, 0, -1});
    EXPECT_LT(cw.arcos[0].punta[1].x, 8100);  // clockwise: head on the left
    EXPECT_TRUE(cw.flechas.empty());
    // Only downward reactions: the largest by size still sets the scale.
    const DibujoReacciones abajo = ReaccionesDibuja(l, 4000, {900, 8100}, {-2, 0, -8, 0});
    ASSERT_EQ(abajo.flechas.size(), 2u);
    EXPECT_EQ(largo(abajo.flechas[1]), completa);
}

TEST(GeometriaDiagramas, Sonda) {
    // One 10 m span on 0..1000 (escH 100, escV 10, axis at 500): V = 4 - x, a 3 t load at 5.
    EstacionesVano e;
    for (int k = 0; k <= 10; ++k) {
        if (k == 5) {
            e.x.insert(e.x.end(), {5, 5.000001f});
            e.cortante.insert(e.cortante.end(), {-1, -4});
        } else {
            e.x.push_back(float(k));
            e.cortante.push_back(float(k < 5 ? 4 - k : 1 - k));
        }
    }
    e.momento = e.cortante;
    VigaDibujo viga;
    viga.numVanos = 1;
    viga.longitudes = {10};
    struct Caso {
        Punto punto;
        std::optional<double> valor;
    } casos[] = {
        {{-1, 510}, {}},           // left of the beam
        {{1001, 505}, {}},         // right of the last node
        {{150, 560}, {}},          // below the band
        {{150, 499}, {}},          // above the axis on a positive band
        {{150, 520}, 2.0},         // inside the band: the next station to the right
        {{200, 500}, 2.0},         // bounds included
        {{0, 540}, 4.0},           // at the start
        {{500.00005, 495}, -4.0},  // right of the load: the taller side (-1) gives the band
        {{500.00005, 480}, {}},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(Sonda({0, 1000, 500}, 100, 10, viga, {e}, Magnitud::kCortante, c.punto), c.valor)
            << c.punto.x << "," << c.punto.y;
    EXPECT_EQ(TextoSonda(Magnitud::kCortante, 12.3456), " V = 12.346 To ");
    EXPECT_EQ(TextoSonda(Magnitud::kMomento, -3), " M = -3.000 To-m ");
}

TEST(GeometriaDiagramas, ValoresEscritosEnLasCurvas) {
    const Resultados r = Analiza(ProyectoEjemplo());
    ASSERT_TRUE(r.analisisCompleto);
    const LineaBase l{900, 8100, 2000};
    const double escH = EscalaHorizontal(l, {5, 6, 1.4});
    const double escV = EscalaVertical(4000, r.maxMomento);
    const auto v = ValoresCurva(l, escH, escV, r, 3, Magnitud::kMomento);
    // Ends of spans 1 and 2 and their largest moments; the moment over each support is
    // written once, centred; the cantilever's tip reads 0.00 and is left out.
    ASSERT_EQ(v.size(), 5u);
    EXPECT_EQ(v[0].valor, double(r.diagramas[0].momento.front()));
    EXPECT_EQ(v[0].lado, +1);
    EXPECT_EQ(v[1].lado, 0);
    EXPECT_EQ(v[3].lado, 0);
    EXPECT_EQ(v[3].valor, double(r.diagramas[1].momento.back()));
    EXPECT_EQ(v[2].valor, double(r.momMaxVano[0]));
    EXPECT_EQ(v[4].valor, double(r.momMaxVano[1]));
    EXPECT_NEAR(v[2].ancla.x, 900 + escH * r.posMomMax[0], 1);
    EXPECT_GT(v[2].ancla.y, 2000);  // sagging hangs below
    // Shears jump at a support: both sides are written, left and right of the node.
    const auto c =
        ValoresCurva(l, escH, EscalaVertical(4000, r.maxCortante), r, 3, Magnitud::kCortante);
    ASSERT_EQ(c.size(), 5u);
    EXPECT_EQ(c[1].lado, -1);
    EXPECT_EQ(c[2].lado, +1);
    EXPECT_EQ(c[1].valor, double(r.diagramas[0].cortante.back()));

    // Their boxes stay on the surface, apart, and on a full-size surface off the curve.
    for (Tamano sup : {Tamano{9500, 3000}, Tamano{4000, 1600}}) {
        const LineaBase lb = LineasDibuja(sup, 3, Superficie::kMomentos);
        const double eh = EscalaHorizontal(lb, {5, 6, 1.4});
        const double ev = EscalaVertical(sup.alto, r.maxMomento);
        for (Magnitud m : {Magnitud::kCortante, Magnitud::kMomento}) {
            const Poligonal curva = PuntosCurva(lb, eh, ev, r.diagramas, 3, m);
            const auto valores = ValoresCurva(lb, eh, ev, r, 3, m);
            const Rectangulo lim{0, 0, sup.ancho, sup.alto};
            const auto cajas = ColocaEtiquetas(
                valores, std::vector<Tamano>(valores.size(), {450, 170}), {curva}, lb, lim);
            ASSERT_EQ(cajas.size(), valores.size());
            for (size_t i = 0; i < cajas.size(); ++i) {
                EXPECT_TRUE(lim.Contiene(cajas[i]));
                for (size_t j = i + 1; j < cajas.size(); ++j)
                    EXPECT_FALSE(cajas[i].Intersecta(cajas[j]));
                for (size_t k = 0; sup.ancho > 9000 && k + 1 < curva.size(); ++k)
                    EXPECT_FALSE(SegmentoTocaRectangulo(curva[k], curva[k + 1], cajas[i]));
            }
        }
    }
}

TEST(GeometriaDiagramas, SegmentoContraRectangulo) {
    struct Caso {
        Punto a, b;
        bool toca;
    } casos[] = {
        {{0, 15}, {30, 15}, true},   // crosses
        {{12, 12}, {13, 13}, true},  // inside
        {{0, 5}, {30, 5}, false},    // misses above
        {{0, 15}, {15, 0}, false},   // diagonal past the corner
        {{0, 25}, {25, 0}, true},    // diagonal through it
        {{20, 0}, {20, 30}, true},   // touches an edge
        {{5, 0}, {5, 30}, false},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(SegmentoTocaRectangulo(c.a, c.b, {10, 10, 10, 10}), c.toca)
            << c.a.x << "," << c.a.y;
}
