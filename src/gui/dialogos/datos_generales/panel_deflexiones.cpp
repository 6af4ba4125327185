#include "gui/dialogos/datos_generales/panel_deflexiones.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "core/servicio/limites.h"
#include "gui/comun/campo_texto.h"
#include "gui/comun/controles.h"
#include "gui/dialogos/datos_generales/campos_datos_generales.h"
#include "gui/documento/documento.h"

namespace trabelux {

PanelDeflexiones::PanelDeflexiones(Documento* doc, CamposDatosGenerales* campos)
    : doc_(doc), campos_(campos) {
    setObjectName(QStringLiteral("PanelDeflexiones"));
    EstiloPanel(this);
    duracion_ = Nombrado<QComboBox>("ComboDuracion");
    for (auto d : {DuracionCarga::kTresMeses, DuracionCarga::kSeisMeses, DuracionCarga::kDoceMeses,
                   DuracionCarga::kCincoAnios})
        duracion_->addItem(QString::fromUtf8(TextoDuracion(d)));
    limite_ = Nombrado<QComboBox>("ComboLimiteDeflexion");
    for (auto l : {LimiteDeflexion::kDanables480, LimiteDeflexion::kNoDanables240,
                   LimiteDeflexion::kPiso360, LimiteDeflexion::kTecho180})
        limite_->addItem(QString::fromUtf8(TextoLimiteDeflexion(l)));
    connect(duracion_, qOverload<int>(&QComboBox::activated), this, [this](int i) {
        if (i < 0 || i > 3) return;
        const auto elegida = static_cast<DuracionCarga>(i);
        if (elegida == doc_->ProyectoActual().datos.duracion) return;
        CambiaDatosGenerales(*doc_, tr("Duración de la carga sostenida"),
                             [elegida](DatosGenerales& d) { d.duracion = elegida; });
    });
    connect(limite_, qOverload<int>(&QComboBox::activated), this, [this](int i) {
        if (i < 0 || i > 3) return;
        const auto elegido = static_cast<LimiteDeflexion>(i);
        if (elegido == doc_->ProyectoActual().datos.limite) return;
        CambiaDatosGenerales(*doc_, tr("Límite de deflexión"),
                             [elegido](DatosGenerales& d) { d.limite = elegido; });
    });
    auto* sostenida = campos_->Crea("TextoVivaSostenida", &DatosGenerales::vivaSostenida,
                                    "de la carga viva sostenida");

    auto* etiquetaDuracion = Nombrado<QLabel>("EtiquetaComboDuracion",
                                              QStringLiteral("Duración de la carga &sostenida"));
    etiquetaDuracion->setBuddy(duracion_);
    auto* etiquetaSostenida =
        Nombrado<QLabel>("EtiquetaTextoVivaSostenida", QStringLiteral("Carga &viva sostenida"));
    etiquetaSostenida->setBuddy(sostenida);
    auto* etiquetaLimite =
        Nombrado<QLabel>("EtiquetaComboLimiteDeflexion", QStringLiteral("&Límite de deflexión"));
    etiquetaLimite->setBuddy(limite_);

    auto* ok = BotonSinIntro("BotonOkDeflexiones", QStringLiteral("OK"));
    connect(ok, &QPushButton::clicked, this, [this] { Acepta(); });

    auto* g = new QGridLayout(this);
    g->addWidget(etiquetaDuracion, 0, 0);
    g->addWidget(duracion_, 0, 1, 1, 2);
    g->addWidget(etiquetaSostenida, 1, 0);
    g->addWidget(sostenida, 1, 1);
    g->addWidget(new QLabel(QStringLiteral("%")), 1, 2);
    g->addWidget(etiquetaLimite, 2, 0);
    g->addWidget(limite_, 2, 1, 1, 3);
    g->addWidget(ok, 0, 4);
    g->setColumnStretch(3, 1);
}

void PanelDeflexiones::Refresca(const DatosGenerales& d) {
    duracion_->setCurrentIndex(static_cast<int>(d.duracion));
    limite_->setCurrentIndex(static_cast<int>(d.limite));
}

bool PanelDeflexiones::Acepta() {
    if (isHidden()) return true;
    // A refusal just made by leaving the field: the click that left it does not close.
    if (!campos_->VerificaTecleo() || campos_->RecienRechazado()) return false;
    emit cerrado();
    return true;
}

}  // namespace trabelux
