// The report window's page set-up: device and paper (a custom size in inches), orientation,
// border, margins in inches, the buttons of the header and styles panels, and the diagram
// choice. It edits the session's set-up and says when the report must be composed again.
#pragma once

#include <QWidget>
#include <array>
#include <vector>

#include "gui/informe/dispositivos.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QScrollBar;

namespace trabelux {

struct ConfiguracionInforme;

class PanelConfiguracion : public QWidget {
    Q_OBJECT
  public:
    // The panel edits `config`, which outlives it.
    explicit PanelConfiguracion(ConfiguracionInforme* config, QWidget* padre = nullptr);

    // Replaces the device list (the system's printers and a PDF file unless given).
    void FijaDispositivos(std::vector<DispositivoImpresion> lista);
    const DispositivoImpresion* DispositivoElegido() const;
    // The controls show the set-up as it stands; a device without the current paper
    // takes its first one.
    void Muestra();
    // The diagrams need the results of a run.
    void MuestraEstadoCalculo(bool calculado);

  signals:
    // The set-up changed: the report is composed again from its first page.
    void cambiada();
    void pideEncabezado();
    void pideEstilos();

  private:
    QWidget* CreaDispositivoYPapel();
    QWidget* CreaOrientacion();
    QWidget* CreaMargenes();
    void AlElegirDispositivo(int indice);
    void AlElegirPapel(int indice);
    void AlElegirOrientacion(bool horizontal);
    void AlElegirBorde(int indice);
    void AlCambiarDiagramas(int indice);
    void AplicaMargen(int lado);
    void PasoMargen(int lado, int pasos);
    void AplicaTamanoPersonalizado();
    void MuestraOrientacion();
    // The controls show the set-up, and the report follows it.
    void Aplica();

    ConfiguracionInforme* config_;
    std::vector<DispositivoImpresion> dispositivos_;
    int dispositivo_ = 0;
    // Set while the controls are filled, and while a refusal's message takes the focus
    // from a field: the fields' own signals must not act then.
    bool actualizando_ = false;

    QComboBox* listaDispositivos_ = nullptr;
    QComboBox* listaPapel_ = nullptr;
    QWidget* marcoPersonalizado_ = nullptr;
    QLineEdit* anchoPapel_ = nullptr;
    QLineEdit* altoPapel_ = nullptr;
    QRadioButton* vertical_ = nullptr;
    QRadioButton* horizontal_ = nullptr;
    QLabel* dibujoOrientacion_ = nullptr;
    QComboBox* listaBorde_ = nullptr;
    std::array<QLineEdit*, 4> margenes_{};
    QComboBox* listaDiagramas_ = nullptr;
};

}  // namespace trabelux
