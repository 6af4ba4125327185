// `VentanaInforme`, the report window: the print preview of the calculation report with
// its page and zoom bar, beside the page set-up (PanelConfiguracion), the header and
// footer and the text styles, and the printing of a page range (PanelImpresion).
#pragma once

#include <QWidget>
#include <array>
#include <functional>
#include <vector>

#include "core/reporte/superficie_pagina.h"
#include "gui/informe/dispositivos.h"

class QFrame;
class QLabel;
class QPrintPreviewWidget;
class QPrinter;
class QPushButton;
class QStackedWidget;

namespace trabelux {

class Documento;
class PanelConfiguracion;
class PanelEncabezado;
class PanelEstilos;
class PanelImpresion;
struct ConfiguracionInforme;

class VentanaInforme : public QWidget {
    Q_OBJECT
  public:
    // What writes the report on a started document.
    using Composicion = std::function<void(SuperficiePagina&)>;

    // Zoom limits and step of the preview, in percent.
    static constexpr int kZoomMinimo = 10;
    static constexpr int kZoomMaximo = 400;
    static constexpr int kPasoZoom = 25;

    explicit VentanaInforme(Documento* doc, QWidget* padre = nullptr);
    ~VentanaInforme() override;

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

    // The set-up controls show the set-up, and the report is composed again from page 1.
    void ActualizaVistaPrevia();
    void ActualizaBarraControl();

    // Prints pages `desde`..`hasta` on the chosen device. False when nothing was printed
    // (the user was told why, or cancelled the file name).
    bool ImprimePaginas(int desde, int hasta);

    int NumPaginas() const;
    int PaginaActual() const;
    int Zoom() const;  // percent
    int Regeneraciones() const { return regeneraciones_; }
    const Composicion& ComposicionActual() const { return composicion_; }
    const ConfiguracionInforme& Configuracion() const;
    // The device chosen in the set-up, or null when there is none.
    const DispositivoImpresion* DispositivoElegido() const;
    // The name the print queue shows for the job.
    QString NombreTrabajo() const;

  signals:
    // The close button: the frame hides this window and shows the editor.
    void Regresa();

  private:
    void CreaControles();
    QWidget* CreaBarraControl();
    // The options that need results follow them; the open report is composed again
    // whenever the project or its results change (an undo, a run).
    void MuestraEstadoCalculo();
    void AlCambiarDocumento();
    void Regenera(bool conservaPagina);
    void Compone(QPrinter* impresora);
    // The four buttons of the page bar and of the zoom bar, left to right.
    enum class Paso { kMinimo, kMenos, kMas, kMaximo };
    void IrAPagina(Paso paso);
    void CambiaZoom(Paso paso);
    void AlMarcarRefuerzo(bool marcado);
    void AbrePanel(QWidget* panel);
    void CierraPanel(bool aplicaEncabezado);

    Documento* doc_;
    Composicion composicion_;
    std::function<void()> abreDetallado_;
    int regeneraciones_ = 0;
    int paginaRecordada_ = 1;

    QPrinter* impresoraVista_;  // the preview's own printer
    QPrintPreviewWidget* vp_ = nullptr;
    QStackedWidget* paneles_ = nullptr;
    PanelConfiguracion* general_ = nullptr;
    PanelEncabezado* panelEncabezado_ = nullptr;
    PanelEstilos* panelEstilos_ = nullptr;
    PanelImpresion* impresion_ = nullptr;
    QFrame* barraControl_ = nullptr;
    std::array<QPushButton*, 4> botonesPagina_{};
    std::array<QPushButton*, 4> botonesZoom_{};
    QLabel* etiquetaPagina_ = nullptr;
    QLabel* etiquetaZoom_ = nullptr;
};

}  // namespace trabelux
