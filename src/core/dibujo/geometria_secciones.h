// Geometry of the cross-sections of the detailing table: the outline of each shape code
// to scale, its stirrup and its bars, and the placing of section cells in lines and pages.
// Shared by the report and the detailing window.
//
// The shapes, for a row whose span is b wide and h deep (cm):
//   "Rect"  rectangle b x h.
//   "Tee"   T: a web b wide under a flange over both sides at the top.
//   "STI"   half T (an L): the flange over the left side only, at the top.
//   "STD"   half T: the flange over the right side only, at the top.
//   "TI"    inverted T: the flange over both sides at the bottom.
//   "STII"  inverted half T: the flange over the left side, at the bottom.
//   "STID"  inverted half T: the flange over the right side, at the bottom.
// b is the web, the width the design used and the bars sit in; the detailing table holds
// no flange size, so every flange stands out b/2 beyond the web and is h/4 thick. An
// empty or unknown code draws a rectangle.
#pragma once

#include <string>
#include <vector>

#include "core/detallado/tabla_detallado.h"
#include "core/dibujo/tipos.h"

namespace trabelux {

// Flange of the shapes: overhang per flanged side and thickness, fractions of b and h.
inline constexpr double kVueloAla = 0.5;
inline constexpr double kEspesorAla = 0.25;

struct FormaSeccion {
    int alasIzquierda = 0;  // 1 when a flange stands out on the left
    int alasDerecha = 0;
    bool alaArriba = true;  // the flange at the top (T) or at the bottom (inverted T)
};

// The shape of a "Tipo" code (a rectangle for an empty or unknown one).
FormaSeccion FormaDeTipo(const std::string& codigo);

// Width and depth of the whole outline in cm for a web b x h.
Tamano ExtensionSeccion(const std::string& codigo, double b, double h);

struct BarraSeccion {
    Punto centro;
    double radio = 0;
};

struct GeometriaSeccion {
    Poligonal contorno;  // closed outline, first point not repeated
    Rectangulo estribo;  // the stirrup around the web's bars
    // The additional bars are spread with the bars of the face in tension: the hangers at
    // the top, or the bottom bars at a sagging support.
    std::vector<BarraSeccion> inferiores;  // bottom bars
    std::vector<BarraSeccion> superiores;  // hangers
    Rectangulo caja;                       // the outline's box
};

// The section of `fila` with its top-left box corner at `esquina`, `escala` drawing units
// per cm, for a web b x h cm and the given cover (cm). Bars are dots of their own diameter
// (never smaller than `radioMinimo` units), spread across the web inside the stirrup.
// Non-finite or negative sizes read as 0; every coordinate is finite. `adicionalesAbajo`:
// the row's additional bars sit at the bottom face (see AdicionalesAbajo in despiece.h).
GeometriaSeccion CalculaSeccion(const FilaDetallado& fila, double b, double h, double recub,
                                Punto esquina, double escala, double radioMinimo = 0,
                                bool adicionalesAbajo = false);

// Sizes of a section cell on the page, twips.
inline constexpr double kAnchoCeldaSeccion = 3500;
inline constexpr double kSangriaSeccion = 600;  // the outline starts this far into its cell
inline constexpr double kAltoLineaSecciones = 2500;

// Where the cells go: `cantidad` cells from y = `yInicial` between `izquierda` and
// `derecha`, as many a line as fit (at least one), lines `altoLinea` apart. A line
// that does not end above `abajo` goes to a new page whose lines start at `arriba` (unless
// the line already starts at the top of a page). `pagina` counts the new pages before the
// cell (0: the current page).
struct CeldaSeccion {
    int pagina = 0;
    double x = 0;
    double y = 0;
};
std::vector<CeldaSeccion> ColocaCeldasSecciones(int cantidad, double izquierda, double derecha,
                                                double yInicial, double arriba, double abajo,
                                                double altoLinea = kAltoLineaSecciones);

}  // namespace trabelux
