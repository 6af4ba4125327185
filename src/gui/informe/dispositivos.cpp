#include "gui/informe/dispositivos.h"

#include <QPrinterInfo>
#include <cmath>

namespace trabelux {

namespace {

constexpr int kUltimoCodigo = 68;
constexpr int kFolio = 14;  // 8.5 x 13 in, no Qt size of its own

bool MismoTamano(const QPageSize& a, const QSizeF& pulgadas) {
    const QSizeF t = a.size(QPageSize::Inch);
    return std::abs(t.width() - pulgadas.width()) < 0.02 &&
           std::abs(t.height() - pulgadas.height()) < 0.02;
}

}  // namespace

QString NombreDispositivoPdf() { return QStringLiteral("Archivo PDF"); }

std::vector<int> CodigosSoportados(const QList<QPageSize>& tamanos) {
    std::vector<int> codigos;
    for (int codigo = 1; codigo <= kUltimoCodigo; ++codigo) {
        const QPageSize::PageSizeId id = QPageSize::id(codigo);
        for (const QPageSize& t : tamanos) {
            // A code names a paper; every code of the same paper is the same sheet in the
            // tray (the transverse entries), so all of them are offered.
            const bool soporta = codigo == kFolio ? MismoTamano(t, QSizeF(8.5, 13))
                                                  : id != QPageSize::Custom && t.id() == id;
            if (soporta) {
                codigos.push_back(codigo);
                break;
            }
        }
    }
    return codigos;
}

std::vector<DispositivoImpresion> DispositivosSistema() {
    std::vector<DispositivoImpresion> lista;
    const QString porDefecto = QPrinterInfo::defaultPrinterName();
    for (const QPrinterInfo& info : QPrinterInfo::availablePrinters()) {
        DispositivoImpresion d;
        d.nombre = info.printerName();
        d.codigos = CodigosSoportados(info.supportedPageSizes());
        d.personalizado = info.supportsCustomPageSizes();
        if (d.nombre == porDefecto)
            lista.insert(lista.begin(), std::move(d));
        else
            lista.push_back(std::move(d));
    }
    DispositivoImpresion pdf;
    pdf.nombre = NombreDispositivoPdf();
    pdf.archivoPdf = true;
    pdf.personalizado = true;
    for (int codigo = 1; codigo <= kUltimoCodigo; ++codigo)
        if (codigo == kFolio || QPageSize::id(codigo) != QPageSize::Custom)
            pdf.codigos.push_back(codigo);
    lista.push_back(std::move(pdf));
    return lista;
}

}  // namespace trabelux
