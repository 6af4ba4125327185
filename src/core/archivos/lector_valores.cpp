#include "core/archivos/lector_valores.h"

#include <algorithm>
#include <cmath>

#include "core/texto/codificacion.h"
#include "core/texto/numeros.h"

namespace trabelux {

namespace {

bool EsBlanco(char c) { return c == ' ' || c == '\t'; }

// Short form of a number for messages: whole numbers without decimals.
std::string TextoMensaje(double v) { return TextoCorto(v); }

}  // namespace

std::vector<std::string> SeparaValores(std::string_view linea) {
    std::vector<std::string> valores;
    size_t i = 0;
    const size_t n = linea.size();
    while (true) {
        while (i < n && EsBlanco(linea[i])) ++i;
        if (i >= n) break;
        if (linea[i] == ',') {
            // A comma with no value before it: an empty value.
            valores.emplace_back();
            ++i;
            if (i >= n || linea.find_first_not_of(" \t", i) == std::string_view::npos)
                valores.emplace_back();
            continue;
        }
        size_t inicio = i;
        while (i < n && !EsBlanco(linea[i]) && linea[i] != ',') ++i;
        valores.emplace_back(linea.substr(inicio, i - inicio));
        while (i < n && EsBlanco(linea[i])) ++i;
        if (i < n && linea[i] == ',') {
            ++i;  // the comma that ends this value
            if (linea.find_first_not_of(" \t", i) == std::string_view::npos)
                valores.emplace_back();  // "1,2," ends in an empty value
        }
    }
    return valores;
}

LectorValores::LectorValores(std::string_view bytes) {
    // Lines end at CR LF, LF or a lone CR, as a line read on the system that wrote the
    // files ends: so no carriage return is ever part of a text read whole.
    size_t inicio = 0;
    while (inicio < bytes.size()) {
        size_t fin = bytes.find_first_of("\r\n", inicio);
        size_t siguiente;
        if (fin == std::string_view::npos) {
            fin = bytes.size();
            siguiente = fin;
        } else if (bytes[fin] == '\r' && fin + 1 < bytes.size() && bytes[fin + 1] == '\n') {
            siguiente = fin + 2;
        } else {
            siguiente = fin + 1;
        }
        lineas_.push_back(Latin1AUtf8(bytes.substr(inicio, fin - inicio)));
        inicio = siguiente;
    }
}

bool LectorValores::LeeLinea(std::string& linea) {
    if (siguiente_ < pendientes_.size())
        return Falla("sobran valores (se leyo \"" + pendientes_[siguiente_] + "\")");
    pendientes_.clear();
    siguiente_ = 0;
    if (linea_ >= static_cast<int>(lineas_.size())) {
        linea_ = static_cast<int>(lineas_.size()) + 1;
        return Falla("el archivo termina antes de tiempo");
    }
    linea = lineas_[linea_++];
    return true;
}

bool LectorValores::LeeValores(size_t cuantos, std::vector<Valor>& valores) {
    valores.clear();
    while (valores.size() < cuantos) {
        while (siguiente_ >= pendientes_.size()) {
            std::string linea;
            if (!LeeLinea(linea)) return false;
            pendientes_ = SeparaValores(linea);
            // A comma that ends a line separates the value from the next line's first.
            const size_t ultimo = linea.find_last_not_of(" \t");
            if (!pendientes_.empty() && pendientes_.back().empty() && linea[ultimo] == ',')
                pendientes_.pop_back();
        }
        valores.push_back({pendientes_[siguiente_++], linea_});
    }
    return true;
}

bool LectorValores::Numero(const Valor& valor, const std::string& nombre, double minimo,
                           double maximo, double& resultado) {
    std::optional<double> v = LeeNumeroCompleto(valor.texto);
    if (!v)
        return FallaEnLinea(valor.linea,
                            nombre + " no es un numero valido (se leyo \"" + valor.texto + "\")");
    // A field may allow more than the usual magnitude (values the program derives).
    const double limite = std::max({kMagnitudMaxima, std::fabs(minimo), std::fabs(maximo)});
    if (std::fabs(*v) > limite)
        return FallaEnLinea(valor.linea,
                            nombre + " es demasiado grande (se leyo \"" + valor.texto + "\")");
    if (*v < minimo)
        return FallaEnLinea(valor.linea, nombre + " no puede ser menor que " +
                                             TextoMensaje(minimo) + " (se leyo \"" + valor.texto +
                                             "\")");
    if (*v > maximo)
        return FallaEnLinea(valor.linea, nombre + " no puede ser mayor que " +
                                             TextoMensaje(maximo) + " (se leyo \"" + valor.texto +
                                             "\")");
    resultado = *v;
    return true;
}

bool LectorValores::Entero(const Valor& valor, const std::string& nombre, int minimo, int maximo,
                           int& resultado) {
    std::optional<double> v = LeeNumeroCompleto(valor.texto);
    if (!v || *v != std::floor(*v))
        return FallaEnLinea(valor.linea,
                            nombre + " no es un numero entero (se leyo \"" + valor.texto + "\")");
    if (*v < minimo || *v > maximo) {
        return FallaEnLinea(valor.linea, nombre + " debe estar entre " + std::to_string(minimo) +
                                             " y " + std::to_string(maximo) + " (se leyo \"" +
                                             valor.texto + "\")");
    }
    resultado = static_cast<int>(*v);
    return true;
}

bool LectorValores::Falla(const std::string& motivo) { return FallaEnLinea(linea_, motivo); }

bool LectorValores::FallaEnLinea(int linea, const std::string& motivo) {
    if (fallo_) fallo_ = Estado::Falla("Linea " + std::to_string(linea) + ": " + motivo);
    return false;
}

}  // namespace trabelux
