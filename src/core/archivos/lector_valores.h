// Reader of the program's value-list text files: the values run from line to line (a
// comma, blanks or a line end separate them), texts are read as whole lines, and every
// fault names the line where the failing value was found.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/base/estado.h"

namespace trabelux {

// The values of one line: separated by commas and by blanks; "a,,b" holds an empty
// value between the commas, as does a line that ends in a comma.
std::vector<std::string> SeparaValores(std::string_view linea);

// One value and the line (1-based) it was found on.
struct Valor {
    std::string texto;
    int linea = 0;
};

class LectorValores {
  public:
    // `bytes`: Latin-1 text with CRLF or LF line ends; lines are kept as UTF-8.
    explicit LectorValores(std::string_view bytes);

    // Number (1-based) of the line last read; 0 before the first.
    int Linea() const { return linea_; }
    // Lines of the file.
    int NumLineas() const { return static_cast<int>(lineas_.size()); }
    // Whether lines remain after the line last read.
    bool QuedanLineas() const { return linea_ < NumLineas(); }
    // Failed with "Linea N: <motivo>" once a read has failed.
    const Estado& Fallo() const { return fallo_; }

    // The next line whole (without its line end); false at the end of the file, or when
    // values of the line last read were left unread (they would be lost).
    bool LeeLinea(std::string& linea);
    // The next `cuantos` values, wherever the lines break: blank lines between them are
    // skipped, so a list split over lines or two lists joined on one read the same.
    bool LeeValores(size_t cuantos, std::vector<Valor>& valores);

    // A number of sane magnitude within [minimo, maximo]; `nombre` names it in the
    // message ("la longitud del vano 2").
    bool Numero(const Valor& valor, const std::string& nombre, double minimo, double maximo,
                double& resultado);
    // A whole number within [minimo, maximo].
    bool Entero(const Valor& valor, const std::string& nombre, int minimo, int maximo,
                int& resultado);

    // Records a fault of the line last read and returns false.
    bool Falla(const std::string& motivo);
    // Records a fault of a given line.
    bool FallaEnLinea(int linea, const std::string& motivo);

    // Largest magnitude any value of a file may have: beyond it a value is taken as
    // garbage rather than as data the analysis could work with.
    static constexpr double kMagnitudMaxima = 1e12;

  private:
    std::vector<std::string> lineas_;
    int linea_ = 0;
    // Values of the line last read not taken yet.
    std::vector<std::string> pendientes_;
    size_t siguiente_ = 0;
    Estado fallo_;
};

}  // namespace trabelux
