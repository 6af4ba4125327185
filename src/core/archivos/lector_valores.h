// Line-by-line reader of the program's value-list text files: splits the bytes into
// lines, a line into values, and checks numbers, naming the line of every fault.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace trabelux {

// The values of one line: separated by commas and by blanks; "a,,b" holds an empty
// value between the commas, as does a line that ends in a comma.
std::vector<std::string> SeparaValores(std::string_view linea);

class LectorValores {
  public:
    // `bytes`: Latin-1 text with CRLF or LF line ends; lines are kept as UTF-8.
    explicit LectorValores(std::string_view bytes);

    // Number (1-based) of the line last read; 0 before the first.
    int Linea() const { return linea_; }
    // "Linea N: <motivo>" once a read has failed, else empty.
    const std::string& Error() const { return error_; }

    // The next line whole (without its line end); false at the end of the file.
    bool LeeLinea(std::string& linea);
    // The values of the next line; false when the line is missing or holds fewer
    // than `minimo` values.
    bool LeeValores(size_t minimo, std::vector<std::string>& valores);

    // A number of sane magnitude within [minimo, maximo]; `nombre` names it in the
    // message ("la longitud del vano 2").
    bool Numero(const std::string& valor, const std::string& nombre, double minimo, double maximo,
                double& resultado);
    // A whole number within [minimo, maximo].
    bool Entero(const std::string& valor, const std::string& nombre, int minimo, int maximo,
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
    std::string error_;
};

}  // namespace trabelux
