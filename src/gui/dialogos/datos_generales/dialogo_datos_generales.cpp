// The general-data dialog's frame: its fields, how they follow the project, the
// material and inertia choices, and which of the three panels is open.
#include "gui/dialogos/datos_generales/dialogo_datos_generales.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/modelo/reglas_datos_generales.h"
#include "gui/comun/campo_texto.h"
#include "gui/comun/controles.h"
#include "gui/dialogos/datos_generales/campos_datos_generales.h"
#include "gui/dialogos/datos_generales/panel_control_carga.h"
#include "gui/dialogos/datos_generales/panel_deflexiones.h"
#include "gui/dialogos/datos_generales/panel_inercia.h"
#include "gui/dialogos/datos_generales/panel_perfil.h"
#include "gui/documento/documento.h"

namespace trabelux {

DialogoDatosGenerales::DialogoDatosGenerales(Documento* doc, QWidget* padre)
    : QDialog(padre), doc_(doc), campos_(new CamposDatosGenerales(doc, this)) {
    setObjectName(QStringLiteral("Datgen"));
    setWindowTitle(QStringLiteral("Datos generales"));
    // The fields are made in this order: it numbers their undo steps.
    QGroupBox* marco = CreaMarco();
    panelInercia_ = new PanelInercia(doc_, campos_);
    panelPerfil_ = new PanelPerfil(doc_);
    panelCarga_ = new PanelControlCarga(doc_, campos_);
    panelDeflexiones_ = new PanelDeflexiones(doc_, campos_);
    connect(panelInercia_, &PanelInercia::cerrado, this, [this](bool aceptado) {
        OcultaPaneles();
        if (aceptado) inercia_->setFocus();
    });
    connect(panelPerfil_, &PanelPerfil::cerrado, this, &DialogoDatosGenerales::OcultaPaneles);
    connect(panelCarga_, &PanelControlCarga::cerrado, this, &DialogoDatosGenerales::OcultaPaneles);
    connect(panelDeflexiones_, &PanelDeflexiones::cerrado, this,
            &DialogoDatosGenerales::OcultaPaneles);

    ok_ = BotonSinIntro("Command1", QStringLiteral("OK"));
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    auto* cancelar = BotonSinIntro("Cancelar", QStringLiteral("Cancelar"));
    connect(cancelar, &QPushButton::clicked, this, &QDialog::reject);

    auto* capa = new QVBoxLayout(this);
    capa->addWidget(marco);
    capa->addWidget(panelInercia_);
    capa->addWidget(panelPerfil_);
    capa->addWidget(panelCarga_);
    capa->addWidget(panelDeflexiones_);
    capa->addLayout(FilaBotones({ok_, cancelar}));
    // The window follows its contents: the closed state is small, a panel makes it grow.
    capa->setSizeConstraint(QLayout::SetFixedSize);
    OcultaPaneles();

    connect(doc_, &Documento::cambiado, this, &DialogoDatosGenerales::Refresca);
    Refresca();
}

DialogoDatosGenerales::~DialogoDatosGenerales() { delete campos_; }

CatalogoPerfiles& DialogoDatosGenerales::Perfiles() { return panelPerfil_->Perfiles(); }
ModeloPerfil* DialogoDatosGenerales::ModeloDePerfil() const { return panelPerfil_->Modelo(); }

QGroupBox* DialogoDatosGenerales::CreaMarco() {
    auto* marco = Nombrado<QGroupBox>("Frame5");
    material_ = Nombrado<QComboBox>("Combo3");
    material_->addItems(
        {QStringLiteral("Hormigon"), QStringLiteral("Acero"), QStringLiteral("Otro")});
    connect(material_, QOverload<int>::of(&QComboBox::activated), this,
            &DialogoDatosGenerales::EligeMaterial);
    inercia_ = Nombrado<QComboBox>("Combo4");
    inercia_->addItems({QStringLiteral("bh3/12"), QStringLiteral("Otra")});
    connect(inercia_, QOverload<int>::of(&QComboBox::activated), this,
            &DialogoDatosGenerales::EligeInercia);

    auto* fc = campos_->Crea("Text2", &DatosGenerales::fc, "de F'c",
                             QStringLiteral("Esfuerzo hormigon 28 dias"));
    auto* fy = campos_->Crea("Text3", &DatosGenerales::fy, "de Fy",
                             QStringLiteral("Esfuerzo fluencia acero"));
    auto* modulo = campos_->Crea("Text10", &DatosGenerales::moduloE, "del modulo de elasticidad",
                                 QStringLiteral("Modulo de elasticidad en To/m2"));
    auto* recub = campos_->Crea("Text4", &DatosGenerales::recub, "del recubrimiento");
    auto* longitud = campos_->Crea("Text9", &DatosGenerales::longitud, "de la longitud");
    auto* base = campos_->Crea("Text5", &DatosGenerales::base, "de la base");
    auto* altura = campos_->Crea("Text6", &DatosGenerales::altura, "de la altura");
    auto* muerta = campos_->Crea("Text1", &DatosGenerales::cargaMuerta, "de la carga muerta");
    auto* viva = campos_->Crea("Text8", &DatosGenerales::cargaViva, "de la carga viva");

    auto* etiquetaFc = Nombrado<QLabel>("EtiquetaText2", QStringLiteral("F'c"));
    auto* unidadFc = Nombrado<QLabel>("UnidadText2", QStringLiteral("kg/cm²"));
    auto* etiquetaFy = Nombrado<QLabel>("EtiquetaText3", QStringLiteral("Fy"));
    auto* unidadFy = Nombrado<QLabel>("UnidadText3", QStringLiteral("kg/cm²"));
    auto* etiquetaRecub = Nombrado<QLabel>("EtiquetaText4", QStringLiteral("Recub"));
    auto* unidadRecub = Nombrado<QLabel>("UnidadText4", QStringLiteral("cm"));
    soloHormigon_ = {etiquetaFc,    fc,    unidadFc,   etiquetaFy, fy, unidadFy,
                     etiquetaRecub, recub, unidadRecub};
    etiquetaMuerta_ = Nombrado<QLabel>("EtiquetaText1", QStringLiteral("C. muerta"));
    etiquetaViva_ = Nombrado<QLabel>("EtiquetaText8", QStringLiteral("C. viva"));
    unidadViva_ = Nombrado<QLabel>("UnidadText8", QStringLiteral("t/m"));
    auto* controlCarga = BotonSinIntro("Command9", QStringLiteral("Control de Carga"));
    connect(controlCarga, &QPushButton::clicked, this, &DialogoDatosGenerales::AbreControlCarga);
    botonDeflexiones_ = BotonSinIntro("BotonDeflexiones", QStringLiteral("Deflexiones"));
    connect(botonDeflexiones_, &QPushButton::clicked, this,
            &DialogoDatosGenerales::AbreDeflexiones);

    // Two columns of label, field, unit: the material and its strengths on the left (from
    // grid column 0), the global span values on the right (from column 4).
    auto* g = new QGridLayout(marco);
    g->setHorizontalSpacing(8);
    auto valor = [g](int fila, int col, QWidget* etiqueta, QWidget* campo, QWidget* unidad) {
        g->addWidget(etiqueta, fila, col);
        g->addWidget(campo, fila, col + 1);
        if (unidad) g->addWidget(unidad, fila, col + 2);
    };
    auto unidad = [](const char* texto) { return new QLabel(QString::fromUtf8(texto)); };
    g->addWidget(Nombrado<QLabel>("EtiquetaCombo3", QStringLiteral("Material")), 0, 0);
    g->addWidget(material_, 0, 1, 1, 2);
    valor(0, 4, Nombrado<QLabel>("EtiquetaText9", QStringLiteral("Longitud")), longitud,
          unidad("m"));
    valor(1, 0, etiquetaFc, fc, unidadFc);
    valor(1, 4, Nombrado<QLabel>("EtiquetaText5", QStringLiteral("Base")), base, unidad("cm"));
    valor(2, 0, etiquetaFy, fy, unidadFy);
    valor(2, 4, Nombrado<QLabel>("EtiquetaText6", QStringLiteral("Altura")), altura, unidad("cm"));
    // The modulus is kept in t/m2, as the analysis takes it (15100 sqrt(f'c) kg/cm2 x 10).
    valor(3, 0, Nombrado<QLabel>("EtiquetaText10", QStringLiteral("Modulo E")), modulo,
          Nombrado<QLabel>("UnidadText10", QStringLiteral("To/m2")));
    valor(3, 4, Nombrado<QLabel>("EtiquetaCombo4", QStringLiteral("Inercia")), inercia_, nullptr);
    valor(4, 0, etiquetaRecub, recub, unidadRecub);
    valor(4, 4, etiquetaMuerta_, muerta, unidad("t/m"));
    auto* botones = new QHBoxLayout;
    botones->addWidget(controlCarga);
    botones->addWidget(botonDeflexiones_);
    botones->addStretch(1);
    g->addLayout(botones, 5, 0, 1, 3);
    valor(5, 4, etiquetaViva_, viva, unidadViva_);
    g->setColumnMinimumWidth(3, 24);
    return marco;
}

const DatosGenerales& DialogoDatosGenerales::Datos() const { return doc_->ProyectoActual().datos; }

void DialogoDatosGenerales::Refresca() {
    const DatosGenerales& d = Datos();
    campos_->Refresca();
    material_->setCurrentIndex(static_cast<int>(d.material));
    inercia_->setCurrentIndex(static_cast<int>(d.opcionInercia));
    const bool hormigon = d.material == Material::kHormigon;
    for (QWidget* w : soloHormigon_) w->setEnabled(hormigon);
    // The inertia list is only offered for concrete; steel and other materials take
    // their inertia from the shape or from the span rows.
    inercia_->setEnabled(hormigon);
    // Deflections are computed for concrete beams only.
    botonDeflexiones_->setVisible(hormigon);
    if (!hormigon && panel_ == Panel::Deflexiones) OcultaPaneles();

    const bool total = d.usaCargaTotal;
    etiquetaMuerta_->setText(!total     ? QStringLiteral("C. muerta")
                             : hormigon ? QStringLiteral("C.U. total")
                                        : QStringLiteral("C. total"));
    etiquetaViva_->setEnabled(!total);
    unidadViva_->setEnabled(!total);
    campos_->CampoDe(&DatosGenerales::cargaViva)->setEnabled(!total);
    panelCarga_->Refresca(d);
    panelDeflexiones_->Refresca(d);
}

void DialogoDatosGenerales::Prepara() {
    doc_->EmpiezaEdicion();
    OcultaPaneles();
    campos_->OlvidaTecleo();
    Refresca();
    material_->setFocus();
}

void DialogoDatosGenerales::accept() {
    if (!campos_->VerificaTecleo() || campos_->RecienRechazado()) return;
    doc_->TerminaEdicion(true, tr("Datos generales"));
    QDialog::accept();
}

void DialogoDatosGenerales::reject() {
    // What was being typed is dropped unchecked, with the panels.
    campos_->OlvidaTecleo();
    OcultaPaneles();
    doc_->TerminaEdicion(false, {});
    QDialog::reject();
}

void DialogoDatosGenerales::OcultaPaneles() {
    panelInercia_->hide();
    panelPerfil_->hide();
    panelCarga_->hide();
    panelDeflexiones_->hide();
    panel_ = Panel::Ninguno;
    ok_->setEnabled(true);
}

bool DialogoDatosGenerales::CierraPanel() {
    if (panel_ == Panel::ControlCarga) return panelCarga_->Acepta();
    if (panel_ == Panel::Deflexiones) return panelDeflexiones_->Acepta();
    OcultaPaneles();
    return true;
}

void DialogoDatosGenerales::AbrePanel(Panel p) {
    if (panel_ != Panel::Ninguno && panel_ != p && !CierraPanel()) return;
    panelInercia_->setVisible(p == Panel::Inercia);
    panelPerfil_->setVisible(p == Panel::Perfil);
    panelCarga_->setVisible(p == Panel::ControlCarga);
    panelDeflexiones_->setVisible(p == Panel::Deflexiones);
    panel_ = p;
    ok_->setEnabled(p == Panel::Ninguno);
}

void DialogoDatosGenerales::EligeMaterial(int material) {
    if (material < static_cast<int>(Material::kHormigon) ||
        material > static_cast<int>(Material::kOtro))
        return;
    DatosGenerales d = Datos();
    const bool abre =
        trabelux::EligeMaterial(d, static_cast<Material>(material), enCarga_ && enCarga_());
    CambiaDatosGenerales(*doc_, tr("Material"), [&d](DatosGenerales& x) { x = d; });
    if (!abre) return;
    // The panel starts from the shape the project has; its Cancel goes back to it.
    panelPerfil_->Prepara(d.familiaPerfil, d.designacionPerfil);
    AbrePanel(Panel::Perfil);
}

void DialogoDatosGenerales::EligeInercia(int opcion) {
    if (opcion == static_cast<int>(OpcionInercia::kOtra)) {
        panelInercia_->Recuerda();
        CambiaDatosGenerales(*doc_, tr("Inercia"), [](DatosGenerales& d) {
            d.opcionInercia = OpcionInercia::kOtra;
            d.inercia = NormalizaInercia(d.inercia);
        });
        if (inercia_->isEnabled()) AbrePanel(Panel::Inercia);
    } else {
        CambiaDatosGenerales(*doc_, tr("Inercia"),
                             [](DatosGenerales& d) { d.opcionInercia = OpcionInercia::kBh3; });
    }
}

void DialogoDatosGenerales::AbreDeflexiones() {
    panelDeflexiones_->Refresca(Datos());
    AbrePanel(Panel::Deflexiones);
}

void DialogoDatosGenerales::AbreControlCarga() {
    panelCarga_->Refresca(Datos());
    AbrePanel(Panel::ControlCarga);
}

}  // namespace trabelux
