#include "gui/refuerzo/modelo_detallado.h"

#include "core/detallado/tabla_detallado.h"
#include "gui/documento/documento.h"

namespace trabelux {

namespace {

bool Editable(int columna) { return columna >= kColBarraInferior && columna <= kColSeparEstribo; }

}  // namespace

ModeloDetallado::ModeloDetallado(Documento* doc, QObject* padre)
    : QAbstractTableModel(padre), doc_(doc) {
    filas_ = static_cast<int>(doc_->DetalladoActual().filas.size());
}

void ModeloDetallado::Refresca() {
    const int n = static_cast<int>(doc_->DetalladoActual().filas.size());
    if (n != filas_) {
        beginResetModel();
        filas_ = n;
        endResetModel();
    } else if (n > 0) {
        emit dataChanged(index(0, 0), index(n - 1, kNumColumnasDetallado - 1));
    }
}

int ModeloDetallado::rowCount(const QModelIndex& padre) const {
    return padre.isValid() ? 0 : filas_;
}

int ModeloDetallado::columnCount(const QModelIndex& padre) const {
    return padre.isValid() ? 0 : kNumColumnasDetallado;
}

QVariant ModeloDetallado::data(const QModelIndex& indice, int rol) const {
    const auto& filas = doc_->DetalladoActual().filas;
    if (!indice.isValid() || indice.row() >= static_cast<int>(filas.size())) return {};
    const FilaDetallado& f = filas[static_cast<size_t>(indice.row())];
    const int c = indice.column();
    switch (rol) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            if (c == kColDib) return {};
            return QString::fromStdString(TextoCelda(f, c));
        case Qt::CheckStateRole:
            if (c == kColDib) return f.dib ? Qt::Checked : Qt::Unchecked;
            return {};
        case Qt::BackgroundRole:
            if (EsFilaVano(f)) return kColorVano;
            return {};
        case Qt::TextAlignmentRole:
            return int(c == kColUbic ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
        default:
            return {};
    }
}

bool ModeloDetallado::setData(const QModelIndex& indice, const QVariant& valor, int rol) {
    if (!indice.isValid() || indice.row() >= filas_) return false;
    const int fila = indice.row();
    const int c = indice.column();
    if (c == kColDib && rol == Qt::CheckStateRole) {
        const bool dib = valor.toInt() == Qt::Checked;
        doc_->ModificaDetallado(tr("Dib"), [fila, dib](TablaDetallado& t, auto&, auto&) {
            t.filas[static_cast<size_t>(fila)].dib = dib;
        });
        return true;
    }
    if (!Editable(c) || rol != Qt::EditRole) return false;
    const std::string texto = valor.toString().toStdString();
    // A bar that is not in the list is refused before it becomes an undo step.
    FilaDetallado prueba = doc_->DetalladoActual().filas[static_cast<size_t>(fila)];
    if (!EscribeCelda(prueba, c, texto)) return false;
    doc_->ModificaDetallado(QString::fromUtf8(TituloColumna(c)),
                            [fila, c, texto](TablaDetallado& t, auto&, auto&) {
                                EscribeCelda(t.filas[static_cast<size_t>(fila)], c, texto);
                            });
    return true;
}

Qt::ItemFlags ModeloDetallado::flags(const QModelIndex& indice) const {
    if (!indice.isValid()) return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (indice.column() == kColDib) f |= Qt::ItemIsUserCheckable;
    if (Editable(indice.column())) f |= Qt::ItemIsEditable;
    return f;
}

QVariant ModeloDetallado::headerData(int seccion, Qt::Orientation o, int rol) const {
    if (o == Qt::Vertical) return rol == Qt::DisplayRole ? QVariant(seccion + 1) : QVariant();
    if (seccion < 0 || seccion >= kNumColumnasDetallado) return {};
    if (rol == Qt::DisplayRole) return QString::fromUtf8(TituloColumna(seccion));
    if (rol == kRolGrupo) return QString::fromUtf8(GrupoColumna(seccion));
    return {};
}

}  // namespace trabelux
