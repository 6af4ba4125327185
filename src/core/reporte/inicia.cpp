// The report's sections in their order, each with its title, table and note, and the
// pages of the diagrams and of the reinforcement.
#include "reporte/inicia.h"

#include <algorithm>
#include <cmath>

#include "dibujo/geometria_refuerzo.h"
#include "reporte/papel.h"
#include "reporte/secciones.h"

namespace trabelux {

namespace {

// Room above and below a diagram's axis beyond its largest ordinate, for the values
// written at the ends of the spans.
constexpr double kHolguraDiagrama = 400;
// Gap between the reinforcement elevation and the cross-sections under it.
constexpr double kSeparacionSecciones = 200;

// A title, its table and, when given, the note just under it.
void Seccion(SuperficiePagina& s, const ConfiguracionInforme& c, const std::string& titulo,
             const TablaInforme& t, const char* nota = nullptr) {
    SetSubTitle(s, c, titulo);
    MuestraTabla(s, t.formato, t.cabecera, t.cuerpo);
    SetNormal(s, c);
    // The note follows the table's last rule directly: the surface leaves no gap under a
    // table, so moving up as a printer that does would write over the last row.
    if (nota) s.Parrafo(nota);
}

// Height of a section title (its empty line and the title).
double AltoTitulo(SuperficiePagina& s, const ConfiguracionInforme& c) {
    const EstiloTexto antes = s.Estilo();
    double alto = s.AltoTexto();
    s.SetEstilo(c.estilos[kEstiloSubtitulos]);
    alto += s.AltoTexto();
    s.SetEstilo(antes);
    return alto;
}

// A diagram under its title, on the next page when the page has no room for it.
void Diagrama(SuperficiePagina& s, const Proyecto& p, const Resultados& r,
              const ConfiguracionInforme& c, char tipo, const char* titulo, double escala,
              Color color) {
    s.AseguraEspacio(AltoTitulo(s, c) + 2 * (1000 + kHolguraDiagrama));
    SetSubTitle(s, c, titulo);
    const double eje = s.Y() + 1000 + kHolguraDiagrama;
    DibujaDiagramaInforme(s, tipo, p, r, MarcoViga(s, NumVanosInforme(p), eje), escala, color);
    s.SetX(s.Margen(kMargenIzquierda));
    s.SetY(eje + 1000 + kHolguraDiagrama);
}

void Diagramas(SuperficiePagina& s, const Proyecto& p, const Resultados& r,
               const ConfiguracionInforme& c) {
    s.NuevaPagina();
    Diagrama(s, p, r, c, 'C', "Diagrama de Cortante", EscalaDiagrama(r.maxCortante),
             c.estilos[kEstiloCortante].color);
    Diagrama(s, p, r, c, 'M', "Diagrama de Momento", EscalaDiagrama(r.maxMomento),
             c.estilos[kEstiloMomento].color);
    // The units at the foot of the page, wholly above the bottom margin (wrapped on a
    // narrow paper).
    SetNormal(s, c);
    const double izquierda = s.Margen(kMargenIzquierda);
    const auto lineas =
        s.Ajusta("Las unidades son tonelada y metro",
                 s.AnchoPagina() - izquierda - s.Margen(kMargenDerecha), s.Estilo());
    double y = s.LimiteInferior() - 100 - s.AltoTexto() * static_cast<double>(lineas.size());
    for (const std::string& linea : lineas) {
        s.TextoEn(izquierda, y, linea);
        y += s.AltoTexto();
    }
    s.SetY(y);  // the page is full: what follows starts on the next one
}

void Refuerzo(SuperficiePagina& s, const Proyecto& p, const TablaDetallado& t,
              const ConfiguracionInforme& c) {
    SetNormal(s, c);
    const double sobre = AlturaSobreEje(s.AltoTexto());
    const double bajo = AlturaBajoEje(s.AltoTexto()) + kSeparacionSecciones;
    s.AseguraEspacio(sobre + bajo);
    const Color color = c.estilos[kEstiloRefuerzo].color;
    const double eje = s.Y() + sobre;
    DibujaRefuerzoInforme(s, p, t, MarcoViga(s, NumVanosInforme(p), eje), color);
    s.SetX(s.Margen(kMargenIzquierda));
    s.SetY(eje + bajo);
    DibujaSecciones(s, p, t, color);
}

}  // namespace

void SetNormal(SuperficiePagina& s, const ConfiguracionInforme& c) {
    s.SetEstilo(c.estilos[kEstiloTexto]);
}

void SetSubTitle(SuperficiePagina& s, const ConfiguracionInforme& c, const std::string& titulo) {
    s.SetSangria(0, 0);
    s.Parrafo("");
    s.SetEstilo(c.estilos[kEstiloSubtitulos]);
    s.Parrafo(titulo);
    SetNormal(s, c);
}

void MuestraTabla(SuperficiePagina& s, const std::string& formato, const std::string& cabecera,
                  const std::string& cuerpo) {
    s.Parrafo("");
    s.SetSangria(100, 100);
    s.SetTamanoLetra(10);
    s.SetBordeTabla(4);
    s.Tabla(formato, cabecera, cuerpo);
    s.SetBordeTabla(0);
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

void Inicia(SuperficiePagina& s, const Proyecto& p, const Resultados* r,
            const TablaDetallado* detallado, const ConfiguracionInforme& c) {
    s.SetEncabezado(EncabezadoInforme(p, c), c.estilos[kEstiloHeader]);
    s.SetPie(PieInforme(p, c), c.estilos[kEstiloFooter]);
    s.SetBordePagina(c.borde);

    // The loaded beam at the head of the first page; the text starts below it.
    const int n = NumVanosInforme(p);
    const double ejeViga = s.Margen(kMargenArriba) + 1000;
    SetNormal(s, c);
    DibujaCargasInforme(s, p, MarcoViga(s, n, ejeViga));
    s.SetX(s.Margen(kMargenIzquierda));
    s.SetY(ejeViga + 600);

    SetSubTitle(s, c, "Datos Generales");
    s.Parrafo("Numero de vanos: " + std::to_string(p.numVanos));
    s.Parrafo("Material: " + NombreMaterial(p.datos.material));
    if (p.datos.material == kHormigon) {
        s.SetSangria(500, 0);
        s.Parrafo("F'c = " + p.datos.fc + " Kg/cm2");
        s.Parrafo("Fy = " + p.datos.fy + " Kg/cm2");
    }
    s.SetSangria(300, 0);

    Seccion(s, c, "Datos de los apoyos", TablaApoyos(p));
    Seccion(s, c, "Datos de los vanos", TablaVanos(p), "Las cargas estan en To/m");
    Seccion(s, c, "Cargas concentradas en los vanos", TablaCargasVanos(p),
            "Las unidades son Tonelada y metro");
    const TablaInforme nudos = TablaCargasNudos(p);
    if (!nudos.cuerpo.empty())
        Seccion(s, c, "Cargas en los nudos", nudos,
                "Las cargas estan en Toneladas y los momentos en To-m");

    if (!c.avisoResultados.empty()) {
        SetNormal(s, c);
        s.Parrafo("");
        s.Parrafo(c.avisoResultados);
    }
    if (!r || !r->AnalisisCompleto()) return;
    Seccion(s, c, "Reacciones de apoyo", TablaReacciones(*r));
    Seccion(s, c, "Cortantes y Momentos", TablaCortantesMomentos(*r));
    const bool disenada = r->Disenado();
    if (disenada) {
        const TablaInforme apoyos = TablaRefuerzoApoyos(*r);
        if (!apoyos.cuerpo.empty()) Seccion(s, c, "Refuerzo en apoyos", apoyos);
        Seccion(s, c, "Refuerzo en vanos", TablaRefuerzoVanos(p, *r));
        Seccion(s, c, "Refuerzo transversal", TablaRefuerzoTransversal(*r));
    }
    if (c.diagramas == kDiagramasCortanteMomento) Diagramas(s, p, *r, c);
    if (disenada && c.refuerzo && detallado && !detallado->filas.empty())
        Refuerzo(s, p, *detallado, c);
}

void EmpiezaInforme(SuperficiePagina& s, const ConfiguracionInforme& c) {
    std::array<double, 4> margenes = c.margenes;
    for (double& m : margenes)
        if (!(m > 0) || !std::isfinite(m)) m = 0;
    const Tamano hoja = TamanoHoja(c);
    s.EmpiezaDocumento(hoja.ancho, hoja.alto, margenes);
}

void ComponeDocumento(SuperficiePagina& s, const Proyecto& p, const Resultados* r,
                      const TablaDetallado* detallado, const ConfiguracionInforme& c) {
    EmpiezaInforme(s, c);
    Inicia(s, p, r, detallado, c);
    s.TerminaDocumento();
}

}  // namespace trabelux
