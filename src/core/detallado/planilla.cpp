// The bar schedule and the quantities; see planilla.h.
#include "core/detallado/planilla.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <numeric>
#include <tuple>

#include "core/detallado/anclaje.h"
#include "core/detallado/barras.h"
#include "core/texto/numeros.h"

namespace trabelux {

namespace {

int OrdenClase(ClaseBarra c) {
    switch (c) {
        case ClaseBarra::kInferior:
            return 0;
        case ClaseBarra::kAdicional:
            return 1;
        case ClaseBarra::kPercha:
            return 2;
        case ClaseBarra::kEstribo:
            return 3;
    }
    return 0;
}

constexpr const char* kPrefijos[] = {"I", "S", "P", "E"};

// Outer leg of a 90° hook, m: the 12db extension, the bend's inner radius and the bar.
double PataGancho(int barra) {
    return (ExtensionGancho90(barra) + DiametroDoblado(barra) / 2 + DiametroBarra(barra)) / 100;
}

std::string Dimensiones(const Pieza& p) {
    if (p.clase == ClaseBarra::kEstribo)
        return Formatea(p.anchoEstribo / 100, "0.00") + "x" +
               Formatea(p.altoEstribo / 100, "0.00") +
               " G=" + Formatea(ExtensionGancho135(p.barra) / 100, "0.00");
    std::string s = "A=" + Formatea(p.x1 - p.x0, "0.00");
    const std::string g = " G=" + Formatea(PataGancho(p.barra), "0.00");
    if (p.ganchoInicio) s += g;
    if (p.ganchoFin) s += g;
    return s;
}

// Spans (1-based) holding x0 and x1 of the piece.
std::pair<int, int> Vanos(const Proyecto& p, double x0, double x1) {
    int a = 0, b = 0;
    double x = 0;
    const int n = std::min(p.numVanos, static_cast<int>(p.vanos.size()));
    for (int s = 1; s <= n; ++s) {
        const double fin = x + p.vanos[static_cast<size_t>(s - 1)].longitud;
        if (a == 0 && x0 < fin) a = s;
        if (x1 > x) b = s;
        x = fin;
    }
    return {std::max(a, 1), std::max(b, std::max(a, 1))};
}

std::string Ubicacion(const Pieza& pz, const Proyecto& p) {
    const bool filaApoyo = pz.fila % 2 == 0;
    switch (pz.clase) {
        case ClaseBarra::kAdicional:
            if (filaApoyo && pz.filaFin > pz.fila)
                return "Apoyos " + std::to_string(pz.fila / 2 + 1) + "-" +
                       std::to_string(pz.filaFin / 2 + 1);
            return filaApoyo ? "Apoyo " + std::to_string(pz.fila / 2 + 1)
                             : "Vano " + std::to_string((pz.fila + 1) / 2) + " (sup.)";
        case ClaseBarra::kPercha: {
            const auto [a, b] = Vanos(p, pz.x0, pz.x1);
            return a == b ? "Vano " + std::to_string(a)
                          : "Vanos " + std::to_string(a) + "-" + std::to_string(b);
        }
        case ClaseBarra::kInferior:
            return "Vano " + std::to_string((pz.fila + 1) / 2);
        case ClaseBarra::kEstribo: {
            const double medio = (pz.x0 + pz.x1) / 2;
            return "Vano " + std::to_string(Vanos(p, medio, medio).first);
        }
    }
    return {};
}

// "Vano 1, Vano 2, Vano 3, Vano 5" -> "Vanos 1-3, 5" (the same for "Apoyo"), and "Varios
// vanos" when that is still long.
std::string Compacta(const std::string& lista) {
    for (const std::string nombre : {"Vano", "Apoyo"}) {
        std::vector<int> numeros;
        bool todas = true;  // every place is a plain "Vano k" (or "Apoyo k")
        size_t k = 0;
        while (todas && k < lista.size()) {
            const size_t fin = std::min(lista.find(", ", k), lista.size());
            const std::string parte = lista.substr(k, fin - k);
            todas = parte.rfind(nombre + " ", 0) == 0 && parte.find('(') == std::string::npos &&
                    parte.find('-') == std::string::npos;
            if (todas) numeros.push_back(std::atoi(parte.c_str() + nombre.size() + 1));
            k = fin + 2;
        }
        if (!todas || numeros.size() < 2) continue;
        std::sort(numeros.begin(), numeros.end());
        std::string r = nombre + "s ";
        for (size_t i = 0; i < numeros.size();) {
            size_t j = i;
            while (j + 1 < numeros.size() && numeros[j + 1] == numeros[j] + 1) ++j;
            r += (i ? ", " : "") + std::to_string(numeros[i]) +
                 (j > i ? "-" + std::to_string(numeros[j]) : "");
            i = j + 1;
        }
        // A mark used all along a long beam: the drawing's labels tell where; the cell
        // stays narrow enough for a report table on the smallest paper.
        if (r.size() > 16) return std::string("Varios ") + (nombre == "Vano" ? "vanos" : "apoyos");
        return r;
    }
    return lista;
}

std::string Csv(const std::string& s) {
    if (s.find_first_of(",\"\n") == std::string::npos) return s;
    std::string r = "\"";
    for (char c : s) r += c == '"' ? std::string("\"\"") : std::string(1, c);
    return r + "\"";
}

}  // namespace

const char* NombreForma(Forma f) {
    switch (f) {
        case Forma::kRecta:
            return "Recta";
        case Forma::kUnGancho:
            return "Un gancho";
        case Forma::kDosGanchos:
            return "Dos ganchos";
        case Forma::kEstriboCerrado:
            return "Estribo cerrado";
    }
    return "";
}

std::string NombreCortoBarra(int barra) {
    std::string s = NombreBarra(barra);
    s.erase(std::remove(s.begin(), s.end(), ' '), s.end());
    return s;
}

Planilla ComponePlanilla(Despiece& d, const Proyecto& p) {
    Planilla pl;
    std::vector<size_t> orden(d.piezas.size());
    std::iota(orden.begin(), orden.end(), size_t{0});
    std::stable_sort(orden.begin(), orden.end(), [&](size_t a, size_t b) {
        const Pieza &pa = d.piezas[a], &pb = d.piezas[b];
        return std::make_tuple(OrdenClase(pa.clase), pa.x0) <
               std::make_tuple(OrdenClase(pb.clase), pb.x0);
    });
    // (class, bar, shape, cut, dimensions) -> line
    std::map<std::tuple<int, int, int, long long, std::string>, size_t> lineas;
    int numero[4] = {0, 0, 0, 0};
    for (size_t k : orden) {
        Pieza& pz = d.piezas[k];
        const int clase = OrdenClase(pz.clase);
        const std::string dim = Dimensiones(pz);
        const auto clave = std::make_tuple(clase, pz.barra, static_cast<int>(FormaDe(pz)),
                                           std::llround(pz.corte), dim);
        auto it = lineas.find(clave);
        if (it == lineas.end()) {
            LineaPlanilla l;
            l.marca = kPrefijos[clase] + std::to_string(++numero[clase]);
            l.ubicacion = Ubicacion(pz, p);
            l.barra = pz.barra;
            l.forma = FormaDe(pz);
            l.dimensiones = dim;
            l.corte = pz.corte / 100;
            l.kgPorMetro = KgPorMetro(pz.barra);
            it = lineas.emplace(clave, pl.lineas.size()).first;
            pl.lineas.push_back(l);
        } else {
            LineaPlanilla& l = pl.lineas[it->second];
            const std::string u = Ubicacion(pz, p);
            if (l.ubicacion != u && l.ubicacion.find(", " + u) == std::string::npos)
                l.ubicacion += ", " + u;
        }
        LineaPlanilla& l = pl.lineas[it->second];
        l.cantidad += pz.cantidad;
        pz.marca = l.marca;
    }
    for (auto& l : pl.lineas) {
        l.ubicacion = Compacta(l.ubicacion);
        l.total = l.cantidad * l.corte;
        l.kg = l.total * l.kgPorMetro;
        pl.kgPorBarra[static_cast<size_t>(l.barra)] += l.kg;
        pl.kgTotal += l.kg;
    }
    return pl;
}

Cantidades CalculaCantidades(const Proyecto& p, const Planilla& planilla) {
    Cantidades c;
    const int n = std::min(p.numVanos, static_cast<int>(p.vanos.size()));
    for (int s = 0; s < n; ++s) {
        const Vano& v = p.vanos[static_cast<size_t>(s)];
        c.volumen += v.base / 100 * v.altura / 100 * v.longitud;
        c.encofrado += (v.base + 2 * v.altura) / 100 * v.longitud;
    }
    c.acero = planilla.kgTotal;
    c.cuantia = c.volumen > 0 ? c.acero / c.volumen : 0;
    return c;
}

std::vector<std::string> CeldasLinea(const LineaPlanilla& l) {
    return {l.marca,
            l.ubicacion,
            NombreCortoBarra(l.barra),
            NombreForma(l.forma),
            l.dimensiones,
            std::to_string(l.cantidad),
            Formatea(l.corte, "0.00"),
            Formatea(l.total, "0.00"),
            Formatea(l.kgPorMetro, "0.000"),
            Formatea(l.kg, "0.00")};
}

std::vector<std::vector<std::string>> FilasTotales(const Planilla& planilla) {
    std::vector<std::vector<std::string>> filas;
    for (int b = 0; b < kNumBarras; ++b) {
        const double kg = planilla.kgPorBarra[static_cast<size_t>(b)];
        if (kg > 0)
            filas.push_back({"", "Total " + NombreCortoBarra(b), "", "", "", "", "", "", "",
                             Formatea(kg, "0.00")});
    }
    filas.push_back({"", "Total", "", "", "", "", "", "", "", Formatea(planilla.kgTotal, "0.00")});
    return filas;
}

std::string PlanillaCsv(const Planilla& planilla) {
    std::string s;
    auto fila = [&s](const std::vector<std::string>& celdas) {
        for (size_t k = 0; k < celdas.size(); ++k) s += (k ? "," : "") + Csv(celdas[k]);
        s += "\n";
    };
    fila(std::vector<std::string>(std::begin(kColumnasPlanilla), std::end(kColumnasPlanilla)));
    for (const auto& l : planilla.lineas) fila(CeldasLinea(l));
    for (const auto& t : FilasTotales(planilla)) fila(t);
    return s;
}

}  // namespace trabelux
