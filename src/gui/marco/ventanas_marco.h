// `VentanasMarco`, the windows of the frame: the area they live in, the span editor
// filling it, and over it the results, the bar detailing and the report, each brought to
// the front maximised and hidden, never destroyed, when the user leaves it.
#pragma once

#include <QObject>
#include <QPointer>

class QMainWindow;
class QMdiArea;
class QMdiSubWindow;
class QWidget;

namespace trabelux {

class Documento;
class EditorVanos;
class VentanaInforme;
class VentanaRefuerzo;
class VentanaResultados;

class VentanasMarco : public QObject {
    Q_OBJECT
  public:
    // The area becomes the centre of `marco`, which owns this object too.
    VentanasMarco(Documento* doc, QMainWindow* marco);

    QMdiArea* Area() const { return area_; }
    EditorVanos* Editor() const { return editor_; }
    VentanaResultados* VentanaDeResultados() const { return resultados_; }
    VentanaRefuerzo* VentanaDeRefuerzo() const { return refuerzo_; }
    // The report window, created the first time it is opened (null before).
    VentanaInforme* VentanaDeInforme() const { return informe_; }
    // The results window is up: the commands that edit the project are off meanwhile.
    bool ResultadosVisibles() const { return resultadosVisibles_; }

    // The last run's results over the editor; only new results refill the window.
    void MuestraResultados();
    void RegresaAEditor();
    void MuestraRefuerzo();
    void MuestraInforme();
    void OcultaInforme();

  signals:
    // Another window is at the front; `resultadosVisibles` tells whether it is the results.
    void alFrente();
    void resultadosVisibles(bool visibles);

  private:
    QMdiSubWindow* Agrega(QWidget* ventana, const char* nombre);
    // Brings a window to the front, maximised: every return goes through it.
    void Enfrenta(QMdiSubWindow* sub);
    void AlCerrarRefuerzo();
    void CreaInforme();

    Documento* doc_;
    QMdiArea* area_;
    EditorVanos* editor_;
    QMdiSubWindow* subEditor_;
    VentanaResultados* resultados_;
    QMdiSubWindow* subResultados_;
    VentanaRefuerzo* refuerzo_;
    QMdiSubWindow* subRefuerzo_;
    VentanaInforme* informe_ = nullptr;
    QMdiSubWindow* subInforme_ = nullptr;
    bool informeEsperaRefuerzo_ = false;  // the report window waits for the bars' "OK"
    // The window the detailing window goes back to when it closes.
    QPointer<QMdiSubWindow> regresoRefuerzo_;
    bool resultadosVisibles_ = false;
    int generacionMostrada_ = -1;
};

}  // namespace trabelux
