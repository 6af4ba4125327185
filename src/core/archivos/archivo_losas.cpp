// Reader of the slab file: a description line, a header of 8 values, one line of 9
// values per slab and some additional records, values separated by blanks, commas or
// line ends.
#include "core/archivos/archivo_losas.h"

#include <cmath>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "core/texto/codificacion.h"
#include "core/texto/numeros.h"

namespace trabelux {

namespace {

struct Valor {
    std::string texto;
    int linea = 0;
};

bool EsSeparador(char c) { return c == ' ' || c == '\t' || c == ',' || c == '\f' || c == '\v'; }

// Splits the text after the description line into values, remembering their line.
// A value may be written between double quotes; empty fields between commas are
// not values (the file never needs them).
std::vector<Valor> Valores(std::string_view texto, int primeraLinea) {
    std::vector<Valor> valores;
    int linea = primeraLinea;
    size_t i = 0;
    while (i < texto.size()) {
        char c = texto[i];
        if (c == '\n') {
            ++linea;
            ++i;
        } else if (c == '\r') {
            // CR LF counts once; a lone CR ends a line too.
            if (i + 1 >= texto.size() || texto[i + 1] != '\n') ++linea;
            ++i;
        } else if (EsSeparador(c)) {
            ++i;
        } else if (c == '"') {
            size_t fin = i + 1;
            while (fin < texto.size() && texto[fin] != '"' && texto[fin] != '\n' &&
                   texto[fin] != '\r')
                ++fin;
            valores.push_back({std::string(texto.substr(i + 1, fin - i - 1)), linea});
            i = fin < texto.size() && texto[fin] == '"' ? fin + 1 : fin;
        } else {
            size_t fin = i;
            while (fin < texto.size() && !EsSeparador(texto[fin]) && texto[fin] != '\n' &&
                   texto[fin] != '\r')
                ++fin;
            valores.push_back({std::string(texto.substr(i, fin - i)), linea});
            i = fin;
        }
    }
    return valores;
}

// A whole value that is a number: sign, digits with an optional point, an optional
// exponent with "E" or "D", nothing else, and finite.
bool NumeroEstricto(const std::string& t, double& v) {
    size_t i = 0;
    auto digitos = [&]() {
        size_t ini = i;
        while (i < t.size() && t[i] >= '0' && t[i] <= '9') ++i;
        return i - ini;
    };
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    size_t mantisa = digitos();
    if (i < t.size() && t[i] == '.') {
        ++i;
        mantisa += digitos();
    }
    if (mantisa == 0) return false;
    if (i < t.size() && (t[i] == 'E' || t[i] == 'e' || t[i] == 'D' || t[i] == 'd')) {
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
        if (digitos() == 0) return false;
    }
    if (i != t.size()) return false;
    std::string c = t;
    for (char& ch : c)
        if (ch == 'D' || ch == 'd') ch = 'E';
    v = LeeDobleC(c.c_str());
    return std::isfinite(v);
}

// Walks the values in order; the first failure keeps its message and stops the rest.
class Lector {
  public:
    Lector(std::vector<Valor> valores, int lineaFinal)
        : valores_(std::move(valores)), lineaFinal_(lineaFinal) {}

    bool Texto(const std::string& que, std::string& salida) {
        if (!fallo_) return false;
        if (pos_ >= valores_.size()) return Falla(lineaFinal_, "falta " + que);
        salida = valores_[pos_++].texto;
        return true;
    }

    bool Numero(const std::string& que, double& salida) {
        if (!fallo_) return false;
        if (pos_ >= valores_.size()) return Falla(lineaFinal_, "falta " + que);
        const Valor& v = valores_[pos_++];
        if (!NumeroEstricto(v.texto, salida))
            return Falla(v.linea, que + " no es un numero (\"" + v.texto + "\")");
        return true;
    }

    bool Entero(const std::string& que, int& salida) {
        double v = 0;
        if (!Numero(que, v)) return false;
        if (v != std::floor(v) || std::fabs(v) > 1e9)
            return Falla(LineaAnterior(), que + " debe ser un numero entero");
        salida = static_cast<int>(v);
        return true;
    }

    bool Falla(int linea, const std::string& que) {
        if (fallo_) fallo_ = Estado::Falla("Linea " + std::to_string(linea) + ": " + que);
        return false;
    }

    int LineaAnterior() const { return LineaAtras(1); }
    // Line of the value read `n` values ago (1 = the last one).
    int LineaAtras(size_t n) const { return pos_ >= n ? valores_[pos_ - n].linea : lineaFinal_; }
    const Estado& Fallo() const { return fallo_; }

  private:
    std::vector<Valor> valores_;
    int lineaFinal_;
    size_t pos_ = 0;
    Estado fallo_;
};

const char* const kNombresCabecera[8] = {
    "el numero de losas",          "el numero de registros adicionales",
    "el valor 3 de la cabecera",   "la fluencia del acero de las losas",
    "el espesor por defecto",      "el valor 6 de la cabecera",
    "la carga muerta por defecto", "la carga viva por defecto"};

// Line of header value k (1-based) once all 8 have been read.
int LineaDe(const Lector& l, size_t k) { return l.LineaAtras(9 - k); }

bool LeeCabecera(Lector& l, ArchivoLosasDatos& d) {
    for (int k = 0; k < 8; ++k)
        if (!l.Numero(kNombresCabecera[k], d.cabecera[k])) return false;
    double s = d.cabecera[0];
    if (s <= 0 || s > kMaxLosas || s != std::floor(s))
        return l.Falla(LineaDe(l, 1), "Error en Archivo de Losas: el numero de losas es " +
                                          TextoCorto(s) + " y debe ser un entero de 1 a 99");
    double r = d.cabecera[1];
    if (r < 0 || r != std::floor(r) || r > 1e6)
        return l.Falla(LineaDe(l, 2),
                       "el numero de registros adicionales debe ser un entero no negativo");
    d.numLosas = static_cast<int>(s);
    d.registrosExtra = static_cast<int>(r);
    return true;
}

bool LeeLosa(Lector& l, int k, double espesorDefecto, Losa& losa) {
    std::string de = " de la losa " + std::to_string(k);
    if (!l.Entero("el numero" + de, losa.numero)) return false;
    if (losa.numero != k)
        return l.Falla(l.LineaAnterior(), "se esperaba la losa " + std::to_string(k) +
                                              " y se encontro la losa " +
                                              std::to_string(losa.numero));
    if (!l.Texto("los bordes" + de, losa.bordes)) return false;
    if (!l.Numero("Lx" + de, losa.lx) || !l.Numero("Ly" + de, losa.ly)) return false;
    if (losa.lx <= 0 || losa.ly <= 0)
        return l.Falla(l.LineaAnterior(), "Lx y Ly" + de + " deben ser mayores que cero");
    if (!l.Numero("la carga muerta" + de, losa.cargaMuerta) ||
        !l.Numero("la carga viva" + de, losa.cargaViva) ||
        !l.Numero("la carga lineal muerta" + de, losa.lineaMuerta) ||
        !l.Numero("la carga lineal viva" + de, losa.lineaViva) ||
        !l.Numero("el espesor" + de, losa.espesor))
        return false;
    // A thickness written as 0 means the header's default, for the loads and for the
    // average thickness alike.
    if (losa.espesor == 0) losa.espesor = espesorDefecto;
    return true;
}

bool LeeRegistroExtra(Lector& l, int k, std::string& registro) {
    std::string de = " del registro adicional " + std::to_string(k);
    const char* const nombres[4] = {"el indice", "el texto", "el primer valor", "el segundo valor"};
    registro.clear();
    for (int v = 0; v < 4; ++v) {
        std::string texto;
        if (!l.Texto(nombres[v] + de, texto)) return false;
        double numero = 0;
        if (v != 1 && !NumeroEstricto(texto, numero)) {
            std::string motivo = nombres[v];
            motivo += de;
            motivo += " no es un numero (\"" + texto + "\")";
            return l.Falla(l.LineaAnterior(), motivo);
        }
        // Kept as written, joined the way the file separates values.
        registro += (v ? ", " : "") + texto;
    }
    return true;
}

}  // namespace

Resultado<ArchivoLosasDatos> LeeArchivoLosas(const std::string& bytes, const std::string& ruta) {
    auto error = [&](const std::string& que) {
        return Resultado<ArchivoLosasDatos>::Falla("No se pudo leer el archivo de losas:\n" + ruta +
                                                   "\n" + que);
    };
    if (bytes.empty()) return error("El archivo esta vacio");
    std::string texto = Latin1AUtf8(bytes);

    ArchivoLosasDatos d;
    size_t finLinea = texto.find_first_of("\r\n");
    d.descripcion = texto.substr(0, finLinea);
    std::string_view resto;
    if (finLinea != std::string::npos) {
        size_t inicio = finLinea + 1;
        if (texto[finLinea] == '\r' && inicio < texto.size() && texto[inicio] == '\n') ++inicio;
        resto = std::string_view(texto).substr(inicio);
    }
    std::vector<Valor> valores = Valores(resto, 2);
    int lineaFinal = valores.empty() ? 2 : valores.back().linea + 1;
    Lector l(std::move(valores), lineaFinal);

    if (!LeeCabecera(l, d)) return error(l.Fallo().Mensaje());
    d.losas.resize(d.numLosas);
    for (int k = 1; k <= d.numLosas; ++k)
        if (!LeeLosa(l, k, d.cabecera[4], d.losas[k - 1])) return error(l.Fallo().Mensaje());
    for (int k = 1; k <= d.registrosExtra; ++k) {
        std::string registro;
        if (!LeeRegistroExtra(l, k, registro)) return error(l.Fallo().Mensaje());
        d.extras.push_back(std::move(registro));
    }
    return Resultado<ArchivoLosasDatos>::Ok(std::move(d));
}

}  // namespace trabelux
