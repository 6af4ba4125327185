#include "core/reporte/manual_verificacion.h"

#include <algorithm>

#include "core/reporte/composicion.h"
#include "core/reporte/dibujos_informe.h"
#include "core/verificacion/texto_marcado.h"
#include "core/version.h"

namespace trabelux {

namespace {

constexpr double kSangriaLista = 300;
// Below the loads picture, before the next title.
constexpr double kBajoDibujo = 200;

// A table cell: the surface's tables split cells at "|" and rows at ";".
std::string Celda(std::string texto) {
    std::replace(texto.begin(), texto.end(), '|', '/');
    std::replace(texto.begin(), texto.end(), ';', ',');
    return texto;
}

// A table of the report's look from rows of cells, the first row the heading; the column
// widths share the body in proportion to the widest text of each column.
void Tabla(SuperficiePagina& s, const ConfiguracionInforme& c,
           const std::vector<std::vector<std::string>>& filas) {
    if (filas.empty()) return;
    const size_t columnas = filas.front().size();
    std::vector<double> anchos(columnas, 1);
    for (const auto& f : filas)
        for (size_t k = 0; k < columnas && k < f.size(); ++k)
            anchos[k] = std::max(anchos[k], s.AnchoTexto(f[k], c.estilos[kEstiloTexto]));
    double suma = 0;
    for (double a : anchos) suma += a;
    const double cuerpo =
        s.AnchoPagina() - s.Margen(kMargenIzquierda) - s.Margen(kMargenDerecha) - 200;
    TablaInforme t;
    for (size_t k = 0; k < columnas; ++k) {
        const double ancho = std::min(anchos[k] + 200, cuerpo * anchos[k] / suma + 200);
        t.formato += (k ? "|<_" : "<_") + std::to_string(static_cast<int>(ancho));
        t.cabecera += (k ? "|" : "") + Celda(SinMarcas(filas[0][k]));
    }
    for (size_t f = 1; f < filas.size(); ++f) {
        for (size_t k = 0; k < columnas; ++k)
            t.cuerpo += (k ? "|" : "") + Celda(k < filas[f].size() ? SinMarcas(filas[f][k]) : "");
        t.cuerpo += ";";
    }
    UsaEstiloTexto(s, c);
    const TablaDispuesta dispuesta = DisponeTablaInforme(s, c, t);
    s.Parrafo("");
    s.FijaSangria(100, 100);
    s.FijaBordeTabla(BordeTabla::kReglada);
    s.MuestraTablaDispuesta(dispuesta);
    s.FijaBordeTabla(BordeTabla::kSinBorde);
    s.FijaSangria(0, 0);
    UsaEstiloTexto(s, c);
}

// The hand calculation: its headings in bold, paragraphs, items with a bullet, tables.
void CalculoManual(SuperficiePagina& s, const ConfiguracionInforme& c,
                   const std::vector<BloqueMarcado>& bloques) {
    for (const BloqueMarcado& b : bloques) {
        UsaEstiloTexto(s, c);
        switch (b.tipo) {
            case TipoBloque::kTitulo: {
                EstiloTexto negrita = c.estilos[kEstiloTexto];
                negrita.negrita = true;
                s.AseguraEspacio(4 * s.AltoTexto());
                s.Parrafo("");
                s.FijaEstilo(negrita);
                s.Parrafo(SinMarcas(b.lineas.front()));
                break;
            }
            case TipoBloque::kParrafo:
            case TipoBloque::kElemento: {
                const bool elemento = b.tipo == TipoBloque::kElemento;
                if (!elemento) s.Parrafo("");
                s.FijaSangria(elemento ? kSangriaLista : 0, elemento ? kSangriaLista + 200 : 0);
                for (size_t k = 0; k < b.lineas.size(); ++k)
                    s.Parrafo((elemento && k == 0 ? "• " : "") + SinMarcas(b.lineas[k]));
                s.FijaSangria(0, 0);
                break;
            }
            case TipoBloque::kTabla:
                Tabla(s, c, b.filas);
                break;
        }
    }
}

void TablaComprobaciones(SuperficiePagina& s, const ConfiguracionInforme& c,
                         const EjemploVerificado& e) {
    std::vector<std::vector<std::string>> filas = {
        {"Valor", "Esperado", "Tolerancia", "Calculado", "Diferencia", "Resultado"}};
    for (const Comprobacion& k : e.comprobaciones)
        filas.push_back(
            {DescribeClave(k.esperado.clave), k.esperado.escrito,
             k.esperado.numero ? "± " + NumeroVerificacion(k.esperado.tolerancia) : "igual",
             k.calculado, k.diferencia ? NumeroVerificacion(*k.diferencia) : "-",
             k.cumple ? "OK" : "FALLA"});
    Tabla(s, c, filas);
}

std::string Titulo(const EjemploVerificado& e, const std::vector<BloqueMarcado>& calculo) {
    if (!calculo.empty() && calculo.front().tipo == TipoBloque::kTitulo)
        return SinMarcas(calculo.front().lineas.front());
    return e.nombre;
}

int Valores(const std::vector<EjemploVerificado>& ejemplos) {
    int n = 0;
    for (const EjemploVerificado& e : ejemplos) n += static_cast<int>(e.comprobaciones.size());
    return n;
}

void Portada(SuperficiePagina& s, const ConfiguracionInforme& c,
             const std::vector<EjemploVerificado>& ejemplos) {
    EstiloTexto titulo = c.estilos[kEstiloSubtitulos];
    titulo.tamano = 18;
    titulo.negrita = true;
    s.FijaEstilo(titulo);
    s.Parrafo("Manual de verificación");
    UsaEstiloTexto(s, c);
    s.Parrafo(std::string(kNombrePrograma) + " " + kVersionPrograma +
              (c.fecha.empty() ? "" : ", " + c.fecha));
    int fallos = 0;
    for (const EjemploVerificado& e : ejemplos) fallos += e.Fallos();
    s.Parrafo("");
    s.Parrafo(
        "Cada ejemplo es una viga cuya solución se conoce por fórmulas cerradas, por un método "
        "de libro resuelto a mano o por las fórmulas de diseño. Los valores esperados se "
        "escribieron desde el cálculo a mano, no con el programa, y se comprobaron una vez con "
        "cálculos independientes. El programa calculó cada proyecto por el mismo camino que "
        "trabelux-cli calc; la comparación de cada valor con su tolerancia está en la tabla de "
        "cada ejemplo.");
    s.Parrafo("");
    s.Parrafo("Resultado: " + std::to_string(ejemplos.size()) + " ejemplos, " +
              std::to_string(Valores(ejemplos)) + " valores comprobados, " +
              (fallos == 0
                   ? std::string("todos coinciden (OK).")
                   : std::to_string(fallos) + (fallos == 1 ? " falla" : " fallan") + " (FALLA)."));
    // One paragraph an example: a table cell is never broken, a description must wrap.
    EscribeTituloSeccion(s, c, "Resumen");
    s.FijaSangria(kSangriaLista, kSangriaLista + 200);
    for (const EjemploVerificado& e : ejemplos)
        s.Parrafo("• " + e.nombre + ": " + e.esperado.descripcion + ". " +
                  std::to_string(e.comprobaciones.size()) + " valores, " +
                  (e.Fallos() == 0 ? "OK" : "FALLA") + ".");
    s.FijaSangria(0, 0);
    s.Parrafo("");
    s.Parrafo(
        "Signos: fuerzas de extremo sobre el vano, hacia arriba y antihorarias positivas; "
        "reacciones hacia arriba y antihorarias positivas. Unidades: t, t·m, m, cm², cm²/m. El "
        "diseño sigue el método de resistencia con los factores de ACI 318-99; los ejemplos 7 y "
        "8 dicen en qué difiere ACI 318-19.");
}

void Ejemplo(SuperficiePagina& s, const ConfiguracionInforme& c, const EjemploVerificado& e) {
    std::vector<BloqueMarcado> calculo = LeeTextoMarcado(e.calculoManual);
    const std::string titulo = Titulo(e, calculo);
    if (!calculo.empty() && calculo.front().tipo == TipoBloque::kTitulo)
        calculo.erase(calculo.begin());
    s.NuevaPagina();
    EstiloTexto grande = c.estilos[kEstiloSubtitulos];
    grande.tamano = std::max(grande.tamano, 14.0);
    grande.negrita = true;
    s.FijaSangria(0, 0);
    s.FijaEstilo(grande);
    s.Parrafo(titulo);
    UsaEstiloTexto(s, c);
    if (!e.esperado.descripcion.empty()) s.Parrafo(e.esperado.descripcion + ".");
    s.Parrafo(
        "Proyecto: " + (e.esperado.proyecto.empty() ? e.nombre + ".vcw" : e.esperado.proyecto) +
        (e.esperado.opciones.empty() ? "" : " (opciones " + e.esperado.opciones + ")"));
    if (e.proyecto) {
        s.Parrafo("");
        s.Parrafo("");
        DibujaCargasInforme(s, *e.proyecto);
        s.FijaY(s.Y() + kBajoDibujo);
    }
    if (!e.error.empty()) {
        EscribeTituloSeccion(s, c, "No se pudo comprobar");
        s.Parrafo(e.error);
    }
    EscribeTituloSeccion(s, c, "Cálculo a mano");
    CalculoManual(s, c, calculo);
    s.AseguraEspacio(AltoTitulo(s, c, "Valores esperados y calculados") + 6 * s.AltoTexto());
    EscribeTituloSeccion(s, c, "Valores esperados y calculados");
    TablaComprobaciones(s, c, e);
}

}  // namespace

void ComponeManualVerificacion(SuperficiePagina& s, const std::vector<EjemploVerificado>& ejemplos,
                               const ConfiguracionInforme& c) {
    s.FijaEncabezado("Trabelux|Manual de verificación|" + c.fecha, c.estilos[kEstiloHeader]);
    s.FijaPie("||Pag %d", c.estilos[kEstiloFooter]);
    Portada(s, c, ejemplos);
    for (const EjemploVerificado& e : ejemplos) Ejemplo(s, c, e);
}

}  // namespace trabelux
