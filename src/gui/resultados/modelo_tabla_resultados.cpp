// Read-only results grid; see modelo_tabla_resultados.h.
#include "gui/resultados/modelo_tabla_resultados.h"

#include "core/texto/numeros.h"

namespace trabelux {

ModeloTablaResultados::ModeloTablaResultados(std::vector<ColumnaResultados> columnas,
                                             QObject* parent)
    : QAbstractTableModel(parent), columnas_(std::move(columnas)) {}

void ModeloTablaResultados::Llena(std::vector<FilaResultados> filas) {
    beginResetModel();
    filas_ = std::move(filas);
    // The grid holds single-precision numbers, as the run stores them.
    for (auto& fila : filas_)
        for (auto& celda : fila)
            if (auto* v = std::get_if<double>(&celda)) *v = static_cast<float>(*v);
    endResetModel();
}

void ModeloTablaResultados::Vacia() { Llena({}); }

QString ModeloTablaResultados::Texto(int fila, int columna) const {
    if (fila < 0 || columna < 0 || fila >= rowCount() || columna >= columnCount()) return {};
    const auto& f = filas_[static_cast<size_t>(fila)];
    if (static_cast<size_t>(columna) >= f.size()) return {};
    const auto& celda = f[static_cast<size_t>(columna)];
    if (const auto* t = std::get_if<QString>(&celda)) return *t;
    const QString& formato = columnas_[static_cast<size_t>(columna)].formato;
    const double v = std::get<double>(celda);
    return QString::fromStdString(Formatea(v, formato.isEmpty() ? "0.000" : formato.toStdString()));
}

int ModeloTablaResultados::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(filas_.size());
}

int ModeloTablaResultados::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columnas_.size());
}

QVariant ModeloTablaResultados::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    if (role == Qt::DisplayRole) return Texto(index.row(), index.column());
    if (role == Qt::TextAlignmentRole) {
        const bool texto = columnas_[static_cast<size_t>(index.column())].formato.isEmpty();
        return QVariant::fromValue(Qt::AlignVCenter | (texto ? Qt::AlignLeft : Qt::AlignRight));
    }
    return {};
}

QVariant ModeloTablaResultados::headerData(int section, Qt::Orientation orientation,
                                           int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
    if (section < 0 || section >= columnCount()) return {};
    return columnas_[static_cast<size_t>(section)].titulo;
}

Qt::ItemFlags ModeloTablaResultados::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren;
}

}  // namespace trabelux
