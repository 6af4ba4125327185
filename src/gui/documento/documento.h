// The open project of the desktop program: the master copy of the input, the last run's
// results, the file it came from, and the undo history. Every window changes the project
// through it and refreshes from its one `cambiado` signal.
#pragma once

#include <QObject>
#include <QString>
#include <QUndoStack>
#include <functional>
#include <optional>

#include "analisis/resultados.h"
#include "detallado/tabla.h"
#include "modelo/proyecto.h"
#include "reporte/configuracion.h"

namespace trabelux {

// The project together with the slab transfer's text it produced.
struct EstadoDocumento {
    Proyecto proyecto;
    QString textoLosas;  // "Error en Archivo de Losas", "Error en Bordes" or empty
};

class Documento : public QObject {
    Q_OBJECT
  public:
    // How much of the derived values an edit must bring up to date.
    static constexpr int kTodasLasFilas = -1;

    explicit Documento(QObject* padre = nullptr);

    const Proyecto& ProyectoActual() const { return estado_.proyecto; }
    const QString& TextoLosas() const { return estado_.textoLosas; }
    // The last run's results (even a stopped one), or nullptr.
    const Resultados* UltimosResultados() const { return resultados_ ? &*resultados_ : nullptr; }
    // The project as it was when the last results were set: the results describe that
    // beam, whatever was edited since.
    const Proyecto* ProyectoCalculado() const {
        return proyectoCalculado_ ? &*proyectoCalculado_ : nullptr;
    }
    // Counts the results set so far, so a window can tell new results from those it shows.
    int GeneracionResultados() const { return generacion_; }
    // Whether the last run finished without a stop and the project kept its spans since.
    bool Calculado() const { return resultados_ && resultados_->calculado; }
    const QString& Ruta() const { return ruta_; }
    bool Modificado() const { return !pila_.isClean(); }
    QUndoStack* Pila() { return &pila_; }

    // One undoable edit: `cambio` is applied to a copy of the project, then either one
    // row (`fila`, 0-based) is recomputed or every derived value (kTodasLasFilas).
    // Consecutive edits with the same non-negative `idFusion` become one undo step.
    void Modifica(const QString& texto, const std::function<void(Proyecto&)>& cambio,
                  int fila = kTodasLasFilas, int idFusion = -1);
    // The grid update: brings every derived value up to date in place. Derived values are
    // a function of the input, so this needs no undo step.
    void Actualiza();
    // Replaces the whole project (new project, project read from a file): the undo
    // history starts afresh and the results are dropped.
    void Reemplaza(Proyecto p, const QString& ruta);
    // The project was written to `ruta`: it becomes the project's file, unmodified.
    void MarcaGuardado(const QString& ruta);

    void FijaResultados(Resultados r);
    void DescartaResultados();

    // The bars of the last completed design, loaded on first use and kept with the
    // results (new results empty it). The report reads it.
    TablaDetallado& Detallado();
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
    EstadoDocumento estado_;
    std::optional<Resultados> resultados_;
    std::optional<Proyecto> proyectoCalculado_;
    TablaDetallado detallado_;
    ConfiguracionInforme configuracion_;
    int generacion_ = 0;
    QString ruta_;
    QUndoStack pila_;
};

}  // namespace trabelux
