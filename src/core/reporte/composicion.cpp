// The report's sections in their order, each with its title, table and note, and the
// pages of the diagrams and of the reinforcement.
#include "core/reporte/composicion.h"

#include <algorithm>
#include <cmath>

#include "core/calculo/calcula.h"
#include "core/detallado/despiece.h"
#include "core/detallado/planilla.h"
#include "core/dibujo/geometria_diagramas.h"
#include "core/modelo/datos_numericos.h"
#include "core/reporte/bases_diseno.h"
#include "core/reporte/bloque_titulo.h"
#include "core/reporte/papel.h"
#include "core/reporte/seccion_deflexiones.h"
#include "core/reporte/seccion_envolventes.h"
#include "core/reporte/seccion_planilla.h"
#include "core/reporte/tablas_resultados.h"

namespace trabelux {

namespace {

// Gap between the title block and the loads picture, and under the picture.
constexpr double kBajoTitulo = 200;
// Gap between the reinforcement elevation and the cross-sections under it.
constexpr double kSeparacionSecciones = 200;
// A paragraph section keeps its title with this many lines of its text.
constexpr int kLineasConTitulo = 3;

void Diagramas(SuperficiePagina& s, const Proyecto& p, const Resultados& r,
               const ConfiguracionInforme& c) {
    s.NuevaPagina();
    const int n = NumVanosInforme(p);
    const double maxV = MaximoAbsoluto(r.diagramas, n, Magnitud::kCortante, r.maxCortante);
    const double maxM = MaximoAbsoluto(r.diagramas, n, Magnitud::kMomento, r.maxMomento);
    UsaEstiloTexto(s, c);
    DibujaDiagramaInforme(s, c, Magnitud::kCortante, p, r, EscalaDiagrama(maxV),
                          c.estilos[kEstiloCortante].color);
    UsaEstiloTexto(s, c);
    DibujaDiagramaInforme(s, c, Magnitud::kMomento, p, r, EscalaDiagrama(maxM),
                          c.estilos[kEstiloMomento].color);
    // The units at the foot of the page, wholly above the bottom margin (wrapped on a
    // narrow paper), on a page of their own when the diagram left no room.
    UsaEstiloTexto(s, c);
    const double izquierda = s.Margen(kMargenIzquierda);
    const auto lineas =
        s.Ajusta("Las unidades son tonelada y metro",
                 s.AnchoPagina() - izquierda - s.Margen(kMargenDerecha), s.Estilo());
    const double alto = s.AltoTexto() * static_cast<double>(lineas.size());
    s.AseguraEspacio(alto + 100);
    double y = std::max(s.Y(), s.LimiteInferior() - 100 - alto);
    for (const std::string& linea : lineas) {
        s.TextoEn(izquierda, y, linea);
        y += s.AltoTexto();
    }
    s.FijaY(y);  // the page is full: what follows starts on the next one
}

void Refuerzo(SuperficiePagina& s, const Proyecto& p, const Resultados& r, const TablaDetallado& t,
              const ConfiguracionInforme& c) {
    UsaEstiloTexto(s, c);
    const Color color = c.estilos[kEstiloRefuerzo].color;
    Despiece d = CalculaDespiece(p, r, t, LeeDatosNumericos(p.datos).largoComercial);
    ComponePlanilla(d, p);  // the marks the labels show
    DibujaRefuerzoInforme(s, p, t, d, color);
    s.FijaY(s.Y() + kSeparacionSecciones);
    DibujaSecciones(s, p, t, d, color);
    Seccion(s, c, "Detalle del refuerzo", TablaDetalleRefuerzo(t));
}

}  // namespace

// A title, its table and, when given, the note just under it. The title keeps with the
// table's header and first rows (the whole table and its note when it is short).
void Seccion(SuperficiePagina& s, const ConfiguracionInforme& c, const std::string& titulo,
             const TablaInforme& t, const char* nota) {
    UsaEstiloTexto(s, c);
    const TablaDispuesta tabla = DisponeTablaInforme(s, c, t);
    // The whole short table when it fits a page under its title, else its first rows.
    const double cabeza = AltoTitulo(s, c, titulo) + s.AltoTexto();
    double junto = cabeza + tabla.AltoArranque(s.AltoCuerpo() - cabeza);
    if (nota && tabla.Corta())
        junto += s.AltoTexto() *
                 static_cast<double>(s.Ajusta(nota,
                                              s.AnchoPagina() - s.Margen(kMargenIzquierda) -
                                                  s.Margen(kMargenDerecha) - 100,
                                              s.Estilo())
                                         .size());
    s.AseguraEspacio(junto);
    EscribeTituloSeccion(s, c, titulo);
    s.Parrafo("");
    s.FijaSangria(100, 100);
    s.FijaBordeTabla(BordeTabla::kReglada);
    s.MuestraTablaDispuesta(tabla, true);
    s.FijaBordeTabla(BordeTabla::kSinBorde);
    UsaEstiloTexto(s, c);
    // The note follows the table's last rule directly: the surface leaves no gap under a
    // table, so moving up as a printer that does would write over the last row.
    if (nota) s.Parrafo(nota);
}

// A title over paragraphs, kept with their first lines.
void SeccionTexto(SuperficiePagina& s, const ConfiguracionInforme& c, const std::string& titulo,
                  const std::vector<std::string>& parrafos, double sangria) {
    UsaEstiloTexto(s, c);
    s.AseguraEspacio(AltoTitulo(s, c, titulo) + kLineasConTitulo * s.AltoTexto());
    EscribeTituloSeccion(s, c, titulo);
    s.FijaSangria(sangria, sangria);
    for (const std::string& p : parrafos) s.Parrafo(p);
    s.FijaSangria(0, 0);
}

void UsaEstiloTexto(SuperficiePagina& s, const ConfiguracionInforme& c) {
    s.FijaEstilo(c.estilos[kEstiloTexto]);
}

void EscribeTituloSeccion(SuperficiePagina& s, const ConfiguracionInforme& c,
                          const std::string& titulo) {
    s.FijaSangria(0, 0);
    s.Parrafo("");
    s.FijaEstilo(c.estilos[kEstiloSubtitulos]);
    s.Parrafo(titulo);
    UsaEstiloTexto(s, c);
}

double AltoTitulo(const SuperficiePagina& s, const ConfiguracionInforme& c,
                  const std::string& titulo) {
    const EstiloTexto& estilo = c.estilos[kEstiloSubtitulos];
    const double ancho = s.AnchoPagina() - s.Margen(kMargenIzquierda) - s.Margen(kMargenDerecha);
    const size_t lineas = s.Ajusta(titulo, std::max(ancho, 1.0), estilo).size();
    return s.AltoTexto() + s.AltoTexto(estilo) * static_cast<double>(lineas);
}

void EscribeAviso(SuperficiePagina& s, const ConfiguracionInforme& c, const AvisoInforme& a) {
    if (a.titulo.empty()) {
        UsaEstiloTexto(s, c);
        s.FijaSangria(0, 0);
        s.Parrafo("");
        s.Parrafo(a.texto);
        return;
    }
    SeccionTexto(s, c, a.titulo, {a.texto});
}

TablaDispuesta DisponeTablaInforme(const SuperficiePagina& s, const ConfiguracionInforme& c,
                                   const TablaInforme& t) {
    EstiloTexto estilo = c.estilos[kEstiloTexto];
    estilo.tamano = 10;
    return s.DisponeTabla(t.formato, t.cabecera, t.cuerpo, 100, estilo);
}

std::string EncabezadoInforme(const Proyecto& p, const ConfiguracionInforme& c) {
    if (!c.encabezado.empty()) return c.encabezado;
    if (!p.encabezado.empty()) return p.encabezado;
    return p.nombreViga + "|";
}

std::string PieInforme(const Proyecto& p, const ConfiguracionInforme& c) {
    if (!c.pie.empty()) return c.pie;
    if (!p.piePagina.empty()) return p.piePagina;
    return "||Pag %d";
}

MarcoVigaPagina MarcoViga(const SuperficiePagina& s, int numVanos, double y) {
    const double izquierda = s.Margen(kMargenIzquierda);
    const double w = s.AnchoPagina() - izquierda - s.Margen(kMargenDerecha);
    if (numVanos > 1) return {izquierda + 0.05 * w, izquierda + 0.95 * w, y};
    return {izquierda + w / 3, izquierda + 2 * w / 3, y};
}

double EscalaDiagrama(double maximo) {
    const double escala = 1000 / std::fabs(maximo);
    return maximo != 0 && std::isfinite(escala) ? escala : 0;
}

std::optional<AvisoInforme> AvisoResultados(const Resultados* r, const ConfiguracionInforme& c) {
    if (!c.avisoResultados.empty()) return AvisoInforme{"", c.avisoResultados};
    if (r && !r->AnalisisCompleto() && !r->parada)
        return AvisoInforme{"Analisis detenido", r->parada.Mensaje()};
    return std::nullopt;
}

std::optional<AvisoInforme> AvisoDiseno(const Proyecto& p, const Resultados& r) {
    if (r.etapa == EtapaCalculo::kDetenido)
        return AvisoInforme{"Diseño detenido", r.parada.Mensaje()};
    if (!AdmiteDiseno(p)) return AvisoInforme{"", TextoDisenoSoloHormigon(p)};
    return std::nullopt;
}

void ComponeInforme(SuperficiePagina& s, const Proyecto& p, const Resultados* r,
                    const TablaDetallado* detallado, const ConfiguracionInforme& c) {
    s.FijaEncabezado(EncabezadoInforme(p, c), c.estilos[kEstiloHeader]);
    s.FijaPie(PieInforme(p, c), c.estilos[kEstiloFooter]);
    s.FijaBordePagina(c.borde);

    // Who, what and when, then the loaded beam; the text starts below them.
    UsaEstiloTexto(s, c);
    BloqueTitulo(s, p, c);
    s.FijaY(s.Y() + kBajoTitulo);
    DibujaCargasInforme(s, p);

    SeccionTexto(s, c, "Datos Generales",
                 {"Numero de vanos: " + std::to_string(p.numVanos),
                  "Material: " + NombreMaterial(p.datos.material)});
    if (p.datos.material == Material::kHormigon) {
        s.FijaSangria(500, 0);
        s.Parrafo("F'c = " + p.datos.fc + " Kg/cm2");
        s.Parrafo("Fy = " + p.datos.fy + " Kg/cm2");
    }
    SeccionTexto(s, c, "Bases de diseño", ParrafosBasesDiseno(p, r));
    SeccionTexto(s, c, "Convención de signos", {TextoConvencionSignos()});
    s.FijaSangria(300, 0);

    Seccion(s, c, "Datos de los apoyos", TablaApoyos(p));
    Seccion(s, c, "Datos de los vanos", TablaDatosVanos(p), "Las cargas estan en To/m");
    Seccion(s, c, "Cargas concentradas en los vanos", TablaCargasVanos(p),
            "Las unidades son Tonelada y metro");
    const TablaInforme nudos = TablaCargasNudos(p);
    if (!nudos.cuerpo.empty())
        Seccion(s, c, "Cargas en los nudos", nudos,
                "Las cargas estan en Toneladas y los momentos en To-m");

    // Where the results start: the message of a run that produced none, or the caller's
    // notice that its results no longer belong to the project.
    if (const auto aviso = AvisoResultados(r, c)) {
        EscribeAviso(s, c, *aviso);
        return;
    }
    if (!r || !r->AnalisisCompleto()) return;
    Seccion(s, c, "Reacciones de apoyo", TablaReacciones(*r));
    Seccion(s, c, "Cortantes y Momentos", TablaCortantesMomentos(*r));
    SeccionEnvolventes(s, c, p, *r, detallado);
    // Where the design starts: the message of a design that stopped or does not apply.
    const bool disenada = r->Disenado();
    if (const auto aviso = AvisoDiseno(p, *r)) {
        EscribeAviso(s, c, *aviso);
    } else if (disenada) {
        // Rows with the tension on the other face are marked and the note says how.
        const std::vector<TablaTexto> textos = TablasRefuerzo(*r);
        auto nota = [&textos](size_t t) {
            return textos[t].nota.empty() ? nullptr : textos[t].nota.c_str();
        };
        const TablaInforme apoyos = TablaRefuerzoApoyos(*r);
        if (!apoyos.cuerpo.empty()) Seccion(s, c, "Refuerzo en apoyos", apoyos, nota(0));
        Seccion(s, c, "Refuerzo en vanos", TablaRefuerzoVanos(p, *r), nota(1));
        Seccion(s, c, "Refuerzo transversal", TablaRefuerzoTransversal(*r));
    }
    if (c.diagramas == OpcionDiagramas::kCortanteMomento) Diagramas(s, p, *r, c);
    if (disenada && c.refuerzo && detallado && !detallado->filas.empty())
        Refuerzo(s, p, *r, *detallado, c);
    if (disenada) SeccionPlanilla(s, c, p, *r, detallado);
    if (disenada) SeccionDeflexiones(s, c, p, *r, detallado);
}

void EmpiezaInforme(SuperficiePagina& s, const ConfiguracionInforme& c) {
    std::array<double, 4> margenes = c.margenes;
    for (double& m : margenes)
        if (!(m > 0) || !std::isfinite(m)) m = 0;
    const Tamano hoja = TamanoHoja(c);
    s.EmpiezaDocumento(hoja.ancho, hoja.alto, margenes);
}

void ComponeDocumentoInforme(SuperficiePagina& s, const Proyecto& p, const Resultados* r,
                             const TablaDetallado* detallado, const ConfiguracionInforme& c) {
    EmpiezaInforme(s, c);
    ComponeInforme(s, p, r, detallado, c);
    s.TerminaDocumento();
}

}  // namespace trabelux
