// Builds the help pages of the verification examples from the files of
// data/verificacion, so the hand calculation is written once (ejemplo-NN.md) and the
// values the help lists are those `trabelux-cli verify` checks (ejemplo-NN.esperado).
//
//   genera_ayuda_verificacion CARPETA_VERIFICACION CARPETA_AYUDA
//
// Writes ejemplo-NN.html into CARPETA_AYUDA and puts the list of examples into its
// verificacion.html where that page says <!-- EJEMPLOS -->.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "core/verificacion/comparacion.h"
#include "core/verificacion/ejemplo_verificado.h"
#include "core/verificacion/esperado.h"
#include "core/verificacion/texto_marcado.h"

namespace fs = std::filesystem;
using namespace trabelux;

namespace {

constexpr const char* kMarcaLista = "<!-- EJEMPLOS -->";

bool Lee(const fs::path& ruta, std::string& texto) {
    std::ifstream f(ruta, std::ios::binary);
    if (!f) return false;
    std::ostringstream s;
    s << f.rdbuf();
    texto = s.str();
    return true;
}

struct Ejemplo {
    std::string nombre;  // ejemplo-NN
    std::string titulo;  // the page's first heading
    ArchivoEsperado esperado;
    std::vector<BloqueMarcado> calculo;
};

std::string Enlace(const std::string& nombre, const std::string& texto) {
    return "<a href=\"" + nombre + ".html\">" + HtmlDeLinea(texto) + "</a>";
}

std::string Bloques(const std::vector<BloqueMarcado>& bloques) {
    std::string h;
    bool enLista = false;
    for (const BloqueMarcado& b : bloques) {
        if (enLista && b.tipo != TipoBloque::kElemento) h += "</ul>\n";
        enLista = b.tipo == TipoBloque::kElemento && (enLista || (h += "<ul>\n", true));
        std::string texto;
        for (const std::string& l : b.lineas)
            texto += (texto.empty() ? "" : "<br/>\n") + HtmlDeLinea(l);
        switch (b.tipo) {
            case TipoBloque::kTitulo: {
                // The page's own title is its <h1>; the page's headings go one level down.
                const std::string n = std::to_string(std::min(b.nivel + 1, 4));
                h += "<h" + n + ">" + texto + "</h" + n + ">\n";
                break;
            }
            case TipoBloque::kParrafo:
                h += "<p>" + texto + "</p>\n";
                break;
            case TipoBloque::kElemento:
                h += "<li>" + texto + "</li>\n";
                break;
            case TipoBloque::kTabla:
                h += "<table>\n";
                for (size_t f = 0; f < b.filas.size(); ++f) {
                    const char* celda = f == 0 ? "th" : "td";
                    h += "<tr>";
                    for (const std::string& c : b.filas[f])
                        h += std::string("<") + celda + ">" + HtmlDeLinea(c) + "</" + celda + ">";
                    h += "</tr>\n";
                }
                h += "</table>\n";
                break;
        }
    }
    if (enLista) h += "</ul>\n";
    return h;
}

std::string Pagina(const std::vector<Ejemplo>& ejemplos, size_t i) {
    const Ejemplo& e = ejemplos[i];
    std::string h =
        "<!DOCTYPE html>\n<html lang=\"es\">\n<head>\n<meta charset=\"utf-8\"/>\n<title>" +
        HtmlDeLinea(e.titulo) +
        "</title>\n<link rel=\"stylesheet\" type=\"text/css\" href=\"estilo.css\"/>\n</head>\n"
        "<body>\n<p class=\"navegacion\"><a href=\"index.html\">Manual de Trabelux</a> › "
        "<a href=\"verificacion.html\">Verificación</a></p>\n<h1>" +
        HtmlDeLinea(e.titulo) + "</h1>\n";
    h += "<p class=\"nota\"><a href=\"" + std::string(kEsquemaEjemplo) + ":" + e.nombre +
         ".vcw\">Abrir este ejemplo como proyecto</a> (" + e.nombre +
         ".vcw, en la carpeta de ejemplos de verificación del programa).</p>\n";
    std::vector<BloqueMarcado> cuerpo = e.calculo;
    if (!cuerpo.empty() && cuerpo.front().tipo == TipoBloque::kTitulo) cuerpo.erase(cuerpo.begin());
    h += Bloques(cuerpo);
    h += "<h2>Valores que comprueba <code>trabelux-cli verify</code></h2>\n<table>\n"
         "<tr><th>Valor</th><th>Clave</th><th>Esperado</th><th>Tolerancia</th></tr>\n";
    for (const ValorEsperado& v : e.esperado.valores)
        h += "<tr><td>" + HtmlDeLinea(DescribeClave(v.clave)) + "</td><td><code>" + v.clave +
             "</code></td><td>" + HtmlDeLinea(v.escrito) + "</td><td>" +
             (v.numero ? "± " + NumeroVerificacion(v.tolerancia) : std::string("igual")) +
             "</td></tr>\n";
    h += "</table>\n<p class=\"navegacion\">";
    if (i > 0) h += "Anterior: " + Enlace(ejemplos[i - 1].nombre, ejemplos[i - 1].titulo);
    if (i > 0 && i + 1 < ejemplos.size()) h += " · ";
    if (i + 1 < ejemplos.size())
        h += "Siguiente: " + Enlace(ejemplos[i + 1].nombre, ejemplos[i + 1].titulo);
    return h + "</p>\n</body>\n</html>\n";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "Uso: genera_ayuda_verificacion CARPETA_VERIFICACION CARPETA_AYUDA\n";
        return 2;
    }
    const fs::path carpeta = argv[1], ayuda = argv[2];
    std::vector<fs::path> archivos;
    for (const auto& a : fs::directory_iterator(carpeta))
        if (a.path().extension() == ".esperado") archivos.push_back(a.path());
    std::sort(archivos.begin(), archivos.end());
    std::vector<Ejemplo> ejemplos;
    for (const fs::path& a : archivos) {
        Ejemplo e;
        e.nombre = a.stem().string();
        std::string texto, calculo;
        Resultado<ArchivoEsperado> esperado =
            Lee(a, texto) ? LeeEsperado(texto) : Resultado<ArchivoEsperado>::Falla("");
        if (!esperado || !Lee(carpeta / (e.nombre + ".md"), calculo)) {
            std::cerr << a.string() << ": " << esperado.mensaje << " (o falta su .md)\n";
            return 1;
        }
        e.esperado = *esperado.valor;
        e.calculo = LeeTextoMarcado(calculo);
        e.titulo = !e.calculo.empty() && e.calculo.front().tipo == TipoBloque::kTitulo
                       ? SinMarcas(e.calculo.front().lineas.front())
                       : e.nombre;
        ejemplos.push_back(std::move(e));
    }
    for (size_t i = 0; i < ejemplos.size(); ++i) {
        std::ofstream f(ayuda / (ejemplos[i].nombre + ".html"), std::ios::binary);
        f << Pagina(ejemplos, i);
        if (!f) return 1;
    }
    // The chapter's list of examples, each with its source.
    std::string capitulo, lista = "<table>\n<tr><th>Ejemplo</th><th>Qué comprueba</th></tr>\n";
    for (const Ejemplo& e : ejemplos)
        lista += "<tr><td>" + Enlace(e.nombre, e.titulo) + "</td><td>" +
                 HtmlDeLinea(e.esperado.descripcion) + "</td></tr>\n";
    lista += "</table>";
    if (!Lee(ayuda / "verificacion.html", capitulo) ||
        capitulo.find(kMarcaLista) == std::string::npos) {
        std::cerr << "verificacion.html no tiene " << kMarcaLista << "\n";
        return 1;
    }
    capitulo.replace(capitulo.find(kMarcaLista), std::string(kMarcaLista).size(), lista);
    std::ofstream(ayuda / "verificacion.html", std::ios::binary) << capitulo;
    return 0;
}
