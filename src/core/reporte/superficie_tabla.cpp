// Tables on the page surface: laying their columns out for the page's width (letter size,
// heading breaks, blocks of columns) and printing them across pages.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <numeric>

#include "core/reporte/partes_texto.h"
#include "core/reporte/superficie_pagina.h"
#include "core/texto/numeros.h"

namespace trabelux {

namespace {

// Room between a table cell's rules and its text.
constexpr double kHolguraCelda = 60;
constexpr double kHolguraFila = 30;
// A table set smaller goes down by this many points at a time.
constexpr double kPasoLetra = 0.5;
// Tables shorter than this keep all their rows on one page; longer ones at least two.
constexpr size_t kFilasTablaCorta = 8;
constexpr size_t kFilasJuntas = 2;
// Gap between the blocks of a table split by columns.
constexpr double kEntreBloques = 120;

struct ColumnaTabla {
    Alineacion alineacion = Alineacion::kIzquierda;
    double ancho = 1440;
};

// "^_1000|<_2500": alignment sign, "_", width in twips. Unreadable widths keep an inch.
std::vector<ColumnaTabla> LeeFormato(const std::string& formato) {
    std::vector<ColumnaTabla> columnas;
    for (const std::string& entrada : DivideTexto(formato, '|')) {
        ColumnaTabla c;
        std::string e = RecortaTexto(entrada);
        if (!e.empty() && (e[0] == '^' || e[0] == '<' || e[0] == '>')) {
            c.alineacion = e[0] == '^'   ? Alineacion::kCentro
                           : e[0] == '>' ? Alineacion::kDerecha
                                         : Alineacion::kIzquierda;
            e.erase(0, 1);
        }
        if (!e.empty() && e[0] == '_') e.erase(0, 1);
        char* fin = nullptr;
        double ancho = LeeDobleC(e.c_str(), &fin);
        if (fin != e.c_str() && ancho > 0 && ancho < 1e6) c.ancho = ancho;
        columnas.push_back(c);
    }
    return columnas;
}

double Suma(const std::vector<double>& v) { return std::accumulate(v.begin(), v.end(), 0.0); }

// Widths for columns of these least widths sharing `disponible`: the room left over goes
// to the columns in proportion to their designed widths.
std::vector<double> Reparte(const std::vector<double>& minimos,
                            const std::vector<double>& disenados, double disponible) {
    std::vector<double> anchos = minimos;
    const double sobra = disponible - Suma(minimos);
    const double total = Suma(disenados);
    if (sobra > 0 && total > 0)
        for (size_t c = 0; c < anchos.size(); ++c) anchos[c] += sobra * disenados[c] / total;
    return anchos;
}

}  // namespace

double TablaDispuesta::AltoArranque(double cuerpo, size_t bloque) const {
    if (bloque >= bloques.size()) return 0;
    const Bloque& b = bloques[bloque];
    auto alto = [&b](size_t filas) {
        filas = std::min(filas, b.altoFilas.size());
        return b.altoCabecera +
               std::accumulate(b.altoFilas.begin(),
                               b.altoFilas.begin() + static_cast<std::ptrdiff_t>(filas), 0.0);
    };
    const double entera = alto(b.altoFilas.size());
    return b.altoFilas.size() < kFilasTablaCorta && entera <= cuerpo ? entera : alto(kFilasJuntas);
}

bool TablaDispuesta::Corta() const {
    return bloques.size() == 1 && bloques[0].altoFilas.size() < kFilasTablaCorta;
}

TablaDispuesta SuperficiePagina::DisponeTabla(const std::string& formato,
                                              const std::string& cabecera,
                                              const std::string& cuerpo, double sangria,
                                              const EstiloTexto& estilo) const {
    TablaDispuesta t;
    const std::vector<ColumnaTabla> columnas = LeeFormato(formato);
    const size_t n = columnas.size();
    if (n == 0) return t;
    t.x = margenes_[kMargenIzquierda] + sangria;
    const double disponible = std::max(1.0, ancho_ - margenes_[kMargenDerecha] - t.x);
    for (const ColumnaTabla& c : columnas) t.alineaciones.push_back(c.alineacion);

    std::vector<std::vector<std::string>> filas;
    for (const std::string& fila : DivideTexto(cuerpo, ';')) {
        if (fila.empty()) continue;  // the ";" that ends the last row
        std::vector<std::string> celdas = DivideTexto(fila, '|');
        celdas.resize(n);
        for (std::string& c : celdas) c = RecortaTexto(c);
        filas.push_back(std::move(celdas));
    }
    std::vector<std::string> titulos = DivideTexto(cabecera, '|');
    titulos.resize(n);

    // The least width of each column at a letter size: its widest cell whole and its widest
    // heading word.
    auto minimos = [&](const EstiloTexto& cuerpoEstilo, const EstiloTexto& cabeceraEstilo) {
        std::vector<double> m(n, 0.0);
        for (const auto& fila : filas)
            for (size_t c = 0; c < n; ++c)
                for (const std::string& linea : DivideTexto(fila[c], '\n'))
                    m[c] = std::max(m[c], MideTexto(linea, cuerpoEstilo));
        for (size_t c = 0; c < n; ++c)
            for (const std::string& linea : DivideTexto(titulos[c], '\n'))
                for (const std::string& palabra : DivideTexto(linea, ' '))
                    m[c] = std::max(m[c], MideTexto(palabra, cabeceraEstilo));
        for (double& w : m) w += 2 * kHolguraCelda;
        return m;
    };

    // Smaller and smaller, from the text's size down to kLetraMinima, until the designed
    // widths (widened where a cell needs more) fit. The least widths are measured at the
    // text's size and scaled, then measured again at the size that seems to fit.
    const double letra = estilo.tamano > 0 ? estilo.tamano : 10;
    const double minimaLetra = std::min(letra, kLetraMinima);
    t.estilo = estilo;
    t.estiloCabecera = estilo;
    t.estiloCabecera.negrita = true;
    const std::vector<double> minimosBase = minimos(t.estilo, t.estiloCabecera);
    std::vector<double> anchos, minimosFinal, disenados;
    bool cabe = false;
    for (double tamano = letra;; tamano = std::max(minimaLetra, tamano - kPasoLetra)) {
        const double k = tamano / letra;
        auto ensancha = [&](const std::vector<double>& m) {
            std::vector<double> w(n);
            for (size_t c = 0; c < n; ++c) w[c] = std::max(columnas[c].ancho * k, m[c]);
            return w;
        };
        std::vector<double> estimados = minimosBase;
        for (double& w : estimados) w = (w - 2 * kHolguraCelda) * k + 2 * kHolguraCelda;
        if (Suma(ensancha(estimados)) <= disponible || tamano <= minimaLetra) {
            t.estilo.tamano = t.estiloCabecera.tamano = tamano;
            minimosFinal = k == 1 ? minimosBase : minimos(t.estilo, t.estiloCabecera);
            anchos = ensancha(minimosFinal);
            disenados.clear();
            for (const ColumnaTabla& c : columnas) disenados.push_back(c.ancho * k);
            cabe = Suma(anchos) <= disponible;
            if (cabe || tamano <= minimaLetra) break;
        }
    }

    // The columns of each block: all of them when they fit side by side at their least
    // widths; otherwise as many as fit after the first, which every block repeats.
    std::vector<std::vector<size_t>> grupos;
    if (cabe || Suma(minimosFinal) <= disponible) {
        grupos.emplace_back(n);
        std::iota(grupos.back().begin(), grupos.back().end(), size_t{0});
    } else {
        for (size_t c = 1; c < n;) {
            std::vector<size_t> g{0};
            double usado = minimosFinal[0];
            while (c < n && (g.size() == 1 || usado + minimosFinal[c] <= disponible)) {
                usado += minimosFinal[c];
                g.push_back(c++);
            }
            grupos.push_back(std::move(g));
        }
        if (grupos.empty()) grupos.push_back({0});
    }

    const double altoLinea = AltoLinea(t.estilo);
    const double altoLineaCabecera = AltoLinea(t.estiloCabecera);
    for (const std::vector<size_t>& g : grupos) {
        TablaDispuesta::Bloque b;
        b.columnas = g;
        if (cabe) {
            b.anchos = anchos;
        } else {
            std::vector<double> m, d;
            for (size_t c : g) {
                m.push_back(minimosFinal[c]);
                d.push_back(disenados[c]);
            }
            b.anchos = Suma(m) <= disponible ? Reparte(m, d, disponible) : m;
        }
        auto lineas = [&](const std::string& texto, double ancho, const EstiloTexto& e) {
            return Ajusta(texto, std::max(ancho - 2 * kHolguraCelda, 1.0), e);
        };
        size_t masLineas = 1;
        for (size_t i = 0; i < g.size(); ++i) {
            b.cabecera.push_back(lineas(titulos[g[i]], b.anchos[i], t.estiloCabecera));
            masLineas = std::max(masLineas, b.cabecera.back().size());
        }
        b.altoCabecera = static_cast<double>(masLineas) * altoLineaCabecera + 2 * kHolguraFila;
        for (const auto& fila : filas) {
            std::vector<std::vector<std::string>> celdas;
            masLineas = 1;
            for (size_t i = 0; i < g.size(); ++i) {
                celdas.push_back(lineas(fila[g[i]], b.anchos[i], t.estilo));
                masLineas = std::max(masLineas, celdas.back().size());
            }
            b.filas.push_back(std::move(celdas));
            b.altoFilas.push_back(static_cast<double>(masLineas) * altoLinea + 2 * kHolguraFila);
        }
        t.bloques.push_back(std::move(b));
    }
    return t;
}

void SuperficiePagina::PintaFilaTabla(const TablaDispuesta& t, const TablaDispuesta::Bloque& b,
                                      const std::vector<std::vector<std::string>>& lineas,
                                      double alto, const EstiloTexto& estilo) {
    const Trazo regla{0, Color{}};
    const double altoLinea = AltoLinea(estilo);
    double x = t.x;
    for (size_t i = 0; i < b.columnas.size(); ++i) {
        const double ancho = b.anchos[i];
        if (bordeTabla_ == BordeTabla::kReglada)
            PintaRectangulo({x, y_, ancho, alto}, regla, Relleno::kNinguno, {});
        const Alineacion alineacion = t.alineaciones[b.columnas[i]];
        double y = y_ + kHolguraFila;
        for (const std::string& l : lineas[i]) {
            if (!l.empty()) {
                double xt = x + kHolguraCelda;
                const double libre =
                    std::max(ancho - 2 * kHolguraCelda - MideTexto(l, estilo), 0.0);
                if (alineacion == Alineacion::kCentro) xt += libre / 2;
                if (alineacion == Alineacion::kDerecha) xt += libre;
                PintaTexto(xt, y, l, estilo);
            }
            y += altoLinea;
        }
        x += ancho;
    }
    y_ += alto;
}

void SuperficiePagina::MuestraTablaDispuesta(const TablaDispuesta& t, bool arranqueVisto) {
    for (size_t k = 0; k < t.bloques.size(); ++k) {
        const TablaDispuesta::Bloque& b = t.bloques[k];
        if (k > 0) y_ += kEntreBloques;
        if (k > 0 || !arranqueVisto) AseguraEspacio(t.AltoArranque(AltoCuerpo(), k));
        PintaFilaTabla(t, b, b.cabecera, b.altoCabecera, t.estiloCabecera);
        size_t enPagina = 0;
        const size_t n = b.filas.size();
        for (size_t i = 0; i < n; ++i) {
            // The row, and with the last but one the last too, so that it never goes to a
            // page alone.
            double necesario = b.altoFilas[i];
            if (i + 2 == n && enPagina >= kFilasJuntas) necesario += b.altoFilas[i + 1];
            if (y_ + necesario > LimiteInferior() && enPagina > 0) {
                NuevaPagina();
                PintaFilaTabla(t, b, b.cabecera, b.altoCabecera, t.estiloCabecera);
                enPagina = 0;
            }
            PintaFilaTabla(t, b, b.filas[i], b.altoFilas[i], t.estilo);
            ++enPagina;
        }
    }
    x_ = margenes_[kMargenIzquierda];
}

void SuperficiePagina::Tabla(const std::string& formato, const std::string& cabecera,
                             const std::string& cuerpo) {
    MuestraTablaDispuesta(DisponeTabla(formato, cabecera, cuerpo, sangria_, estilo_));
}

}  // namespace trabelux
