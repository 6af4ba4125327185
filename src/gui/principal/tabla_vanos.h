// The span grid's view (`DBGrid1`): a table that can commit a pending edit on demand and
// turns the Delete key into a request to delete the current span.
#pragma once

#include <QTableView>

namespace trabelux {

class TablaVanos : public QTableView {
    Q_OBJECT
  public:
    explicit TablaVanos(QWidget* padre = nullptr);
    // Commits and closes the cell editor, if one is open (menus do this before they act).
    void ConfirmaEdicion();
    void setModel(QAbstractItemModel* modelo) override;

  signals:
    void eliminarFila(int fila);

  protected:
    void keyPressEvent(QKeyEvent* e) override;
};

}  // namespace trabelux
