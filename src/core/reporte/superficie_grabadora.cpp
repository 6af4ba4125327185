// The recording surface: fixed text metrics and a text dump of every painted primitive.
#include "core/reporte/superficie_grabadora.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "core/texto/numeros.h"

namespace trabelux {

namespace {

constexpr double kPi = 3.14159265358979323846;

// One decimal at most, no "-0": the dump must read the same on every machine.
std::string Num(double v) {
    if (!std::isfinite(v)) return "nan";
    double r = std::round(v * 10) / 10;
    if (r == 0) return "0";
    char buf[64];
    std::string s(buf, std::to_chars(buf, buf + sizeof buf, r, std::chars_format::fixed, 1).ptr);
    if (s.size() > 2 && s.compare(s.size() - 2, 2, ".0") == 0) s.resize(s.size() - 2);
    return s;
}

std::string Hex(Color c) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "#%02x%02x%02x", c.r & 0xff, c.g & 0xff, c.b & 0xff);
    return buf;
}

std::string TextoEstilo(const EstiloTexto& e) {
    std::string s = "[" + e.fuente + " " + Num(e.tamano);
    std::string efectos;
    if (e.negrita) efectos += 'N';
    if (e.cursiva) efectos += 'C';
    if (e.subrayado) efectos += 'S';
    if (e.tachado) efectos += 'T';
    if (!efectos.empty()) s += " " + efectos;
    if (e.color != Color{}) s += " " + Hex(e.color);
    return s + "]";
}

std::string Pluma(const Trazo& t) {
    return "[" + Num(t.ancho) + (t.color != Color{} ? " " + Hex(t.color) : "") + "]";
}

std::string TextoRelleno(trabelux::Relleno r, Color c) {
    switch (r) {
        case trabelux::Relleno::kSolido:
            return "solido " + Hex(c);
        case trabelux::Relleno::kRayado:
            return "rayado " + Hex(c);
        case trabelux::Relleno::kNinguno:
            break;
    }
    return "ninguno";
}

std::string Puntos(const Poligonal& puntos) {
    std::string s;
    for (const Punto& p : puntos) s += " " + Num(p.x) + "," + Num(p.y);
    return s;
}

// Characters, not bytes: accents and "ø" are one character each in UTF-8.
size_t Caracteres(const std::string& texto) {
    size_t n = 0;
    for (unsigned char c : texto)
        if ((c & 0xC0) != 0x80) ++n;
    return n;
}

// A text holding a line break must not split its record.
std::string UnaLinea(std::string texto) {
    for (size_t i = 0; (i = texto.find('\n', i)) != std::string::npos; i += 2)
        texto.replace(i, 1, "\\n");
    return texto;
}

}  // namespace

double SuperficieGrabadora::MideTexto(const std::string& texto, const EstiloTexto& estilo) const {
    return static_cast<double>(Caracteres(texto)) * AnchoCaracter(estilo.tamano);
}

double SuperficieGrabadora::AltoLinea(const EstiloTexto& estilo) const {
    return estilo.tamano * 20 * 1.2;
}

LlamadaGrabada& SuperficieGrabadora::Nueva(LlamadaGrabada::Tipo tipo) {
    LlamadaGrabada& l = llamadas_.emplace_back();
    l.tipo = tipo;
    l.pagina = pagina_;
    return l;
}

void SuperficieGrabadora::PintaPagina(int pagina) {
    pagina_ = pagina;
    Nueva(LlamadaGrabada::Tipo::kPagina);
}

void SuperficieGrabadora::PintaTexto(double x, double y, const std::string& texto,
                                     const EstiloTexto& estilo) {
    LlamadaGrabada& l = Nueva(LlamadaGrabada::Tipo::kTexto);
    l.puntos = {{x, y}};
    l.texto = texto;
    l.estilo = estilo;
}

void SuperficieGrabadora::PintaLineas(const Poligonal& puntos, const Trazo& trazo) {
    LlamadaGrabada& l = Nueva(LlamadaGrabada::Tipo::kLineas);
    l.puntos = puntos;
    l.trazo = trazo;
}

void SuperficieGrabadora::PintaPoligono(const Poligonal& puntos, const Trazo& trazo,
                                        trabelux::Relleno relleno, Color colorRelleno) {
    LlamadaGrabada& l = Nueva(LlamadaGrabada::Tipo::kPoligono);
    l.puntos = puntos;
    l.trazo = trazo;
    l.relleno = relleno;
    l.colorRelleno = colorRelleno;
}

void SuperficieGrabadora::PintaRectangulo(const trabelux::Rectangulo& r, const Trazo& trazo,
                                          trabelux::Relleno relleno, Color colorRelleno) {
    LlamadaGrabada& l = Nueva(LlamadaGrabada::Tipo::kRectangulo);
    l.puntos = {{r.Izquierda(), r.Arriba()}, {r.Derecha(), r.Abajo()}};
    l.trazo = trazo;
    l.relleno = relleno;
    l.colorRelleno = colorRelleno;
}

void SuperficieGrabadora::PintaElipse(const trabelux::Rectangulo& caja, const Trazo& trazo,
                                      trabelux::Relleno relleno, Color colorRelleno) {
    LlamadaGrabada& l = Nueva(LlamadaGrabada::Tipo::kElipse);
    l.puntos = {{caja.Izquierda(), caja.Arriba()}, {caja.Derecha(), caja.Abajo()}};
    l.trazo = trazo;
    l.relleno = relleno;
    l.colorRelleno = colorRelleno;
}

void SuperficieGrabadora::PintaArco(double cx, double cy, double radio, double desde, double hasta,
                                    const Trazo& trazo) {
    LlamadaGrabada& l = Nueva(LlamadaGrabada::Tipo::kArco);
    l.puntos = {{cx, cy}};
    l.radio = radio;
    l.desde = desde;
    l.hasta = hasta;
    l.trazo = trazo;
}

std::string SuperficieGrabadora::Volcado() const {
    using T = LlamadaGrabada::Tipo;
    std::string s;
    for (const LlamadaGrabada& l : llamadas_) {
        s += "p" + std::to_string(l.pagina) + " ";
        switch (l.tipo) {
            case T::kPagina:
                s += "pagina";
                break;
            case T::kTexto:
                s += "texto " + Num(l.puntos[0].x) + " " + Num(l.puntos[0].y) + " " +
                     TextoEstilo(l.estilo) + " " + UnaLinea(l.texto);
                break;
            case T::kLineas:
                s += "lineas " + Pluma(l.trazo) + Puntos(l.puntos);
                break;
            case T::kPoligono:
                s += "poligono " + Pluma(l.trazo) + " " + TextoRelleno(l.relleno, l.colorRelleno) +
                     Puntos(l.puntos);
                break;
            case T::kRectangulo:
                s += "rectangulo " + Pluma(l.trazo) + " " +
                     TextoRelleno(l.relleno, l.colorRelleno) + Puntos(l.puntos);
                break;
            case T::kElipse:
                s += "elipse " + Pluma(l.trazo) + " " + TextoRelleno(l.relleno, l.colorRelleno) +
                     Puntos(l.puntos);
                break;
            case T::kArco:
                s += "arco " + Pluma(l.trazo) + Puntos(l.puntos) + " r=" + Num(l.radio) + " " +
                     Num(l.desde * 180 / kPi) + ".." + Num(l.hasta * 180 / kPi);
                break;
        }
        s += '\n';
    }
    return s;
}

}  // namespace trabelux
