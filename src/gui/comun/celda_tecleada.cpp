#include "gui/comun/celda_tecleada.h"

#include <QAbstractItemModel>

#include "core/texto/numeros.h"
#include "gui/comun/mensajes.h"

namespace trabelux {

CeldaTecleada LeeCeldaTecleada(const QAbstractItemModel& modelo, const QModelIndex& indice,
                               const QVariant& valor, int rol,
                               const std::optional<QString>& mostrado) {
    CeldaTecleada c;
    if (rol != Qt::EditRole || !indice.isValid() ||
        !modelo.checkIndex(indice, QAbstractItemModel::CheckIndexOption::IndexIsValid))
        return c;
    c.texto = valor.toString().trimmed();
    if (mostrado && c.texto == *mostrado) {
        c.tipo = CeldaTecleada::Tipo::kSinCambio;
        return c;
    }
    const std::string t = c.texto.toStdString();
    const std::optional<double> leido = LeeNumeroTecleado(t);
    if (!leido) {
        Mensajes::Advierte(nullptr, QString::fromStdString(MensajeNoEsNumero(t)));
        return c;
    }
    c.tipo = CeldaTecleada::Tipo::kNumero;
    c.numero = *leido;
    return c;
}

}  // namespace trabelux
