#include "reporte/superficie.h"

#include <algorithm>
#include <cstdlib>

namespace trabelux {

namespace {

// Room between a table cell's rules and its text.
constexpr double kHolguraCelda = 60;
constexpr double kHolguraFila = 30;
// Distance of the header and footer from the body, and of the page border from it.
constexpr double kSeparacionEncabezado = 120;
constexpr double kSeparacionBorde = 60;

std::vector<std::string> Divide(const std::string& texto, char separador) {
    std::vector<std::string> partes;
    std::string::size_type inicio = 0;
    for (;;) {
        auto fin = texto.find(separador, inicio);
        if (fin == std::string::npos) {
            partes.push_back(texto.substr(inicio));
            return partes;
        }
        partes.push_back(texto.substr(inicio, fin - inicio));
        inicio = fin + 1;
    }
}

std::string Recorta(const std::string& texto) {
    auto a = texto.find_first_not_of(" \t\r");
    if (a == std::string::npos) return {};
    auto b = texto.find_last_not_of(" \t\r");
    return texto.substr(a, b - a + 1);
}

// Length in bytes of the UTF-8 character that starts with byte `c`.
std::size_t LargoCaracter(unsigned char c) {
    if (c >= 0xF0) return 4;
    if (c >= 0xE0) return 3;
    if (c >= 0xC0) return 2;
    return 1;
}

struct ColumnaTabla {
    Alineacion alineacion = Alineacion::kIzquierda;
    double ancho = 1440;
};

// "^_1000|<_2500": alignment sign, "_", width in twips. Unreadable widths keep an inch.
std::vector<ColumnaTabla> LeeFormato(const std::string& formato) {
    std::vector<ColumnaTabla> columnas;
    for (const std::string& entrada : Divide(formato, '|')) {
        ColumnaTabla c;
        std::string e = Recorta(entrada);
        if (!e.empty() && (e[0] == '^' || e[0] == '<' || e[0] == '>')) {
            c.alineacion = e[0] == '^'   ? Alineacion::kCentro
                           : e[0] == '>' ? Alineacion::kDerecha
                                         : Alineacion::kIzquierda;
            e.erase(0, 1);
        }
        if (!e.empty() && e[0] == '_') e.erase(0, 1);
        char* fin = nullptr;
        double ancho = std::strtod(e.c_str(), &fin);
        if (fin != e.c_str() && ancho > 0 && ancho < 1e6) c.ancho = ancho;
        columnas.push_back(c);
    }
    return columnas;
}

std::string SustituyePagina(const std::string& texto, int pagina) {
    std::string r;
    for (std::size_t i = 0; i < texto.size(); ++i) {
        if (texto[i] == '%' && i + 1 < texto.size() && texto[i + 1] == 'd') {
            r += std::to_string(pagina);
            ++i;
        } else {
            r += texto[i];
        }
    }
    return r;
}

}  // namespace

void SuperficiePagina::EmpiezaDocumento(double ancho, double alto,
                                        const std::array<double, 4>& margenes) {
    ancho_ = ancho;
    alto_ = alto;
    margenes_ = margenes;
    pagina_ = 1;
    abierta_ = true;
    PintaPagina(pagina_);
    x_ = margenes_[kMargenIzquierda];
    y_ = margenes_[kMargenArriba];
}

void SuperficiePagina::TerminaDocumento() {
    if (!abierta_) return;
    TerminaPagina();
    abierta_ = false;
    PintaFin();
}

void SuperficiePagina::NuevaPagina() {
    TerminaPagina();
    ++pagina_;
    PintaPagina(pagina_);
    x_ = margenes_[kMargenIzquierda];
    y_ = margenes_[kMargenArriba];
}

void SuperficiePagina::SetEncabezado(const std::string& texto, const EstiloTexto& estilo) {
    encabezado_ = texto;
    estiloEncabezado_ = estilo;
}

void SuperficiePagina::SetPie(const std::string& texto, const EstiloTexto& estilo) {
    pie_ = texto;
    estiloPie_ = estilo;
}

void SuperficiePagina::SetBordePagina(int borde) { bordePagina_ = borde; }

void SuperficiePagina::SetSangria(double izquierda, double segunda) {
    sangria_ = izquierda;
    segunda_ = segunda;
}

double SuperficiePagina::LimiteInferior() const { return alto_ - margenes_[kMargenAbajo]; }

void SuperficiePagina::AseguraEspacio(double alto) {
    // A line taller than the whole body still goes on a fresh page only once.
    if (y_ + alto > LimiteInferior() && y_ > margenes_[kMargenArriba]) NuevaPagina();
}

std::vector<std::string> SuperficiePagina::Ajusta(const std::string& texto, double ancho,
                                                  const EstiloTexto& estilo) const {
    std::vector<std::string> lineas;
    for (const std::string& renglon : Divide(texto, '\n')) {
        std::string actual;
        for (const std::string& palabra : Divide(renglon, ' ')) {
            std::string prueba = actual.empty() ? palabra : actual + " " + palabra;
            if (actual.empty() || MideTexto(prueba, estilo) <= ancho) {
                actual = prueba;
            } else {
                lineas.push_back(actual);
                actual = palabra;
            }
            // A word wider than the whole line is cut between characters.
            while (actual.size() > 1 && MideTexto(actual, estilo) > ancho) {
                std::size_t corte = 0;
                for (std::size_t i = 0; i < actual.size();) {
                    std::size_t siguiente =
                        i + LargoCaracter(static_cast<unsigned char>(actual[i]));
                    if (corte > 0 && MideTexto(actual.substr(0, siguiente), estilo) > ancho) break;
                    corte = siguiente;
                    i = siguiente;
                }
                if (corte == 0 || corte >= actual.size()) break;
                lineas.push_back(actual.substr(0, corte));
                actual.erase(0, corte);
            }
        }
        lineas.push_back(actual);
    }
    return lineas;
}

void SuperficiePagina::Parrafo(const std::string& texto) {
    const double izquierda = margenes_[kMargenIzquierda];
    const double derecha = ancho_ - margenes_[kMargenDerecha];
    const double alto = AltoLinea(estilo_);
    double xLinea = izquierda + sangria_;
    const auto lineas = Ajusta(texto, std::max(derecha - xLinea, 1.0), estilo_);
    for (std::size_t i = 0; i < lineas.size(); ++i) {
        if (i == 1) xLinea = izquierda + segunda_;
        AseguraEspacio(alto);
        if (!lineas[i].empty()) PintaTexto(xLinea, y_, lineas[i], estilo_);
        y_ += alto;
    }
    x_ = izquierda;
}

void SuperficiePagina::Texto(const std::string& texto) {
    PintaTexto(x_, y_, texto, estilo_);
    x_ += MideTexto(texto, estilo_);
}

void SuperficiePagina::TextoEn(double x, double y, const std::string& texto,
                               Alineacion alineacion) {
    if (texto.empty()) return;
    double ancho = alineacion == Alineacion::kIzquierda ? 0 : MideTexto(texto, estilo_);
    if (alineacion == Alineacion::kCentro) x -= ancho / 2;
    if (alineacion == Alineacion::kDerecha) x -= ancho;
    PintaTexto(x, y, texto, estilo_);
}

void SuperficiePagina::Linea(double x1, double y1, double x2, double y2) {
    PintaLineas({{x1, y1}, {x2, y2}}, trazo_);
}

void SuperficiePagina::Lineas(const Poligonal& puntos) {
    if (puntos.size() >= 2) PintaLineas(puntos, trazo_);
}

void SuperficiePagina::Poligono(const Poligonal& puntos) {
    if (puntos.size() >= 3) PintaPoligono(puntos, trazo_, relleno_, colorRelleno_);
}

void SuperficiePagina::Rectangulo(double x1, double y1, double x2, double y2) {
    trabelux::Rectangulo r{std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1),
                           std::abs(y2 - y1)};
    PintaRectangulo(r, trazo_, relleno_, colorRelleno_);
}

void SuperficiePagina::Circulo(double cx, double cy, double radio) {
    radio = std::abs(radio);
    PintaElipse({cx - radio, cy - radio, 2 * radio, 2 * radio}, trazo_, relleno_, colorRelleno_);
}

void SuperficiePagina::Arco(double cx, double cy, double radio, double desde, double hasta) {
    PintaArco(cx, cy, std::abs(radio), desde, hasta, trazo_);
}

void SuperficiePagina::Tabla(const std::string& formato, const std::string& cabecera,
                             const std::string& cuerpo) {
    auto columnas = LeeFormato(formato);
    if (columnas.empty()) return;
    const double x0 = margenes_[kMargenIzquierda] + sangria_;
    // A table wider than the body is narrowed column by column in proportion, so it
    // stays inside the right margin on any paper.
    double total = 0;
    for (const auto& c : columnas) total += c.ancho;
    const double disponible = ancho_ - margenes_[kMargenDerecha] - x0;
    if (total > disponible && disponible > 0)
        for (auto& c : columnas) c.ancho *= disponible / total;
    std::vector<std::vector<std::string>> filas;
    for (const std::string& fila : Divide(cuerpo, ';')) {
        if (fila.empty()) continue;  // the ";" that ends the last row
        filas.push_back(Divide(fila, '|'));
    }
    const std::vector<std::string> titulos = Divide(cabecera, '|');

    EstiloTexto estiloCabecera = estilo_;
    estiloCabecera.negrita = true;
    const Trazo regla{0, Color{}};

    // The cells of a row wrapped inside their columns, and the row's height.
    auto prepara = [&](const std::vector<std::string>& celdas, const EstiloTexto& estilo) {
        std::vector<std::vector<std::string>> lineas(columnas.size());
        std::size_t maximo = 1;
        for (std::size_t c = 0; c < columnas.size(); ++c) {
            std::string texto = c < celdas.size() ? Recorta(celdas[c]) : std::string();
            lineas[c] = Ajusta(texto, std::max(columnas[c].ancho - 2 * kHolguraCelda, 1.0), estilo);
            maximo = std::max(maximo, lineas[c].size());
        }
        return std::make_pair(lineas, maximo * AltoLinea(estilo) + 2 * kHolguraFila);
    };
    auto pinta = [&](const std::vector<std::vector<std::string>>& lineas, double alto,
                     const EstiloTexto& estilo) {
        double x = x0;
        const double altoLinea = AltoLinea(estilo);
        for (std::size_t c = 0; c < columnas.size(); ++c) {
            const double ancho = columnas[c].ancho;
            if (bordeTabla_ != 0)
                PintaRectangulo({x, y_, ancho, alto}, regla, Relleno::kNinguno, Color{});
            double y = y_ + kHolguraFila;
            for (const std::string& l : lineas[c]) {
                if (!l.empty()) {
                    double xt = x + kHolguraCelda;
                    double libre = ancho - 2 * kHolguraCelda - MideTexto(l, estilo);
                    if (columnas[c].alineacion == Alineacion::kCentro)
                        xt += std::max(libre, 0.0) / 2;
                    if (columnas[c].alineacion == Alineacion::kDerecha) xt += std::max(libre, 0.0);
                    PintaTexto(xt, y, l, estilo);
                }
                y += altoLinea;
            }
            x += ancho;
        }
        y_ += alto;
    };

    const auto cabeceraPreparada = prepara(titulos, estiloCabecera);
    bool cabeceraEnPagina = false;
    auto ponCabecera = [&]() {
        AseguraEspacio(cabeceraPreparada.second);
        pinta(cabeceraPreparada.first, cabeceraPreparada.second, estiloCabecera);
        cabeceraEnPagina = true;
    };
    ponCabecera();
    for (const auto& fila : filas) {
        const auto [lineas, alto] = prepara(fila, estilo_);
        if (y_ + alto > LimiteInferior() && cabeceraEnPagina) {
            NuevaPagina();
            ponCabecera();
        }
        pinta(lineas, alto, estilo_);
    }
    x_ = margenes_[kMargenIzquierda];
}

void SuperficiePagina::TerminaPagina() { PintaEncabezadoPie(); }

void SuperficiePagina::PintaEncabezadoPie() {
    const double izquierda = margenes_[kMargenIzquierda];
    const double derecha = ancho_ - margenes_[kMargenDerecha];
    const double arriba = margenes_[kMargenArriba];
    const double abajo = LimiteInferior();

    auto pintaLinea = [&](const std::string& linea, double y, const EstiloTexto& estilo) {
        const auto partes = Divide(SustituyePagina(linea, pagina_), '|');
        const Alineacion lugar[3] = {Alineacion::kIzquierda, Alineacion::kCentro,
                                     Alineacion::kDerecha};
        const double xs[3] = {izquierda, (izquierda + derecha) / 2, derecha};
        for (std::size_t i = 0; i < partes.size() && i < 3; ++i) {
            std::string t = Recorta(partes[i]);
            if (t.empty()) continue;
            double x = xs[i];
            double ancho = MideTexto(t, estilo);
            if (lugar[i] == Alineacion::kCentro) x -= ancho / 2;
            if (lugar[i] == Alineacion::kDerecha) x -= ancho;
            PintaTexto(x, y, t, estilo);
        }
    };
    auto lineasDe = [](const std::string& texto) {
        auto lineas = Divide(texto, '\n');
        while (!lineas.empty() && Recorta(lineas.back()).empty()) lineas.pop_back();
        return lineas;
    };

    const auto cabeza = lineasDe(encabezado_);
    const double altoCabeza = AltoLinea(estiloEncabezado_);
    double y = std::max(0.0, arriba - kSeparacionEncabezado - altoCabeza * cabeza.size());
    for (const auto& l : cabeza) {
        pintaLinea(l, y, estiloEncabezado_);
        y += altoCabeza;
    }
    const auto pie = lineasDe(pie_);
    const double altoPie = AltoLinea(estiloPie_);
    y = std::min(abajo + kSeparacionEncabezado, std::max(abajo, alto_ - altoPie * pie.size()));
    for (const auto& l : pie) {
        pintaLinea(l, y, estiloPie_);
        y += altoPie;
    }

    if (bordePagina_ == kBordeNinguno) return;
    const Trazo trazo{10, Color{}};
    const double yArriba = std::max(0.0, arriba - kSeparacionBorde);
    const double yAbajo = std::min(alto_, abajo + kSeparacionBorde);
    if (bordePagina_ == kBordeAlrededor) {
        PintaRectangulo({std::max(0.0, izquierda - kSeparacionBorde), yArriba,
                         derecha - izquierda + 2 * kSeparacionBorde, yAbajo - yArriba},
                        trazo, Relleno::kNinguno, Color{});
        return;
    }
    if (bordePagina_ == kBordeArriba || bordePagina_ == kBordeArribaAbajo)
        PintaLineas({{izquierda, yArriba}, {derecha, yArriba}}, trazo);
    if (bordePagina_ == kBordeAbajo || bordePagina_ == kBordeArribaAbajo)
        PintaLineas({{izquierda, yAbajo}, {derecha, yAbajo}}, trazo);
}

}  // namespace trabelux
