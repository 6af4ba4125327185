#include "gui/dialogos/cargas/rejilla_cargas.h"

#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <algorithm>

namespace trabelux {

RejillaCargas::RejillaCargas(const char* nombre, QWidget* padre) : RejillaEditable(nombre, padre) {
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
}

QList<int> RejillaCargas::FilasElegidas() const {
    QList<int> filas;
    if (selectionModel())
        for (const QModelIndex& i : selectionModel()->selectedIndexes())
            if (!filas.contains(i.row())) filas.append(i.row());
    if (filas.isEmpty() && currentIndex().isValid()) filas.append(currentIndex().row());
    std::sort(filas.begin(), filas.end());
    return filas;
}

void RejillaCargas::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Delete && state() != QAbstractItemView::EditingState) {
        const QList<int> filas = FilasElegidas();
        if (!filas.isEmpty()) emit eliminarFilas(filas);
        return;
    }
    RejillaEditable::keyPressEvent(e);
}

void RejillaCargas::contextMenuEvent(QContextMenuEvent* e) {
    const QModelIndex bajo = indexAt(viewport()->mapFrom(this, e->pos()));
    if (bajo.isValid() && !selectionModel()->isSelected(bajo)) setCurrentIndex(bajo);
    const QList<int> filas = FilasElegidas();
    QMenu menu(this);
    QAction* agregar = menu.addAction(QStringLiteral("Agregar fila"));
    QAction* eliminar = menu.addAction(QStringLiteral("Eliminar fila"));
    eliminar->setEnabled(!filas.isEmpty());
    QAction* elegida = menu.exec(e->globalPos());
    if (elegida == eliminar) {
        emit eliminarFilas(filas);
    } else if (elegida == agregar && model() && model()->rowCount() > 0) {
        // The last row is the one that adds a load: go there and start typing.
        const QModelIndex nueva = model()->index(model()->rowCount() - 1, 0);
        setCurrentIndex(nueva);
        edit(nueva);
    }
}

DelegadoNumero::DelegadoNumero(std::function<int()> maximo, QObject* padre)
    : QStyledItemDelegate(padre), maximo_(std::move(maximo)) {}

QWidget* DelegadoNumero::createEditor(QWidget* padre, const QStyleOptionViewItem&,
                                      const QModelIndex&) const {
    auto* lista = new QComboBox(padre);
    lista->setEditable(true);
    lista->setInsertPolicy(QComboBox::NoInsert);
    // The list is built afresh each time: it always offers the beam's current spans.
    const int maximo = maximo_ ? maximo_() : 0;
    for (int k = 1; k <= maximo; ++k) lista->addItem(QString::number(k), k);
    connect(lista, QOverload<int>::of(&QComboBox::activated), this, [this, lista] {
        auto* yo = const_cast<DelegadoNumero*>(this);
        emit yo->commitData(lista);
    });
    return lista;
}

void DelegadoNumero::setEditorData(QWidget* editor, const QModelIndex& indice) const {
    auto* lista = static_cast<QComboBox*>(editor);
    const QVariant numero = indice.data(Qt::EditRole);
    lista->setCurrentIndex(numero.isValid() ? lista->findData(numero.toInt()) : -1);
    lista->setEditText(numero.isValid() ? numero.toString() : QString());
}

void DelegadoNumero::setModelData(QWidget* editor, QAbstractItemModel* modelo,
                                  const QModelIndex& indice) const {
    // Nothing typed into the adding row adds nothing.
    const QString texto = static_cast<QComboBox*>(editor)->currentText().trimmed();
    if (texto.isEmpty() && !indice.data(Qt::EditRole).isValid()) return;
    modelo->setData(indice, texto, Qt::EditRole);
}

}  // namespace trabelux
