#include "gui/marco/marco.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QFileInfo>
#include <QLabel>
#include <QStatusBar>

#include "core/version.h"
#include "gui/acerca/acerca_de.h"
#include "gui/ayuda/ayuda.h"
#include "gui/dialogos/datos_generales/dialogo_datos_generales.h"
#include "gui/dialogos/losas/dialogo_losas.h"
#include "gui/documento/documento.h"
#include "gui/editor/editor_vanos.h"
#include "gui/marco/acciones_marco.h"
#include "gui/marco/ventana_progreso.h"
#include "gui/marco/ventanas_marco.h"
#include "gui/sesion/sesion.h"

namespace trabelux {

Marco::Marco(QWidget* padre) : QMainWindow(padre) {
    setObjectName(QStringLiteral("TluxMDI"));
    doc_ = new Documento(this);
    sesion_ = new Sesion(doc_, this);
    ventanas_ = new VentanasMarco(doc_, this);
    CreaDialogos();
    acciones_ = new AccionesMarco(this);
    CreaBarraEstado();
    ConectaSesion();
    connect(ventanas_, &VentanasMarco::alFrente, this, &Marco::ActualizaTitulo);
    connect(doc_, &Documento::cambiado, this, &Marco::ActualizaTitulo);
    ActualizaTitulo();
    resize(1100, 720);
}

// Teardown in a fixed order while this object is still whole: nothing of the document
// reaches the frame any more, the windows go while the document they show is alive, then
// the document goes.
Marco::~Marco() {
    disconnect(doc_, nullptr, this, nullptr);
    delete acciones_;  // it follows the undo stack, which clears itself as the document goes
    delete datosGenerales_;
    delete cargas_;
    delete losas_;
    delete centralWidget();
    delete ventanas_;
    delete doc_;
}

EditorVanos* Marco::Editor() const { return ventanas_->Editor(); }
VentanaResultados* Marco::VentanaDeResultados() const { return ventanas_->VentanaDeResultados(); }
VentanaRefuerzo* Marco::VentanaDeRefuerzo() const { return ventanas_->VentanaDeRefuerzo(); }
VentanaInforme* Marco::VentanaDeInforme() const { return ventanas_->VentanaDeInforme(); }

bool Marco::Ocupado() const { return sesion_->Ocupada() || abriendoResultados_; }

// The input dialogs of the menus, the help (F1 anywhere in the program), the about box and
// the notices of long steps, created once.
void Marco::CreaDialogos() {
    datosGenerales_ = new DialogoDatosGenerales(doc_, this);
    datosGenerales_->FijaEnCarga([this] { return sesion_->EnCarga(); });
    cargas_ = new DialogoCargas(doc_, this);
    losas_ = new DialogoLosas(doc_, this);
    ayuda_ = new Ayuda(Ayuda::RutaColeccionPrograma(), this);
    qApp->installEventFilter(ayuda_);
    // A verification page opens its example as "&Abrir" opens a file: a cell being typed
    // counts, unsaved changes are asked about first. The help keeps the keyboard: it
    // stays above the frame, and the page is what the reader compares the results with.
    connect(ayuda_, &Ayuda::AbreEjemplo, this, [this](const QString& ruta) {
        if (Ocupado()) return;
        Editor()->ConfirmaEdicion();
        if (sesion_->PuedeDescartarCambios()) sesion_->AbreArchivo(ruta);
    });
    acercaDe_ = new AcercaDe(this);
    progreso_ = new VentanaProgreso(this);
    cargando_ = new AvisoCargando(this);
}

void Marco::AbreDialogo(QDialog* dialogo, const std::function<void()>& prepara) {
    Editor()->ConfirmaEdicion();
    doc_->Actualiza();
    prepara();
    dialogo->exec();
    doc_->Actualiza();
}

void Marco::AbreDatosGenerales() {
    AbreDialogo(datosGenerales_, [this] { datosGenerales_->Prepara(); });
}

void Marco::AbreCargas(DialogoCargas::Vista vista) {
    AbreDialogo(cargas_, [this, vista] { cargas_->Prepara(vista); });
}

void Marco::AbreLosas() {
    AbreDialogo(losas_, [this] { losas_->Prepara(); });
}

void Marco::MuestraResultados() {
    if (!doc_->Calculado()) return;
    // The menus stay off while the results window comes up.
    abriendoResultados_ = true;
    acciones_->Actualiza();
    ventanas_->MuestraResultados();
    abriendoResultados_ = false;
    acciones_->Actualiza();
}

// The session runs the commands; the frame shows what they do.
void Marco::ConectaSesion() {
    EditorVanos* editor = Editor();
    sesion_->FijaVentanaMensajes(this);
    sesion_->FijaConfirmaEdicion([editor] { editor->ConfirmaEdicion(); });
    connect(editor, &EditorVanos::pideArchivoLosas, sesion_, &Sesion::EligeArchivoLosas);
    connect(sesion_, &Sesion::ocupada, editor, &EditorVanos::FijaOcupado);
    connect(sesion_, &Sesion::progresoEmpieza, this, [this] { progreso_->Muestra(Editor()); });
    connect(sesion_, &Sesion::progreso, progreso_, &VentanaProgreso::Avance);
    connect(sesion_, &Sesion::progresoTermina, progreso_, &QWidget::hide);
    connect(sesion_, &Sesion::cargaEmpieza, this, [this] { cargando_->Muestra(Editor()); });
    connect(sesion_, &Sesion::cargaTermina, cargando_, &QWidget::hide);
    // A new project closes the report window.
    connect(sesion_, &Sesion::proyectoNuevo, editor, &EditorVanos::Reinicia);
    connect(sesion_, &Sesion::proyectoNuevo, ventanas_, &VentanasMarco::OcultaInforme);
    connect(sesion_, &Sesion::resultadosListos, this, &Marco::MuestraResultados);
    connect(sesion_, &Sesion::informa, statusBar(),
            [this](const QString& t) { statusBar()->showMessage(t); });
    connect(sesion_, &Sesion::calculoTermina, this, [this](bool calculado) {
        horaCalculo_ = QTime::currentTime().toString(QStringLiteral("HH:mm:ss"));
        MuestraUltimoCalculo();
        statusBar()->showMessage(calculado ? QStringLiteral("Listo")
                                           : QStringLiteral("El cálculo se detuvo"));
    });
}

// What the program is doing on the left, the last run on the right.
void Marco::CreaBarraEstado() {
    ultimoCalculo_ = new QLabel;
    ultimoCalculo_->setObjectName(QStringLiteral("UltimoCalculo"));
    statusBar()->addPermanentWidget(ultimoCalculo_);
    statusBar()->showMessage(QStringLiteral("Listo"));
    connect(doc_, &Documento::cambiado, this, &Marco::MuestraUltimoCalculo);
    MuestraUltimoCalculo();
}

void Marco::MuestraUltimoCalculo() {
    const Resultados* r = doc_->UltimosResultados();
    const bool desactualizados = doc_->ResultadosDesactualizados();
    ultimoCalculo_->setText(
        desactualizados  ? QStringLiteral("Resultados desactualizados: calcule de nuevo")
        : !r             ? QStringLiteral("Sin calcular")
        : r->Calculado() ? QStringLiteral("Último cálculo terminado a las %1").arg(horaCalculo_)
                         : QStringLiteral("Último cálculo detenido a las %1").arg(horaCalculo_));
    // Stale results are a warning, in the colour of the program's warnings.
    ultimoCalculo_->setStyleSheet(desactualizados ? QStringLiteral("color: rgb(192,0,0);")
                                                  : QString());
}

// A maximised window writes its own caption into the frame's title, dropping the
// unsaved-changes mark: the frame's own title is put back whenever one comes to the front.
void Marco::ActualizaTitulo() {
    QString titulo = QString::fromLatin1(kNombrePrograma);
    if (!doc_->Ruta().isEmpty())
        titulo += QStringLiteral(" - ") + QFileInfo(doc_->Ruta()).fileName();
    setWindowTitle(titulo + QStringLiteral("[*]"));
    setWindowModified(doc_->Modificado());
}

void Marco::closeEvent(QCloseEvent* e) {
    if (sesion_->Ocupada() || !sesion_->PuedeDescartarCambios()) {
        e->ignore();
        return;
    }
    e->accept();
}

}  // namespace trabelux
