#include "core/texto/numeros.h"

#include <locale.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace trabelux {

double LeeDobleC(const char* texto, char** fin) {
    // The "C" locale object is made once and never changed.
    static const locale_t kLocaleC = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return strtod_l(texto, fin, kLocaleC);
}

namespace {

bool EsDigito(char c) { return c >= '0' && c <= '9'; }

// Length of the numeric prefix of `s` (blanks already removed) and whether it has a
// mantissa digit. Writes the prefix, with "D" exponents turned into "E", into `salida`.
bool Prefijo(std::string_view s, std::string& salida) {
    size_t i = 0;
    salida.clear();
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) salida += s[i++];
    bool digitos = false;
    while (i < s.size() && EsDigito(s[i])) {
        salida += s[i++];
        digitos = true;
    }
    if (i < s.size() && s[i] == '.') {
        salida += s[i++];
        while (i < s.size() && EsDigito(s[i])) {
            salida += s[i++];
            digitos = true;
        }
    }
    if (!digitos) return false;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
        size_t j = i + 1;
        std::string exp = "E";
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) exp += s[j++];
        bool expDigitos = false;
        while (j < s.size() && EsDigito(s[j])) {
            exp += s[j++];
            expDigitos = true;
        }
        if (expDigitos) salida += exp;
    }
    return true;
}

std::string SinBlancos(std::string_view texto) {
    std::string s;
    s.reserve(texto.size());
    for (char c : texto)
        if (c != ' ' && c != '\t') s += c;
    return s;
}

// Rounds |valor| half away from zero to `decimales` places, working on its 15-digit
// decimal form so that 0.285 rounds as the user reads it. Returns the digits with the
// decimal point, without sign.
std::string RedondeoDecimal(double valor, int decimales) {
    char buf[64];
    // The 15 significant digits printf's "%.14e" gives (to_chars writes the same text,
    // correctly rounded, without the cost of printf).
    *std::to_chars(buf, buf + sizeof buf - 1, std::fabs(valor), std::chars_format::scientific, 14)
         .ptr = '\0';
    // buf: d.dddddddddddddde[+-]xx. Number = 0.mant x 10^(exp+1): the integer part has
    // exp+1 digits. Everything is written into one string (every table cell comes here).
    const int exp = std::atoi(buf + 17);
    int enteros = exp + 1;
    const int ceros = enteros < 0 ? -enteros : 0;  // zeros between the point and the digits
    if (enteros < 0) enteros = 0;
    const int mantener = enteros + decimales;
    std::string digitos;
    digitos.reserve(static_cast<size_t>(std::max(ceros + 15, std::max(enteros, mantener + 1)) + 2));
    digitos.append(static_cast<size_t>(ceros), '0');
    digitos += buf[0];
    digitos.append(buf + 2, 14);
    if (static_cast<int>(digitos.size()) < enteros)
        digitos.resize(static_cast<size_t>(enteros), '0');
    if (static_cast<int>(digitos.size()) < mantener + 1)
        digitos.resize(static_cast<size_t>(mantener + 1), '0');
    const bool sube = digitos[static_cast<size_t>(mantener)] >= '5';
    digitos.resize(static_cast<size_t>(mantener));
    if (sube) {
        int k = mantener - 1;
        while (k >= 0 && digitos[static_cast<size_t>(k)] == '9')
            digitos[static_cast<size_t>(k--)] = '0';
        if (k >= 0) {
            digitos[static_cast<size_t>(k)]++;
        } else {
            digitos.insert(digitos.begin(), '1');
            enteros++;
        }
    }
    // The integer digits lose their leading zeros ("" for none), the fraction keeps all.
    size_t nz = 0;
    while (nz < static_cast<size_t>(enteros) && digitos[nz] == '0') ++nz;
    digitos.insert(static_cast<size_t>(enteros), 1, '.');
    digitos.erase(0, nz);
    return digitos;
}

// The common case of LeeNumero without building strings: blanks anywhere, a sign,
// digits with at most one point and no exponent. When the digits make an integer m of
// at most 2^53 and there are f <= 22 decimals, m and 10^f are exact doubles and the one
// correctly rounded division m / 10^f is the double strtod returns for the text (strtod
// rounds correctly too). Anything else (an exponent, more digits) is left to strtod.
std::optional<double> LeeNumeroSimple(std::string_view texto) {
    static constexpr double kPotencias[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                            1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                            1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    constexpr unsigned long long kMaxExacto = 1ULL << 53;
    size_t i = 0;
    auto saltaBlancos = [&] {
        while (i < texto.size() && (texto[i] == ' ' || texto[i] == '\t')) ++i;
    };
    saltaBlancos();
    bool negativo = false;
    if (i < texto.size() && (texto[i] == '+' || texto[i] == '-')) negativo = texto[i++] == '-';
    unsigned long long m = 0;
    int decimales = 0;
    bool digitos = false, punto = false;
    for (;; ++i) {
        saltaBlancos();
        if (i >= texto.size()) break;
        const char c = texto[i];
        if (EsDigito(c)) {
            if (m > (kMaxExacto - 9) / 10) return std::nullopt;
            m = m * 10 + static_cast<unsigned>(c - '0');
            digitos = true;
            if (punto) ++decimales;
        } else if (c == '.' && !punto) {
            punto = true;
        } else {
            if (c == 'E' || c == 'e' || c == 'D' || c == 'd') return std::nullopt;
            break;
        }
    }
    if (!digitos) return 0.0;
    if (decimales > 22) return std::nullopt;
    const double v = static_cast<double>(m) / kPotencias[decimales];
    return negativo ? -v : v;
}

}  // namespace

bool EsNumero(std::string_view texto) {
    std::string p;
    return Prefijo(SinBlancos(texto), p);
}

std::optional<double> LeeNumeroCompleto(std::string_view token) {
    std::string p;
    // The prefix has one character per character consumed, so equal lengths mean the
    // whole token was taken.
    if (!Prefijo(token, p) || p.size() != token.size()) return std::nullopt;
    double v = LeeDobleC(p.c_str());
    if (!std::isfinite(v)) return std::nullopt;
    return v;
}

std::optional<std::string> TextoNumeroTecleado(std::string_view texto) {
    std::string s = SinBlancos(texto);
    if (s.empty()) return s;
    // One comma and no point: the comma is the decimal mark.
    const size_t coma = s.find(',');
    if (coma != std::string::npos && s.find('.') == std::string::npos &&
        s.find(',', coma + 1) == std::string::npos)
        s[coma] = '.';
    std::string p;
    if (!Prefijo(s, p) || p.size() != s.size()) return std::nullopt;
    return p;  // the exponent as "E" ("1D3" -> "1E3")
}

std::optional<double> LeeNumeroTecleado(std::string_view texto) {
    const std::optional<std::string> s = TextoNumeroTecleado(texto);
    if (!s) return std::nullopt;
    if (s->empty()) return 0.0;
    return LeeDobleC(s->c_str());
}

std::string MensajeNoEsNumero(std::string_view texto) {
    return "El texto \"" + std::string(texto) + "\" no es un numero";
}

double LeeNumero(std::string_view texto) {
    if (const std::optional<double> v = LeeNumeroSimple(texto)) return *v;
    std::string p;
    if (!Prefijo(SinBlancos(texto), p)) return 0.0;
    double v = LeeDobleC(p.c_str());
    if (!std::isfinite(v)) return 0.0;
    return v;
}

double LeeNumeroSinLimite(std::string_view texto) {
    std::string p;
    if (!Prefijo(SinBlancos(texto), p)) return 0.0;
    return LeeDobleC(p.c_str());
}

std::string Formatea(double valor, std::string_view patron) {
    if (!std::isfinite(valor)) valor = 0.0;
    if (patron == "##") {
        std::string r = RedondeoDecimal(valor, 0);
        r.pop_back();  // the point
        if (r.empty()) return "";
        return (valor < 0 ? "-" : "") + r;
    }
    if (patron == "#0.##") {
        std::string r = RedondeoDecimal(valor, 2);
        size_t punto = r.find('.');
        std::string entera = r.substr(0, punto);
        std::string frac = r.substr(punto + 1);
        while (!frac.empty() && frac.back() == '0') frac.pop_back();
        if (entera.empty()) entera = "0";
        bool cero = entera == "0" && frac.empty();
        std::string s = entera + (frac.empty() ? "" : "." + frac);
        return (valor < 0 && !cero ? "-" : "") + s;
    }
    // Fixed patterns: "0", "0.0", "0.00", ...
    int decimales = 0;
    size_t punto = patron.find('.');
    if (punto != std::string_view::npos) decimales = static_cast<int>(patron.size() - punto - 1);
    std::string r = RedondeoDecimal(valor, decimales);
    if (r[0] == '.') r = "0" + r;
    if (decimales == 0) r.pop_back();
    bool cero = r.find_first_not_of("0.") == std::string::npos;
    return (valor < 0 && !cero ? "-" : "") + r;
}

std::string FormateaCientifico(double valor) {
    if (!std::isfinite(valor)) valor = 0.0;
    // Round the mantissa half away from zero on its decimal form.
    double v = std::fabs(valor);
    int exp = 0;
    std::string mant = "0.00";
    if (v != 0.0) {
        char buf[64];
        *std::to_chars(buf, buf + sizeof buf - 1, v, std::chars_format::scientific, 14).ptr = '\0';
        std::string t(buf);
        size_t pe = t.find('e');
        exp = std::atoi(t.c_str() + pe + 1);
        mant = RedondeoDecimal(LeeDobleC(t.substr(0, pe).c_str()), 2);
        if (mant[0] == '.') mant = "0" + mant;
        if (mant == "10.00") {
            mant = "1.00";
            exp++;
        }
    }
    char e[16];
    std::snprintf(e, sizeof e, "E%c%02d", exp < 0 ? '-' : '+', exp < 0 ? -exp : exp);
    return (valor < 0 ? "-" : "") + mant + e;
}

std::string TextoCorto(double valor) {
    if (!std::isfinite(valor)) valor = 0.0;
    if (valor == 0.0) return "0";
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, valor);
    std::string s(buf, res.ptr);
    for (char& c : s)
        if (c == 'e') c = 'E';
    return s;
}

std::string NumeroArchivo(double valor) {
    std::string s = TextoCorto(valor);
    return (s[0] == '-' ? "" : " ") + s + " ";
}

}  // namespace trabelux
