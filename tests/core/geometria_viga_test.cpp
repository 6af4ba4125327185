// Geometry of the beam elevation of the main window: node spacing, supports after the end
// and interior conditions, texts, load bands, arrows and arcs, and everything in the frame.
#include "dibujo/geometria_viga.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "dibujo/geometria_diagramas.h"

using namespace trabelux;
using namespace trabelux::cotas_viga;

namespace {

Proyecto Viga(std::vector<double> largos) {
    Proyecto p = ProyectoNuevo();
    p.numVanos = static_cast<int>(largos.size());
    p.vanos.assign(largos.size(), Vano{});
    for (size_t i = 0; i < largos.size(); ++i) p.vanos[i].longitud = largos[i];
    return p;
}

std::vector<TextoDibujo> Textos(const GeometriaViga& g, ClaseTexto clase) {
    std::vector<TextoDibujo> r;
    for (const auto& t : g.textos)
        if (t.clase == clase) r.push_back(t);
    return r;
}

double Ancho(const GeometriaViga& g, const std::string& t) {
    return AnchoAproximado(t, g.tamanoLetra);
}

// Every text's box (as the painter writes it), and whether no placed text overlaps
// another, every box is inside the widget and no box touches an arc.
bool SinTraslapes(const GeometriaViga& g, Tamano tamano) {
    std::vector<Rectangulo> cajas;
    for (const auto& t : g.textos) {
        const double w = Ancho(g, t.texto), alto = 1.2 * g.tamanoLetra;
        cajas.push_back({t.aLaDerecha ? t.ancla.x : t.ancla.x - w / 2,
                         t.encima ? t.ancla.y - alto : t.ancla.y, w, alto});
    }
    auto fijo = [&](size_t i) {
        return g.textos[i].clase == ClaseTexto::NumeroApoyo ||
               g.textos[i].clase == ClaseTexto::Longitud;
    };
    const Rectangulo dentro{0, 0, tamano.ancho, tamano.alto};
    for (size_t i = 0; i < cajas.size(); ++i) {
        if (!dentro.Contiene(cajas[i])) return false;
        for (size_t j = 0; j < i; ++j)
            if (!(fijo(i) && fijo(j)) && cajas[i].Intersecta(cajas[j])) return false;
        for (const auto& a : g.arcos)
            for (size_t k = 0; k + 1 < a.curva.size(); ++k)
                if (SegmentoTocaRectangulo(a.curva[k], a.curva[k + 1], cajas[i])) return false;
    }
    return true;
}

}  // namespace

TEST(GeometriaViga, NudosRepartenLaLongitudEnElAnchoYSoloCuentanLosVanosDeLaCuenta) {
    GeometriaViga g = CalculaGeometriaViga(Viga({2, 6, 4}), {1000, 300});
    ASSERT_EQ(g.xNudos.size(), 4u);
    const double total = g.xNudos[3] - g.xNudos[0];
    EXPECT_NEAR((g.xNudos[1] - g.xNudos[0]) / total, 2.0 / 12, 1e-9);
    EXPECT_NEAR((g.xNudos[2] - g.xNudos[1]) / total, 6.0 / 12, 1e-9);
    EXPECT_NEAR(g.xNudos[0], 1000 - g.xNudos[3], 1e-9);  // even margins
    EXPECT_GT(total, 800);
    EXPECT_EQ(g.eje.p1, (Punto{g.xNudos[0], g.ejeY}));
    EXPECT_EQ(g.eje.p2, (Punto{g.xNudos[3], g.ejeY}));

    Proyecto p = Viga({2, 3, 4, 5});
    p.numVanos = 2;  // rows 3 and 4 stay in the grid but are not part of the beam
    EXPECT_EQ(CalculaGeometriaViga(p, {800, 300}).apoyos.size(), 3u);

    g = CalculaGeometriaViga(Viga({0, 0}), {800, 300});  // no length: the beam keeps room
    EXPECT_GT(g.xNudos[1], g.xNudos[0]);
    EXPECT_GT(g.xNudos[2], g.xNudos[1]);
}

TEST(GeometriaViga, SimbolosDeApoyos) {
    using S = SimboloApoyo;
    struct Caso {
        int izq, der, interior;
        S simbolos[3];
    } casos[] = {
        {kApoyado, kApoyado, 1, {S::Triangulo, S::Triangulo, S::Triangulo}},
        {kEmpotrado, kNoApoyado, 0, {S::Empotramiento, S::Libre, S::Libre}},
        {kNoApoyado, kEmpotrado, 1, {S::Libre, S::Triangulo, S::Empotramiento}},
    };
    for (const Caso& c : casos) {
        Proyecto p = Viga({4, 4});
        p.apoyoIzquierdo = c.izq;
        p.apoyoDerecho = c.der;
        p.apoyosInteriores = {c.interior};
        GeometriaViga g = CalculaGeometriaViga(p, {900, 300});
        ASSERT_EQ(g.apoyos.size(), 3u);
        for (const ApoyoDibujo& a : g.apoyos) {
            SCOPED_TRACE(a.nudo);
            EXPECT_EQ(a.simbolo, c.simbolos[a.nudo - 1]);
            const double x = g.xNudos[a.nudo - 1];
            const Rectangulo r = Caja(a.figura);
            switch (a.simbolo) {
                case S::Triangulo:
                    ASSERT_EQ(a.figura.size(), 3u);
                    EXPECT_EQ(a.figura[0], (Punto{x, g.ejeY}));  // apex on the node
                    EXPECT_GT(a.figura[1].y, g.ejeY);
                    break;
                case S::Empotramiento:  // the wall stands outside the beam, across the axis
                    ASSERT_EQ(a.figura.size(), 4u);
                    EXPECT_EQ(a.nudo == 1 ? r.Derecha() : r.Izquierda(), x);
                    EXPECT_TRUE(r.Arriba() < g.ejeY && r.Abajo() > g.ejeY);
                    break;
                case S::Libre:  // only an unsupported interior node is marked on the axis
                    EXPECT_TRUE(a.figura.empty());
                    EXPECT_EQ(a.marca.Vacio(), a.nudo != 2);
                    if (!a.marca.Vacio()) {
                        EXPECT_EQ(a.marca.Centro(), (Punto{x, g.ejeY}));
                    }
                    break;
            }
        }
    }
}

TEST(GeometriaViga, TextosDeApoyosYVanos) {
    GeometriaViga g = CalculaGeometriaViga(Viga({3.456, 5}), {900, 300});
    auto apoyos = Textos(g, ClaseTexto::NumeroApoyo);
    auto vanos = Textos(g, ClaseTexto::NumeroVano);
    auto largos = Textos(g, ClaseTexto::Longitud);
    ASSERT_EQ(apoyos.size(), 3u);
    ASSERT_EQ(vanos.size(), 2u);
    ASSERT_EQ(largos.size(), 2u);
    for (int j = 0; j < 3; ++j) {
        EXPECT_EQ(apoyos[j].texto, std::to_string(j + 1));
        EXPECT_EQ(apoyos[j].color, (Color{0, 0, 192}));
        EXPECT_EQ(apoyos[j].ancla.x, g.xNudos[j]);
        EXPECT_GT(apoyos[j].ancla.y, g.ejeY);
    }
    EXPECT_EQ(largos[0].texto, "3.46");
    EXPECT_EQ(largos[1].texto, "5.00");
    for (int i = 0; i < 2; ++i) {
        const double medio = (g.xNudos[i] + g.xNudos[i + 1]) / 2;
        EXPECT_EQ(vanos[i].color, (Color{192, 0, 0}));
        EXPECT_EQ(vanos[i].ancla.x, medio);
        EXPECT_EQ(largos[i].ancla.x, medio);
        EXPECT_EQ(largos[i].color, kNegro);
        // The span number on one side of the axis, its length on the other.
        EXPECT_LT(vanos[i].ancla.y, g.ejeY);
        EXPECT_GT(largos[i].ancla.y, g.ejeY);
    }
}

TEST(GeometriaViga, BandasPorTramosDeVanosCargados) {
    Proyecto p = Viga({1, 1, 1, 1, 1});
    const double cargas[] = {2, 3, 0, 1, 1};
    for (int i = 0; i < 5; ++i) p.vanos[i].cargaUltima = cargas[i];
    GeometriaViga g = CalculaGeometriaViga(p, {1000, 440});
    ASSERT_EQ(g.bandas.size(), 2u);
    EXPECT_EQ(g.bandas[0].Izquierda(), g.xNudos[0]);
    EXPECT_EQ(g.bandas[0].Derecha(), g.xNudos[2]);
    EXPECT_EQ(g.bandas[1].Izquierda(), g.xNudos[3]);
    EXPECT_EQ(g.bandas[1].Derecha(), g.xNudos[5]);
    EXPECT_NEAR(g.bandas[0].Arriba(), g.ejeY - kBandaArriba * g.unidad, 1e-9);
    EXPECT_NEAR(g.bandas[0].Abajo(), g.ejeY - kBandaAbajo * g.unidad, 1e-9);
}

TEST(GeometriaViga, CargasConcentradasYEnNudos) {
    Proyecto p = Viga({4, 6});
    p.cargas = {{2, 1.5, 3.25}, {1, 9, -1}, {7, 1, 1}};    // distance past the end; no span 7
    p.cargasNudo = {{2, -3, 0}, {3, 0, 1.75}, {0, 5, 5}};  // node 0 does not count
    GeometriaViga g = CalculaGeometriaViga(p, {1000, 440});
    ASSERT_EQ(g.flechas.size(), 3u);
    const double x = g.xNudos[1] + 1.5 / 6 * (g.xNudos[2] - g.xNudos[1]);
    const FlechaDibujo& f = g.flechas[0];
    EXPECT_NEAR(f.desde.x, x, 1e-9);
    EXPECT_NEAR(f.desde.y, g.ejeY - kFlecha * g.unidad, 1e-9);
    EXPECT_EQ(f.hasta, (Punto{f.desde.x, g.ejeY}));  // downwards onto the axis
    // A load beyond the span's length stands at its end; an upward load points up.
    EXPECT_NEAR(g.flechas[1].desde.x, g.xNudos[1], 1e-9);
    EXPECT_LT(g.flechas[1].hasta.y, g.flechas[1].desde.y);
    auto valores = Textos(g, ClaseTexto::ValorCarga);
    ASSERT_EQ(valores.size(), 2u);
    EXPECT_EQ(valores[0].texto, "3.25");
    EXPECT_NEAR(valores[0].ancla.x, x, 1e-9);  // over its arrow
    EXPECT_LE(valores[0].ancla.y, g.flechas[0].desde.y);

    // The node force points down at node 2, in red; the moment turns over node 3.
    EXPECT_EQ(g.flechas[2].hasta, (Punto{g.xNudos[1], g.ejeY}));
    EXPECT_EQ(g.flechas[2].color, kRojoVano);
    ASSERT_EQ(g.arcos.size(), 1u);
    const ArcoDibujo& a = g.arcos[0];
    const double u = g.unidad;
    EXPECT_NEAR(a.caja.ancho, kArcoAncho * u, 1e-9);
    EXPECT_NEAR(a.caja.Arriba(), g.ejeY - kArcoArriba * u, 1e-9);
    EXPECT_NEAR(a.caja.Abajo(), g.ejeY + kArcoAbajo * u, 1e-9);
    EXPECT_NEAR(a.caja.Centro().x, g.xNudos[2], 1e-9);
    EXPECT_LT(a.punta.x, g.xNudos[2]);  // counterclockwise: towards the arc's left end
    auto fuerza = Textos(g, ClaseTexto::ValorNudo);
    auto momento = Textos(g, ClaseTexto::MomentoNudo);
    ASSERT_EQ(fuerza.size(), 1u);
    EXPECT_EQ(fuerza[0].texto, "-3.00");
    ASSERT_EQ(momento.size(), 1u);
    EXPECT_EQ(momento[0].texto, "1.75");
}

// Twenty spans with crowded loads: the values of one row never overlap, the values at the
// right end are pulled in, and every symbol, line and text stays in the widget.
TEST(GeometriaViga, TodoCabeSinTraslaparseAUnTamanoCualquiera) {
    for (Tamano tamano : {Tamano{1240, 320}, Tamano{760, 160}, Tamano{420, 120}}) {
        SCOPED_TRACE(tamano.ancho);
        Proyecto p = Viga(std::vector<double>(kMaxVanos, 2.5));
        p.apoyoIzquierdo = kEmpotrado;
        p.cargas = {{2, 0.1, 12.5}, {2, 0.15, 4.5}, {2, 0.2, 2}, {5, 1, 1}, {20, 2.5, 1.0}};
        p.cargasNudo = {{2, -3.25, 0}, {21, -0.5, 0}};
        GeometriaViga g = CalculaGeometriaViga(p, tamano);
        EXPECT_EQ(
            Textos(g, ClaseTexto::ValorCarga).size() + Textos(g, ClaseTexto::ValorNudo).size(), 7u);
        EXPECT_TRUE(SinTraslapes(g, tamano));
        if (tamano.ancho > 1000) {  // every length is shown where there is room for it
            EXPECT_EQ(Textos(g, ClaseTexto::Longitud).size(), size_t(kMaxVanos));
        }

        const Rectangulo dentro{0, 0, tamano.ancho, tamano.alto};
        for (const auto& a : g.apoyos)
            if (!a.figura.empty()) {
                EXPECT_TRUE(dentro.Contiene(Caja(a.figura)));
            }
        for (const auto& l : g.lineasCota)
            EXPECT_TRUE(dentro.Contiene(l.p1) && dentro.Contiene(l.p2));
        for (const auto& t : g.textos) {  // room for a line of text above or below
            const double arriba = t.encima ? t.ancla.y - 1.3 * g.tamanoLetra : t.ancla.y;
            const double abajo = t.encima ? t.ancla.y : t.ancla.y + 1.3 * g.tamanoLetra;
            EXPECT_TRUE(arriba >= -1 && abajo <= tamano.alto + 1) << t.texto;
        }
        EXPECT_GE(g.tamanoLetra, 9);
        for (size_t k = 1; k < g.apoyos.size(); ++k)  // neighbouring symbols never overlap
            if (!g.apoyos[k].figura.empty() && !g.apoyos[k - 1].figura.empty()) {
                EXPECT_LT(Caja(g.apoyos[k - 1].figura).Derecha(),
                          Caja(g.apoyos[k].figura).Izquierda());
            }
    }
}

// Node loads on a crowded beam: a force and a moment at the same node (the last one too),
// moments over every node of twenty spans; no text overlaps another, touches an arc or
// leaves the widget. A blank load row draws nothing.
TEST(GeometriaViga, ValoresDeCargasSinTraslapes) {
    const std::pair<Tamano, int> casos[] = {
        {{1240, 320}, kMaxVanos}, {{760, 200}, 3}, {{1240, 320}, 3}};
    for (const auto& [tamano, vanos] : casos) {
        SCOPED_TRACE(vanos);
        Proyecto p = Viga(std::vector<double>(vanos, 4));
        for (int nudo = 1; nudo <= vanos + 1; ++nudo)
            p.cargasNudo.push_back({nudo, nudo % 2 ? 1.0 : -2.5, nudo % 3 ? -0.5 : 0.75});
        p.cargas = {{1, 2, 1.25}, {2, 0, 0}};
        GeometriaViga g = CalculaGeometriaViga(p, tamano);
        EXPECT_TRUE(SinTraslapes(g, tamano)) << tamano.ancho;
        EXPECT_EQ(Textos(g, ClaseTexto::ValorCarga).size(), 1u);
    }
}
