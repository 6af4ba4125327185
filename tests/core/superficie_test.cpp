// Layout of the page surface: wrapping inside the margins, tables across pages with the
// header repeated, the page header and footer parts.
#include "reporte/superficie.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace trabelux {
namespace {

// Every character 100 twips wide, every line 200 tall; keeps the painted texts.
class Plantilla : public SuperficiePagina {
  public:
    struct Texto {
        int pagina;
        double x, y;
        std::string texto;
    };
    std::vector<Texto> textos;
    int paginas = 0;

  protected:
    double MideTexto(const std::string& t, const EstiloTexto&) const override {
        return 100.0 * t.size();
    }
    double AltoLinea(const EstiloTexto&) const override { return 200; }
    void PintaPagina(int p) override { paginas = p; }
    void PintaTexto(double x, double y, const std::string& t, const EstiloTexto&) override {
        textos.push_back({paginas, x, y, t});
    }
    void PintaLineas(const Poligonal&, const Trazo&) override {}
    void PintaPoligono(const Poligonal&, const Trazo&, Relleno, Color) override {}
    void PintaRectangulo(const trabelux::Rectangulo&, const Trazo&, Relleno, Color) override {}
    void PintaElipse(const trabelux::Rectangulo&, const Trazo&, Relleno, Color) override {}
    void PintaArco(double, double, double, double, double, const Trazo&) override {}
};

// A page 3000 wide and 3000 high with 500 margins: 2000 x 2000 of body, ten lines.
void Empieza(Plantilla& s) { s.EmpiezaDocumento(3000, 3000, {500, 500, 500, 500}); }

TEST(SuperficiePagina, ParagraphsWrapInsideTheMarginsAndBreakPages) {
    Plantilla s;
    Empieza(s);
    s.Parrafo("aaaa bbbb cccc dddd eeeeeeeeeeeeeeeeeeeeeeee");
    for (const auto& t : s.textos) {
        EXPECT_GE(t.x, 500);
        EXPECT_LE(t.x + 100.0 * t.texto.size(), 2500) << t.texto;
    }
    EXPECT_EQ(s.textos.front().texto, "aaaa bbbb cccc dddd");
    for (int i = 0; i < 12; ++i) s.Parrafo("x");
    s.TerminaDocumento();
    EXPECT_EQ(s.NumPaginas(), 2);
    for (const auto& t : s.textos) EXPECT_LE(t.y + 200, 2500) << t.texto;
}

TEST(SuperficiePagina, TableRowsThatDoNotFitGoToTheNextPageUnderTheHeaderAgain) {
    Plantilla s;
    Empieza(s);
    std::string cuerpo;
    for (int i = 1; i <= 13; ++i) cuerpo += std::to_string(i) + "|x;";
    s.Tabla("^_800|<_800", "Vano|Long", cuerpo);
    s.TerminaDocumento();
    ASSERT_EQ(s.NumPaginas(), 3);
    int cabeceras = 0;
    for (const auto& t : s.textos) {
        if (t.texto == "Vano") {
            ++cabeceras;
            EXPECT_EQ(t.y, 500 + 30);  // at the top of each page
        }
        EXPECT_LE(t.y + 200, 2500);
    }
    EXPECT_EQ(cabeceras, 3);
    // A centred cell: "12" (200 wide) in an 800 column with 60 of room on either side.
    auto doce = std::find_if(s.textos.begin(), s.textos.end(),
                             [](const auto& t) { return t.texto == "12"; });
    ASSERT_NE(doce, s.textos.end());
    EXPECT_EQ(doce->x, 500 + 60 + (800 - 120 - 200) / 2.0);
}

TEST(SuperficiePagina, HeaderPartsGoLeftCentreAndRightWithThePageNumber) {
    Plantilla s;
    s.SetEncabezado("    Edificio K1 | Viga V1| Pag %d", EstiloTexto{});
    s.SetPie("||Hoja %d", EstiloTexto{});
    Empieza(s);
    s.NuevaPagina();
    s.TerminaDocumento();
    auto busca = [&](const std::string& texto, int pagina) {
        for (const auto& t : s.textos)
            if (t.texto == texto && t.pagina == pagina) return t;
        ADD_FAILURE() << texto;
        return Plantilla::Texto{};
    };
    EXPECT_EQ(busca("Edificio K1", 1).x, 500);
    EXPECT_EQ(busca("Viga V1", 1).x, 1500 - 350);
    EXPECT_EQ(busca("Pag 2", 2).x + 500, 2500);
    EXPECT_LT(busca("Pag 1", 1).y, 500);    // header above the body
    EXPECT_GE(busca("Hoja 2", 2).y, 2500);  // and the footer below it
}

}  // namespace
}  // namespace trabelux
