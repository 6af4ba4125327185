// Layout of the page surface: tables laid out for the page (letter size, heading breaks,
// blocks of columns), across pages with the header repeated and no row alone.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "core/reporte/partes_texto.h"
#include "core/reporte/superficie_pagina.h"

namespace trabelux {
namespace {

// Every character 10 twips a point wide and every line 20 twips a point tall (100 and 200 at
// the text's 10 points); keeps the painted texts.
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
    double MideTexto(const std::string& t, const EstiloTexto& e) const override {
        return 10 * e.tamano * static_cast<double>(t.size());
    }
    double AltoLinea(const EstiloTexto& e) const override { return 20 * e.tamano; }
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

TEST(SuperficiePagina, ATableTooWideIsSetSmallerThenNarrowerThenInBlocksAndNoCellBreaks) {
    // A body 2000 wide from an indent of 0. Cell least widths at 7 pt: 70 a character and
    // 120 of room.
    const struct {
        const char* formato;
        const char* cabecera;
        const char* cuerpo;
        double letra;
        size_t bloques;
    } casos[] = {
        // Designed 2400 wide: 2040 at 8.5 pt, 1920 at 8.
        {"^_800|<_800|<_800", "Uno|Dos dos|Tres", "1234|12345|123;22|3.5|1;", 8, 1},
        // 2100 even at 7 pt: the columns narrow to their widest heading word.
        {"^_1500|<_1500", "Momento maximo|Refuerzo superior", "12.5|3.25;", 7, 1},
        // Six columns of 540 at least: the first and two more a block.
        {"^_900|<_900|<_900|<_900|<_900|<_900", "A|B|C|D|E|F",
         "123456|123456|123456|123456|123456|123456;", 7, 3},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.formato);
        Plantilla s;
        Empieza(s);
        const TablaDispuesta t = s.DisponeTabla(c.formato, c.cabecera, c.cuerpo, 0, EstiloTexto{});
        EXPECT_EQ(t.estilo.tamano, c.letra);
        ASSERT_EQ(t.bloques.size(), c.bloques);
        const auto titulos = DivideTexto(c.cabecera, '|');
        for (const auto& b : t.bloques) {
            EXPECT_EQ(b.columnas.front(), 0u);  // every block repeats the first column
            double ancho = 0;
            for (size_t i = 0; i < b.columnas.size(); ++i) {
                ancho += b.anchos[i];
                // A heading breaks only between its words.
                std::string junto;
                for (const std::string& l : b.cabecera[i]) junto += (junto.empty() ? "" : " ") + l;
                EXPECT_EQ(junto, titulos[b.columnas[i]]);
            }
            EXPECT_LE(ancho, 2000.001);
            for (size_t f = 0; f < b.filas.size(); ++f)
                for (size_t i = 0; i < b.columnas.size(); ++i) {
                    const auto celdas = DivideTexto(DivideTexto(c.cuerpo, ';')[f], '|');
                    EXPECT_EQ(b.filas[f][i], std::vector<std::string>{celdas[b.columnas[i]]});
                }
        }
    }
}

TEST(SuperficiePagina, AShortTableStaysWholeAndTheLastRowNeverGoesAlone) {
    // Rows and header 260 tall: six rows under the header fill a page.
    auto tabla = [](int filas, double y) {
        auto s = std::make_unique<Plantilla>();
        Empieza(*s);
        s->FijaY(y);
        std::string cuerpo;
        for (int i = 1; i <= filas; ++i) cuerpo += std::to_string(i) + "|x;";
        s->Tabla("^_800|<_800", "Vano|Long", cuerpo);
        return s;
    };
    auto pagina = [](const Plantilla& s, const std::string& texto) {
        for (const auto& t : s.textos)
            if (t.texto == texto) return t.pagina;
        return 0;
    };
    // Four rows where two would fit: all four on the next page.
    auto corta = tabla(4, 1700);
    EXPECT_EQ(pagina(*corta, "Vano"), 2);
    EXPECT_EQ(pagina(*corta, "4"), 2);
    // Seven rows from the top: five and two, not six and one.
    auto larga = tabla(7, 500);
    EXPECT_EQ(pagina(*larga, "5"), 1);
    EXPECT_EQ(pagina(*larga, "6"), 2);
    EXPECT_EQ(pagina(*larga, "7"), 2);
}

}  // namespace
}  // namespace trabelux
