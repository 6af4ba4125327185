// The general-data dialog's frame: its fields, how they follow the project, the
// material and inertia choices, and the opening and closing of the panels.
#include "gui/dialogos/datgen.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include "core/modelo/datos_generales.h"
#include "core/modelo/rango.h"
#include "core/texto/numeros.h"
#include "gui/comun/mensajes.h"
#include "gui/dialogos/campo_texto.h"
#include "gui/documento/documento.h"

namespace trabelux {

namespace {

// Undo merge ids of the fields: consecutive keystrokes in one field are one step.
constexpr int kFusionCampos = 300;

QLabel* Etiqueta(const QString& texto, const QString& nombre = {}) {
    auto* l = new QLabel(texto);
    if (!nombre.isEmpty()) l->setObjectName(nombre);
    return l;
}

}  // namespace

Datgen::Datgen(Documento* doc, QWidget* padre) : QDialog(padre), doc_(doc) {
    setObjectName(QStringLiteral("Datgen"));
    setWindowTitle(QStringLiteral("Datos generales"));
    CreaMarco();
    panelInercia_ = CreaPanelInercia();
    panelPerfil_ = CreaPanelPerfil();
    panelCarga_ = CreaPanelCarga();

    ok_ = new QPushButton(QStringLiteral("OK"));
    ok_->setObjectName(QStringLiteral("Command1"));
    ok_->setDefault(true);
    ok_->setAutoDefault(false);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    auto* cancelar = new QPushButton(QStringLiteral("Cancelar"));
    cancelar->setObjectName(QStringLiteral("Cancelar"));
    cancelar->setAutoDefault(false);
    connect(cancelar, &QPushButton::clicked, this, &QDialog::reject);
    auto* botones = new QHBoxLayout;
    botones->addStretch();
    botones->addWidget(ok_);
    botones->addWidget(cancelar);

    auto* capa = new QVBoxLayout(this);
    capa->addWidget(marco_);
    capa->addWidget(panelInercia_);
    capa->addWidget(panelPerfil_);
    capa->addWidget(panelCarga_);
    capa->addLayout(botones);
    // The window follows its contents: the closed state is small, a panel makes it grow.
    capa->setSizeConstraint(QLayout::SetFixedSize);
    panelInercia_->hide();
    panelPerfil_->hide();
    panelCarga_->hide();

    connect(doc_, &Documento::cambiado, this, &Datgen::Refresca);
    Refresca();
}

Datgen::~Datgen() {
    for (const auto& c : campos_) disconnect(c.campo, nullptr, this, nullptr);
}

CampoTexto* Datgen::Campo(const char* nombre, std::string DatosGenerales::*miembro,
                          const char* deQue, const QString& ayuda) {
    auto* c = new CampoTexto(nombre);
    c->setAlignment(Qt::AlignRight);
    c->setMaximumWidth(110);
    if (!ayuda.isEmpty()) c->setToolTip(ayuda);
    campos_.push_back({miembro, c, deQue});
    connect(c, &QLineEdit::textEdited, this,
            [this, miembro](const QString& t) { EscribeCampo(miembro, t); });
    connect(c, &QLineEdit::editingFinished, this, &Datgen::VerificaTecleo);
    return c;
}

void Datgen::CreaMarco() {
    marco_ = new QGroupBox;
    marco_->setObjectName(QStringLiteral("Frame5"));

    material_ = new QComboBox;
    material_->setObjectName(QStringLiteral("Combo3"));
    material_->addItems(
        {QStringLiteral("Hormigon"), QStringLiteral("Acero"), QStringLiteral("Otro")});
    connect(material_, QOverload<int>::of(&QComboBox::activated), this, &Datgen::EligeMaterial);

    inercia_ = new QComboBox;
    inercia_->setObjectName(QStringLiteral("Combo4"));
    inercia_->addItems({QStringLiteral("bh3/12"), QStringLiteral("Otra")});
    connect(inercia_, QOverload<int>::of(&QComboBox::activated), this, &Datgen::EligeInercia);

    auto* fc =
        Campo("Text2", &DatosGenerales::fc, "de F'c", QStringLiteral("Esfuerzo hormigon 28 dias"));
    auto* fy =
        Campo("Text3", &DatosGenerales::fy, "de Fy", QStringLiteral("Esfuerzo fluencia acero"));
    auto* modulo = Campo("Text10", &DatosGenerales::moduloE, "del modulo de elasticidad",
                         QStringLiteral("Modulo de elasticidad en To/m2"));
    auto* recub = Campo("Text4", &DatosGenerales::recub, "del recubrimiento");
    auto* longitud = Campo("Text9", &DatosGenerales::longitud, "de la longitud");
    auto* base = Campo("Text5", &DatosGenerales::base, "de la base");
    auto* altura = Campo("Text6", &DatosGenerales::altura, "de la altura");
    auto* muerta = Campo("Text1", &DatosGenerales::cargaMuerta, "de la carga muerta");
    auto* viva = Campo("Text8", &DatosGenerales::cargaViva, "de la carga viva");

    auto* etiquetaFc = Etiqueta(QStringLiteral("F'c"), QStringLiteral("EtiquetaText2"));
    auto* unidadFc = Etiqueta(QStringLiteral("kg/cm²"), QStringLiteral("UnidadText2"));
    auto* etiquetaFy = Etiqueta(QStringLiteral("Fy"), QStringLiteral("EtiquetaText3"));
    auto* unidadFy = Etiqueta(QStringLiteral("kg/cm²"), QStringLiteral("UnidadText3"));
    auto* etiquetaRecub = Etiqueta(QStringLiteral("Recub"), QStringLiteral("EtiquetaText4"));
    auto* unidadRecub = Etiqueta(QStringLiteral("cm"), QStringLiteral("UnidadText4"));
    soloHormigon_ = {etiquetaFc,    fc,    unidadFc,   etiquetaFy, fy, unidadFy,
                     etiquetaRecub, recub, unidadRecub};
    etiquetaMuerta_ = Etiqueta(QStringLiteral("C. muerta"), QStringLiteral("EtiquetaText1"));
    etiquetaViva_ = Etiqueta(QStringLiteral("C. viva"), QStringLiteral("EtiquetaText8"));
    unidadViva_ = Etiqueta(QStringLiteral("t/m"), QStringLiteral("UnidadText8"));

    auto* controlCarga = new QPushButton(QStringLiteral("Control de Carga"));
    controlCarga->setObjectName(QStringLiteral("Command9"));
    controlCarga->setAutoDefault(false);
    connect(controlCarga, &QPushButton::clicked, this, &Datgen::AbreControlCarga);

    // Two columns of label, field, unit: the material and its strengths on the left,
    // the global span values on the right.
    auto* g = new QGridLayout(marco_);
    g->setHorizontalSpacing(8);
    int f = 0;
    g->addWidget(Etiqueta(QStringLiteral("Material"), QStringLiteral("EtiquetaCombo3")), f, 0);
    g->addWidget(material_, f, 1, 1, 2);
    g->addWidget(Etiqueta(QStringLiteral("Longitud"), QStringLiteral("EtiquetaText9")), f, 4);
    g->addWidget(longitud, f, 5);
    g->addWidget(Etiqueta(QStringLiteral("m")), f++, 6);
    g->addWidget(etiquetaFc, f, 0);
    g->addWidget(fc, f, 1);
    g->addWidget(unidadFc, f, 2);
    g->addWidget(Etiqueta(QStringLiteral("Base"), QStringLiteral("EtiquetaText5")), f, 4);
    g->addWidget(base, f, 5);
    g->addWidget(Etiqueta(QStringLiteral("cm")), f++, 6);
    g->addWidget(etiquetaFy, f, 0);
    g->addWidget(fy, f, 1);
    g->addWidget(unidadFy, f, 2);
    g->addWidget(Etiqueta(QStringLiteral("Altura"), QStringLiteral("EtiquetaText6")), f, 4);
    g->addWidget(altura, f, 5);
    g->addWidget(Etiqueta(QStringLiteral("cm")), f++, 6);
    g->addWidget(Etiqueta(QStringLiteral("Modulo E"), QStringLiteral("EtiquetaText10")), f, 0);
    g->addWidget(modulo, f, 1);
    // The modulus is kept in t/m2, as the analysis takes it (15100 sqrt(f'c) kg/cm2 x 10).
    g->addWidget(Etiqueta(QStringLiteral("To/m2"), QStringLiteral("UnidadText10")), f, 2);
    g->addWidget(Etiqueta(QStringLiteral("Inercia"), QStringLiteral("EtiquetaCombo4")), f, 4);
    g->addWidget(inercia_, f++, 5);
    g->addWidget(etiquetaRecub, f, 0);
    g->addWidget(recub, f, 1);
    g->addWidget(unidadRecub, f, 2);
    g->addWidget(etiquetaMuerta_, f, 4);
    g->addWidget(muerta, f, 5);
    g->addWidget(Etiqueta(QStringLiteral("t/m")), f++, 6);
    g->addWidget(controlCarga, f, 0, 1, 3, Qt::AlignLeft);
    g->addWidget(etiquetaViva_, f, 4);
    g->addWidget(viva, f, 5);
    g->addWidget(unidadViva_, f++, 6);
    g->setColumnMinimumWidth(3, 24);
}

const DatosGenerales& Datgen::Datos() const { return doc_->ProyectoActual().datos; }

CampoTexto* Datgen::CampoDe(std::string DatosGenerales::*miembro) const {
    for (const auto& c : campos_)
        if (c.miembro == miembro) return c.campo;
    return nullptr;
}

int Datgen::IdFusion(std::string DatosGenerales::*miembro) const {
    int id = kFusionCampos;
    for (const auto& c : campos_) {
        if (c.miembro == miembro) break;
        ++id;
    }
    return id;
}

void Datgen::Cambia(const QString& texto, const std::function<void(DatosGenerales&)>& cambio,
                    int idFusion) {
    doc_->Modifica(
        texto, [&cambio](Proyecto& p) { cambio(p.datos); }, Documento::kTodasLasFilas, idFusion);
}

void Datgen::EscribeCampo(std::string DatosGenerales::*miembro, const QString& texto) {
    const std::string t = texto.toStdString();
    if (tecleado_ != miembro) {
        tecleado_ = miembro;
        antesDelTecleo_ = Datos();
    }
    Cambia(
        tr("Datos generales"),
        [miembro, &t](DatosGenerales& d) {
            // The modulus follows every change of F'c.
            if (miembro == &DatosGenerales::fc)
                CambiaFc(d, t);
            else
                d.*miembro = t;
        },
        IdFusion(miembro));
}

bool Datgen::VerificaTecleo() {
    const auto miembro = tecleado_;
    if (!miembro) return true;
    tecleado_ = nullptr;
    const std::string texto = Datos().*miembro;
    const std::optional<std::string> normal = TextoNumeroTecleado(texto);
    std::string error;
    if (!normal) {
        error = MensajeNoEsNumero(texto);
    } else {
        const double valor = LeeNumeroTecleado(*normal).value_or(0);
        for (const auto& c : campos_)
            if (c.miembro == miembro && !EnRango(valor))
                error = MensajeFueraDeRango(valor, c.deQue);
    }
    if (error.empty()) {
        // Kept normalised ("1,5" -> "1.5"); F'c's modulus is worked out again from it.
        if (*normal != texto)
            Cambia(
                tr("Datos generales"),
                [miembro, &normal](DatosGenerales& d) {
                    if (miembro == &DatosGenerales::fc)
                        CambiaFc(d, *normal);
                    else
                        d.*miembro = *normal;
                },
                IdFusion(miembro));
        return true;
    }
    // Back to the value before the typing, in the same undo step as the keystrokes.
    const DatosGenerales antes = antesDelTecleo_;
    Cambia(
        tr("Datos generales"),
        [miembro, &antes](DatosGenerales& d) {
            d.*miembro = antes.*miembro;
            d.moduloE = antes.moduloE;
        },
        IdFusion(miembro));
    Mensajes::Advierte(this, QString::fromStdString(error));
    // Cleared once the box is gone and the event that left the field has been handled.
    recienRechazado_ = true;
    QTimer::singleShot(0, this, [this] { recienRechazado_ = false; });
    CampoTexto* campo = CampoDe(miembro);
    campo->setFocus();
    campo->selectAll();
    return false;
}

void Datgen::Refresca() {
    const DatosGenerales& d = Datos();
    for (const auto& c : campos_) {
        const QString t = QString::fromStdString(d.*c.miembro);
        if (c.campo->text() != t) c.campo->setText(t);
    }
    material_->setCurrentIndex(static_cast<int>(d.material));
    inercia_->setCurrentIndex(static_cast<int>(d.opcionInercia));
    const bool hormigon = d.material == Material::kHormigon;
    for (QWidget* w : soloHormigon_) w->setEnabled(hormigon);
    // The inertia list is only offered for concrete; steel and other materials take
    // their inertia from the shape or from the span rows.
    inercia_->setEnabled(hormigon);

    const bool total = d.usaCargaTotal;
    etiquetaMuerta_->setText(!total     ? QStringLiteral("C. muerta")
                             : hormigon ? QStringLiteral("C.U. total")
                                        : QStringLiteral("C. total"));
    etiquetaViva_->setEnabled(!total);
    unidadViva_->setEnabled(!total);
    CampoDe(&DatosGenerales::cargaViva)->setEnabled(!total);

    opcionVivaMuerta_->setChecked(!total);
    opcionTotal_->setChecked(total);
    opcionTotal_->setText(QString::fromStdString(TextoCargaTotal(d.material)));
    pesoPropio_->setChecked(d.calculaPesoPropio);
    for (QWidget* w : pesoUnitario_) w->setEnabled(d.calculaPesoPropio);
}

void Datgen::Prepara() {
    doc_->EmpiezaEdicion();
    panelInercia_->hide();
    panelPerfil_->hide();
    panelCarga_->hide();
    panel_ = Panel::Ninguno;
    tecleado_ = nullptr;
    ok_->setEnabled(true);
    Refresca();
    material_->setFocus();
}

void Datgen::accept() {
    if (!VerificaTecleo() || recienRechazado_) return;
    doc_->TerminaEdicion(true, tr("Datos generales"));
    QDialog::accept();
}

void Datgen::reject() {
    // What was being typed is dropped unchecked, with the panels.
    tecleado_ = nullptr;
    panelInercia_->hide();
    panelPerfil_->hide();
    panelCarga_->hide();
    panel_ = Panel::Ninguno;
    ok_->setEnabled(true);
    doc_->TerminaEdicion(false, {});
    QDialog::reject();
}

bool Datgen::CierraPanel() {
    if (panel_ == Panel::ControlCarga) return AceptaControlCarga();
    panelInercia_->hide();
    panelPerfil_->hide();
    panelCarga_->hide();
    panel_ = Panel::Ninguno;
    ok_->setEnabled(true);
    return true;
}

void Datgen::AbrePanel(Panel p) {
    if (panel_ != Panel::Ninguno && panel_ != p && !CierraPanel()) return;
    panelInercia_->setVisible(p == Panel::Inercia);
    panelPerfil_->setVisible(p == Panel::Perfil);
    panelCarga_->setVisible(p == Panel::ControlCarga);
    panel_ = p;
    ok_->setEnabled(p == Panel::Ninguno);
}

void Datgen::EligeMaterial(int material) {
    if (material < static_cast<int>(Material::kHormigon) ||
        material > static_cast<int>(Material::kOtro))
        return;
    DatosGenerales d = Datos();
    const bool abre =
        trabelux::EligeMaterial(d, static_cast<Material>(material), enCarga_ && enCarga_());
    Cambia(tr("Material"), [&d](DatosGenerales& x) { x = d; });
    if (!abre) return;
    // The panel starts from the shape the project has; its Cancel goes back to it.
    familia_ = d.familiaPerfil;
    designacion_ = d.designacionPerfil;
    familias_->setCurrentIndex(familia_);
    LlenaDesignaciones(familia_);
    if (designacion_ >= 0 && designacion_ < designaciones_->count()) {
        designaciones_->setCurrentIndex(designacion_);
        EligeDesignacion(designacion_);
    } else {
        designacion_ = -1;
        designaciones_->setCurrentIndex(-1);
    }
    AbrePanel(Panel::Perfil);
}

void Datgen::EligeInercia(int opcion) {
    if (opcion == static_cast<int>(OpcionInercia::kOtra)) {
        inerciaAlAbrir_ = Datos().inercia;
        Cambia(tr("Inercia"), [](DatosGenerales& d) {
            d.opcionInercia = OpcionInercia::kOtra;
            d.inercia = NormalizaInercia(d.inercia);
        });
        if (inercia_->isEnabled()) AbrePanel(Panel::Inercia);
    } else {
        Cambia(tr("Inercia"), [](DatosGenerales& d) { d.opcionInercia = OpcionInercia::kBh3; });
    }
}

void Datgen::AceptaInercia() {
    if (panel_ != Panel::Inercia || !VerificaTecleo()) return;
    CierraPanel();
    inercia_->setFocus();
}

void Datgen::CancelaInercia() {
    if (panel_ != Panel::Inercia) return;
    const std::string anterior = inerciaAlAbrir_;
    if (Datos().inercia != anterior)
        Cambia(tr("Inercia"), [&anterior](DatosGenerales& d) { d.inercia = anterior; });
    CierraPanel();
}

}  // namespace trabelux
