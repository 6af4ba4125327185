#include "core/reporte/superficie_pagina.h"

#include <algorithm>
#include <cstdlib>

#include "core/reporte/partes_texto.h"

namespace trabelux {

std::vector<std::string> DivideTexto(const std::string& texto, char separador) {
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

std::string RecortaTexto(const std::string& texto) {
    auto a = texto.find_first_not_of(" \t\r");
    if (a == std::string::npos) return {};
    auto b = texto.find_last_not_of(" \t\r");
    return texto.substr(a, b - a + 1);
}

namespace {

// Distance of the header and footer from the body, and of the page border from it.
constexpr double kSeparacionEncabezado = 120;
constexpr double kSeparacionBorde = 60;
// The body a header or footer never takes from the page.
constexpr double kCuerpoMinimo = 720;

// Length in bytes of the UTF-8 character that starts with byte `c`.
std::size_t LargoCaracter(unsigned char c) {
    if (c >= 0xF0) return 4;
    if (c >= 0xE0) return 3;
    if (c >= 0xC0) return 2;
    return 1;
}

// Text lines of a header or footer, without the empty lines at its end.
std::vector<std::string> LineasBanda(const std::string& texto) {
    auto lineas = DivideTexto(texto, '\n');
    while (!lineas.empty() && RecortaTexto(lineas.back()).empty()) lineas.pop_back();
    return lineas;
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

double SuperficiePagina::AltoBanda(const std::string& texto, const EstiloTexto& estilo) const {
    const auto lineas = LineasBanda(texto);
    if (lineas.empty()) return 0;
    return static_cast<double>(lineas.size()) * AltoLinea(estilo) + kSeparacionEncabezado;
}

void SuperficiePagina::FijaEncabezado(const std::string& texto, const EstiloTexto& estilo) {
    encabezado_ = texto;
    estiloEncabezado_ = estilo;
    // Room for the header between the printable edge and the body, though never at the
    // cost of the last half inch of body.
    const double banda = AltoBanda(texto, estilo);
    const double arriba = std::max(
        margenes_[kMargenArriba],
        std::min(kBordeImprimible + banda, alto_ - margenes_[kMargenAbajo] - kCuerpoMinimo));
    if (banda > 0 && arriba > margenes_[kMargenArriba]) {
        if (y_ == margenes_[kMargenArriba]) y_ = arriba;
        margenes_[kMargenArriba] = arriba;
    }
}

void SuperficiePagina::FijaPie(const std::string& texto, const EstiloTexto& estilo) {
    pie_ = texto;
    estiloPie_ = estilo;
    const double banda = AltoBanda(texto, estilo);
    margenes_[kMargenAbajo] = std::max(
        margenes_[kMargenAbajo],
        std::min(kBordeImprimible + banda, alto_ - margenes_[kMargenArriba] - kCuerpoMinimo));
}

void SuperficiePagina::FijaBordePagina(BordePagina borde) { bordePagina_ = borde; }

void SuperficiePagina::FijaSangria(double izquierda, double segunda) {
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
    for (const std::string& renglon : DivideTexto(texto, '\n')) {
        std::string actual;
        for (const std::string& palabra : DivideTexto(renglon, ' ')) {
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

void SuperficiePagina::TerminaPagina() { PintaEncabezadoPie(); }

void SuperficiePagina::PintaEncabezadoPie() {
    const double izquierda = margenes_[kMargenIzquierda];
    const double derecha = ancho_ - margenes_[kMargenDerecha];
    const double arriba = margenes_[kMargenArriba];
    const double abajo = LimiteInferior();
    // The texts keep inside the printable area even where the body reaches the edge.
    const double xIzquierda = std::max(izquierda, std::min(kBordeImprimible, ancho_ / 2));
    const double xDerecha = std::min(derecha, std::max(ancho_ - kBordeImprimible, ancho_ / 2));

    auto pintaLinea = [&](const std::string& linea, double y, const EstiloTexto& estilo) {
        const auto partes = DivideTexto(SustituyePagina(linea, pagina_), '|');
        const Alineacion lugar[3] = {Alineacion::kIzquierda, Alineacion::kCentro,
                                     Alineacion::kDerecha};
        const double xs[3] = {xIzquierda, (xIzquierda + xDerecha) / 2, xDerecha};
        for (std::size_t i = 0; i < partes.size() && i < 3; ++i) {
            std::string t = RecortaTexto(partes[i]);
            if (t.empty()) continue;
            double x = xs[i];
            double ancho = MideTexto(t, estilo);
            if (lugar[i] == Alineacion::kCentro) x -= ancho / 2;
            if (lugar[i] == Alineacion::kDerecha) x -= ancho;
            PintaTexto(x, y, t, estilo);
        }
    };

    const auto cabeza = LineasBanda(encabezado_);
    const double altoCabeza = AltoLinea(estiloEncabezado_) * static_cast<double>(cabeza.size());
    double y = std::min(arriba - altoCabeza,
                        std::max(kBordeImprimible, arriba - kSeparacionEncabezado - altoCabeza));
    for (const auto& l : cabeza) {
        pintaLinea(l, y, estiloEncabezado_);
        y += AltoLinea(estiloEncabezado_);
    }
    const auto pie = LineasBanda(pie_);
    const double altoPie = AltoLinea(estiloPie_) * static_cast<double>(pie.size());
    y = std::max(abajo,
                 std::min(abajo + kSeparacionEncabezado, alto_ - kBordeImprimible - altoPie));
    for (const auto& l : pie) {
        pintaLinea(l, y, estiloPie_);
        y += AltoLinea(estiloPie_);
    }

    if (bordePagina_ == BordePagina::kNinguno) return;
    const Trazo trazo{10, Color{}};
    const double yArriba = std::max(0.0, arriba - kSeparacionBorde);
    const double yAbajo = std::min(alto_, abajo + kSeparacionBorde);
    if (bordePagina_ == BordePagina::kAlrededor) {
        PintaRectangulo({std::max(0.0, izquierda - kSeparacionBorde), yArriba,
                         derecha - izquierda + 2 * kSeparacionBorde, yAbajo - yArriba},
                        trazo, Relleno::kNinguno, Color{});
        return;
    }
    if (bordePagina_ == BordePagina::kArriba || bordePagina_ == BordePagina::kArribaAbajo)
        PintaLineas({{izquierda, yArriba}, {derecha, yArriba}}, trazo);
    if (bordePagina_ == BordePagina::kAbajo || bordePagina_ == BordePagina::kArribaAbajo)
        PintaLineas({{izquierda, yAbajo}, {derecha, yAbajo}}, trazo);
}

}  // namespace trabelux
