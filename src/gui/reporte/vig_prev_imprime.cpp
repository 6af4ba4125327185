// The report window's printing: the chosen page range on the chosen printer, or into a PDF
// file written whole or not at all.
#include <QBuffer>
#include <QFileInfo>
#include <QPdfWriter>
#include <QPrinter>
#include <QRadioButton>
#include <QSpinBox>

#include "gui/comun/mensajes.h"
#include "gui/documento/documento.h"
#include "gui/reporte/vig_prev.h"
#include "io/archivos.h"
#include "render/informe_pdf.h"

namespace trabelux {

namespace {

const QString kFiltroPdf = QStringLiteral("PDF (*.pdf)");

}  // namespace

void VigPrev::Imprime() {
    if (rangoTodas_->isChecked())
        ImprimePaginas(1, NumPaginas());
    else if (rangoActual_->isChecked())
        ImprimePaginas(PaginaActual(), PaginaActual());
    else
        ImprimePaginas(desde_->value(), hasta_->value());
}

bool VigPrev::ImprimePaginas(int desde, int hasta) {
    const int n = NumPaginas();
    if (desde > hasta) {
        Mensajes::Advierte(this, QStringLiteral("La pagina \"Desde\" (%1) es posterior a la pagina "
                                                "\"Hasta\" (%2): no se imprime nada.")
                                     .arg(desde)
                                     .arg(hasta));
        return false;
    }
    if (desde < 1 || hasta > n) {
        Mensajes::Advierte(this, QStringLiteral("El informe tiene %1 paginas: las paginas %2 a %3 "
                                                "no existen.")
                                     .arg(n)
                                     .arg(desde)
                                     .arg(hasta));
        return false;
    }
    const DispositivoImpresion* d = DispositivoElegido();
    if (!d) return false;
    if (d->archivoPdf) {
        QString ruta = Mensajes::PideArchivoGuardar(this, kFiltroPdf, QString());
        if (ruta.isEmpty()) return false;
        if (QFileInfo(ruta).suffix().isEmpty()) ruta += QStringLiteral(".pdf");
        // Composed in memory first: a file that cannot be written keeps what it held.
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        int puestas = 0;
        {
            QPdfWriter pdf(&buffer);
            pdf.setResolution(1440);
            pdf.setCreator(QStringLiteral("Trabelux"));
            puestas = trabelux::ImprimePaginas(pdf, Configuracion(), composicion_, desde, hasta);
        }
        Estado error = puestas == 0
                           ? Estado::Falla("No se pudo componer el informe")
                           : GuardaArchivo(ruta.toStdString(), buffer.data().toStdString());
        if (!error) {
            Mensajes::Error(this, QString::fromStdString(error.Mensaje()));
            return false;
        }
        return true;
    }
    QPrinter impresora(QPrinter::HighResolution);
    impresora.setPrinterName(d->nombre);
    impresora.setFullPage(true);
    impresora.setDocName(QStringLiteral("Trabelux - %1")
                             .arg(QString::fromStdString(doc_->ProyectoActual().nombreViga)));
    const bool valida = impresora.isValid() && impresora.printerName() == d->nombre;
    if (!valida ||
        trabelux::ImprimePaginas(impresora, Configuracion(), composicion_, desde, hasta) == 0) {
        Mensajes::Error(this, QStringLiteral("No se pudo imprimir en \"%1\".").arg(d->nombre));
        return false;
    }
    return true;
}

}  // namespace trabelux
