// `DialogoDatosGenerales`, the general data of the beam: material and strengths, modulus,
// cover, the global span values, and three panels that open one at a time under the frame:
// the global inertia, the steel shape and the load control. A view over the document's
// project: every change is written back through the document at once.
#pragma once

#include <QDialog>
#include <functional>
#include <vector>

#include "gui/comun/catalogo_perfiles.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace trabelux {

class CamposDatosGenerales;
class Documento;
class ModeloPerfil;
class PanelControlCarga;
class PanelDeflexiones;
class PanelInercia;
class PanelPerfil;
struct DatosGenerales;

class DialogoDatosGenerales : public QDialog {
    Q_OBJECT
  public:
    enum class Panel { Ninguno, Inercia, Perfil, ControlCarga, Deflexiones };

    explicit DialogoDatosGenerales(Documento* doc, QWidget* padre = nullptr);
    // The fields lose their focus while the dialog is torn down: their checks must not
    // reach a dialog that is half destroyed.
    ~DialogoDatosGenerales() override;

    // Before every showing: the fields show the project, every panel is closed, and the
    // edits from here on are one undo step at "OK" and none at "Cancelar".
    void Prepara();
    Panel PanelAbierto() const { return panel_; }
    // Tells whether a project is being read: then choosing "Acero" opens no panel.
    void FijaEnCarga(std::function<bool()> enCarga) { enCarga_ = std::move(enCarga); }
    CatalogoPerfiles& Perfiles();
    ModeloPerfil* ModeloDePerfil() const;

  public slots:
    // "OK" first checks the number being typed.
    void accept() override;
    // "Cancelar", Esc or closing the window: every field back to what it was when the
    // dialog opened, whatever was being typed or a panel holds.
    void reject() override;

  private:
    QGroupBox* CreaMarco();
    void EligeMaterial(int material);
    void EligeInercia(int opcion);
    void AbreControlCarga();
    void AbreDeflexiones();
    void Refresca();
    // Closes the open panel to make room for another; the load-control panel closes only
    // when its checks pass.
    bool CierraPanel();
    // Every panel hidden, "OK" available again.
    void OcultaPaneles();
    void AbrePanel(Panel p);
    const DatosGenerales& Datos() const;

    Documento* doc_;
    std::function<bool()> enCarga_;
    Panel panel_ = Panel::Ninguno;
    CamposDatosGenerales* campos_;

    QPushButton* ok_ = nullptr;
    QComboBox* material_ = nullptr;
    QComboBox* inercia_ = nullptr;
    QLabel* etiquetaMuerta_ = nullptr;
    QLabel* etiquetaViva_ = nullptr;
    QLabel* unidadViva_ = nullptr;
    std::vector<QWidget*> soloHormigon_;  // F'c, Fy, Recub with their labels
    PanelInercia* panelInercia_ = nullptr;
    PanelDeflexiones* panelDeflexiones_ = nullptr;
    QPushButton* botonDeflexiones_ = nullptr;
    PanelPerfil* panelPerfil_ = nullptr;
    PanelControlCarga* panelCarga_ = nullptr;
};

}  // namespace trabelux
