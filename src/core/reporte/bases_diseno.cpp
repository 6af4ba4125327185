#include "core/reporte/bases_diseno.h"

#include <cmath>

#include "core/analisis/entrada.h"
#include "core/calculo/calcula.h"
#include "core/dibujo/geometria_refuerzo.h"
#include "core/diseno/constantes.h"
#include "core/modelo/filas_vano.h"
#include "core/modelo/reglas_datos_generales.h"
#include "core/texto/numeros.h"

namespace trabelux {

namespace {

using namespace constantes_diseno;

std::string Numero(double v, const char* patron = "#0.##") { return Formatea(v, patron); }

// "Wu = 1.4 (P. Propio + C. muerta) + 1.7 C. Viva", in the names of the span table's
// columns.
std::string CargaUltima(const DatosGenerales& d, const DatosNumericos& n) {
    const auto titulos = TitulosCargasVano(d);
    std::string texto = "Carga de diseño: " + titulos[3] + " = " + Numero(n.factorMuerta) + " (" +
                        titulos[0] + " + " + titulos[1] + ") + " + Numero(n.factorViva) + " " +
                        titulos[2];
    if (d.usaCargaTotal) texto += " (" + TextoCargaTotal(d.material) + ")";
    texto += PesoPropioCalculado(d)
                 ? "; " + titulos[0] + " con el peso unitario " + Numero(n.pesoUnitario) + " To/m3."
                 : "; " + titulos[0] + " sin calcular.";
    return texto;
}

// A cell of the user's text never splits the table's rows or cells.
std::string SinSeparadores(std::string texto) {
    for (char& c : texto)
        if (c == '|' || c == ';' || c == '\n') c = ' ';
    return texto;
}

}  // namespace

std::vector<std::string> ParrafosBasesDiseno(const Proyecto& p, const Resultados* r) {
    const DatosGenerales& d = p.datos;
    const DatosNumericos n = LeeDatosNumericos(d);
    std::vector<std::string> parrafos;
    parrafos.push_back(
        "Análisis: viga continua por el método de rigidez, elástico y lineal, bajo la carga de "
        "diseño de cada vano.");
    const double fc = n.fc;
    const double ec = ModuloHormigon(fc);
    if (!AdmiteDiseno(p)) {
        parrafos.push_back(TextoDisenoSoloHormigon(p));
        parrafos.push_back(CargaUltima(d, n));
        parrafos.push_back(ec > 0 ? "Módulo de elasticidad del análisis: E = 15100 √F'c = " +
                                        Numero(ec, "0") + " Kg/cm2."
                                  : "Módulo de elasticidad del análisis: E = 1 (sin F'c).");
    } else {
        std::string metodo =
            "Diseño: por resistencia, sección rectangular b x h con peralte efectivo d = h - "
            "recubrimiento; refuerzo simple hasta la cuantía máxima " +
            Numero(kFraccionBalanceada, "0.00") + " ρb.";
        if (r && r->refuerzoDoble)
            metodo +=
                " Donde la sección no basta con refuerzo simple, refuerzo doble (acero en "
                "compresión), aceptado en este cálculo.";
        parrafos.push_back(metodo);
        parrafos.push_back(CargaUltima(d, n));
        parrafos.push_back(
            "Factores de reducción de resistencia: flexión φ = " + Numero(kFiFlexion, "0.00") +
            "; cortante φ = " + Numero(kFiCortante, "0.00") + ".");
        parrafos.push_back(
            "Recubrimiento, de la cara al centroide del refuerzo: " + Numero(n.recub) + " cm.");
        const double es = kEsPorDeformacion / kDeformacionUltima;
        std::string modulos = "Módulos de elasticidad: Ec = 15100 √F'c = " + Numero(ec, "0") +
                              " Kg/cm2; Es = " + Numero(es, "0") + " Kg/cm2";
        if (ec > 0) modulos += "; n = Es / Ec = " + Numero(es / ec, "0.00");
        parrafos.push_back(modulos + ".");
        parrafos.push_back("Refuerzo mínimo por flexión: As mín = " + Numero(kCuantiaMinima) +
                           " b d / Fy. Cortante: Vc = " + Numero(kCoefVc, "0.00") +
                           " √F'c b d, estribos de dos ramas.");
    }
    parrafos.push_back(
        "Unidades: fuerzas en To, momentos en To-m, longitudes en m, dimensiones de las "
        "secciones en cm, esfuerzos en Kg/cm2 y áreas de acero en cm2.");
    return parrafos;
}

std::string TextoConvencionSignos() {
    return "Las cargas de los vanos son positivas hacia abajo; en los nudos, la fuerza es "
           "positiva hacia arriba y el momento, en sentido antihorario. En las tablas, los "
           "cortantes y momentos de los extremos I (izquierdo) y J (derecho) de cada vano son las "
           "fuerzas que actúan sobre esos extremos, positivas hacia arriba y en sentido "
           "antihorario, como las reacciones. En los diagramas, el momento es positivo cuando "
           "tracciona la fibra inferior y el cortante cuando la resultante de las fuerzas a la "
           "izquierda de la sección es hacia arriba; los valores positivos se dibujan bajo el "
           "eje. Por eso, en el extremo I el diagrama muestra el momento de la tabla con el signo "
           "cambiado (Momento I = +20.303 se dibuja -20.30) y el cortante de la tabla; en el "
           "extremo J, el momento de la tabla y el cortante con el signo cambiado. El momento "
           "máximo del vano es el del diagrama.";
}

std::string TextoDisenoSoloHormigon(const Proyecto& p) {
    return "El diseño se aplica solo a vigas de Hormigon: esta viga de " +
           NombreMaterial(p.datos.material) + " se presenta con su análisis.";
}

TablaInforme TablaDetalleRefuerzo(const TablaDetallado& t) {
    TablaInforme tabla{
        "^_1000|^_800|^_700|<_1300|<_1200|<_1300|<_1600",
        "Ubicación|Sección|Tipo|Refuerzo inferior|Percha|Refuerzo adicional|Estribos", ""};
    for (const FilaDetallado& f : t.filas) {
        for (const std::string& celda :
             {f.ubic, f.sec, f.tipo, EtiquetaBarras(f.barraInferior, f.cantInferior),
              EtiquetaBarras(f.barraPercha, f.cantPercha),
              EtiquetaBarras(f.barraAdicional, f.cantAdicional), EtiquetaEstribos(f)})
            tabla.cuerpo += SinSeparadores(celda) + "|";
        tabla.cuerpo.back() = ';';
    }
    return tabla;
}

}  // namespace trabelux
