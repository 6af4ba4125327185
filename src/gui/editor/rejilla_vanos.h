// The span grid's view: the program's editable grid with the span numbers as row
// headers. Delete asks to delete the spans whose whole rows are selected, or empties the
// current cell where it can be typed into.
#pragma once

#include "gui/comun/rejilla_editable.h"

namespace trabelux {

class RejillaVanos : public RejillaEditable {
    Q_OBJECT
  public:
    explicit RejillaVanos(QWidget* padre = nullptr);
    void setModel(QAbstractItemModel* modelo) override;
    // The spans (0-based rows) whose whole rows are selected, in order.
    QList<int> FilasElegidas() const;

  signals:
    // Delete on whole rows: the caller asks and deletes.
    void eliminarFilas(const QList<int>& filas);

  protected:
    void keyPressEvent(QKeyEvent* e) override;
};

}  // namespace trabelux
