#include "gui/comun/rejilla_editable.h"

#include <QApplication>
#include <QKeyEvent>

#include "gui/comun/mensajes.h"

namespace trabelux {

namespace {

// A key that types a character into a cell (not a shortcut, not a moving key).
bool TeclaDeTexto(const QKeyEvent* e) {
    if (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    const QString t = e->text();
    return !t.isEmpty() && t.at(0).isPrint();
}

}  // namespace

RejillaEditable::RejillaEditable(const char* nombre, QWidget* padre) : QTableView(padre) {
    setObjectName(QLatin1String(nombre));
    // No editing on a click of the current cell: it starts after the double-click
    // interval, and a key typed before that would not go to the cell.
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
}

void RejillaEditable::ConfirmaEdicion() {
    if (state() != QAbstractItemView::EditingState) return;
    QWidget* editor = QApplication::focusWidget();
    if (!editor || !isAncestorOf(editor)) return;
    commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
}

void RejillaEditable::keyPressEvent(QKeyEvent* e) {
    if (state() != QAbstractItemView::EditingState && TeclaDeTexto(e)) {
        // The key goes into the current cell or nowhere; a cell that cannot be edited
        // (or a key its editor does not take) keeps the current cell in place.
        const QModelIndex actual = currentIndex();
        if (!actual.isValid() || !edit(actual, QAbstractItemView::AnyKeyPressed, e)) e->accept();
        return;
    }
    QTableView::keyPressEvent(e);
}

void RejillaEditable::commitData(QWidget* editor) {
    // A refusal is told with a message box while the value is handed over.
    const QPersistentModelIndex celda = currentIndex();
    const int antes = Mensajes::Mostradas();
    QTableView::commitData(editor);
    if (Mensajes::Mostradas() != antes) rechazada_ = celda;
}

void RejillaEditable::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    if (!rechazada_.isValid()) {
        QTableView::closeEditor(editor, hint);
        return;
    }
    const QModelIndex celda = rechazada_;
    rechazada_ = QPersistentModelIndex();
    // Neither Tab nor Enter moves on from a refused value: the cell shows its old value
    // again and the keyboard is back on it.
    QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
    setCurrentIndex(celda);
    setFocus();
}

}  // namespace trabelux
