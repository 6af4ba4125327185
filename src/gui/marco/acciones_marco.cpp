#include "gui/marco/acciones_marco.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>
#include <QUndoStack>

#include "gui/acerca/acerca_de.h"
#include "gui/ayuda/ayuda.h"
#include "gui/documento/documento.h"
#include "gui/editor/editor_vanos.h"
#include "gui/marco/marco.h"
#include "gui/marco/menu_recientes.h"
#include "gui/marco/ventanas_marco.h"
#include "gui/refuerzo/ventana_refuerzo.h"
#include "gui/sesion/sesion.h"

namespace trabelux {

namespace {

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

AccionesMarco::AccionesMarco(Marco* marco) : QObject(marco), marco_(marco) {
    QMenuBar* barra = marco_->menuBar();
    CreaArchivos(barra);
    CreaEditar(barra);
    CreaDatosYCargas(barra);
    CreaCalculo(barra);
    vistaPrevia_ =
        AccionBarra(barra, "menu4", QStringLiteral("&Print preview"),
                    TrasConfirmarEdicion([this] { marco_->Ventanas()->MuestraInforme(); }));
    CreaAyuda(barra);
    CreaBarraHerramientas();
    Documento* doc = marco_->Doc();
    connect(doc, &Documento::cambiado, this, &AccionesMarco::Actualiza);
    connect(doc->Pila(), &QUndoStack::indexChanged, this, &AccionesMarco::Actualiza);
    connect(marco_->SesionActiva(), &Sesion::ocupada, this, &AccionesMarco::Actualiza);
    connect(marco_->Ventanas(), &VentanasMarco::resultadosVisibles, this,
            &AccionesMarco::Actualiza);
    Actualiza();
}

QAction* AccionesMarco::Accion(QMenu* menu, const char* nombre, const QString& texto,
                               const std::function<void()>& orden) {
    return Conecta(menu->addAction(texto), nombre, orden);
}

// An entry of the menu bar itself, with no menu under it.
QAction* AccionesMarco::AccionBarra(QMenuBar* barra, const char* nombre, const QString& texto,
                                    const std::function<void()>& orden) {
    return Conecta(barra->addAction(texto), nombre, orden);
}

QAction* AccionesMarco::Conecta(QAction* accion, const char* nombre,
                                const std::function<void()>& orden) {
    accion->setObjectName(QLatin1String(nombre));
    connect(accion, &QAction::triggered, this, orden);
    return accion;
}

std::function<void()> AccionesMarco::TrasConfirmarEdicion(std::function<void()> abre) const {
    return [editor = marco_->Editor(), abre = std::move(abre)] {
        editor->ConfirmaEdicion();
        abre();
    };
}

void AccionesMarco::CreaArchivos(QMenuBar* barra) {
    Sesion* s = marco_->SesionActiva();
    archivos_ = Menu(barra, "menu0", QStringLiteral("&Archivos"));
    // Opening the menu commits a cell still being typed, so the command sees it.
    connect(archivos_, &QMenu::aboutToShow, marco_->Editor(), &EditorVanos::ConfirmaEdicion);
    nuevo_ = Accion(archivos_, "Menu01", QStringLiteral("&Nuevo"), [s] { s->Nuevo(); });
    nuevo_->setShortcut(QKeySequence::New);
    abrir_ = Accion(archivos_, "Menu02", QStringLiteral("&Abrir"), [s] { s->Abre(); });
    abrir_->setShortcut(QKeySequence::Open);
    // "&Salvar" always asks for the name; Ctrl+S writes over the project's own file.
    salvar_ = Accion(archivos_, "menu03", QStringLiteral("&Salvar"), [s] { s->GuardaComo(); });
    guardar_ = Accion(archivos_, "menu03g", QStringLiteral("&Guardar"), [s] { s->Guarda(); });
    guardar_->setShortcut(QKeySequence::Save);
    Accion(archivos_, "menu03a", QStringLiteral("&Print Preview"),
           TrasConfirmarEdicion([this] { marco_->Ventanas()->MuestraInforme(); }));
    Accion(archivos_, "menu03b", QStringLiteral("Exportar informe a PDF..."),
           [s] { s->ExportaInformePdf(); });
    Accion(archivos_, "menu03c", QStringLiteral("Exportar planilla a CSV..."),
           [s] { s->ExportaPlanillaCsv(); });
    Accion(archivos_, "menu03d", QStringLiteral("Exportar planos a DXF..."),
           [s] { s->ExportaPlanosDxf(); });
    losas_ = Accion(archivos_, "Menu04", QStringLiteral("Archivo de &Losas"),
                    [s] { s->EligeArchivoLosas(); });
    archivos_->addSeparator();
    QAction* termina =
        Accion(archivos_, "Menu05", QStringLiteral("&Termina"), [this] { marco_->close(); });
    // The recent projects go between a separator of their own and the one above "&Termina".
    new MenuRecientes(marco_->Doc(), s, archivos_, termina);
}

// Undo and redo act on the project from anywhere in the frame; a cell or field being
// edited keeps these keys for its own text.
void AccionesMarco::CreaEditar(QMenuBar* barra) {
    QUndoStack* pila = marco_->Doc()->Pila();
    EditorVanos* editor = marco_->Editor();
    editar_ = Menu(barra, "menuEditar", QStringLiteral("&Editar"));
    deshacer_ = Accion(editar_, "menuDeshacer", QStringLiteral("&Deshacer"), [editor, pila] {
        editor->ConfirmaEdicion();
        pila->undo();
    });
    deshacer_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    rehacer_ = Accion(editar_, "menuRehacer", QStringLiteral("&Rehacer"), [editor, pila] {
        editor->ConfirmaEdicion();
        pila->redo();
    });
    rehacer_->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
}

void AccionesMarco::CreaDatosYCargas(QMenuBar* barra) {
    // The input dialogs confirm the cell being typed themselves (Marco::AbreDialogo).
    datosGenerales_ = AccionBarra(barra, "menu3", QStringLiteral("&Datos generales"),
                                  [this] { marco_->AbreDatosGenerales(); });
    cargas_ = Menu(barra, "menu5", QStringLiteral("Car&gas"));
    cargasLosas_ = Accion(cargas_, "menu51", QStringLiteral("&Distribuidas de losas"),
                          [this] { marco_->AbreLosas(); });
    Accion(cargas_, "menu52", QStringLiteral("&Concentradas en vanos"),
           [this] { marco_->AbreCargas(DialogoCargas::Vista::Vanos); });
    Accion(cargas_, "menu53", QStringLiteral("&Sobre nudos"),
           [this] { marco_->AbreCargas(DialogoCargas::Vista::Nudos); });
}

void AccionesMarco::CreaCalculo(QMenuBar* barra) {
    Sesion* s = marco_->SesionActiva();
    calculo_ = Menu(barra, "Menu1", QStringLiteral("&Calculo"));
    connect(calculo_, &QMenu::aboutToShow, marco_->Editor(), &EditorVanos::ConfirmaEdicion);
    analisisDiseno_ = Accion(calculo_, "menu10", QStringLiteral("&Analisis y diseño"),
                             [s] { s->Calcula(false); });
    analisisDiseno_->setShortcut(Qt::Key_F5);
    analisisSolo_ =
        Accion(calculo_, "menu11", QStringLiteral("&Analisis &Solo"), [s] { s->Calcula(true); });
    resultados_ = Accion(calculo_, "Menu12", QStringLiteral("&Resultados"),
                         [this] { marco_->MuestraResultados(); });
    refuerzo_ = Accion(calculo_, "Menu13", QStringLiteral("&Refuerzo"),
                       TrasConfirmarEdicion([this] { marco_->Ventanas()->MuestraRefuerzo(); }));
}

void AccionesMarco::CreaAyuda(QMenuBar* barra) {
    Ayuda* ayuda = marco_->AyudaDelPrograma();
    ayuda_ = Menu(barra, "menu2", QStringLiteral("&Help"));
    Accion(ayuda_, "menu21", QStringLiteral("&Contenido"),
           TrasConfirmarEdicion([ayuda] { ayuda->Contenido(); }));
    Accion(ayuda_, "menu22", QStringLiteral("&Busqueda"),
           TrasConfirmarEdicion([ayuda] { ayuda->Busqueda(); }));
    Accion(ayuda_, "menu24", QStringLiteral("&Ejemplos de verificación"),
           TrasConfirmarEdicion([ayuda] { ayuda->EjemplosDeVerificacion(); }));
    Accion(ayuda_, "menu23", QStringLiteral("&About Trabelux"),
           TrasConfirmarEdicion([this] { marco_->AcercaDelPrograma()->exec(); }));
}

// The common commands, also in the toolbar; they follow the menus they belong to.
void AccionesMarco::CreaBarraHerramientas() {
    auto* barra = marco_->addToolBar(QStringLiteral("Comandos"));
    barra->setObjectName(QStringLiteral("BarraComandos"));
    barra->setMovable(false);
    barra->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
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
            QIcon::fromTheme(QLatin1String(b.tema), marco_->style()->standardIcon(b.reserva)));
        b.accion->setIconText(QString::fromUtf8(b.texto));
        QString ayuda = b.accion->text().remove(QLatin1Char('&'));
        if (!b.accion->shortcut().isEmpty())
            ayuda += QStringLiteral(" (%1)").arg(
                b.accion->shortcut().toString(QKeySequence::NativeText));
        b.accion->setToolTip(ayuda);
        barra->addAction(b.accion);
    }
}

void AccionesMarco::Actualiza() {
    const Documento* doc = marco_->Doc();
    const bool libre = !marco_->Ocupado();
    for (QMenu* m : {archivos_, cargas_, calculo_, ayuda_}) Habilita(m, libre);
    // While the results window is up, nothing may change the project it describes.
    const bool editable = libre && !marco_->Ventanas()->ResultadosVisibles();
    Habilita(cargas_, editable);
    Habilita(editar_, libre);
    // The toolbar holds these actions too: they follow the menus they belong to.
    for (QAction* a : {nuevo_, abrir_, salvar_, guardar_}) a->setEnabled(libre);
    losas_->setEnabled(editable);
    deshacer_->setEnabled(editable && marco_->Doc()->Pila()->canUndo());
    rehacer_->setEnabled(editable && marco_->Doc()->Pila()->canRedo());
    datosGenerales_->setEnabled(editable);
    vistaPrevia_->setEnabled(libre);
    cargasLosas_->setEnabled(UsaLosas(doc->ProyectoActual()));
    analisisDiseno_->setEnabled(libre &&
                                doc->ProyectoActual().datos.material == Material::kHormigon);
    analisisSolo_->setEnabled(libre);
    resultados_->setEnabled(libre && doc->Calculado());
    // Bars exist only for spans the last run designed to the end.
    refuerzo_->setEnabled(libre && doc->Disenado());
}

}  // namespace trabelux
