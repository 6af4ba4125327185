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

}  // namespace
}  // namespace trabelux
