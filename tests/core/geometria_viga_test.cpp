// Geometry of the beam elevation of the main window: crowded loads keep their labels apart
// and everything inside the frame.
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
