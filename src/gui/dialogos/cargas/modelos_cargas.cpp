#include "gui/dialogos/cargas/modelos_cargas.h"

#include <algorithm>
#include <cmath>

#include "core/modelo/rango.h"
#include "core/texto/numeros.h"
#include "gui/comun/celda_tecleada.h"
#include "gui/comun/mensajes.h"
#include "gui/documento/documento.h"

namespace trabelux {

namespace {

QString Numero(double v) { return QString::fromStdString(Formatea(v, "0.000")); }

}  // namespace

// The list grows or shrinks at its end as far as the view is concerned; the cells are
// read from the project again in any case, so the current cell stays in place.
ModeloListaCargas::ModeloListaCargas(Documento* doc, QObject* padre)
    : ModeloDocumento(doc, 3, CambioFilas::kPorElFinal, padre) {}

QVariant ModeloListaCargas::data(const QModelIndex& indice, int rol) const {
    if (!indice.isValid() || !checkIndex(indice, CheckIndexOption::IndexIsValid)) return {};
    const int fila = indice.row(), col = indice.column();
    // Rows the view still counts while the list shrinks, and the adding row, are empty.
    const bool deLista = fila < Cargas();
    switch (rol) {
        case Qt::DisplayRole:
            return deLista ? Texto(fila, col) : QString();
        case Qt::EditRole:
            return deLista ? Valor(fila, col) : QVariant();
        case Qt::TextAlignmentRole:
            return col == 0 ? int(Qt::AlignCenter) : int(Qt::AlignRight | Qt::AlignVCenter);
        default:
            return {};
    }
}

bool ModeloListaCargas::setData(const QModelIndex& indice, const QVariant& valor, int rol) {
    const int fila = indice.row(), col = indice.column();
    if (fila > Cargas()) return false;
    // The adding row shows nothing: whatever is typed there is new.
    const CeldaTecleada celda =
        LeeCeldaTecleada(*this, indice, valor, rol,
                         fila < Cargas() ? std::optional(Texto(fila, col)) : std::nullopt);
    if (celda.tipo != CeldaTecleada::Tipo::kNumero)
        return celda.tipo == CeldaTecleada::Tipo::kSinCambio;
    const double numero = celda.numero;
    if (!std::isfinite(numero)) {
        Mensajes::Advierte(nullptr,
                           QString::fromStdString(MensajeFueraDeRango(numero, "de la carga")));
        return false;
    }
    if (col == 0) {
        const Estado error = VerificaNumero(doc_->ProyectoActual(), numero);
        if (!error) {
            Mensajes::Advierte(nullptr, QString::fromStdString(error.Mensaje()));
            return false;
        }
    }
    Proyecto prueba = doc_->ProyectoActual();
    if (!Escribe(prueba, fila, col, numero)) return false;
    doc_->Modifica(fila == Cargas() ? tr("Agregar carga") : tr("Editar carga"),
                   [this, fila, col, numero](Proyecto& p) { Escribe(p, fila, col, numero); });
    return true;
}

void ModeloListaCargas::EliminaFilas(const QList<int>& filas) {
    QList<int> validas;
    for (int f : filas)
        if (f >= 0 && f < Cargas() && !validas.contains(f)) validas.append(f);
    if (validas.isEmpty()) return;
    std::sort(validas.begin(), validas.end());
    doc_->Modifica(validas.size() == 1 ? tr("Eliminar carga") : tr("Eliminar cargas"),
                   [this, validas](Proyecto& p) {
                       for (int k = static_cast<int>(validas.size()) - 1; k >= 0; --k)
                           Elimina(p, validas[k]);
                   });
}

Qt::ItemFlags ModeloListaCargas::flags(const QModelIndex& indice) const {
    if (!indice.isValid() || !checkIndex(indice, CheckIndexOption::IndexIsValid))
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemNeverHasChildren;
}

QVariant ModeloListaCargas::headerData(int seccion, Qt::Orientation orientacion, int rol) const {
    if (rol == Qt::ToolTipRole && orientacion == Qt::Horizontal && seccion >= 0 && seccion < 3)
        return QString::fromLatin1(Ayuda(seccion));
    if (rol != Qt::DisplayRole) return QAbstractTableModel::headerData(seccion, orientacion, rol);
    if (orientacion == Qt::Horizontal)
        return seccion >= 0 && seccion < 3 ? QString::fromLatin1(Titulo(seccion)) : QVariant();
    // The adding row is marked as grids mark it.
    return seccion < Cargas() ? QVariant(seccion + 1) : QVariant(QStringLiteral("*"));
}

// The lists of loads.

template <class Lista>
int ModeloCargas<Lista>::Cargas() const {
    return static_cast<int>((doc_->ProyectoActual().*Lista::kLista).size());
}

template <class Lista>
QString ModeloCargas<Lista>::Texto(int fila, int columna) const {
    const auto& c = (doc_->ProyectoActual().*Lista::kLista)[fila];
    switch (columna) {
        case 0:
            return QString::number(c.*Lista::kNumero);
        case 1:
            return Numero(c.*Lista::kPrimero);
        default:
            return Numero(c.*Lista::kSegundo);
    }
}

template <class Lista>
QVariant ModeloCargas<Lista>::Valor(int fila, int columna) const {
    if (columna == 0) return (doc_->ProyectoActual().*Lista::kLista)[fila].*Lista::kNumero;
    return Texto(fila, columna);
}

template <class Lista>
bool ModeloCargas<Lista>::Escribe(Proyecto& p, int fila, int columna, double valor) const {
    auto& lista = p.*Lista::kLista;
    if (fila > static_cast<int>(lista.size())) return false;
    if (fila == static_cast<int>(lista.size())) {
        // A new load starts on the span (node) of the load above it, or on the first one.
        lista.emplace_back();
        lista.back().*Lista::kNumero = fila == 0 ? 1 : lista[fila - 1].*Lista::kNumero;
    }
    auto& c = lista[fila];
    switch (columna) {
        case 0:
            c.*Lista::kNumero = static_cast<int>(valor);
            break;
        case 1:
            c.*Lista::kPrimero = valor;
            break;
        default:
            c.*Lista::kSegundo = valor;
            break;
    }
    return true;
}

template <class Lista>
void ModeloCargas<Lista>::Elimina(Proyecto& p, int fila) const {
    auto& lista = p.*Lista::kLista;
    if (fila >= 0 && fila < static_cast<int>(lista.size())) lista.erase(lista.begin() + fila);
}

template class ModeloCargas<ListaCargasVano>;
template class ModeloCargas<ListaCargasNudo>;

}  // namespace trabelux
