#include "core/losas/casos.h"

#include <utility>

namespace trabelux {

int ClasificaBordes(const std::string& codigo) {
    static const std::pair<const char*, int> kCasos[] = {
        {"AAAA", 1},  {"EAAA", 2},  {"AEAA", 2},  {"AAAE", 3},  {"AAEA", 3},  {"EEAA", 4},
        {"AAEE", 5},  {"AEAE", 6},  {"EAEA", 6},  {"AEEA", 6},  {"EAAE", 6},  {"EEAE", 7},
        {"EEEA", 7},  {"EAEE", 8},  {"AEEE", 8},  {"EEEE", 9},  {"AA", 10},   {"AE", 11},
        {"EA", 11},   {"EE", 12},   {"EN", 13},   {"NE", 13},   {"AAAN", 14}, {"AANA", 14},
        {"AAEN", 15}, {"AANE", 15}, {"EEAN", 16}, {"EENA", 16}, {"EEEN", 17}, {"EENE", 17},
        {"ANAA", 18}, {"NAAA", 18}, {"ENAA", 19}, {"NEAA", 19}, {"ANEE", 20}, {"NAEE", 20},
        {"ENEE", 21}, {"NEEE", 21}, {"EAAN", 22}, {"EANA", 22}, {"AEAN", 22}, {"AENA", 22},
        {"EAEN", 23}, {"EANE", 23}, {"AEEN", 23}, {"AENE", 23}, {"ANAE", 24}, {"ANEA", 24},
        {"NAAE", 24}, {"NAEA", 24}, {"ENEA", 25}, {"ENAE", 25}, {"NEEA", 25}, {"NEAE", 25},
    };
    for (const auto& [texto, caso] : kCasos)
        if (codigo == texto) return caso;
    return 0;
}

bool EsUnidireccional(double lx, double ly) {
    // The tolerance keeps a ratio written as exactly 1.66 (say 4.98 / 3) two-way despite
    // the rounding of the division.
    const double limite = 1.66 * (1.0 + 1e-9);
    return ly > limite * lx || lx > limite * ly;
}

int CasoLosa(const std::string& bordes, double lx, double ly) {
    if (!EsUnidireccional(lx, ly)) {
        int caso = ClasificaBordes(bordes);
        return bordes.size() == 4 ? caso : 0;
    }
    std::string par;
    if (bordes.size() == 2)
        par = bordes;
    else if (bordes.size() == 4)
        par = lx > ly ? bordes.substr(2, 2) : bordes.substr(0, 2);
    int caso = ClasificaBordes(par);
    return caso >= 10 && caso <= 13 ? caso : 0;
}

}  // namespace trabelux
