// `Datgen`, the general data of the beam: material and strengths, modulus, cover, the
// global span values, and three panels that open one at a time under the frame: the
// global inertia, the steel shape and the load control. A view over the document's
// project: every change is written back through the document at once.
#pragma once

#include <QDialog>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "core/modelo/proyecto.h"
#include "gui/comun/tabla_perfiles.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableView;

namespace trabelux {

class CampoTexto;
class Documento;
class ModeloPerfil;

class Datgen : public QDialog {
    Q_OBJECT
  public:
    enum class Panel { Ninguno, Inercia, Perfil, ControlCarga };

    explicit Datgen(Documento* doc, QWidget* padre = nullptr);
    // The fields lose their focus while the dialog is torn down: their checks must not
    // reach a dialog that is half destroyed.
    ~Datgen() override;

    // Before every showing: the fields show the project, every panel is closed, and the
    // edits from here on are one undo step at "OK" and none at "Cancelar".
    void Prepara();
    Panel PanelAbierto() const { return panel_; }
    // Tells whether a project is being read: then choosing "Acero" opens no panel.
    void FijaEnCarga(std::function<bool()> enCarga) { enCarga_ = std::move(enCarga); }
    CatalogoPerfiles& Perfiles() { return perfiles_; }
    ModeloPerfil* ModeloDePerfil() const { return modeloPerfil_; }

    // The user's gestures, as the controls run them.
    void EligeMaterial(int material);        // Combo3
    void EligeInercia(int opcion);           // Combo4
    void AceptaInercia();                    // Command4
    void CancelaInercia();                   // Command6
    void AbreControlCarga();                 // Command9
    void EligeOpcionCarga(bool total);       // Option1
    void MarcaPesoPropio(bool calcula);      // Check1
    bool AceptaControlCarga();               // Command10; false while the panel stays open
    void EligeFamilia(int familia);          // Combo5
    void EligeDesignacion(int designacion);  // Combo6
    void AceptaPerfil();                     // Command7
    void CancelaPerfil();                    // Command8

  public slots:
    // "OK" first checks the number being typed.
    void accept() override;
    // "Cancelar", Esc or closing the window: every field back to what it was when the
    // dialog opened, whatever was being typed or a panel holds.
    void reject() override;

  private:
    void CreaMarco();
    QFrame* CreaPanelInercia();
    QFrame* CreaPanelPerfil();
    QFrame* CreaPanelCarga();
    CampoTexto* Campo(const char* nombre, std::string DatosGenerales::*miembro, const char* deQue,
                      const QString& ayuda = {});
    void EscribeCampo(std::string DatosGenerales::*miembro, const QString& texto);
    // The field being typed in, once left or at an "OK": a number is kept normalised
    // ("1,5" -> "1.5"); text that is no number or a value out of range is refused with a
    // message and the field goes back to its value before the typing. False when refused.
    bool VerificaTecleo();
    int IdFusion(std::string DatosGenerales::*miembro) const;
    void Cambia(const QString& texto, const std::function<void(DatosGenerales&)>& cambio,
                int idFusion = -1);
    void Refresca();
    // Closes the open panel to make room for another; the load-control panel closes only
    // when its checks pass.
    bool CierraPanel();
    void AbrePanel(Panel p);
    void LlenaDesignaciones(int familia);
    const DatosGenerales& Datos() const;
    CampoTexto* CampoDe(std::string DatosGenerales::*miembro) const;

    Documento* doc_;
    std::function<bool()> enCarga_;
    CatalogoPerfiles perfiles_;
    Panel panel_ = Panel::Ninguno;
    // The frame's and panels' text fields with the general-data text each one shows and the
    // value's name in messages ("de la altura").
    struct CampoDatos {
        std::string DatosGenerales::*miembro;
        CampoTexto* campo;
        const char* deQue;
    };
    std::vector<CampoDatos> campos_;
    // The field typed in and not yet checked, with the data before its first keystroke.
    std::string DatosGenerales::*tecleado_ = nullptr;
    DatosGenerales antesDelTecleo_;
    // A refusal just made: the same Return or click that left the field must not close.
    bool recienRechazado_ = false;
    // Remembered when a panel opens, for its Cancel.
    std::string inerciaAlAbrir_;
    // The steel-shape panel's own choice until its "OK".
    int familia_ = 0;
    int designacion_ = -1;
    ListaFamilia lista_;  // the shapes listed in Combo6
    bool refrescando_ = false;

    QGroupBox* marco_ = nullptr;     // Frame5
    QPushButton* ok_ = nullptr;      // Command1
    QComboBox* material_ = nullptr;  // Combo3
    QComboBox* inercia_ = nullptr;   // Combo4
    QLabel* etiquetaMuerta_ = nullptr;
    QLabel* etiquetaViva_ = nullptr;
    QLabel* unidadViva_ = nullptr;
    std::vector<QWidget*> soloHormigon_;  // F'c, Fy, Recub with their labels

    QFrame* panelInercia_ = nullptr;       // SSPanel1
    QFrame* panelPerfil_ = nullptr;        // SSPanel2
    QFrame* panelCarga_ = nullptr;         // SSPanel3
    QComboBox* familias_ = nullptr;        // Combo5
    QComboBox* designaciones_ = nullptr;   // Combo6
    QTableView* rejillaPerfil_ = nullptr;  // SSDBGrid1
    ModeloPerfil* modeloPerfil_ = nullptr;
    QRadioButton* opcionVivaMuerta_ = nullptr;  // Option1 (0)
    QRadioButton* opcionTotal_ = nullptr;       // Option1 (1)
    QCheckBox* pesoPropio_ = nullptr;           // Check1
    std::vector<QWidget*> pesoUnitario_;        // Text15 with its labels
};

}  // namespace trabelux
