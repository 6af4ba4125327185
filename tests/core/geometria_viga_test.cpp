// Geometry of the beam elevation of the main window: crowded loads keep their labels apart
// and everything inside the frame.
#include "core/dibujo/geometria_viga.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/dibujo/geometria_diagramas.h"

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

// Crowded beams at several sizes: twenty spans with loads bunched together, and node
// loads (a force and a moment at the same node, the last one too) over every node. The
// values never overlap, touch an arc or leave the widget, the values at the right end are
// pulled in, every symbol and line stays in the widget, and a blank load row draws nothing.
TEST(GeometriaViga, TodoCabeSinTraslaparseAUnTamanoCualquiera) {
    Proyecto juntas = Viga(std::vector<double>(kMaxVanos, 2.5));
    juntas.apoyoIzquierdo = CondicionExtremo::kEmpotrado;
    juntas.cargas = {{2, 0.1, 12.5}, {2, 0.15, 4.5}, {2, 0.2, 2}, {5, 1, 1}, {20, 2.5, 1.0}};
    juntas.cargasNudo = {{2, -3.25, 0}, {21, -0.5, 0}};
    auto enNudos = [](int vanos) {
        Proyecto p = Viga(std::vector<double>(vanos, 4));
        for (int nudo = 1; nudo <= vanos + 1; ++nudo)
            p.cargasNudo.push_back({nudo, nudo % 2 ? 1.0 : -2.5, nudo % 3 ? -0.5 : 0.75});
        p.cargas = {{1, 2, 1.25}, {2, 0, 0}};
        return p;
    };
    const struct {
        Proyecto p;
        Tamano tamano;
        size_t valores;  // of span loads, node forces and node moments
    } casos[] = {{juntas, {1240, 320}, 7},    {juntas, {760, 160}, 7},
                 {juntas, {420, 120}, 7},     {enNudos(kMaxVanos), {1240, 320}, 43},
                 {enNudos(3), {760, 200}, 9}, {enNudos(3), {1240, 320}, 9}};
    for (const auto& c : casos) {
        const Tamano tamano = c.tamano;
        SCOPED_TRACE(std::to_string(c.p.numVanos) + " spans at " + std::to_string(tamano.ancho));
        GeometriaViga g = CalculaGeometriaViga(c.p, tamano);
        size_t valores = 0;
        for (auto clase : {ClaseTexto::ValorCarga, ClaseTexto::ValorNudo, ClaseTexto::MomentoNudo})
            valores += Textos(g, clase).size();
        EXPECT_EQ(valores, c.valores);
        EXPECT_TRUE(SinTraslapes(g, tamano));
        // Every length is shown where there is room for it.
        EXPECT_TRUE(tamano.ancho < 1000 ||
                    Textos(g, ClaseTexto::Longitud).size() == size_t(c.p.numVanos));

        const Rectangulo dentro{0, 0, tamano.ancho, tamano.alto};
        for (const auto& a : g.apoyos)
            EXPECT_TRUE(a.figura.empty() || dentro.Contiene(Caja(a.figura)));
        for (const auto& l : g.lineasCota)
            EXPECT_TRUE(dentro.Contiene(l.p1) && dentro.Contiene(l.p2));
        for (const auto& t : g.textos) {  // room for a line of text above or below
            const double arriba = t.encima ? t.ancla.y - 1.3 * g.tamanoLetra : t.ancla.y;
            const double abajo = t.encima ? t.ancla.y : t.ancla.y + 1.3 * g.tamanoLetra;
            EXPECT_TRUE(arriba >= -1 && abajo <= tamano.alto + 1) << t.texto;
        }
        EXPECT_GE(g.tamanoLetra, 9);
        for (size_t k = 1; k < g.apoyos.size(); ++k) {  // neighbouring symbols never overlap
            const Poligonal &a = g.apoyos[k - 1].figura, &b = g.apoyos[k].figura;
            EXPECT_TRUE(a.empty() || b.empty() || Caja(a).Derecha() < Caja(b).Izquierda()) << k;
        }
    }
}
