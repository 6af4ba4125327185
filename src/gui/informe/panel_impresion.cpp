#include "gui/informe/panel_impresion.h"

#include <QBuffer>
#include <QCheckBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPdfWriter>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "gui/comun/controles.h"
#include "gui/comun/mensajes.h"
#include "gui/informe/ventana_informe.h"
#include "io/archivos.h"
#include "render/informe_pdf.h"

namespace trabelux {

namespace {

const QString kFiltroPdf = QStringLiteral("PDF (*.pdf)");

}  // namespace

PanelImpresion::PanelImpresion(VentanaInforme* ventana)
    : QGroupBox(QStringLiteral("Imprime")), ventana_(ventana) {
    setObjectName(QStringLiteral("MarcoImprime"));
    auto* capa = new QVBoxLayout(this);
    refuerzo_ = Nombrado<QCheckBox>("ImprimeRefuerzo", QStringLiteral("&Refuerzo"));
    capa->addWidget(refuerzo_);
    connect(refuerzo_, &QCheckBox::clicked, this, &PanelImpresion::refuerzoMarcado);

    rangoTodas_ = Nombrado<QRadioButton>("RangoTodas", QStringLiteral("To&das las paginas"));
    rangoActual_ = Nombrado<QRadioButton>("RangoActual", QStringLiteral("Pa&gina actual"));
    rangoPaginas_ = Nombrado<QRadioButton>("RangoPaginas", QStringLiteral("Pagi&nas:"));
    desde_ = Nombrado<QSpinBox>("Desde");
    hasta_ = Nombrado<QSpinBox>("Hasta");
    auto* filaPaginas = new QHBoxLayout;
    filaPaginas->addWidget(rangoPaginas_);
    filaPaginas->addWidget(new QLabel(QStringLiteral("Desde")));
    filaPaginas->addWidget(desde_);
    filaPaginas->addWidget(new QLabel(QStringLiteral("Hasta")));
    filaPaginas->addWidget(hasta_);
    capa->addWidget(rangoTodas_);
    capa->addWidget(rangoActual_);
    capa->addLayout(filaPaginas);
    for (QRadioButton* b : {rangoTodas_, rangoActual_, rangoPaginas_})
        connect(b, &QRadioButton::toggled, this, [this](bool activo) {
            if (activo) AlElegirRango();
        });
    connect(desde_, qOverload<int>(&QSpinBox::valueChanged), hasta_, &QSpinBox::setMinimum);
    rangoTodas_->setChecked(true);

    auto* imprime = Boton("BotonImprime", QStringLiteral("Imprime"));
    capa->addWidget(imprime);
    connect(imprime, &QPushButton::clicked, this, &PanelImpresion::Imprime);
}

void PanelImpresion::MuestraRefuerzo(bool habilitado, bool marcado) {
    refuerzo_->setEnabled(habilitado);
    refuerzo_->setChecked(marcado);
}

bool PanelImpresion::RefuerzoHabilitado() const { return refuerzo_->isEnabled(); }

void PanelImpresion::AjustaRango() {
    const int n = std::max(1, ventana_->NumPaginas());
    desde_->setRange(1, n);
    hasta_->setRange(desde_->value(), n);
    AlElegirRango();
}

void PanelImpresion::SiguePagina() {
    if (!rangoActual_->isChecked()) return;
    desde_->setValue(ventana_->PaginaActual());
    hasta_->setValue(ventana_->PaginaActual());
}

void PanelImpresion::AlElegirRango() {
    const bool libre = rangoPaginas_->isChecked();
    desde_->setEnabled(libre);
    hasta_->setEnabled(libre);
    if (rangoTodas_->isChecked()) {
        desde_->setValue(1);
        hasta_->setValue(hasta_->maximum());
    } else if (rangoActual_->isChecked()) {
        desde_->setValue(ventana_->PaginaActual());
        hasta_->setValue(ventana_->PaginaActual());
    }
}

void PanelImpresion::Imprime() {
    if (rangoTodas_->isChecked())
        ImprimePaginas(1, ventana_->NumPaginas());
    else if (rangoActual_->isChecked())
        ImprimePaginas(ventana_->PaginaActual(), ventana_->PaginaActual());
    else
        ImprimePaginas(desde_->value(), hasta_->value());
}

bool PanelImpresion::ImprimePaginas(int desde, int hasta) {
    const int n = ventana_->NumPaginas();
    if (desde > hasta) {
        Mensajes::Advierte(this, QStringLiteral("La pagina \"Desde\" (%1) es posterior a la pagina "
                                                "\"Hasta\" (%2): no se imprime nada.")
                                     .arg(desde)
                                     .arg(hasta));
        return false;
    }
    if (desde < 1 || hasta > n) {
        Mensajes::Advierte(this, QStringLiteral("El informe tiene %1 paginas: las paginas %2 a %3 "
                                                "no existen.")
                                     .arg(n)
                                     .arg(desde)
                                     .arg(hasta));
        return false;
    }
    const DispositivoImpresion* d = ventana_->DispositivoElegido();
    if (!d) return false;
    if (d->archivoPdf) return ImprimeEnPdf(desde, hasta);
    QPrinter impresora(QPrinter::HighResolution);
    impresora.setPrinterName(d->nombre);
    impresora.setFullPage(true);
    impresora.setDocName(ventana_->NombreTrabajo());
    const bool valida = impresora.isValid() && impresora.printerName() == d->nombre;
    if (!valida || trabelux::ImprimePaginas(impresora, ventana_->Configuracion(),
                                            ventana_->ComposicionActual(), desde, hasta) == 0) {
        Mensajes::Error(this, QStringLiteral("No se pudo imprimir en \"%1\".").arg(d->nombre));
        return false;
    }
    return true;
}

bool PanelImpresion::ImprimeEnPdf(int desde, int hasta) {
    QString ruta = Mensajes::PideArchivoGuardar(this, kFiltroPdf, QString());
    if (ruta.isEmpty()) return false;
    if (QFileInfo(ruta).suffix().isEmpty()) ruta += QStringLiteral(".pdf");
    // Composed in memory first: a file that cannot be written keeps what it held.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    int puestas = 0;
    {
        QPdfWriter pdf(&buffer);
        pdf.setResolution(1440);
        pdf.setCreator(QStringLiteral("Trabelux"));
        puestas = trabelux::ImprimePaginas(pdf, ventana_->Configuracion(),
                                           ventana_->ComposicionActual(), desde, hasta);
    }
    Estado error = puestas == 0 ? Estado::Falla("No se pudo componer el informe")
                                : GuardaArchivo(ruta.toStdString(), buffer.data().toStdString());
    if (!error) {
        Mensajes::Error(this, QString::fromStdString(error.Mensaje()));
        return false;
    }
    return true;
}

}  // namespace trabelux
