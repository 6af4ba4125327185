// The session's exports: the calculation report written to a PDF file.
#include <QDir>
#include <QFileInfo>

#include "gui/comun/mensajes.h"
#include "gui/documento/documento.h"
#include "gui/documento/informe_documento.h"
#include "gui/sesion/sesion.h"
#include "io/archivos.h"
#include "render/informe_pdf.h"

namespace trabelux {

bool Sesion::ExportaInformePdf() {
    Confirma();
    QString inicial = doc_->Ruta();
    if (!inicial.isEmpty())
        inicial = QFileInfo(inicial).absoluteDir().filePath(QFileInfo(inicial).completeBaseName() +
                                                            QStringLiteral(".pdf"));
    QString ruta = Mensajes::PideArchivoGuardar(ventana_, QStringLiteral("(*.pdf)"), inicial);
    if (ruta.isEmpty()) return false;
    if (QFileInfo(ruta).suffix().isEmpty()) ruta += QStringLiteral(".pdf");
    return ExportaInformePdfEn(ruta);
}

bool Sesion::ExportaInformePdfEn(const QString& ruta) {
    doc_->Actualiza();
    const Estado error =
        GuardaArchivo(ruta.toStdString(),
                      PdfDelInforme(doc_->ConfiguracionReporte(), InformeDelDocumento(*doc_)));
    if (!error) {
        Mensajes::Error(ventana_, QString::fromStdString(error.Mensaje()));
        return false;
    }
    return true;
}

}  // namespace trabelux
