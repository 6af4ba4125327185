// Plain drawing types shared by the windows and the report: points, segments,
// rectangles, polylines and colours in the drawing's own units (pixels on screen, twips
// on paper), x to the right and y downwards. No toolkit behind them.
#pragma once

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace trabelux {

struct Punto {
    double x = 0;
    double y = 0;
};

inline Punto operator+(Punto a, Punto b) { return {a.x + b.x, a.y + b.y}; }
inline Punto operator-(Punto a, Punto b) { return {a.x - b.x, a.y - b.y}; }
inline Punto operator*(Punto a, double k) { return {a.x * k, a.y * k}; }
inline bool operator==(Punto a, Punto b) { return a.x == b.x && a.y == b.y; }

using Poligonal = std::vector<Punto>;

struct Segmento {
    Punto p1;
    Punto p2;
};

struct Tamano {
    double ancho = 0;
    double alto = 0;
};

// Left/top corner and size; a rectangle with no width or no height is empty.
struct Rectangulo {
    double x = 0;
    double y = 0;
    double ancho = 0;
    double alto = 0;

    double Izquierda() const { return x; }
    double Arriba() const { return y; }
    double Derecha() const { return x + ancho; }
    double Abajo() const { return y + alto; }
    Punto Centro() const { return {x + ancho / 2, y + alto / 2}; }
    bool Vacio() const { return ancho <= 0 || alto <= 0; }
    bool Contiene(Punto p) const {
        return p.x >= x && p.x <= Derecha() && p.y >= y && p.y <= Abajo();
    }
    // Whether `r` lies inside, edges included; an empty rectangle holds nothing and lies
    // nowhere.
    bool Contiene(const Rectangulo& r) const {
        if (Vacio() || r.Vacio()) return false;
        return r.x >= x && r.Derecha() <= Derecha() && r.y >= y && r.Abajo() <= Abajo();
    }
    // Whether the two share some area (touching edges do not count).
    bool Intersecta(const Rectangulo& r) const {
        if (Vacio() || r.Vacio()) return false;
        return x < r.Derecha() && r.x < Derecha() && y < r.Abajo() && r.y < Abajo();
    }
};

// The rectangle with corners a and b, in any order.
inline Rectangulo RectanguloEntre(Punto a, Punto b) {
    return {std::min(a.x, b.x), std::min(a.y, b.y), std::abs(b.x - a.x), std::abs(b.y - a.y)};
}

// The smallest rectangle holding every point; empty for no points.
inline Rectangulo Caja(const Poligonal& p) {
    if (p.empty()) return {};
    Punto lo = p.front(), hi = p.front();
    for (Punto q : p) {
        lo = {std::min(lo.x, q.x), std::min(lo.y, q.y)};
        hi = {std::max(hi.x, q.x), std::max(hi.y, q.y)};
    }
    return RectanguloEntre(lo, hi);
}

// 8-bit RGB.
struct Color {
    int r = 0;
    int g = 0;
    int b = 0;
};

inline bool operator==(Color a, Color b) { return a.r == b.r && a.g == b.g && a.b == b.b; }
inline bool operator!=(Color a, Color b) { return !(a == b); }

// Width of a text (UTF-8) in the drawing's units, as the device that paints it measures.
using MideTexto = std::function<double(const std::string& texto)>;

// A rough width for when no device is at hand: `tamano` units per em, half an em a
// character (bytes of a UTF-8 continuation do not count).
inline double AnchoAproximado(const std::string& texto, double tamano) {
    double n = 0;
    for (unsigned char c : texto)
        if ((c & 0xC0) != 0x80) n += 1;
    return 0.55 * tamano * n;
}

}  // namespace trabelux
