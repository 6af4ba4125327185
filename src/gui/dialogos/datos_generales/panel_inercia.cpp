#include "gui/dialogos/datos_generales/panel_inercia.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "gui/comun/campo_texto.h"
#include "gui/comun/controles.h"
#include "gui/dialogos/datos_generales/campos_datos_generales.h"
#include "gui/documento/documento.h"

namespace trabelux {

PanelInercia::PanelInercia(Documento* doc, CamposDatosGenerales* campos)
    : doc_(doc), campos_(campos) {
    setObjectName(QStringLiteral("SSPanel1"));
    EstiloPanel(this);
    auto* texto = campos_->Crea("Text11", &DatosGenerales::inercia, "de la inercia",
                                QStringLiteral("Momento de inercia en m4"));
    auto* ok = BotonSinIntro("Command4", QStringLiteral("OK"));
    auto* cancelar = BotonSinIntro("Command6", QStringLiteral("Cancel"));
    // OK acts as soon as it is pressed, before the field it leaves could react.
    connect(ok, &QPushButton::pressed, this, &PanelInercia::Acepta);
    connect(cancelar, &QPushButton::clicked, this, &PanelInercia::Cancela);
    auto* g = new QGridLayout(this);
    g->addWidget(Nombrado<QLabel>("EtiquetaText11", QStringLiteral("Momento de inercia")), 0, 0);
    g->addWidget(texto, 0, 1);
    g->addWidget(new QLabel(QStringLiteral("m4")), 0, 2);
    g->setColumnStretch(3, 1);
    g->addWidget(ok, 0, 4);
    g->addWidget(cancelar, 0, 5);
}

void PanelInercia::Recuerda() { alAbrir_ = doc_->ProyectoActual().datos.inercia; }

void PanelInercia::Acepta() {
    if (isHidden() || !campos_->VerificaTecleo()) return;
    emit cerrado(true);
}

void PanelInercia::Cancela() {
    if (isHidden()) return;
    const std::string anterior = alAbrir_;
    if (doc_->ProyectoActual().datos.inercia != anterior)
        CambiaDatosGenerales(*doc_, tr("Inercia"),
                             [&anterior](DatosGenerales& d) { d.inercia = anterior; });
    emit cerrado(false);
}

}  // namespace trabelux
