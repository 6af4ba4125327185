#include "gui/editor/rejilla_vanos.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <algorithm>

namespace trabelux {

RejillaVanos::RejillaVanos(QWidget* padre) : RejillaEditable("DBGrid1", padre) {
    // A double click belongs to the span-length panel; typing or F2 edits a cell.
    setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    // Cells one at a time; whole rows, to delete them, from the row headers.
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setAlternatingRowColors(false);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setFixedWidth(fontMetrics().height());
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    horizontalHeader()->setMinimumSectionSize(
        fontMetrics().horizontalAdvance(QStringLiteral("00.000")) + 10);
}

void RejillaVanos::setModel(QAbstractItemModel* modelo) {
    QTableView::setModel(modelo);
    // The span number is narrow and the inertia wide: both take what they need, the
    // other columns share the rest.
    horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    horizontalHeader()->setSectionResizeMode(4, QHeaderView::ResizeToContents);
}

QList<int> RejillaVanos::FilasElegidas() const {
    QList<int> filas;
    if (!selectionModel()) return filas;
    for (const QModelIndex& i : selectionModel()->selectedRows()) filas.append(i.row());
    std::sort(filas.begin(), filas.end());
    return filas;
}

void RejillaVanos::keyPressEvent(QKeyEvent* e) {
    if (e->key() != Qt::Key_Delete || state() == QAbstractItemView::EditingState) {
        RejillaEditable::keyPressEvent(e);
        return;
    }
    e->accept();
    const QList<int> filas = FilasElegidas();
    if (!filas.isEmpty()) {
        emit eliminarFilas(filas);
        return;
    }
    // Only a cell the user sees chosen: a click in empty space chooses none.
    const QModelIndex actual = currentIndex();
    if (actual.isValid() && selectionModel()->isSelected(actual) &&
        (model()->flags(actual) & Qt::ItemIsEditable))
        model()->setData(actual, QString());
}

}  // namespace trabelux
