// The models of the slab-assignment dialog: the slab list of the slab file
// ("Losa", "Bordes", "Lx", "Ly", "Espesor", with a first row "0" for
// no slab) and the span rows being edited ("Vano", "Primera Losa", "Segunda Losa",
// "Espesor Prom"), whose average follows every change of a slab number.
#pragma once

#include <QAbstractTableModel>
#include <optional>
#include <vector>

#include "core/modelo/proyecto.h"
#include "gui/documento/modelo_documento.h"

namespace trabelux {

class Documento;

class ModeloListaLosas : public ModeloDocumento {
    Q_OBJECT
  public:
    explicit ModeloListaLosas(Documento* doc, QObject* padre = nullptr);

    QVariant data(const QModelIndex& indice, int rol = Qt::DisplayRole) const override;
    QVariant headerData(int seccion, Qt::Orientation orientacion,
                        int rol = Qt::DisplayRole) const override;

  private:
    int FilasDelProyecto() const override;
    const ArchivoLosasDatos* Losas() const;
};

class ModeloAsignacion : public QAbstractTableModel {
    Q_OBJECT
  public:
    using QAbstractTableModel::QAbstractTableModel;

    // Starts the edit from the project's rows (one per span at least).
    void Carga(const Proyecto& p);
    const std::vector<AsignacionLosa>& Filas() const { return filas_; }

    int rowCount(const QModelIndex& padre = {}) const override;
    int columnCount(const QModelIndex& padre = {}) const override;
    QVariant data(const QModelIndex& indice, int rol = Qt::DisplayRole) const override;
    // Slab numbers are whole numbers; whether the slab exists is judged by "OK".
    bool setData(const QModelIndex& indice, const QVariant& valor, int rol = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& indice) const override;
    QVariant headerData(int seccion, Qt::Orientation orientacion,
                        int rol = Qt::DisplayRole) const override;

  private:
    std::vector<AsignacionLosa> filas_;
    std::optional<ArchivoLosasDatos> losas_;
    int numVanos_ = 0;
};

}  // namespace trabelux
