// A page surface that paints nothing: it measures text with fixed metrics and records
// every primitive with its page, so tests can read a composition exactly. The command
// line's "report --text" records through the PDF's metrics instead (render/grabadora_qt.h).
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "core/reporte/superficie_pagina.h"

namespace trabelux {

// One recorded primitive.
struct LlamadaGrabada {
    enum class Tipo { kPagina, kTexto, kLineas, kPoligono, kRectangulo, kElipse, kArco };
    Tipo tipo = Tipo::kPagina;
    int pagina = 0;
    // kTexto: the line's top-left corner; kLineas, kPoligono: the points; kRectangulo,
    // kElipse: the top-left and bottom-right corners (of the bounding box); kArco: the
    // centre.
    Poligonal puntos;
    std::string texto;   // kTexto
    EstiloTexto estilo;  // kTexto
    Trazo trazo;         // every drawing
    Relleno relleno = Relleno::kNinguno;
    Color colorRelleno;
    double radio = 0;  // kArco
    double desde = 0;  // kArco, radians
    double hasta = 0;
};

class SuperficieGrabadora : public SuperficiePagina {
  public:
    // Every character is 0.6 x size x 20 twips wide; a line is size x 20 x 1.2 high.
    static double AnchoCaracter(double puntos) { return 0.6 * puntos * 20; }

    // A deque: a long report records tens of thousands of calls, which a vector would move
    // every time it grows.
    const std::deque<LlamadaGrabada>& Llamadas() const { return llamadas_; }

    // The whole recording as text, one line per primitive, coordinates in twips with at
    // most one decimal, angles in degrees:
    //   "p1 pagina"
    //   "p1 texto 1440 1620 [Arial 12 N] Datos Generales"  (N bold, C italic, S underline,
    //                                                       T strikethrough, #rrggbb colour
    //                                                       when not black)
    //   "p1 lineas [25] 1440,2440 10800,2440"              ([width colour] of the pen)
    //   "p1 poligono [0] rayado #000000 x,y ..."
    //   "p1 rectangulo [0] ninguno 1440,1440 10800,14400"   (corners)
    //   "p1 elipse [0] solido #000000 100,100 200,200"      (bounding box corners)
    //   "p1 arco [20] 5000,2000 r=150 0..270"
    std::string Volcado() const;

  protected:
    double MideTexto(const std::string& texto, const EstiloTexto& estilo) const override;
    double AltoLinea(const EstiloTexto& estilo) const override;
    void PintaPagina(int pagina) override;
    void PintaTexto(double x, double y, const std::string& texto,
                    const EstiloTexto& estilo) override;
    void PintaLineas(const Poligonal& puntos, const Trazo& trazo) override;
    void PintaPoligono(const Poligonal& puntos, const Trazo& trazo, Relleno relleno,
                       Color colorRelleno) override;
    void PintaRectangulo(const trabelux::Rectangulo& r, const Trazo& trazo, Relleno relleno,
                         Color colorRelleno) override;
    void PintaElipse(const trabelux::Rectangulo& caja, const Trazo& trazo, Relleno relleno,
                     Color colorRelleno) override;
    void PintaArco(double cx, double cy, double radio, double desde, double hasta,
                   const Trazo& trazo) override;

  private:
    LlamadaGrabada& Nueva(LlamadaGrabada::Tipo tipo);

    std::deque<LlamadaGrabada> llamadas_;
    int pagina_ = 0;
};

}  // namespace trabelux
