// The main window's menu and its commands: new, open, save, slab file, analysis runs and
// the windows attached by other parts of the program.
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>
#include <QUndoStack>

#include "core/archivos/losas_los.h"
#include "core/archivos/proyecto_vcw.h"
#include "core/calculo/calcula.h"
#include "core/losas/asignacion.h"
#include "gui/comun/mensajes.h"
#include "gui/dialogos/num_vanos.h"
#include "gui/dialogos/progre.h"
#include "gui/documento/documento.h"
#include "gui/principal/polidur1.h"
#include "gui/principal/tabla_vanos.h"
#include "io/archivos.h"
#include "io/lectores_disco.h"

namespace trabelux {

namespace {

const QString kFiltroProyecto = QStringLiteral("(*.vcw)");
const QString kFiltroLosas = QStringLiteral("(*.Los)");

QAction* Accion(QMenu* menu, const char* nombre, const QString& texto) {
    QAction* a = menu->addAction(texto);
    a->setObjectName(QLatin1String(nombre));
    return a;
}

QMenu* Menu(QMenuBar* barra, const char* nombre, const QString& texto) {
    QMenu* m = barra->addMenu(texto);
    m->setObjectName(QLatin1String(nombre));
    m->menuAction()->setObjectName(QLatin1String(nombre) + QStringLiteral("Accion"));
    return m;
}

void Habilita(QMenu* m, bool si) {
    m->setEnabled(si);
    m->menuAction()->setEnabled(si);
}

}  // namespace

void Polidur1::CreaMenus(QMenuBar* barra) {
    menuArchivos_ = Menu(barra, "menu0", QStringLiteral("&Archivos"));
    QAction* nuevo = Accion(menuArchivos_, "Menu01", QStringLiteral("&Nuevo"));
    nuevo->setShortcut(QKeySequence::New);
    QAction* abrir = Accion(menuArchivos_, "Menu02", QStringLiteral("&Abrir"));
    abrir->setShortcut(QKeySequence::Open);
    QAction* salvar = Accion(menuArchivos_, "menu03", QStringLiteral("&Salvar"));
    // Ctrl+S writes over the project's own file; "&Salvar" always asks for the name.
    QAction* guardar = Accion(menuArchivos_, "menu03g", QStringLiteral("&Guardar"));
    guardar->setShortcut(QKeySequence::Save);
    vistaPreviaArchivo_ = Accion(menuArchivos_, "menu03a", QStringLiteral("&Print Preview"));
    QAction* pdf = Accion(menuArchivos_, "menu03b", QStringLiteral("Exportar informe a PDF..."));
    QAction* losas = Accion(menuArchivos_, "Menu04", QStringLiteral("Archivo de &Losas"));
    menuArchivos_->addSeparator();
    QAction* termina = Accion(menuArchivos_, "Menu05", QStringLiteral("&Termina"));
    nuevo_ = nuevo;
    abrir_ = abrir;
    salvar_ = salvar;
    guardar_ = guardar;
    losas_ = losas;

    // Undo and redo act on the project from anywhere in the frame; a cell or field being
    // edited keeps these keys for its own text.
    menuEditar_ = Menu(barra, "menuEditar", QStringLiteral("&Editar"));
    deshacer_ = Accion(menuEditar_, "menuDeshacer", QStringLiteral("&Deshacer"));
    deshacer_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    rehacer_ = Accion(menuEditar_, "menuRehacer", QStringLiteral("&Rehacer"));
    rehacer_->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    connect(deshacer_, &QAction::triggered, this, [this] {
        tabla_->ConfirmaEdicion();
        doc_->Pila()->undo();
    });
    connect(rehacer_, &QAction::triggered, this, [this] {
        tabla_->ConfirmaEdicion();
        doc_->Pila()->redo();
    });
    connect(doc_->Pila(), &QUndoStack::indexChanged, this, &Polidur1::ActualizaMenus);

    datosGenerales_ = barra->addAction(QStringLiteral("&Datos generales"));
    datosGenerales_->setObjectName(QStringLiteral("menu3"));

    menuCargas_ = Menu(barra, "menu5", QStringLiteral("Car&gas"));
    cargasLosas_ = Accion(menuCargas_, "menu51", QStringLiteral("&Distribuidas de losas"));
    cargasConc_ = Accion(menuCargas_, "menu52", QStringLiteral("&Concentradas en vanos"));
    cargasNudos_ = Accion(menuCargas_, "menu53", QStringLiteral("&Sobre nudos"));

    menuCalculo_ = Menu(barra, "Menu1", QStringLiteral("&Calculo"));
    analisisDiseno_ = Accion(menuCalculo_, "menu10", QStringLiteral("&Analisis y diseño"));
    analisisDiseno_->setShortcut(Qt::Key_F5);
    analisisSolo_ = Accion(menuCalculo_, "menu11", QStringLiteral("&Analisis &Solo"));
    resultados_ = Accion(menuCalculo_, "Menu12", QStringLiteral("&Resultados"));
    refuerzo_ = Accion(menuCalculo_, "Menu13", QStringLiteral("&Refuerzo"));

    vistaPrevia_ = barra->addAction(QStringLiteral("&Print preview"));
    vistaPrevia_->setObjectName(QStringLiteral("menu4"));

    menuAyuda_ = Menu(barra, "menu2", QStringLiteral("&Help"));
    QAction* contenido = Accion(menuAyuda_, "menu21", QStringLiteral("&Contenido"));
    QAction* busqueda = Accion(menuAyuda_, "menu22", QStringLiteral("&Busqueda"));
    acercaDe_ = Accion(menuAyuda_, "menu23", QStringLiteral("&About Trabelux"));

    // Opening these menus commits a cell still being typed, so the command sees it.
    connect(menuArchivos_, &QMenu::aboutToShow, tabla_, &TablaVanos::ConfirmaEdicion);
    connect(menuCalculo_, &QMenu::aboutToShow, tabla_, &TablaVanos::ConfirmaEdicion);

    connect(nuevo, &QAction::triggered, this, &Polidur1::Nuevo);
    connect(abrir, &QAction::triggered, this, &Polidur1::Abrir);
    connect(salvar, &QAction::triggered, this, [this] { Salvar(); });
    connect(guardar, &QAction::triggered, this, [this] { Guardar(); });
    connect(losas, &QAction::triggered, this, &Polidur1::ArchivoLosas);
    connect(pdf, &QAction::triggered, this, [this] { ExportaInformePdf(); });
    connect(termina, &QAction::triggered, this, &Polidur1::terminar);
    connect(vistaPreviaArchivo_, &QAction::triggered, this,
            [this] { AbreVentana(VentanaExterna::VistaPrevia, false); });
    connect(vistaPrevia_, &QAction::triggered, this,
            [this] { AbreVentana(VentanaExterna::VistaPrevia, false); });
    connect(datosGenerales_, &QAction::triggered, this,
            [this] { AbreVentana(VentanaExterna::DatosGenerales, true); });
    connect(cargasLosas_, &QAction::triggered, this,
            [this] { AbreVentana(VentanaExterna::CargasLosas, true); });
    connect(cargasConc_, &QAction::triggered, this,
            [this] { AbreVentana(VentanaExterna::CargasConcentradas, true); });
    connect(cargasNudos_, &QAction::triggered, this,
            [this] { AbreVentana(VentanaExterna::CargasNudos, true); });
    connect(analisisDiseno_, &QAction::triggered, this, [this] { Analiza(false); });
    connect(analisisSolo_, &QAction::triggered, this, [this] { Analiza(true); });
    connect(resultados_, &QAction::triggered, this, &Polidur1::MuestraResultados);
    connect(refuerzo_, &QAction::triggered, this,
            [this] { AbreVentana(VentanaExterna::Refuerzo, false); });
    connect(contenido, &QAction::triggered, this,
            [this] { AbreVentana(VentanaExterna::AyudaContenido, false); });
    connect(busqueda, &QAction::triggered, this,
            [this] { AbreVentana(VentanaExterna::AyudaBusqueda, false); });
    connect(acercaDe_, &QAction::triggered, this,
            [this] { AbreVentana(VentanaExterna::AcercaDe, false); });
    ActualizaMenus();
}

void Polidur1::CreaBarra(QToolBar* barra) {
    struct Boton {
        QAction* accion;
        const char* tema;  // the icon theme's name; the style's icon when the theme lacks it
        QStyle::StandardPixmap reserva;
        const char* texto;
    };
    const Boton botones[] = {
        {nuevo_, "document-new", QStyle::SP_FileIcon, "Nuevo"},
        {abrir_, "document-open", QStyle::SP_DialogOpenButton, "Abrir"},
        {guardar_, "document-save", QStyle::SP_DialogSaveButton, "Guardar"},
        {nullptr, nullptr, {}, nullptr},
        {analisisDiseno_, "media-playback-start", QStyle::SP_MediaPlay, "Calcular"},
        {resultados_, "x-office-spreadsheet", QStyle::SP_FileDialogDetailedView, "Resultados"},
        {nullptr, nullptr, {}, nullptr},
        {deshacer_, "edit-undo", QStyle::SP_ArrowBack, "Deshacer"},
        {rehacer_, "edit-redo", QStyle::SP_ArrowForward, "Rehacer"},
    };
    for (const Boton& b : botones) {
        if (!b.accion) {
            barra->addSeparator();
            continue;
        }
        b.accion->setIcon(
            QIcon::fromTheme(QLatin1String(b.tema), style()->standardIcon(b.reserva)));
        b.accion->setIconText(QString::fromUtf8(b.texto));
        QString ayuda = b.accion->text().remove(QLatin1Char('&'));
        if (!b.accion->shortcut().isEmpty())
            ayuda += QStringLiteral(" (%1)").arg(
                b.accion->shortcut().toString(QKeySequence::NativeText));
        b.accion->setToolTip(ayuda);
        barra->addAction(b.accion);
    }
}

void Polidur1::FijaResultadosVisibles(bool visibles) {
    resultadosVisibles_ = visibles;
    ActualizaMenus();
}

void Polidur1::RegistraVentana(VentanaExterna ventana, std::function<void()> abre) {
    ventanas_[ventana] = std::move(abre);
    ActualizaMenus();
}

bool Polidur1::TieneVentana(VentanaExterna v) const {
    auto it = ventanas_.find(v);
    return it != ventanas_.end() && it->second;
}

void Polidur1::AbreVentana(VentanaExterna v, bool actualizaDespues) {
    tabla_->ConfirmaEdicion();
    if (!TieneVentana(v)) {
        if (v == VentanaExterna::AyudaContenido || v == VentanaExterna::AyudaBusqueda)
            Mensajes::Error(this, QStringLiteral("Archivo Help no encontrado."));
        return;
    }
    if (actualizaDespues) doc_->Actualiza();
    ventanas_[v]();
    if (actualizaDespues) doc_->Actualiza();
}

void Polidur1::ActualizaMenus() {
    if (!menuArchivos_) return;
    const bool libre = !enCalculo_;
    for (QMenu* m : {menuArchivos_, menuCargas_, menuCalculo_, menuAyuda_}) Habilita(m, libre);
    // While the results window is up, nothing may change the project it describes.
    const bool editable = libre && !resultadosVisibles_;
    Habilita(menuCargas_, editable);
    Habilita(menuEditar_, libre);
    // The toolbar holds these actions too: they follow the menus they belong to.
    for (QAction* a : {nuevo_, abrir_, salvar_, guardar_}) a->setEnabled(libre);
    losas_->setEnabled(editable);
    deshacer_->setEnabled(editable && doc_->Pila()->canUndo());
    rehacer_->setEnabled(editable && doc_->Pila()->canRedo());
    const Proyecto& p = doc_->ProyectoActual();
    datosGenerales_->setEnabled(editable && TieneVentana(VentanaExterna::DatosGenerales));
    vistaPrevia_->setEnabled(libre && TieneVentana(VentanaExterna::VistaPrevia));
    vistaPreviaArchivo_->setEnabled(TieneVentana(VentanaExterna::VistaPrevia));
    cargasLosas_->setEnabled(UsaLosas(p) && TieneVentana(VentanaExterna::CargasLosas));
    cargasConc_->setEnabled(TieneVentana(VentanaExterna::CargasConcentradas));
    cargasNudos_->setEnabled(TieneVentana(VentanaExterna::CargasNudos));
    analisisDiseno_->setEnabled(libre && p.datos.material == Material::kHormigon);
    analisisSolo_->setEnabled(libre);
    resultados_->setEnabled(libre && doc_->Calculado());
    // Bars exist only for spans the last run designed to the end.
    refuerzo_->setEnabled(libre && doc_->Disenado() && TieneVentana(VentanaExterna::Refuerzo));
    acercaDe_->setEnabled(TieneVentana(VentanaExterna::AcercaDe));
}

bool Polidur1::PuedeDescartarCambios() {
    if (!doc_->Modificado()) return true;
    switch (Mensajes::PreguntaSiNoCancelar(
        this, QStringLiteral("El proyecto tiene cambios sin guardar. Quiere guardarlos?"))) {
        case Respuesta::Si:
            return Guardar();
        case Respuesta::No:
            return true;
        default:
            return false;
    }
}

void Polidur1::Nuevo() {
    tabla_->ConfirmaEdicion();
    if (!Mensajes::PreguntaOkCancelar(this, QStringLiteral("Quiere comenzar un nuevo problema?")))
        return;
    if (!PuedeDescartarCambios()) return;
    recarga_->Muestra(this);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    delete numVanos_;
    numVanos_ = new NumVanos(doc_, this);
    doc_->Reemplaza(ProyectoNuevo(), QString());
    emit proyectoNuevo();
    recarga_->hide();
    emit estado(QStringLiteral("Proyecto nuevo"));
}

void Polidur1::Abrir() {
    tabla_->ConfirmaEdicion();
    if (!PuedeDescartarCambios()) return;
    const QString ruta = Mensajes::PideArchivoAbrir(this, kFiltroProyecto, doc_->Ruta());
    if (ruta.isEmpty()) return;
    AbreArchivo(ruta);
}

bool Polidur1::AbreArchivo(const QString& ruta) {
    enCarga_ = true;
    // The slab file is looked for as the command line looks for it, so a project moved
    // together with its slab file opens the same in both.
    Resultado<ProyectoAbierto> leido = AbreProyecto(
        QFileInfo(ruta).absoluteFilePath().toStdString(),
        LectoresDeDisco(QFileInfo(ruta).absoluteFilePath().toStdString(), rutaPerfiles_));
    if (!leido) {
        enCarga_ = false;
        Mensajes::Error(this, QString::fromStdString(leido.mensaje));
        return false;
    }
    doc_->Reemplaza(std::move(leido.valor->proyecto),
                    QString::fromStdString(leido.valor->losas.Mensaje()),
                    QFileInfo(ruta).absoluteFilePath());
    enCarga_ = false;
    emit estado(QStringLiteral("Abierto: %1").arg(QFileInfo(ruta).absoluteFilePath()));
    if (!leido.valor->aviso.empty())
        Mensajes::Advierte(this, QString::fromStdString(leido.valor->aviso));
    return true;
}

bool Polidur1::Salvar() {
    tabla_->ConfirmaEdicion();
    QString ruta = Mensajes::PideArchivoGuardar(this, kFiltroProyecto, doc_->Ruta());
    if (ruta.isEmpty()) return false;
    if (QFileInfo(ruta).suffix().isEmpty()) {
        ruta += QStringLiteral(".vcw");
        // The dialog confirmed the name as typed; the completed name may be another,
        // existing project, which must not be replaced unasked.
        if (QFileInfo::exists(ruta) &&
            !Mensajes::PreguntaSiNo(this,
                                    QStringLiteral("El archivo %1 ya existe.\nQuiere reemplazarlo?")
                                        .arg(QFileInfo(ruta).fileName())))
            return false;
    }
    return GuardaEn(ruta);
}

bool Polidur1::Guardar() {
    tabla_->ConfirmaEdicion();
    return doc_->Ruta().isEmpty() ? Salvar() : GuardaEn(doc_->Ruta());
}

bool Polidur1::GuardaEn(const QString& ruta) {
    doc_->Actualiza();
    const std::string bytes = SalvaArchivo(doc_->ProyectoActual());
    const Estado error = GuardaArchivo(ruta.toStdString(), bytes);
    if (!error) {
        Mensajes::Error(this, QString::fromStdString(error.Mensaje()));
        return false;
    }
    doc_->MarcaGuardado(QFileInfo(ruta).absoluteFilePath());
    emit estado(QStringLiteral("Guardado: %1").arg(QFileInfo(ruta).absoluteFilePath()));
    return true;
}

void Polidur1::ArchivoLosas() {
    tabla_->ConfirmaEdicion();
    // The dialog opens at the slab file in use, or else in the project's folder.
    QString inicial = QString::fromStdString(doc_->ProyectoActual().archivoLosas);
    if (inicial.isEmpty() && !doc_->Ruta().isEmpty())
        inicial = QFileInfo(doc_->Ruta()).absolutePath();
    const QString ruta = Mensajes::PideArchivoAbrir(this, kFiltroLosas, inicial);
    if (ruta.isEmpty()) return;
    const std::string absoluta = QFileInfo(ruta).absoluteFilePath().toStdString();
    const Resultado<std::string> bytes = LeeContenidoArchivo(absoluta);
    if (!bytes) {
        Mensajes::Error(this, QStringLiteral("No se pudo leer el archivo de losas:\n%1\n%2")
                                  .arg(ruta, QString::fromStdString(bytes.mensaje)));
        return;
    }
    Resultado<ArchivoLosasDatos> leido = LeeLosas(*bytes.valor, absoluta);
    if (!leido) {
        Mensajes::Error(this, QString::fromStdString(leido.mensaje));
        return;
    }
    ArchivoLosasDatos datos = std::move(*leido.valor);
    doc_->Modifica(tr("Archivo de losas"),
                   [&](Proyecto& p) { UsaArchivoLosas(p, absoluta, datos); });
}

void Polidur1::Analiza(bool soloAnalisis) {
    if (enCalculo_) return;
    tabla_->ConfirmaEdicion();
    if (!soloAnalisis && doc_->ProyectoActual().datos.material != Material::kHormigon) return;
    // The grid update first: the results are kept with the project they came from, and
    // the next update must find nothing to change in it.
    doc_->Actualiza();
    enCalculo_ = true;
    ActualizaMenus();
    etiquetaViga_->hide();
    nombreViga_->hide();
    calculando_->show();
    emit estado(soloAnalisis ? QStringLiteral("Calculando el analisis...")
                             : QStringLiteral("Calculando el analisis y el diseño..."));
    doc_->DescartaResultados();
    progre_->Muestra(this);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);

    // The run reads its own copy: nothing done while it lets events run can reach it.
    const Proyecto copia = doc_->ProyectoActual();
    bool respondioNo = false;
    QElapsedTimer reloj;
    reloj.start();
    OpcionesCalculo opciones;
    opciones.soloAnalisis = soloAnalisis;
    opciones.progreso = [&](int hecho, int total) {
        progre_->Avance(hecho, total);
        if (reloj.elapsed() > 30 || hecho == total) {
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            reloj.restart();
        }
    };
    opciones.preguntaRefuerzoDoble = [&](const std::string& pregunta) {
        const bool si = Mensajes::PreguntaSiNo(this, QString::fromStdString(pregunta));
        if (!si) respondioNo = true;
        return si;
    };
    Resultados r = Calcula(copia, opciones);
    progre_->hide();

    if (r.moduloCorregido)
        doc_->Modifica(tr("Modulo E"), [](Proyecto& p) { p.datos.moduloE = "1.0"; });
    const bool calculado = r.Calculado();
    // The user who declined compression steel already knows why the run stopped.
    const bool avisa = !r.parada.Mensaje().empty() && !(respondioNo && !calculado);
    const QString mensaje = QString::fromStdString(r.parada.Mensaje());
    doc_->FijaResultados(std::move(r));

    calculando_->hide();
    etiquetaViga_->show();
    nombreViga_->show();
    enCalculo_ = false;
    ActualizaMenus();
    emit calculoTerminado(calculado);
    if (avisa) Mensajes::Advierte(this, mensaje);
    if (calculado) MuestraResultados();
}

void Polidur1::MuestraResultados() {
    if (!doc_->Calculado() || !TieneVentana(VentanaExterna::Resultados)) return;
    enCalculo_ = true;  // the top-level menus stay off while the results window opens
    ActualizaMenus();
    ventanas_[VentanaExterna::Resultados]();
    enCalculo_ = false;
    ActualizaMenus();
}

}  // namespace trabelux
