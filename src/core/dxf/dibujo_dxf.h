// A drawing for CAD programs written as DXF R12 (AC1009) text: the caller declares line
// types and layers, adds entities in drawing units (x to the right, y upwards, angles in
// degrees counterclockwise from +x) and takes the file's text, whose extents are those of
// what was added.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "core/dibujo/tipos.h"

namespace trabelux {

// Dashes in drawing units: positive drawn, negative a gap, zero a dot.
struct TipoLineaDxf {
    std::string nombre;
    std::string descripcion;
    std::vector<double> trazos;
};

struct CapaDxf {
    std::string nombre;
    int color = 7;  // AutoCAD colour index 1..255
    std::string tipoLinea = "CONTINUOUS";
};

struct LineaDxf {
    Punto a;
    Punto b;
};

struct PolilineaDxf {
    Poligonal vertices;
    bool cerrada = false;
};

// From `inicio` counterclockwise to `fin`.
struct ArcoDxf {
    Punto centro;
    double radio = 0;
    double inicio = 0;
    double fin = 0;
};

struct CirculoDxf {
    Punto centro;
    double radio = 0;
};

enum class HorizontalDxf { kIzquierda, kCentro, kDerecha };
// Base: the text's baseline; Abajo: below its descenders; Medio: half its capital height.
enum class VerticalDxf { kBase, kAbajo, kMedio, kArriba };

// One line of text (UTF-8); `punto` is where the justification puts it.
struct RotuloDxf {
    Punto punto;
    double altura = 0;
    double rotacion = 0;
    std::string texto;
    HorizontalDxf horizontal = HorizontalDxf::kIzquierda;
    VerticalDxf vertical = VerticalDxf::kBase;
};

// A filled triangle or quadrilateral, corners in order around it.
struct SolidoDxf {
    Poligonal esquinas;
};

using FiguraDxf = std::variant<LineaDxf, PolilineaDxf, ArcoDxf, CirculoDxf, RotuloDxf, SolidoDxf>;

struct CajaDxf {
    Punto minimo;
    Punto maximo;
};

class DibujoDxf {
  public:
    // Holds line type CONTINUOUS and layer "0", which every CAD drawing has.
    DibujoDxf();

    // Replaces a declaration of the same name. Refused (false, nothing changes): a name
    // that is not 1 to 31 capitals, digits, "_", "-" or "$"; a layer whose line type was
    // not declared or whose colour is outside 1..255; a dash that is not a finite number.
    bool DeclaraTipoLinea(const TipoLineaDxf& tipo);
    bool DeclaraCapa(const CapaDxf& capa);

    // Refused (false, nothing added): a layer not declared, a coordinate, size or angle
    // that is not finite, a radius or text height not above zero, a polyline of fewer
    // than two vertices, a solid of other than three or four corners.
    bool Agrega(const std::string& capa, const FiguraDxf& figura);

    // The box holding every entity added (texts by an ample estimate of their size);
    // nothing for an empty drawing.
    std::optional<CajaDxf> Extension() const;

    // How many entities each layer holds (layers without any left out).
    std::map<std::string, int> EntidadesPorCapa() const;

    // The whole file: lines end in CR LF, texts are Windows-1252.
    std::string TextoDxf() const;

  private:
    struct Entidad {
        std::string capa;
        FiguraDxf figura;
    };
    std::vector<TipoLineaDxf> tipos_;
    std::vector<CapaDxf> capas_;
    std::vector<Entidad> entidades_;
    std::optional<CajaDxf> extension_;
};

// A text as a TEXT entity holds it: one line of Windows-1252 where a control code (tab,
// line break) is a blank, "^" is written "^ " (a lone caret would escape the next
// character) and "⌀", which Windows-1252 lacks, is the CAD programs' diameter code "%%c".
std::string TextoUnaLinea(const std::string& utf8);

// A number as DXF writes it: decimal point whatever the locale, no exponent, the fewest
// digits that read back as the same double (below 1e-10 in size, 0).
std::string NumeroDxf(double v);

}  // namespace trabelux
