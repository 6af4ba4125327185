#include "gui/informe/ventana_informe.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "gui/comun/controles.h"
#include "gui/comun/latin1.h"
#include "gui/documento/documento.h"
#include "gui/documento/informe_documento.h"
#include "gui/informe/panel_configuracion.h"
#include "gui/informe/panel_encabezado.h"
#include "gui/informe/panel_estilos.h"
#include "gui/informe/panel_impresion.h"
#include "render/informe_pdf.h"

namespace trabelux {

namespace {

// A button of the page or zoom bar: "Pagina0".."Pagina3", "Zoom0".."Zoom3".
QPushButton* BotonBarra(const char* barra, int b, const char* texto) {
    const QByteArray nombre = barra + QByteArray::number(b);
    auto* boton = BotonSinIntro(nombre.constData(), QString::fromLatin1(texto));
    boton->setFixedWidth(34);
    return boton;
}

}  // namespace

VentanaInforme::VentanaInforme(Documento* doc, QWidget* padre)
    : QWidget(padre), doc_(doc), composicion_(InformeDelDocumento(*doc)) {
    setObjectName(QStringLiteral("VigPrev"));
    setWindowTitle(QStringLiteral("Vista preliminar"));
    // The preview lays any paper: it draws on a PDF engine, never on a printer.
    impresoraVista_ = new QPrinter(QPrinter::ScreenResolution);
    impresoraVista_->setOutputFormat(QPrinter::PdfFormat);
    impresoraVista_->setFullPage(true);
    CreaControles();
    doc_->ConfiguracionReporte().diagramas = OpcionDiagramas::kNinguno;
    Activa();
    connect(doc_, &Documento::cambiado, this, &VentanaInforme::AlCambiarDocumento);
}

VentanaInforme::~VentanaInforme() {
    delete vp_;  // before the printer it previews
    vp_ = nullptr;
    delete impresoraVista_;
}

const ConfiguracionInforme& VentanaInforme::Configuracion() const {
    return doc_->ConfiguracionReporte();
}

const DispositivoImpresion* VentanaInforme::DispositivoElegido() const {
    return general_->DispositivoElegido();
}

QString VentanaInforme::NombreTrabajo() const {
    return QStringLiteral("Trabelux - %1")
        .arg(QString::fromStdString(doc_->ProyectoActual().nombreViga));
}

// The panels on the left, one at a time, over the printing frame; the preview on the right.
void VentanaInforme::CreaControles() {
    auto* capa = new QHBoxLayout(this);
    auto* izquierda = new QVBoxLayout;
    paneles_ = new QStackedWidget;
    paneles_->setObjectName(QStringLiteral("Paneles"));
    general_ = new PanelConfiguracion(&doc_->ConfiguracionReporte());
    panelEncabezado_ = new PanelEncabezado;
    // The header and footer are kept in the project file.
    for (auto* campo : panelEncabezado_->findChildren<QPlainTextEdit*>()) LimitaALatin1(campo);
    panelEstilos_ = new PanelEstilos(&doc_->ConfiguracionReporte());
    paneles_->addWidget(general_);
    paneles_->addWidget(panelEncabezado_);
    paneles_->addWidget(panelEstilos_);
    izquierda->addWidget(paneles_, 1);
    impresion_ = new PanelImpresion(this);
    izquierda->addWidget(impresion_);
    auto* cierra = Boton("Cierra", QStringLiteral("&Cerrar"));
    izquierda->addWidget(cierra);
    connect(cierra, &QPushButton::clicked, this, &VentanaInforme::Regresa);
    auto* contenedor = new QWidget;
    contenedor->setLayout(izquierda);
    // Room for the style panel's five columns with a font name of two words a line.
    contenedor->setFixedWidth(380);
    capa->addWidget(contenedor);

    auto* derecha = new QVBoxLayout;
    derecha->addWidget(CreaBarraControl());
    vp_ = new QPrintPreviewWidget(impresoraVista_);
    vp_->setObjectName(QStringLiteral("Vp"));
    vp_->fitInView();
    derecha->addWidget(vp_, 1);
    capa->addLayout(derecha, 1);
    connect(vp_, &QPrintPreviewWidget::paintRequested, this, &VentanaInforme::Compone);
    connect(vp_, &QPrintPreviewWidget::previewChanged, this,
            &VentanaInforme::ActualizaBarraControl);
    connect(general_, &PanelConfiguracion::cambiada, this, [this] { Regenera(false); });
    connect(general_, &PanelConfiguracion::pideEncabezado, this,
            [this] { AbrePanel(panelEncabezado_); });
    connect(general_, &PanelConfiguracion::pideEstilos, this, [this] { AbrePanel(panelEstilos_); });
    connect(panelEncabezado_, &PanelEncabezado::aceptado, this, [this] { CierraPanel(true); });
    connect(panelEstilos_, &PanelEstilos::aceptado, this, [this] { CierraPanel(false); });
    connect(impresion_, &PanelImpresion::refuerzoMarcado, this, &VentanaInforme::AlMarcarRefuerzo);
}

// The page buttons around "Pag n de m", then the zoom buttons around the zoom.
QWidget* VentanaInforme::CreaBarraControl() {
    barraControl_ = new QFrame;
    barraControl_->setObjectName(QStringLiteral("BarraControl"));
    auto* capa = new QHBoxLayout(barraControl_);
    capa->setContentsMargins(0, 0, 0, 0);
    const char* const pagina[] = {"|<", "<", ">", ">|"};
    const char* const zoom[] = {"--", "-", "+", "++"};
    // Four buttons, "Pagina0".."Pagina3" or "Zoom0".."Zoom3", with the label after the
    // second.
    auto grupo = [this, capa](const char* nombre, const char* const(&textos)[4],
                              std::array<QPushButton*, 4>& botones,
                              void (VentanaInforme::*mueve)(Paso), const char* nombreEtiqueta,
                              int ancho) {
        QLabel* etiqueta = nullptr;
        for (int b = 0; b < 4; ++b) {
            const auto paso = static_cast<Paso>(b);
            botones[b] = BotonBarra(nombre, b, textos[b]);
            capa->addWidget(botones[b]);
            connect(botones[b], &QPushButton::clicked, this,
                    [this, mueve, paso] { (this->*mueve)(paso); });
            if (paso != Paso::kMenos) continue;
            etiqueta = Nombrado<QLabel>(nombreEtiqueta);
            etiqueta->setMinimumWidth(ancho);
            etiqueta->setAlignment(Qt::AlignCenter);
            capa->addWidget(etiqueta);
        }
        return etiqueta;
    };
    etiquetaPagina_ =
        grupo("Pagina", pagina, botonesPagina_, &VentanaInforme::IrAPagina, "EtiquetaPagina", 110);
    capa->addSpacing(30);
    etiquetaZoom_ =
        grupo("Zoom", zoom, botonesZoom_, &VentanaInforme::CambiaZoom, "EtiquetaZoom", 60);
    capa->addStretch();
    return barraControl_;
}

void VentanaInforme::FijaComposicion(Composicion c) {
    composicion_ = std::move(c);
    Regenera(false);
}

void VentanaInforme::FijaDispositivos(std::vector<DispositivoImpresion> lista) {
    general_->FijaDispositivos(std::move(lista));
    ActualizaVistaPrevia();
}

void VentanaInforme::Activa() {
    const Proyecto& p = doc_->ProyectoActual();
    panelEncabezado_->Muestra(QString::fromStdString(p.encabezado),
                              QString::fromStdString(p.piePagina),
                              QString::fromStdString(p.nombreViga),
                              QString::fromStdString(p.calculo), QString::fromStdString(p.reviso));
    MuestraEstadoCalculo();
    paneles_->setCurrentWidget(general_);
    impresion_->setEnabled(true);
    barraControl_->setEnabled(true);
    ActualizaVistaPrevia();
}

void VentanaInforme::MuestraEstadoCalculo() {
    ConfiguracionInforme& c = doc_->ConfiguracionReporte();
    const bool calculado = doc_->Calculado();
    const bool disenado = doc_->Disenado();
    if (!calculado) c.diagramas = OpcionDiagramas::kNinguno;
    if (!disenado) c.refuerzo = false;
    general_->MuestraEstadoCalculo(calculado);
    impresion_->MuestraRefuerzo(disenado, c.refuerzo);
}

void VentanaInforme::AlCambiarDocumento() {
    if (!isVisible()) return;
    MuestraEstadoCalculo();
    paginaRecordada_ = PaginaActual();
    Regenera(true);
}

void VentanaInforme::RegresaDeDetallado() { Regenera(false); }

void VentanaInforme::AlMarcarRefuerzo(bool marcado) {
    doc_->ConfiguracionReporte().refuerzo = marcado;
    // Bars are chosen in the detailing window before printing; its OK comes back here.
    if (marcado && abreDetallado_)
        abreDetallado_();
    else
        Regenera(false);
}

void VentanaInforme::AbrePanel(QWidget* panel) {
    paginaRecordada_ = PaginaActual();
    if (panel == panelEstilos_) {
        const ConfiguracionInforme& c = Configuracion();
        panelEstilos_->Muestra(c.diagramas == OpcionDiagramas::kCortanteMomento,
                               impresion_->RefuerzoHabilitado());
    }
    paneles_->setCurrentWidget(panel);
    impresion_->setEnabled(false);
    barraControl_->setEnabled(false);
}

void VentanaInforme::CierraPanel(bool aplicaEncabezado) {
    if (aplicaEncabezado) {
        const std::string encabezado = panelEncabezado_->Encabezado().toStdString();
        const std::string pie = panelEncabezado_->Pie().toStdString();
        const std::string calculo = panelEncabezado_->Calculo().toStdString();
        const std::string reviso = panelEncabezado_->Reviso().toStdString();
        const Proyecto& p = doc_->ProyectoActual();
        if (encabezado != p.encabezado || pie != p.piePagina || calculo != p.calculo ||
            reviso != p.reviso)
            doc_->Modifica(QStringLiteral("Encabezado y pie de pagina"), [&](Proyecto& q) {
                q.encabezado = encabezado;
                q.piePagina = pie;
                q.calculo = calculo;
                q.reviso = reviso;
            });
    }
    paneles_->setCurrentWidget(general_);
    impresion_->setEnabled(true);
    barraControl_->setEnabled(true);
    Regenera(true);
}

bool VentanaInforme::ImprimePaginas(int desde, int hasta) {
    return impresion_->ImprimePaginas(desde, hasta);
}

void VentanaInforme::ActualizaVistaPrevia() {
    general_->Muestra();
    Regenera(false);
}

void VentanaInforme::Regenera(bool conservaPagina) {
    const int pagina = conservaPagina ? paginaRecordada_ : 1;
    vp_->updatePreview();
    vp_->setCurrentPage(std::clamp(pagina, 1, std::max(1, vp_->pageCount())));
    impresion_->AjustaRango();
    ActualizaBarraControl();
}

void VentanaInforme::Compone(QPrinter* impresora) {
    ++regeneraciones_;
    ImprimeInforme(*impresora, Configuracion(), composicion_);
}

int VentanaInforme::NumPaginas() const { return vp_->pageCount(); }
int VentanaInforme::PaginaActual() const { return vp_->currentPage(); }
int VentanaInforme::Zoom() const { return qRound(vp_->zoomFactor() * 100); }

void VentanaInforme::ActualizaBarraControl() {
    const int pagina = PaginaActual(), n = NumPaginas(), zoom = Zoom();
    etiquetaPagina_->setText(QStringLiteral("Pag %1 de %2").arg(pagina).arg(n));
    etiquetaZoom_->setText(QStringLiteral("%1%").arg(zoom));
    for (int b = 0; b < 4; ++b) {
        const bool haciaAtras = b < 2;
        botonesPagina_[b]->setEnabled(haciaAtras ? pagina > 1 : pagina < n);
        botonesZoom_[b]->setEnabled(haciaAtras ? zoom > kZoomMinimo : zoom < kZoomMaximo);
    }
}

void VentanaInforme::IrAPagina(Paso paso) {
    const int n = std::max(1, NumPaginas()), actual = PaginaActual();
    const int destino[] = {1, std::max(1, actual - 1), std::min(n, actual + 1), n};
    vp_->setCurrentPage(destino[static_cast<int>(paso)]);
    ActualizaBarraControl();
    impresion_->SiguePagina();
}

void VentanaInforme::CambiaZoom(Paso paso) {
    const int zoom = Zoom();
    const int destino[] = {kZoomMinimo, zoom - kPasoZoom, zoom + kPasoZoom, kZoomMaximo};
    vp_->setZoomFactor(std::clamp(destino[static_cast<int>(paso)], kZoomMinimo, kZoomMaximo) /
                       100.0);
    ActualizaBarraControl();
}

}  // namespace trabelux
