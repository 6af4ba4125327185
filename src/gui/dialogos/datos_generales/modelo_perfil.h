// The steel-shape panel's grid: one row with the chosen shape's eight
// properties in metre units, or eight empty cells when no shape is chosen.
#pragma once

#include <QAbstractTableModel>
#include <array>
#include <optional>

#include "core/archivos/tabla_perfiles.h"

namespace trabelux {

class ModeloPerfil : public QAbstractTableModel {
    Q_OBJECT
  public:
    using QAbstractTableModel::QAbstractTableModel;

    // Shows a shape, or empties the cells.
    void Muestra(const std::optional<RegistroPerfil>& perfil);
    // The text of a cell ("Area", "d", "bf", "tf", "tw", "Ix", "Sx", "rx").
    QString Texto(int columna) const;

    int rowCount(const QModelIndex& padre = {}) const override;
    int columnCount(const QModelIndex& padre = {}) const override;
    QVariant data(const QModelIndex& indice, int rol = Qt::DisplayRole) const override;
    QVariant headerData(int seccion, Qt::Orientation orientacion,
                        int rol = Qt::DisplayRole) const override;

  private:
    std::array<QString, 8> textos_;
};

}  // namespace trabelux
