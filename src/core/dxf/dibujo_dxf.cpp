#include "core/dxf/dibujo_dxf.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "core/texto/codificacion.h"

namespace trabelux {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr const char* kEstilo = "STANDARD";

bool NombreValido(const std::string& nombre) {
    if (nombre.empty() || nombre.size() > 31) return false;
    return std::all_of(nombre.begin(), nombre.end(), [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '-' || c == '$';
    });
}

bool Finito(Punto p) { return std::isfinite(p.x) && std::isfinite(p.y); }

bool Valida(const FiguraDxf& figura) {
    struct Visita {
        bool operator()(const LineaDxf& l) const { return Finito(l.a) && Finito(l.b); }
        bool operator()(const PolilineaDxf& p) const {
            return p.vertices.size() >= 2 && std::all_of(p.vertices.begin(), p.vertices.end(),
                                                         [](Punto q) { return Finito(q); });
        }
        bool operator()(const ArcoDxf& a) const {
            return Finito(a.centro) && std::isfinite(a.radio) && a.radio > 0 &&
                   std::isfinite(a.inicio) && std::isfinite(a.fin);
        }
        bool operator()(const CirculoDxf& c) const {
            return Finito(c.centro) && std::isfinite(c.radio) && c.radio > 0;
        }
        bool operator()(const RotuloDxf& r) const {
            return Finito(r.punto) && std::isfinite(r.altura) && r.altura > 0 &&
                   std::isfinite(r.rotacion);
        }
        bool operator()(const SolidoDxf& s) const {
            return (s.esquinas.size() == 3 || s.esquinas.size() == 4) &&
                   std::all_of(s.esquinas.begin(), s.esquinas.end(),
                               [](Punto q) { return Finito(q); });
        }
    };
    return std::visit(Visita{}, figura);
}

Punto Polar(Punto centro, double radio, double grados) {
    double a = grados * kPi / 180;
    return {centro.x + radio * std::cos(a), centro.y + radio * std::sin(a)};
}

// Every point whose box holds the figure. A text's box is estimated, since its real
// size depends on the font the CAD program has at hand: characters up to 1.2 times as
// wide as the text is high, descenders down to half the height, accents on capitals up
// to 1.3 times the height.
Poligonal PuntosExtremos(const FiguraDxf& figura) {
    struct Visita {
        Poligonal operator()(const LineaDxf& l) const { return {l.a, l.b}; }
        Poligonal operator()(const PolilineaDxf& p) const { return p.vertices; }
        Poligonal operator()(const SolidoDxf& s) const { return s.esquinas; }
        Poligonal operator()(const CirculoDxf& c) const {
            return {c.centro - Punto{c.radio, c.radio}, c.centro + Punto{c.radio, c.radio}};
        }
        Poligonal operator()(const ArcoDxf& a) const {
            double inicio = std::fmod(a.inicio, 360.0);
            if (inicio < 0) inicio += 360;
            double fin = std::fmod(a.fin, 360.0);
            if (fin < 0) fin += 360;
            if (fin <= inicio) fin += 360;  // equal angles draw the whole circle
            Poligonal p{Polar(a.centro, a.radio, inicio), Polar(a.centro, a.radio, fin)};
            for (int k = static_cast<int>(std::ceil(inicio / 90)); 90.0 * k < fin; ++k)
                p.push_back(Polar(a.centro, a.radio, 90.0 * k));
            return p;
        }
        Poligonal operator()(const RotuloDxf& r) const {
            double caracteres = 0;
            for (unsigned char c : r.texto)
                if ((c & 0xC0) != 0x80) caracteres += 1;
            double ancho = 1.2 * caracteres * r.altura;
            double x0 = r.horizontal == HorizontalDxf::kIzquierda ? 0
                        : r.horizontal == HorizontalDxf::kCentro  ? -ancho / 2
                                                                  : -ancho;
            double base = r.vertical == VerticalDxf::kBase    ? 0
                          : r.vertical == VerticalDxf::kAbajo ? 0.3 * r.altura
                          : r.vertical == VerticalDxf::kMedio ? -0.5 * r.altura
                                                              : -r.altura;
            double y0 = base - 0.5 * r.altura, y1 = base + 1.3 * r.altura;
            double a = r.rotacion * kPi / 180, c = std::cos(a), s = std::sin(a);
            Poligonal p;
            for (Punto q :
                 {Punto{x0, y0}, Punto{x0 + ancho, y0}, Punto{x0, y1}, Punto{x0 + ancho, y1}})
                p.push_back(r.punto + Punto{q.x * c - q.y * s, q.x * s + q.y * c});
            return p;
        }
    };
    return std::visit(Visita{}, figura);
}

// Group code and value pairs, each on its own line ending in CR LF.
class Escritor {
  public:
    void Par(int codigo, const std::string& valor) {
        std::string c = std::to_string(codigo);
        if (c.size() < 3) texto_.append(3 - c.size(), ' ');  // as AutoCAD aligns them
        texto_ += c;
        texto_ += "\r\n";
        texto_ += valor;
        texto_ += "\r\n";
    }
    void Par(int codigo, double valor) { Par(codigo, NumeroDxf(valor)); }
    void Par(int codigo, int valor) { Par(codigo, std::to_string(valor)); }
    // A point of the plane at code 10 + k (x), 20 + k (y) and 30 + k (z, 0).
    void Punto3(int k, Punto p) {
        Par(10 + k, p.x);
        Par(20 + k, p.y);
        Par(30 + k, 0.0);
    }
    void Entidad(const char* tipo, const std::string& capa) {
        Par(0, tipo);
        Par(8, capa);
    }
    std::string& Texto() { return texto_; }

  private:
    std::string texto_;
};

int CodigoHorizontal(HorizontalDxf h) {
    return h == HorizontalDxf::kIzquierda ? 0 : h == HorizontalDxf::kCentro ? 1 : 2;
}

int CodigoVertical(VerticalDxf v) {
    return v == VerticalDxf::kBase    ? 0
           : v == VerticalDxf::kAbajo ? 1
           : v == VerticalDxf::kMedio ? 2
                                      : 3;
}

void EscribeFigura(Escritor& e, const std::string& capa, const FiguraDxf& figura) {
    if (auto* l = std::get_if<LineaDxf>(&figura)) {
        e.Entidad("LINE", capa);
        e.Punto3(0, l->a);
        e.Punto3(1, l->b);
    } else if (auto* p = std::get_if<PolilineaDxf>(&figura)) {
        e.Entidad("POLYLINE", capa);
        e.Par(66, 1);  // vertices follow
        e.Punto3(0, {});
        e.Par(70, p->cerrada ? 1 : 0);
        for (Punto v : p->vertices) {
            e.Entidad("VERTEX", capa);
            e.Punto3(0, v);
        }
        e.Entidad("SEQEND", capa);
    } else if (auto* a = std::get_if<ArcoDxf>(&figura)) {
        e.Entidad("ARC", capa);
        e.Punto3(0, a->centro);
        e.Par(40, a->radio);
        e.Par(50, a->inicio);
        e.Par(51, a->fin);
    } else if (auto* c = std::get_if<CirculoDxf>(&figura)) {
        e.Entidad("CIRCLE", capa);
        e.Punto3(0, c->centro);
        e.Par(40, c->radio);
    } else if (auto* r = std::get_if<RotuloDxf>(&figura)) {
        e.Entidad("TEXT", capa);
        // With a justification other than baseline-left the CAD program places the text
        // by the second point and recomputes the first.
        e.Punto3(0, r->punto);
        e.Par(40, r->altura);
        e.Par(1, TextoUnaLinea(r->texto));
        e.Par(50, r->rotacion);
        e.Par(7, kEstilo);
        int h = CodigoHorizontal(r->horizontal), v = CodigoVertical(r->vertical);
        if (h != 0 || v != 0) {
            e.Par(72, h);
            e.Punto3(1, r->punto);
            e.Par(73, v);
        }
    } else if (auto* s = std::get_if<SolidoDxf>(&figura)) {
        // The format takes the corners as a zigzag: the last two swap places.
        const Poligonal& q = s->esquinas;
        e.Entidad("SOLID", capa);
        e.Punto3(0, q[0]);
        e.Punto3(1, q[1]);
        e.Punto3(2, q.back());
        e.Punto3(3, q[2]);
    }
}

}  // namespace

std::string NumeroDxf(double v) {
    if (std::abs(v) < 1e-10) return "0.0";
    char buffer[400];
    auto [fin, error] = std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::fixed);
    if (error != std::errc()) return "0.0";
    std::string s(buffer, fin);
    if (s.find('.') == std::string::npos) s += ".0";
    return s;
}

std::string TextoUnaLinea(const std::string& utf8) {
    std::string s;
    s.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x20 || c == 0x7F) {
            s += ' ';
        } else if (c == '^') {
            s += "^ ";
        } else if (utf8.compare(i, 3, "\u2300") == 0) {
            s += "%%c";
            i += 2;
        } else {
            s += static_cast<char>(c);
        }
    }
    return Utf8AWindows1252(s);
}

DibujoDxf::DibujoDxf() {
    tipos_.push_back({"CONTINUOUS", "Continua", {}});
    capas_.push_back({"0", 7, "CONTINUOUS"});
}

bool DibujoDxf::DeclaraTipoLinea(const TipoLineaDxf& tipo) {
    if (!NombreValido(tipo.nombre)) return false;
    if (!std::all_of(tipo.trazos.begin(), tipo.trazos.end(),
                     [](double t) { return std::isfinite(t); }))
        return false;
    auto igual = [&](const TipoLineaDxf& t) { return t.nombre == tipo.nombre; };
    auto it = std::find_if(tipos_.begin(), tipos_.end(), igual);
    if (it != tipos_.end())
        *it = tipo;
    else
        tipos_.push_back(tipo);
    return true;
}

bool DibujoDxf::DeclaraCapa(const CapaDxf& capa) {
    if (!NombreValido(capa.nombre) || capa.color < 1 || capa.color > 255) return false;
    if (std::none_of(tipos_.begin(), tipos_.end(),
                     [&](const TipoLineaDxf& t) { return t.nombre == capa.tipoLinea; }))
        return false;
    auto it = std::find_if(capas_.begin(), capas_.end(),
                           [&](const CapaDxf& c) { return c.nombre == capa.nombre; });
    if (it != capas_.end())
        *it = capa;
    else
        capas_.push_back(capa);
    return true;
}

bool DibujoDxf::Agrega(const std::string& capa, const FiguraDxf& figura) {
    if (std::none_of(capas_.begin(), capas_.end(),
                     [&](const CapaDxf& c) { return c.nombre == capa; }))
        return false;
    if (!Valida(figura)) return false;
    for (Punto p : PuntosExtremos(figura)) {
        if (!extension_) extension_ = CajaDxf{p, p};
        extension_->minimo = {std::min(extension_->minimo.x, p.x),
                              std::min(extension_->minimo.y, p.y)};
        extension_->maximo = {std::max(extension_->maximo.x, p.x),
                              std::max(extension_->maximo.y, p.y)};
    }
    entidades_.push_back({capa, figura});
    return true;
}

std::map<std::string, int> DibujoDxf::EntidadesPorCapa() const {
    std::map<std::string, int> n;
    for (const Entidad& e : entidades_) ++n[e.capa];
    return n;
}

std::optional<CajaDxf> DibujoDxf::Extension() const { return extension_; }

namespace {

// The HEADER section: the format's version, code page, extents and units.
void EscribeCabecera(Escritor& e, const CajaDxf& caja) {
    e.Par(0, "SECTION");
    e.Par(2, "HEADER");
    e.Par(9, "$ACADVER");
    e.Par(1, "AC1009");
    e.Par(9, "$DWGCODEPAGE");
    e.Par(3, "ANSI_1252");
    e.Par(9, "$INSBASE");
    e.Punto3(0, {});
    e.Par(9, "$EXTMIN");
    e.Punto3(0, caja.minimo);
    e.Par(9, "$EXTMAX");
    e.Punto3(0, caja.maximo);
    // R12 has no unit of length: decimal units, and the drawing says it is in centimetres.
    e.Par(9, "$LUNITS");
    e.Par(70, 2);
    e.Par(9, "$LUPREC");
    e.Par(70, 1);
    // Dash lengths are drawing units already.
    e.Par(9, "$LTSCALE");
    e.Par(40, 1.0);
    e.Par(9, "$TEXTSTYLE");
    e.Par(7, kEstilo);
    e.Par(9, "$CLAYER");
    e.Par(8, "0");
    // No handles: R12 makes them optional and the CAD program assigns its own.
    e.Par(9, "$HANDLING");
    e.Par(70, 0);
    e.Par(0, "ENDSEC");
}

// The view the CAD program opens with (the VPORT table).
void EscribeVista(Escritor& e, const CajaDxf& caja) {
    // The whole drawing with a margin.
    double ancho = caja.maximo.x - caja.minimo.x, alto = caja.maximo.y - caja.minimo.y;
    const double aspecto = 1.5;
    e.Par(0, "TABLE");
    e.Par(2, "VPORT");
    e.Par(70, 1);
    e.Par(0, "VPORT");
    e.Par(2, "*ACTIVE");
    e.Par(70, 0);
    e.Par(10, 0.0);
    e.Par(20, 0.0);
    e.Par(11, 1.0);
    e.Par(21, 1.0);
    e.Par(12, (caja.minimo.x + caja.maximo.x) / 2);
    e.Par(22, (caja.minimo.y + caja.maximo.y) / 2);
    e.Par(40, std::max({alto, ancho / aspecto, 1.0}) * 1.1);
    e.Par(41, aspecto);
    e.Par(0, "ENDTAB");
}

void EscribeTipos(Escritor& e, const std::vector<TipoLineaDxf>& tipos) {
    e.Par(0, "TABLE");
    e.Par(2, "LTYPE");
    e.Par(70, static_cast<int>(tipos.size()));
    for (const TipoLineaDxf& t : tipos) {
        e.Par(0, "LTYPE");
        e.Par(2, t.nombre);
        e.Par(70, 0);
        e.Par(3, Utf8AWindows1252(t.descripcion));
        e.Par(72, 65);  // alignment 'A', the only one there is
        e.Par(73, static_cast<int>(t.trazos.size()));
        double largo = 0;
        for (double d : t.trazos) largo += std::abs(d);
        e.Par(40, largo);
        for (double d : t.trazos) e.Par(49, d);
    }
    e.Par(0, "ENDTAB");
}

void EscribeCapas(Escritor& e, const std::vector<CapaDxf>& capas) {
    e.Par(0, "TABLE");
    e.Par(2, "LAYER");
    e.Par(70, static_cast<int>(capas.size()));
    for (const CapaDxf& c : capas) {
        e.Par(0, "LAYER");
        e.Par(2, c.nombre);
        e.Par(70, 0);
        e.Par(62, c.color);
        e.Par(6, c.tipoLinea);
    }
    e.Par(0, "ENDTAB");
}

// The one text style: simplex lettering.
void EscribeEstilo(Escritor& e) {
    e.Par(0, "TABLE");
    e.Par(2, "STYLE");
    e.Par(70, 1);
    e.Par(0, "STYLE");
    e.Par(2, kEstilo);
    e.Par(70, 0);
    e.Par(40, 0.0);  // height given by each text
    e.Par(41, 1.0);
    e.Par(50, 0.0);
    e.Par(71, 0);
    e.Par(42, 1.0);
    e.Par(3, "romans");  // the simplex lettering of technical drawings, in every CAD program
    e.Par(4, "");
    e.Par(0, "ENDTAB");
}

}  // namespace

std::string DibujoDxf::TextoDxf() const {
    const CajaDxf caja = extension_.value_or(CajaDxf{});
    Escritor e;
    EscribeCabecera(e, caja);
    e.Par(0, "SECTION");
    e.Par(2, "TABLES");
    EscribeVista(e, caja);
    EscribeTipos(e, tipos_);
    EscribeCapas(e, capas_);
    EscribeEstilo(e);
    e.Par(0, "ENDSEC");

    e.Par(0, "SECTION");
    e.Par(2, "ENTITIES");
    for (const Entidad& entidad : entidades_) EscribeFigura(e, entidad.capa, entidad.figura);
    e.Par(0, "ENDSEC");
    e.Par(0, "EOF");
    return std::move(e.Texto());
}

}  // namespace trabelux
