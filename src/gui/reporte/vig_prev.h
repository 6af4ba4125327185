// `VigPrev`, the report window: the print preview of the calculation report with its page
// set-up (device, paper, orientation, margins, border, header and footer, text styles,
// diagrams, reinforcement) and printing of a page range.
#pragma once

#include <QWidget>
#include <array>
#include <functional>
#include <vector>

#include "core/reporte/superficie.h"
#include "gui/reporte/dispositivos.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPrintPreviewWidget;
class QPrinter;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QSpinBox;
class QStackedWidget;

namespace trabelux {

class Documento;
class PanelEncabezado;
class PanelEstilos;
struct ConfiguracionInforme;

class VigPrev : public QWidget {
    Q_OBJECT
  public:
    // What writes the report on a started document.
    using Composicion = std::function<void(SuperficiePagina&)>;

    // Zoom limits and step of the preview, in percent.
    static constexpr int kZoomMinimo = 10;
    static constexpr int kZoomMaximo = 400;
    static constexpr int kPasoZoom = 25;

    explicit VigPrev(Documento* doc, QWidget* padre = nullptr);
    ~VigPrev() override;

    // Replaces the report composer (tests compose a known document).
    void FijaComposicion(Composicion c);
    // Replaces the device list (tests give devices with known papers).
    void FijaDispositivos(std::vector<DispositivoImpresion> lista);
    // Set by the frame: shows the bar detailing window when the reinforcement option is
    // ticked; that window's "OK" calls RegresaDeDetallado. Unset: the option only
    // regenerates the report.
    void FijaAbreDetallado(std::function<void()> abre) { abreDetallado_ = std::move(abre); }

    // The window is shown (opened from the menu): reads the project's header and footer
    // and the state of the last run, and regenerates the report.
    void Activa();
    // Back from the bar detailing window: shown again with the report regenerated.
    void RegresaDeDetallado();

    void UpdatePreview();
    void UpdateControlBar();

    // Prints pages `desde`..`hasta` on the chosen device. False when nothing was printed
    // (the user was told why, or cancelled the file name).
    bool ImprimePaginas(int desde, int hasta);

    int NumPaginas() const;
    int PaginaActual() const;
    int Zoom() const;  // percent
    int Regeneraciones() const { return regeneraciones_; }
    const Composicion& ComposicionActual() const { return composicion_; }
    const ConfiguracionInforme& Configuracion() const;

  signals:
    // The close button: the frame hides this window and shows the main window.
    void Regresa();

  private:
    void CreaControles();
    // The options that need results follow them; the open report is composed again
    // whenever the project or its results change (an undo, a run).
    void MuestraEstadoCalculo();
    void AlCambiarDocumento();
    QWidget* CreaConfiguracionGeneral();
    QWidget* CreaMarcoImprime();
    QWidget* CreaBarraControl();
    void Regenera(bool conservaPagina);
    void Compone(QPrinter* impresora);
    Composicion ComposicionDelDocumento();
    const DispositivoImpresion* DispositivoElegido() const;

    // Handlers of the set-up controls.
    void AlElegirDispositivo(int indice);
    void AlElegirPapel(int indice);
    void AlElegirOrientacion(bool horizontal);
    void AlElegirBorde(int indice);
    void AplicaMargen(int lado);
    void PasoMargen(int lado, int pasos);
    void AplicaTamanoPersonalizado();
    void IrAPagina(int boton);
    void CambiaZoom(int boton);
    void AlElegirRango();
    void AlCambiarDiagramas(int indice);
    void AlMarcarRefuerzo(bool marcado);
    void AbrePanel(QWidget* panel);
    void CierraPanel(bool aplicaEncabezado);
    void AjustaRango();
    void Imprime();
    void MuestraOrientacion();

    Documento* doc_;
    Composicion composicion_;
    std::function<void()> abreDetallado_;
    std::vector<DispositivoImpresion> dispositivos_;
    int dispositivo_ = 0;
    int regeneraciones_ = 0;
    int paginaRecordada_ = 1;
    bool actualizando_ = false;

    QPrinter* impresoraVista_;  // the preview's own printer
    QPrintPreviewWidget* vp_ = nullptr;
    QStackedWidget* paneles_ = nullptr;
    QWidget* general_ = nullptr;
    PanelEncabezado* panelEncabezado_ = nullptr;
    PanelEstilos* panelEstilos_ = nullptr;
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
    std::array<QScrollBar*, 4> escalasMargen_{};
    QComboBox* listaDiagramas_ = nullptr;
    QGroupBox* marcoImprime_ = nullptr;
    QCheckBox* refuerzo_ = nullptr;
    QRadioButton* rangoTodas_ = nullptr;
    QRadioButton* rangoActual_ = nullptr;
    QRadioButton* rangoPaginas_ = nullptr;
    QSpinBox* desde_ = nullptr;
    QSpinBox* hasta_ = nullptr;
    QPushButton* imprime_ = nullptr;
    QFrame* barraControl_ = nullptr;
    std::array<QPushButton*, 4> botonesPagina_{};
    std::array<QPushButton*, 4> botonesZoom_{};
    QLabel* etiquetaPagina_ = nullptr;
    QLabel* etiquetaZoom_ = nullptr;
};

}  // namespace trabelux
