// `Marco`, the frame window: the menus and toolbar (AccionesMarco), the windows
// (VentanasMarco), the session that runs the commands, the input dialogs the menus open,
// the help and the status bar. Its title names the open file.
#pragma once

#include <QMainWindow>
#include <functional>

#include "gui/dialogos/cargas/dialogo_cargas.h"

class QDialog;
class QLabel;

namespace trabelux {

class AccionesMarco;
class AcercaDe;
class Ayuda;
class AvisoCargando;
class DialogoDatosGenerales;
class DialogoLosas;
class Documento;
class EditorVanos;
class Sesion;
class VentanaInforme;
class VentanaProgreso;
class VentanaRefuerzo;
class VentanaResultados;
class VentanasMarco;

class Marco : public QMainWindow {
    Q_OBJECT
  public:
    explicit Marco(QWidget* padre = nullptr);
    ~Marco() override;

    Documento* Doc() const { return doc_; }
    Sesion* SesionActiva() const { return sesion_; }
    VentanasMarco* Ventanas() const { return ventanas_; }
    EditorVanos* Editor() const;
    VentanaResultados* VentanaDeResultados() const;
    VentanaRefuerzo* VentanaDeRefuerzo() const;
    // The report window, created the first time it is opened (null before).
    VentanaInforme* VentanaDeInforme() const;
    DialogoDatosGenerales* DialogoDeDatosGenerales() const { return datosGenerales_; }
    DialogoCargas* DialogoDeCargas() const { return cargas_; }
    DialogoLosas* DialogoDeLosas() const { return losas_; }
    Ayuda* AyudaDelPrograma() const { return ayuda_; }
    AcercaDe* AcercaDelPrograma() const { return acercaDe_; }

    // A run goes on, or the results window is being brought up: the menus are off.
    bool Ocupado() const;
    // The commands of the menus that open a window.
    void AbreDatosGenerales();
    void AbreCargas(DialogoCargas::Vista vista);
    void AbreLosas();
    void MuestraResultados();

  protected:
    void closeEvent(QCloseEvent* e) override;

  private:
    // Opens a modal input dialog the way every menu does: the cell being typed counts,
    // the derived values are brought up to date before and after.
    void AbreDialogo(QDialog* dialogo, const std::function<void()>& prepara);
    void CreaDialogos();
    void CreaBarraEstado();
    void ConectaSesion();
    void ActualizaTitulo();
    // The right end of the status bar: the last run, or that its results no longer
    // describe the project.
    void MuestraUltimoCalculo();

    Documento* doc_;
    Sesion* sesion_;
    VentanasMarco* ventanas_;
    AccionesMarco* acciones_ = nullptr;
    DialogoDatosGenerales* datosGenerales_ = nullptr;
    DialogoCargas* cargas_ = nullptr;
    DialogoLosas* losas_ = nullptr;
    Ayuda* ayuda_ = nullptr;
    AcercaDe* acercaDe_ = nullptr;
    VentanaProgreso* progreso_ = nullptr;
    AvisoCargando* cargando_ = nullptr;
    QLabel* ultimoCalculo_ = nullptr;
    QString horaCalculo_;  // when the last run ended
    bool abriendoResultados_ = false;
};

}  // namespace trabelux
