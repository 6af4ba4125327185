// `Sesion`, the commands over the open project: new, open, save, the slab file, the
// exports and the two runs. It is no window: it talks to the user only through `Mensajes`
// and tells the frame what it does through its signals, so it works without any widget.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <string>

class QWidget;

namespace trabelux {

class Documento;

class Sesion : public QObject {
    Q_OBJECT
  public:
    explicit Sesion(Documento* doc, QObject* padre = nullptr);

    Documento* Doc() const { return doc_; }
    // The window its message boxes and file dialogs belong to (none in tests).
    void FijaVentanaMensajes(QWidget* ventana) { ventana_ = ventana; }
    // Run first by every command: a cell still being typed counts for the command.
    void FijaConfirmaEdicion(std::function<void()> confirma) { confirma_ = std::move(confirma); }
    // The shapes table a steel project's section is taken from as it is opened (the one
    // shipped with the program unless changed).
    void FijaRutaPerfiles(const std::string& ruta) { rutaPerfiles_ = ruta; }

    // "&Nuevo": asks, then about unsaved changes, then starts a new project.
    void Nuevo();
    // "&Abrir": about unsaved changes, then the file's name.
    void Abre();
    // Reads a project file into a fresh project; on any error shows the message and
    // leaves the current project as it was.
    bool AbreArchivo(const QString& ruta);
    // "&Salvar": always asks for the file's name.
    bool GuardaComo();
    // "&Guardar" (Ctrl+S): writes over the project's own file, and asks only when it has
    // none.
    bool Guarda();
    // Writes the project through an atomic save; a failure leaves the old file intact.
    bool GuardaEn(const QString& ruta);
    // Before discarding unsaved changes: true when the caller may go on.
    bool PuedeDescartarCambios();
    // "Archivo de &Losas": a slab file read into the project.
    void EligeArchivoLosas();
    // "Exportar informe a PDF...": the report with the session's set-up, written
    // atomically to the file the user names; false when nothing was written.
    bool ExportaInformePdf();
    // The same without asking for the name.
    bool ExportaInformePdfEn(const QString& ruta);
    // "Exportar planos a DXF...": the reinforcement drawing of the current design with the
    // detailing window's bars, written atomically to the file the user names; a beam
    // without a current design says why and writes nothing. False when nothing was written.
    bool ExportaPlanosDxf();
    // The same without asking for the name.
    bool ExportaPlanosDxfEn(const QString& ruta);
    // "Exportar planilla a CSV...": the bar schedule of the detailing table (UTF-8, a
    // header row), written atomically to the file the user names; false when nothing was
    // written (no design, cancelled, or the file could not be written).
    bool ExportaPlanillaCsv();
    bool ExportaPlanillaCsvEn(const QString& ruta);
    // "&Analisis y diseño" (soloAnalisis false, concrete only) and "&Analisis &Solo".
    void Calcula(bool soloAnalisis);

    // A run is going on.
    bool Ocupada() const { return enCalculo_; }
    // A project file is being read.
    bool EnCarga() const { return enCarga_; }

  signals:
    // What the program is doing or has just done, for the status bar.
    void informa(const QString& texto);
    // A run starts (true) or has ended (false): the commands are off meanwhile.
    void ocupada(bool siNo);
    // The advance of a run, between progresoEmpieza and progresoTermina.
    void progresoEmpieza();
    void progreso(int hecho, int total);
    void progresoTermina();
    // A run finished, successfully or not.
    void calculoTermina(bool calculado);
    // A new project is being set up.
    void cargaEmpieza();
    void cargaTermina();
    // A new project replaced the old one: windows reset their own state.
    void proyectoNuevo();
    // A run finished with results to show.
    void resultadosListos();

  private:
    void Confirma() const;

    Documento* doc_;
    QWidget* ventana_ = nullptr;
    std::function<void()> confirma_;
    std::string rutaPerfiles_;
    bool enCalculo_ = false;
    bool enCarga_ = false;
};

}  // namespace trabelux
