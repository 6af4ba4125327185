#include "cli/json.h"

#include <cmath>
#include <cstdio>

#include "core/texto/numeros.h"

namespace trabelux::cli {

std::string Json::Cadena(const std::string& v) {
    std::string s = "\"";
    for (unsigned char c : v) {
        switch (c) {
            case '"':
                s += "\\\"";
                break;
            case '\\':
                s += "\\\\";
                break;
            case '\n':
                s += "\\n";
                break;
            case '\r':
                s += "\\r";
                break;
            case '\t':
                s += "\\t";
                break;
            default:
                if (c < 0x20) {
                    char buf[8];
                    std::snprintf(buf, sizeof buf, "\\u%04x", c);
                    s += buf;
                } else {
                    s += static_cast<char>(c);
                }
        }
    }
    return s + "\"";
}

std::string Json::NumeroTexto(double v) {
    if (!std::isfinite(v)) return "null";
    std::string t = TextoCorto(v);
    // JSON wants a digit before the point and a lower-case-agnostic exponent; TextoCorto
    // already writes "0.5" and "1E-05", both valid JSON.
    return t;
}

void Json::Clave(const std::string& clave) {
    if (!primero_.empty()) {
        if (!primero_.back()) salida_ += ",";
        primero_.back() = false;
        if (!enLinea_) salida_ += "\n" + std::string(2 * nivel_, ' ');
    }
    if (!clave.empty()) salida_ += Cadena(clave) + (enLinea_ ? ":" : ": ");
}

Json& Json::Abre(const std::string& clave) {
    Clave(clave);
    salida_ += "{";
    primero_.push_back(true);
    ++nivel_;
    return *this;
}

Json& Json::Cierra() {
    --nivel_;
    bool vacio = primero_.back();
    primero_.pop_back();
    if (!vacio && !enLinea_) salida_ += "\n" + std::string(2 * nivel_, ' ');
    salida_ += "}";
    return *this;
}

Json& Json::AbreLista(const std::string& clave) {
    Clave(clave);
    salida_ += "[";
    primero_.push_back(true);
    ++nivel_;
    return *this;
}

Json& Json::CierraLista() {
    --nivel_;
    bool vacio = primero_.back();
    primero_.pop_back();
    if (!vacio && !enLinea_) salida_ += "\n" + std::string(2 * nivel_, ' ');
    salida_ += "]";
    return *this;
}

Json& Json::Numero(const std::string& clave, double v) {
    Clave(clave);
    salida_ += NumeroTexto(v);
    return *this;
}

Json& Json::Entero(const std::string& clave, long long v) {
    Clave(clave);
    salida_ += std::to_string(v);
    return *this;
}

Json& Json::Texto(const std::string& clave, const std::string& v) {
    Clave(clave);
    salida_ += Cadena(v);
    return *this;
}

Json& Json::Logico(const std::string& clave, bool v) {
    Clave(clave);
    salida_ += v ? "true" : "false";
    return *this;
}

Json& Json::Nulo(const std::string& clave) {
    Clave(clave);
    salida_ += "null";
    return *this;
}

Json& Json::ListaNumeros(const std::string& clave, const std::vector<float>& v) {
    Clave(clave);
    salida_ += "[";
    for (size_t i = 0; i < v.size(); ++i) {
        if (i) salida_ += enLinea_ ? "," : ", ";
        salida_ += NumeroTexto(v[i]);
    }
    salida_ += "]";
    return *this;
}

}  // namespace trabelux::cli
