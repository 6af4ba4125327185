#include "gui/dialogos/datos_generales/panel_control_carga.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "core/modelo/reglas_datos_generales.h"
#include "gui/comun/campo_texto.h"
#include "gui/comun/controles.h"
#include "gui/comun/mensajes.h"
#include "gui/dialogos/datos_generales/campos_datos_generales.h"
#include "gui/documento/documento.h"

namespace trabelux {

PanelControlCarga::PanelControlCarga(Documento* doc, CamposDatosGenerales* campos)
    : doc_(doc), campos_(campos) {
    setObjectName(QStringLiteral("SSPanel3"));
    EstiloPanel(this);
    opcionVivaMuerta_ =
        Nombrado<QRadioButton>("Option1_0", QStringLiteral("Usa carga viva y carga muerta"));
    opcionTotal_ = Nombrado<QRadioButton>("Option1_1", QStringLiteral("Usa carga total"));
    auto* grupo = new QButtonGroup(this);
    grupo->addButton(opcionVivaMuerta_, 0);
    grupo->addButton(opcionTotal_, 1);
    connect(opcionVivaMuerta_, &QRadioButton::clicked, this, [this] { EligeOpcionCarga(false); });
    connect(opcionTotal_, &QRadioButton::clicked, this, [this] { EligeOpcionCarga(true); });

    auto* factorMuerta =
        campos_->Crea("Text13", &DatosGenerales::factorMuerta, "del factor de carga muerta");
    auto* factorViva =
        campos_->Crea("Text14", &DatosGenerales::factorViva, "del factor de carga viva");
    auto* unitario = campos_->Crea("Text15", &DatosGenerales::pesoUnitario, "del peso unitario");
    pesoPropio_ = Nombrado<QCheckBox>("Check1", QStringLiteral("Calcula peso propio"));
    connect(pesoPropio_, &QCheckBox::clicked, this, &PanelControlCarga::MarcaPesoPropio);
    auto* etiquetaUnitario = Nombrado<QLabel>("EtiquetaText15", QStringLiteral("P. unitario"));
    auto* unidadUnitario = Nombrado<QLabel>("UnidadText15", QStringLiteral("T/m3"));
    pesoUnitario_ = {etiquetaUnitario, unitario, unidadUnitario};

    auto* ok = BotonSinIntro("Command10", QStringLiteral("OK"));
    connect(ok, &QPushButton::clicked, this, [this] { Acepta(); });

    auto* g = new QGridLayout(this);
    g->addWidget(opcionVivaMuerta_, 0, 0, 1, 3);
    g->addWidget(opcionTotal_, 1, 0, 1, 3);
    g->addWidget(Nombrado<QLabel>("EtiquetaText13", QStringLiteral("Factor carga muerta")), 0, 4);
    g->addWidget(factorMuerta, 0, 5);
    g->addWidget(Nombrado<QLabel>("EtiquetaText14", QStringLiteral("Factor carga viva")), 1, 4);
    g->addWidget(factorViva, 1, 5);
    g->addWidget(pesoPropio_, 2, 0, 1, 3);
    g->addWidget(etiquetaUnitario, 2, 4);
    g->addWidget(unitario, 2, 5);
    g->addWidget(unidadUnitario, 2, 6);
    g->setColumnMinimumWidth(3, 16);
    g->setColumnStretch(7, 1);
    g->addWidget(ok, 2, 8);
}

void PanelControlCarga::Refresca(const DatosGenerales& d) {
    opcionVivaMuerta_->setChecked(!d.usaCargaTotal);
    opcionTotal_->setChecked(d.usaCargaTotal);
    opcionTotal_->setText(QString::fromStdString(TextoCargaTotal(d.material)));
    pesoPropio_->setChecked(d.calculaPesoPropio);
    for (QWidget* w : pesoUnitario_) w->setEnabled(d.calculaPesoPropio);
}

void PanelControlCarga::EligeOpcionCarga(bool total) {
    CambiaDatosGenerales(*doc_, tr("Control de carga"), [total](DatosGenerales& d) {
        trabelux::EligeOpcionCarga(d, total);
        // One total load: the global live load no longer applies.
        if (total) d.cargaViva.clear();
    });
}

void PanelControlCarga::MarcaPesoPropio(bool calcula) {
    CambiaDatosGenerales(*doc_, tr("Calcula peso propio"),
                         [calcula](DatosGenerales& d) { d.calculaPesoPropio = calcula; });
}

bool PanelControlCarga::Acepta() {
    if (isHidden()) return true;
    if (!campos_->VerificaTecleo()) return false;
    const DatosGenerales& actuales = doc_->ProyectoActual().datos;
    DatosGenerales d = actuales;
    const Estado v = VerificaControlCarga(d);
    if (d.factorMuerta != actuales.factorMuerta || d.factorViva != actuales.factorViva ||
        d.pesoUnitario != actuales.pesoUnitario)
        CambiaDatosGenerales(*doc_, tr("Control de carga"), [&d](DatosGenerales& x) { x = d; });
    if (!v) Mensajes::Advierte(this, QString::fromStdString(v.Mensaje()));
    if (!v) return false;
    emit cerrado();
    return true;
}

}  // namespace trabelux
