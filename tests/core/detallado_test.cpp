// Bar proposals and the detailing table: sizes and counts for required areas, the rows
// built from a design's tables, user edits, updating, resetting and section shapes.
#include "detallado/detallado.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "analisis/resultados.h"
#include "detallado/barras.h"
#include "modelo/proyecto.h"

using namespace trabelux;

namespace {

// A beam of n equal spans; Fy 4200 keeps the minimum steel (2.33 cm2) out of the way.
Proyecto Viga(int n, std::string fy = "4200") {
    Proyecto p = ProyectoNuevo();
    p.numVanos = n;
    Vano v;
    v.longitud = 5;
    v.base = 20;
    v.altura = 40;
    p.vanos.assign(n, v);
    p.datos.recub = "5";
    p.datos.fy = std::move(fy);
    return p;
}

// Design tables by hand: top areas by node, bottom areas of spans 1.., stirrups of spans 1..
Resultados Diseno(std::vector<std::pair<int, float>> apoyos, std::vector<float> vanos,
                  std::vector<std::pair<float, std::string>> estribos = {}) {
    Resultados r;
    r.calculado = true;
    r.numVanos = static_cast<int>(vanos.size());
    for (auto [nudo, area] : apoyos) r.refuerzoApoyos.push_back({nudo, 1.0f, area, 0.0f});
    for (size_t i = 0; i < vanos.size(); ++i)
        r.refuerzoVanos.push_back({static_cast<int>(i) + 1, 1.0f, 0.0f, vanos[i]});
    for (size_t i = 0; i < estribos.size(); ++i)
        r.refuerzoTransversal.push_back(
            {static_cast<int>(i) + 1, 1.0f, 1.0f, estribos[i].first, estribos[i].second});
    return r;
}

TablaDetallado Carga(const Proyecto& p, const Resultados& r) {
    TablaDetallado t;
    MyLoad(t, p, r);
    return t;
}

using Par = std::pair<std::optional<int>, std::optional<int>>;
Par Inferior(const FilaDetallado& f) { return {f.barraInferior, f.cantInferior}; }
Par Adicional(const FilaDetallado& f) { return {f.barraAdicional, f.cantAdicional}; }
const std::optional<int> kVacio;

// Every cell of the table as the grid shows it, to compare whole tables.
std::vector<std::string> Celdas(const TablaDetallado& t) {
    std::vector<std::string> c;
    for (const auto& f : t.filas)
        for (int col = 0; col < kNumColumnasDetallado; ++col) c.push_back(TextoCelda(f, col));
    return c;
}

}  // namespace

TEST(Barras, NamesAndAreas) {
    const char* nombres[] = {"ø 3/8\"", "ø 1/2\"", "ø 3/4\"", "ø 1\"", "ø 1-1/4\""};
    const float areas[] = {0.71f, 1.27f, 2.85f, 5.07f, 8.19f};
    for (int i = 0; i < kNumBarras; ++i) {
        EXPECT_EQ(NombreBarra(i), nombres[i]);
        EXPECT_EQ(AreaDeBarra(i), areas[i]);
        EXPECT_EQ(IndiceDeNombreBarra(nombres[i]), i);
    }
    EXPECT_EQ(IndiceDeNombreBarra("ø1/2\""), 1);
    EXPECT_EQ(IndiceDeNombreBarra("ø 5/8\""), std::nullopt);
    EXPECT_EQ(IndiceDeNombreBarra(""), std::nullopt);
    EXPECT_EQ(NombreBarra(5), "");
    EXPECT_EQ(AreaDeBarra(-1), 0.0f);
}

TEST(Barras, SizeForAreaAtEveryThreshold) {
    struct Caso {
        double area;
        int barra;
    } casos[] = {{-1, 0},   {0, 0},     {3.80, 0},   {3.81, 1}, {7.619, 1}, {7.6195, 1},
                 {7.62, 2}, {17.09, 2}, {17.095, 2}, {17.1, 3}, {100, 3}};
    for (const auto& c : casos) {
        EXPECT_EQ(EligeBarra(c.area), c.barra) << c.area;
        // The design hands its areas over in single precision.
        EXPECT_EQ(EligeBarra(static_cast<float>(c.area)), c.barra) << c.area << "f";
    }
}

TEST(Barras, CountCoversTheArea) {
    struct Caso {
        double area;
        int barra;
        int cuenta;
    } casos[] = {
        {4.0, 1, 4},   {20.28, 3, 4}, {20.28f, 3, 4}, {20.29, 3, 5}, {3.5, 0, 5}, {1.42, 0, 2},
        {1.42f, 0, 2}, {0.001, 0, 1}, {0, 0, 0},      {-2, 1, 0},    {5.0, 7, 0}, {8.19, 4, 1},
    };
    for (const auto& c : casos)
        EXPECT_EQ(CuentaBarras(c.area, c.barra), c.cuenta) << c.area << " / " << c.barra;
}

TEST(Detallado, RowsOfAThreeSpanBeam) {
    const TablaDetallado t = Carga(Viga(3), Diseno({}, {3, 3, 3}));
    const char* ubic[] = {"Apoyo 1", "Vano 1", "Apoyo 2", "Vano 2", "Apoyo 3", "Vano 3", "Apoyo 4"};
    ASSERT_EQ(t.filas.size(), 7u);
    EXPECT_TRUE(t.barrasCargadas);
    for (int k = 0; k < 7; ++k) {
        const auto& f = t.filas[k];
        EXPECT_TRUE(f.dib);
        EXPECT_EQ(f.ubic, ubic[k]);
        EXPECT_EQ(f.sec, std::to_string(k + 1) + "-" + std::to_string(k + 1));
        EXPECT_EQ(f.tipo, "Rect");
        EXPECT_EQ(f.barraPercha, 0);
        EXPECT_EQ(f.cantPercha, 2);
        EXPECT_EQ(EsFilaVano(f), k % 2 == 1);
    }
}

TEST(Detallado, BottomBarsOfASpan) {
    struct Caso {
        float area;
        const char* fy;
        int barra;
        int cuenta;
    } casos[] = {
        {4.0f, "4200", 1, 4},    // 4.0 / 1.27 = 3.15, rounded up
        {20.28f, "4200", 3, 4},  // exactly four 1" bars
        {2.0f, "2800", 0, 5},    // minimum 14 x 35 x 20 / 2800 = 3.5 cm2
        {2.0f, "0", 0, 3},       // no Fy, no minimum steel (and no division by zero)
    };
    for (const auto& c : casos) {
        const TablaDetallado t = Carga(Viga(1, c.fy), Diseno({}, {c.area}));
        const Par esperado{c.barra, c.cuenta};
        EXPECT_EQ(Inferior(t.filas[1]), esperado) << c.area << " Fy " << c.fy;
        EXPECT_EQ(Inferior(t.filas[0]), esperado) << "support 1, " << c.area;
        EXPECT_EQ(Inferior(t.filas[2]), esperado) << "support 2, " << c.area;
    }
}

TEST(Detallado, SupportsTakeTheBottomBarsOfTheSpanBeside) {
    // Span 1: 1/2" x 4; span 2: 10 / 2.85 -> 3/4" x 4; span 3 at the minimum 2.33 -> 3/8" x 4.
    const TablaDetallado t = Carga(Viga(3), Diseno({}, {4.0f, 10.0f, 1.0f}));
    const Par esperados[] = {{1, 4}, {1, 4}, {1, 4}, {2, 4}, {2, 4}, {0, 4}, {0, 4}};
    for (int k = 0; k < 7; ++k) EXPECT_EQ(Inferior(t.filas[k]), esperados[k]) << t.filas[k].ubic;
}

TEST(Detallado, AdditionalTopBarsBeyondTheHangers) {
    struct Caso {
        float area;
        Par adicional;
    } casos[] = {
        {1.0f, {0, kVacio}},   // covered by two 3/8" hangers (1.42 cm2)
        {1.42f, {0, kVacio}},  // covered exactly
        {4.0f, {0, 4}},        // 2.58 left: 3/8" x 4
        {6.5f, {1, 4}},        // 5.08 left: 1/2" x 4
    };
    for (const auto& c : casos) {
        const TablaDetallado t = Carga(Viga(2), Diseno({{2, c.area}}, {3, 3}));
        EXPECT_EQ(Adicional(t.filas[2]), c.adicional) << c.area;
        // Pinned ends take no additional bars at all.
        EXPECT_EQ(Adicional(t.filas[0]), Par());
        EXPECT_EQ(Adicional(t.filas[4]), Par());
    }
}

TEST(Detallado, EachSupportTakesTheTopAreaOfItsOwnNode) {
    struct Caso {
        const char* nombre;
        int izquierdo, derecho;
        std::vector<std::pair<int, float>> apoyos;
        std::vector<Par> esperados;  // additional bars of supports 1..4
    } casos[] = {
        {"both ends fixed",
         kEmpotrado,
         kEmpotrado,
         {{1, 6.0f}, {2, 2.0f}, {3, 9.0f}, {4, 3.0f}},
         {{1, 4}, {0, 1}, {1, 6}, {0, 3}}},
        {"fixed left end",
         kEmpotrado,
         kApoyado,
         {{1, 6.0f}, {2, 2.0f}, {3, 9.0f}},
         {{1, 4}, {0, 1}, {1, 6}, Par()}},
        // Pinned ends write no row for nodes 1 and 4.
        {"pinned-pinned",
         kApoyado,
         kApoyado,
         {{2, 9.0f}, {3, 2.0f}},
         {Par(), {1, 6}, {0, 1}, Par()}},
        {"fixed right end only",
         kApoyado,
         kEmpotrado,
         {{2, 2.0f}, {3, 9.0f}, {4, 6.0f}},
         {Par(), {0, 1}, {1, 6}, {1, 4}}},
        // The last design row is node 3's: the fixed right end has none of its own.
        {"fixed right end without a row",
         kApoyado,
         kEmpotrado,
         {{2, 2.0f}, {3, 9.0f}},
         {Par(), {0, 1}, {1, 6}, {0, kVacio}}},
        // A design that stopped early: supports past the last row need nothing.
        {"stopped design",
         kEmpotrado,
         kEmpotrado,
         {{1, 6.0f}},
         {{1, 4}, {0, kVacio}, {0, kVacio}, {0, kVacio}}},
    };
    for (const auto& c : casos) {
        Proyecto p = Viga(3);
        p.apoyoIzquierdo = c.izquierdo;
        p.apoyoDerecho = c.derecho;
        const TablaDetallado t = Carga(p, Diseno(c.apoyos, {3, 3, 3}));
        for (int s = 0; s < 4; ++s)
            EXPECT_EQ(Adicional(t.filas[2 * s]), c.esperados[s])
                << c.nombre << ", support " << s + 1;
    }
}

TEST(Detallado, StirrupsOfSpansAndSupports) {
    const TablaDetallado t = Carga(Viga(4), Diseno({}, {3, 3, 3, 3},
                                                   {{2.0f, "ø3/8 a 0.150"},
                                                    {3.0f, "ø1/2 a 0.200"},
                                                    {1.0f, "ø3/8 a 0.175"},
                                                    {1.0f, "ø1/2 a 0.090"}}));
    struct Esperado {
        int barra;
        double separ;
    } esperados[] = {
        {0, 0.150},              // support 1: span 1
        {0, 0.150}, {1, 0.200},  // support 2: the right span needs more
        {1, 0.200}, {1, 0.200},  // support 3: the right span needs less, the left one's
        {0, 0.175}, {1, 0.090},  // support 4: a tie keeps the right span's
        {1, 0.090}, {1, 0.090},  // support 5: span 4
    };
    ASSERT_EQ(t.filas.size(), 9u);
    for (int k = 0; k < 9; ++k) {
        EXPECT_EQ(t.filas[k].barraEstribo, esperados[k].barra) << t.filas[k].ubic;
        ASSERT_TRUE(t.filas[k].separEstribo) << t.filas[k].ubic;
        EXPECT_DOUBLE_EQ(*t.filas[k].separEstribo, esperados[k].separ) << t.filas[k].ubic;
    }
}

TEST(Detallado, StirrupTextsThatCannotBeUsed) {
    // Span 2's text has no separator; span 3 has no row (the design stopped).
    TablaDetallado t =
        Carga(Viga(3), Diseno({}, {3, 3, 3}, {{2.0f, "ø3/8 a 0.150"}, {5.0f, "ø3/8"}}));
    EXPECT_EQ(t.filas[3].barraEstribo, kVacio);
    EXPECT_FALSE(t.filas[3].separEstribo);
    EXPECT_EQ(t.filas[5].barraEstribo, kVacio);
    EXPECT_FALSE(t.filas[5].separEstribo);
    EXPECT_FALSE(t.filas[6].separEstribo);  // support 4 follows span 3
    // Support 3: span 3 needs nothing, so the left span's unusable text: unchanged.
    EXPECT_FALSE(t.filas[4].separEstribo);
    // What the user typed there stays through an update.
    t.filas[3].barraEstribo = 1;
    t.filas[3].separEstribo = 0.25;
    Actualizar(t, Viga(3), Diseno({}, {3, 3, 3}, {{2.0f, "ø3/8 a 0.150"}, {5.0f, "ø3/8"}}));
    EXPECT_EQ(t.filas[3].barraEstribo, 1);
    EXPECT_EQ(t.filas[3].separEstribo, 0.25);
}

TEST(Detallado, TidyingAndUserEditsOnUpdate) {
    const Proyecto p = Viga(2);
    const Resultados r =
        Diseno({{2, 6.5f}}, {4.0f, 4.0f}, {{2.0f, "ø3/8 a 0.150"}, {2.0f, "ø3/8 a 0.150"}});
    TablaDetallado t = Carga(p, r);
    auto& vano1 = t.filas[1];
    auto& apoyo2 = t.filas[2];
    vano1.barraInferior = 4;
    vano1.cantInferior = 7;
    vano1.cantPercha = 1;  // raised to 2
    vano1.tipo.clear();    // back to "Rect"
    vano1.barraEstribo = 1;
    vano1.separEstribo = 0.3;
    apoyo2.barraAdicional = 2;
    apoyo2.cantAdicional = 0;      // not a count: proposed again for 3/4" bars
    apoyo2.barraPercha.reset();    // back to 3/8"
    t.filas[4].cantInferior = -1;  // proposed again
    Actualizar(t, p, r);
    EXPECT_EQ(Inferior(vano1), Par(4, 7));
    EXPECT_EQ(vano1.cantPercha, 2);
    EXPECT_EQ(vano1.tipo, "Rect");
    EXPECT_EQ(vano1.barraEstribo, 1);
    EXPECT_EQ(vano1.separEstribo, 0.3);
    EXPECT_EQ(Adicional(apoyo2), Par(2, 2));  // 5.08 / 2.85
    EXPECT_EQ(apoyo2.barraPercha, 0);
    EXPECT_EQ(Inferior(t.filas[4]), Par(1, 4));
    EXPECT_EQ(Inferior(t.filas[0]), Par(1, 4));

    const auto antes = Celdas(t);
    Actualizar(t, p, r);
    EXPECT_EQ(Celdas(t), antes) << "a second update changes nothing";
}

TEST(Detallado, SupportOneTakesSpanOnesBarWhenEmptied) {
    const Proyecto p = Viga(1);
    const Resultados r = Diseno({}, {10.0f});
    TablaDetallado t = Carga(p, r);
    t.filas[0].barraInferior.reset();
    t.filas[0].cantInferior.reset();
    Actualizar(t, p, r);
    EXPECT_EQ(Inferior(t.filas[0]), Par(2, 4));
    // A bar the user chose there is kept, whatever span 1 has.
    t.filas[0].barraInferior = 3;
    t.filas[0].cantInferior.reset();
    Actualizar(t, p, r);
    EXPECT_EQ(t.filas[0].barraInferior, 3);
}

TEST(Detallado, UpdateRelabelsDrawnRowsAndEmptiesTheOthers) {
    const Proyecto p = Viga(3);
    const Resultados r = Diseno({{2, 5.0f}, {3, 5.0f}}, {4, 4, 4}, {{2, "ø3/8 a 0.150"}});
    TablaDetallado t = Carga(p, r);
    t.filas[1].dib = false;
    t.filas[2].dib = false;
    Actualizar(t, p, r);
    for (int k : {1, 2}) {
        const auto& f = t.filas[k];
        EXPECT_FALSE(f.dib);
        EXPECT_FALSE(f.ubic.empty());
        for (int col = kColSec; col < kNumColumnasDetallado; ++col)
            EXPECT_EQ(TextoCelda(f, col), "") << f.ubic << " column " << col;
    }
    const char* etiquetas[] = {"1-1", "", "", "2-2", "3-3", "4-4", "5-5"};
    for (int k = 0; k < 7; ++k) EXPECT_EQ(t.filas[k].sec, etiquetas[k]) << k;
    const auto antes = Celdas(t);
    Actualizar(t, p, r);  // the button runs it twice
    EXPECT_EQ(Celdas(t), antes);
    // Drawn again, the row is proposed afresh.
    t.filas[1].dib = true;
    Actualizar(t, p, r);
    EXPECT_EQ(t.filas[1].sec, "2-2");
    EXPECT_EQ(Inferior(t.filas[1]), Par(1, 4));
}

TEST(Detallado, ShapeCodesAndOptions) {
    const char* codigos[] = {"Rect", "Tee", "STI", "STD", "TI", "STII", "STID"};
    for (int i = 0; i < kNumOpcionesTipo; ++i) {
        EXPECT_EQ(CodigoTipo(i), codigos[i]);
        EXPECT_EQ(OpcionDeTipo(codigos[i]), i);
    }
    EXPECT_EQ(CodigoTipo(7), std::nullopt);
    EXPECT_EQ(CodigoTipo(-1), std::nullopt);
    EXPECT_EQ(OpcionDeTipo("Xyz"), std::nullopt);
    EXPECT_EQ(OpcionDeTipo(""), std::nullopt);

    TablaDetallado t = Carga(Viga(3), Diseno({}, {3, 3, 3}));
    ASSERT_TRUE(CambiaOpciones(t, 3, 6));
    EXPECT_EQ(t.filas[3].tipo, "STID");
    EXPECT_EQ(OpcionDeTipo(t.filas[3].tipo), 6);  // the chooser opens on option 6 again
    EXPECT_EQ(t.filas[2].tipo, "Rect");
    EXPECT_FALSE(CambiaOpciones(t, 3, 7));
    EXPECT_FALSE(CambiaOpciones(t, 7, 1));
    EXPECT_EQ(t.filas[3].tipo, "STID");

    ASSERT_TRUE(CambiaOpcionesTodos(t, 1));
    for (const auto& f : t.filas) EXPECT_EQ(f.tipo, "Tee") << f.ubic;
    EXPECT_FALSE(CambiaOpcionesTodos(t, 9));
    EXPECT_EQ(t.filas[0].tipo, "Tee");
}

TEST(Detallado, ReloadingKeepsOrDiscardsEdits) {
    const Proyecto p = Viga(2);
    const Resultados r = Diseno({{2, 6.0f}}, {4, 4}, {{2, "ø3/8 a 0.150"}, {2, "ø3/8 a 0.150"}});
    TablaDetallado t;
    AbreDetallado(t, p, r);
    const auto propuesta = Celdas(t);
    t.filas[1].barraInferior = 4;
    t.filas[3].tipo = "Tee";
    t.filas[4].dib = false;
    AbreDetallado(t, p, r);  // opened again without a new analysis
    EXPECT_EQ(t.filas[1].barraInferior, 4);
    EXPECT_EQ(t.filas[3].tipo, "Tee");

    Reinicia(t, p, r);
    EXPECT_EQ(Celdas(t), propuesta);
    EXPECT_TRUE(t.barrasCargadas);

    t.filas[1].barraInferior = 4;
    VaciaDetallado(t);  // a new analysis
    EXPECT_TRUE(t.filas.empty());
    AbreDetallado(t, p, r);
    EXPECT_EQ(Celdas(t), propuesta);
}

TEST(Detallado, CellsAsTheGridShowsAndTakesThem) {
    FilaDetallado f;
    struct Caso {
        int columna;
        const char* escrito;
        bool aceptado;
        const char* mostrado;
    } casos[] = {
        {kColBarraInferior, "ø 3/4\"", true, "ø 3/4\""},
        {kColBarraInferior, "4", true, "ø 1-1/4\""},
        {kColBarraInferior, "5", false, "ø 1-1/4\""},
        {kColBarraInferior, "1.5", false, "ø 1-1/4\""},
        {kColBarraInferior, "ø 5/8\"", false, "ø 1-1/4\""},
        {kColBarraInferior, " ", true, ""},
        {kColCantInferior, "3.6", true, "4"},
        {kColCantInferior, "12", true, "12"},
        {kColCantInferior, "", true, ""},
        {kColCantAdicional, "1E300", true, "1000000"},
        {kColSeparEstribo, "0.15", true, "0.150"},
        {kColSeparEstribo, "", true, ""},
        {kColTipo, "STD", true, "STD"},
        {kColDib, "0", true, "0"},
        {kColDib, "1", true, "1"},
        {kNumColumnasDetallado, "1", false, ""},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(EscribeCelda(f, c.columna, c.escrito), c.aceptado)
            << c.columna << " " << c.escrito;
        EXPECT_EQ(TextoCelda(f, c.columna), c.mostrado) << c.columna << " " << c.escrito;
    }
    EXPECT_STREQ(TituloColumna(kColSeparEstribo), "Separ");
    EXPECT_STREQ(GrupoColumna(kColCantPercha), "Percha");
    EXPECT_STREQ(GrupoColumna(kColTipo), "");
}

TEST(Detallado, MalformedTablesDoNotBreakTheProposal) {
    const Proyecto p = Viga(1);
    const Resultados r = Diseno({}, {4});
    TablaDetallado vacia;
    CalculaBarras(vacia, p, r);
    EXPECT_TRUE(vacia.filas.empty());
    TablaDetallado una;
    una.filas.resize(1);
    CalculaBarras(una, p, r);
    EXPECT_EQ(una.filas[0].tipo, "Rect");
    // More rows than the project has spans, and a bar index outside the list.
    TablaDetallado larga;
    larga.filas.resize(5);
    larga.filas[1].barraInferior = 9;
    CalculaBarras(larga, p, r);
    EXPECT_EQ(Inferior(larga.filas[1]), Par(1, 4));
    // Span 2 has neither a design row nor a section: the smallest bar and no count.
    EXPECT_EQ(Inferior(larga.filas[3]), Par(0, kVacio));
}
