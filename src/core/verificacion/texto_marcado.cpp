#include "core/verificacion/texto_marcado.h"

#include <sstream>

namespace trabelux {

namespace {

std::string Recorta(const std::string& s) {
    const auto inicio = s.find_first_not_of(" \t\r");
    if (inicio == std::string::npos) return {};
    return s.substr(inicio, s.find_last_not_of(" \t\r") - inicio + 1);
}

bool Empieza(const std::string& s, const char* prefijo) { return s.rfind(prefijo, 0) == 0; }

std::vector<std::string> Celdas(const std::string& linea) {
    std::vector<std::string> celdas;
    std::string t = Recorta(linea);
    if (!t.empty() && t.front() == '|') t.erase(0, 1);
    if (!t.empty() && t.back() == '|') t.pop_back();
    std::istringstream partes(t);
    for (std::string celda; std::getline(partes, celda, '|');) celdas.push_back(Recorta(celda));
    return celdas;
}

BloqueMarcado Nuevo(TipoBloque tipo) {
    BloqueMarcado b;
    b.tipo = tipo;
    return b;
}

bool EsSeparadorTabla(const std::string& linea) {
    return linea.find_first_not_of("|-: ") == std::string::npos;
}

}  // namespace

std::vector<BloqueMarcado> LeeTextoMarcado(const std::string& texto) {
    std::vector<BloqueMarcado> bloques;
    bool abierto = false;  // the last block takes the next continuation line
    std::istringstream lineas(texto);
    for (std::string original; std::getline(lineas, original);) {
        const std::string linea = Recorta(original);
        if (linea.empty()) {
            abierto = false;
            continue;
        }
        if (linea[0] == '#') {
            BloqueMarcado b = Nuevo(TipoBloque::kTitulo);
            b.nivel = static_cast<int>(linea.find_first_not_of('#'));
            b.lineas.push_back(Recorta(linea.substr(static_cast<size_t>(b.nivel))));
            bloques.push_back(b);
            abierto = false;
        } else if (linea[0] == '|') {
            if (!abierto || bloques.back().tipo != TipoBloque::kTabla)
                bloques.push_back(Nuevo(TipoBloque::kTabla));
            if (!EsSeparadorTabla(linea)) bloques.back().filas.push_back(Celdas(linea));
            abierto = true;
        } else if (Empieza(linea, "- ")) {
            BloqueMarcado b = Nuevo(TipoBloque::kElemento);
            b.lineas.push_back(linea.substr(2));
            bloques.push_back(b);
            abierto = true;
        } else if (abierto && bloques.back().tipo != TipoBloque::kTabla) {
            // A derivation step keeps its own line; other text continues the line above.
            std::vector<std::string>& l = bloques.back().lineas;
            if (Empieza(linea, "=") || Empieza(linea, "→"))
                l.push_back(linea);
            else
                l.back() += " " + linea;
        } else {
            BloqueMarcado b = Nuevo(TipoBloque::kParrafo);
            b.lineas.push_back(linea);
            bloques.push_back(b);
            abierto = true;
        }
    }
    return bloques;
}

std::string SinMarcas(const std::string& linea) {
    std::string s;
    for (size_t i = 0; i < linea.size(); ++i) {
        if (linea.compare(i, 2, "**") == 0) {
            ++i;
            continue;
        }
        if (linea[i] != '`') s += linea[i];
    }
    return s;
}

std::string HtmlDeLinea(const std::string& linea) {
    std::string s;
    bool negrita = false, codigo = false;
    for (size_t i = 0; i < linea.size(); ++i) {
        const char c = linea[i];
        if (!codigo && linea.compare(i, 2, "**") == 0) {
            s += negrita ? "</b>" : "<b>";
            negrita = !negrita;
            ++i;
        } else if (c == '`') {
            s += codigo ? "</code>" : "<code>";
            codigo = !codigo;
        } else if (c == '<') {
            s += "&lt;";
        } else if (c == '>') {
            s += "&gt;";
        } else if (c == '&') {
            s += "&amp;";
        } else {
            s += c;
        }
    }
    if (codigo) s += "</code>";
    if (negrita) s += "</b>";
    return s;
}

}  // namespace trabelux
