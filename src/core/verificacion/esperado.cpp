#include "core/verificacion/esperado.h"

#include <cmath>
#include <sstream>

#include "core/texto/numeros.h"

namespace trabelux {

namespace {

std::string Recorta(const std::string& s) {
    const auto inicio = s.find_first_not_of(" \t\r");
    if (inicio == std::string::npos) return {};
    const auto fin = s.find_last_not_of(" \t\r");
    return s.substr(inicio, fin - inicio + 1);
}

// "numero ± tolerancia" (or "+-"): the value and the tolerance's text, empty when none.
void SeparaTolerancia(const std::string& resto, std::string& valor, std::string& tolerancia) {
    for (const char* signo : {"±", "+-"}) {
        const auto p = resto.find(signo);
        if (p == std::string::npos) continue;
        valor = Recorta(resto.substr(0, p));
        tolerancia = Recorta(resto.substr(p + std::string(signo).size()));
        return;
    }
    valor = resto;
    tolerancia.clear();
}

// An absolute tolerance, or a percentage of `valor` when the text ends in "%".
std::optional<double> LeeTolerancia(std::string texto, double valor) {
    const bool relativa = !texto.empty() && texto.back() == '%';
    if (relativa) texto = Recorta(texto.substr(0, texto.size() - 1));
    std::optional<double> t = LeeNumeroCompleto(texto);
    if (!t || *t < 0) return std::nullopt;
    return relativa ? std::fabs(valor) * *t / 100 : *t;
}

std::string Error(int linea, const std::string& que) {
    return "Linea " + std::to_string(linea) + ": " + que;
}

}  // namespace

Resultado<ArchivoEsperado> LeeEsperado(const std::string& texto) {
    ArchivoEsperado a;
    std::string toleranciaComun = "0.001";  // until a "tolerancia" line says otherwise
    std::istringstream lineas(texto);
    std::string linea;
    for (int n = 1; std::getline(lineas, linea); ++n) {
        linea = Recorta(linea);
        if (linea.empty() || linea[0] == '#') continue;
        const auto igual = linea.find('=');
        if (igual == std::string::npos)
            return Resultado<ArchivoEsperado>::Falla(Error(n, "falta \"=\""));
        const std::string clave = Recorta(linea.substr(0, igual));
        const std::string resto = Recorta(linea.substr(igual + 1));
        if (clave.empty()) return Resultado<ArchivoEsperado>::Falla(Error(n, "falta la clave"));
        if (clave == "descripcion") {
            a.descripcion = resto;
        } else if (clave == "fuente") {
            a.fuente = resto;
        } else if (clave == "proyecto") {
            a.proyecto = resto;
        } else if (clave == "opciones") {
            a.opciones = resto;
        } else if (clave == "tolerancia") {
            if (!LeeTolerancia(resto, 1))
                return Resultado<ArchivoEsperado>::Falla(Error(n, "tolerancia ilegible: " + resto));
            toleranciaComun = resto;
        } else {
            ValorEsperado v;
            v.clave = clave;
            v.linea = n;
            std::string tolerancia;
            SeparaTolerancia(resto, v.escrito, tolerancia);
            v.numero = LeeNumeroCompleto(v.escrito);
            if (!v.numero) {
                v.escrito = resto;  // a text, "±" and all
            } else {
                std::optional<double> t =
                    LeeTolerancia(tolerancia.empty() ? toleranciaComun : tolerancia, *v.numero);
                if (!t)
                    return Resultado<ArchivoEsperado>::Falla(
                        Error(n, "tolerancia ilegible: " + tolerancia));
                v.tolerancia = *t;
            }
            a.valores.push_back(std::move(v));
        }
    }
    return Resultado<ArchivoEsperado>::Ok(std::move(a));
}

}  // namespace trabelux
