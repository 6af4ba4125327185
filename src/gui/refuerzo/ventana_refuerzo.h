// The detailing window `VentanaRefuerzo` ("Refuerzo"): the grid of bars of the last design
// and, on a tab beside it, their schedule ("Planilla") and quantities; the shape chooser,
// the beam with its bars at their lengths, the section of the current row and the stock
// bar length the bars are cut to. It edits the document's table, so the report prints
// what is seen here and every edit can be undone.
//
// Other windows open it with Muestra() and learn from aceptada() that the user pressed
// "OK", and from cerrada() that the window hid itself (after "OK", or when the results it
// details are gone): the frame then brings back the window it came from.
#pragma once

#include <QWidget>
#include <string>
#include <vector>

class QLabel;
class QMdiSubWindow;
class QPushButton;
class QTableWidget;
class QTabWidget;

namespace trabelux {

class CampoTexto;
class DibujoRefuerzo;
class Documento;
class ModeloDetallado;
class RejillaDetallado;
class SelectorTipo;
class VistaSeccion;
struct Cantidades;
struct Planilla;

class VentanaRefuerzo : public QWidget {
    Q_OBJECT
  public:
    explicit VentanaRefuerzo(Documento* doc, QWidget* padre = nullptr);

    // Activation: loads the bars unless the table already holds those of the current
    // design (edits survive a second showing) and shows the window, maximised in the
    // program's frame when it lives there. Does nothing without a completed design.
    void Muestra();

    // The window's operations, as its buttons run them.
    void Ok();  // hides the window; the table stays
    void Actualiza();
    void Reinicia();
    void AbreSelector(int fila);  // the chooser on row `fila` (0-based)
    void OkEsteVano();
    void OkTodosLosVanos();
    void CancelaSelector();
    // The stock length typed in "Largo comercial", once left or at Return: kept in the
    // project (one undo step) when it is a length of 3 to 18 m; otherwise refused with a
    // message, the field back to the project's value and keeping the focus. False when
    // refused.
    bool AceptaLargoComercial();

    ModeloDetallado* Modelo() const { return modelo_; }
    RejillaDetallado* Rejilla() const { return rejilla_; }
    SelectorTipo* Selector() const { return selector_; }
    DibujoRefuerzo* Dibujo() const { return dibujo_; }
    VistaSeccion* Seccion() const { return seccion_; }
    QTabWidget* Pestanas() const { return pestanas_; }
    QTableWidget* RejillaPlanilla() const { return rejillaPlanilla_; }
    CampoTexto* LargoComercial() const { return largo_; }

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
    // The schedule with the quantities and, under them, the notes of the bar cutting.
    void MuestraPlanilla(const Planilla& planilla, const Cantidades& cantidades,
                         const std::vector<std::string>& avisos);
    QMdiSubWindow* SubVentana() const;

    Documento* doc_;
    ModeloDetallado* modelo_;
    RejillaDetallado* rejilla_;
    SelectorTipo* selector_;
    DibujoRefuerzo* dibujo_;
    VistaSeccion* seccion_;
    QTabWidget* pestanas_;
    QTableWidget* rejillaPlanilla_;
    QLabel* cantidades_;
    CampoTexto* largo_;
    // The refusal's message box is up: the focus it takes is not a second check.
    bool verificandoLargo_ = false;
    // A refusal was just made: the click that left the field does not close the window.
    bool recienRechazado_ = false;
    QPushButton* ok_;
    int filaSelector_ = -1;
    bool columnasAjustadas_ = false;
};

}  // namespace trabelux
