// The report's bar schedule, anchorage lengths and quantities.
#include "core/reporte/seccion_planilla.h"

#include <string>
#include <vector>

#include "core/detallado/anclaje.h"
#include "core/detallado/barras.h"
#include "core/detallado/despiece.h"
#include "core/detallado/planilla.h"
#include "core/modelo/datos_numericos.h"
#include "core/reporte/composicion.h"
#include "core/texto/numeros.h"

namespace trabelux {

namespace {

const char* kMetodo =
    "Largos según ACI 318-19: barras adicionales sobre los apoyos hasta lo más lejano del "
    "punto donde bastan las perchas más max(d, 12db) (9.7.3.3), del punto de inflexión más "
    "max(d, 12db, ln/16) (9.7.3.8.4) y de ld (9.7.3.4, 25.4.2.3); sobre un voladizo, hasta su "
    "extremo con gancho. Barras inferiores en todo el vano, 15 cm más allá del eje de los "
    "apoyos interiores (9.7.3.8.1) y con gancho en los extremos apoyados. Perchas en toda la "
    "viga con ganchos en sus extremos. Empalmes clase B (25.5.2.1) donde una barra excede el "
    "largo comercial. Las barras adicionales de apoyos vecinos con el mismo diámetro que se "
    "superponen forman una sola pieza. En cada punto de inflexión las barras inferiores deben "
    "cumplir ld ≤ Mn/Vu + la, con la = max(d, 12db) (9.7.3.8.3); las que no cumplen se "
    "indican bajo la planilla. Estribos cerrados con ganchos de 135° (25.3.2), el primero a 5 cm "
    "de la "
    "cara del apoyo. Las caras de los apoyos se toman en sus ejes (el modelo no tiene ancho "
    "de apoyo).";

// One row of a report table; a cell never holds the table's separators ("\n" breaks its
// lines).
std::string Celdas(const std::vector<std::string>& celdas) {
    std::string fila;
    for (std::string c : celdas) {
        for (char& k : c)
            if (k == '|' || k == ';') k = ' ';
        fila += c + "|";
    }
    fila.back() = ';';
    return fila;
}

}  // namespace

void SeccionPlanilla(SuperficiePagina& s, const ConfiguracionInforme& c, const Proyecto& p,
                     const Resultados& r, const TablaDetallado* detallado) {
    if (!detallado || detallado->filas.empty() || !r.Disenado()) return;
    const DatosNumericos datos = LeeDatosNumericos(p.datos);
    Despiece d = CalculaDespiece(p, r, *detallado, datos.largoComercial);
    const Planilla planilla = ComponePlanilla(d, p);
    if (planilla.lineas.empty()) return;

    SeccionTexto(s, c, "Despiece de las barras", {kMetodo});
    TablaInforme tabla{"^_550|<_1150|^_700|<_1250|<_1600|>_650|>_700|>_800|>_650|>_750", "", ""};
    for (const char* titulo : kColumnasPlanilla) tabla.cabecera += std::string(titulo) + "|";
    tabla.cabecera.pop_back();
    for (const auto& l : planilla.lineas) {
        // Location a place a line and dimensions a part a line: the table fits the narrowest paper.
        std::vector<std::string> celdas = CeldasLinea(l);
        for (size_t pos = 0; (pos = celdas[1].find(", ", pos)) != std::string::npos;)
            celdas[1].replace(pos, 2, ",\n");
        for (char& ch : celdas[4])
            if (ch == ' ') ch = '\n';
        tabla.cuerpo += Celdas(celdas);
    }
    for (const auto& t : FilasTotales(planilla)) tabla.cuerpo += Celdas(t);
    std::string nota = kNotaPlanilla;
    for (const std::string& aviso : d.avisos) nota += " " + aviso + ".";
    Seccion(s, c, "Planilla de aceros", tabla, nota.c_str());

    // The anchorage lengths of the bars the schedule uses, first case of 25.4.2.3.
    TablaInforme anclaje{"^_1000|>_1300|>_1300|>_1000|>_1500|>_1500",
                         "Barra|ld inferior (cm)|ld superior (cm)|ldh (cm)|Empalme clase B "
                         "inferior (cm)|Empalme clase B superior (cm)",
                         ""};
    for (int b = 0; b < kNumBarras; ++b) {
        if (!(planilla.kgPorBarra[static_cast<size_t>(b)] > 0)) continue;
        const CondicionAnclaje inf{false, true}, sup{true, true};
        anclaje.cuerpo += Celdas({NombreCortoBarra(b),
                                  Formatea(LongitudDesarrollo(b, datos.fc, datos.fy, inf), "0.0"),
                                  Formatea(LongitudDesarrollo(b, datos.fc, datos.fy, sup), "0.0"),
                                  Formatea(LongitudGancho(b, datos.fc, datos.fy), "0.0"),
                                  Formatea(EmpalmeClaseB(b, datos.fc, datos.fy, inf), "0.0"),
                                  Formatea(EmpalmeClaseB(b, datos.fc, datos.fy, sup), "0.0")});
    }
    const std::string metodo =
        "ACI 318-19, 25.4.2.3, 25.4.3.1 y 25.5.2.1 (forma métrica), f'c = " +
        Formatea(datos.fc, "0") + " y Fy = " + Formatea(datos.fy, "0") +
        " kg/cm2; primer caso de 25.4.2.3 (separación libre y recubrimiento de al menos db); "
        "superior: ψt = 1.3. Donde la separación libre es menor que db la planilla usa el "
        "segundo caso.";
    Seccion(s, c, "Longitudes de anclaje", anclaje, metodo.c_str());

    const Cantidades q = CalculaCantidades(p, planilla);
    // One row, a column each: narrow enough for the smallest paper.
    TablaInforme cantidades{"^_1500|^_1800|^_1200|^_1500",
                            "Volumen de hormigón (m3)|Encofrado (fondo y costados) (m2)|Acero "
                            "(kg)|Cuantía de acero (kg/m3)",
                            Celdas({Formatea(q.volumen, "0.00"), Formatea(q.encofrado, "0.00"),
                                    Formatea(q.acero, "0.0"), Formatea(q.cuantia, "0.0")})};
    Seccion(s, c, "Cantidades", cantidades);
}

}  // namespace trabelux
