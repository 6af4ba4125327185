// The report's page set-up: paper, orientation, margins, page border, header and footer,
// the text styles and colours, the diagram choice and the reinforcement option. Lives
// only for the session (the header and footer texts are kept in the project).
#pragma once

#include <array>
#include <string>

#include "core/dibujo/tipos.h"

namespace trabelux {

// A text style: font, size in points, effects and colour.
struct EstiloTexto {
    std::string fuente = "Arial";
    double tamano = 10;  // points
    bool negrita = false;
    bool cursiva = false;
    bool subrayado = false;
    bool tachado = false;
    Color color;
};

// Rows of the "Font/Color" panel. Rows 0..4 carry a font (row 2 is not used), rows 5..7
// only a colour.
enum FilaEstilo : int {
    kEstiloHeader = 0,
    kEstiloFooter = 1,
    kEstiloSubtitulos = 3,
    kEstiloTexto = 4,
    kEstiloCortante = 5,
    kEstiloMomento = 6,
    kEstiloRefuerzo = 7,
    kNumFilasEstilo = 8
};

// Page border ("Ninguno", "Abajo", "Arriba", "Arriba y Abajo", "Alrededor"), by list index.
enum class BordePagina { kNinguno = 0, kAbajo, kArriba, kArribaAbajo, kAlrededor };

// Diagram choice ("Diagramas:"), by list index.
enum class OpcionDiagramas { kNinguno = 0, kCortanteMomento = 1 };

// Margins by index, as the set-up window numbers its fields.
enum LadoMargen : int {
    kMargenArriba = 0,
    kMargenIzquierda = 1,
    kMargenAbajo = 2,
    kMargenDerecha = 3
};

inline constexpr int kPapelCarta = 1;            // Letter 8 1/2 x 11 in
inline constexpr int kPapelA4 = 9;               // A4 210 x 297 mm
inline constexpr int kPapelPersonalizado = 256;  // "Custom"

struct ConfiguracionInforme {
    int papel = kPapelCarta;            // paper code, Windows numbering; 256 = custom
    double anchoPersonalizado = 12240;  // twips, with papel 256 (portrait width)
    double altoPersonalizado = 15840;
    bool horizontal = false;
    std::array<double, 4> margenes{1440, 1440, 1440, 1440};  // twips, by LadoMargen
    BordePagina borde = BordePagina::kNinguno;
    std::string encabezado;  // as typed: "|" splits left/centre/right, "%d" the page number
    std::string pie;
    std::string fecha;  // the report's date in its title block ("15/03/2024"); empty: none
    std::array<EstiloTexto, kNumFilasEstilo> estilos = EstilosPorDefecto();
    OpcionDiagramas diagramas = OpcionDiagramas::kNinguno;
    bool refuerzo = false;    // the reinforcement option is ticked (and enabled)
    bool deflexiones = true;  // the deflections section (the command line's --no-deflection)
    // When not empty, printed as one paragraph after the input sections in place of the
    // results (the desktop program's results no longer describe the project).
    std::string avisoResultados;

    static std::array<EstiloTexto, kNumFilasEstilo> EstilosPorDefecto();
};

// The report window's rule for margins: each pair of opposite margins leaves some of the
// set-up's paper (TamanoHoja) between them for the body.
bool MargenesDejanCuerpo(const ConfiguracionInforme& c);
inline constexpr const char* kMensajeMargenSinCuerpo =
    "El margen no deja espacio para el texto de la pagina";

}  // namespace trabelux
