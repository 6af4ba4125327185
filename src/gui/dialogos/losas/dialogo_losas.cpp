#include "gui/dialogos/losas/dialogo_losas.h"

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

#include "core/losas/asignacion.h"
#include "gui/comun/campo_texto.h"
#include "gui/comun/controles.h"
#include "gui/comun/mensajes.h"
#include "gui/comun/rejilla_editable.h"
#include "gui/dialogos/losas/modelos_losas.h"
#include "gui/documento/documento.h"

namespace trabelux {

namespace {

// Picks a slab number from the slab list, shown as a small table of the slabs.
class DelegadoLosa : public QStyledItemDelegate {
  public:
    DelegadoLosa(ModeloListaLosas* lista, QObject* padre)
        : QStyledItemDelegate(padre), lista_(lista) {}

    QWidget* createEditor(QWidget* padre, const QStyleOptionViewItem&,
                          const QModelIndex&) const override {
        auto* combo = new QComboBox(padre);
        combo->setModel(lista_);
        combo->setModelColumn(0);
        auto* vista = new QTableView;
        vista->setObjectName(QStringLiteral("SSDBDropDown1"));
        vista->setSelectionBehavior(QAbstractItemView::SelectRows);
        vista->verticalHeader()->hide();
        vista->verticalHeader()->setDefaultSectionSize(vista->fontMetrics().height() + 6);
        vista->horizontalHeader()->setMinimumSectionSize(64);
        vista->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
        vista->setShowGrid(false);
        combo->setView(vista);
        vista->setMinimumWidth(5 * 64 + 2 * vista->frameWidth() + 4);
        connect(combo, QOverload<int>::of(&QComboBox::activated), this, [this, combo] {
            auto* yo = const_cast<DelegadoLosa*>(this);
            emit yo->commitData(combo);
        });
        return combo;
    }
    void setEditorData(QWidget* editor, const QModelIndex& indice) const override {
        auto* combo = static_cast<QComboBox*>(editor);
        combo->setCurrentIndex(combo->findText(QString::number(indice.data(Qt::EditRole).toInt())));
    }
    void setModelData(QWidget* editor, QAbstractItemModel* modelo,
                      const QModelIndex& indice) const override {
        auto* combo = static_cast<QComboBox*>(editor);
        if (combo->currentIndex() < 0) return;
        modelo->setData(indice, lista_->index(combo->currentIndex(), 0).data(Qt::EditRole),
                        Qt::EditRole);
    }

  private:
    ModeloListaLosas* lista_;
};

bool MismaAsignacion(const Proyecto& p, const std::string& direccion, bool incluye,
                     const std::vector<AsignacionLosa>& filas) {
    if (p.direccionViga != direccion || p.incluyePesoLosa != incluye ||
        p.asignacion.size() != filas.size())
        return false;
    for (size_t k = 0; k < filas.size(); ++k)
        if (p.asignacion[k].primera != filas[k].primera ||
            p.asignacion[k].segunda != filas[k].segunda)
            return false;
    return true;
}

}  // namespace

DialogoLosas::DialogoLosas(Documento* doc, QWidget* padre) : QDialog(padre), doc_(doc) {
    setObjectName(QStringLiteral("LosNum"));
    setWindowTitle(QStringLiteral("Losas adyacentes a la viga"));

    descripcion_ = new CampoTexto("Text1");
    // The description comes from the slab file and is not stored with the project.
    descripcion_->setReadOnly(true);
    direccion_ = new CampoTexto("Text3");
    direccion_->setMaximumWidth(50);
    direccion_->setAlignment(Qt::AlignCenter);
    auto* boton = BotonSinIntro("SSCommand1", QStringLiteral("X / Y"));
    connect(boton, &QPushButton::clicked, this, &DialogoLosas::CambiaDireccion);

    auto* pregunta = Nombrado<QGroupBox>(
        "FramePeso", QStringLiteral("Incluye el peso de la losa en el peso propio de la viga?"));
    si_ = Nombrado<QRadioButton>("Option1_0", QStringLiteral("SI"));
    no_ = Nombrado<QRadioButton>("Option1_1", QStringLiteral("NO"));
    auto* grupo = new QButtonGroup(this);
    grupo->addButton(si_, 0);
    grupo->addButton(no_, 1);
    auto* capaPregunta = new QHBoxLayout(pregunta);
    capaPregunta->addWidget(si_);
    capaPregunta->addWidget(no_);
    capaPregunta->addStretch();

    listaLosas_ = new ModeloListaLosas(doc_, this);
    listaLosas_->setObjectName(QStringLiteral("ListaLosas"));
    asignacion_ = new ModeloAsignacion(this);
    rejilla_ = new RejillaEditable("DBGrid1");
    rejilla_->setModel(asignacion_);
    auto* delegado = new DelegadoLosa(listaLosas_, rejilla_);
    rejilla_->setItemDelegateForColumn(1, delegado);
    rejilla_->setItemDelegateForColumn(2, delegado);
    rejilla_->setSelectionMode(QAbstractItemView::SingleSelection);
    rejilla_->verticalHeader()->hide();
    rejilla_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    rejilla_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);

    auto* ok = BotonSinIntro("SSCommand2", QStringLiteral("OK"));
    connect(ok, &QPushButton::clicked, this, &DialogoLosas::Acepta);

    auto* arriba = new QGridLayout;
    arriba->addWidget(Nombrado<QLabel>("Label1", QStringLiteral("Descripcion de Losas")), 0, 0);
    arriba->addWidget(descripcion_, 0, 1, 1, 3);
    arriba->addWidget(Nombrado<QLabel>("Label3", QStringLiteral("Direccion de la viga")), 1, 0);
    arriba->addWidget(direccion_, 1, 1);
    arriba->addWidget(boton, 1, 2, Qt::AlignLeft);
    arriba->setColumnStretch(3, 1);
    auto* capa = new QVBoxLayout(this);
    capa->addLayout(arriba);
    capa->addWidget(pregunta);
    capa->addWidget(rejilla_, 1);
    capa->addLayout(FilaBotones({ok}));
    resize(480, 420);
    Prepara();
}

void DialogoLosas::Prepara() {
    const Proyecto& p = doc_->ProyectoActual();
    descripcion_->setText(p.losas ? QString::fromStdString(p.losas->descripcion) : QString());
    descripcion_->setCursorPosition(0);
    direccion_->setText(QString::fromStdString(p.direccionViga));
    si_->setChecked(p.incluyePesoLosa);
    no_->setChecked(!p.incluyePesoLosa);
    asignacion_->Carga(p);
    if (asignacion_->rowCount() > 0) rejilla_->setCurrentIndex(asignacion_->index(0, 1));
    rejilla_->setFocus();
}

void DialogoLosas::CambiaDireccion() {
    direccion_->setText(
        QString::fromStdString(trabelux::CambiaDireccion(direccion_->text().toStdString())));
}

bool DialogoLosas::Acepta() {
    // A slab number still being picked counts.
    rejilla_->ConfirmaEdicion();
    const std::string direccion = direccion_->text().toStdString();
    const bool incluye = si_->isChecked();
    const std::vector<AsignacionLosa> filas = asignacion_->Filas();
    Proyecto prueba = doc_->ProyectoActual();
    const Estado r = AceptaLosas(prueba, direccion, incluye, filas);
    if (!r) {
        Mensajes::Advierte(this, QString::fromStdString(r.Mensaje()));
        return false;
    }
    if (!MismaAsignacion(doc_->ProyectoActual(), direccion, incluye, filas))
        doc_->Aplica(tr("Losas adyacentes"), std::move(prueba));
    QDialog::accept();
    return true;
}

void DialogoLosas::reject() { Acepta(); }

}  // namespace trabelux
