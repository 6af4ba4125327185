#include "core/reporte/seccion_deflexiones.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "core/modelo/datos_numericos.h"
#include "core/reporte/composicion.h"
#include "core/reporte/tablas_informe.h"
#include "core/reporte/tablas_resultados.h"
#include "core/servicio/deflexiones.h"
#include "core/texto/numeros.h"

namespace trabelux {

namespace {

// Paragraphs of the method, with the numbers this project uses.
std::vector<std::string> ParrafosMetodo(const Proyecto& p, const DatosNumericos& datos,
                                        const Deflexiones& d) {
    const MaterialesServicio& m = d.materiales;
    std::vector<std::string> t;
    t.push_back(
        "Método: ACI 318-19, 24.2. Cargas de servicio: D = P. Propio + C. Muerta, L = C. Viva "
        "(To/m). Las cargas concentradas y en los nudos son cargas últimas: en servicio se toman "
        "como Pu / factor de carga muerta = Pu / " +
        p.datos.factorMuerta + ".");
    t.push_back("Materiales: Ec = 15100 √f'c = " + Formatea(m.ec, "0") +
                " kg/cm2, Es = 2040000 kg/cm2, n = Es/Ec = " + Formatea(m.n, "0.00") +
                ", fr = 2.0 √f'c = " + Formatea(m.fr, "0.00") + " kg/cm2.");
    t.push_back(
        "Secciones: Ig = b h³/12 (cm4), Mcr = fr Ig / (h/2) (To-m); Icr de la sección fisurada "
        "con las barras del detallado: acero en tracción a d = h − recubrimiento, acero en "
        "compresión a d' = recubrimiento como (n − 1) As'. Al centro del vano las barras "
        "inferiores y en los apoyos las perchas y las adicionales; la cara en tracción sigue el "
        "signo del momento. Con inercia \"Otra\" no hay fisuración: Ie = la inercia del vano.");
    t.push_back(
        "Inercia efectiva (Tabla 24.2.3.5): Ie = Ig si Ma <= (2/3) Mcr; si no "
        "Ie = Icr / (1 − ((2/3) Mcr / Ma)² (1 − Icr/Ig)), Ma el momento de servicio de la "
        "sección. Por vano (24.2.3.6): ambos extremos continuos 0.5 Ie,m + 0.25 (Ie,1 + Ie,2); "
        "un extremo continuo 0.5 (Ie,m + Ie,cont); simplemente apoyado Ie,m; voladizo Ie en el "
        "apoyo. La viga se analiza de nuevo con la Ie de cada vano, bajo D y bajo D + L; la "
        "elástica resulta de integrar M/(Ec Ie). ΔL = Δ(D + L) − ΔD.");
    if (datos.alternancia != AlternanciaCargaViva::kNinguna)
        t.push_back(
            "Con alternancia de carga viva, D + L en cada caso de la norma (ACI 318-19, 6.4.2); "
            "cada sección toma el momento de mayor valor y cada vano la mayor flecha.");
    t.push_back(
        "Largo plazo (24.2.4.1): λΔ = ξ / (1 + 50 ρ'), ρ' = As'/(b d) al centro del vano "
        "(en el apoyo de un voladizo); duración de la carga sostenida: " +
        std::string(TextoDuracion(p.datos.duracion)) + ", ξ = " + Formatea(datos.xi, "0.0") +
        "; carga viva sostenida " + Formatea(100.0 * datos.fraccionSostenida, "0") +
        " %. Δ diferida = λΔ (ΔD + s ΔL) + ΔL: la parte de la flecha posterior a la "
        "colocación de los elementos no estructurales. Las perchas y las barras "
        "superiores al centro del vano cuentan como acero en compresión.");
    std::string limite =
        "Límite (Tabla 24.2.2): " + std::string(TextoLimiteDeflexion(p.datos.limite)) + ".";
    if (p.datos.limite == LimiteDeflexion::kDanables480 ||
        p.datos.limite == LimiteDeflexion::kNoDanables240)
        limite +=
            " l/360 para la flecha inmediata por carga viva: verificacion adicional a la Tabla "
            "24.2.2 para elementos que soportan elementos no estructurales.";
    limite += " En voladizos l es la longitud del voladizo.";
    t.push_back(limite);
    return t;
}

TablaInforme TablaInformeDeflexiones(const TablaTexto& t) {
    TablaInforme r;
    for (size_t c = 0; c < t.columnas.size(); ++c) {
        r.formato += (c ? "|" : "") + std::string(c == 0             ? "^_700"
                                                  : c >= 5 && c <= 6 ? "^_1250"
                                                                     : "^_950");
        r.cabecera += (c ? "|" : "") + t.columnas[c];
    }
    for (const auto& fila : t.filas) {
        for (size_t c = 0; c < fila.size(); ++c) r.cuerpo += (c ? "|" : "") + fila[c];
        r.cuerpo += ";";
    }
    return r;
}

// The deflected shape under D + L, downward, over the beam's axis: the spans that pass in
// blue, those that fail in red, the largest value of each span written by it.
void DibujaElastica(SuperficiePagina& s, const ConfiguracionInforme& c, const Resultados& r,
                    const Deflexiones& d) {
    if (d.estaciones.size() != r.diagramas.size()) return;
    double largo = 0, abajo = 0, arriba = 0;
    for (size_t i = 0; i < d.estaciones.size(); ++i) {
        if (!r.diagramas[i].x.empty()) largo += r.diagramas[i].x.back();
        for (float v : d.estaciones[i]) {
            abajo = std::max(abajo, static_cast<double>(v));
            arriba = std::max(arriba, -static_cast<double>(v));
        }
    }
    if (!(largo > 0)) return;
    UsaEstiloTexto(s, c);
    // As tall as a short page's body lets it be, under its caption and labels.
    const double texto = s.AltoTexto(), alto = std::min(1800.0, s.AltoCuerpo() - 8 * texto);
    if (alto < 300) return;
    s.AseguraEspacio(alto + 6 * texto);
    s.Parrafo("");
    s.Parrafo("Elástica bajo D + L (cm, hacia abajo):");
    const double x0 = s.Margen(kMargenIzquierda) + 300;
    const double ancho =
        s.AnchoPagina() - s.Margen(kMargenIzquierda) - s.Margen(kMargenDerecha) - 600;
    const double ey = abajo + arriba > 0 ? alto / (abajo + arriba) : 0, ex = ancho / largo;
    const double ejeY = s.Y() + texto + arriba * ey;
    s.FijaAnchoLinea(15);
    s.FijaColorLinea({0, 0, 0});
    s.Linea(x0, ejeY, x0 + ancho, ejeY);
    double inicio = 0;
    std::vector<Rectangulo> ocupados;  // the labels written
    double fondo = ejeY + abajo * ey + texto;
    for (size_t i = 0; i < d.estaciones.size(); ++i) {
        const std::vector<float>& xs = r.diagramas[i].x;
        s.FijaAnchoLinea(0);
        s.FijaColorLinea({0, 0, 0});
        s.Linea(x0 + inicio * ex, ejeY - 60, x0 + inicio * ex, ejeY + 60);
        Poligonal curva;
        for (size_t k = 0; k < xs.size() && k < d.estaciones[i].size(); ++k)
            curva.push_back({x0 + (inicio + xs[k]) * ex, ejeY + d.estaciones[i][k] * ey});
        const bool cumple = i < d.vanos.size() && d.vanos[i].cumple;
        s.FijaAnchoLinea(15);
        s.FijaColorLinea(cumple ? Color{0, 0, 192} : Color{192, 0, 0});
        s.Lineas(curva);
        if (i < d.vanos.size()) {
            const DeflexionVano& v = d.vanos[i];
            const std::string etiqueta = "Δ = " + Formatea(v.deltaDL, "0.00");
            const double medio = s.AnchoTexto(etiqueta) / 2;
            const double xe =
                std::clamp(x0 + (inicio + v.xMax) * ex, s.Margen(kMargenIzquierda) + medio + 20,
                           s.AnchoPagina() - s.Margen(kMargenDerecha) - medio - 20);
            double ye = ejeY + v.deltaDL * ey;
            ye = v.deltaDL >= 0 ? ye + 40 : ye - texto - 40;
            // Short spans side by side: a label that would touch one already written goes
            // under it.
            for (bool toca = true; toca;) {
                toca = false;
                for (const Rectangulo& o : ocupados)
                    if (xe - medio < o.x + o.ancho && o.x < xe + medio && ye < o.y + o.alto &&
                        o.y < ye + texto) {
                        ye = o.y + o.alto;
                        toca = true;
                    }
            }
            if (ye + texto <= s.LimiteInferior()) {  // else no room left under the others
                s.TextoEn(xe, ye, etiqueta, Alineacion::kCentro);
                ocupados.push_back({xe - medio - 40, ye, 2 * medio + 80, texto});
                fondo = std::max(fondo, ye + texto);
            }
        }
        if (!xs.empty()) inicio += xs.back();
    }
    s.FijaAnchoLinea(0);
    s.FijaColorLinea({0, 0, 0});
    s.Linea(x0 + inicio * ex, ejeY - 60, x0 + inicio * ex, ejeY + 60);
    s.FijaY(fondo + texto);
}

}  // namespace

void SeccionDeflexiones(SuperficiePagina& s, const ConfiguracionInforme& c, const Proyecto& p,
                        const Resultados& r, const TablaDetallado* detallado) {
    if (!c.deflexiones || p.datos.material != Material::kHormigon || !detallado) return;
    const DatosNumericos datos = LeeDatosNumericos(p.datos);
    const Deflexiones d = CalculaDeflexiones(p, datos, r, *detallado);
    if (!d.noCalculadas.empty()) {
        SeccionTexto(s, c, "Deflexiones", {d.noCalculadas}, 300);
        return;
    }
    SeccionTexto(s, c, "Deflexiones", ParrafosMetodo(p, datos, d), 300);
    const TablaTexto t = TablaDeflexiones(d);
    Seccion(s, c, t.titulo, TablaInformeDeflexiones(t), t.nota.empty() ? nullptr : t.nota.c_str());
    DibujaElastica(s, c, r, d);
    UsaEstiloTexto(s, c);
}

}  // namespace trabelux
