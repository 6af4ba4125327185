// The report on paper: the examples' compositions recorded through the PDF's fonts against
// their goldens, and the largest report as a PDF whose pages carry their header, footer
// and section titles.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <regex>
#include <sstream>

#include "comun/viga_mayor.h"
#include "core/archivos/proyecto_vcw.h"
#include "core/calculo/calcula.h"
#include "core/derivados/actualiza_derivados.h"
#include "core/detallado/acciones_detallado.h"
#include "core/reporte/composicion.h"
#include "core/version.h"
#include "io/archivos.h"
#include "io/lectores_disco.h"
#include "render/grabadora_qt.h"
#include "render/informe_pdf.h"

using namespace trabelux;

namespace {

// Fonts need a GUI application; the tests run on the offscreen platform.
void AseguraAplicacion() {
    static int argc = 1;
    static char nombre[] = "render_tests";
    static char* argv[] = {nombre, nullptr};
    static QGuiApplication* app =
        QGuiApplication::instance() ? nullptr : new QGuiApplication(argc, argv);
    (void)app;
}

// The largest beam cut to its first `n` spans, run to the end with its bars proposed.
struct VigaCalculada {
    Proyecto p;
    Resultados r;
    TablaDetallado detallado;
};

VigaCalculada Calculada(int n) {
    VigaCalculada v{VigaMayor(), {}, {}};
    v.p.numVanos = n;
    v.p.vanos.resize(static_cast<size_t>(n));
    ActualizaDerivados(v.p);
    OpcionesCalculo o;
    o.preguntaRefuerzoDoble = [](const std::string&) { return true; };
    v.r = Calcula(v.p, o);
    EXPECT_TRUE(v.r.Calculado()) << v.r.parada.Mensaje();
    CargaDetallado(v.detallado, v.p, v.r);
    return v;
}

Proyecto Ejemplo(const std::string& nombre) {
    const std::string ruta = std::string(TRABELUX_EXAMPLES) + "/" + nombre;
    Resultado<ProyectoAbierto> l = AbreProyecto(ruta, LectoresDeDisco(ruta, ""));
    EXPECT_TRUE(l) << l.mensaje;
    return l ? l.valor->proyecto : Proyecto{};
}

// Whole compositions of the examples against their recorded goldens, recorded through the
// PDF's fonts as "report --text" records them (TRABELUX_REGENERA=1 rewrites them). The
// program's version is left out, so a new version needs no new goldens.
TEST(InformeEnPapel, ExamplesMatchTheirGoldens) {
    AseguraAplicacion();
    struct Caso {
        const char* golden;
        const char* ejemplo;
        enum { kNada, kAnalisis, kDiseno } corrida;
        bool diagramas, refuerzo;
    } casos[] = {
        {"tres-vanos-sin-calculo", "tres-vanos.vcw", Caso::kNada, false, false},
        {"tres-vanos-analisis", "tres-vanos.vcw", Caso::kAnalisis, false, false},
        {"tres-vanos-diseno", "tres-vanos.vcw", Caso::kDiseno, true, true},
        {"empotrada", "empotrada.vcw", Caso::kDiseno, true, true},
        {"viga-losas", "viga-losas.vcw", Caso::kDiseno, false, false},
    };
    const bool regenera = std::getenv("TRABELUX_REGENERA") != nullptr;
    const std::regex menosCero(R"(-0\.0+\b)");
    for (const Caso& caso : casos) {
        const Proyecto p = Ejemplo(caso.ejemplo);
        std::optional<Resultados> r;
        if (caso.corrida != Caso::kNada) {
            OpcionesCalculo o;
            o.soloAnalisis = caso.corrida == Caso::kAnalisis;
            o.preguntaRefuerzoDoble = [](const std::string&) { return true; };
            r = Calcula(p, o);
        }
        TablaDetallado t;
        if (r && r->Calculado()) CargaDetallado(t, p, *r);
        ConfiguracionInforme c;
        c.diagramas =
            caso.diagramas ? OpcionDiagramas::kCortanteMomento : OpcionDiagramas::kNinguno;
        c.refuerzo = caso.refuerzo;
        c.fecha = "15/03/2024";
        GrabadoraQt s;
        ComponeDocumentoInforme(s, p, r ? &*r : nullptr, &t, c);
        std::string volcado = s.Volcado();
        for (size_t k; (k = volcado.find(kVersionPrograma)) != std::string::npos;)
            volcado.replace(k, std::string(kVersionPrograma).size(), "<version>");
        EXPECT_FALSE(std::regex_search(volcado, menosCero)) << caso.golden;

        const std::string ruta =
            std::string(TRABELUX_TEST_DATA) + "/informes/" + caso.golden + ".txt";
        if (regenera) {
            std::ofstream(ruta, std::ios::binary) << volcado;
            continue;
        }
        EXPECT_EQ(volcado, LeeBytesArchivo(ruta).value_or(""))
            << caso.golden << " (TRABELUX_REGENERA=1 rewrites the goldens)";
    }
}

std::string Ejecuta(const QString& programa, const QStringList& argumentos) {
    QProcess p;
    p.start(programa, argumentos);
    p.waitForFinished(30000);
    return p.readAllStandardOutput().toStdString();
}

TEST(InformeEnPapel, LargestReportBecomesAPdfWithHeaderFooterAndTitlesOnItsPages) {
    AseguraAplicacion();
    const VigaCalculada v = Calculada(kMaxVanos);
    ConfiguracionInforme c;
    c.diagramas = OpcionDiagramas::kCortanteMomento;
    c.refuerzo = true;
    c.encabezado = "    Edificio K1 | Viga V1| Pag %d";
    c.pie = "Calculo: Ing. Q.||Hoja %d";
    QTemporaryDir carpeta;
    const QString pdf = carpeta.filePath(QStringLiteral("informe.pdf"));
    int paginas = 0;
    const Estado guardado = GuardaArchivo(
        pdf.toStdString(),
        PdfDelInforme(
            c, [&](SuperficiePagina& s) { ComponeInforme(s, v.p, &v.r, &v.detallado, c); },
            &paginas));
    ASSERT_TRUE(guardado) << guardado.Mensaje();
    ASSERT_GT(paginas, 3);

    const std::string info = Ejecuta(QStringLiteral("pdfinfo"), {pdf});
    if (info.empty()) GTEST_SKIP() << "pdfinfo is not installed";
    const auto k = info.find("Pages:");
    ASSERT_NE(k, std::string::npos) << info;
    EXPECT_EQ(std::stoi(info.substr(k + 6)), paginas);

    std::string todo;
    for (int i = 1; i <= paginas; ++i) {
        const std::string pagina =
            Ejecuta(QStringLiteral("pdftotext"),
                    {QStringLiteral("-f"), QString::number(i), QStringLiteral("-l"),
                     QString::number(i), QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        for (const std::string& t :
             {std::string("Edificio K1"), std::string("Viga V1"), "Pag " + std::to_string(i),
              std::string("Calculo: Ing. Q."), "Hoja " + std::to_string(i)})
            EXPECT_NE(pagina.find(t), std::string::npos) << "page " << i << ": " << t;
        todo += pagina;
    }
    for (const char* titulo :
         {"Datos Generales", "Bases de diseño", "Convención de signos", "Datos de los apoyos",
          "Datos de los vanos", "Cargas concentradas en los vanos", "Cargas en los nudos",
          "Reacciones de apoyo", "Cortantes y Momentos", "Refuerzo en apoyos", "Refuerzo en vanos",
          "Refuerzo transversal", "Diagrama de Cortante", "Diagrama de Momento",
          "Detalle del refuerzo"})
        EXPECT_NE(todo.find(titulo), std::string::npos) << titulo;
}

}  // namespace
