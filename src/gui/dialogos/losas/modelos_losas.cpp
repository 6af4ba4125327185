#include "gui/dialogos/losas/modelos_losas.h"

#include <QColor>
#include <cmath>

#include "core/losas/asignacion.h"
#include "core/losas/espesores.h"
#include "core/texto/numeros.h"
#include "gui/comun/celda_tecleada.h"
#include "gui/comun/mensajes.h"
#include "gui/documento/documento.h"

namespace trabelux {

namespace {

QString Tres(double v) { return QString::fromStdString(Formatea(v, "0.000")); }

}  // namespace

// The slab list.

ModeloListaLosas::ModeloListaLosas(Documento* doc, QObject* padre)
    : ModeloDocumento(doc, 5, CambioFilas::kReinicia, padre) {}

const ArchivoLosasDatos* ModeloListaLosas::Losas() const {
    const Proyecto& p = doc_->ProyectoActual();
    return p.losas ? &*p.losas : nullptr;
}

// The first row, "0", is no slab.
int ModeloListaLosas::FilasDelProyecto() const {
    return 1 + (Losas() ? static_cast<int>(Losas()->losas.size()) : 0);
}

QVariant ModeloListaLosas::data(const QModelIndex& indice, int rol) const {
    if (!indice.isValid() || !checkIndex(indice, CheckIndexOption::IndexIsValid)) return {};
    const int fila = indice.row(), col = indice.column();
    if (rol == Qt::TextAlignmentRole)
        return col == 1 ? int(Qt::AlignLeft | Qt::AlignVCenter)
                        : int(Qt::AlignRight | Qt::AlignVCenter);
    if (rol != Qt::DisplayRole && rol != Qt::EditRole) return {};
    // Row 0 is "no slab".
    if (fila == 0) {
        if (col != 0) return {};
        return rol == Qt::EditRole ? QVariant(0) : QVariant(QStringLiteral("0"));
    }
    const ArchivoLosasDatos* losas = Losas();
    if (!losas || fila > static_cast<int>(losas->losas.size())) return {};
    const Losa& l = losas->losas[fila - 1];
    switch (col) {
        case 0:
            return rol == Qt::EditRole ? QVariant(fila) : QVariant(QString::number(fila));
        case 1:
            return QString::fromStdString(l.bordes);
        case 2:
            return Tres(l.lx);
        case 3:
            return Tres(l.ly);
        default:
            return Tres(EspesorLosa(*losas, fila));
    }
}

QVariant ModeloListaLosas::headerData(int seccion, Qt::Orientation orientacion, int rol) const {
    if (rol != Qt::DisplayRole || orientacion != Qt::Horizontal)
        return QAbstractTableModel::headerData(seccion, orientacion, rol);
    static const char* const kTitulos[5] = {"Losa", "Bordes", "Lx", "Ly", "Espesor"};
    return seccion >= 0 && seccion < 5 ? QString::fromLatin1(kTitulos[seccion]) : QVariant();
}

// The span rows.

void ModeloAsignacion::Carga(const Proyecto& p) {
    beginResetModel();
    filas_ = p.asignacion;
    if (static_cast<int>(filas_.size()) < p.numVanos) filas_.resize(p.numVanos);
    losas_ = p.losas;
    numVanos_ = p.numVanos;
    for (auto& f : filas_)
        f.espesorProm = losas_ ? EspesorPromedio(*losas_, f.primera, f.segunda) : 0.0;
    endResetModel();
}

int ModeloAsignacion::rowCount(const QModelIndex& padre) const {
    return padre.isValid() ? 0 : static_cast<int>(filas_.size());
}
int ModeloAsignacion::columnCount(const QModelIndex& padre) const {
    return padre.isValid() ? 0 : 4;
}

QVariant ModeloAsignacion::data(const QModelIndex& indice, int rol) const {
    if (!indice.isValid() || !checkIndex(indice, CheckIndexOption::IndexIsValid)) return {};
    const int fila = indice.row(), col = indice.column();
    const AsignacionLosa& a = filas_[fila];
    switch (rol) {
        case Qt::DisplayRole:
            switch (col) {
                case 0:
                    return QString::number(fila + 1);
                case 1:
                    return QString::number(a.primera);
                case 2:
                    return QString::number(a.segunda);
                default:
                    return Tres(a.espesorProm);
            }
        case Qt::EditRole:
            switch (col) {
                case 0:
                    return fila + 1;
                case 1:
                    return a.primera;
                case 2:
                    return a.segunda;
                default:
                    return a.espesorProm;
            }
        case Qt::TextAlignmentRole:
            return col == 0 ? int(Qt::AlignCenter) : int(Qt::AlignRight | Qt::AlignVCenter);
        case Qt::BackgroundRole:
            if (col == 3) return QColor(0xD8, 0xD8, 0xD8);
            return {};
        case Qt::ForegroundRole:
            // Rows kept beyond the span count are not part of the beam.
            if (fila >= numVanos_) return QColor(Qt::gray);
            return {};
        default:
            return {};
    }
}

bool ModeloAsignacion::setData(const QModelIndex& indice, const QVariant& valor, int rol) {
    const int col = indice.column();
    if (col != 1 && col != 2) return false;
    const CeldaTecleada celda = LeeCeldaTecleada(*this, indice, valor, rol);
    if (celda.tipo != CeldaTecleada::Tipo::kNumero) return false;
    const double n = celda.numero;
    // A slab number is a whole number.
    if (n != std::floor(n) || std::fabs(n) > 1e6) {
        Mensajes::Advierte(nullptr,
                           QString::fromStdString(MensajeNoEsNumero(celda.texto.toStdString())));
        return false;
    }
    // A slab the file does not hold is refused here, named as the dialog's OK names it.
    std::vector<AsignacionLosa> prueba(static_cast<size_t>(indice.row()) + 1);
    (col == 1 ? prueba.back().primera : prueba.back().segunda) = static_cast<int>(n);
    const Estado error = ValidaAsignacion(prueba, losas_ ? &*losas_ : nullptr);
    if (!error) {
        Mensajes::Advierte(nullptr, QString::fromStdString(error.Mensaje()));
        return false;
    }
    AsignacionLosa& a = filas_[indice.row()];
    (col == 1 ? a.primera : a.segunda) = static_cast<int>(n);
    a.espesorProm = losas_ ? EspesorPromedio(*losas_, a.primera, a.segunda) : 0.0;
    emit dataChanged(index(indice.row(), 1), index(indice.row(), 3));
    return true;
}

Qt::ItemFlags ModeloAsignacion::flags(const QModelIndex& indice) const {
    if (!indice.isValid() || !checkIndex(indice, CheckIndexOption::IndexIsValid))
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    if (indice.column() == 1 || indice.column() == 2) f |= Qt::ItemIsEditable;
    return f;
}

QVariant ModeloAsignacion::headerData(int seccion, Qt::Orientation orientacion, int rol) const {
    if (rol != Qt::DisplayRole || orientacion != Qt::Horizontal)
        return QAbstractTableModel::headerData(seccion, orientacion, rol);
    static const char* const kTitulos[4] = {"Vano", "Primera Losa", "Segunda Losa", "Espesor Prom"};
    return seccion >= 0 && seccion < 4 ? QString::fromLatin1(kTitulos[seccion]) : QVariant();
}

}  // namespace trabelux
