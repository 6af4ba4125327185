#include "gui/dialogos/cargas/dialogo_cargas.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/modelo/acepta_cargas.h"
#include "gui/comun/controles.h"
#include "gui/comun/mensajes.h"
#include "gui/dialogos/cargas/modelos_cargas.h"
#include "gui/dialogos/cargas/rejilla_cargas.h"
#include "gui/documento/documento.h"

namespace trabelux {

namespace {

bool MismasCargas(const Proyecto& a, const Proyecto& b) {
    if (a.cargas.size() != b.cargas.size() || a.cargasNudo.size() != b.cargasNudo.size())
        return false;
    for (size_t k = 0; k < a.cargas.size(); ++k) {
        const CargaConcentrada &x = a.cargas[k], &y = b.cargas[k];
        if (x.vano != y.vano || x.distancia != y.distancia || x.carga != y.carga) return false;
    }
    for (size_t k = 0; k < a.cargasNudo.size(); ++k) {
        const CargaNudo &x = a.cargasNudo[k], &y = b.cargasNudo[k];
        if (x.nudo != y.nudo || x.fuerza != y.fuerza || x.momento != y.momento) return false;
    }
    return true;
}

QGroupBox* MarcoDeRejilla(const char* nombre, const QString& titulo, RejillaCargas* rejilla) {
    auto* m = Nombrado<QGroupBox>(nombre, titulo);
    auto* capa = new QVBoxLayout(m);
    capa->addWidget(rejilla);
    return m;
}

}  // namespace

DialogoCargas::DialogoCargas(Documento* doc, QWidget* padre) : QDialog(padre), doc_(doc) {
    setObjectName(QStringLiteral("CargCon"));
    setWindowTitle(QStringLiteral("Cargas concentradas en vanos"));

    modeloVanos_ = new ModeloCargasVano(doc_, this);
    modeloNudos_ = new ModeloCargasNudo(doc_, this);
    rejillaVanos_ = new RejillaCargas("SSDBGrid2");
    rejillaVanos_->setModel(modeloVanos_);
    rejillaNudos_ = new RejillaCargas("SSDBGrid3");
    rejillaNudos_->setModel(modeloNudos_);
    // The drop-downs offer the spans and nodes the beam has when the cell is edited.
    rejillaVanos_->setItemDelegateForColumn(
        0, new DelegadoNumero([this] { return doc_->ProyectoActual().numVanos; }, rejillaVanos_));
    rejillaNudos_->setItemDelegateForColumn(
        0,
        new DelegadoNumero([this] { return doc_->ProyectoActual().numVanos + 1; }, rejillaNudos_));
    connect(rejillaVanos_, &RejillaCargas::eliminarFilas, modeloVanos_,
            &ModeloListaCargas::EliminaFilas);
    connect(rejillaNudos_, &RejillaCargas::eliminarFilas, modeloNudos_,
            &ModeloListaCargas::EliminaFilas);

    marcoVanos_ = MarcoDeRejilla("FrameVanos", QStringLiteral("Cargas concentradas en los vanos"),
                                 rejillaVanos_);
    marcoNudos_ = MarcoDeRejilla("FrameNudos", QStringLiteral("Cargas en nudos"), rejillaNudos_);

    auto* ok = BotonSinIntro("SSCommand1", QStringLiteral("OK"));
    connect(ok, &QPushButton::clicked, this, &DialogoCargas::Acepta);

    auto* capa = new QVBoxLayout(this);
    capa->addWidget(marcoVanos_);
    capa->addWidget(marcoNudos_);
    capa->addLayout(FilaBotones({ok}));
    marcoNudos_->hide();
    resize(420, 380);
}

void DialogoCargas::Prepara(Vista vista) {
    vista_ = vista;
    const bool vanos = vista == Vista::Vanos;
    marcoVanos_->setVisible(vanos);
    marcoNudos_->setVisible(!vanos);
    setWindowTitle(vanos ? QStringLiteral("Cargas concentradas en vanos")
                         : QStringLiteral("Cargas en nudos"));
    RejillaCargas* rejilla = vanos ? rejillaVanos_ : rejillaNudos_;
    rejilla->setCurrentIndex(rejilla->model()->index(0, 0));
    rejilla->setFocus();
}

bool DialogoCargas::Acepta() {
    rejillaVanos_->ConfirmaEdicion();
    rejillaNudos_->ConfirmaEdicion();
    Proyecto ordenado = doc_->ProyectoActual();
    const Resultado<CargasAceptadas> r = AceptaCargas(ordenado);
    if (!r) {
        Mensajes::Advierte(this, QString::fromStdString(r.mensaje));
        return false;
    }
    if (!MismasCargas(ordenado, doc_->ProyectoActual()))
        doc_->Aplica(tr("Cargas"), std::move(ordenado));
    if (!r.valor->aviso.empty()) Mensajes::Informa(this, QString::fromStdString(r.valor->aviso));
    accept();
    return true;
}

}  // namespace trabelux
