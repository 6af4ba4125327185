#include "gui/documento/modelo_documento.h"

#include "gui/documento/documento.h"

namespace trabelux {

ModeloDocumento::ModeloDocumento(Documento* doc, int columnas, CambioFilas cambio, QObject* padre)
    : QAbstractTableModel(padre), doc_(doc), columnas_(columnas), cambio_(cambio) {
    connect(doc_, &Documento::cambiado, this, &ModeloDocumento::AlCambiarDocumento);
}

int ModeloDocumento::rowCount(const QModelIndex& padre) const {
    if (padre.isValid()) return 0;
    if (filas_ < 0) filas_ = FilasDelProyecto();
    return filas_;
}

int ModeloDocumento::columnCount(const QModelIndex& padre) const {
    return padre.isValid() ? 0 : columnas_;
}

void ModeloDocumento::AlCambiarDocumento() {
    const int nuevas = FilasDelProyecto();
    const int antes = rowCount();
    if (nuevas != antes && cambio_ == CambioFilas::kReinicia) {
        beginResetModel();
        filas_ = nuevas;
        endResetModel();
        return;
    }
    if (nuevas > antes) {
        beginInsertRows({}, antes, nuevas - 1);
        filas_ = nuevas;
        endInsertRows();
    } else if (nuevas < antes) {
        beginRemoveRows({}, nuevas, antes - 1);
        filas_ = nuevas;
        endRemoveRows();
    }
    if (filas_ > 0) {
        emit dataChanged(index(0, 0), index(filas_ - 1, columnas_ - 1));
        emit headerDataChanged(Qt::Vertical, 0, filas_ - 1);
    }
    emit headerDataChanged(Qt::Horizontal, 0, columnas_ - 1);
}

}  // namespace trabelux
