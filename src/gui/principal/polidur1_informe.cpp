// The main window's report command: the calculation report written to a PDF file.
#include <QDir>
#include <QFileInfo>

#include "gui/comun/mensajes.h"
#include "gui/documento/documento.h"
#include "gui/documento/informe_documento.h"
#include "gui/principal/polidur1.h"
#include "gui/principal/tabla_vanos.h"
#include "io/archivos.h"
#include "render/informe_pdf.h"

namespace trabelux {

bool Polidur1::ExportaInformePdf() {
    tabla_->ConfirmaEdicion();
    QString inicial = doc_->Ruta();
    if (!inicial.isEmpty())
        inicial = QFileInfo(inicial).absoluteDir().filePath(QFileInfo(inicial).completeBaseName() +
                                                            QStringLiteral(".pdf"));
    QString ruta = Mensajes::PideArchivoGuardar(this, QStringLiteral("(*.pdf)"), inicial);
    if (ruta.isEmpty()) return false;
    if (QFileInfo(ruta).suffix().isEmpty()) ruta += QStringLiteral(".pdf");
    return ExportaInformePdfEn(ruta);
}

bool Polidur1::ExportaInformePdfEn(const QString& ruta) {
    doc_->Actualiza();
    const Estado error =
        GuardaArchivo(ruta.toStdString(),
                      PdfDelInforme(doc_->ConfiguracionReporte(), InformeDelDocumento(*doc_)));
    if (!error) {
        Mensajes::Error(this, QString::fromStdString(error.Mensaje()));
        return false;
    }
    return true;
}

}  // namespace trabelux
