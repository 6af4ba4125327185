#include "gui/refuerzo/selector_tipo.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/detallado/tabla_detallado.h"
#include "gui/refuerzo/pintura_refuerzo.h"

namespace trabelux {

SelectorTipo::SelectorTipo(QWidget* padre) : QGroupBox(QStringLiteral("Tipo de sección"), padre) {
    setObjectName(QStringLiteral("Frame1"));
    auto* conjunto = new QWidget;
    conjunto->setObjectName(QStringLiteral("SSDBOptSet1"));
    auto* fila = new QHBoxLayout(conjunto);
    fila->setContentsMargins(0, 0, 0, 0);
    opciones_ = new QButtonGroup(this);
    opciones_->setExclusive(true);
    const QSize icono(56, 48);
    for (int i = 0; i < kNumOpcionesTipo; ++i) {
        auto* b = new QToolButton;
        b->setObjectName(QStringLiteral("Opcion%1").arg(i));
        b->setCheckable(true);
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        b->setText(QString::fromStdString(*CodigoTipo(i)));
        b->setIconSize(icono);
        b->setIcon(IconoForma(*CodigoTipo(i), icono));
        opciones_->addButton(b, i);
        fila->addWidget(b);
    }
    opciones_->button(0)->setChecked(true);

    auto* esteVano = new QPushButton(QStringLiteral("OK este vano"));
    esteVano->setObjectName(QStringLiteral("Command3"));
    auto* todos = new QPushButton(QStringLiteral("OK todos los vanos"));
    todos->setObjectName(QStringLiteral("Command4"));
    auto* cancela = new QPushButton(QStringLiteral("Cancel"));
    cancela->setObjectName(QStringLiteral("Command2"));
    auto* botones = new QVBoxLayout;
    botones->addWidget(esteVano);
    botones->addWidget(todos);
    botones->addWidget(cancela);
    botones->addStretch(1);

    auto* raiz = new QHBoxLayout(this);
    raiz->addWidget(conjunto);
    raiz->addStretch(1);
    raiz->addLayout(botones);

    connect(esteVano, &QPushButton::clicked, this, [this] { emit this->esteVano(Opcion()); });
    connect(todos, &QPushButton::clicked, this, [this] { emit todosLosVanos(Opcion()); });
    connect(cancela, &QPushButton::clicked, this, &SelectorTipo::cancelado);
}

void SelectorTipo::Abre(const std::string& codigo) {
    if (auto opcion = OpcionDeTipo(codigo)) FijaOpcion(*opcion);
    show();
    if (QAbstractButton* b = opciones_->checkedButton()) b->setFocus();
}

int SelectorTipo::Opcion() const { return opciones_->checkedId(); }

void SelectorTipo::FijaOpcion(int opcion) {
    if (QAbstractButton* b = opciones_->button(opcion)) b->setChecked(true);
}

QAbstractButton* SelectorTipo::Boton(int opcion) const { return opciones_->button(opcion); }

}  // namespace trabelux
