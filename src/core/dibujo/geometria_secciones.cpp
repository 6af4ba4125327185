// Geometry of the cross-sections; see geometria_secciones.h.
#include "core/dibujo/geometria_secciones.h"

#include <algorithm>
#include <cmath>

namespace trabelux {

namespace {

// Nominal diameters of the bar list, cm (3/8", 1/2", 3/4", 1", 1-1/4").
constexpr double kDiametroBarra[] = {0.9525, 1.27, 1.905, 2.54, 3.175};

double Diametro(const std::optional<int>& barra) {
    const int i = barra.value_or(0);
    return i >= 0 && i < 5 ? kDiametroBarra[i] : kDiametroBarra[0];
}

double Positivo(double v) { return std::isfinite(v) && v > 0 ? v : 0.0; }

int Cantidad(const std::optional<int>& barra, const std::optional<int>& cantidad) {
    // A count without a bar, or a bar not in the list, draws nothing; a huge count is
    // drawn as the bars that fit side by side at the least, so the dots stay few.
    if (!barra || *barra < 0 || *barra > 4 || !cantidad) return 0;
    return std::clamp(*cantidad, 0, 40);
}

// n dots of radius r on the line y between x1 and x2 (their centres), evenly spread.
std::vector<BarraSeccion> Fila(int n, double x1, double x2, double y, double r) {
    std::vector<BarraSeccion> barras;
    for (int k = 0; k < n; ++k) {
        const double x = n == 1 ? (x1 + x2) / 2 : x1 + (x2 - x1) * k / (n - 1);
        barras.push_back({{x, y}, r});
    }
    return barras;
}

}  // namespace

FormaSeccion FormaDeTipo(const std::string& codigo) {
    if (codigo == "Tee") return {1, 1, true};
    if (codigo == "STI") return {1, 0, true};
    if (codigo == "STD") return {0, 1, true};
    if (codigo == "TI") return {1, 1, false};
    if (codigo == "STII") return {1, 0, false};
    if (codigo == "STID") return {0, 1, false};
    return {0, 0, true};
}

Tamano ExtensionSeccion(const std::string& codigo, double b, double h) {
    const FormaSeccion f = FormaDeTipo(codigo);
    b = Positivo(b);
    return {b * (1 + kVueloAla * (f.alasIzquierda + f.alasDerecha)), Positivo(h)};
}

GeometriaSeccion CalculaSeccion(const FilaDetallado& fila, double b, double h, double recub,
                                Punto esquina, double escala, double radioMinimo,
                                bool adicionalesAbajo) {
    GeometriaSeccion g;
    const FormaSeccion f = FormaDeTipo(fila.tipo);
    escala = Positivo(escala);
    const double bw = Positivo(b) * escala;
    const double alto = Positivo(h) * escala;
    const double vuelo = kVueloAla * bw;
    const double ala = kEspesorAla * alto;
    const double x0 = esquina.x, y0 = esquina.y;
    // The web, from its left edge.
    const double w1 = x0 + f.alasIzquierda * vuelo, w2 = w1 + bw;
    const double xDer = w2 + f.alasDerecha * vuelo;
    const double y1 = y0 + alto;

    // Outline clockwise from the top-left corner of the box.
    Poligonal& c = g.contorno;
    if (f.alaArriba) {
        c.push_back({x0, y0});
        c.push_back({xDer, y0});
        if (f.alasDerecha) c.insert(c.end(), {{xDer, y0 + ala}, {w2, y0 + ala}});
        c.push_back({w2, y1});
        c.push_back({w1, y1});
        if (f.alasIzquierda) c.insert(c.end(), {{w1, y0 + ala}, {x0, y0 + ala}});
    } else {
        c.push_back({w1, y0});
        c.push_back({w2, y0});
        if (f.alasDerecha) c.insert(c.end(), {{w2, y1 - ala}, {xDer, y1 - ala}});
        c.push_back({xDer, y1});
        c.push_back({x0, y1});
        if (f.alasIzquierda) c.insert(c.end(), {{x0, y1 - ala}, {w1, y1 - ala}});
    }
    g.caja = Caja(c);

    // The stirrup's outer face lies at the cover, the bars inside it; a cover that leaves
    // no room shrinks so the bars stay inside the web.
    const double rInf = std::max(radioMinimo, Diametro(fila.barraInferior) * escala / 2);
    const double rSup = std::max(radioMinimo, Diametro(fila.barraPercha) * escala / 2);
    const double estribo = Diametro(fila.barraEstribo) * escala;
    const double limite = std::min(bw, alto) / 2;
    const double r = std::max(rInf, rSup);
    double cub = std::min(Positivo(recub) * escala, std::max(0.0, limite - estribo - r));
    double dentro = std::min(cub + estribo + r, limite);
    g.estribo = RectanguloEntre({w1 + cub, y0 + cub}, {w2 - cub, y1 - cub});

    const double x1 = w1 + dentro, x2 = w2 - dentro;
    const double rI = std::min(rInf, limite), rS = std::min(rSup, limite);
    // Each face's bars spread evenly across the web; the additional bars join the face in
    // tension.
    const int inferiores = Cantidad(fila.barraInferior, fila.cantInferior);
    const int perchas = Cantidad(fila.barraPercha, fila.cantPercha);
    const int adicionales = Cantidad(fila.barraAdicional, fila.cantAdicional);
    g.inferiores = Fila(inferiores + (adicionalesAbajo ? adicionales : 0), x1, x2, y1 - dentro, rI);
    g.superiores = Fila(perchas + (adicionalesAbajo ? 0 : adicionales), x1, x2, y0 + dentro, rS);
    return g;
}

std::vector<CeldaSeccion> ColocaCeldasSecciones(int cantidad, double izquierda, double derecha,
                                                double yInicial, double arriba, double abajo,
                                                double altoLinea) {
    std::vector<CeldaSeccion> celdas;
    if (cantidad <= 0) return celdas;
    const double util = std::isfinite(derecha - izquierda) ? derecha - izquierda : 0.0;
    const int porLinea = std::max(1, static_cast<int>(std::floor(util / kAnchoCeldaSeccion)));
    int pagina = 0;
    double y = yInicial;
    for (int i = 0; i < cantidad; ++i) {
        const int columna = i % porLinea;
        if (columna == 0) {
            if (i > 0) y += altoLinea;
            // A line that would cross the bottom margin starts the next page, unless it
            // already stands at the top of one (a page too short for any line).
            if (y + altoLinea > abajo && y > arriba) {
                ++pagina;
                y = arriba;
            }
        }
        celdas.push_back({pagina, izquierda + columna * kAnchoCeldaSeccion, y});
    }
    return celdas;
}

}  // namespace trabelux
