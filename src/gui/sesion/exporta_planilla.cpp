// The session's exports: the bar schedule written to a CSV file.
#include <QDir>
#include <QFileInfo>

#include "core/detallado/despiece.h"
#include "core/detallado/planilla.h"
#include "core/modelo/datos_numericos.h"
#include "gui/comun/mensajes.h"
#include "gui/documento/documento.h"
#include "gui/sesion/sesion.h"
#include "io/archivos.h"

namespace trabelux {

bool Sesion::ExportaPlanillaCsv() {
    Confirma();
    if (!doc_->Disenado()) {
        Mensajes::Error(ventana_, QStringLiteral("La planilla de aceros necesita el diseño de "
                                                 "la viga: use \"Analisis y diseño\"."));
        return false;
    }
    QString inicial = doc_->Ruta();
    if (!inicial.isEmpty())
        inicial = QFileInfo(inicial).absoluteDir().filePath(QFileInfo(inicial).completeBaseName() +
                                                            QStringLiteral("-planilla.csv"));
    QString ruta = Mensajes::PideArchivoGuardar(ventana_, QStringLiteral("(*.csv)"), inicial);
    if (ruta.isEmpty()) return false;
    if (QFileInfo(ruta).suffix().isEmpty()) ruta += QStringLiteral(".csv");
    return ExportaPlanillaCsvEn(ruta);
}

bool Sesion::ExportaPlanillaCsvEn(const QString& ruta) {
    if (!doc_->Disenado()) return false;
    // The bars as the detailing window shows them (proposed when never opened).
    const TablaDetallado& t = doc_->Detallado();
    const Proyecto& p = doc_->ProyectoActual();
    Despiece d = CalculaDespiece(p, *doc_->UltimosResultados(), t,
                                 LeeDatosNumericos(p.datos).largoComercial);
    const Estado error = GuardaArchivo(ruta.toStdString(), PlanillaCsv(ComponePlanilla(d, p)));
    if (!error) {
        Mensajes::Error(ventana_, QString::fromStdString(error.Mensaje()));
        return false;
    }
    return true;
}

}  // namespace trabelux
