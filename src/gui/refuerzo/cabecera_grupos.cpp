#include "gui/refuerzo/cabecera_grupos.h"

#include <QPainter>
#include <QStyleOptionHeader>

#include "gui/refuerzo/modelo_detallado.h"

namespace trabelux {

CabeceraGrupos::CabeceraGrupos(QWidget* padre) : QHeaderView(Qt::Horizontal, padre) {
    setSectionsClickable(false);
    setDefaultAlignment(Qt::AlignCenter);
}

QString CabeceraGrupos::Grupo(int seccion) const {
    return model()
               ? model()->headerData(seccion, orientation(), ModeloDetallado::kRolGrupo).toString()
               : QString();
}

int CabeceraGrupos::AltoBanda() const { return fontMetrics().height() + 8; }

QSize CabeceraGrupos::sizeHint() const {
    QSize s = QHeaderView::sizeHint();
    s.setHeight(std::max(s.height(), fontMetrics().height() + 8) + AltoBanda());
    return s;
}

QRect CabeceraGrupos::RectGrupo(int columna) const {
    const QString g = Grupo(columna);
    if (g.isEmpty()) return {};
    int primera = columna, ultima = columna;
    while (primera > 0 && Grupo(primera - 1) == g) --primera;
    while (ultima + 1 < count() && Grupo(ultima + 1) == g) ++ultima;
    const int x = sectionViewportPosition(primera);
    const int fin = sectionViewportPosition(ultima) + sectionSize(ultima);
    return QRect(x, 0, fin - x, AltoBanda());
}

void CabeceraGrupos::AjustaAGrupos() {
    for (int c = 0; c < count(); ++c) {
        const QString g = Grupo(c);
        if (g.isEmpty() || (c > 0 && Grupo(c - 1) == g)) continue;
        int ultima = c, ancho = 0;
        for (int k = c; k < count() && Grupo(k) == g; ++k) {
            ultima = k;
            ancho += sectionSize(k);
        }
        const int necesario = fontMetrics().horizontalAdvance(g) + 16;
        if (ancho < necesario) resizeSection(ultima, sectionSize(ultima) + necesario - ancho);
    }
}

void CabeceraGrupos::paintSection(QPainter* pintor, const QRect& rect, int seccion) const {
    // A grouped column keeps the lower part for its own title; the band is painted later.
    QRect r = rect;
    if (!Grupo(seccion).isEmpty()) r.setTop(rect.top() + AltoBanda());
    QHeaderView::paintSection(pintor, r, seccion);
}

void CabeceraGrupos::paintEvent(QPaintEvent* e) {
    QHeaderView::paintEvent(e);
    QPainter pintor(viewport());
    for (int c = 0; c < count(); ++c) {
        const QString g = Grupo(c);
        if (g.isEmpty() || (c > 0 && Grupo(c - 1) == g)) continue;
        QStyleOptionHeader op;
        initStyleOption(&op);
        op.rect = RectGrupo(c);
        op.section = c;
        op.text = g;
        op.textAlignment = Qt::AlignCenter;
        op.position = QStyleOptionHeader::Middle;
        style()->drawControl(QStyle::CE_Header, &op, &pintor, this);
    }
}

}  // namespace trabelux
