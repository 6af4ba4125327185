// The general-data dialog's three panels: the global inertia, the steel shape chosen
// from the shapes table, and the load control with its checks.
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>

#include "core/modelo/datos_generales.h"
#include "gui/comun/mensajes.h"
#include "gui/dialogos/campo_texto.h"
#include "gui/dialogos/datgen.h"
#include "gui/dialogos/datgen_modelo_perfil.h"
#include "gui/documento/documento.h"

namespace trabelux {

namespace {

QFrame* MarcoPanel(const char* nombre) {
    auto* p = new QFrame;
    p->setObjectName(QLatin1String(nombre));
    p->setFrameShape(QFrame::StyledPanel);
    p->setFrameShadow(QFrame::Raised);
    return p;
}

QPushButton* Boton(const char* nombre, const QString& texto) {
    auto* b = new QPushButton(texto);
    b->setObjectName(QLatin1String(nombre));
    b->setAutoDefault(false);
    return b;
}

}  // namespace

QFrame* Datgen::CreaPanelInercia() {
    QFrame* panel = MarcoPanel("SSPanel1");
    auto* texto = Campo("Text11", &DatosGenerales::inercia, "de la inercia",
                        QStringLiteral("Momento de inercia en m4"));
    auto* ok = Boton("Command4", QStringLiteral("OK"));
    auto* cancelar = Boton("Command6", QStringLiteral("Cancel"));
    // OK acts as soon as it is pressed, before the field it leaves could react.
    connect(ok, &QPushButton::pressed, this, &Datgen::AceptaInercia);
    connect(cancelar, &QPushButton::clicked, this, &Datgen::CancelaInercia);
    auto* g = new QGridLayout(panel);
    auto* etiqueta = new QLabel(QStringLiteral("Momento de inercia"));
    etiqueta->setObjectName(QStringLiteral("EtiquetaText11"));
    g->addWidget(etiqueta, 0, 0);
    g->addWidget(texto, 0, 1);
    g->addWidget(new QLabel(QStringLiteral("m4")), 0, 2);
    g->setColumnStretch(3, 1);
    g->addWidget(ok, 0, 4);
    g->addWidget(cancelar, 0, 5);
    return panel;
}

QFrame* Datgen::CreaPanelPerfil() {
    QFrame* panel = MarcoPanel("SSPanel2");
    familias_ = new QComboBox;
    familias_->setObjectName(QStringLiteral("Combo5"));
    for (const char* f : FamiliasPerfil()) familias_->addItem(QString::fromLatin1(f));
    designaciones_ = new QComboBox;
    designaciones_->setObjectName(QStringLiteral("Combo6"));
    designaciones_->setMinimumContentsLength(12);
    designaciones_->setMaxVisibleItems(20);
    designaciones_->setEnabled(false);
    connect(familias_, QOverload<int>::of(&QComboBox::activated), this, &Datgen::EligeFamilia);
    connect(designaciones_, QOverload<int>::of(&QComboBox::activated), this,
            &Datgen::EligeDesignacion);

    modeloPerfil_ = new ModeloPerfil(this);
    rejillaPerfil_ = new QTableView;
    rejillaPerfil_->setObjectName(QStringLiteral("SSDBGrid1"));
    rejillaPerfil_->setModel(modeloPerfil_);
    rejillaPerfil_->verticalHeader()->hide();
    rejillaPerfil_->setSelectionMode(QAbstractItemView::NoSelection);
    rejillaPerfil_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    rejillaPerfil_->setFocusPolicy(Qt::NoFocus);
    rejillaPerfil_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    rejillaPerfil_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    rejillaPerfil_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    rejillaPerfil_->resizeRowsToContents();
    rejillaPerfil_->setFixedHeight(rejillaPerfil_->horizontalHeader()->sizeHint().height() +
                                   rejillaPerfil_->rowHeight(0) + 2 * rejillaPerfil_->frameWidth());
    rejillaPerfil_->setMinimumWidth(8 * 78);

    auto* ok = Boton("Command7", QStringLiteral("OK"));
    auto* cancelar = Boton("Command8", QStringLiteral("Cancel"));
    connect(ok, &QPushButton::clicked, this, &Datgen::AceptaPerfil);
    connect(cancelar, &QPushButton::clicked, this, &Datgen::CancelaPerfil);

    auto* g = new QGridLayout(panel);
    auto* etiquetaFamilia = new QLabel(QStringLiteral("Tipo de perfil"));
    etiquetaFamilia->setObjectName(QStringLiteral("EtiquetaCombo5"));
    auto* etiquetaDesignacion = new QLabel(QStringLiteral("Designacion"));
    etiquetaDesignacion->setObjectName(QStringLiteral("EtiquetaCombo6"));
    g->addWidget(etiquetaFamilia, 0, 0);
    g->addWidget(familias_, 0, 1);
    g->addWidget(etiquetaDesignacion, 0, 2);
    g->addWidget(designaciones_, 0, 3);
    g->setColumnStretch(4, 1);
    g->addWidget(ok, 0, 5);
    g->addWidget(cancelar, 0, 6);
    g->addWidget(rejillaPerfil_, 1, 0, 1, 7);
    return panel;
}

QFrame* Datgen::CreaPanelCarga() {
    QFrame* panel = MarcoPanel("SSPanel3");
    opcionVivaMuerta_ = new QRadioButton(QStringLiteral("Usa carga viva y carga muerta"));
    opcionVivaMuerta_->setObjectName(QStringLiteral("Option1_0"));
    opcionTotal_ = new QRadioButton(QStringLiteral("Usa carga total"));
    opcionTotal_->setObjectName(QStringLiteral("Option1_1"));
    auto* grupo = new QButtonGroup(panel);
    grupo->addButton(opcionVivaMuerta_, 0);
    grupo->addButton(opcionTotal_, 1);
    connect(opcionVivaMuerta_, &QRadioButton::clicked, this, [this] { EligeOpcionCarga(false); });
    connect(opcionTotal_, &QRadioButton::clicked, this, [this] { EligeOpcionCarga(true); });

    auto* factorMuerta =
        Campo("Text13", &DatosGenerales::factorMuerta, "del factor de carga muerta");
    auto* factorViva = Campo("Text14", &DatosGenerales::factorViva, "del factor de carga viva");
    auto* unitario = Campo("Text15", &DatosGenerales::pesoUnitario, "del peso unitario");
    pesoPropio_ = new QCheckBox(QStringLiteral("Calcula peso propio"));
    pesoPropio_->setObjectName(QStringLiteral("Check1"));
    connect(pesoPropio_, &QCheckBox::clicked, this, &Datgen::MarcaPesoPropio);
    auto* etiquetaUnitario = new QLabel(QStringLiteral("P. unitario"));
    etiquetaUnitario->setObjectName(QStringLiteral("EtiquetaText15"));
    auto* unidadUnitario = new QLabel(QStringLiteral("T/m3"));
    unidadUnitario->setObjectName(QStringLiteral("UnidadText15"));
    pesoUnitario_ = {etiquetaUnitario, unitario, unidadUnitario};

    auto* ok = Boton("Command10", QStringLiteral("OK"));
    connect(ok, &QPushButton::clicked, this, [this] { AceptaControlCarga(); });

    auto* g = new QGridLayout(panel);
    g->addWidget(opcionVivaMuerta_, 0, 0, 1, 3);
    g->addWidget(opcionTotal_, 1, 0, 1, 3);
    auto* etiquetaMuerta = new QLabel(QStringLiteral("Factor carga muerta"));
    etiquetaMuerta->setObjectName(QStringLiteral("EtiquetaText13"));
    auto* etiquetaViva = new QLabel(QStringLiteral("Factor carga viva"));
    etiquetaViva->setObjectName(QStringLiteral("EtiquetaText14"));
    g->addWidget(etiquetaMuerta, 0, 4);
    g->addWidget(factorMuerta, 0, 5);
    g->addWidget(etiquetaViva, 1, 4);
    g->addWidget(factorViva, 1, 5);
    g->addWidget(pesoPropio_, 2, 0, 1, 3);
    g->addWidget(etiquetaUnitario, 2, 4);
    g->addWidget(unitario, 2, 5);
    g->addWidget(unidadUnitario, 2, 6);
    g->setColumnMinimumWidth(3, 16);
    g->setColumnStretch(7, 1);
    g->addWidget(ok, 2, 8);
    return panel;
}

void Datgen::AbreControlCarga() {
    opcionTotal_->setText(QString::fromStdString(TextoCargaTotal(Datos().material)));
    AbrePanel(Panel::ControlCarga);
}

void Datgen::EligeOpcionCarga(bool total) {
    Cambia(tr("Control de carga"), [total](DatosGenerales& d) {
        trabelux::EligeOpcionCarga(d, total);
        // One total load: the global live load no longer applies.
        if (total) d.cargaViva.clear();
    });
}

void Datgen::MarcaPesoPropio(bool calcula) {
    Cambia(tr("Calcula peso propio"),
           [calcula](DatosGenerales& d) { d.calculaPesoPropio = calcula; });
}

bool Datgen::AceptaControlCarga() {
    if (panel_ != Panel::ControlCarga) return true;
    if (!VerificaTecleo()) return false;
    DatosGenerales d = Datos();
    const Estado v = VerificaControlCarga(d);
    if (d.factorMuerta != Datos().factorMuerta || d.factorViva != Datos().factorViva ||
        d.pesoUnitario != Datos().pesoUnitario)
        Cambia(tr("Control de carga"), [&d](DatosGenerales& x) { x = d; });
    if (!v) Mensajes::Advierte(this, QString::fromStdString(v.Mensaje()));
    if (!v) return false;
    panelCarga_->hide();
    panel_ = Panel::Ninguno;
    ok_->setEnabled(true);
    return true;
}

void Datgen::LlenaDesignaciones(int familia) {
    designaciones_->clear();
    lista_ = ListaFamilia{};
    modeloPerfil_->Muestra(std::nullopt);
    designaciones_->setEnabled(false);
    if (familia <= 0) return;
    QString error;
    const TablaPerfiles* tabla = perfiles_.Tabla(&error);
    if (!tabla) {
        Mensajes::Error(this, error);
        return;
    }
    lista_ = PerfilesDeFamilia(*tabla, familia);
    if (!lista_.aviso.empty()) Mensajes::Informa(this, QString::fromStdString(lista_.aviso));
    for (const RegistroPerfil& r : lista_.perfiles)
        designaciones_->addItem(QString::fromStdString(r.designacion));
    designaciones_->setCurrentIndex(-1);
    designaciones_->setEnabled(!lista_.perfiles.empty());
}

void Datgen::EligeFamilia(int familia) {
    if (familia < 0 || familia >= familias_->count()) return;
    familia_ = familia;
    familias_->setCurrentIndex(familia);
    LlenaDesignaciones(familia);
    designacion_ = -1;
    if (!lista_.perfiles.empty()) {
        designaciones_->setCurrentIndex(0);
        EligeDesignacion(0);
    }
}

void Datgen::EligeDesignacion(int designacion) {
    if (designacion < 0 || designacion >= static_cast<int>(lista_.perfiles.size())) return;
    designacion_ = designacion;
    designaciones_->setCurrentIndex(designacion);
    modeloPerfil_->Muestra(lista_.perfiles[designacion]);
}

void Datgen::AceptaPerfil() {
    if (panel_ != Panel::Perfil) return;
    const int familia = familia_;
    int designacion = designaciones_->currentText().trimmed().isEmpty() ? -1 : designacion_;
    std::optional<PerfilAcero> perfil;
    if (familia > 0 && designacion >= 0) {
        if (const TablaPerfiles* tabla = perfiles_.Tabla())
            perfil = trabelux::ResuelvePerfil(*tabla, familia, designacion);
    }
    doc_->Modifica(tr("Perfil de acero"),
                   [&](Proyecto& p) { trabelux::AceptaPerfil(p, familia, designacion, perfil); });
    CierraPanel();
}

void Datgen::CancelaPerfil() {
    if (panel_ != Panel::Perfil) return;
    // The panel's choice was never written: the project keeps its shape.
    familia_ = Datos().familiaPerfil;
    designacion_ = Datos().designacionPerfil;
    CierraPanel();
}

}  // namespace trabelux
