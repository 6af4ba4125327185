// The report on paper: on every paper the PDF device offers, in both orientations, the
// composition ends and stays on the page with its texts inside the margins; the largest
// report becomes a PDF whose pages carry their header, footer and section titles.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <cmath>

#include "analisis/calcula.h"
#include "comun/viga_mayor.h"
#include "detallado/detallado.h"
#include "informe_qt.h"
#include "reporte/inicia.h"
#include "reporte/papel.h"
#include "reporte/superficie_grabadora.h"

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
    EXPECT_TRUE(v.r.Calculado()) << v.r.mensaje;
    MyLoad(v.detallado, v.p, v.r);
    return v;
}

size_t Caracteres(const std::string& utf8) {
    return static_cast<size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

TEST(InformeEnPapel, EveryPaperAndOrientationKeepsTheReportOnThePage) {
    AseguraAplicacion();
    const VigaCalculada vigas[] = {Calculada(1), Calculada(2), Calculada(kMaxVanos)};
    int papeles = 0;
    for (int codigo = 1; codigo < kNumCodigosPapel; ++codigo) {
        ConfiguracionInforme c;
        c.papel = codigo;
        if (NombrePapel(codigo).empty() || !PapelDeCodigo(codigo, c).isValid()) continue;
        ++papeles;
        c.diagramas = kDiagramasCortanteMomento;
        c.refuerzo = true;
        for (bool horizontal : {false, true}) {
            c.horizontal = horizontal;
            const Tamano hoja = TamanoHoja(c);
            for (const VigaCalculada& v : vigas) {
                SCOPED_TRACE(NombrePapel(codigo) + (horizontal ? " horizontal, " : ", ") +
                             std::to_string(v.p.numVanos) + " vanos");
                SuperficieGrabadora s;
                ComponeDocumento(s, v.p, &v.r, &v.detallado, c);
                int fuera = 0;
                for (const LlamadaGrabada& l : s.Llamadas()) {
                    for (const Punto& q : l.puntos)
                        if (!std::isfinite(q.x) || !std::isfinite(q.y) || q.x < -0.5 ||
                            q.y < -0.5 || q.x > hoja.ancho + 0.5 || q.y > hoja.alto + 0.5)
                            ++fuera;
                    if (l.tipo != LlamadaGrabada::Tipo::kTexto) continue;
                    const double fin =
                        l.puntos[0].x +
                        Caracteres(l.texto) * SuperficieGrabadora::AnchoCaracter(l.estilo.tamano);
                    if (l.puntos[0].x < c.margenes[kMargenIzquierda] - 0.5 ||
                        fin > hoja.ancho - c.margenes[kMargenDerecha] + 0.5) {
                        ADD_FAILURE() << "p" << l.pagina << " \"" << l.texto << "\" "
                                      << l.puntos[0].x << ".." << fin;
                        ++fuera;
                    }
                }
                EXPECT_EQ(fuera, 0);
                if (fuera) return;  // one paper's report is enough to read
            }
        }
    }
    EXPECT_GT(papeles, 60);
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
    c.diagramas = kDiagramasCortanteMomento;
    c.refuerzo = true;
    c.encabezado = "    Edificio K1 | Viga V1| Pag %d";
    c.pie = "Calculo: Ing. Q.||Hoja %d";
    QTemporaryDir carpeta;
    const QString pdf = carpeta.filePath(QStringLiteral("informe.pdf"));
    int paginas = 0;
    const std::string error = EscribeInformePdf(
        pdf.toStdString(), c, [&](SuperficiePagina& s) { Inicia(s, v.p, &v.r, &v.detallado, c); },
        &paginas);
    ASSERT_EQ(error, "");
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
         {"Datos Generales", "Datos de los apoyos", "Datos de los vanos",
          "Cargas concentradas en los vanos", "Cargas en los nudos", "Reacciones de apoyo",
          "Cortantes y Momentos", "Refuerzo en apoyos", "Refuerzo en vanos", "Refuerzo transversal",
          "Diagrama de Cortante", "Diagrama de Momento"})
        EXPECT_NE(todo.find(titulo), std::string::npos) << titulo;
}

}  // namespace
