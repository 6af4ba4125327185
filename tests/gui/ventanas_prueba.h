// Helpers of the window tests that drive the real windows: finding a control by its name
// and reading back the messages the program showed.
#pragma once

#include <QObject>
#include <QStringList>

#include "comun/mensajes.h"

namespace trabelux::pruebas {

// Controls are looked up inside their window: other windows reuse the same names.
template <class T>
T* Busca(QObject* raiz, const char* nombre) {
    T* w = raiz->findChild<T*>(QLatin1String(nombre));
    if (!w) qFatal("no control named %s", nombre);
    return w;
}

// The texts of the messages shown so far, in order.
inline QStringList Textos() {
    QStringList r;
    for (const auto& m : Mensajes::Mostrados()) r << m.texto;
    return r;
}

}  // namespace trabelux::pruebas
