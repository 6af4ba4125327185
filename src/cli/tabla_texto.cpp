#include "cli/tabla_texto.h"

#include <algorithm>
#include <vector>

#include "core/texto/numeros.h"

namespace trabelux::cli {

namespace {

// Width on screen: UTF-8 continuation bytes take no column.
size_t Ancho(const std::string& s) {
    size_t n = 0;
    for (unsigned char c : s)
        if ((c & 0xC0) != 0x80) ++n;
    return n;
}

std::string Rellena(const std::string& s, size_t ancho, bool derecha) {
    size_t a = Ancho(s);
    std::string relleno(ancho > a ? ancho - a : 0, ' ');
    return derecha ? relleno + s : s + relleno;
}

}  // namespace

std::string TablaComoTexto(const TablaTexto& t) {
    std::vector<size_t> anchos(t.columnas.size(), 0);
    for (size_t c = 0; c < t.columnas.size(); ++c) anchos[c] = Ancho(t.columnas[c]);
    for (const auto& fila : t.filas)
        for (size_t c = 0; c < fila.size() && c < anchos.size(); ++c)
            anchos[c] = std::max(anchos[c], Ancho(fila[c]));

    std::string s = t.marco + "\n" + t.titulo + "\n";
    std::string linea;
    for (size_t c = 0; c < t.columnas.size(); ++c)
        linea += (c ? "  " : "") + Rellena(t.columnas[c], anchos[c], c > 0);
    s += linea + "\n" + std::string(Ancho(linea), '-') + "\n";
    for (const auto& fila : t.filas) {
        linea.clear();
        for (size_t c = 0; c < fila.size() && c < anchos.size(); ++c) {
            bool numero = EsNumero(fila[c]) && fila[c].find(' ') == std::string::npos;
            linea += (c ? "  " : "") + Rellena(fila[c], anchos[c], c == 0 || numero);
        }
        s += linea + "\n";
    }
    if (t.filas.empty()) s += "(sin filas)\n";
    if (!t.nota.empty()) s += t.nota + "\n";
    return s;
}

}  // namespace trabelux::cli
