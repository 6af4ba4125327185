#include "gui/dialogos/datos_generales/modelo_perfil.h"

namespace trabelux {

void ModeloPerfil::Muestra(const std::optional<RegistroPerfil>& perfil) {
    if (perfil) {
        const std::array<std::string, 8> t = TextosPerfil(*perfil);
        for (int c = 0; c < 8; ++c) textos_[c] = QString::fromStdString(t[c]);
    } else {
        textos_.fill(QString());
    }
    emit dataChanged(index(0, 0), index(0, 7));
}

QString ModeloPerfil::Texto(int columna) const {
    return columna >= 0 && columna < 8 ? textos_[columna] : QString();
}

int ModeloPerfil::rowCount(const QModelIndex& padre) const { return padre.isValid() ? 0 : 1; }
int ModeloPerfil::columnCount(const QModelIndex& padre) const { return padre.isValid() ? 0 : 8; }

QVariant ModeloPerfil::data(const QModelIndex& indice, int rol) const {
    if (!indice.isValid() || !checkIndex(indice, CheckIndexOption::IndexIsValid)) return {};
    if (rol == Qt::DisplayRole) return textos_[indice.column()];
    if (rol == Qt::TextAlignmentRole) return int(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant ModeloPerfil::headerData(int seccion, Qt::Orientation orientacion, int rol) const {
    if (rol == Qt::DisplayRole && orientacion == Qt::Horizontal && seccion >= 0 && seccion < 8)
        return QString::fromLatin1(TitulosPerfil()[seccion]);
    return QAbstractTableModel::headerData(seccion, orientacion, rol);
}

}  // namespace trabelux
