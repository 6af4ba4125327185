// The hand calculation of a verification example (ejemplo-NN.md) read as blocks: the
// small part of Markdown those pages use (headings, paragraphs, "- " lists, "|" tables,
// **bold** and `code`), so one text gives both the help page and the manual's pages.
#pragma once

#include <string>
#include <vector>

namespace trabelux {

enum class TipoBloque { kTitulo, kParrafo, kElemento, kTabla };

struct BloqueMarcado {
    TipoBloque tipo = TipoBloque::kParrafo;
    int nivel = 0;  // of a heading: 1 for "#", 2 for "##"...
    // The text's lines, marks kept: one for a heading; for a paragraph or a list item the
    // lines that must start a line of their own (a derivation's "= ..." and "→ ...").
    std::vector<std::string> lineas;
    std::vector<std::vector<std::string>> filas;  // a table's cells, the heading row first
};

std::vector<BloqueMarcado> LeeTextoMarcado(const std::string& texto);

// The line without its marks, as plain text prints it.
std::string SinMarcas(const std::string& linea);

// The line as HTML: <, > and & escaped, **x** in <b>, `x` in <code>.
std::string HtmlDeLinea(const std::string& linea);

}  // namespace trabelux
