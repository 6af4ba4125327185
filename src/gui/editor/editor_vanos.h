// `EditorVanos`, the main window: beam name, span count, slab file, the span grid, the end
// supports, the beam elevation, and every command of the menu.
#pragma once

#include <QList>
#include <QWidget>
#include <functional>
#include <map>
#include <string>

class QAction;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;
class QToolBar;

namespace trabelux {

class DialogoCargas;
class DialogoApoyos;
class DialogoDatosGenerales;
class DibujoViga;
class Documento;
class DialogoLosas;
class ModeloVanos;
class DialogoNumeroVanos;
class VentanaProgreso;
class AvisoCargando;
class RejillaVanos;

// Windows that other parts of the program attach to the menu. A command whose window is
// not attached stays visible but disabled (help answers that it has no help file).
enum class VentanaExterna {
    DatosGenerales,      // "&Datos generales" (modal; the grid update follows)
    CargasLosas,         // "&Distribuidas de losas"
    CargasConcentradas,  // "&Concentradas en vanos"
    CargasNudos,         // "&Sobre nudos"
    Resultados,          // "&Resultados", and after every successful run
    Refuerzo,            // "&Refuerzo", after a completed analysis-and-design run
    VistaPrevia,         // "&Print Preview" / "&Print preview"
    AyudaContenido,      // "&Contenido"
    AyudaBusqueda,       // "&Busqueda"
    AcercaDe,            // "&About Trabelux"
};

class EditorVanos : public QWidget {
    Q_OBJECT
  public:
    explicit EditorVanos(Documento* doc, QWidget* padre = nullptr);
    ~EditorVanos() override;

    // Builds the menu of the frame window into `barra`.
    void CreaMenus(QMenuBar* barra);
    // Puts the common commands of the menu into the frame's toolbar (after CreaMenus).
    void CreaBarra(QToolBar* barra);
    // The frame shows the results window over this one: the commands that edit the
    // project are off meanwhile, so the results shown always describe the project.
    void FijaResultadosVisibles(bool visibles);
    // Attaches the window a command opens; `abre` runs when the command is chosen.
    void RegistraVentana(VentanaExterna ventana, std::function<void()> abre);

    Documento* Doc() const { return doc_; }

    // Commands.
    void Nuevo();
    void Abrir();
    // "&Salvar": asks for the file's name. "&Guardar" (Ctrl+S): writes over the project's
    // own file, and asks only when it has none.
    bool Salvar();
    bool Guardar();
    void ArchivoLosas();
    // "Exportar informe a PDF...": the report with the session's set-up, written
    // atomically to the file the user names; false when nothing was written.
    bool ExportaInformePdf();
    // The same without asking for the name.
    bool ExportaInformePdfEn(const QString& ruta);
    void Analiza(bool soloAnalisis);
    void MuestraResultados();
    void Actualiza();  // the grid update ("Actualiza")
    // Reads a project file into a fresh project; on any error shows the message and
    // leaves the current project as it was.
    bool AbreArchivo(const QString& ruta);
    // The shapes table a steel project's section is taken from as it is opened (the one
    // shipped with the program unless changed).
    void FijaRutaPerfiles(const std::string& ruta) { rutaPerfiles_ = ruta; }
    // Writes the project through an atomic save; a failure leaves the old file intact.
    bool GuardaEn(const QString& ruta);
    // Before discarding unsaved changes: true when the caller may go on.
    bool PuedeDescartarCambios();
    bool EnCalculo() const { return enCalculo_; }
    // Set while the window is being built and while a project file is read.
    bool EnCarga() const { return enCarga_; }

    // The input dialogs attached to the menu.
    DialogoDatosGenerales* DialogoDeDatosGenerales() const { return datgen_; }
    DialogoCargas* DialogoDeCargas() const { return cargCon_; }
    DialogoLosas* DialogoDeLosas() const { return losNum_; }

  signals:
    // A new project replaced the old one: attached windows reset their own state.
    void proyectoNuevo();
    // "&Termina".
    void terminar();
    // What the program is doing or has just done, for the frame's status bar.
    void estado(const QString& texto);
    // A run finished (successfully or not) at the time given by the frame's clock.
    void calculoTerminado(bool calculado);

  private:
    void CreaControles();
    void AlCambiarDocumento();
    void ActualizaMenus();
    void AbrePanelLongitud(int fila);
    void CierraPanelLongitud(bool aplicar);
    void PreguntaReemplazarColumna(int columna);
    void EliminaFilas(const QList<int>& filas);
    void AbreVentana(VentanaExterna v, bool actualizaDespues);
    bool TieneVentana(VentanaExterna v) const;
    void AdjuntaDialogos();

    Documento* doc_;
    ModeloVanos* modelo_ = nullptr;
    bool enCalculo_ = false;
    bool enCarga_ = false;
    bool resultadosVisibles_ = false;
    int filaPanel_ = -1;
    std::map<VentanaExterna, std::function<void()>> ventanas_;
    std::string rutaPerfiles_;

    // Controls.
    QLabel* etiquetaViga_ = nullptr;      // Label19
    QLineEdit* nombreViga_ = nullptr;     // Text7
    QLabel* calculando_ = nullptr;        // Label4
    QLabel* numVanosEtiqueta_ = nullptr;  // Label10
    QLabel* rutaLosas_ = nullptr;         // Label17
    RejillaVanos* tabla_ = nullptr;       // DBGrid1
    QGroupBox* marcoApoyos_ = nullptr;    // Frame1
    QGroupBox* marcoVanos_ = nullptr;     // Frame2
    QComboBox* apoyoIzq_ = nullptr;       // Combo1
    QComboBox* apoyoDer_ = nullptr;       // Combo2
    QFrame* panelLongitud_ = nullptr;     // SSPanel1
    QLineEdit* textoLongitud_ = nullptr;  // Text12
    DibujoViga* dibujo_ = nullptr;        // VD

    // Windows of the same family, created once.
    DialogoNumeroVanos* numVanos_ = nullptr;
    DialogoApoyos* condApoy_ = nullptr;
    VentanaProgreso* progre_ = nullptr;
    AvisoCargando* recarga_ = nullptr;
    DialogoDatosGenerales* datgen_ = nullptr;
    DialogoCargas* cargCon_ = nullptr;
    DialogoLosas* losNum_ = nullptr;

    // Menu.
    QMenu* menuArchivos_ = nullptr;          // menu0
    QMenu* menuCargas_ = nullptr;            // menu5
    QMenu* menuCalculo_ = nullptr;           // Menu1
    QMenu* menuAyuda_ = nullptr;             // menu2
    QAction* datosGenerales_ = nullptr;      // menu3
    QAction* vistaPrevia_ = nullptr;         // menu4
    QAction* vistaPreviaArchivo_ = nullptr;  // menu03a
    QAction* cargasLosas_ = nullptr;         // menu51
    QAction* cargasConc_ = nullptr;          // menu52
    QAction* cargasNudos_ = nullptr;         // menu53
    QAction* analisisDiseno_ = nullptr;      // menu10
    QAction* analisisSolo_ = nullptr;        // menu11
    QAction* resultados_ = nullptr;          // Menu12
    QAction* refuerzo_ = nullptr;            // Menu13
    QAction* acercaDe_ = nullptr;            // menu23
    QMenu* menuEditar_ = nullptr;
    QAction* nuevo_ = nullptr;
    QAction* abrir_ = nullptr;
    QAction* salvar_ = nullptr;
    QAction* guardar_ = nullptr;
    QAction* losas_ = nullptr;
    QAction* deshacer_ = nullptr;
    QAction* rehacer_ = nullptr;
};

}  // namespace trabelux
