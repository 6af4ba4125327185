// The report's pictures painted on the page surface from the drawings' shared geometry;
// see dibujos.h.
#include "reporte/dibujos.h"

#include <algorithm>
#include <cmath>

#include "dibujo/geometria_diagramas.h"
#include "dibujo/geometria_refuerzo.h"
#include "dibujo/geometria_secciones.h"
#include "dibujo/geometria_viga.h"
#include "texto/numeros.h"

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

double Finito(double v) { return std::isfinite(v) ? v : 0.0; }

int VanosDe(const Proyecto& p) {
    return std::clamp(std::min(p.numVanos, static_cast<int>(p.vanos.size())), 0, kMaxVanos);
}

// x of nodes 1..n+1: the page scale is the frame over the total length, 1 without length.
std::vector<double> Nudos(const Proyecto& p, const MarcoVigaPagina& m, double* escala = nullptr) {
    const int n = VanosDe(p);
    double total = 0;
    for (int i = 0; i < n; ++i) total += std::max(0.0, Finito(p.vanos[i].longitud));
    const double e = total > 0 ? (Finito(m.x2) - Finito(m.x1)) / total : 1.0;
    std::vector<double> x{Finito(m.x1)};
    for (int i = 0; i < n; ++i)
        x.push_back(x.back() + std::max(0.0, Finito(p.vanos[i].longitud)) * e);
    if (escala) *escala = e;
    return x;
}

// The text colour for a while; the style is put back when it goes.
class ColorTexto {
  public:
    ColorTexto(SuperficiePagina& s, Color c) : s_(s), antes_(s.Estilo()) {
        EstiloTexto e = antes_;
        e.color = c;
        s_.SetEstilo(e);
    }
    ~ColorTexto() { s_.SetEstilo(antes_); }

  private:
    SuperficiePagina& s_;
    EstiloTexto antes_;
};

void Flecha(SuperficiePagina& s, Punto desde, Punto hasta, Color c) {
    s.SetColorLinea(c);
    s.Linea(desde.x, desde.y, hasta.x, hasta.y);
    const double largo = std::hypot(hasta.x - desde.x, hasta.y - desde.y);
    if (largo <= 0) return;
    const Punto dir = (hasta - desde) * (1 / largo);
    const Punto normal{-dir.y, dir.x};
    const Punto base = hasta - dir * kPunta;
    s.SetRelleno(Relleno::kSolido, c);
    s.Poligono({hasta, base + normal * (kPunta * 0.38), base - normal * (kPunta * 0.38)});
    s.SetRelleno(Relleno::kNinguno);
}

// Load values share rows above the arrows: from left to right, a value goes to the first
// row where it does not touch its left neighbour; with every row taken it is left to the
// load tables.
class FilasValores {
  public:
    FilasValores(SuperficiePagina& s, double yAbajo, int filas)
        : s_(s), yAbajo_(yAbajo), filas_(filas) {}
    void Agrega(double x, const std::string& texto, Color c) { valores_.push_back({x, texto, c}); }
    void Escribe() {
        std::stable_sort(valores_.begin(), valores_.end(),
                         [](const Valor& a, const Valor& b) { return a.x < b.x; });
        std::vector<double> fin(static_cast<size_t>(filas_), -1e300);
        const double h = s_.AltoTexto();
        const double izquierda = s_.Margen(kMargenIzquierda);
        const double derecha = s_.AnchoPagina() - s_.Margen(kMargenDerecha);
        for (Valor v : valores_) {
            const double w = s_.AnchoTexto(v.texto);
            if (derecha - izquierda >= w) v.x = std::clamp(v.x, izquierda + w / 2, derecha - w / 2);
            for (size_t k = 0; k < fin.size(); ++k) {
                if (v.x - w / 2 < fin[k] + 0.3 * h) continue;
                fin[k] = v.x + w / 2;
                ColorTexto color(s_, v.color);
                s_.TextoEn(v.x, yAbajo_ - (k + 1) * h, v.texto, Alineacion::kCentro);
                break;
            }
        }
    }

  private:
    struct Valor {
        double x;
        std::string texto;
        Color color;
    };
    SuperficiePagina& s_;
    double yAbajo_;
    int filas_;
    std::vector<Valor> valores_;
};

}  // namespace

void DibApoy(SuperficiePagina& s, const Proyecto& p, const MarcoVigaPagina& marco, char codigo) {
    const std::vector<double> x = Nudos(p, marco);
    const int n = static_cast<int>(x.size()) - 1;
    if (n < 1) return;
    const bool refuerzo = codigo == 'R';
    const double y = Finito(marco.y);
    // Under the outline of the reinforcement picture, on the axis of the loads picture.
    const double yApoyo = refuerzo ? y + cotas_refuerzo::kMedioCanto : y;
    const Color linea = s.TrazoActual().color;
    for (ApoyoDibujo a : ApoyosViga(p, x, yApoyo, kEscalaApoyos)) {
        switch (a.simbolo) {
            case SimboloApoyo::Triangulo: {
                Poligonal t = a.figura;
                t.push_back(t.front());
                s.Lineas(t);
                break;
            }
            case SimboloApoyo::Empotramiento: {
                Rectangulo r = Caja(a.figura);
                if (refuerzo) {  // the wall holds the whole depth of the beam
                    r.y = y - cotas_refuerzo::kMedioCanto - 60;
                    r.alto = 2 * (cotas_refuerzo::kMedioCanto + 60);
                }
                s.SetRelleno(Relleno::kRayado, linea);
                s.Rectangulo(r.Izquierda(), r.Arriba(), r.Derecha(), r.Abajo());
                break;
            }
            case SimboloApoyo::Libre:
                if (!a.marca.Vacio()) {
                    s.SetRelleno(Relleno::kSolido, kBlanco);
                    const Punto c = a.marca.Centro();
                    s.Circulo(c.x, c.y, a.marca.ancho / 2);
                }
                break;
        }
        s.SetRelleno(Relleno::kNinguno);
    }
    // Each length at its span, in a smaller letter where the span is short; one that
    // does not fit even so is left to the span table.
    const double yTexto = yApoyo + 150 + (refuerzo ? 0 : 20);
    const double letra = s.Estilo().tamano;
    for (int i = 0; i < n; ++i) {
        const std::string texto = Formatea(std::max(0.0, Finito(p.vanos[i].longitud)), "0.00");
        const double hueco = x[i + 1] - x[i] - 40;
        const double ancho = s.AnchoTexto(texto);
        const double tamano = ancho > hueco && ancho > 0 ? letra * hueco / ancho : letra;
        if (tamano < 0.6 * letra) continue;
        s.SetTamanoLetra(tamano);
        s.TextoEn((x[i] + x[i + 1]) / 2, yTexto, texto, Alineacion::kCentro);
        s.SetTamanoLetra(letra);
    }
}

void DibujaCargasInforme(SuperficiePagina& s, const Proyecto& p, const MarcoVigaPagina& marco) {
    const double y = Finito(marco.y);
    double escala = 1;
    const std::vector<double> x = Nudos(p, marco, &escala);
    const int n = static_cast<int>(x.size()) - 1;
    const Trazo antes = s.TrazoActual();
    s.SetAnchoLinea(25);
    s.Linea(x.front(), y, x.back(), y);
    s.SetAnchoLinea(2);
    DibApoy(s, p, marco, 'V');

    // A hatched band over every loaded span, pulled in at the beam's two ends.
    for (int i = 0; i < n; ++i) {
        if (!(p.vanos[i].cargaUltima > 0)) continue;
        const double a = x[i] + (i == 0 ? 10 : 0);
        const double b = x[i + 1] - (i == n - 1 ? 10 : 0);
        if (!(b > a)) continue;
        s.SetRelleno(Relleno::kRayado, antes.color);
        s.Rectangulo(a, y - kBandaArriba, b, y - kBandaAbajo);
    }
    s.SetRelleno(Relleno::kNinguno);

    // Concentrated loads (downwards positive) and node loads (force upwards positive,
    // moment counterclockwise positive), their values in rows above the arrows.
    FilasValores valores(s, y - kFlecha - 30, 2);
    s.SetAnchoLinea(20);
    for (const CargaConcentrada& c : p.cargas) {
        if (c.vano < 1 || c.vano > n) continue;
        const int i = c.vano - 1;
        const double largo = std::max(0.0, Finito(p.vanos[i].longitud));
        const double xc = x[i] + std::clamp(Finito(c.distancia), 0.0, largo) * escala;
        const Punto arriba{xc, y - kFlecha}, abajo{xc, y};
        if (c.carga >= 0)
            Flecha(s, arriba, abajo, kAzulApoyo);
        else
            Flecha(s, abajo, arriba, kAzulApoyo);
        valores.Agrega(xc, Formatea(Finito(c.carga), "0.00"), kAzulApoyo);
    }
    for (const CargaNudo& c : p.cargasNudo) {
        if (c.nudo < 1 || c.nudo > n + 1) continue;
        const double xn = x[c.nudo - 1];
        if (c.fuerza != 0 && std::isfinite(c.fuerza)) {
            const Punto arriba{xn, y - kFlecha}, abajo{xn, y};
            if (c.fuerza < 0)
                Flecha(s, arriba, abajo, kRojoVano);
            else
                Flecha(s, abajo, arriba, kRojoVano);
            valores.Agrega(xn, Formatea(c.fuerza, "0.00"), kRojoVano);
        }
        if (c.momento != 0 && std::isfinite(c.momento)) {
            // The arc over the node, its head at the end the moment turns towards.
            const double desde = kPi / 6, hasta = 5 * kPi / 6;
            s.SetColorLinea(kRojoVano);
            s.Arco(xn, y, kRadioMomento, desde, hasta);
            const double fin = c.momento > 0 ? hasta : desde;
            const Punto punta{xn + kRadioMomento * std::cos(fin),
                              y - kRadioMomento * std::sin(fin)};
            const double sentido = c.momento > 0 ? 1.0 : -1.0;
            const Punto tangente{-std::sin(fin) * sentido, -std::cos(fin) * sentido};
            Flecha(s, punta - tangente * (kPunta * 1.2), punta, kRojoVano);
            valores.Agrega(xn + kRadioMomento, Formatea(c.momento, "0.00"), kRojoVano);
        }
    }
    valores.Escribe();
    s.SetAnchoLinea(antes.ancho);
    s.SetColorLinea(antes.color);
}

void DibujaDiagramaInforme(SuperficiePagina& s, char tipo, const Proyecto& p, const Resultados& r,
                           const MarcoVigaPagina& marco, double escala, Color color) {
    const Magnitud m = tipo == 'M' ? Magnitud::kMomento : Magnitud::kCortante;
    const int n = VanosDe(p);
    const VigaDibujo viga = VigaDeProyecto(p, n);
    const LineaBase l{Finito(marco.x1), Finito(marco.x2), Finito(marco.y)};
    const double escH = EscalaHorizontal(l, viga.longitudes);
    const double escV = std::isfinite(escala) && escala > 0 ? escala : 0.0;
    const Trazo antes = s.TrazoActual();

    s.SetColorLinea(kNegroPagina);
    s.SetAnchoLinea(15);
    s.Linea(l.x1, l.y, l.x2, l.y);
    s.SetColorLinea(color);
    s.SetAnchoLinea(10);
    const Poligonal curva = PuntosCurva(l, escH, escV, r.diagramas, n, m);
    if (curva.empty()) {  // nothing to draw: a flat line on the axis
        s.Linea(l.x1, l.y, l.x2, l.y);
    } else {
        s.Lineas(curva);
        const auto v = ValoresCurva(l, escH, escV, r, n, m);
        std::vector<Tamano> tamanos;
        std::vector<std::string> textos;
        for (const auto& x : v) {
            textos.push_back(Formatea(x.valor, "0.00"));
            tamanos.push_back({s.AnchoTexto(textos.back()) + 40, s.AltoTexto()});
        }
        // The values stay on the page, between the margins.
        const double izquierda = s.Margen(kMargenIzquierda);
        const double derecha = s.AnchoPagina() - s.Margen(kMargenDerecha);
        const Rectangulo limites{izquierda, 0, std::max(0.0, derecha - izquierda), s.AltoPagina()};
        const auto cajas = ColocaEtiquetas(v, tamanos, {curva}, l, limites);
        ColorTexto c(s, color);
        for (size_t i = 0; i < cajas.size(); ++i)
            s.TextoEn(cajas[i].Centro().x, cajas[i].Arriba(), textos[i], Alineacion::kCentro);
    }
    s.SetAnchoLinea(antes.ancho);
    s.SetColorLinea(antes.color);
}

void DibujaRefuerzoInforme(SuperficiePagina& s, const Proyecto& p, const TablaDetallado& t,
                           const MarcoVigaPagina& marco, Color color) {
    const GeometriaRefuerzo g = CalculaGeometriaRefuerzo(
        p, t, marco.x1, marco.x2, marco.y, [&s](const std::string& x) { return s.AnchoTexto(x); },
        s.AltoTexto());
    if (g.xNudos.size() < 2) return;
    const Trazo antes = s.TrazoActual();
    s.SetColorLinea(kNegroPagina);
    s.SetAnchoLinea(15);
    s.SetRelleno(Relleno::kNinguno);
    const Rectangulo& c = g.contorno;
    s.Rectangulo(c.Izquierda(), c.Arriba(), c.Derecha(), c.Abajo());
    s.SetAnchoLinea(2);
    DibApoy(s, p, marco, 'R');
    s.SetAnchoLinea(8);
    for (const Segmento& e : g.cortes) s.Linea(e.p1.x, e.p1.y, e.p2.x, e.p2.y);
    s.SetColorLinea(color);
    s.SetAnchoLinea(4);
    for (const Segmento& e : g.estribos) s.Linea(e.p1.x, e.p1.y, e.p2.x, e.p2.y);
    s.SetAnchoLinea(25);
    for (const BarraElevacion& b : g.barras) s.Lineas(b.trazo);
    {
        ColorTexto ct(s, color);
        for (const TextoElevacion& x : g.textos)
            if (x.fila != FilaTexto::kCorte)
                s.TextoEn(x.ancla.x, x.ancla.y, x.texto, Alineacion::kCentro);
    }
    for (const TextoElevacion& x : g.textos)
        if (x.fila == FilaTexto::kCorte)
            s.TextoEn(x.ancla.x, x.ancla.y, x.texto, Alineacion::kCentro);
    s.SetAnchoLinea(antes.ancho);
    s.SetColorLinea(antes.color);
}

void DibujaSecciones(SuperficiePagina& s, const Proyecto& p, const TablaDetallado& t, Color color) {
    const int n = VanosDe(p);
    struct Dibujada {
        const FilaDetallado* fila;
        double b, h;
    };
    // Each row with its span's section: a support takes the span on its left (support 1
    // the first span), as its bottom bars do.
    std::vector<Dibujada> filas;
    for (size_t k = 0; k < t.filas.size(); ++k) {
        if (t.filas[k].sec.empty() || n == 0) continue;
        const int vano = std::clamp(
            k % 2 == 1 ? static_cast<int>(k / 2) : static_cast<int>(k / 2) - 1, 0, n - 1);
        filas.push_back({&t.filas[k], Finito(p.vanos[vano].base), Finito(p.vanos[vano].altura)});
    }
    if (filas.empty()) return;

    const double izquierda = s.Margen(kMargenIzquierda);
    const double derecha = s.AnchoPagina() - s.Margen(kMargenDerecha);
    const double h = s.AltoTexto();
    // One scale for all, the largest that fits every outline in its cell.
    constexpr double kEscalaMayor = 40;  // twips per cm
    const double anchoMax =
        std::clamp(std::min(kAnchoCeldaSeccion, derecha - izquierda) - kSangriaSeccion - 200, 300.0,
                   kAnchoCeldaSeccion - kSangriaSeccion - 300);
    const double arribaCelda = 150;
    const double altoMax = std::max(300.0, kAltoLineaSecciones - arribaCelda - h - 200);
    double escala = kEscalaMayor;
    for (const Dibujada& d : filas) {
        const Tamano e = ExtensionSeccion(d.fila->tipo, d.b, d.h);
        if (e.ancho > 0) escala = std::min(escala, anchoMax / e.ancho);
        if (e.alto > 0) escala = std::min(escala, altoMax / e.alto);
    }
    const double recub = LeeNumero(p.datos.recub);

    const auto celdas = ColocaCeldasSecciones(static_cast<int>(filas.size()), izquierda, derecha,
                                              s.Y(), s.Margen(kMargenArriba), s.LimiteInferior());
    const Trazo antes = s.TrazoActual();
    int pagina = 0;
    for (size_t i = 0; i < filas.size(); ++i) {
        const CeldaSeccion& celda = celdas[i];
        while (pagina < celda.pagina) {
            s.NuevaPagina();
            ++pagina;
        }
        const Punto esquina{celda.x + kSangriaSeccion, celda.y + arribaCelda};
        const GeometriaSeccion g =
            CalculaSeccion(*filas[i].fila, filas[i].b, filas[i].h, recub, esquina, escala, 12);
        s.SetRelleno(Relleno::kNinguno);
        s.SetColorLinea(kNegroPagina);
        s.SetAnchoLinea(15);
        s.Poligono(g.contorno);
        s.SetColorLinea(color);
        s.SetAnchoLinea(6);
        const Rectangulo& e = g.estribo;
        if (!e.Vacio()) s.Rectangulo(e.Izquierda(), e.Arriba(), e.Derecha(), e.Abajo());
        s.SetRelleno(Relleno::kSolido, color);
        for (const auto* grupo : {&g.inferiores, &g.superiores})
            for (const BarraSeccion& b : *grupo) s.Circulo(b.centro.x, b.centro.y, b.radio);
        s.SetRelleno(Relleno::kNinguno);
        s.TextoEn(g.caja.Centro().x, esquina.y + altoMax + 100, filas[i].fila->sec,
                  Alineacion::kCentro);
    }
    s.SetAnchoLinea(antes.ancho);
    s.SetColorLinea(antes.color);
    s.SetX(izquierda);
    s.SetY(celdas.back().y + kAltoLineaSecciones);
}

}  // namespace trabelux
