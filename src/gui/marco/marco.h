// `Marco`, the frame window: the menu bar and the area the program's windows live in,
// holding the main window `EditorVanos` maximised. Its title names the open file.
#pragma once

#include <QMainWindow>
#include <QPointer>

class QLabel;
class QMdiArea;
class QMdiSubWindow;

namespace trabelux {

class Documento;
class EditorVanos;
class VentanaResultados;
class VentanaInforme;
class VentanaRefuerzo;

class Marco : public QMainWindow {
    Q_OBJECT
  public:
    explicit Marco(QWidget* padre = nullptr);
    ~Marco() override;

    EditorVanos* Editor() const { return principal_; }
    Documento* Doc() const { return doc_; }
    QMdiArea* Area() const { return area_; }
    // Puts a window of the program into the frame (shown, not maximised).
    QMdiSubWindow* AgregaVentana(QWidget* ventana);
    VentanaResultados* VentanaDeResultados() const { return resultados_; }
    // The report window, created the first time it is opened (null before).
    VentanaInforme* VentanaDeInforme() const { return vistaPrevia_; }
    VentanaRefuerzo* VentanaDeRefuerzo() const { return refuerzo_; }

  protected:
    void closeEvent(QCloseEvent* e) override;

  private:
    void ActualizaTitulo();
    // The right end of the status bar: the last run, or that its results no longer
    // describe the project.
    void MuestraUltimoCalculo();
    // Brings a window of the frame to the front, maximised: every return goes through it.
    void Enfrenta(QMdiSubWindow* sub);
    void MuestraResultados();
    void MuestraRefuerzo();
    void AlCerrarRefuerzo();
    void MuestraVistaPrevia();
    void OcultaVistaPrevia();
    void RegresaAPrincipal();

    Documento* doc_;
    QMdiArea* area_;
    EditorVanos* principal_;
    QMdiSubWindow* subPrincipal_;
    VentanaResultados* resultados_;
    QMdiSubWindow* subResultados_;
    VentanaInforme* vistaPrevia_ = nullptr;
    QMdiSubWindow* subVistaPrevia_ = nullptr;
    bool vistaEsperaRefuerzo_ = false;  // the report window waits for the bars' "OK"
    VentanaRefuerzo* refuerzo_;
    QMdiSubWindow* subRefuerzo_;
    // The window the detailing window goes back to when it closes.
    QPointer<QMdiSubWindow> regresoRefuerzo_;
    int generacionMostrada_ = -1;
    QLabel* ultimoCalculo_;
    QString horaCalculo_;  // when the last run ended
};

}  // namespace trabelux
