// The base of the grids over the open project: follows the document's one change signal
// and tells the view what changed, with the row count the view was last told.
#pragma once

#include <QAbstractTableModel>

namespace trabelux {

class Documento;

class ModeloDocumento : public QAbstractTableModel {
    Q_OBJECT
  public:
    int rowCount(const QModelIndex& padre = {}) const override;
    int columnCount(const QModelIndex& padre = {}) const override;

  protected:
    // How the view learns of another row count: the whole model reset, or rows added or
    // removed at the end so the current cell stays where it is.
    enum class CambioFilas { kReinicia, kPorElFinal };

    ModeloDocumento(Documento* doc, int columnas, CambioFilas cambio, QObject* padre);

    // The rows the project holds now.
    virtual int FilasDelProyecto() const = 0;

    Documento* doc_;

  private:
    // After any change every cell and heading is read again; rows follow `cambio_`.
    void AlCambiarDocumento();

    int columnas_;
    CambioFilas cambio_;
    // The rows the view was told; taken from the project at the view's first question.
    mutable int filas_ = -1;
};

}  // namespace trabelux
