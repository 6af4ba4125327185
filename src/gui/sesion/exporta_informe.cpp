// The session's exports: the calculation report written to a PDF file and the
// reinforcement drawing to a DXF file.
#include <QDir>
#include <QFileInfo>

#include "core/calculo/calcula.h"
#include "core/dxf/planos_viga.h"
#include "gui/comun/mensajes.h"
#include "gui/documento/documento.h"
#include "gui/documento/informe_documento.h"
#include "gui/sesion/sesion.h"
#include "io/archivos.h"
#include "render/informe_pdf.h"

namespace trabelux {

namespace {

// The file's name asked for beside the project, with the given extension.
QString PideRutaExportacion(QWidget* ventana, const QString& rutaProyecto,
                            const QString& extension) {
    QString inicial = rutaProyecto;
    if (!inicial.isEmpty())
        inicial = QFileInfo(inicial).absoluteDir().filePath(QFileInfo(inicial).completeBaseName() +
                                                            "." + extension);
    QString ruta = Mensajes::PideArchivoGuardar(ventana, "(*." + extension + ")", inicial);
    if (!ruta.isEmpty() && QFileInfo(ruta).suffix().isEmpty()) ruta += "." + extension;
    return ruta;
}

}  // namespace

bool Sesion::ExportaInformePdf() {
    Confirma();
    const QString ruta = PideRutaExportacion(ventana_, doc_->Ruta(), QStringLiteral("pdf"));
    return !ruta.isEmpty() && ExportaInformePdfEn(ruta);
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

bool Sesion::ExportaPlanosDxf() {
    Confirma();
    // Said before the name is asked: there is nothing to draw without a design.
    if (!AdmiteDiseno(doc_->ProyectoActual())) {
        Mensajes::Advierte(ventana_, QStringLiteral("El plano de armado se dibuja solo para vigas "
                                                    "de Hormigon."));
        return false;
    }
    if (!doc_->Disenado()) {
        Mensajes::Advierte(ventana_, QStringLiteral("La viga no tiene un diseño vigente. Ejecute "
                                                    "Analisis y diseño antes de exportar los "
                                                    "planos."));
        return false;
    }
    const QString ruta = PideRutaExportacion(ventana_, doc_->Ruta(), QStringLiteral("dxf"));
    return !ruta.isEmpty() && ExportaPlanosDxfEn(ruta);
}

bool Sesion::ExportaPlanosDxfEn(const QString& ruta) {
    if (!doc_->Disenado()) return false;
    // The project as it stands: current results describe it, and its stock length (which no
    // run reads) may have changed since the run.
    const PlanoViga plano =
        DibujaPlanoViga(doc_->ProyectoActual(), *doc_->UltimosResultados(), doc_->Detallado());
    const Estado error = GuardaArchivo(ruta.toStdString(), plano.dibujo.TextoDxf());
    if (!error) {
        Mensajes::Error(ventana_, QString::fromStdString(error.Mensaje()));
        return false;
    }
    emit informa(QStringLiteral("Planos: %1").arg(QFileInfo(ruta).absoluteFilePath()));
    return true;
}

}  // namespace trabelux
