#include "core/reporte/bloque_titulo.h"

#include <algorithm>

#include "core/reporte/composicion.h"
#include "core/reporte/partes_texto.h"
#include "core/version.h"

namespace trabelux {

namespace {

// Room inside the frame, and the gap between the two texts of a line.
constexpr double kHolgura = 100;
constexpr double kEntreTextos = 300;
// The shortest line to sign on.
constexpr double kLineaFirma = 2000;

}  // namespace

std::string NombreProyecto(const std::string& encabezado, const Proyecto& p) {
    const std::string primera = DivideTexto(encabezado, '\n').front();
    std::string izquierda = RecortaTexto(DivideTexto(primera, '|').front());
    return izquierda == RecortaTexto(p.nombreViga) ? std::string() : izquierda;
}

void BloqueTitulo(SuperficiePagina& s, const Proyecto& p, const ConfiguracionInforme& c) {
    const double izquierda = s.Margen(kMargenIzquierda);
    const double derecha = s.AnchoPagina() - s.Margen(kMargenDerecha);
    const double xTexto = izquierda + kHolgura;
    const double ancho = std::max(1.0, derecha - izquierda - 2 * kHolgura);
    const EstiloTexto texto = c.estilos[kEstiloTexto];
    const EstiloTexto titulo = c.estilos[kEstiloSubtitulos];
    const Trazo antes = s.TrazoActual();
    const double arriba = s.Y();
    double y = arriba + kHolgura;

    // A line of one text at the left and one at the right, or the two one under the
    // other; each wraps when wider than the frame. Returns where the right text starts.
    // `reservaA` and `reservaB`: the least width each text takes on its line.
    auto linea = [&](const std::string& a, const EstiloTexto& ea, const std::string& b,
                     const EstiloTexto& eb, double reservaA = 0, double reservaB = 0) {
        const double wa = std::max(s.AnchoTexto(a, ea), reservaA);
        const double wb = std::max(s.AnchoTexto(b, eb), reservaB);
        const bool juntas = wa + kEntreTextos + wb <= ancho;
        double yb = y;
        for (const std::string& l : s.Ajusta(a, ancho, ea)) {
            s.FijaEstilo(ea);
            s.TextoEn(xTexto, y, l);
            y += s.AltoTexto(ea);
        }
        if (juntas) {
            y = std::max(y, yb + s.AltoTexto(eb));
        } else {
            yb = y;
            y += s.AltoTexto(eb);
        }
        const double xb = juntas ? xTexto + ancho - wb : xTexto;
        s.FijaEstilo(eb);
        if (!b.empty()) s.TextoEn(xb, yb, b);
        return std::make_pair(xb, yb);
    };

    const std::string proyecto = NombreProyecto(EncabezadoInforme(p, c), p);
    const std::string programa = std::string(kNombrePrograma) + " " + kVersionPrograma;
    const std::string fecha = c.fecha.empty() ? std::string() : "Fecha: " + c.fecha;
    if (proyecto.empty()) {
        linea("Viga: " + p.nombreViga, titulo, programa, texto);
        if (!fecha.empty()) linea("", texto, fecha, texto);
    } else {
        linea(proyecto, titulo, programa, texto);
        linea("Viga: " + p.nombreViga, texto, fecha, texto);
    }
    y += kHolgura;
    const double separacion = y;
    y += kHolgura;

    // The signatures: the name typed in the project, or a line to write it on.
    s.FijaAnchoLinea(5);
    s.FijaColorLinea(texto.color);
    const double bajoTexto = 0.85 * s.AltoTexto(texto);
    for (const auto& [rotulo, nombre] : {std::pair{std::string("Calculó: "), &p.calculo},
                                         std::pair{std::string("Revisó: "), &p.reviso}}) {
        const std::string firma = "Firma:";
        const double wRotulo = s.AnchoTexto(rotulo, texto);
        const double yNombre = y;
        const auto [xFirma, yFirma] = linea(rotulo + *nombre, texto, firma, texto,
                                            wRotulo + (nombre->empty() ? kLineaFirma : 0),
                                            s.AnchoTexto(firma, texto) + kLineaFirma);
        if (nombre->empty()) {
            const double x0 = xTexto + wRotulo;
            const double x1 = std::min(x0 + kLineaFirma, xTexto + ancho);
            if (x1 > x0) s.Linea(x0, yNombre + bajoTexto, x1, yNombre + bajoTexto);
        }
        const double x0 = xFirma + s.AnchoTexto(firma + " ", texto);
        if (xTexto + ancho > x0)
            s.Linea(x0, yFirma + bajoTexto, xTexto + ancho, yFirma + bajoTexto);
        y += kHolgura / 2;
    }
    y += kHolgura / 2;

    s.FijaAnchoLinea(10);
    s.FijaRelleno(Relleno::kNinguno);
    s.Rectangulo(izquierda, arriba, derecha, y);
    s.Linea(izquierda, separacion, derecha, separacion);
    s.FijaAnchoLinea(antes.ancho);
    s.FijaColorLinea(antes.color);
    s.FijaEstilo(texto);
    s.FijaX(izquierda);
    s.FijaY(y);
}

}  // namespace trabelux
