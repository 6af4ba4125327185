// Shared set-up of the window tests: quiet the offscreen platform's notices about what it
// cannot do with top-level windows (size hints, raising).
#pragma once

#include <QString>
#include <QtGlobal>

namespace trabelux::pruebas {

inline QtMessageHandler& ManejadorPrevio() {
    static QtMessageHandler previo = nullptr;
    return previo;
}

inline void Manejador(QtMsgType tipo, const QMessageLogContext& ctx, const QString& msg) {
    if (msg.contains(QLatin1String("propagateSizeHints")) ||
        msg.contains(QLatin1String("does not support raise()")))
        return;
    if (ManejadorPrevio()) ManejadorPrevio()(tipo, ctx, msg);
}

// Call first in main (or initTestCase).
inline void InstalaManejador() { ManejadorPrevio() = qInstallMessageHandler(Manejador); }

}  // namespace trabelux::pruebas
