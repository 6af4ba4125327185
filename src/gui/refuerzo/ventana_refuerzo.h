// The detailing window `VentanaRefuerzo` ("Refuerzo"): the grid of bars of the last design, the
// shape chooser, the beam with its bars and the section of the current row. It edits the
// document's table, so the report prints what is seen here and every edit can be undone.
//
// Other windows open it with Muestra() and learn from aceptada() that the user pressed
// "OK", and from cerrada() that the window hid itself (after "OK", or when the results it
// details are gone): the frame then brings back the window it came from.
#pragma once

#include <QWidget>

class QMdiSubWindow;
class QPushButton;

namespace trabelux {

class DibujoRefuerzo;
class Documento;
class ModeloDetallado;
class RejillaDetallado;
class SelectorTipo;
class VistaSeccion;

class VentanaRefuerzo : public QWidget {
    Q_OBJECT
  public:
    explicit VentanaRefuerzo(Documento* doc, QWidget* padre = nullptr);

    // Activation: loads the bars unless the table already holds those of the current
    // design (edits survive a second showing) and shows the window, maximised in the
    // program's frame when it lives there. Does nothing without a completed design.
    void Muestra();

    // The window's operations, as its buttons run them.
    void Ok();                    // Command1: hides the window; the table stays
    void Actualiza();             // Command5
    void Reinicia();              // Command6
    void AbreSelector(int fila);  // the chooser on row `fila` (0-based)
    void OkEsteVano();            // Command3
    void OkTodosLosVanos();       // Command4
    void CancelaSelector();       // Command2

    ModeloDetallado* Modelo() const { return modelo_; }
    RejillaDetallado* Rejilla() const { return rejilla_; }
    SelectorTipo* Selector() const { return selector_; }
    DibujoRefuerzo* Dibujo() const { return dibujo_; }
    VistaSeccion* Seccion() const { return seccion_; }

  signals:
    // "OK" was pressed; the window closes right after.
    void aceptada();
    // The window is hidden.
    void cerrada();

  private:
    void AlCambiarDocumento();
    void Refresca();
    void CierraSelector();
    void Oculta();
    void ActualizaDibujos();
    QMdiSubWindow* SubVentana() const;

    Documento* doc_;
    ModeloDetallado* modelo_;
    RejillaDetallado* rejilla_;  // DBGrid1
    SelectorTipo* selector_;     // Frame1
    DibujoRefuerzo* dibujo_;     // VD
    VistaSeccion* seccion_;
    QPushButton* ok_;  // Command1
    int filaSelector_ = -1;
    bool columnasAjustadas_ = false;
};

}  // namespace trabelux
