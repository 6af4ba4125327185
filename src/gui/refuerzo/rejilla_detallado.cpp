#include "gui/refuerzo/rejilla_detallado.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QScrollBar>

#include "core/detallado/barras.h"
#include "core/detallado/tabla_detallado.h"
#include "gui/refuerzo/cabecera_grupos.h"

namespace trabelux {

namespace {

bool EsColumnaBarra(int c) {
    return c == kColBarraInferior || c == kColBarraPercha || c == kColBarraAdicional ||
           c == kColBarraEstribo;
}

}  // namespace

QWidget* DelegadoDetallado::createEditor(QWidget* padre, const QStyleOptionViewItem& op,
                                         const QModelIndex& indice) const {
    if (!EsColumnaBarra(indice.column()))
        return QStyledItemDelegate::createEditor(padre, op, indice);
    auto* combo = new QComboBox(padre);
    combo->setObjectName(QStringLiteral("ListaBarras"));
    combo->addItem(QString());
    const int barras = indice.column() == kColBarraEstribo ? 2 : kNumBarras;
    for (int i = 0; i < barras; ++i) combo->addItem(QString::fromStdString(NombreBarra(i)));
    // A bar picked from the list is the edit: no need to leave the cell.
    connect(combo, qOverload<int>(&QComboBox::activated), this, [this, combo] {
        auto* yo = const_cast<DelegadoDetallado*>(this);
        emit yo->commitData(combo);
        emit yo->closeEditor(combo);
    });
    return combo;
}

void DelegadoDetallado::setEditorData(QWidget* editor, const QModelIndex& indice) const {
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        combo->setCurrentIndex(std::max(0, combo->findText(indice.data().toString())));
        return;
    }
    QStyledItemDelegate::setEditorData(editor, indice);
}

void DelegadoDetallado::setModelData(QWidget* editor, QAbstractItemModel* modelo,
                                     const QModelIndex& indice) const {
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        modelo->setData(indice, combo->currentText(), Qt::EditRole);
        return;
    }
    QStyledItemDelegate::setModelData(editor, modelo, indice);
}

RejillaDetallado::RejillaDetallado(QWidget* padre) : RejillaEditable("DBGrid1", padre) {
    cabecera_ = new CabeceraGrupos(this);
    setHorizontalHeader(cabecera_);
    verticalHeader()->hide();
    setItemDelegate(new DelegadoDetallado(this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setAlternatingRowColors(false);
    connect(this, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& i) {
        if (i.column() == kColTipo) emit tipoPedido(i.row());
    });
}

void RejillaDetallado::AjustaColumnas() {
    resizeColumnsToContents();
    // Room for the longest bar name and the drop-down's arrow.
    const int barra = fontMetrics().horizontalAdvance(QStringLiteral("ø 1-1/4\"")) + 36;
    for (int c : {kColBarraInferior, kColBarraPercha, kColBarraAdicional, kColBarraEstribo})
        setColumnWidth(c, std::max(columnWidth(c), barra));
    // Every shape code fits, whatever the rows hold now.
    int tipo = 0;
    for (int i = 0; i < kNumOpcionesTipo; ++i)
        tipo =
            std::max(tipo, fontMetrics().horizontalAdvance(QString::fromStdString(*CodigoTipo(i))));
    setColumnWidth(kColTipo, std::max(columnWidth(kColTipo), tipo + 16));
    cabecera_->AjustaAGrupos();
}

int RejillaDetallado::AltoContenido() const {
    int alto = cabecera_->sizeHint().height() + 2 * frameWidth() +
               horizontalScrollBar()->sizeHint().height();
    for (int f = 0; model() && f < model()->rowCount(); ++f) alto += rowHeight(f);
    return alto;
}

void RejillaDetallado::keyPressEvent(QKeyEvent* e) {
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) &&
        currentIndex().column() == kColTipo && state() != QAbstractItemView::EditingState) {
        emit tipoPedido(currentIndex().row());
        e->accept();
        return;
    }
    RejillaEditable::keyPressEvent(e);
}

}  // namespace trabelux
