// Shared set-up of the window tests: quiet the offscreen platform's notices about what it
// cannot do with top-level windows (size hints, raising), one-line data tables, model testers.
#pragma once

#include <QAbstractItemModelTester>
#include <QString>
#include <QTest>
#include <QtGlobal>
#include <memory>

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

// The columns of a data-driven test in one line: Columnas<QString, int>("texto", "fila").
template <class... T, class... N>
void Columnas(N... nombres) {
    (QTest::addColumn<T>(nombres), ...);
}

// One row of a data-driven test in one line; the values are taken by value so that string
// literals arrive as `const char*`, which QTest stores as QString.
template <class... T>
void Fila(const char* nombre, T... valores) {
    (QTest::newRow(nombre) << ... << valores);
}

// A model tester that fails the running test at the first inconsistency of `m`.
inline std::unique_ptr<QAbstractItemModelTester> Probador(QAbstractItemModel* m) {
    return std::make_unique<QAbstractItemModelTester>(
        m, QAbstractItemModelTester::FailureReportingMode::QtTest);
}

}  // namespace trabelux::pruebas
