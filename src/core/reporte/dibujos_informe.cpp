// The report's pictures painted on the page surface from the drawings' shared geometry;
// see dibujos.h.
#include "core/reporte/dibujos_informe.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "core/dibujo/geometria_diagramas.h"
#include "core/dibujo/geometria_envolventes.h"
#include "core/dibujo/geometria_refuerzo.h"
#include "core/dibujo/geometria_secciones.h"
#include "core/dibujo/geometria_viga.h"
#include "core/modelo/datos_numericos.h"
#include "core/reporte/composicion.h"
#include "core/reporte/tiras.h"
#include "core/texto/numeros.h"

namespace trabelux {

namespace {

constexpr Color kNegroPagina{0, 0, 0};
constexpr Color kBlanco{255, 255, 255};
constexpr double kEscalaApoyos = 1.5;  // support symbols: drawing units of the window to twips
constexpr double kBandaArriba = 180;   // the load band, above the axis
constexpr double kBandaAbajo = 30;
constexpr double kFlecha = 400;        // load arrows
constexpr double kPunta = 70;          // arrow heads
constexpr double kRadioMomento = 300;  // node-moment arcs, over the load band
constexpr double kPi = 3.14159265358979323846;
// The node numbers of the loads picture, under the supports and clear of a fixed end's
// wall; the span lengths go under them.
constexpr double kNumerosCargas = 190;
// The node numbers and lengths of the reinforcement picture, under the beam's outline.
constexpr double kNumerosRefuerzo = cotas_refuerzo::kMedioCanto + 150;
// Value rows over the loads of a strip of several spans (a single span takes as many
// as its loads need).
constexpr int kFilasValores = 2;
// How far a value may move right of its load, in its own widths.
constexpr double kCorrimiento = 1.5;
// A diagram: its largest ordinate, the room beyond it for the values, and the gap to the
// row of node numbers under it.
constexpr double kOrdenada = 1000;
constexpr double kHolguraDiagrama = 400;
constexpr double kNumerosDiagrama = 60;
constexpr double kTicNudo = 40;
// Between the strips of a picture.
constexpr double kEntreTiras = 200;
// Texts of one row never come closer than this share of their height.
constexpr double kAireTextos = 0.3;

double Finito(double v) { return std::isfinite(v) ? v : 0.0; }

int VanosDe(const Proyecto& p) {
    return std::clamp(std::min(p.numVanos, static_cast<int>(p.vanos.size())), 0, kMaxVanos);
}

double Largo(const Proyecto& p, int vano) {
    return std::max(0.0, Finito(p.vanos[static_cast<size_t>(vano)].longitud));
}

// x of nodes 1..n+1 for strip t between x1 and x2 (nodes outside the strip stay at its
// ends); a strip without length shares its width evenly. `escala` receives twips per m.
std::vector<double> NudosTira(const Proyecto& p, const Tira& t, double x1, double x2,
                              double* escala = nullptr) {
    const int n = VanosDe(p);
    double total = 0;
    for (int i = t.primero; i <= t.ultimo; ++i) total += Largo(p, i);
    const int cuenta = t.ultimo - t.primero + 1;
    const double e = total > 0 ? (x2 - x1) / total : 0.0;
    std::vector<double> x(static_cast<size_t>(n + 1), x1);
    for (int i = t.primero; i <= t.ultimo; ++i)
        x[i + 1] = x[i] + (total > 0 ? Largo(p, i) * e : (x2 - x1) / cuenta);
    for (int j = t.ultimo + 2; j <= n; ++j) x[j] = x[t.ultimo + 1];
    if (escala) *escala = total > 0 ? e : 1.0;
    return x;
}

// A picture as plain data around its own axis at y = 0: computed, judged and measured
// first, then painted wherever it lands on the page.
struct FiguraPagina {
    enum class Tipo { kLineas, kPoligono, kRectangulo, kCirculo, kArco };
    Tipo tipo = Tipo::kLineas;
    Poligonal puntos;  // kRectangulo: two corners; kCirculo, kArco: the centre
    Trazo trazo;
    Relleno relleno = Relleno::kNinguno;
    Color colorRelleno;
    double radio = 0, desde = 0, hasta = 0;
};

struct TextoPagina {
    Punto ancla;  // x as aligned, y the top of the line
    std::string texto;
    Alineacion alineacion = Alineacion::kCentro;
    Color color;
    double tamano = 10;
};

struct DibujoPagina {
    std::vector<FiguraPagina> figuras;
    std::vector<TextoPagina> textos;
    double arriba = 0;  // how far it reaches above and below its axis
    double abajo = 0;
    bool cabe = true;  // every label placed, readable and clear of the others

    FiguraPagina& Figura(FiguraPagina::Tipo tipo, Poligonal p, const Trazo& t,
                         Relleno r = Relleno::kNinguno, Color c = {}) {
        FiguraPagina& f = figuras.emplace_back();
        f.tipo = tipo;
        f.puntos = std::move(p);
        f.trazo = t;
        f.relleno = r;
        f.colorRelleno = c;
        return f;
    }
    void Lineas(Poligonal p, const Trazo& t) {
        Figura(FiguraPagina::Tipo::kLineas, std::move(p), t);
    }
    void Linea(Punto a, Punto b, const Trazo& t) { Lineas({a, b}, t); }
    void Poligono(Poligonal p, const Trazo& t, Relleno r, Color c) {
        Figura(FiguraPagina::Tipo::kPoligono, std::move(p), t, r, c);
    }
    void Rect(const Rectangulo& q, const Trazo& t, Relleno r, Color c) {
        Figura(FiguraPagina::Tipo::kRectangulo,
               {{q.Izquierda(), q.Arriba()}, {q.Derecha(), q.Abajo()}}, t, r, c);
    }
    void Circulo(Punto c, double radio, const Trazo& t, Relleno r, Color cr) {
        Figura(FiguraPagina::Tipo::kCirculo, {c}, t, r, cr).radio = radio;
    }
    void Arco(Punto c, double radio, double desde, double hasta, const Trazo& t) {
        FiguraPagina& f = Figura(FiguraPagina::Tipo::kArco, {c}, t);
        f.radio = radio;
        f.desde = desde;
        f.hasta = hasta;
    }
    void Texto(Punto ancla, std::string texto, Color color, double tamano,
               Alineacion a = Alineacion::kCentro) {
        textos.push_back({ancla, std::move(texto), a, color, tamano});
    }
};

void PintaDibujo(SuperficiePagina& s, const DibujoPagina& d, double y) {
    const Trazo antes = s.TrazoActual();
    const EstiloTexto estilo = s.Estilo();
    auto desplaza = [y](Poligonal p) {
        for (Punto& q : p) q.y += y;
        return p;
    };
    for (const FiguraPagina& f : d.figuras) {
        s.FijaAnchoLinea(f.trazo.ancho);
        s.FijaColorLinea(f.trazo.color);
        s.FijaRelleno(f.relleno, f.colorRelleno);
        const Poligonal q = desplaza(f.puntos);
        switch (f.tipo) {
            case FiguraPagina::Tipo::kLineas:
                s.Lineas(q);
                break;
            case FiguraPagina::Tipo::kPoligono:
                s.Poligono(q);
                break;
            case FiguraPagina::Tipo::kRectangulo:
                s.Rectangulo(q[0].x, q[0].y, q[1].x, q[1].y);
                break;
            case FiguraPagina::Tipo::kCirculo:
                s.Circulo(q[0].x, q[0].y, f.radio);
                break;
            case FiguraPagina::Tipo::kArco:
                s.Arco(q[0].x, q[0].y, f.radio, f.desde, f.hasta);
                break;
        }
    }
    s.FijaRelleno(Relleno::kNinguno);
    for (const TextoPagina& t : d.textos) {
        EstiloTexto e = estilo;
        e.color = t.color;
        e.tamano = t.tamano;
        s.FijaEstilo(e);
        s.TextoEn(t.ancla.x, t.ancla.y + y, t.texto, t.alineacion);
    }
    s.FijaEstilo(estilo);
    s.FijaAnchoLinea(antes.ancho);
    s.FijaColorLinea(antes.color);
}

// Texts measured in the current style at a given size.
class Letras {
  public:
    explicit Letras(const SuperficiePagina& s) : s_(s), estilo_(s.Estilo()) {}
    double Tamano() const { return estilo_.tamano; }
    double Ancho(const std::string& t, double tamano) const {
        EstiloTexto e = estilo_;
        e.tamano = tamano;
        return s_.AnchoTexto(t, e);
    }
    double Ancho(const std::string& t) const { return Ancho(t, estilo_.tamano); }
    double Alto() const { return s_.AltoTexto(estilo_); }
    Color ColorTexto() const { return estilo_.color; }

  private:
    const SuperficiePagina& s_;
    EstiloTexto estilo_;
};

// x of a text `w` wide centred at x, pulled inside the body's side margins.
double EnElCuerpo(const SuperficiePagina& s, double x, double w) {
    const double izquierda = s.Margen(kMargenIzquierda);
    const double derecha = s.AnchoPagina() - s.Margen(kMargenDerecha);
    return derecha - izquierda >= w ? std::clamp(x, izquierda + w / 2, derecha - w / 2) : x;
}

// A row of texts centred on their anchors, kept clear of one another: false when two of
// them would touch.
bool FilaLibre(std::vector<std::pair<double, double>> tramos, double aire) {
    std::sort(tramos.begin(), tramos.end());
    for (size_t i = 1; i < tramos.size(); ++i)
        if (tramos[i].first < tramos[i - 1].second + aire) return false;
    return true;
}

// Node numbers at the nodes and each span's length at its middle: the lengths in a
// smaller letter where the span is short, never under kLetraMinima. `unaFila`: both on the
// row at `y` (the reinforcement picture); otherwise the lengths go on the row under the
// numbers. False when a length does not fit its span or two texts of a row would touch.
bool NumerosYLongitudes(DibujoPagina& d, const SuperficiePagina& s, const Letras& l,
                        const Proyecto& p, const Tira& t, const std::vector<double>& x, double y,
                        bool unaFila) {
    const double h = l.Alto();
    const double letra = l.Tamano();
    const double minima = std::min(letra, kLetraMinima);
    const double yLongitudes = unaFila ? y : y + h;
    std::vector<std::pair<double, double>> numeros, fila;
    bool cabe = true;
    for (int j = t.primero + 1; j <= t.ultimo + 2; ++j) {
        const std::string texto = std::to_string(j);
        const double w = l.Ancho(texto);
        const double xn = EnElCuerpo(s, x[j - 1], w);
        d.Texto({xn, y}, texto, l.ColorTexto(), letra);
        numeros.push_back({xn - w / 2, xn + w / 2});
    }
    for (int i = t.primero; i <= t.ultimo; ++i) {
        const std::string texto = Formatea(Largo(p, i), "0.00");
        const double hueco = x[i + 1] - x[i] - 40;
        const double ancho = l.Ancho(texto);
        double tamano =
            ancho > hueco && ancho > 0 ? std::max(minima, letra * hueco / ancho) : letra;
        tamano = std::floor(tamano * 2) / 2;  // half points: the same size on every device
        const double w = l.Ancho(texto, tamano);
        cabe = cabe && w <= std::max(hueco, 0.0);
        const double medio = EnElCuerpo(s, (x[i] + x[i + 1]) / 2, w);
        d.Texto({medio, yLongitudes}, texto, l.ColorTexto(), tamano);
        fila.push_back({medio - w / 2, medio + w / 2});
    }
    if (unaFila) {
        fila.insert(fila.end(), numeros.begin(), numeros.end());
        return cabe && FilaLibre(fila, kAireTextos * h);
    }
    return cabe && FilaLibre(numeros, kAireTextos * h);
}

// The supports of the strip's nodes on an axis at `y`: a triangle under a pinned node, a
// hatched wall at a fixed end (the whole depth of the beam in the reinforcement picture),
// a white mark on an unsupported interior node.
void Apoyos(DibujoPagina& d, const Proyecto& p, const Tira& t, const std::vector<double>& x,
            double y, double medioCanto, Color color) {
    const Trazo trazo{2, color};
    for (const ApoyoDibujo& a : ApoyosViga(p, x, y, kEscalaApoyos)) {
        if (a.nudo < t.primero + 1 || a.nudo > t.ultimo + 2) continue;
        switch (a.simbolo) {
            case SimboloApoyo::Triangulo: {
                Poligonal q = a.figura;
                q.push_back(q.front());
                d.Lineas(q, trazo);
                break;
            }
            case SimboloApoyo::Empotramiento: {
                Rectangulo r = Caja(a.figura);
                if (medioCanto > 0) {
                    r.y = y - 2 * medioCanto - 60;
                    r.alto = 2 * (medioCanto + 60);
                }
                d.Rect(r, trazo, Relleno::kRayado, color);
                break;
            }
            case SimboloApoyo::Libre:
                if (!a.marca.Vacio())
                    d.Circulo(a.marca.Centro(), a.marca.ancho / 2, trazo, Relleno::kSolido,
                              kBlanco);
                break;
        }
    }
}

void Flecha(DibujoPagina& d, Punto desde, Punto hasta, Color c) {
    d.Linea(desde, hasta, {20, c});
    const double largo = std::hypot(hasta.x - desde.x, hasta.y - desde.y);
    if (largo <= 0) return;
    const Punto dir = (hasta - desde) * (1 / largo);
    const Punto normal{-dir.y, dir.x};
    const Punto base = hasta - dir * kPunta;
    d.Poligono({hasta, base + normal * (kPunta * 0.38), base - normal * (kPunta * 0.38)}, {20, c},
               Relleno::kSolido, c);
}

// Load values in rows above the arrows, read left to right: with `k` rows, every k-th value
// goes to the same row, each as near its load as the others of its row let it be (a value
// moved off its load gets a thin line to it). The fewest rows, up to `maximas`, that keep
// every value within `corrimiento` of its widths from its load, else the fewest that hold
// the values at all; false in `cabe` when that takes more than `filas` rows or moves a
// value further. Returns the rows used.
int EscribeValores(DibujoPagina& d, const Letras& l, double yAbajo, int filas, int maximas,
                   double corrimiento, std::vector<TextoPagina> valores, double izquierda,
                   double derecha, bool& cabe) {
    std::stable_sort(
        valores.begin(), valores.end(),
        [](const TextoPagina& a, const TextoPagina& b) { return a.ancla.x < b.ancla.x; });
    const size_t n = valores.size();
    if (n == 0) return 0;
    const double h = l.Alto();
    const double aire = kAireTextos * h;
    std::vector<double> anchos;
    for (const TextoPagina& v : valores) anchos.push_back(l.Ancho(v.texto));

    // Left edges of the values of one row: pushed right past their left neighbours, then
    // pulled back left of their right neighbours and the right margin. The largest move.
    std::vector<double> inicio(n);
    auto coloca = [&](size_t k, size_t cuantas) {
        double mayor = 0, fin = -1e300, ocupado = -aire;
        for (size_t i = k; i < n; i += cuantas) ocupado += anchos[i] + aire;
        // A row wider than the body cannot hold its values side by side.
        if (ocupado > derecha - izquierda) return 1e300;
        for (size_t i = k; i < n; i += cuantas) {
            inicio[i] =
                std::max(std::max(valores[i].ancla.x - anchos[i] / 2, izquierda), fin + aire);
            fin = inicio[i] + anchos[i];
        }
        double limite = derecha;
        size_t ultima = k + (n - 1 - k) / cuantas * cuantas;
        for (size_t i = ultima;; i -= cuantas) {
            inicio[i] = std::min(inicio[i], limite - anchos[i]);
            limite = inicio[i] - aire;
            mayor = std::max(mayor,
                             std::fabs(inicio[i] + anchos[i] / 2 - valores[i].ancla.x) / anchos[i]);
            if (i < cuantas || i - cuantas < k) break;
        }
        return mayor;
    };
    auto mueve = [&](size_t cuantas) {
        double mayor = 0;
        for (size_t k = 0; k < cuantas && k < n; ++k) mayor = std::max(mayor, coloca(k, cuantas));
        return mayor;
    };
    const size_t tope = std::clamp<size_t>(static_cast<size_t>(std::max(maximas, 1)), 1, n);
    size_t filasUsadas = 0;
    for (size_t k = 1; k <= tope && !filasUsadas; ++k)
        if (mueve(k) <= corrimiento) filasUsadas = k;
    for (size_t k = 1; k <= tope && !filasUsadas; ++k)
        if (mueve(k) < 1e300) filasUsadas = k;
    if (!filasUsadas) filasUsadas = tope;
    const double mayor = mueve(filasUsadas);
    if (static_cast<int>(filasUsadas) > filas || mayor > corrimiento) cabe = false;
    for (size_t i = 0; i < n; ++i) {
        TextoPagina v = valores[i];
        const double x = v.ancla.x;
        v.ancla = {inicio[i] + anchos[i] / 2,
                   yAbajo - static_cast<double>(i % filasUsadas + 1) * h};
        if (std::fabs(v.ancla.x - x) > anchos[i] / 2)
            d.Linea({v.ancla.x, v.ancla.y + h}, {x, -kFlecha}, {0, v.color});
        d.textos.push_back(v);
    }
    return static_cast<int>(std::min(filasUsadas, n));
}

DibujoPagina GeometriaCargas(const SuperficiePagina& s, const Proyecto& p, const Tira& t, double x1,
                             double x2) {
    DibujoPagina d;
    const Letras l(s);
    const double h = l.Alto();
    double escala = 1;
    const std::vector<double> x = NudosTira(p, t, x1, x2, &escala);
    const Color color = s.TrazoActual().color;
    d.Linea({x[t.primero], 0}, {x[t.ultimo + 1], 0}, {25, color});
    Apoyos(d, p, t, x, 0, 0, color);

    // A hatched band over every loaded span, pulled in at the beam's two ends.
    const int n = VanosDe(p);
    for (int i = t.primero; i <= t.ultimo; ++i) {
        if (!(p.vanos[i].cargaUltima > 0)) continue;
        const double a = x[i] + (i == 0 ? 10 : 0);
        const double b = x[i + 1] - (i == n - 1 ? 10 : 0);
        if (b > a)
            d.Rect(RectanguloEntre({a, -kBandaArriba}, {b, -kBandaAbajo}), {2, color},
                   Relleno::kRayado, color);
    }

    std::vector<TextoPagina> valores;
    auto valor = [&](double xv, double v, Color c) {
        valores.push_back(
            {{xv, 0}, Formatea(Finito(v), "0.00"), Alineacion::kCentro, c, l.Tamano()});
    };
    for (const CargaConcentrada& c : p.cargas) {
        if (c.vano < t.primero + 1 || c.vano > t.ultimo + 1) continue;
        const int i = c.vano - 1;
        const double xc = x[i] + std::clamp(Finito(c.distancia), 0.0, Largo(p, i)) * escala;
        const Punto arriba{xc, -kFlecha}, abajo{xc, 0};
        if (c.carga >= 0)
            Flecha(d, arriba, abajo, kAzulApoyo);
        else
            Flecha(d, abajo, arriba, kAzulApoyo);
        valor(xc, c.carga, kAzulApoyo);
    }
    for (const CargaNudo& c : p.cargasNudo) {
        if (c.nudo < t.primero + 1 || c.nudo > t.ultimo + 2) continue;
        const double xn = x[c.nudo - 1];
        if (c.fuerza != 0 && std::isfinite(c.fuerza)) {
            const Punto arriba{xn, -kFlecha}, abajo{xn, 0};
            if (c.fuerza < 0)
                Flecha(d, arriba, abajo, kRojoVano);
            else
                Flecha(d, abajo, arriba, kRojoVano);
            valor(xn, c.fuerza, kRojoVano);
        }
        if (c.momento != 0 && std::isfinite(c.momento)) {
            // The arc over the node, its head at the end the moment turns towards.
            const double desde = kPi / 6, hasta = 5 * kPi / 6;
            d.Arco({xn, 0}, kRadioMomento, desde, hasta, {20, kRojoVano});
            const double fin = c.momento > 0 ? hasta : desde;
            const Punto punta{xn + kRadioMomento * std::cos(fin), -kRadioMomento * std::sin(fin)};
            const double sentido = c.momento > 0 ? 1.0 : -1.0;
            const Punto tangente{-std::sin(fin) * sentido, -std::cos(fin) * sentido};
            Flecha(d, punta - tangente * (kPunta * 1.2), punta, kRojoVano);
            valor(xn + kRadioMomento, c.momento, kRojoVano);
        }
    }
    const double izquierda = s.Margen(kMargenIzquierda);
    const double derecha = s.AnchoPagina() - s.Margen(kMargenDerecha);
    // As many rows as the page holds at most; a single span, which no strip can split
    // further, may take them all.
    const double abajo = kNumerosCargas + 2 * h;
    const int enPagina =
        std::max(1, static_cast<int>((s.AltoCuerpo() - kFlecha - 30 - abajo) / std::max(h, 1.0)));
    const bool sola = t.primero == t.ultimo;
    const int filas = EscribeValores(d, l, -kFlecha - 30, sola ? enPagina : kFilasValores, enPagina,
                                     kCorrimiento, valores, izquierda, derecha, d.cabe);
    d.cabe = NumerosYLongitudes(d, s, l, p, t, x, kNumerosCargas, false) && d.cabe;
    d.arriba = kFlecha + 30 + std::max(filas, 1) * h;
    d.abajo = abajo;
    return d;
}

// The parts of the results that belong to the strip's spans.
Resultados ResultadosTira(const Resultados& r, const Tira& t) {
    Resultados sub;
    auto corta = [&t](const auto& v) {
        using V = std::decay_t<decltype(v)>;
        const size_t a = std::min(v.size(), static_cast<size_t>(t.primero));
        const size_t b = std::min(v.size(), static_cast<size_t>(t.ultimo + 1));
        return V(v.begin() + static_cast<std::ptrdiff_t>(a),
                 v.begin() + static_cast<std::ptrdiff_t>(b));
    };
    sub.diagramas = corta(r.diagramas);
    sub.momMaxVano = corta(r.momMaxVano);
    sub.posMomMax = corta(r.posMomMax);
    sub.numVanos = static_cast<int>(sub.diagramas.size());
    if (r.envolventes) {
        Envolventes env;
        env.metodo = r.envolventes->metodo;
        env.maximos = corta(r.envolventes->maximos);
        env.minimos = corta(r.envolventes->minimos);
        env.vanos = corta(r.envolventes->vanos);
        sub.envolventes = std::move(env);
    }
    return sub;
}

DibujoPagina GeometriaDiagrama(const SuperficiePagina& s, Magnitud m, const Proyecto& p,
                               const Resultados& r, const Tira& t, double x1, double x2,
                               double escala, double ordenada, Color color,
                               bool envolvente = false) {
    DibujoPagina d;
    const Letras l(s);
    const double h = l.Alto();
    const std::vector<double> x = NudosTira(p, t, x1, x2);
    std::vector<double> longitudes;
    for (int i = t.primero; i <= t.ultimo; ++i) longitudes.push_back(Largo(p, i));
    const LineaBase eje{x1, x2, 0};
    const double escH = EscalaHorizontal(eje, longitudes);
    const Resultados sub = ResultadosTira(r, t);
    const int vanos = static_cast<int>(longitudes.size());

    d.Linea({x1, 0}, {x2, 0}, {15, kNegroPagina});
    for (int j = t.primero; j <= t.ultimo + 1; ++j)
        d.Linea({x[j], -kTicNudo}, {x[j], kTicNudo}, {8, kNegroPagina});
    const Poligonal curva = PuntosCurva(eje, escH, escala, sub.diagramas, vanos, m);
    if (curva.empty()) {  // nothing to draw: a flat line on the axis
        d.Linea({x1, 0}, {x2, 0}, {10, color});
    } else {
        std::vector<Poligonal> obstaculos{curva};
        std::vector<ValorEscrito> v;
        if (envolvente && sub.envolventes) {
            // The all-loaded case thin, the two envelope curves as the diagram's line.
            d.Lineas(curva, {4, color});
            obstaculos = {PuntosCurva(eje, escH, escala, sub.envolventes->maximos, vanos, m),
                          PuntosCurva(eje, escH, escala, sub.envolventes->minimos, vanos, m)};
            for (const Poligonal& e : obstaculos) d.Lineas(e, {10, color});
            v = ValoresEnvolvente(eje, escH, escala, sub, vanos, m);
        } else {
            d.Lineas(curva, {10, color});
            v = ValoresCurva(eje, escH, escala, sub, vanos, m);
        }
        std::vector<Tamano> tamanos;
        std::vector<std::string> textos;
        for (const auto& valor : v) {
            textos.push_back(Formatea(valor.valor, "0.00"));
            tamanos.push_back({l.Ancho(textos.back()) + 40, h});
        }
        // The values stay between the side margins and within the diagram's own band, off
        // its title and the next picture.
        const double izquierda = s.Margen(kMargenIzquierda);
        const double derecha = s.AnchoPagina() - s.Margen(kMargenDerecha);
        const double alcance = ordenada + kHolguraDiagrama;
        const Rectangulo limites{izquierda, -alcance, std::max(0.0, derecha - izquierda),
                                 2 * alcance};
        int forzadas = 0;
        const auto cajas = ColocaEtiquetas(v, tamanos, obstaculos, eje, limites, 40, &forzadas);
        d.cabe = forzadas == 0;
        for (size_t i = 0; i < cajas.size(); ++i)
            d.Texto({cajas[i].Centro().x, cajas[i].Arriba()}, textos[i], color, l.Tamano());
    }
    const double yNumeros = ordenada + kHolguraDiagrama + kNumerosDiagrama;
    std::vector<std::pair<double, double>> numeros;
    for (int j = t.primero + 1; j <= t.ultimo + 2; ++j) {
        const std::string texto = std::to_string(j);
        const double w = l.Ancho(texto);
        const double xn = EnElCuerpo(s, x[j - 1], w);
        d.Texto({xn, yNumeros}, texto, l.ColorTexto(), l.Tamano());
        numeros.push_back({xn - w / 2, xn + w / 2});
    }
    d.cabe = FilaLibre(numeros, kAireTextos * h) && d.cabe;
    d.arriba = ordenada + kHolguraDiagrama;
    d.abajo = yNumeros + h;
    return d;
}

DibujoPagina GeometriaRefuerzoTira(const SuperficiePagina& s, const Proyecto& p,
                                   const TablaDetallado& tabla, const Despiece& despiece,
                                   const Tira& t, double x1, double x2, Color color) {
    DibujoPagina d;
    const Letras l(s);
    const double h = l.Alto();
    const auto mide = [&l](const std::string& texto) { return l.Ancho(texto); };
    GeometriaRefuerzo g =
        CalculaGeometriaRefuerzo(p, tabla, despiece, x1, x2, 0, mide, h, t.primero, t.ultimo);
    // A page too low for the row of cut-off dimensions goes without them.
    if (g.conCotas && AlturaSobreEjeConCotas(h) + AlturaBajoEje(h) > s.AltoCuerpo())
        g = CalculaGeometriaRefuerzo(p, tabla, despiece, x1, x2, 0, mide, h, t.primero, t.ultimo,
                                     false);
    const std::vector<double> x = NudosTira(p, t, x1, x2);
    const Rectangulo& c = g.contorno;
    d.Rect(c, {15, kNegroPagina}, Relleno::kNinguno, {});
    Apoyos(d, p, t, x, cotas_refuerzo::kMedioCanto, cotas_refuerzo::kMedioCanto,
           s.TrazoActual().color);
    for (const Segmento& e : g.cortes) d.Linea(e.p1, e.p2, {8, kNegroPagina});
    for (const Segmento& e : g.cotas) d.Linea(e.p1, e.p2, {4, kNegroPagina});
    for (const Segmento& e : g.estribos) d.Linea(e.p1, e.p2, {4, color});
    for (const BarraElevacion& b : g.barras) d.Lineas(b.trazo, {25, color});
    for (const TextoElevacion& e : g.textos)
        d.Texto(e.ancla, e.texto, e.fila == FilaTexto::kCorte ? l.ColorTexto() : color, l.Tamano());
    d.cabe = NumerosYLongitudes(d, s, l, p, t, x, kNumerosRefuerzo, true) && g.omitidas == 0;
    d.arriba = g.conCotas ? AlturaSobreEjeConCotas(h) : AlturaSobreEje(h);
    d.abajo = AlturaBajoEje(h);
    return d;
}

// Draws a picture in strips from the current y. `calcula` gives a strip's picture for the
// beam between x1 and x2; a one-span beam takes the middle third of the body while its
// picture fits there. `titulo` (when set) prints the picture's title, kept on the page of
// the first strip, and again, continued, on each later page; `altoTitulo` is its height.
using CalculaTira = std::function<DibujoPagina(const Tira&, double x1, double x2)>;
void DibujaEnTiras(SuperficiePagina& s, const Proyecto& p, const CalculaTira& calcula,
                   const std::function<void(bool continua)>& titulo = {}, double altoTitulo = 0) {
    const int n = VanosDe(p);
    if (n == 0) return;
    const double izquierda = s.Margen(kMargenIzquierda);
    const double w = s.AnchoPagina() - izquierda - s.Margen(kMargenDerecha);
    const double cuerpo = s.AltoCuerpo();
    // Across the body, as far in from its sides as a node's moment arc reaches.
    const double dentro = std::min(std::max(0.05 * w, kRadioMomento + 30), w / 4);
    const MarcoVigaPagina ancho{izquierda + dentro, izquierda + w - dentro, 0};
    std::map<std::pair<int, int>, DibujoPagina> dibujos;
    auto dibujo = [&](const Tira& t) -> const DibujoPagina& {
        auto [it, nuevo] = dibujos.try_emplace({t.primero, t.ultimo});
        if (nuevo) {
            if (n == 1) {
                const MarcoVigaPagina tercio = MarcoViga(s, 1, 0);
                it->second = calcula(t, tercio.x1, tercio.x2);
                if (it->second.cabe) return it->second;
            }
            it->second = calcula(t, ancho.x1, ancho.x2);
        }
        return it->second;
    };
    std::vector<double> longitudes;
    for (int i = 0; i < n; ++i) longitudes.push_back(Largo(p, i));
    const std::vector<Tira> tiras = DivideEnTiras(longitudes, [&](const Tira& t) {
        const DibujoPagina& d = dibujo(t);
        return d.cabe && d.arriba + d.abajo <= cuerpo;
    });
    for (size_t k = 0; k < tiras.size(); ++k) {
        const DibujoPagina& d = dibujo(tiras[k]);
        const double alto = d.arriba + d.abajo;
        const int pagina = s.Pagina();
        if (k == 0 && titulo) {
            s.AseguraEspacio(altoTitulo + alto);
            titulo(false);
        } else {
            if (k > 0) s.FijaY(s.Y() + kEntreTiras);
            s.AseguraEspacio(alto);
            if (titulo && s.Pagina() != pagina) titulo(true);
        }
        PintaDibujo(s, d, s.Y() + d.arriba);
        s.FijaX(izquierda);
        s.FijaY(s.Y() + alto);
    }
}

}  // namespace

void DibujaCargasInforme(SuperficiePagina& s, const Proyecto& p) {
    DibujaEnTiras(s, p, [&](const Tira& t, double x1, double x2) {
        return GeometriaCargas(s, p, t, x1, x2);
    });
}

namespace {

// A diagram of the run or of the envelopes in strips of the body, titled `nombre` ("...
// (continuacion)" on the strips after the first).
void DibujaCurvasEnTiras(SuperficiePagina& s, const ConfiguracionInforme& c,
                         const std::string& nombre, Magnitud m, const Proyecto& p,
                         const Resultados& r, double escala, Color color, bool envolvente) {
    const double altoTitulo = AltoTitulo(s, c, nombre + " (continuacion)");
    // The largest ordinate: 1000 twips, less where the body is not tall enough for the
    // diagram with its title, its values and its node numbers.
    const double cuerpo = s.AltoCuerpo();
    const double libre =
        cuerpo - altoTitulo - kNumerosDiagrama - s.AltoTexto() - 2 * kHolguraDiagrama;
    const double ordenada = std::clamp(libre / 2, 100.0, kOrdenada);
    const double escV = std::isfinite(escala) && escala > 0 ? escala * ordenada / kOrdenada : 0.0;
    DibujaEnTiras(
        s, p,
        [&](const Tira& t, double x1, double x2) {
            return GeometriaDiagrama(s, m, p, r, t, x1, x2, escV, ordenada, color, envolvente);
        },
        [&](bool continua) {
            EscribeTituloSeccion(s, c, continua ? nombre + " (continuacion)" : nombre);
        },
        altoTitulo);
}

}  // namespace

void DibujaDiagramaInforme(SuperficiePagina& s, const ConfiguracionInforme& c, Magnitud m,
                           const Proyecto& p, const Resultados& r, double escala, Color color) {
    DibujaCurvasEnTiras(s, c,
                        m == Magnitud::kMomento ? "Diagrama de Momento" : "Diagrama de Cortante", m,
                        p, r, escala, color, false);
}

void DibujaEnvolventeInforme(SuperficiePagina& s, const ConfiguracionInforme& c, Magnitud m,
                             const Proyecto& p, const Resultados& r, double escala, Color color) {
    if (!r.envolventes) return;
    DibujaCurvasEnTiras(
        s, c, m == Magnitud::kMomento ? "Envolvente de Momento" : "Envolvente de Cortante", m, p, r,
        escala, color, true);
}

void DibujaRefuerzoInforme(SuperficiePagina& s, const Proyecto& p, const TablaDetallado& t,
                           const Despiece& d, Color color) {
    DibujaEnTiras(s, p, [&](const Tira& tira, double x1, double x2) {
        return GeometriaRefuerzoTira(s, p, t, d, tira, x1, x2, color);
    });
}

void DibujaSecciones(SuperficiePagina& s, const Proyecto& p, const TablaDetallado& t,
                     const Despiece& d, Color color) {
    const int n = VanosDe(p);
    struct Dibujada {
        const FilaDetallado* fila;
        double b, h;
        bool abajo;  // its additional bars at the bottom
    };
    // Each row with its span's section: a support takes the span on its left (support 1
    // the first span), as its bottom bars do.
    std::vector<Dibujada> filas;
    for (size_t k = 0; k < t.filas.size(); ++k) {
        if (t.filas[k].sec.empty() || n == 0) continue;
        const int vano = std::clamp(
            k % 2 == 1 ? static_cast<int>(k / 2) : static_cast<int>(k / 2) - 1, 0, n - 1);
        filas.push_back({&t.filas[k], Finito(p.vanos[vano].base), Finito(p.vanos[vano].altura),
                         AdicionalesAbajo(d, static_cast<int>(k))});
    }
    if (filas.empty()) return;

    const double izquierda = s.Margen(kMargenIzquierda);
    const double derecha = s.AnchoPagina() - s.Margen(kMargenDerecha);
    const double h = s.AltoTexto();
    // A line of cells as tall as designed, or as the body when that is less.
    const double altoLinea = std::min(kAltoLineaSecciones, s.AltoCuerpo());
    // One scale for all, the largest that fits every outline in its cell.
    constexpr double kEscalaMayor = 40;  // twips per cm
    const double anchoMax =
        std::clamp(std::min(kAnchoCeldaSeccion, derecha - izquierda) - kSangriaSeccion - 200, 300.0,
                   kAnchoCeldaSeccion - kSangriaSeccion - 300);
    const double arribaCelda = std::min(150.0, altoLinea / 10);
    const double altoMax = std::max(100.0, altoLinea - arribaCelda - h - 200);
    double escala = kEscalaMayor;
    for (const Dibujada& d : filas) {
        const Tamano e = ExtensionSeccion(d.fila->tipo, d.b, d.h);
        if (e.ancho > 0) escala = std::min(escala, anchoMax / e.ancho);
        if (e.alto > 0) escala = std::min(escala, altoMax / e.alto);
    }
    const double recub = LeeDatosNumericos(p.datos).recub;

    const auto celdas =
        ColocaCeldasSecciones(static_cast<int>(filas.size()), izquierda, derecha, s.Y(),
                              s.Margen(kMargenArriba), s.LimiteInferior(), altoLinea);
    const Trazo antes = s.TrazoActual();
    int pagina = 0;
    for (size_t i = 0; i < filas.size(); ++i) {
        const CeldaSeccion& celda = celdas[i];
        while (pagina < celda.pagina) {
            s.NuevaPagina();
            ++pagina;
        }
        const Punto esquina{celda.x + kSangriaSeccion, celda.y + arribaCelda};
        const GeometriaSeccion g = CalculaSeccion(*filas[i].fila, filas[i].b, filas[i].h, recub,
                                                  esquina, escala, 12, filas[i].abajo);
        s.FijaRelleno(Relleno::kNinguno);
        s.FijaColorLinea(kNegroPagina);
        s.FijaAnchoLinea(15);
        s.Poligono(g.contorno);
        s.FijaColorLinea(color);
        s.FijaAnchoLinea(6);
        const Rectangulo& e = g.estribo;
        if (!e.Vacio()) s.Rectangulo(e.Izquierda(), e.Arriba(), e.Derecha(), e.Abajo());
        s.FijaRelleno(Relleno::kSolido, color);
        for (const auto* grupo : {&g.inferiores, &g.superiores})
            for (const BarraSeccion& b : *grupo) s.Circulo(b.centro.x, b.centro.y, b.radio);
        s.FijaRelleno(Relleno::kNinguno);
        s.TextoEn(g.caja.Centro().x, esquina.y + altoMax + 100, filas[i].fila->sec,
                  Alineacion::kCentro);
    }
    s.FijaAnchoLinea(antes.ancho);
    s.FijaColorLinea(antes.color);
    s.FijaX(izquierda);
    s.FijaY(celdas.back().y + altoLinea);
}

}  // namespace trabelux
