#include "principal/tabla_vanos.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>

namespace trabelux {

TablaVanos::TablaVanos(QWidget* padre) : QTableView(padre) {
    setObjectName(QStringLiteral("DBGrid1"));
    // A double click belongs to the span-length panel; typing or F2 edits a cell.
    setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed |
                    QAbstractItemView::SelectedClicked);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setAlternatingRowColors(false);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    horizontalHeader()->setMinimumSectionSize(
        fontMetrics().horizontalAdvance(QStringLiteral("00.000")) + 10);
}

void TablaVanos::setModel(QAbstractItemModel* modelo) {
    QTableView::setModel(modelo);
    // The span number is narrow and the inertia wide: both take what they need, the
    // other columns share the rest.
    horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    horizontalHeader()->setSectionResizeMode(4, QHeaderView::ResizeToContents);
}

void TablaVanos::ConfirmaEdicion() {
    if (state() != QAbstractItemView::EditingState) return;
    QWidget* editor = QApplication::focusWidget();
    if (!editor || !isAncestorOf(editor)) return;
    commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
}

void TablaVanos::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Delete && currentIndex().isValid()) {
        emit eliminarFila(currentIndex().row());
        return;
    }
    QTableView::keyPressEvent(e);
}

}  // namespace trabelux
