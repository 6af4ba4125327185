// The report window's set-up controls: device, paper, orientation, border, margins, the
// two panels, the diagram choice and the reinforcement option.
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLineEdit>
#include <QPrintPreviewWidget>
#include <QStackedWidget>

#include "core/reporte/papel.h"
#include "core/texto/numeros.h"
#include "gui/comun/mensajes.h"
#include "gui/documento/documento.h"
#include "gui/reporte/panel_encabezado.h"
#include "gui/reporte/panel_estilos.h"
#include "gui/reporte/vig_prev.h"
#include "render/informe_pdf.h"

namespace trabelux {

namespace {

constexpr double kTwipsPorPulgada = 1440;
constexpr double kPasoMargen = 0.1;  // inch

// Inches typed in a field, as twips; negative values count as 0.
double TwipsDeCampo(const QLineEdit* campo) {
    return std::max(0.0, LeeNumero(campo->text().toStdString()) * kTwipsPorPulgada);
}

}  // namespace

void VigPrev::Activa() {
    const Proyecto& p = doc_->ProyectoActual();
    panelEncabezado_->Muestra(QString::fromStdString(p.encabezado),
                              QString::fromStdString(p.piePagina),
                              QString::fromStdString(p.nombreViga),
                              QString::fromStdString(p.calculo), QString::fromStdString(p.reviso));
    MuestraEstadoCalculo();
    paneles_->setCurrentWidget(general_);
    marcoImprime_->setEnabled(true);
    barraControl_->setEnabled(true);
    UpdatePreview();
}

void VigPrev::MuestraEstadoCalculo() {
    ConfiguracionInforme& c = doc_->ConfiguracionReporte();
    const bool calculado = doc_->Calculado();
    const bool disenado = doc_->Disenado();
    if (!calculado) c.diagramas = OpcionDiagramas::kNinguno;
    if (!disenado) c.refuerzo = false;
    listaDiagramas_->setEnabled(calculado);
    listaDiagramas_->setCurrentIndex(static_cast<int>(c.diagramas));
    refuerzo_->setEnabled(disenado);
    refuerzo_->setChecked(c.refuerzo);
}

void VigPrev::AlCambiarDocumento() {
    if (!isVisible()) return;
    MuestraEstadoCalculo();
    paginaRecordada_ = PaginaActual();
    Regenera(true);
}

void VigPrev::RegresaDeDetallado() { Regenera(false); }

void VigPrev::AlElegirDispositivo(int indice) {
    if (indice == dispositivo_ || indice < 0) return;
    dispositivo_ = indice;
    UpdatePreview();
}

void VigPrev::AlElegirPapel(int indice) {
    const int codigo = listaPapel_->itemData(indice).toInt();
    ConfiguracionInforme& c = doc_->ConfiguracionReporte();
    if (indice < 0 || codigo == c.papel) return;
    c.papel = codigo;
    UpdatePreview();
}

void VigPrev::AlElegirOrientacion(bool horizontal) {
    ConfiguracionInforme& c = doc_->ConfiguracionReporte();
    if (horizontal == c.horizontal) return;
    c.horizontal = horizontal;
    UpdatePreview();
}

void VigPrev::AlElegirBorde(int indice) {
    ConfiguracionInforme& c = doc_->ConfiguracionReporte();
    if (indice < 0 || indice == static_cast<int>(c.borde)) return;
    c.borde = static_cast<BordePagina>(indice);
    UpdatePreview();
}

void VigPrev::AplicaMargen(int lado) {
    if (actualizando_) return;
    ConfiguracionInforme& c = doc_->ConfiguracionReporte();
    QLineEdit* campo = margenes_[lado];
    const double twips = TwipsDeCampo(campo);
    const double anterior = c.margenes[lado];
    if (twips == anterior) {
        campo->setText(QString::fromStdString(ToInches(anterior)));
        return;
    }
    // Opposite margins must leave room for the body of the page.
    const Tamano hoja = TamanoHoja(c);
    const int opuesto = (lado + 2) % 4;
    const double extension =
        (lado == kMargenArriba || lado == kMargenAbajo) ? hoja.alto : hoja.ancho;
    if (twips + c.margenes[opuesto] >= extension) {
        actualizando_ = true;  // the message box takes the focus from the field
        campo->setText(QString::fromStdString(ToInches(anterior)));
        Mensajes::Advierte(this, QStringLiteral("El margen no deja espacio para el texto de la "
                                                "pagina: se conserva el anterior."));
        actualizando_ = false;
        return;
    }
    c.margenes[lado] = twips;
    UpdatePreview();
}

void VigPrev::PasoMargen(int lado, int pasos) {
    const double pulgadas = TwipsDeCampo(margenes_[lado]) / kTwipsPorPulgada + kPasoMargen * pasos;
    margenes_[lado]->setText(QString::fromStdString(Formatea(std::max(0.0, pulgadas), "#0.##")));
    AplicaMargen(lado);
}

void VigPrev::AplicaTamanoPersonalizado() {
    if (actualizando_) return;
    ConfiguracionInforme& c = doc_->ConfiguracionReporte();
    const double ancho = TwipsDeCampo(anchoPapel_), alto = TwipsDeCampo(altoPapel_);
    if (ancho == c.anchoPersonalizado && alto == c.altoPersonalizado) return;
    if (ancho <= c.margenes[kMargenIzquierda] + c.margenes[kMargenDerecha] ||
        alto <= c.margenes[kMargenArriba] + c.margenes[kMargenAbajo]) {
        actualizando_ = true;
        anchoPapel_->setText(QString::fromStdString(ToInches(c.anchoPersonalizado)));
        altoPapel_->setText(QString::fromStdString(ToInches(c.altoPersonalizado)));
        Mensajes::Advierte(this, QStringLiteral("El papel es menor que sus margenes: se conserva "
                                                "el tamaño anterior."));
        actualizando_ = false;
        return;
    }
    c.anchoPersonalizado = ancho;
    c.altoPersonalizado = alto;
    UpdatePreview();
}

void VigPrev::AlCambiarDiagramas(int indice) {
    doc_->ConfiguracionReporte().diagramas =
        indice == static_cast<int>(OpcionDiagramas::kCortanteMomento)
            ? OpcionDiagramas::kCortanteMomento
            : OpcionDiagramas::kNinguno;
    Regenera(false);
}

void VigPrev::AlMarcarRefuerzo(bool marcado) {
    doc_->ConfiguracionReporte().refuerzo = marcado;
    // Bars are chosen in the detailing window before printing; its OK comes back here.
    if (marcado && abreDetallado_)
        abreDetallado_();
    else
        Regenera(false);
}

void VigPrev::AbrePanel(QWidget* panel) {
    paginaRecordada_ = PaginaActual();
    if (panel == panelEstilos_) {
        const ConfiguracionInforme& c = Configuracion();
        panelEstilos_->Muestra(c.diagramas == OpcionDiagramas::kCortanteMomento,
                               refuerzo_->isEnabled());
    }
    paneles_->setCurrentWidget(panel);
    marcoImprime_->setEnabled(false);
    barraControl_->setEnabled(false);
}

void VigPrev::CierraPanel(bool aplicaEncabezado) {
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
    marcoImprime_->setEnabled(true);
    barraControl_->setEnabled(true);
    Regenera(true);
}

}  // namespace trabelux
