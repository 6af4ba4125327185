// The view of a results grid: read-only, whole-cell selection, Ctrl+C copies the
// selection with its column headings as tab-separated text for a spreadsheet, and column captions
// wrap onto more lines instead of being cut when the columns get narrow.
#pragma once

#include <QModelIndexList>
#include <QString>
#include <QStringList>
#include <QTableView>
#include <vector>

class QAbstractItemModel;
class QFontMetrics;

namespace trabelux {

// The cells of `seleccion` as text: the rectangle that holds them, a first line with its
// columns' headings, then rows by lines, cells by tabs, unselected cells inside it empty;
// each line ends with a line break. Empty when nothing is selected.
QString TextoTabulado(const QAbstractItemModel& modelo, const QModelIndexList& seleccion);

// Height of a caption row whose captions, wrapped at their spaces within their column's
// width less `margen`, all show whole: `altoUnaLinea` plus the lines the longest one adds.
int AltoEncabezado(const QFontMetrics& fm, const QStringList& titulos,
                   const std::vector<int>& anchos, int margen, int altoUnaLinea);

class VistaTablaResultados : public QTableView {
    Q_OBJECT
  public:
    explicit VistaTablaResultados(QWidget* parent = nullptr);

    // Puts the selected cells on the clipboard.
    void CopiaSeleccion();

    void setModel(QAbstractItemModel* modelo) override;

  protected:
    void keyPressEvent(QKeyEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;

  private:
    // Gives the caption row the height its wrapped captions need at the current widths.
    void AjustaEncabezado();
};

}  // namespace trabelux
