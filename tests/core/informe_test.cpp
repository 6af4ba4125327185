// The calculation report: paper and inches, the section tables, which sections appear
// after each kind of run, and whole compositions checked against their recorded goldens
// (TRABELUX_REGENERA=1 rewrites the goldens).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <regex>
#include <sstream>

#include "analisis/calcula.h"
#include "archivos/proyecto_vcw.h"
#include "detallado/detallado.h"
#include "modelo/derivados.h"
#include "reporte/inicia.h"
#include "reporte/papel.h"
#include "reporte/secciones.h"
#include "reporte/superficie_grabadora.h"

using namespace trabelux;

namespace {

std::optional<std::string> LeeBytes(const std::string& ruta) {
    std::ifstream f(ruta, std::ios::binary);
    if (!f) return std::nullopt;
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

Proyecto Ejemplo(const std::string& nombre) {
    const std::string carpeta = TRABELUX_EXAMPLES;
    LecturaProyecto l =
        LeeArchivo(LeeBytes(carpeta + "/" + nombre).value_or(""), nombre,
                   [&](const std::string& ruta) { return LeeBytes(carpeta + "/" + ruta); });
    EXPECT_TRUE(l.proyecto) << l.error;
    return l.proyecto.value_or(Proyecto{});
}

Resultados Corre(const Proyecto& p, bool soloAnalisis) {
    OpcionesCalculo o;
    o.soloAnalisis = soloAnalisis;
    o.preguntaRefuerzoDoble = [](const std::string&) { return true; };
    return Calcula(p, o);
}

// A beam of n 5 m spans under 2 t/m, b 20, h 40, cover 5, Fy 2800.
Proyecto Viga(int n) {
    Proyecto p = ProyectoNuevo();
    p.numVanos = n;
    Vano v = p.vanos[0];
    v.longitud = 5;
    v.cargaMuerta = 2;
    p.vanos.assign(static_cast<size_t>(n), v);
    p.datos.recub = "5";
    p.datos.fy = "2800";
    ActualizaDerivados(p);
    return p;
}

struct Informe {
    SuperficieGrabadora s;
    std::string textos;  // every painted text, one a line
};

void Compone(Informe& i, const Proyecto& p, const Resultados* r, const TablaDetallado* t,
             const ConfiguracionInforme& c) {
    ComponeDocumento(i.s, p, r, t, c);
    for (const auto& l : i.s.Llamadas())
        if (l.tipo == LlamadaGrabada::Tipo::kTexto) i.textos += l.texto + "\n";
}

bool Tiene(const Informe& i, const std::string& texto) {
    return i.textos.find(texto + "\n") != std::string::npos;
}

std::vector<std::string> Partes(const std::string& s, char separador) {
    std::vector<std::string> partes;
    std::stringstream ss(s);
    for (std::string p; std::getline(ss, p, separador);) partes.push_back(p);
    return partes;
}

}  // namespace

TEST(PapelInforme, NamesSizesAndInches) {
    EXPECT_EQ(NombrePapel(1), "Letter 8 1/2 x 11 in");
    EXPECT_EQ(NombrePapel(22), "Envelope #12 4 \\276 x 11");
    EXPECT_EQ(NombrePapel(29), "Envelope C3  324 x 458 mm");
    EXPECT_EQ(NombrePapel(56), "Letter Extra Transverse 9\\275 x 12 in");
    EXPECT_EQ(NombrePapel(68), "A3 Extra Transverse 322 x 445 mm");
    int conNombre = 0;
    for (int codigo = 0; codigo < kNumCodigosPapel; ++codigo) {
        if (NombrePapel(codigo).empty()) continue;
        ++conNombre;
        EXPECT_TRUE(TamanoPapel(codigo)) << codigo;
    }
    EXPECT_EQ(conNombre, 66);  // 0, 48 and 49 have no name
    EXPECT_FALSE(TamanoPapel(0));
    EXPECT_EQ(NombrePapel(69), "");

    const struct {
        int codigo;
        double ancho, alto;
    } tamanos[] = {{1, 12240, 15840},
                   {5, 12240, 20160},
                   {8, 16838, 23811},
                   {9, 11906, 16838},
                   {11, 8391, 11906}};
    for (const auto& t : tamanos) {
        ConfiguracionInforme c;
        c.papel = t.codigo;
        EXPECT_EQ(TamanoHoja(c).ancho, t.ancho) << t.codigo;
        c.horizontal = true;
        EXPECT_EQ(TamanoHoja(c).ancho, t.alto) << t.codigo;
    }

    for (auto [twips, texto] : {std::pair{1440.0, "1\""},
                                {1080.0, "0.75\""},
                                {2160.0, "1.5\""},
                                {720.0, "0.5\""},
                                {0.0, "0\""}})
        EXPECT_EQ(ToInches(twips), texto);
}

TEST(SeccionesInforme, SupportAndSpanTablesDescribeTheBeamItself) {
    Proyecto p = Viga(3);
    p.apoyoIzquierdo = kEmpotrado;
    p.apoyosInteriores = {1, 0};
    p.vanos.push_back(p.vanos[0]);  // a row kept beyond the span count
    p.cargas = {{1, 2.5, 1}, {3, 1, 0.5}, {4, 1, 9}};
    p.cargasNudo = {{0, 9, 9}, {2, -1, 0.25}, {5, 9, 9}};

    EXPECT_EQ(TablaApoyos(p).cuerpo, "1|Empotrado;2|Apoyado;3|No apoyado;4|Apoyado;");

    const TablaInforme vanos = TablaVanos(p);
    EXPECT_EQ(Partes(vanos.formato, '|').size(), 9u);
    EXPECT_EQ(vanos.cabecera,
              "Vano|Long (m)|Base (cm)|Altura (cm)|Inercia (m4)|P. Propio|C. muerta|C. Viva|"
              "W. Ultima");
    const auto filas = Partes(vanos.cuerpo, ';');
    ASSERT_EQ(filas.size(), 3u);
    EXPECT_EQ(filas[0], "1|5.00|20.00|40.00|0.001067|0.192|2.000||3.069");
    // The captions follow the span grid's, as the load control sets them.
    p.datos.usaCargaTotal = true;
    EXPECT_EQ(Partes(TablaVanos(p).cabecera, '|')[6], "C.U. total");

    EXPECT_EQ(TablaCargasVanos(p).cuerpo, "1|2.500|1.000;3|1.000|0.500;");
    EXPECT_EQ(TablaCargasNudos(p).cuerpo, "2|-1.000|0.250;");
}

TEST(SeccionesInforme, MinimumSteelOfEachSpan) {
    Proyecto p = Viga(1);
    Resultados r;
    r.refuerzoVanos = {{1, 2.5f, 0.0f, 4.0f}};
    EXPECT_EQ(TablaRefuerzoVanos(p, r).cuerpo, "1|2.500|0.000|4.000|3.50;");
    for (const char* fy : {"0", "-2800", "x"}) {
        p.datos.fy = fy;
        EXPECT_EQ(TablaRefuerzoVanos(p, r).cuerpo, "1|2.500|0.000|4.000|;") << fy;
    }
}

TEST(Inicia, SectionsFollowTheRun) {
    Proyecto p = Viga(2);
    const Resultados analisis = Corre(p, true);
    const Resultados diseno = Corre(p, false);
    ASSERT_TRUE(diseno.calculado) << diseno.mensaje;
    ConfiguracionInforme c;

    Informe sinCalculo;
    Compone(sinCalculo, p, nullptr, nullptr, c);
    EXPECT_TRUE(Tiene(sinCalculo, "Cargas concentradas en los vanos"));
    EXPECT_TRUE(Tiene(sinCalculo, "Las cargas estan en To/m"));
    EXPECT_FALSE(Tiene(sinCalculo, "Cargas en los nudos"));
    EXPECT_FALSE(Tiene(sinCalculo, "Reacciones de apoyo"));

    Informe soloAnalisis;
    Compone(soloAnalisis, p, &analisis, nullptr, c);
    EXPECT_TRUE(Tiene(soloAnalisis, "Cortantes y Momentos"));
    EXPECT_FALSE(Tiene(soloAnalisis, "Refuerzo en vanos"));

    // "Ninguno" adds no page; "Cortante y Momento" one page with both diagrams.
    Informe disenada;
    Compone(disenada, p, &diseno, nullptr, c);
    for (const char* t : {"Refuerzo en apoyos", "Refuerzo en vanos", "Refuerzo transversal"})
        EXPECT_TRUE(Tiene(disenada, t)) << t;
    EXPECT_FALSE(Tiene(disenada, "Diagrama de Cortante"));
    c.diagramas = kDiagramasCortanteMomento;
    Informe conDiagramas;
    Compone(conDiagramas, p, &diseno, nullptr, c);
    EXPECT_EQ(conDiagramas.s.NumPaginas(), disenada.s.NumPaginas() + 1);
    EXPECT_TRUE(Tiene(conDiagramas, "Diagrama de Momento"));
    EXPECT_TRUE(Tiene(conDiagramas, "Las unidades son tonelada y metro"));

    p.cargasNudo = {{3, -1, 0}};
    Informe conNudos;
    Compone(conNudos, p, nullptr, nullptr, c);
    EXPECT_TRUE(Tiene(conNudos, "Cargas en los nudos"));
}

TEST(Inicia, SingleSpanSitsInTheMiddleThirdAndKeepsItsSupportSteel) {
    Proyecto p = Viga(1);
    p.apoyoIzquierdo = p.apoyoDerecho = kEmpotrado;
    ActualizaDerivados(p);
    const Resultados r = Corre(p, false);
    ASSERT_TRUE(r.calculado) << r.mensaje;
    Informe i;
    Compone(i, p, &r, nullptr, ConfiguracionInforme{});
    EXPECT_TRUE(Tiene(i, "Refuerzo en apoyos"));
    // Letter with inch margins: 9360 twips between the margins.
    const MarcoVigaPagina uno = MarcoViga(i.s, 1, 2440);
    EXPECT_DOUBLE_EQ(uno.x1, 1440 + 3120);
    EXPECT_DOUBLE_EQ(uno.x2, 1440 + 6240);
    const MarcoVigaPagina dos = MarcoViga(i.s, 2, 2440);
    EXPECT_DOUBLE_EQ(dos.x1, 1440 + 468);
    EXPECT_DOUBLE_EQ(dos.x2, 1440 + 8892);
}

TEST(Inicia, HeaderFooterAndDiagramScales) {
    Proyecto p = Viga(1);
    ConfiguracionInforme c;
    EXPECT_EQ(EncabezadoInforme(p, c), "V1|");
    EXPECT_EQ(PieInforme(p, c), "||Pag %d");
    p.encabezado = "Edificio K1 | Viga V1| Pag %d";
    p.piePagina = "Hoja %d";
    EXPECT_EQ(EncabezadoInforme(p, c), p.encabezado);
    EXPECT_EQ(PieInforme(p, c), "Hoja %d");
    c.encabezado = "Obra";
    c.pie = "Fin";
    EXPECT_EQ(EncabezadoInforme(p, c), "Obra");
    EXPECT_EQ(PieInforme(p, c), "Fin");

    // The largest ordinate becomes 1000 twips; an unloaded beam draws a flat line.
    for (double maximo : {2.5, -4.0, 1e-30, 3e7})
        EXPECT_NEAR(EscalaDiagrama(maximo) * std::fabs(maximo), 1000, 1e-9);
    EXPECT_EQ(EscalaDiagrama(0), 0);
    EXPECT_EQ(EscalaDiagrama(NAN), 0);
}

// The diagrams are drawn so that the largest ordinate is 1000 twips from the axis.
TEST(Inicia, LargestDiagramOrdinateIsOneThousandTwips) {
    Proyecto p = Viga(1);  // simply supported: shear +wL/2 .. -wL/2, moment 0 .. wL2/8
    const Resultados r = Corre(p, true);
    ConfiguracionInforme c;
    c.diagramas = kDiagramasCortanteMomento;
    Informe i;
    Compone(i, p, &r, nullptr, c);
    auto alcance = [&](Color color) {
        double menor = 1e30, mayor = -1e30;
        for (const auto& l : i.s.Llamadas())
            if (l.tipo == LlamadaGrabada::Tipo::kLineas && l.trazo.color == color &&
                l.puntos.size() > 50)
                for (const Punto& q : l.puntos) {
                    menor = std::min(menor, q.y);
                    mayor = std::max(mayor, q.y);
                }
        return mayor - menor;
    };
    EXPECT_NEAR(alcance(c.estilos[kEstiloCortante].color), 2000, 1);
    EXPECT_NEAR(alcance(c.estilos[kEstiloMomento].color), 1000, 1);
}

// Whole compositions of the examples against their recorded goldens.
TEST(Inicia, ExamplesMatchTheirGoldens) {
    struct Caso {
        const char* golden;
        const char* ejemplo;
        enum { kNada, kAnalisis, kDiseno } corrida;
        bool diagramas, refuerzo;
    } casos[] = {
        {"tres-vanos-sin-calculo", "tres-vanos.vcw", Caso::kNada, false, false},
        {"tres-vanos-analisis", "tres-vanos.vcw", Caso::kAnalisis, false, false},
        {"tres-vanos-diseno", "tres-vanos.vcw", Caso::kDiseno, true, true},
        {"empotrada", "empotrada.vcw", Caso::kDiseno, true, true},
        {"viga-losas", "viga-losas.vcw", Caso::kDiseno, false, false},
    };
    const bool regenera = std::getenv("TRABELUX_REGENERA") != nullptr;
    const std::regex menosCero(R"(-0\.0+\b)");
    for (const Caso& caso : casos) {
        const Proyecto p = Ejemplo(caso.ejemplo);
        std::optional<Resultados> r;
        if (caso.corrida != Caso::kNada) r = Corre(p, caso.corrida == Caso::kAnalisis);
        TablaDetallado t;
        if (r && r->calculado) MyLoad(t, p, *r);
        ConfiguracionInforme c;
        c.diagramas = caso.diagramas ? kDiagramasCortanteMomento : kDiagramasNinguno;
        c.refuerzo = caso.refuerzo;
        SuperficieGrabadora s;
        ComponeDocumento(s, p, r ? &*r : nullptr, &t, c);
        const std::string volcado = s.Volcado();
        EXPECT_FALSE(std::regex_search(volcado, menosCero)) << caso.golden;

        const std::string ruta =
            std::string(TRABELUX_TEST_DATA) + "/informes/" + caso.golden + ".txt";
        if (regenera) {
            std::ofstream(ruta, std::ios::binary) << volcado;
            continue;
        }
        const std::string esperado = LeeBytes(ruta).value_or("");
        if (volcado == esperado) continue;
        const auto a = Partes(volcado, '\n'), b = Partes(esperado, '\n');
        size_t k = 0;
        while (k < a.size() && k < b.size() && a[k] == b[k]) ++k;
        ADD_FAILURE() << caso.golden << ": line " << k + 1 << " is\n  "
                      << (k < a.size() ? a[k] : "(end)") << "\nexpected\n  "
                      << (k < b.size() ? b[k] : "(end)")
                      << "\n(TRABELUX_REGENERA=1 rewrites the goldens)";
    }
}
