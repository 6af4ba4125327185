// The session's exports: the calculation report written to a PDF file.
#include <QDir>
#include <QFileInfo>

#include "comun/mensajes.h"
#include "documento/documento.h"
#include "documento/informe_documento.h"
#include "informe_qt.h"
#include "sesion/sesion.h"

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
    const std::string error = EscribeInformePdf(ruta.toStdString(), doc_->ConfiguracionReporte(),
                                                InformeDelDocumento(*doc_));
    if (!error.empty()) {
        Mensajes::Error(ventana_, QString::fromStdString(error));
        return false;
    }
    return true;
}

}  // namespace trabelux
