// Plain drawing types shared by the windows and the report: points, segments,
// rectangles, polylines and colours in the drawing's own units (pixels on screen, twips
// on paper), x to the right and y downwards. No toolkit behind them.
#pragma once

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
};

// 8-bit RGB.
struct Color {
    int r = 0;
    int g = 0;
    int b = 0;
};

inline bool operator==(Color a, Color b) { return a.r == b.r && a.g == b.g && a.b == b.b; }
inline bool operator!=(Color a, Color b) { return !(a == b); }

}  // namespace trabelux
