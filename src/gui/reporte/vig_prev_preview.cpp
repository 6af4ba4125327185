// The report window's preview: synchronising the set-up controls, regenerating the
// report, and the page and zoom bar.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <algorithm>

#include "core/reporte/papel.h"
#include "gui/documento/documento.h"
#include "gui/documento/informe_documento.h"
#include "gui/reporte/vig_prev.h"
#include "render/informe_pdf.h"

namespace trabelux {

VigPrev::Composicion VigPrev::ComposicionDelDocumento() { return InformeDelDocumento(*doc_); }

void VigPrev::FijaComposicion(Composicion c) {
    composicion_ = std::move(c);
    Regenera(false);
}

void VigPrev::FijaDispositivos(std::vector<DispositivoImpresion> lista) {
    dispositivos_ = std::move(lista);
    dispositivo_ = 0;
    listaDispositivos_->clear();
    UpdatePreview();
}

const DispositivoImpresion* VigPrev::DispositivoElegido() const {
    if (dispositivo_ < 0 || dispositivo_ >= static_cast<int>(dispositivos_.size())) return nullptr;
    return &dispositivos_[dispositivo_];
}

void VigPrev::UpdatePreview() {
    ConfiguracionInforme& c = doc_->ConfiguracionReporte();
    actualizando_ = true;
    if (listaDispositivos_->count() == 0) {
        if (dispositivos_.empty()) dispositivos_ = DispositivosSistema();
        for (const DispositivoImpresion& d : dispositivos_) listaDispositivos_->addItem(d.nombre);
    }
    listaDispositivos_->setCurrentIndex(dispositivo_);

    listaPapel_->clear();
    if (const DispositivoImpresion* d = DispositivoElegido()) {
        for (int codigo : d->codigos) {
            const std::string& nombre = NombrePapel(codigo);
            if (!nombre.empty()) listaPapel_->addItem(QString::fromStdString(nombre), codigo);
        }
        if (d->personalizado) listaPapel_->addItem(QStringLiteral("Custom"), kPapelPersonalizado);
    }
    int elegido = listaPapel_->findData(c.papel);
    // A device without the current paper takes its first one.
    if (elegido < 0 && listaPapel_->count() > 0) {
        elegido = 0;
        c.papel = listaPapel_->itemData(0).toInt();
    }
    listaPapel_->setCurrentIndex(elegido);
    marcoPersonalizado_->setVisible(c.papel == kPapelPersonalizado);
    anchoPapel_->setText(QString::fromStdString(ToInches(c.anchoPersonalizado)));
    altoPapel_->setText(QString::fromStdString(ToInches(c.altoPersonalizado)));

    MuestraOrientacion();
    listaBorde_->setCurrentIndex(static_cast<int>(c.borde));
    for (int lado = 0; lado < 4; ++lado)
        margenes_[lado]->setText(QString::fromStdString(ToInches(c.margenes[lado])));
    actualizando_ = false;
    Regenera(false);
}

void VigPrev::Regenera(bool conservaPagina) {
    const int pagina = conservaPagina ? paginaRecordada_ : 1;
    vp_->updatePreview();
    vp_->setCurrentPage(std::clamp(pagina, 1, std::max(1, vp_->pageCount())));
    AjustaRango();
    UpdateControlBar();
}

void VigPrev::Compone(QPrinter* impresora) {
    ++regeneraciones_;
    ImprimeInforme(*impresora, Configuracion(), composicion_);
}

int VigPrev::NumPaginas() const { return vp_->pageCount(); }
int VigPrev::PaginaActual() const { return vp_->currentPage(); }
int VigPrev::Zoom() const { return qRound(vp_->zoomFactor() * 100); }

void VigPrev::UpdateControlBar() {
    const int pagina = PaginaActual(), n = NumPaginas(), zoom = Zoom();
    etiquetaPagina_->setText(QStringLiteral("Pag %1 de %2").arg(pagina).arg(n));
    etiquetaZoom_->setText(QStringLiteral("%1%").arg(zoom));
    botonesPagina_[0]->setEnabled(pagina > 1);
    botonesPagina_[1]->setEnabled(pagina > 1);
    botonesPagina_[2]->setEnabled(pagina < n);
    botonesPagina_[3]->setEnabled(pagina < n);
    botonesZoom_[0]->setEnabled(zoom > kZoomMinimo);
    botonesZoom_[1]->setEnabled(zoom > kZoomMinimo);
    botonesZoom_[2]->setEnabled(zoom < kZoomMaximo);
    botonesZoom_[3]->setEnabled(zoom < kZoomMaximo);
}

void VigPrev::IrAPagina(int boton) {
    const int n = std::max(1, NumPaginas()), actual = PaginaActual();
    const int destino[] = {1, std::max(1, actual - 1), std::min(n, actual + 1), n};
    vp_->setCurrentPage(destino[boton]);
    UpdateControlBar();
    if (rangoActual_->isChecked()) {
        desde_->setValue(PaginaActual());
        hasta_->setValue(PaginaActual());
    }
}

void VigPrev::CambiaZoom(int boton) {
    const int zoom = Zoom();
    const int destino[] = {kZoomMinimo, zoom - kPasoZoom, zoom + kPasoZoom, kZoomMaximo};
    vp_->setZoomFactor(std::clamp(destino[boton], kZoomMinimo, kZoomMaximo) / 100.0);
    UpdateControlBar();
}

// The range fields always run 1 .. page count: a regeneration that shortens the report
// pulls them back inside it, so a stale range never reaches the printer.
void VigPrev::AjustaRango() {
    const int n = std::max(1, NumPaginas());
    desde_->setRange(1, n);
    hasta_->setRange(desde_->value(), n);
    AlElegirRango();
}

void VigPrev::AlElegirRango() {
    const bool libre = rangoPaginas_->isChecked();
    desde_->setEnabled(libre);
    hasta_->setEnabled(libre);
    if (rangoTodas_->isChecked()) {
        desde_->setValue(1);
        hasta_->setValue(hasta_->maximum());
    } else if (rangoActual_->isChecked()) {
        desde_->setValue(PaginaActual());
        hasta_->setValue(PaginaActual());
    }
}

}  // namespace trabelux
