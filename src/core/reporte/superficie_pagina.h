// The page surface the report is composed on. Every length is in twips (1/1440 inch), x to
// the right and y downwards from the page's top-left corner.
//
// The surface lays out what the composer asks for (paragraphs that wrap inside the margins
// and the indent, tables from format/header/body strings, page breaks, the page header,
// footer and border) and hands the result to a device through a few primitives: measure a
// text, paint a text, a line, a polyline, a rectangle or an arc, start a page. The layout
// lives here once; devices (the recording surface of the tests, the QPainter surface of the
// desktop program and the command line) only measure and paint.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/dibujo/tipos.h"
#include "core/reporte/configuracion.h"

namespace trabelux {

// Ruling of a table: none, or the outline and every cell.
enum class BordeTabla { kSinBorde, kReglada };

// Fill of a rectangle: none (only the outline), solid, or hatched (the load bands).
enum class Relleno { kNinguno, kSolido, kRayado };

// Horizontal placement of a text at a point: the point is its left end, its centre or its
// right end. The point's y is the top of the text line.
enum class Alineacion { kIzquierda, kCentro, kDerecha };

// A pen: width in twips (0 = the thinnest line the device draws) and colour.
struct Trazo {
    double ancho = 0;
    Color color;
};

// The smallest letter the report prints: a table or a picture that does not fit at the
// text's size is set smaller down to this size, never below.
inline constexpr double kLetraMinima = 7;

// A table laid out for the page it goes on (see SuperficiePagina::DisponeTabla). Its
// columns are split into blocks, each printed as a table of its own under the previous
// one with the first column repeated, when they do not fit side by side even at
// kLetraMinima.
struct TablaDispuesta {
    struct Bloque {
        std::vector<size_t> columnas;                    // indices into the table's columns
        std::vector<double> anchos;                      // twips, one per column of the block
        std::vector<std::vector<std::string>> cabecera;  // lines of each heading
        double altoCabecera = 0;
        std::vector<std::vector<std::vector<std::string>>> filas;  // lines of each cell
        std::vector<double> altoFilas;
    };
    double x = 0;  // left edge
    EstiloTexto estilo;
    EstiloTexto estiloCabecera;
    std::vector<Alineacion> alineaciones;  // by column of the table
    std::vector<Bloque> bloques;

    // What must stand on one page with the title above it: the header and the first two
    // rows, or the whole block when it has fewer than eight rows and fits a body `cuerpo`
    // twips tall.
    double AltoArranque(double cuerpo, size_t bloque = 0) const;
    // Whether the whole table goes on one page: a single block of fewer than eight rows.
    bool Corta() const;
};

// What a printer cannot print near the paper's edges: the header and footer keep this far
// inside.
inline constexpr double kBordeImprimible = 360;

class SuperficiePagina {
  public:
    virtual ~SuperficiePagina() = default;

    // --- Document and pages -------------------------------------------------------------
    // Starts an empty document of pages `ancho` x `alto` with the given margins (by
    // LadoMargen); the current position goes to the top-left margin corner of page 1.
    void EmpiezaDocumento(double ancho, double alto, const std::array<double, 4>& margenes);
    // Finishes the last page (header, footer and border are painted as each page ends).
    void TerminaDocumento();
    // Ends the current page and starts the next; x and y go to the top-left margin corner.
    void NuevaPagina();
    int Pagina() const { return pagina_; }      // current page, 1-based
    int NumPaginas() const { return pagina_; }  // pages so far

    double AnchoPagina() const { return ancho_; }
    double AltoPagina() const { return alto_; }
    double Margen(LadoMargen lado) const { return margenes_[lado]; }
    void FijaMargen(LadoMargen lado, double twips) { margenes_[lado] = twips; }
    // The lowest y the body may reach: page height less the bottom margin.
    double LimiteInferior() const;
    // Height of the body between the margins.
    double AltoCuerpo() const { return LimiteInferior() - margenes_[kMargenArriba]; }
    // Starts a new page unless a block `alto` twips tall fits below the current y (or the
    // current y is already at the top margin).
    void AseguraEspacio(double alto);

    // Header and footer of every page: "|" splits a line into left, centre and right
    // parts, "%d" stands for the page number, a line break starts another line. They stay
    // inside the printable area (kBordeImprimible from the paper's edges): a top or bottom
    // margin too small to hold them between that edge and the body grows to hold them.
    void FijaEncabezado(const std::string& texto, const EstiloTexto& estilo);
    void FijaPie(const std::string& texto, const EstiloTexto& estilo);
    void FijaBordePagina(BordePagina borde);

    // --- Position and text ------------------------------------------------------------
    double X() const { return x_; }
    double Y() const { return y_; }
    void FijaX(double x) { x_ = x; }
    void FijaY(double y) { y_ = y; }

    void FijaEstilo(const EstiloTexto& estilo) { estilo_ = estilo; }
    const EstiloTexto& Estilo() const { return estilo_; }
    void FijaTamanoLetra(double puntos) { estilo_.tamano = puntos; }
    // Left indent of paragraphs and tables, from the left margin, and the indent of the
    // lines after a paragraph's first (the second spacing value).
    void FijaSangria(double izquierda, double segunda);
    double SangriaIzquierda() const { return sangria_; }

    // The text as a paragraph from the left margin plus the indent: wrapped at blanks
    // inside the right margin, a line break after it; an empty text is an empty line. A
    // line that does not fit above the bottom margin starts a new page.
    void Parrafo(const std::string& texto);
    // The text at the current position with the current style; x moves to its end.
    void Texto(const std::string& texto);
    // The text at (x, y) placed by `alineacion`; the current position does not move.
    void TextoEn(double x, double y, const std::string& texto,
                 Alineacion alineacion = Alineacion::kIzquierda);
    double AnchoTexto(const std::string& texto) const { return MideTexto(texto, estilo_); }
    double AnchoTexto(const std::string& texto, const EstiloTexto& estilo) const {
        return MideTexto(texto, estilo);
    }
    // The text broken into lines no wider than `ancho`: at line breaks, at blanks, and
    // between characters inside a word wider than the line.
    std::vector<std::string> Ajusta(const std::string& texto, double ancho,
                                    const EstiloTexto& estilo) const;
    double AltoTexto() const { return AltoLinea(estilo_); }
    double AltoTexto(const EstiloTexto& estilo) const { return AltoLinea(estilo); }

    // --- Drawing ----------------------------------------------------------------------
    void FijaAnchoLinea(double twips) { trazo_.ancho = twips; }
    void FijaColorLinea(Color c) { trazo_.color = c; }
    const Trazo& TrazoActual() const { return trazo_; }
    void FijaRelleno(Relleno r, Color c = {}) {
        relleno_ = r;
        colorRelleno_ = c;
    }
    void Linea(double x1, double y1, double x2, double y2);
    void Lineas(const Poligonal& puntos);    // an open polyline
    void Poligono(const Poligonal& puntos);  // closed, filled with the current fill
    void Rectangulo(double x1, double y1, double x2, double y2);  // with the current fill
    void Circulo(double cx, double cy, double radio);             // with the current fill
    // Arc of a circle from angle `desde` to `hasta`, radians counterclockwise from +x as
    // seen on the page.
    void Arco(double cx, double cy, double radio, double desde, double hasta);

    // --- Tables -----------------------------------------------------------------------
    // Border of the following tables: none, or the outline and every cell ruled.
    void FijaBordeTabla(BordeTabla borde) { bordeTabla_ = borde; }
    // Lays out a table for this page width, from the left margin plus `sangria`, its body
    // in `estilo` and its header in the same style, bold.
    // `formato`: one entry per column, "|"-separated: "^" centred or "<" left, "_", width in
    // twips ("^_1000|<_2500"). `cabecera`: titles, "|"-separated. `cuerpo`: rows ended by
    // ";", cells "|"-separated.
    // A cell is never broken and a heading breaks only between words. The designed
    // widths are kept when they fit (widened for a cell or heading word wider than its
    // column); a table that does not fit is set smaller, step by step down to
    // kLetraMinima; then its columns narrow to their widest cell or heading word; only
    // then are its columns split into blocks.
    TablaDispuesta DisponeTabla(const std::string& formato, const std::string& cabecera,
                                const std::string& cuerpo, double sangria,
                                const EstiloTexto& estilo) const;
    // Prints a laid-out table at the current y. A block starts on a new page unless its
    // AltoArranque fits (for the first block, unless the caller has seen to it with the
    // title above: `arranqueVisto`); a row that does not fit goes to the next page under
    // the header again, and the last row never goes there alone. y ends below the table.
    void MuestraTablaDispuesta(const TablaDispuesta& t, bool arranqueVisto = false);
    // DisponeTabla with the current indent and style, then MuestraTablaDispuesta.
    void Tabla(const std::string& formato, const std::string& cabecera, const std::string& cuerpo);

  protected:
    // --- Device primitives -------------------------------------------------------------
    virtual double MideTexto(const std::string& texto, const EstiloTexto& estilo) const = 0;
    virtual double AltoLinea(const EstiloTexto& estilo) const = 0;
    // A new page begins (1-based); everything painted next belongs to it.
    virtual void PintaPagina(int pagina) = 0;
    // A text whose line's top-left corner is (x, y).
    virtual void PintaTexto(double x, double y, const std::string& texto,
                            const EstiloTexto& estilo) = 0;
    virtual void PintaLineas(const Poligonal& puntos, const Trazo& trazo) = 0;
    virtual void PintaPoligono(const Poligonal& puntos, const Trazo& trazo, Relleno relleno,
                               Color colorRelleno) = 0;
    virtual void PintaRectangulo(const trabelux::Rectangulo& r, const Trazo& trazo, Relleno relleno,
                                 Color colorRelleno) = 0;
    virtual void PintaElipse(const trabelux::Rectangulo& caja, const Trazo& trazo, Relleno relleno,
                             Color colorRelleno) = 0;
    virtual void PintaArco(double cx, double cy, double radio, double desde, double hasta,
                           const Trazo& trazo) = 0;
    // The last page is finished.
    virtual void PintaFin() {}

  private:
    void TerminaPagina();
    void PintaEncabezadoPie();
    // Height of the header or footer text, with the gap that separates it from the body.
    double AltoBanda(const std::string& texto, const EstiloTexto& estilo) const;
    void PintaFilaTabla(const TablaDispuesta& t, const TablaDispuesta::Bloque& b,
                        const std::vector<std::vector<std::string>>& lineas, double alto,
                        const EstiloTexto& estilo);

    double ancho_ = 12240;
    double alto_ = 15840;
    std::array<double, 4> margenes_{1440, 1440, 1440, 1440};
    int pagina_ = 0;
    bool abierta_ = false;
    double x_ = 0;
    double y_ = 0;
    double sangria_ = 0;
    double segunda_ = 0;
    EstiloTexto estilo_;
    Trazo trazo_;
    Relleno relleno_ = Relleno::kNinguno;
    Color colorRelleno_;
    BordeTabla bordeTabla_ = BordeTabla::kSinBorde;
    std::string encabezado_, pie_;
    EstiloTexto estiloEncabezado_, estiloPie_;
    BordePagina bordePagina_ = BordePagina::kNinguno;
};

}  // namespace trabelux
