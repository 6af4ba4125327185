// The session's commands: new, open, save, the slab file and the runs; the exports are in
// exporta_informe.cpp.
#include "gui/sesion/sesion.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>

#include "core/archivos/archivo_losas.h"
#include "core/archivos/proyecto_vcw.h"
#include "core/calculo/calcula.h"
#include "core/losas/asignacion.h"
#include "gui/comun/mensajes.h"
#include "gui/documento/documento.h"
#include "io/archivos.h"
#include "io/datos_programa.h"
#include "io/lectores_disco.h"

namespace trabelux {

namespace {

const QString kFiltroProyecto = QStringLiteral("(*.vcw)");
const QString kFiltroLosas = QStringLiteral("(*.Los)");

}  // namespace

Sesion::Sesion(Documento* doc, QObject* padre)
    : QObject(padre), doc_(doc), rutaPerfiles_(RutaTablaPerfiles()) {}

void Sesion::Confirma() const {
    if (confirma_) confirma_();
}

bool Sesion::PuedeDescartarCambios() {
    if (!doc_->Modificado()) return true;
    switch (Mensajes::PreguntaSiNoCancelar(
        ventana_, QStringLiteral("El proyecto tiene cambios sin guardar. Quiere guardarlos?"))) {
        case Respuesta::Si:
            return Guarda();
        case Respuesta::No:
            return true;
        default:
            return false;
    }
}

void Sesion::Nuevo() {
    Confirma();
    if (!Mensajes::PreguntaOkCancelar(ventana_,
                                      QStringLiteral("Quiere comenzar un nuevo problema?")))
        return;
    if (!PuedeDescartarCambios()) return;
    emit cargaEmpieza();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    doc_->Reemplaza(ProyectoNuevo(), QString());
    emit proyectoNuevo();
    emit cargaTermina();
    emit informa(QStringLiteral("Proyecto nuevo"));
}

void Sesion::Abre() {
    Confirma();
    if (!PuedeDescartarCambios()) return;
    const QString ruta = Mensajes::PideArchivoAbrir(ventana_, kFiltroProyecto, doc_->Ruta());
    if (ruta.isEmpty()) return;
    AbreArchivo(ruta);
}

bool Sesion::AbreArchivo(const QString& ruta) {
    enCarga_ = true;
    // The slab file is looked for as the command line looks for it, so a project moved
    // together with its slab file opens the same in both.
    const QString absoluta = QFileInfo(ruta).absoluteFilePath();
    Resultado<ProyectoAbierto> leido = AbreProyecto(
        absoluta.toStdString(), LectoresDeDisco(absoluta.toStdString(), rutaPerfiles_));
    if (!leido) {
        enCarga_ = false;
        Mensajes::Error(ventana_, QString::fromStdString(leido.mensaje));
        return false;
    }
    doc_->Reemplaza(std::move(leido.valor->proyecto),
                    QString::fromStdString(leido.valor->losas.Mensaje()), absoluta);
    enCarga_ = false;
    emit informa(QStringLiteral("Abierto: %1").arg(absoluta));
    if (!leido.valor->aviso.empty())
        Mensajes::Advierte(ventana_, QString::fromStdString(leido.valor->aviso));
    return true;
}

bool Sesion::GuardaComo() {
    Confirma();
    QString ruta = Mensajes::PideArchivoGuardar(ventana_, kFiltroProyecto, doc_->Ruta());
    if (ruta.isEmpty()) return false;
    if (QFileInfo(ruta).suffix().isEmpty()) {
        ruta += QStringLiteral(".vcw");
        // The dialog confirmed the name as typed; the completed name may be another,
        // existing project, which must not be replaced unasked.
        if (QFileInfo::exists(ruta) &&
            !Mensajes::PreguntaSiNo(ventana_,
                                    QStringLiteral("El archivo %1 ya existe.\nQuiere reemplazarlo?")
                                        .arg(QFileInfo(ruta).fileName())))
            return false;
    }
    return GuardaEn(ruta);
}

bool Sesion::Guarda() {
    Confirma();
    return doc_->Ruta().isEmpty() ? GuardaComo() : GuardaEn(doc_->Ruta());
}

bool Sesion::GuardaEn(const QString& ruta) {
    doc_->Actualiza();
    const std::string bytes = EscribeProyectoVcw(doc_->ProyectoActual());
    const Estado error = GuardaArchivo(ruta.toStdString(), bytes);
    if (!error) {
        Mensajes::Error(ventana_, QString::fromStdString(error.Mensaje()));
        return false;
    }
    doc_->MarcaGuardado(QFileInfo(ruta).absoluteFilePath());
    emit informa(QStringLiteral("Guardado: %1").arg(QFileInfo(ruta).absoluteFilePath()));
    return true;
}

void Sesion::EligeArchivoLosas() {
    Confirma();
    // The dialog opens at the slab file in use, or else in the project's folder.
    QString inicial = QString::fromStdString(doc_->ProyectoActual().archivoLosas);
    if (inicial.isEmpty() && !doc_->Ruta().isEmpty())
        inicial = QFileInfo(doc_->Ruta()).absolutePath();
    const QString ruta = Mensajes::PideArchivoAbrir(ventana_, kFiltroLosas, inicial);
    if (ruta.isEmpty()) return;
    const std::string absoluta = QFileInfo(ruta).absoluteFilePath().toStdString();
    const Resultado<std::string> bytes = LeeContenidoArchivo(absoluta);
    if (!bytes) {
        Mensajes::Error(ventana_, QStringLiteral("No se pudo leer el archivo de losas:\n%1\n%2")
                                      .arg(ruta, QString::fromStdString(bytes.mensaje)));
        return;
    }
    Resultado<ArchivoLosasDatos> leido = LeeArchivoLosas(*bytes.valor, absoluta);
    if (!leido) {
        Mensajes::Error(ventana_, QString::fromStdString(leido.mensaje));
        return;
    }
    ArchivoLosasDatos datos = std::move(*leido.valor);
    doc_->Modifica(tr("Archivo de losas"),
                   [&](Proyecto& p) { UsaArchivoLosas(p, absoluta, datos); });
}

void Sesion::Calcula(bool soloAnalisis) {
    if (enCalculo_) return;
    Confirma();
    if (!soloAnalisis && doc_->ProyectoActual().datos.material != Material::kHormigon) return;
    // The grid update first: the results are kept with the project they came from, and
    // the next update must find nothing to change in it.
    doc_->Actualiza();
    enCalculo_ = true;
    emit ocupada(true);
    emit informa(soloAnalisis ? QStringLiteral("Calculando el analisis...")
                              : QStringLiteral("Calculando el analisis y el diseño..."));
    doc_->DescartaResultados();
    emit progresoEmpieza();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);

    // The run reads its own copy: nothing done while it lets events run can reach it.
    const Proyecto copia = doc_->ProyectoActual();
    bool respondioNo = false;
    QElapsedTimer reloj;
    reloj.start();
    OpcionesCalculo opciones;
    opciones.soloAnalisis = soloAnalisis;
    opciones.progreso = [&](int hecho, int total) {
        emit progreso(hecho, total);
        if (reloj.elapsed() > 30 || hecho == total) {
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            reloj.restart();
        }
    };
    opciones.preguntaRefuerzoDoble = [&](const std::string& pregunta) {
        const bool si = Mensajes::PreguntaSiNo(ventana_, QString::fromStdString(pregunta));
        if (!si) respondioNo = true;
        return si;
    };
    Resultados r = trabelux::Calcula(copia, opciones);
    emit progresoTermina();

    if (r.moduloCorregido)
        doc_->Modifica(tr("Modulo E"), [](Proyecto& p) { p.datos.moduloE = "1.0"; });
    const bool calculado = r.Calculado();
    // The user who declined compression steel already knows why the run stopped.
    const bool avisa = !r.parada.Mensaje().empty() && !(respondioNo && !calculado);
    const QString mensaje = QString::fromStdString(r.parada.Mensaje());
    doc_->FijaResultados(std::move(r));

    enCalculo_ = false;
    emit ocupada(false);
    emit calculoTermina(calculado);
    if (avisa) Mensajes::Advierte(ventana_, mensaje);
    if (calculado) emit resultadosListos();
}

}  // namespace trabelux
