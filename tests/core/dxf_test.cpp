// The DXF writer read back by a small reader of the format written here: group codes
// paired, every entity back with the same numbers, extents that hold the drawing, texts
// in Windows-1252, dimensions drawn where they measure.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <locale>
#include <map>
#include <random>

#include "core/dxf/cota.h"
#include "core/texto/codificacion.h"

namespace trabelux {
namespace {

constexpr double kPi = 3.14159265358979323846;

struct Grupo {
    int codigo;
    std::string valor;
};

// The file as group code and value pairs; every line must end in CR LF.
std::vector<Grupo> Grupos(const std::string& dxf) {
    std::vector<std::string> lineas;
    for (size_t i = 0, fin; i < dxf.size(); i = fin + 2) {
        fin = dxf.find("\r\n", i);
        if (fin == std::string::npos) {
            ADD_FAILURE() << "the file ends without CR LF";
            break;
        }
        lineas.push_back(dxf.substr(i, fin - i));
        EXPECT_EQ(lineas.back().find_first_of("\r\n"), std::string::npos) << lineas.back();
    }
    EXPECT_EQ(lineas.size() % 2, 0u);
    std::vector<Grupo> g;
    for (size_t i = 0; i + 1 < lineas.size(); i += 2) {
        size_t usado = 0;
        g.push_back({std::stoi(lineas[i], &usado), lineas[i + 1]});
        EXPECT_EQ(usado, lineas[i].size()) << lineas[i];
    }
    return g;
}

// An entity (or a table entry or a header variable) with its groups.
struct Entidad {
    std::string tipo;
    std::multimap<int, std::string> g;
    std::string S(int codigo) const {
        auto it = g.find(codigo);
        return it == g.end() ? "" : it->second;
    }
    double N(int codigo) const { return g.count(codigo) ? std::stod(S(codigo)) : 0; }
    Punto P(int k) const { return {N(10 + k), N(20 + k)}; }
};

// What a section holds, split at each group of code `separa` (0 for entities, 9 for
// header variables).
std::vector<Entidad> Seccion(const std::vector<Grupo>& grupos, const std::string& nombre,
                             int separa = 0) {
    std::vector<Entidad> e;
    for (size_t i = 0; i + 1 < grupos.size(); ++i) {
        if (grupos[i].valor != "SECTION" || grupos[i + 1].valor != nombre) continue;
        for (i += 2; i < grupos.size() && grupos[i].valor != "ENDSEC"; ++i) {
            if (grupos[i].codigo == separa)
                e.push_back({grupos[i].valor, {}});
            else if (!e.empty())
                e.back().g.insert({grupos[i].codigo, grupos[i].valor});
        }
    }
    return e;
}

// A TEXT's value as the format reads it: Windows-1252 with caret pairs.
std::string Decodifica(const std::string& valor) {
    std::string s;
    for (size_t i = 0; i < valor.size(); ++i) {
        bool caret = valor[i] == '^' && i + 1 < valor.size();
        s += !caret ? valor[i] : valor[++i] == ' ' ? '^' : static_cast<char>(valor[i] - 64);
    }
    return Latin1AUtf8(s);
}

using Figuras = std::vector<std::pair<std::string, FiguraDxf>>;

Figuras Lee(const std::vector<Grupo>& grupos) {
    Figuras f;
    std::vector<Entidad> e = Seccion(grupos, "ENTITIES");
    for (size_t i = 0; i < e.size(); ++i) {
        const Entidad& x = e[i];
        FiguraDxf fig;
        if (x.tipo == "LINE") {
            fig = LineaDxf{x.P(0), x.P(1)};
        } else if (x.tipo == "POLYLINE") {
            PolilineaDxf p{{}, (static_cast<int>(x.N(70)) & 1) != 0};
            for (++i; i < e.size() && e[i].tipo == "VERTEX"; ++i) {
                EXPECT_EQ(e[i].S(8), x.S(8));
                p.vertices.push_back(e[i].P(0));
            }
            EXPECT_EQ(e[i].tipo, "SEQEND");
            fig = p;
        } else if (x.tipo == "ARC") {
            fig = ArcoDxf{x.P(0), x.N(40), x.N(50), x.N(51)};
        } else if (x.tipo == "CIRCLE") {
            fig = CirculoDxf{x.P(0), x.N(40)};
        } else if (x.tipo == "TEXT") {
            bool justificado = x.g.count(72) || x.g.count(73);
            fig = RotuloDxf{x.P(justificado ? 1 : 0),
                            x.N(40),
                            x.N(50),
                            Decodifica(x.S(1)),
                            HorizontalDxf(static_cast<int>(x.N(72))),
                            VerticalDxf(static_cast<int>(x.N(73)))};
        } else if (x.tipo == "SOLID") {
            Poligonal q{x.P(0), x.P(1), x.P(3), x.P(2)};
            if (q[2] == q[3]) q.pop_back();
            fig = SolidoDxf{q};
        } else {
            ADD_FAILURE() << "unexpected entity " << x.tipo;
            continue;
        }
        f.push_back({x.S(8), fig});
    }
    return f;
}

// A figure as one line with its numbers in full.
std::string Describe(const std::pair<std::string, FiguraDxf>& cf) {
    std::string s = cf.first;
    auto n = [&](double v) {
        char b[40];
        std::snprintf(b, sizeof b, " %.17g", v);
        s += b;
    };
    auto puntos = [&](const Poligonal& p) {
        for (Punto q : p) n(q.x), n(q.y);
    };
    const FiguraDxf& f = cf.second;
    if (auto* l = std::get_if<LineaDxf>(&f)) s += " LINE", puntos({l->a, l->b});
    if (auto* p = std::get_if<PolilineaDxf>(&f))
        s += p->cerrada ? " CLOSED" : " OPEN", puntos(p->vertices);
    if (auto* a = std::get_if<ArcoDxf>(&f))
        s += " ARC", puntos({a->centro}), n(a->radio), n(a->inicio), n(a->fin);
    if (auto* c = std::get_if<CirculoDxf>(&f)) s += " CIRCLE", puntos({c->centro}), n(c->radio);
    if (auto* r = std::get_if<RotuloDxf>(&f)) {
        s += " TEXT " + r->texto, puntos({r->punto}), n(r->altura), n(r->rotacion);
        n(static_cast<int>(r->horizontal)), n(static_cast<int>(r->vertical));
    }
    if (auto* q = std::get_if<SolidoDxf>(&f)) s += " SOLID", puntos(q->esquinas);
    return s;
}

struct Coma : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
};

// A random figure of kind 0..5 (text last).
FiguraDxf Aleatoria(std::mt19937& azar, unsigned clase) {
    std::uniform_real_distribution<double> coord(-5000, 5000), medida(0.01, 300), angulo(-360, 360);
    auto punto = [&] { return Punto{coord(azar), coord(azar)}; };
    Poligonal p{punto(), punto(), punto(), punto()};
    for (size_t n = azar() % 3; n > 0; --n) p.push_back(punto());
    const std::vector<std::string> letras = {"a", "Z", "0", "9", " ", "-", ".", "/", "\"",
                                             "%", "^", "ñ", "Ñ", "á", "ø", "²", "³", "°"};
    std::string t;
    for (size_t i = 0, n = 1 + azar() % 12; i < n; ++i) t += letras[azar() % letras.size()];
    switch (clase) {
        case 0:
            return LineaDxf{punto(), punto()};
        case 1:
            return PolilineaDxf{Poligonal(p.begin() + azar() % 3, p.end()), azar() % 2 == 0};
        case 2:
            return ArcoDxf{punto(), medida(azar), angulo(azar), angulo(azar)};
        case 3:
            return CirculoDxf{punto(), medida(azar)};
        case 4:
            return SolidoDxf{Poligonal(p.begin(), p.begin() + 3 + azar() % 2)};
        default:
            return RotuloDxf{punto(),
                             medida(azar),
                             angulo(azar),
                             t,
                             HorizontalDxf(azar() % 3),
                             VerticalDxf(azar() % 4)};
    }
}

// Random drawings of every kind of entity, with a locale that writes decimal commas.
TEST(Dxf, EveryEntityReadsBackWithTheSameNumbersAndTheExtentsHoldIt) {
    std::locale anterior = std::locale::global(std::locale(std::locale::classic(), new Coma));
    std::mt19937 azar(25);
    const char* capas[] = {capas_dxf::kViga, capas_dxf::kEjes, capas_dxf::kTextos, "0"};
    for (int caso = 0; caso < 60; ++caso) {
        DibujoDxf d = DibujoPlanos();
        Figuras escritas;
        bool conTextos = caso % 2 == 0;
        for (int k = 0; k < 12; ++k) {
            FiguraDxf f = Aleatoria(azar, azar() % (conTextos ? 6 : 5));
            escritas.push_back({capas[azar() % 4], f});
            ASSERT_TRUE(d.Agrega(escritas.back().first, f));
        }

        std::string dxf = d.TextoDxf();
        ASSERT_GE(dxf.size(), 10u);
        EXPECT_EQ(dxf.substr(dxf.size() - 10), "  0\r\nEOF\r\n");
        std::vector<Grupo> grupos = Grupos(dxf);
        Figuras leidas = Lee(grupos);
        ASSERT_EQ(leidas.size(), escritas.size());
        for (size_t i = 0; i < leidas.size(); ++i)
            EXPECT_EQ(Describe(leidas[i]), Describe(escritas[i]));

        // The extents hold every point of every figure (texts by their alignment point);
        // without texts each side touches some figure.
        Punto lo{1e300, 1e300}, hi{-1e300, -1e300};
        auto toca = [&](Punto p) {
            lo = {std::min(lo.x, p.x), std::min(lo.y, p.y)};
            hi = {std::max(hi.x, p.x), std::max(hi.y, p.y)};
        };
        for (const auto& [capa, f] : escritas) {
            // Arcs and circles at close steps along them, texts at their alignment point.
            double radio = 0, inicio = 0, barrido = 360;
            Punto centro;
            if (auto* a = std::get_if<ArcoDxf>(&f)) {
                centro = a->centro, radio = a->radio, inicio = a->inicio;
                barrido = std::fmod(std::fmod(a->fin - a->inicio, 360) + 360, 360);
            } else if (auto* c = std::get_if<CirculoDxf>(&f)) {
                centro = c->centro, radio = c->radio;
            }
            for (int k = 0; radio > 0 && k <= 7200; ++k) {
                double t = (inicio + barrido * k / 7200) * kPi / 180;
                toca(centro + Punto{std::cos(t), std::sin(t)} * radio);
            }
            if (auto* l = std::get_if<LineaDxf>(&f)) toca(l->a), toca(l->b);
            if (auto* p = std::get_if<PolilineaDxf>(&f))
                std::for_each(p->vertices.begin(), p->vertices.end(), toca);
            if (auto* q = std::get_if<SolidoDxf>(&f))
                std::for_each(q->esquinas.begin(), q->esquinas.end(), toca);
            if (auto* r = std::get_if<RotuloDxf>(&f)) toca(r->punto);
        }
        std::vector<Entidad> cabecera = Seccion(grupos, "HEADER", 9);
        auto variable = [&](const std::string& nombre) {
            for (const Entidad& v : cabecera)
                if (v.tipo == nombre) return v.P(0);
            ADD_FAILURE() << "no " << nombre;
            return Punto{};
        };
        Punto minimo = variable("$EXTMIN"), maximo = variable("$EXTMAX");
        EXPECT_LE(minimo.x, lo.x + 1e-6);
        EXPECT_LE(minimo.y, lo.y + 1e-6);
        EXPECT_GE(maximo.x, hi.x - 1e-6);
        EXPECT_GE(maximo.y, hi.y - 1e-6);
        if (!conTextos) {
            EXPECT_NEAR(minimo.x, lo.x, 1e-3);
            EXPECT_NEAR(minimo.y, lo.y, 1e-3);
            EXPECT_NEAR(maximo.x, hi.x, 1e-3);
            EXPECT_NEAR(maximo.y, hi.y, 1e-3);
        }
    }
    std::locale::global(anterior);
}

TEST(Dxf, TextsAreWindows1252OnOneLine) {
    DibujoDxf d = DibujoPlanos();
    ASSERT_TRUE(
        d.Agrega(capas_dxf::kTextos, RotuloDxf{{}, 10, 0, "ñáø²³° €–“”≤≥−⌀16 漢 a^b\tc\r\nd\xC3"}));
    std::vector<Entidad> t = Seccion(Grupos(d.TextoDxf()), "ENTITIES");
    ASSERT_EQ(t.size(), 1u);
    EXPECT_EQ(t[0].S(1), "\xF1\xE1\xF8\xB2\xB3\xB0 \x80\x96\x93\x94<=>=-%%c16 ? a^ b c  d?");
}

TEST(Dxf, RefusesWhatWouldBreakTheFile) {
    const double nan = std::nan(""), inf = INFINITY;
    DibujoDxf d = DibujoPlanos();
    const std::string vacio = d.TextoDxf();
    const std::pair<std::string, FiguraDxf> figuras[] = {
        {"NO_DECLARADA", LineaDxf{{0, 0}, {1, 1}}},
        {capas_dxf::kViga, LineaDxf{{nan, 0}, {1, 1}}},
        {capas_dxf::kViga, PolilineaDxf{{{0, 0}}, false}},
        {capas_dxf::kViga, ArcoDxf{{0, 0}, 1, 0, inf}},
        {capas_dxf::kViga, CirculoDxf{{0, 0}, 0}},
        {capas_dxf::kTextos, RotuloDxf{{0, 0}, -1, 0, "a"}},
        {capas_dxf::kViga, SolidoDxf{{{0, 0}, {1, 0}}}},
    };
    for (const auto& [capa, f] : figuras) EXPECT_FALSE(d.Agrega(capa, f)) << Describe({capa, f});
    for (const CapaDxf& c : {CapaDxf{"viga", 7}, CapaDxf{"VIGA", 256}, CapaDxf{"VIGA", 7, "OCULTA"},
                             CapaDxf{std::string(32, 'A'), 7}})
        EXPECT_FALSE(d.DeclaraCapa(c)) << c.nombre;
    EXPECT_FALSE(d.DeclaraTipoLinea({"TRAZOS", "", {1, nan}}));
    EXPECT_FALSE(AgregaCota(d, CotaDxf{{1, 1}, {1, 1}, 10, "0", 5}));
    EXPECT_FALSE(AgregaCota(d, CotaDxf{{0, 0}, {1, 1}, 10, "1", 5}, "NO_DECLARADA"));
    EXPECT_FALSE(d.Extension());
    EXPECT_EQ(d.TextoDxf(), vacio);
}

double Producto(Punto a, Punto b) { return a.x * b.x + a.y * b.y; }
double Cruz(Punto a, Punto b) { return a.x * b.y - a.y * b.x; }
double Largo(Punto a) { return std::hypot(a.x, a.y); }

// Random dimensions in any direction, either side, near and far.
TEST(Dxf, DimensionsDrawWhereTheyMeasure) {
    std::mt19937 azar(7);
    std::uniform_real_distribution<double> coord(-1000, 1000), lado(-60, 60), alto(1, 20);
    for (int caso = 0; caso < 300; ++caso) {
        CotaDxf c{
            {coord(azar), coord(azar)}, {coord(azar), coord(azar)}, lado(azar), "450", alto(azar)};
        if (caso % 10 == 0) c.hasta.x = c.desde.x;  // vertical
        if (caso % 10 == 1) c.hasta.y = c.desde.y;  // horizontal
        DibujoDxf d = DibujoPlanos();
        ASSERT_TRUE(AgregaCota(d, c));
        const double h = c.alturaTexto, tol = 1e-7;
        Punto u = (c.hasta - c.desde) * (1 / Largo(c.hasta - c.desde)), n{-u.y, u.x};
        Punto a = c.desde + n * c.desplazamiento, b = c.hasta + n * c.desplazamiento;

        int cotas = 0, ticks = 0, extensiones = 0;
        std::vector<Entidad> e = Seccion(Grupos(d.TextoDxf()), "ENTITIES");
        for (const Entidad& x : e) {
            EXPECT_EQ(x.S(8), capas_dxf::kCotas);
            if (x.tipo == "TEXT") {
                // Readable, centred over the line's middle, its top away from the line.
                double r = x.N(50) * kPi / 180;
                EXPECT_GT(x.N(50), -90 - tol);
                EXPECT_LE(x.N(50), 90 + tol);
                EXPECT_NEAR(std::abs(Cruz(u, {std::cos(r), std::sin(r)})), 0, tol);
                Punto desdeMedio = x.P(1) - (a + b) * 0.5;
                EXPECT_NEAR(Producto(desdeMedio, {-std::sin(r), std::cos(r)}), 0.4 * h, tol);
                EXPECT_NEAR(Largo(desdeMedio), 0.4 * h, tol);
                EXPECT_EQ(x.S(1), "450");
                continue;
            }
            ASSERT_EQ(x.tipo, "LINE");
            Punto p = x.P(0), q = x.P(1), v = q - p;
            if (Largo(p - a) < tol && Largo(q - b) < tol) {
                ++cotas;
            } else if (std::abs(Largo(v) - h) < tol &&
                       std::abs(std::abs(Producto(v, u)) - std::abs(Producto(v, n))) < tol) {
                Punto m = (p + q) * 0.5;
                EXPECT_TRUE(Largo(m - a) < tol || Largo(m - b) < tol);
                ++ticks;
            } else {
                // From near a measured point, square to the line, just past it.
                EXPECT_NEAR(Cruz(v, n), 0, tol);
                Punto medido = std::abs(Producto(p - c.desde, u)) < tol ? c.desde : c.hasta;
                EXPECT_NEAR(Producto(p - medido, u), 0, tol);
                double s = c.desplazamiento > 0 ? 1 : -1;
                EXPECT_NEAR(Producto(p - medido, n) * s, 0.25 * h, tol);
                EXPECT_NEAR(Producto(q - medido, n) * s, std::abs(c.desplazamiento) + 0.5 * h, tol);
                ++extensiones;
            }
        }
        EXPECT_EQ(cotas, 1);
        EXPECT_EQ(ticks, 2);
        EXPECT_EQ(extensiones, std::abs(c.desplazamiento) > 0.25 * h ? 2 : 0);
    }
}

}  // namespace
}  // namespace trabelux
