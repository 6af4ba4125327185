// The reinforcement drawing of a beam as DXF; see planos_viga.h.
#include "core/dxf/planos_viga.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>

#include "core/detallado/anclaje.h"
#include "core/detallado/barras.h"
#include "core/detallado/barras_fisicas.h"
#include "core/detallado/despiece.h"
#include "core/detallado/planilla.h"
#include "core/dibujo/geometria_refuerzo.h"
#include "core/dibujo/geometria_secciones.h"
#include "core/dibujo/geometria_viga.h"
#include "core/dxf/cota.h"
#include "core/modelo/datos_numericos.h"
#include "core/texto/numeros.h"

namespace trabelux {

namespace {

using namespace capas_dxf;
constexpr double H = kAltoTextoAlzado;
constexpr double kMmPorCm = 10;

double Finito(double v) { return std::isfinite(v) ? v : 0.0; }

// Texts of one row that keep clear of each other: a text that would run into one already
// in its row goes to the next row outwards.
class FilasTexto {
  public:
    FilasTexto(DibujoDxf& d, double primera, double paso) : d_(d), primera_(primera), paso_(paso) {}

    // The baseline it took.
    double Coloca(int fila, double x, const std::string& texto, const char* capa = kTextos) {
        const double w = AnchoAproximado(texto, H);
        for (;; ++fila) {
            auto& ocupados = ocupados_[fila];
            const bool libre = std::none_of(ocupados.begin(), ocupados.end(), [&](auto tramo) {
                return x - w / 2 < tramo.second + H && tramo.first - H < x + w / 2;
            });
            if (libre || fila > 8) {
                ocupados.push_back({x - w / 2, x + w / 2});
                const double y = primera_ + paso_ * fila;
                d_.Agrega(
                    capa,
                    RotuloDxf{{x, y}, H, 0, texto, HorizontalDxf::kCentro, VerticalDxf::kBase});
                extremo_ = paso_ > 0 ? std::max(extremo_, y + H) : std::min(extremo_, y);
                return y;
            }
        }
    }
    // The outermost edge of the texts placed (0 when none).
    double Extremo() const { return extremo_; }

  private:
    DibujoDxf& d_;
    double primera_, paso_;
    double extremo_ = 0;
    std::map<int, std::vector<std::pair<double, double>>> ocupados_;
};

}  // namespace

Punto DibujaPlanilla(DibujoDxf& d, const std::vector<FilaPlanilla>& filas, Punto esquina,
                     double h) {
    const double anchos[] = {6 * h, 9 * h, 18 * h, 8 * h, 12 * h, 10 * h};
    const char* titulos[] = {"Marca",    "Diámetro",      "Dimensiones (m)",
                             "Cantidad", "Longitud (cm)", "Peso (kg)"};
    const double alto = 2 * h;
    double ancho = 0;
    for (double a : anchos) ancho += a;
    d.Agrega(kPlanilla, RotuloDxf{esquina, 1.4 * h, 0, "Planilla de barras",
                                  HorizontalDxf::kIzquierda, VerticalDxf::kAbajo});
    std::vector<std::vector<std::string>> lineas;
    lineas.push_back({titulos, titulos + 6});
    double total = 0;
    for (const FilaPlanilla& f : filas) {
        lineas.push_back({f.marca, NombreBarra(f.barra), f.dimensiones, std::to_string(f.cantidad),
                          Formatea(f.longitud, "0"), Formatea(f.peso, "0.00")});
        total += f.peso;
    }
    lineas.push_back({"Total", "", "", "", "", Formatea(total, "0.00")});
    const double y0 = esquina.y - 0.6 * h;
    for (size_t k = 0; k <= lineas.size(); ++k)
        d.Agrega(kPlanilla,
                 LineaDxf{{esquina.x, y0 - alto * k}, {esquina.x + ancho, y0 - alto * k}});
    const double abajo = y0 - alto * lineas.size();
    double x = esquina.x;
    d.Agrega(kPlanilla, LineaDxf{{x, y0}, {x, abajo}});
    for (int c = 0; c < 6; ++c) {
        for (size_t k = 0; k < lineas.size(); ++k)
            if (!lineas[k][c].empty())
                d.Agrega(kPlanilla, RotuloDxf{{x + anchos[c] / 2, y0 - alto * (k + 0.5)},
                                              h,
                                              0,
                                              lineas[k][c],
                                              HorizontalDxf::kCentro,
                                              VerticalDxf::kMedio});
        x += anchos[c];
        d.Agrega(kPlanilla, LineaDxf{{x, y0}, {x, abajo}});
    }
    return {x, abajo};
}

namespace {

// An additional top bar as drawn: its ends, its level and its support (0-based), cm.
struct Adicional {
    double desde, hasta, y;
    int nudo;
};

// The bars of the bar cutting at their cover, each labelled in the text rows with its mark
// in the schedule: the straight part from x0 to x1 and each 90° hook's outer leg, the
// lengths the schedule's dimensions give. Returns the additional top bars, whose cut-off
// points are dimensioned.
std::vector<Adicional> DibujaBarras(DibujoDxf& d, const Despiece& despiece,
                                    const std::vector<double>& x,
                                    const std::function<double(double)>& cantoEn, double recub,
                                    FilasTexto& arriba, FilasTexto& abajo) {
    std::vector<Adicional> adicionales;
    for (const Pieza& pz : despiece.piezas) {
        if (pz.clase == ClaseBarra::kEstribo || pz.cantidad <= 0) continue;
        const double db = DiametroBarra(pz.barra);
        const double x0 = pz.x0 * 100, x1 = pz.x1 * 100;
        // A clear bar's room below the hangers for the additional bars; the shallowest span
        // the bar crosses sets the level of a top bar.
        const double sobreCara =
            pz.clase == ClaseBarra::kAdicional ? recub + std::max(2.5, db) + db : recub;
        double h = cantoEn(x0);
        for (size_t j = 0; j + 1 < x.size(); ++j)
            if (x[j + 1] > x0 && x[j] < x1) h = std::min(h, cantoEn((x[j] + x[j + 1]) / 2));
        const double nivel = pz.superior ? h - sobreCara : sobreCara;
        const double pata =
            ExtensionGancho90(pz.barra) + DiametroDoblado(pz.barra) / 2 + db;  // outer leg
        const double hacia = pz.superior ? -pata : pata;                       // top bars hook down
        Poligonal trazo;
        if (pz.ganchoInicio) trazo.push_back({x0, nivel + hacia});
        trazo.push_back({x0, nivel});
        trazo.push_back({x1, nivel});
        if (pz.ganchoFin) trazo.push_back({x1, nivel + hacia});
        d.Agrega(pz.superior ? kAceroSuperior : kAceroInferior, PolilineaDxf{trazo, false});
        const std::string texto = pz.marca + ": " + EtiquetaBarras(pz.barra, pz.cantidad) +
                                  " L=" + Formatea(pz.corte, "0");
        const double medio = (x0 + x1) / 2;
        if (pz.clase == ClaseBarra::kInferior) abajo.Coloca(0, medio, texto);
        if (pz.clase == ClaseBarra::kPercha) arriba.Coloca(1, medio, texto);
        if (pz.clase == ClaseBarra::kAdicional) {
            const int nudo = std::clamp(pz.fila / 2, 0, static_cast<int>(x.size()) - 1);
            arriba.Coloca(0, x[static_cast<size_t>(nudo)], texto);
            adicionales.push_back({x0, x1, nivel, nudo});
        }
    }
    return adicionales;
}

// Whether the additional bars of two supports reach over each other, so that their cut-off
// dimensions need a row each.
bool CortesSeSolapan(const Despiece& despiece) {
    std::vector<std::pair<double, double>> tramos;
    for (const Pieza& pz : despiece.piezas)
        if (pz.clase == ClaseBarra::kAdicional && pz.cantidad > 0) tramos.push_back({pz.x0, pz.x1});
    for (size_t i = 0; i < tramos.size(); ++i)
        for (size_t j = i + 1; j < tramos.size(); ++j)
            if (tramos[i].first < tramos[j].second && tramos[j].first < tramos[i].second)
                return true;
    return false;
}

// The cut-off points of the additional top bars, dimensioned from the support's axis (at
// the beam's top, `cantoEnApoyo` of each) to each end; with `dosFilas`, the supports of even
// number a row higher than the odd ones.
void AcotaCortes(DibujoDxf& d, const std::vector<Adicional>& adicionales,
                 const std::vector<double>& x, const std::vector<double>& cantoEnApoyo,
                 double cantoMayor, bool dosFilas) {
    for (const Adicional& a : adicionales)
        for (double fin : {a.desde, a.hasta}) {
            const double yCorte = cantoMayor + (dosFilas && a.nudo % 2 == 1 ? 4 : 2) * H;
            const double xa = x[a.nudo];
            // A hooked end at the beam's end lies just inside its axis: nothing to measure.
            if (std::abs(fin - xa) < 2 * H) continue;
            const Punto eje{xa, cantoEnApoyo[a.nudo]}, punta{fin, a.y};
            const bool izquierda = fin < xa;
            // Measured level at the dimension line; the extension lines start at each point.
            CotaDxf c{izquierda ? Punto{fin, yCorte} : Punto{xa, yCorte},
                      izquierda ? Punto{xa, yCorte} : Punto{fin, yCorte}, 0,
                      Formatea(std::abs(fin - xa), "0"), H};
            AgregaCota(d, c);
            for (Punto q : {eje, punta})
                d.Agrega(kCotas, LineaDxf{{q.x, q.y + 0.25 * H}, {q.x, yCorte + 0.5 * H}});
        }
}

// Span lengths between the support axes under the labels (which reach down to
// `bajoEtiquetas` and up to `sobreEtiquetas`), the numbered axes, the supports and the note
// on the scales. Returns the axes' lower end.
double DibujaLucesEjesApoyos(DibujoDxf& d, const Proyecto& p, const std::vector<double>& x,
                             double cantoMayor, double bajoEtiquetas, double sobreEtiquetas) {
    const int n = static_cast<int>(x.size()) - 1;
    const double yLuces = std::min(bajoEtiquetas, -5 * H) - 2 * H;
    for (int i = 0; i < n; ++i)
        if (x[i + 1] > x[i])
            AgregaCota(
                d,
                CotaDxf{{x[i], yLuces}, {x[i + 1], yLuces}, 0, Formatea(x[i + 1] - x[i], "0"), H});
    const double yEjeAbajo = yLuces - 1.5 * H;
    const double yEjeArriba = std::max(sobreEtiquetas, cantoMayor + 5 * H) + H;
    for (int j = 0; j <= n; ++j) {
        d.Agrega(kEjes, LineaDxf{{x[j], yEjeAbajo}, {x[j], yEjeArriba}});
        d.Agrega(kTextos, RotuloDxf{{x[j], yEjeAbajo - 0.5 * H},
                                    H,
                                    0,
                                    std::to_string(j + 1),
                                    HorizontalDxf::kCentro,
                                    VerticalDxf::kArriba});
    }
    // Supports as the beam's picture has them: a triangle under a supported node, a wall
    // past a fixed end, nothing at a free end or an unsupported interior node.
    for (const ApoyoDibujo& a : ApoyosViga(p, x, 0, 1)) {
        const double xa = x[static_cast<size_t>(a.nudo - 1)];
        if (a.simbolo == SimboloApoyo::Triangulo) {
            d.Agrega(kApoyos,
                     SolidoDxf{{{xa, 0}, {xa + 1.2 * H, -1.6 * H}, {xa - 1.2 * H, -1.6 * H}}});
        } else if (a.simbolo == SimboloApoyo::Empotramiento) {
            const double fuera = a.nudo == 1 ? -H : H;
            d.Agrega(kApoyos, SolidoDxf{{{xa, -1.6 * H},
                                         {xa + fuera, -1.6 * H},
                                         {xa + fuera, cantoMayor + 1.6 * H},
                                         {xa, cantoMayor + 1.6 * H}}});
        }
    }
    d.Agrega(
        kTextos,
        RotuloDxf{{0, yEjeArriba + H},
                  H,
                  0,
                  "Unidades: cm. Textos para trazar el alzado a 1:" + Formatea(kEscalaAlzado, "0") +
                      ", las secciones y la planilla a 1:" + Formatea(kEscalaSecciones, "0") + ".",
                  HorizontalDxf::kIzquierda,
                  VerticalDxf::kBase});

    return yEjeAbajo;
}

// The sections at true size below the elevation, from `ySecciones` down, in lines as long
// as the beam (`largo`, cm); `canto` holds each span's depth. Returns the height below them.
double DibujaSecciones(DibujoDxf& d, const Proyecto& p, const TablaDetallado& t,
                       const Despiece& despiece, const std::vector<double>& canto, double recub,
                       double largo, double ySecciones) {
    const int n = static_cast<int>(canto.size());
    const double hs = kAltoTextoSecciones;
    struct Dibujada {
        const FilaDetallado* fila;
        double b, h;
        bool abajo;  // its additional bars at the bottom
    };
    std::vector<Dibujada> secciones;
    for (size_t k = 0; k < t.filas.size(); ++k) {
        if (t.filas[k].sec.empty()) continue;
        // A support takes the span on its left (support 1 the first span), as its bars do.
        const int vano = std::clamp(
            k % 2 == 1 ? static_cast<int>(k / 2) : static_cast<int>(k / 2) - 1, 0, n - 1);
        secciones.push_back({&t.filas[k], std::max(0.0, Finito(p.vanos[vano].base)), canto[vano],
                             AdicionalesAbajo(despiece, static_cast<int>(k))});
    }
    Tamano celda;
    for (const Dibujada& s : secciones) {
        const Tamano e = ExtensionSeccion(s.fila->tipo, s.b, s.h);
        celda = {std::max(celda.ancho, e.ancho), std::max(celda.alto, e.alto)};
    }
    celda = {celda.ancho + 12 * hs, celda.alto + 6 * hs};
    const int porLinea =
        std::max(1, static_cast<int>(std::max(largo, 4 * celda.ancho) / celda.ancho));
    double yLibre = ySecciones;
    for (size_t i = 0; i < secciones.size(); ++i) {
        const double x0 = (i % porLinea) * celda.ancho;
        const double arribaCelda = ySecciones - (i / porLinea) * celda.alto;
        const GeometriaSeccion gs =
            CalculaSeccion(*secciones[i].fila, secciones[i].b, secciones[i].h, recub, {x0, 0}, 1, 0,
                           secciones[i].abajo);
        auto Y = [&](Punto q) { return Punto{q.x, arribaCelda - q.y}; };
        Poligonal contornoSeccion;
        for (Punto q : gs.contorno) contornoSeccion.push_back(Y(q));
        d.Agrega(kViga, PolilineaDxf{contornoSeccion, true});
        const Rectangulo& e = gs.estribo;
        if (!e.Vacio())
            d.Agrega(kEstribos,
                     PolilineaDxf{{Y({e.Izquierda(), e.Arriba()}), Y({e.Derecha(), e.Arriba()}),
                                   Y({e.Derecha(), e.Abajo()}), Y({e.Izquierda(), e.Abajo()})},
                                  true});
        for (const BarraSeccion& b : gs.inferiores)
            d.Agrega(kAceroInferior, CirculoDxf{Y(b.centro), b.radio});
        for (const BarraSeccion& b : gs.superiores)
            d.Agrega(kAceroSuperior, CirculoDxf{Y(b.centro), b.radio});
        const double yRotulo = arribaCelda - gs.caja.alto - 1.5 * hs;
        d.Agrega(kTextos, RotuloDxf{{gs.caja.Centro().x, yRotulo},
                                    hs,
                                    0,
                                    "Sección " + secciones[i].fila->sec,
                                    HorizontalDxf::kCentro,
                                    VerticalDxf::kArriba});
        yLibre = std::min(yLibre, yRotulo - 2 * hs);
    }

    return yLibre;
}

}  // namespace

PlanoViga DibujaPlanoViga(const Proyecto& p, const Resultados& r, const TablaDetallado& t) {
    PlanoViga plano{DibujoPlanos(), {}};
    DibujoDxf& d = plano.dibujo;
    const int n = std::clamp(std::min(p.numVanos, static_cast<int>(p.vanos.size())), 0, kMaxVanos);
    if (n == 0) return plano;
    const double recub = std::max(0.0, Finito(LeeDatosNumericos(p.datos).recub));

    // The geometry in millimetres, the scale its fixed allowances (end distances, gaps at
    // the supports, closest stirrups) were sized for to read as true lengths.
    double largoMm = 0;
    for (int i = 0; i < n; ++i) largoMm += std::max(0.0, Finito(p.vanos[i].longitud)) * 1000;
    // The bars as the schedule cuts them; the schedule gives each its mark.
    Despiece despiece = CalculaDespiece(p, r, t, LeeDatosNumericos(p.datos).largoComercial);
    for (const LineaPlanilla& l : ComponePlanilla(despiece, p).lineas)
        plano.planilla.push_back(
            {l.marca, l.barra, l.cantidad, l.corte * 100, l.kg, l.dimensiones});
    const GeometriaRefuerzo g = CalculaGeometriaRefuerzo(
        p, t, despiece, 0, largoMm, 0,
        [](const std::string& s) { return AnchoAproximado(s, H * kMmPorCm); }, H * kMmPorCm);
    std::vector<double> x;  // nodes, cm
    for (double xn : g.xNudos) x.push_back(xn / kMmPorCm);
    const double largo = x.back();
    std::vector<double> canto(n);
    double cantoMayor = 0;
    for (int i = 0; i < n; ++i)
        cantoMayor = std::max(cantoMayor, canto[i] = std::max(0.0, Finito(p.vanos[i].altura)));
    auto cantoEn = [&](double xc) {
        for (int i = 0; i < n; ++i)
            if (xc <= x[i + 1]) return canto[i];
        return canto[n - 1];
    };

    // Outline: the bottom straight, the top stepping where the depth changes.
    Poligonal contorno{{0, 0}, {largo, 0}};
    for (int i = n - 1; i >= 0; --i) {
        if (i == n - 1 || canto[i] != canto[i + 1]) contorno.push_back({x[i + 1], canto[i]});
        if (i == 0 || canto[i] != canto[i - 1]) contorno.push_back({x[i], canto[i]});
    }
    d.Agrega(kViga, PolilineaDxf{contorno, true});

    // Bars: along the beam as the geometry lays them, across it at their cover.
    const bool dosFilasDeCortes = CortesSeSolapan(despiece);
    FilasTexto arriba(d, cantoMayor + (dosFilasDeCortes ? 7 : 5) * H, 2 * H);
    FilasTexto abajo(d, -3.5 * H, -2 * H);
    const std::vector<Adicional> adicionales =
        DibujaBarras(d, despiece, x, cantoEn, recub, arriba, abajo);

    // Stirrups: one line per stirrup, around the bars; their labels as the geometry runs them.
    for (const Segmento& e : g.estribos) {
        const double xc = e.p1.x / kMmPorCm, h = cantoEn(xc);
        d.Agrega(kEstribos,
                 LineaDxf{{xc, std::max(0.0, recub - 1)}, {xc, std::min(h, h - recub + 1)}});
    }
    for (const TextoElevacion& e : g.textos)
        if (e.fila == FilaTexto::kEstribos) abajo.Coloca(1, e.ancla.x / kMmPorCm, e.texto);

    std::vector<double> cantoEnApoyo;
    for (double xa : x) cantoEnApoyo.push_back(cantoEn(xa));
    AcotaCortes(d, adicionales, x, cantoEnApoyo, cantoMayor, dosFilasDeCortes);

    // Cuts where the sections lie: a short mark over the beam with the section's number.
    for (size_t k = 0, c = 0; k < t.filas.size() && c < g.cortes.size(); ++k) {
        const FilaDetallado& f = t.filas[k];
        if (TextoCelda(f, kColDib) != "1" || f.sec.empty()) continue;
        const double xc = g.cortes[c++].p1.x / kMmPorCm;
        d.Agrega(kTextos, LineaDxf{{xc, cantoMayor + 0.3 * H}, {xc, cantoMayor + 1.5 * H}});
        d.Agrega(kTextos, RotuloDxf{{xc + 0.3 * H, cantoMayor + 0.5 * H},
                                    H,
                                    0,
                                    f.sec.substr(0, f.sec.find('-')),
                                    HorizontalDxf::kIzquierda,
                                    VerticalDxf::kBase});
    }

    const double yEjeAbajo =
        DibujaLucesEjesApoyos(d, p, x, cantoMayor, abajo.Extremo(), arriba.Extremo());
    const double yLibre =
        DibujaSecciones(d, p, t, despiece, canto, recub, largo, yEjeAbajo - 3 * H);
    const double hs = kAltoTextoSecciones;

    // The schedule below the sections.
    DibujaPlanilla(d, plano.planilla, {0, yLibre - 4 * hs}, hs);
    return plano;
}

}  // namespace trabelux
