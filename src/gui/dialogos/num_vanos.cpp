#include "gui/dialogos/num_vanos.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "core/modelo/operaciones.h"
#include "core/modelo/rango.h"
#include "core/texto/numeros.h"
#include "gui/comun/mensajes.h"
#include "gui/documento/documento.h"

namespace trabelux {

namespace {

// Selects the whole text whenever the field receives the focus.
class CampoSeleccionado : public QLineEdit {
  public:
    using QLineEdit::QLineEdit;

  protected:
    void focusInEvent(QFocusEvent* e) override {
        QLineEdit::focusInEvent(e);
        QTimer::singleShot(0, this, &QLineEdit::selectAll);
    }
};

}  // namespace

NumVanos::NumVanos(Documento* doc, QWidget* padre) : QDialog(padre), doc_(doc) {
    setObjectName(QStringLiteral("NumVanos"));
    setWindowTitle(QStringLiteral("Numero de vanos"));

    auto* etiqueta1 =
        new QLabel(QStringLiteral("Entre el numero de vanos. Incluya vuelos si los hay."));
    etiqueta1->setObjectName(QStringLiteral("Label1"));
    etiqueta1->setWordWrap(true);
    numero_ = new CampoSeleccionado;
    numero_->setObjectName(QStringLiteral("Text1"));
    numero_->setMaximumWidth(70);
    numero_->setAlignment(Qt::AlignRight);

    // The spinner: two small arrows that step the count within 1..20.
    auto* flechas = new QWidget;
    flechas->setObjectName(QStringLiteral("UpDown1"));
    auto* capaFlechas = new QVBoxLayout(flechas);
    capaFlechas->setContentsMargins(0, 0, 0, 0);
    capaFlechas->setSpacing(0);
    auto* sube = new QToolButton;
    sube->setArrowType(Qt::UpArrow);
    sube->setAutoRepeat(true);
    sube->setFixedSize(18, 12);
    auto* baja = new QToolButton;
    baja->setArrowType(Qt::DownArrow);
    baja->setAutoRepeat(true);
    baja->setFixedSize(18, 12);
    capaFlechas->addWidget(sube);
    capaFlechas->addWidget(baja);
    connect(sube, &QToolButton::clicked, this, [this] { Paso(+1); });
    connect(baja, &QToolButton::clicked, this, [this] { Paso(-1); });

    auto* etiqueta2 = new QLabel(QStringLiteral("Longitud Tipica de los vanos"));
    etiqueta2->setObjectName(QStringLiteral("Label2"));
    longitud_ = new CampoSeleccionado(QStringLiteral("1.00"));
    longitud_->setObjectName(QStringLiteral("Text2"));
    longitud_->setMaximumWidth(70);
    longitud_->setAlignment(Qt::AlignRight);
    auto* unidad = new QLabel(QStringLiteral("M"));
    unidad->setObjectName(QStringLiteral("Label3"));

    auto* ok = new QPushButton(QStringLiteral("OK"));
    ok->setObjectName(QStringLiteral("Command1"));
    ok->setDefault(true);
    auto* cancelar = new QPushButton(QStringLiteral("Cancel"));
    cancelar->setObjectName(QStringLiteral("Command2"));
    connect(ok, &QPushButton::clicked, this, &NumVanos::Acepta);
    connect(cancelar, &QPushButton::clicked, this, &QDialog::reject);

    auto* rejilla = new QGridLayout;
    rejilla->addWidget(etiqueta1, 0, 0);
    auto* filaNumero = new QHBoxLayout;
    filaNumero->setSpacing(1);
    filaNumero->addWidget(numero_);
    filaNumero->addWidget(flechas);
    rejilla->addLayout(filaNumero, 0, 1, 1, 2, Qt::AlignLeft);
    rejilla->addWidget(etiqueta2, 1, 0);
    rejilla->addWidget(longitud_, 1, 1);
    rejilla->addWidget(unidad, 1, 2);
    rejilla->setColumnStretch(0, 1);
    auto* botones = new QHBoxLayout;
    botones->addStretch();
    botones->addWidget(ok);
    botones->addWidget(cancelar);
    auto* capa = new QVBoxLayout(this);
    capa->addLayout(rejilla);
    capa->addLayout(botones);
    setMinimumWidth(380);
}

void NumVanos::Muestra() {
    numero_->setText(QString::number(doc_->ProyectoActual().numVanos));
    numero_->setFocus();
    open();
}

void NumVanos::Paso(int delta) {
    const double actual = LeeNumero(numero_->text().toStdString());
    const int n = std::clamp(static_cast<int>(std::lround(actual)) + delta, 1, kMaxVanos);
    numero_->setText(QString::number(n));
}

void NumVanos::Acepta() {
    const double leido = LeeNumeroTecleado(numero_->text().toStdString()).value_or(0);
    if (leido < 1 || leido > kMaxVanos || leido != std::floor(leido)) {
        Mensajes::Advierte(this, QStringLiteral("El numero de vanos debe estar entre 1 y 20"));
        numero_->setFocus();
        numero_->selectAll();
        return;
    }
    const int n = static_cast<int>(leido);
    const std::string textoLongitud = longitud_->text().toStdString();
    const std::optional<double> longitudLeida = LeeNumeroTecleado(textoLongitud);
    const QString error =
        !longitudLeida       ? QString::fromStdString(MensajeNoEsNumero(textoLongitud))
        : *longitudLeida < 0 ? QStringLiteral("No se admiten valores negativos")
        : !EnRango(*longitudLeida)
            ? QString::fromStdString(MensajeFueraDeRango(*longitudLeida, "de la longitud tipica"))
            : QString();
    if (!error.isEmpty()) {
        Mensajes::Advierte(this, error);
        longitud_->setFocus();
        longitud_->selectAll();
        return;
    }
    const double longitud = *longitudLeida;
    accept();
    if (n != doc_->ProyectoActual().numVanos) {
        doc_->Modifica(tr("Numero de vanos"),
                       [n, longitud](Proyecto& p) { CambiaNumVanos(p, n, longitud); });
        emit numeroCambiado();
    }
}

}  // namespace trabelux
