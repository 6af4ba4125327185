// Geometry of the report's pictures: section outlines to scale with their bars inside, and
// the reinforcement elevation with its bars, labels and section cuts.
#include <gtest/gtest.h>

#include <cmath>

#include "comun/viga_mayor.h"
#include "core/calculo/calcula.h"
#include "core/detallado/acciones_detallado.h"
#include "core/detallado/despiece.h"
#include "core/detallado/planilla.h"
#include "core/dibujo/geometria_refuerzo.h"
#include "core/dibujo/geometria_secciones.h"

namespace trabelux {
namespace {

// Ray casting: whether p lies inside the closed outline.
bool Dentro(const Poligonal& c, Punto p) {
    bool dentro = false;
    for (size_t i = 0, j = c.size() - 1; i < c.size(); j = i++)
        if ((c[i].y > p.y) != (c[j].y > p.y) &&
            p.x < (c[j].x - c[i].x) * (p.y - c[i].y) / (c[j].y - c[i].y) + c[i].x)
            dentro = !dentro;
    return dentro;
}

// Three spans of 25 x 50 under 3 t/m, pinned ends.
Proyecto ProyectoEjemplo3() {
    Proyecto p = VigaUniforme({5.0, 6.0, 4.0}, 3);
    p.datos.fc = "210";
    p.datos.fy = "4200";
    return p;
}

// A project analysed and designed, with its detailing table loaded.
struct Diseno {
    Proyecto p;
    Resultados r;
    TablaDetallado t;
};
Diseno Disena(Proyecto p) {
    Diseno d{std::move(p), {}, {}};
    OpcionesCalculo o;
    o.preguntaRefuerzoDoble = [](const std::string&) { return true; };
    d.r = Calcula(d.p, o);
    CargaDetallado(d.t, d.p, d.r);
    return d;
}

FilaDetallado FilaConBarras(const std::string& tipo) {
    FilaDetallado f;
    f.tipo = tipo;
    f.sec = "1-1";
    f.barraInferior = 2;
    f.cantInferior = 4;
    f.barraPercha = 0;
    f.cantPercha = 2;
    f.barraAdicional = 1;
    f.cantAdicional = 3;
    f.barraEstribo = 0;
    f.separEstribo = 0.15;
    return f;
}

}  // namespace

TEST(Secciones, ContornoAEscalaConSusAlasYLasBarrasDentro) {
    // Which corners of the box (top-left, top-right, bottom-left, bottom-right) are solid.
    struct Caso {
        const char* tipo;
        double anchoEnB;  // box width over b
        bool esquinas[4];
    } casos[] = {
        {"Rect", 1, {1, 1, 1, 1}},   {"Tee", 2, {1, 1, 0, 0}}, {"STI", 1.5, {1, 1, 0, 1}},
        {"STD", 1.5, {1, 1, 1, 0}},  {"TI", 2, {0, 0, 1, 1}},  {"STII", 1.5, {0, 1, 1, 1}},
        {"STID", 1.5, {1, 0, 1, 1}}, {"", 1, {1, 1, 1, 1}},
    };
    const double escala = 30, b = 25, h = 50;
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.tipo);
        const GeometriaSeccion g =
            CalculaSeccion(FilaConBarras(c.tipo), b, h, 5, {1000, 2000}, escala, 12);
        EXPECT_DOUBLE_EQ(g.caja.ancho, c.anchoEnB * b * escala);
        EXPECT_DOUBLE_EQ(g.caja.alto, h * escala);
        EXPECT_EQ(g.caja.x, 1000);
        EXPECT_EQ(g.caja.y, 2000);
        const Tamano e = ExtensionSeccion(c.tipo, b, h);
        EXPECT_DOUBLE_EQ(e.ancho * escala, g.caja.ancho);
        const Rectangulo& k = g.caja;
        const Punto esquinas[4] = {{k.Izquierda() + 1, k.Arriba() + 1},
                                   {k.Derecha() - 1, k.Arriba() + 1},
                                   {k.Izquierda() + 1, k.Abajo() - 1},
                                   {k.Derecha() - 1, k.Abajo() - 1}};
        for (int i = 0; i < 4; ++i) EXPECT_EQ(Dentro(g.contorno, esquinas[i]), c.esquinas[i]) << i;
        ASSERT_EQ(g.inferiores.size(), 4u);
        ASSERT_EQ(g.superiores.size(), 5u);  // two hangers and three additional bars
        for (const auto* grupo : {&g.inferiores, &g.superiores})
            for (const BarraSeccion& barra : *grupo) {
                EXPECT_TRUE(Dentro(g.contorno, barra.centro));
                EXPECT_TRUE(g.estribo.Contiene(barra.centro));
                EXPECT_GE(barra.radio, 12);
            }
        EXPECT_LT(g.superiores[0].centro.y, g.inferiores[0].centro.y);
        // At a sagging support the three additional bars join the bottom face, inside too.
        const GeometriaSeccion s =
            CalculaSeccion(FilaConBarras(c.tipo), b, h, 5, {1000, 2000}, escala, 12, true);
        ASSERT_EQ(s.inferiores.size(), 7u);
        ASSERT_EQ(s.superiores.size(), 2u);
        for (const BarraSeccion& barra : s.inferiores) {
            EXPECT_TRUE(s.estribo.Contiene(barra.centro));
            EXPECT_DOUBLE_EQ(barra.centro.y, g.inferiores[0].centro.y);
        }
    }
    // One bar sits on the web's axis; the largest bar of the list is drawn too.
    FilaDetallado una = FilaConBarras("Rec");
    una.cantInferior = 1;
    una.barraInferior = 4;
    const GeometriaSeccion g = CalculaSeccion(una, 30, 60, 5, {1000, 2000}, 10);
    ASSERT_EQ(g.inferiores.size(), 1u);
    EXPECT_DOUBLE_EQ(g.inferiores[0].centro.x, 1000 + 30 * 10 / 2.0);
    // A section too small for its cover, or with no size at all, keeps everything finite.
    for (double lado : {2.0, 0.0}) {
        const GeometriaSeccion g =
            CalculaSeccion(FilaConBarras("Tee"), lado, lado, 5, {0, 0}, 30, 0);
        for (const BarraSeccion& barra : g.inferiores) {
            EXPECT_TRUE(std::isfinite(barra.centro.x) && std::isfinite(barra.centro.y));
            EXPECT_TRUE(g.caja.Vacio() || Dentro(g.contorno, barra.centro) ||
                        g.caja.Contiene(barra.centro));
        }
    }
}

TEST(Refuerzo, BarrasEtiquetasYCortesDelDetallado) {
    Diseno d = Disena(ProyectoEjemplo3());
    ASSERT_TRUE(d.r.Calculado()) << d.r.parada.Mensaje();
    d.t.filas[2].dib = false;  // "Apoyo 2" is not drawn: its section only
    ActualizaDetallado(d.t, d.p, d.r);
    Despiece piezas = CalculaDespiece(d.p, d.r, d.t);
    ComponePlanilla(piezas, d.p);
    const double y = 5000, h = 200;
    const GeometriaRefuerzo g = CalculaGeometriaRefuerzo(
        d.p, d.t, piezas, 1000, 10000, y, [](const std::string& s) { return 100.0 * s.size(); }, h);
    ASSERT_EQ(g.xNudos.size(), 4u);
    // Every bar piece drawn once, inside the beam.
    size_t barras = 0;
    for (const auto& pz : piezas.piezas) barras += pz.clase != ClaseBarra::kEstribo;
    EXPECT_EQ(g.barras.size(), barras);
    for (const auto& b : g.barras)
        for (Punto q : b.trazo) {
            EXPECT_TRUE(q.x >= 1000 && q.x <= 10000);
            EXPECT_TRUE(g.contorno.Contiene(q));
        }
    EXPECT_EQ(g.cortes.size(), 6u);  // seven rows, one not drawn
    EXPECT_EQ(EtiquetaBarras(0, 2), "2ø3/8\"");
    EXPECT_EQ(EtiquetaBarras(1, {}), "");
    EXPECT_EQ(EtiquetaBarras(1, 0), "");
    bool hayPercha = false;
    for (const auto& t : g.textos) {
        hayPercha =
            hayPercha || (t.fila == FilaTexto::kPercha && t.texto.rfind("P1: 2 ø3/8\"", 0) == 0);
        EXPECT_GE(t.ancla.y, y - AlturaSobreEjeConCotas(h));
        EXPECT_LE(t.ancla.y + h, y + AlturaBajoEje(h));
    }
    EXPECT_TRUE(hayPercha);
    // Texts of one row never overlap.
    for (size_t i = 0; i < g.textos.size(); ++i)
        for (size_t j = i + 1; j < g.textos.size(); ++j) {
            const auto &a = g.textos[i], &b = g.textos[j];
            if (a.fila != b.fila) continue;
            EXPECT_GE(std::fabs(a.ancla.x - b.ancla.x), 50.0 * (a.texto.size() + b.texto.size()))
                << a.texto << " / " << b.texto;
        }
}

}  // namespace trabelux
