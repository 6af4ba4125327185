// The grid of a load list: the last row adds a load when a
// cell of it is typed into; Delete or the context menu removes the selected rows.
#pragma once

#include <QStyledItemDelegate>
#include <functional>

#include "gui/comun/rejilla_editable.h"

namespace trabelux {

class RejillaCargas : public RejillaEditable {
    Q_OBJECT
  public:
    explicit RejillaCargas(const char* nombre, QWidget* padre = nullptr);
    // Rows to delete: the selected rows, or the current one.
    QList<int> FilasElegidas() const;

  signals:
    void eliminarFilas(const QList<int>& filas);

  protected:
    void keyPressEvent(QKeyEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
};

// Edits a span or node number: typed, or picked from a drop-down of the numbers
// 1 .. maximo(). The model judges what was typed.
class DelegadoNumero : public QStyledItemDelegate {
    Q_OBJECT
  public:
    DelegadoNumero(std::function<int()> maximo, QObject* padre = nullptr);

    QWidget* createEditor(QWidget* padre, const QStyleOptionViewItem& opcion,
                          const QModelIndex& indice) const override;
    void setEditorData(QWidget* editor, const QModelIndex& indice) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* modelo,
                      const QModelIndex& indice) const override;

  private:
    std::function<int()> maximo_;
};

}  // namespace trabelux
