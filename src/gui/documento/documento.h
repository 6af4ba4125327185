// The open project of the desktop program: the master copy of the input, the last run's
// results, the file it came from, and the undo history. Every window changes the project
// through it and refreshes from its one `cambiado` signal.
#pragma once

#include <QObject>
#include <QString>
#include <QUndoStack>
#include <functional>
#include <optional>
#include <string>

#include "core/analisis/resultados.h"
#include "core/detallado/tabla_detallado.h"
#include "core/modelo/proyecto.h"
#include "core/reporte/configuracion.h"

namespace trabelux {

// What an undo step restores: the project with the slab transfer's text it produced, and
// the bars of the detailing window with the results they were proposed for.
struct EstadoDocumento {
    Proyecto proyecto;
    QString textoLosas;  // "Error en Archivo de Losas", "Error en Bordes" or empty
    TablaDetallado detallado;
    // Which results the bars belong to: a step taken before the last run, or before the
    // results were dropped, brings its project back but never its bars.
    int epocaDetallado = 0;
};

class Documento : public QObject {
    Q_OBJECT
  public:
    // How much of the derived values an edit must bring up to date.
    static constexpr int kTodasLasFilas = -1;

    explicit Documento(QObject* padre = nullptr);
    ~Documento() override;

    const Proyecto& ProyectoActual() const { return estado_.proyecto; }
    const QString& TextoLosas() const { return estado_.textoLosas; }
    // The last run's results (even a stopped one), or nullptr. Results belong to the
    // project they were computed from: while the project differs from it (apart from
    // the beam's name and the report's header and footer, which no run reads) they are
    // absent for everyone, and an undo back to that project brings them back.
    const Resultados* UltimosResultados() const { return vigentes_ ? &*resultados_ : nullptr; }
    // The project the results describe, or nullptr without current results.
    const Proyecto* ProyectoCalculado() const { return vigentes_ ? &*proyectoCalculado_ : nullptr; }
    // There are results, but of another state of the project: a new run is due.
    bool ResultadosDesactualizados() const { return resultados_ && !vigentes_; }
    // Counts the results set so far, so a window can tell new results from those it shows.
    int GeneracionResultados() const { return generacion_; }
    // Whether the last run finished without a stop and its results describe the project.
    bool Calculado() const { return vigentes_ && resultados_->Calculado(); }
    // Calculado() by an analysis-and-design run: there are bars to detail.
    bool Disenado() const { return vigentes_ && resultados_->Disenado(); }
    const QString& Ruta() const { return ruta_; }
    // Whether the project file would differ from the one last opened or saved: bar edits
    // (the file holds no bars) and undo steps back to the saved project leave it as it was.
    bool Modificado() const;
    QUndoStack* Pila() { return &pila_; }

    // One undoable edit: `cambio` is applied to a copy of the project, then either one
    // row (`fila`, 0-based) is recomputed or every derived value (kTodasLasFilas).
    // Consecutive edits with the same non-negative `idFusion` become one undo step.
    void Modifica(const QString& texto, const std::function<void(Proyecto&)>& cambio,
                  int fila = kTodasLasFilas, int idFusion = -1);
    // One undoable edit that puts `nuevo`, a copy of the project a dialog's core step has
    // changed, in its place; the derived values are then brought up to date once. The step
    // runs on the copy alone, never a second time inside the document.
    void Aplica(const QString& texto, Proyecto nuevo);
    // The same for a copy the step also brought up to date, with the slab transfer's text
    // it gave: nothing is computed again.
    void Aplica(const QString& texto, Proyecto derivado, const QString& textoLosas);
    // A dialog that can be cancelled: from EmpiezaEdicion on, edits change the project at
    // once (every window follows) but leave no undo step; TerminaEdicion(true) makes of
    // them one undo step named `texto`, TerminaEdicion(false) puts the project back as it
    // was when the edition began.
    void EmpiezaEdicion();
    void TerminaEdicion(bool acepta, const QString& texto);
    // The grid update: brings every derived value up to date in place. Derived values are
    // a function of the input, so this needs no undo step.
    void Actualiza();
    // Replaces the whole project (new project, project read from a file): the undo
    // history starts afresh and the results are dropped.
    void Reemplaza(Proyecto p, const QString& ruta);
    // The same for a project whose derived values are already up to date (an opened file),
    // with the slab transfer's text that produced them: nothing is computed again.
    void Reemplaza(Proyecto derivado, const QString& textoLosas, const QString& ruta);
    // The project was written to `ruta`: it becomes the project's file, unmodified.
    void MarcaGuardado(const QString& ruta);

    void FijaResultados(Resultados r);
    void DescartaResultados();

    // The bars of the last completed design, loaded on first use after a run and kept with
    // the user's edits until the results change (a new run, a new or opened project empty
    // it); like the results, absent while the project differs from the one computed. Empty
    // when there is no design. The report and the detailing window read it.
    const TablaDetallado& Detallado();
    // The table as it stands, without loading it (empty while the results are absent).
    const TablaDetallado& DetalladoActual() const;
    // One undoable edit of the bars (loaded first): `cambio` gets a copy of the table and
    // the project and results the bars are proposed for. Nothing happens without a design;
    // an edit that changes nothing leaves no undo step. False when nothing changed.
    using CambioDetallado =
        std::function<void(TablaDetallado&, const Proyecto& calculado, const Resultados&)>;
    bool ModificaDetallado(const QString& texto, const CambioDetallado& cambio);
    // The report's page set-up for this session.
    ConfiguracionInforme& ConfiguracionReporte() { return configuracion_; }

    // Used by the undo steps.
    void FijaEstado(const EstadoDocumento& e);

  signals:
    // The project, its results, its file or its modified state changed.
    void cambiado();
    // A project file was opened from or saved to `ruta` (the recent-files list).
    void archivoUsado(const QString& ruta);

  private:
    void OlvidaDetallado();
    // An edit: one undo step, or a change in place during an edition.
    void Registra(EstadoDocumento despues, const QString& texto, int idFusion);
    // Every change ends here: decides whether the results describe the project, then
    // tells the windows.
    void Notifica();

    EstadoDocumento estado_;
    std::optional<EstadoDocumento> alEmpezarEdicion_;  // set during an edition
    std::optional<Resultados> resultados_;
    std::optional<Proyecto> proyectoCalculado_;
    bool vigentes_ = false;    // there are results and they describe the project
    int epocaResultados_ = 0;  // changes whenever the results are set or dropped
    ConfiguracionInforme configuracion_;
    int generacion_ = 0;
    QString ruta_;
    std::string guardado_;  // the project file's bytes when last opened, saved or started
    QUndoStack pila_;
};

}  // namespace trabelux
