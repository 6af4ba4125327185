// The span grid's model: one row per span row of the project, nine columns with their
// number formats, computed columns locked and grey, captions following the material and
// the load mode. Edits go through the document, which recomputes the row.
#pragma once

#include "gui/documento/modelo_documento.h"

namespace trabelux {

class Documento;

class ModeloVanos : public ModeloDocumento {
    Q_OBJECT
  public:
    explicit ModeloVanos(Documento* doc, QObject* padre = nullptr);

    QVariant data(const QModelIndex& indice, int rol = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& indice, const QVariant& valor, int rol = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& indice) const override;
    QVariant headerData(int seccion, Qt::Orientation orientacion,
                        int rol = Qt::DisplayRole) const override;

    // Whether a column is computed by the program (grey, not editable) right now.
    bool ColumnaBloqueada(int columna) const;
    // A column's tooltip: what it holds, its unit and sign, and where a computed one
    // comes from.
    QString AyudaColumna(int columna) const;
    // The text shown in a cell.
    QString TextoCelda(int fila, int columna) const;

  private:
    int FilasDelProyecto() const override;
};

// The grey of the computed columns.
inline constexpr unsigned kGrisCalculado = 0xD8D8D8;

}  // namespace trabelux
