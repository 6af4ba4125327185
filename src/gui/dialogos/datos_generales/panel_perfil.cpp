#include "gui/dialogos/datos_generales/panel_perfil.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>

#include "core/modelo/reglas_datos_generales.h"
#include "gui/comun/controles.h"
#include "gui/comun/mensajes.h"
#include "gui/dialogos/datos_generales/modelo_perfil.h"
#include "gui/documento/documento.h"

namespace trabelux {

namespace {

QTableView* RejillaPerfil(ModeloPerfil* modelo) {
    auto* r = Nombrado<QTableView>("SSDBGrid1");
    r->setModel(modelo);
    r->verticalHeader()->hide();
    r->setSelectionMode(QAbstractItemView::NoSelection);
    r->setEditTriggers(QAbstractItemView::NoEditTriggers);
    r->setFocusPolicy(Qt::NoFocus);
    r->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    r->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    r->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    r->resizeRowsToContents();
    r->setFixedHeight(r->horizontalHeader()->sizeHint().height() + r->rowHeight(0) +
                      2 * r->frameWidth());
    r->setMinimumWidth(8 * 78);
    return r;
}

}  // namespace

PanelPerfil::PanelPerfil(Documento* doc) : doc_(doc) {
    setObjectName(QStringLiteral("SSPanel2"));
    EstiloPanel(this);
    familias_ = Nombrado<QComboBox>("Combo5");
    for (const char* f : FamiliasPerfil()) familias_->addItem(QString::fromLatin1(f));
    designaciones_ = Nombrado<QComboBox>("Combo6");
    designaciones_->setMinimumContentsLength(12);
    designaciones_->setMaxVisibleItems(20);
    designaciones_->setEnabled(false);
    connect(familias_, QOverload<int>::of(&QComboBox::activated), this, &PanelPerfil::EligeFamilia);
    connect(designaciones_, QOverload<int>::of(&QComboBox::activated), this,
            &PanelPerfil::EligeDesignacion);
    modelo_ = new ModeloPerfil(this);

    auto* ok = BotonSinIntro("Command7", QStringLiteral("OK"));
    auto* cancelar = BotonSinIntro("Command8", QStringLiteral("Cancel"));
    connect(ok, &QPushButton::clicked, this, &PanelPerfil::Acepta);
    connect(cancelar, &QPushButton::clicked, this, &PanelPerfil::Cancela);

    auto* g = new QGridLayout(this);
    g->addWidget(Nombrado<QLabel>("EtiquetaCombo5", QStringLiteral("Tipo de perfil")), 0, 0);
    g->addWidget(familias_, 0, 1);
    g->addWidget(Nombrado<QLabel>("EtiquetaCombo6", QStringLiteral("Designacion")), 0, 2);
    g->addWidget(designaciones_, 0, 3);
    g->setColumnStretch(4, 1);
    g->addWidget(ok, 0, 5);
    g->addWidget(cancelar, 0, 6);
    g->addWidget(RejillaPerfil(modelo_), 1, 0, 1, 7);
}

void PanelPerfil::Prepara(int familia, int designacion) {
    familia_ = familia;
    designacion_ = designacion;
    familias_->setCurrentIndex(familia_);
    LlenaDesignaciones(familia_);
    if (designacion_ >= 0 && designacion_ < designaciones_->count()) {
        designaciones_->setCurrentIndex(designacion_);
        EligeDesignacion(designacion_);
    } else {
        designacion_ = -1;
        designaciones_->setCurrentIndex(-1);
    }
}

void PanelPerfil::LlenaDesignaciones(int familia) {
    designaciones_->clear();
    lista_ = ListaFamilia{};
    modelo_->Muestra(std::nullopt);
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

void PanelPerfil::EligeFamilia(int familia) {
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

void PanelPerfil::EligeDesignacion(int designacion) {
    if (designacion < 0 || designacion >= static_cast<int>(lista_.perfiles.size())) return;
    designacion_ = designacion;
    designaciones_->setCurrentIndex(designacion);
    modelo_->Muestra(lista_.perfiles[designacion]);
}

void PanelPerfil::Acepta() {
    if (isHidden()) return;
    const int familia = familia_;
    int designacion = designaciones_->currentText().trimmed().isEmpty() ? -1 : designacion_;
    std::optional<PerfilAcero> perfil;
    if (familia > 0 && designacion >= 0) {
        if (const TablaPerfiles* tabla = perfiles_.Tabla())
            perfil = trabelux::ResuelvePerfil(*tabla, familia, designacion);
    }
    doc_->Modifica(tr("Perfil de acero"),
                   [&](Proyecto& p) { trabelux::AceptaPerfil(p, familia, designacion, perfil); });
    emit cerrado();
}

void PanelPerfil::Cancela() {
    if (isHidden()) return;
    // The panel's choice was never written: the project keeps its shape.
    familia_ = doc_->ProyectoActual().datos.familiaPerfil;
    designacion_ = doc_->ProyectoActual().datos.designacionPerfil;
    emit cerrado();
}

}  // namespace trabelux
