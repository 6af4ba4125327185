#include "gui/comun/campo_texto.h"

#include <QTimer>

#include "gui/comun/latin1.h"

namespace trabelux {

CampoTexto::CampoTexto(const char* nombre, Destino destino, QWidget* padre) : QLineEdit(padre) {
    setObjectName(QLatin1String(nombre));
    if (destino == Destino::kArchivo) LimitaALatin1(this);
}

void CampoTexto::focusInEvent(QFocusEvent* e) {
    QLineEdit::focusInEvent(e);
    // Deferred: a mouse click places the cursor after the focus arrives.
    QTimer::singleShot(0, this, &QLineEdit::selectAll);
}

}  // namespace trabelux
