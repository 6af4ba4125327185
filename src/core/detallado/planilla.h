// The bar schedule ("Planilla de aceros") of a beam's pieces, its totals, the quantities
// of concrete, formwork and steel, and the schedule as CSV.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/detallado/barras_fisicas.h"
#include "core/detallado/despiece.h"
#include "core/modelo/proyecto.h"

namespace trabelux {

struct LineaPlanilla {
    std::string marca;      // "I1", "S2", "P1", "E3": bottom, additional top, hanger, stirrup
    std::string ubicacion;  // "Vano 2", "Apoyo 3", "Vanos 1-3", "Vano 2 (sup.)"
    int barra = 0;          // index into kBarras
    Forma forma = Forma::kRecta;
    std::string dimensiones;  // "A=6.85", "A=6.60 G=0.35", "0.17x0.42 G=0.08" (m)
    int cantidad = 0;
    double corte = 0;  // m, one bar
    double total = 0;  // m, cantidad × corte
    double kgPorMetro = 0;
    double kg = 0;
};

struct Planilla {
    std::vector<LineaPlanilla> lineas;
    std::array<double, kNumBarras> kgPorBarra{};  // totals per diameter
    double kgTotal = 0;
};

// One line per mark. Identical pieces (class, bar, shape, cut length, dimensions) share a
// mark, whose count is the sum of theirs; marks are numbered per class in the order first
// met along the beam. Writes each piece's mark into `d`.
Planilla ComponePlanilla(Despiece& d, const Proyecto& p);

// "Recta", "Un gancho", "Dos ganchos", "Estribo cerrado".
const char* NombreForma(Forma f);

// Bar name as the schedule writes it, without blanks ("ø3/8\"").
std::string NombreCortoBarra(int barra);

struct Cantidades {
    double volumen = 0;    // concrete, m3: Σ b·h·L
    double encofrado = 0;  // formwork, m2: Σ (b + 2h)·L, the bottom and both sides
    double acero = 0;      // kg
    double cuantia = 0;    // kg of steel per m3 of concrete
};
Cantidades CalculaCantidades(const Proyecto& p, const Planilla& planilla);

// Column heads of the schedule (window, report, CSV) and its note.
inline constexpr const char* kColumnasPlanilla[] = {
    "Marca",    "Ubicación", "Diámetro",        "Forma", "Dimensiones",
    "Cantidad", "Largo (m)", "Largo total (m)", "kg/m",  "Peso (kg)"};
inline constexpr const char* kNotaPlanilla =
    "Largos de corte redondeados a 5 cm; kg/m = 0.006165·d² (d en mm).";

// The cells of one line as the schedule shows them ("0.00" lengths, "0.000" kg/m, "0.00" kg).
std::vector<std::string> CeldasLinea(const LineaPlanilla& l);
// The totals as rows of cells: "Total ø3/8\"" ... for each diameter used, then "Total".
std::vector<std::vector<std::string>> FilasTotales(const Planilla& planilla);

// The schedule as CSV: UTF-8, a header row, comma separator, decimal point, texts quoted
// when they hold a comma or a quote; the totals as rows with an empty mark. CRLF-free.
std::string PlanillaCsv(const Planilla& planilla);

}  // namespace trabelux
