// The detailing grid: the table of bars under its band of group captions, bar cells as
// drop-downs of the bar list, counts and spacings typed. Double-click or Enter on "Tipo"
// asks for the shape chooser instead of editing.
#pragma once

#include <QStyledItemDelegate>

#include "gui/comun/rejilla_editable.h"

namespace trabelux {

class CabeceraGrupos;

// Editors of the grid: a drop-down of the bar list (an empty entry first, so a cell can be
// emptied and proposed again; stirrups only 3/8" and 1/2"), plain text for the rest.
class DelegadoDetallado : public QStyledItemDelegate {
    Q_OBJECT
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* padre, const QStyleOptionViewItem& op,
                          const QModelIndex& indice) const override;
    void setEditorData(QWidget* editor, const QModelIndex& indice) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* modelo,
                      const QModelIndex& indice) const override;
};

class RejillaDetallado : public RejillaEditable {
    Q_OBJECT
  public:
    explicit RejillaDetallado(QWidget* padre = nullptr);

    CabeceraGrupos* Cabecera() const { return cabecera_; }
    // Fits the columns to their contents and the group captions; called after a refresh.
    void AjustaColumnas();
    // The height that shows every row (and a horizontal scroll bar): no more is useful.
    int AltoContenido() const;

  signals:
    // The user asked for the shape chooser on row `fila` (0-based).
    void tipoPedido(int fila);

  protected:
    void keyPressEvent(QKeyEvent* e) override;

  private:
    CabeceraGrupos* cabecera_;
};

}  // namespace trabelux
