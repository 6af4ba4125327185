#include "detallado/pintura_refuerzo.h"

#include <QPainter>
#include <QPixmap>

namespace trabelux {

QIcon IconoForma(const std::string& codigo, QSize tamano) {
    QPixmap mapa(tamano);
    mapa.fill(Qt::transparent);
    Q_UNUSED(codigo);
    return QIcon(mapa);
}

}  // namespace trabelux
