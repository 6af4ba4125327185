// The program's five reinforcing bars, by the index the detailing table stores: the name
// the grid shows, the diameter every length and mass uses, and the area the design uses.
#pragma once

namespace trabelux {

inline constexpr int kNumBarras = 5;

struct PropiedadesBarra {
    const char* nombre;  // as the grid shows it, UTF-8
    double diametro;     // nominal diameter db, cm (ASTM A615)
    float area;          // cm2, single precision as the design's areas are
    int numeroAstm;      // ASTM size (#3 .. #10): picks the code's coefficients and bends
};

// The areas are those of ASTM #3, #4, #6, #8 and #10. The last bar keeps its name, but its
// area (8.19 cm2) is #10's, so its diameter is #10's too (32.26 mm, not 31.75 mm): area,
// diameter and mass must describe the same bar.
// clang-format off
inline constexpr PropiedadesBarra kBarras[kNumBarras] = {
    {"ø 3/8\"",   0.9525, 0.71f,  3},
    {"ø 1/2\"",   1.2700, 1.27f,  4},
    {"ø 3/4\"",   1.9050, 2.85f,  6},
    {"ø 1\"",     2.5400, 5.07f,  8},
    {"ø 1-1/4\"", 3.2258, 8.19f, 10},
};
// clang-format on

// Whether `indice` names a bar of the list.
bool EsIndiceBarra(int indice);

// Nominal diameter of bar `indice`, cm; 0 for an index outside the list.
double DiametroBarra(int indice);

// ASTM size of bar `indice`; 0 for an index outside the list.
int NumeroAstm(int indice);

// Mass per metre of bar `indice`, kg/m: steel at 7850 kg/m3 over the nominal section,
// 0.006165·d² with d in mm. Bar tables print slightly different masses (up to 0.2 %); one
// rule for every bar keeps the schedule reproducible by hand. 0 outside the list.
double KgPorMetro(int indice);

}  // namespace trabelux
