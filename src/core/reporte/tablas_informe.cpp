// The report's tables: which rows each one holds and how each cell is written.
#include "core/reporte/tablas_informe.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <optional>

#include "core/modelo/datos_numericos.h"
#include "core/reporte/tablas_resultados.h"
#include "core/texto/numeros.h"

namespace trabelux {

namespace {

void Fila(std::string& cuerpo, std::initializer_list<std::string> celdas) {
    bool primera = true;
    for (const auto& c : celdas) {
        if (!primera) cuerpo += '|';
        cuerpo += c;
        primera = false;
    }
    cuerpo += ';';
}

std::string Celda(const std::optional<double>& v, const char* patron) {
    return v ? Formatea(*v, patron) : std::string();
}

const char* CondicionExtremoTexto(CondicionExtremo condicion) {
    switch (condicion) {
        case CondicionExtremo::kEmpotrado:
            return "Empotrado";
        case CondicionExtremo::kNoApoyado:
            return "No-apoyado";
        default:
            return "Apoyado";
    }
}

}  // namespace

int NumVanosInforme(const Proyecto& p) {
    return std::max(0, std::min(p.numVanos, static_cast<int>(p.vanos.size())));
}

std::string NombreMaterial(Material material) {
    switch (material) {
        case Material::kAcero:
            return "Acero";
        case Material::kOtro:
            return "Otro";
        default:
            return "Hormigon";
    }
}

std::array<std::string, 4> TitulosCargasVano(const DatosGenerales& d) {
    const bool hormigon = d.material == Material::kHormigon;
    std::string muerta = "C. muerta";
    if (d.usaCargaTotal) muerta = hormigon ? "C.U. total" : "C. total";
    return {"P. Propio", muerta, "C. Viva", hormigon ? "W. Ultima" : "W. Total"};
}

TablaInforme TablaApoyos(const Proyecto& p) {
    const int n = NumVanosInforme(p);
    TablaInforme t{"^_1000|<_2500", "Nudo|Condicion de apoyo", ""};
    Fila(t.cuerpo, {"1", CondicionExtremoTexto(p.apoyoIzquierdo)});
    // The interior supports as their grid shows them ("Apoyado - 1"), without the code.
    for (int j = 2; j <= n; ++j)
        Fila(t.cuerpo,
             {std::to_string(j), CondicionInterior(p, j) == 1 ? "Apoyado" : "No apoyado"});
    Fila(t.cuerpo, {std::to_string(n + 1), CondicionExtremoTexto(p.apoyoDerecho)});
    return t;
}

TablaInforme TablaDatosVanos(const Proyecto& p) {
    TablaInforme t{"^_1000|<_1000|<_1000|<_1000|<_1500|<_1100|<_1100|<_1100|<_1100",
                   "Vano|Long (m)|Base (cm)|Altura (cm)|Inercia (m4)", ""};
    for (const std::string& titulo : TitulosCargasVano(p.datos)) t.cabecera += "|" + titulo;
    const int n = NumVanosInforme(p);
    for (int i = 0; i < n; ++i) {
        const Vano& v = p.vanos[static_cast<size_t>(i)];
        Fila(t.cuerpo,
             {std::to_string(i + 1), Formatea(v.longitud, "0.00"), Formatea(v.base, "0.00"),
              Formatea(v.altura, "0.00"), Formatea(v.inercia, "0.000000"),
              Celda(v.pesoPropio, "0.000"), Celda(v.cargaMuerta, "0.000"),
              Celda(v.cargaViva, "0.000"), Formatea(v.cargaUltima, "0.000")});
    }
    return t;
}

TablaInforme TablaCargasVanos(const Proyecto& p) {
    const int n = NumVanosInforme(p);
    TablaInforme t{"^_1000|<_2000|<_2000", "Vano|Posicion|Carga", ""};
    // The file keeps the loads as typed; the table reads along the beam.
    std::vector<CargaConcentrada> cargas = p.cargas;
    std::stable_sort(cargas.begin(), cargas.end(), [](const auto& a, const auto& b) {
        return a.vano != b.vano ? a.vano < b.vano : a.distancia < b.distancia;
    });
    for (const CargaConcentrada& c : cargas)
        if (c.vano >= 1 && c.vano <= n)
            Fila(t.cuerpo, {std::to_string(c.vano), Formatea(c.distancia, "0.000"),
                            Formatea(c.carga, "0.000")});
    return t;
}

TablaInforme TablaCargasNudos(const Proyecto& p) {
    const int n = NumVanosInforme(p);
    TablaInforme t{"^_1000|<_2000|<_2000", "Nudo|Carga|Momento", ""};
    std::vector<CargaNudo> cargas = p.cargasNudo;
    std::stable_sort(cargas.begin(), cargas.end(),
                     [](const auto& a, const auto& b) { return a.nudo < b.nudo; });
    for (const CargaNudo& c : cargas)
        if (c.nudo >= 1 && c.nudo <= n + 1)
            Fila(t.cuerpo, {std::to_string(c.nudo), Formatea(c.fuerza, "0.000"),
                            Formatea(c.momento, "0.000")});
    return t;
}

TablaInforme TablaReacciones(const Resultados& r) {
    TablaInforme t{"^_1000|<_2000|<_2000", "Apoyo|Reaccion (To)|Momento (To-m)", ""};
    // The rows the results window shows, formatted alike.
    const std::vector<TablaTexto> tablas = TablasAnalisis(r);
    for (const auto& f : tablas[0].filas) Fila(t.cuerpo, {f[0], f[1], f[2]});
    return t;
}

TablaInforme TablaCortantesMomentos(const Resultados& r) {
    TablaInforme t{"^_800|<_1200|<_1200|<_1200|<_1200|<_1300",
                   "Vano|Cortante I (To)|Momento I (To-m)|Cortante J (To)|Momento J (To-m)|"
                   "Momento Max. Vano (To-m)",
                   ""};
    const std::vector<TablaTexto> tablas = TablasAnalisis(r);
    const auto& cortantes = tablas[1].filas;
    const auto& momentos = tablas[2].filas;
    for (size_t i = 0; i < cortantes.size() && i < momentos.size(); ++i) {
        const auto& c = cortantes[i];
        const auto& m = momentos[i];
        Fila(t.cuerpo, {c[0], c[1], m[1], c[2], m[2], m[3]});
    }
    return t;
}

TablaInforme TablaRefuerzoApoyos(const Resultados& r) {
    TablaInforme t{"^_1000|<_1200|<_1200|<_1200",
                   "Apoyo|Momento (To-m)|Refuerzo Superior (cm2)|Refuerzo Inferior (cm2)", ""};
    for (const auto& f : r.refuerzoApoyos)
        Fila(t.cuerpo, {std::to_string(f.nudo), Formatea(f.momento, "0.000"),
                        Formatea(f.areaSuperior, "0.000"), Formatea(f.areaInferior, "0.000")});
    return t;
}

TablaInforme TablaRefuerzoVanos(const Proyecto& p, const Resultados& r) {
    TablaInforme t{"^_1000|<_1200|<_1200|<_1200|<_1200",
                   "Vano|Momento (To-m)|Refuerzo Superior (cm2)|Refuerzo Inferior (cm2)|"
                   "Refuerzo Minimo (cm2)",
                   ""};
    const DatosNumericos datos = LeeDatosNumericos(p.datos);
    const double fy = datos.fy;
    const double recub = datos.recub;
    for (const auto& f : r.refuerzoVanos) {
        std::string minimo;
        if (fy > 0 && f.vano >= 1 && f.vano <= static_cast<int>(p.vanos.size())) {
            const Vano& v = p.vanos[static_cast<size_t>(f.vano - 1)];
            const double area = 14 * v.base * (v.altura - recub) / fy;
            if (std::isfinite(area)) minimo = Formatea(area, "0.00");
        }
        Fila(t.cuerpo,
             {std::to_string(f.vano), Formatea(f.momento, "0.000"),
              Formatea(f.areaSuperior, "0.000"), Formatea(f.areaInferior, "0.000"), minimo});
    }
    return t;
}

TablaInforme TablaRefuerzoTransversal(const Resultados& r) {
    TablaInforme t{"^_1000|<_1200|<_1200|<_1200|<_1500",
                   "Vano|Cortante I (To)|Cortante J (To)|Refuerzo (cm2/m)|Estribos", ""};
    for (const auto& f : r.refuerzoTransversal)
        Fila(t.cuerpo,
             {std::to_string(f.vano), Formatea(f.cortanteI, "0.000"),
              Formatea(f.cortanteJ, "0.000"), Formatea(f.areaPorMetro, "0.000"), f.estribos});
    return t;
}

}  // namespace trabelux
