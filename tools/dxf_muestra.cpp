// Writes a sample DXF with every kind of entity on every layer of the program's drawings —
// a two-span beam with its bars, a section and a schedule, in centimetres — for an
// independent reader to check. Usage: dxf_muestra SALIDA.dxf. Prints what it drew, a line
// "LAYER KIND COUNT" for each layer and kind of entity.
#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>

#include "core/dxf/cota.h"

using namespace trabelux;

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "uso: dxf_muestra SALIDA.dxf\n");
        return 2;
    }
    DibujoDxf d = DibujoPlanos();
    std::map<std::pair<std::string, std::string>, int> cuenta;
    auto agrega = [&](const char* capa, const char* tipo, const FiguraDxf& f) {
        if (!d.Agrega(capa, f)) std::fprintf(stderr, "rechazada: %s %s\n", capa, tipo);
        ++cuenta[{capa, tipo}];
    };
    using namespace capas_dxf;
    const double l1 = 500, l2 = 600, canto = 50, rec = 4;

    // Elevation: outline, axes, supports, bars, stirrups.
    agrega(kViga, "POLYLINE",
           PolilineaDxf{{{0, 0}, {l1 + l2, 0}, {l1 + l2, canto}, {0, canto}}, true});
    for (double x : {0.0, l1, l1 + l2}) {
        agrega(kEjes, "LINE", LineaDxf{{x, -60}, {x, canto + 40}});
        agrega(kApoyos, "SOLID", SolidoDxf{{{x, 0}, {x + 15, -25}, {x - 15, -25}}});
    }
    agrega(kAceroInferior, "POLYLINE",
           PolilineaDxf{{{rec, 30}, {rec, rec}, {l1 + l2 - rec, rec}, {l1 + l2 - rec, 30}}});
    agrega(kAceroSuperior, "POLYLINE",
           PolilineaDxf{
               {{rec, 20}, {rec, canto - rec}, {l1 + l2 - rec, canto - rec}, {l1 + l2 - rec, 20}}});
    agrega(kAceroSuperior, "LINE", LineaDxf{{l1 - 200, canto - 7}, {l1 + 200, canto - 7}});
    for (double x = 10; x < l1 + l2; x += 20)
        agrega(kEstribos, "LINE", LineaDxf{{x, rec}, {x, canto - rec}});
    agrega(kTextos, "TEXT",
           RotuloDxf{
               {l1 / 2, -40}, 10, 0, "2ø16 L=1092", HorizontalDxf::kCentro, VerticalDxf::kArriba});
    agrega(kTextos, "TEXT",
           RotuloDxf{{l1, canto + 10},
                     10,
                     0,
                     "2ø20 L=400 (ñ, ², ³, °, €, ⌀)",
                     HorizontalDxf::kCentro,
                     VerticalDxf::kBase});
    agrega(
        kTextos, "TEXT",
        RotuloDxf{{-30, canto / 2}, 8, 90, "Eje 1", HorizontalDxf::kCentro, VerticalDxf::kMedio});
    for (auto [a, b] : {std::pair{0.0, l1}, std::pair{l1, l1 + l2}}) {
        AgregaCota(d, CotaDxf{{a, -60}, {b, -60}, -20, std::to_string(int(b - a)), 10});
        cuenta[{kCotas, "LINE"}] += 5;
        ++cuenta[{kCotas, "TEXT"}];
    }

    // Section 1-1 at true size below: outline, stirrup with bent corners, bars.
    const Punto o{100, -300};
    const double b = 25, r = 2;
    agrega(kViga, "POLYLINE",
           PolilineaDxf{{o, o + Punto{b, 0}, o + Punto{b, canto}, o + Punto{0, canto}}, true});
    const Punto esquinas[] = {{rec + r, rec + r},
                              {b - rec - r, rec + r},
                              {b - rec - r, canto - rec - r},
                              {rec + r, canto - rec - r}};
    for (int k = 0; k < 4; ++k) {
        Punto c = o + esquinas[k], siguiente = o + esquinas[(k + 1) % 4];
        double inicio = std::fmod(180.0 + 90 * k, 360);
        agrega(kEstribos, "ARC", ArcoDxf{c, r, inicio, inicio + 90});
        Punto hacia = Punto{std::cos((inicio + 90) * 3.14159265358979 / 180),
                            std::sin((inicio + 90) * 3.14159265358979 / 180)} *
                      r;
        agrega(kEstribos, "LINE", LineaDxf{c + hacia, siguiente + hacia});
    }
    for (Punto p : {Punto{rec + 2, rec + 2}, Punto{b - rec - 2, rec + 2}})
        agrega(kAceroInferior, "CIRCLE", CirculoDxf{o + p, 0.8});
    for (Punto p : {Punto{rec + 2, canto - rec - 2}, Punto{b - rec - 2, canto - rec - 2}})
        agrega(kAceroSuperior, "CIRCLE", CirculoDxf{o + p, 1.0});
    agrega(kTextos, "TEXT",
           RotuloDxf{o + Punto{b / 2, -10}, 4, 0, "Sección 1-1", HorizontalDxf::kCentro,
                     VerticalDxf::kArriba});

    // Schedule to the right.
    const Punto t{300, -300};
    for (int fila = 0; fila <= 3; ++fila)
        agrega(kPlanilla, "LINE", LineaDxf{t + Punto{0, 12.0 * fila}, t + Punto{240, 12.0 * fila}});
    for (double x : {0, 60, 240})
        agrega(kPlanilla, "LINE", LineaDxf{t + Punto{x, 0}, t + Punto{x, 36}});
    const char* filas[] = {"Marca  Forma  Longitud", "1  ø16  1092 cm", "2  ø20  400 cm"};
    for (int fila = 0; fila < 3; ++fila)
        agrega(kPlanilla, "TEXT",
               RotuloDxf{t + Punto{4, 36 - 12.0 * fila - 3}, 5, 0, filas[fila],
                         HorizontalDxf::kIzquierda, VerticalDxf::kArriba});
    agrega(kTextos, "TEXT",
           RotuloDxf{{l1 + l2, -120},
                     5,
                     0,
                     "Unidades: cm. Alzado a escala 1:50, secciones a 1:20",
                     HorizontalDxf::kDerecha,
                     VerticalDxf::kAbajo});

    std::ofstream salida(argv[1], std::ios::binary);
    salida << d.TextoDxf();
    salida.close();
    if (!salida) {
        std::fprintf(stderr, "no se pudo escribir %s\n", argv[1]);
        return 1;
    }
    for (const auto& [clave, n] : cuenta)
        std::printf("%s %s %d\n", clave.first.c_str(), clave.second.c_str(), n);
    return 0;
}
