// The view of a results grid: read-only, whole-cell selection, and Ctrl+C copies the
// selection as tab-separated text for a spreadsheet.
#pragma once

#include <QModelIndexList>
#include <QString>
#include <QTableView>

class QAbstractItemModel;

namespace trabelux {

// The cells of `seleccion` as text: the rectangle that holds them, rows by lines, cells by
// tabs, unselected cells inside it empty; each line ends with a line break. Empty when
// nothing is selected.
QString TextoTabulado(const QAbstractItemModel& modelo, const QModelIndexList& seleccion);

class VistaTablaResultados : public QTableView {
    Q_OBJECT
  public:
    explicit VistaTablaResultados(QWidget* parent = nullptr);

    // Puts the selected cells on the clipboard.
    void CopiaSeleccion();

  protected:
    void keyPressEvent(QKeyEvent* evento) override;
};

}  // namespace trabelux
