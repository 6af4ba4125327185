// The largest report (20 spans, 20 loads per span, diagrams and sections): composed onto
// the recording surface, and written to a PDF in memory through the QPainter surface.
#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QPdfWriter>

#include "comun/viga_mayor.h"
#include "core/calculo/calcula.h"
#include "core/detallado/acciones_detallado.h"
#include "core/reporte/composicion.h"
#include "core/reporte/superficie_grabadora.h"
#include "render/informe_pdf.h"

namespace {

using namespace trabelux;

struct InformeMayor {
    Proyecto p = VigaMayor();
    Resultados r;
    TablaDetallado detallado;
    ConfiguracionInforme c;

    InformeMayor() {
        OpcionesCalculo o;
        o.preguntaRefuerzoDoble = [](const std::string&) { return true; };
        r = Calcula(p, o);
        CargaDetallado(detallado, p, r);
        c.diagramas = OpcionDiagramas::kCortanteMomento;
        c.refuerzo = true;
    }
};

void BM_ComponeInformeMayor(benchmark::State& state) {
    const InformeMayor i;
    for (auto _ : state) {
        SuperficieGrabadora s;
        ComponeDocumentoInforme(s, i.p, &i.r, &i.detallado, i.c);
        benchmark::DoNotOptimize(s.NumPaginas());
    }
}
BENCHMARK(BM_ComponeInformeMayor)->Unit(benchmark::kMillisecond);

void BM_InformeMayorEnPdf(benchmark::State& state) {
    const InformeMayor i;
    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&buffer);
        pdf.setResolution(1440);
        int paginas = ImprimeInforme(pdf, i.c, [&](SuperficiePagina& s) {
            ComponeInforme(s, i.p, &i.r, &i.detallado, i.c);
        });
        if (paginas == 0) state.SkipWithError("el PDF no se pudo escribir");
        benchmark::DoNotOptimize(paginas);
    }
}
BENCHMARK(BM_InformeMayorEnPdf)->Unit(benchmark::kMillisecond);

}  // namespace
