// Bar proposals and the detailing table: sizes and counts for required areas, the rows
// built from a design's tables, user edits, updating, resetting and section shapes.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/analisis/resultados.h"
#include "core/detallado/acciones_detallado.h"
#include "core/detallado/barras.h"
#include "core/modelo/proyecto.h"

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
    r.etapa = EtapaCalculo::kDisenado;
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
    CargaDetallado(t, p, r);
    return t;
}

using Par = std::pair<std::optional<int>, std::optional<int>>;
Par Inferior(const FilaDetallado& f) { return {f.barraInferior, f.cantInferior}; }
Par Adicional(const FilaDetallado& f) { return {f.barraAdicional, f.cantAdicional}; }

// Every cell of the table as the grid shows it, to compare whole tables.
std::vector<std::string> Celdas(const TablaDetallado& t) {
    std::vector<std::string> c;
    for (const auto& f : t.filas)
        for (int col = 0; col < kNumColumnasDetallado; ++col) c.push_back(TextoCelda(f, col));
    return c;
}

}  // namespace

TEST(Barras, NamesAndAreas) {
    for (int i = 0; i < kNumBarras; ++i) EXPECT_EQ(IndiceDeNombreBarra(NombreBarra(i)), i);
    EXPECT_EQ(IndiceDeNombreBarra("ø1/2\""), 1);
    EXPECT_EQ(IndiceDeNombreBarra("ø 5/8\""), std::nullopt);
    EXPECT_EQ(IndiceDeNombreBarra(""), std::nullopt);
    EXPECT_EQ(NombreBarra(5), "");
    EXPECT_EQ(AreaDeBarra(-1), 0.0f);
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
    ActualizaDetallado(t, p, r);
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
    ActualizaDetallado(t, p, r);
    EXPECT_EQ(Celdas(t), antes) << "a second update changes nothing";
}

TEST(Detallado, ShapeCodesAndOptions) {
    for (int i = 0; i < kNumOpcionesTipo; ++i) EXPECT_EQ(OpcionDeTipo(CodigoTipo(i).value()), i);
    EXPECT_EQ(CodigoTipo(7), std::nullopt);
    EXPECT_EQ(CodigoTipo(-1), std::nullopt);
    EXPECT_EQ(OpcionDeTipo("Xyz"), std::nullopt);
    EXPECT_EQ(OpcionDeTipo(""), std::nullopt);

    TablaDetallado t = Carga(Viga(3), Diseno({}, {3, 3, 3}));
    ASSERT_TRUE(EligeTipo(t, 3, 6));
    EXPECT_EQ(t.filas[3].tipo, "STID");
    EXPECT_EQ(OpcionDeTipo(t.filas[3].tipo), 6);  // the chooser opens on option 6 again
    EXPECT_EQ(t.filas[2].tipo, "Rect");
    EXPECT_FALSE(EligeTipo(t, 3, 7));
    EXPECT_FALSE(EligeTipo(t, 7, 1));
    EXPECT_EQ(t.filas[3].tipo, "STID");

    ASSERT_TRUE(EligeTipoTodas(t, 1));
    for (const auto& f : t.filas) EXPECT_EQ(f.tipo, "Tee") << f.ubic;
    EXPECT_FALSE(EligeTipoTodas(t, 9));
    EXPECT_EQ(t.filas[0].tipo, "Tee");
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
}
