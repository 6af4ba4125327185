// Helpers of the window tests that drive the real windows: the shown frame, finding a
// control by its name, pressing it, choosing in a list, clicking a cell, and reading back
// the messages the program showed.
#pragma once

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QMessageBox>
#include <QObject>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <memory>

#include "core/calculo/calcula.h"
#include "gui/comun/mensajes.h"
#include "gui/documento/documento.h"
#include "gui/marco/marco.h"
#include "gui/sesion/sesion.h"
#include "io/lectores_disco.h"

namespace trabelux::pruebas {

// Controls are looked up inside their window: other windows reuse the same names.
template <class T>
T* Busca(QObject* raiz, const char* nombre) {
    T* w = raiz->findChild<T*>(QLatin1String(nombre));
    if (!w) qFatal("no control named %s", nombre);
    return w;
}

inline void Pulsa(QObject* raiz, const char* boton) {
    QTest::mouseClick(Busca<QAbstractButton>(raiz, boton), Qt::LeftButton);
}

inline void Dispara(QObject* raiz, const char* accion) { Busca<QAction>(raiz, accion)->trigger(); }

// A choice made in a list as the user makes it (the list reports `activated`).
inline void Elige(QComboBox* lista, int i) {
    lista->setCurrentIndex(i);
    emit lista->activated(i);
}

// Makes `w` the active window, as the keyboard tests need it.
inline bool Activa(QWidget* w) {
    QApplication::setActiveWindow(w);
    return QTest::qWaitForWindowActive(w);
}

// A click on a cell of a table; a double click is a press, a release and a second press.
inline void ClicEnCelda(QAbstractItemView* v, const QModelIndex& i, bool doble = false) {
    const QPoint p = v->visualRect(i).center();
    QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, p);
    if (doble) QTest::mouseDClick(v->viewport(), Qt::LeftButton, {}, p);
}

// The drop-down list of a cell's editor, opened as the keyboard opens it.
inline QComboBox* ListaDeCelda(QAbstractItemView* v, const QModelIndex& i) {
    v->setCurrentIndex(i);
    v->edit(i);
    auto* lista = v->findChild<QComboBox*>();
    if (!lista) qFatal("the cell's editor is no drop-down list");
    return lista;
}

// The frame with the span editor, shown and exposed.
inline std::unique_ptr<Marco> MarcoVisible(int ancho = 1100, int alto = 700) {
    auto marco = std::make_unique<Marco>();
    marco->resize(ancho, alto);
    marco->show();
    if (!QTest::qWaitForWindowExposed(marco.get())) qFatal("the frame was never exposed");
    return marco;
}

inline void EscribeArchivo(const QString& ruta, const QByteArray& bytes) {
    QFile f(ruta);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(ruta));
}

inline QByteArray LeeArchivo(const QString& ruta) {
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// While alive, every real message box is answered with Return as soon as it shows, the
// way a user dismisses it; `vistas` collects their texts.
class ContestaCajas : public QObject {
  public:
    ContestaCajas() { qApp->installEventFilter(this); }
    ~ContestaCajas() override { qApp->removeEventFilter(this); }
    QStringList vistas;

  protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        auto* caja = qobject_cast<QMessageBox*>(o);
        if (caja && e->type() == QEvent::Show) {
            vistas << caja->text();
            QTimer::singleShot(0, caja, [caja] { QTest::keyClick(caja, Qt::Key_Return); });
        }
        return false;
    }
};

// The three-span example as the program ships it.
inline Proyecto TresVanos() {
    Resultado<ProyectoAbierto> l = AbreProyecto(
        TRABELUX_EXAMPLES "/tres-vanos.vcw", LectoresDeDisco(TRABELUX_EXAMPLES "/tres-vanos.vcw"));
    if (!l) qFatal("%s", l.mensaje.c_str());
    return l.valor->proyecto;
}

// Runs the analysis and design of `p` and keeps it as the document's last run.
inline void Calculado(Documento& doc, Proyecto p) {
    doc.Reemplaza(std::move(p), {});
    doc.FijaResultados(Calcula(doc.ProyectoActual()));
    QVERIFY(doc.Calculado());
}

// The texts of the messages shown so far, in order.
inline QStringList Textos() {
    QStringList r;
    for (const auto& m : Mensajes::Mostrados()) r << m.texto;
    return r;
}

}  // namespace trabelux::pruebas
