// The general-data dialog's load-control panel: dead and live loads or one total load,
// their factors, and whether the self weight is computed (with the unit weight). Its "OK"
// checks the factors and closes only when they pass.
#pragma once

#include <QFrame>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QRadioButton;

namespace trabelux {

class CamposDatosGenerales;
class Documento;
struct DatosGenerales;

class PanelControlCarga : public QFrame {
    Q_OBJECT
  public:
    PanelControlCarga(Documento* doc, CamposDatosGenerales* campos);

    // The choices as the data hold them; the total load is named for the material.
    void Refresca(const DatosGenerales& d);
    // "OK": true, and `cerrado`, when the checks let the panel close (or it is closed).
    bool Acepta();

  signals:
    void cerrado();

  private:
    void EligeOpcionCarga(bool total);
    void MarcaPesoPropio(bool calcula);
    void EligeAlternancia(int indice);

    Documento* doc_;
    CamposDatosGenerales* campos_;
    QRadioButton* opcionVivaMuerta_;
    QRadioButton* opcionTotal_;
    QCheckBox* pesoPropio_;
    std::vector<QWidget*> pesoUnitario_;  // the unit weight's field with its labels
    QLabel* etiquetaAlternancia_;
    QComboBox* alternancia_;  // "Alternancia de carga viva": only with the live and dead loads
};

}  // namespace trabelux
