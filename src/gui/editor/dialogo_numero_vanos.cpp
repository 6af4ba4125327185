#include "gui/editor/dialogo_numero_vanos.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "core/modelo/operaciones_vanos.h"
#include "core/modelo/rango.h"
#include "core/texto/numeros.h"
#include "gui/comun/campo_texto.h"
#include "gui/comun/controles.h"
#include "gui/comun/mensajes.h"
#include "gui/documento/documento.h"

namespace trabelux {

namespace {

const QString kLongitudInicial = QStringLiteral("1.00");

CampoTexto* CampoNumero(const char* nombre) {
    auto* c = new CampoTexto(nombre, CampoTexto::Destino::kLectura);
    c->setMaximumWidth(70);
    c->setAlignment(Qt::AlignRight);
    return c;
}

QToolButton* Flecha(Qt::ArrowType tipo) {
    auto* f = new QToolButton;
    f->setArrowType(tipo);
    f->setAutoRepeat(true);
    f->setFixedSize(18, 12);
    return f;
}

}  // namespace

DialogoNumeroVanos::DialogoNumeroVanos(Documento* doc, QWidget* padre) : QDialog(padre), doc_(doc) {
    setObjectName(QStringLiteral("NumVanos"));
    setWindowTitle(QStringLiteral("Numero de vanos"));

    auto* etiqueta1 = Nombrado<QLabel>(
        "Label1", QStringLiteral("Entre el numero de vanos. Incluya vuelos si los hay."));
    etiqueta1->setWordWrap(true);
    numero_ = CampoNumero("Text1");

    // The spinner: two small arrows that step the count within 1..20.
    auto* flechas = Nombrado<QWidget>("UpDown1");
    auto* capaFlechas = new QVBoxLayout(flechas);
    capaFlechas->setContentsMargins(0, 0, 0, 0);
    capaFlechas->setSpacing(0);
    auto* sube = Flecha(Qt::UpArrow);
    auto* baja = Flecha(Qt::DownArrow);
    capaFlechas->addWidget(sube);
    capaFlechas->addWidget(baja);
    connect(sube, &QToolButton::clicked, this, [this] { Paso(+1); });
    connect(baja, &QToolButton::clicked, this, [this] { Paso(-1); });

    longitud_ = CampoNumero("Text2");
    longitud_->setText(kLongitudInicial);
    auto* ok = Boton("Command1", QStringLiteral("OK"));
    ok->setDefault(true);
    auto* cancelar = Boton("Command2", QStringLiteral("Cancel"));
    connect(ok, &QPushButton::clicked, this, &DialogoNumeroVanos::Acepta);
    connect(cancelar, &QPushButton::clicked, this, &QDialog::reject);

    auto* rejilla = new QGridLayout;
    rejilla->addWidget(etiqueta1, 0, 0);
    auto* filaNumero = new QHBoxLayout;
    filaNumero->setSpacing(1);
    filaNumero->addWidget(numero_);
    filaNumero->addWidget(flechas);
    rejilla->addLayout(filaNumero, 0, 1, 1, 2, Qt::AlignLeft);
    rejilla->addWidget(Nombrado<QLabel>("Label2", QStringLiteral("Longitud Tipica de los vanos")),
                       1, 0);
    rejilla->addWidget(longitud_, 1, 1);
    rejilla->addWidget(Nombrado<QLabel>("Label3", QStringLiteral("M")), 1, 2);
    rejilla->setColumnStretch(0, 1);
    auto* capa = new QVBoxLayout(this);
    capa->addLayout(rejilla);
    capa->addLayout(FilaBotones({ok, cancelar}));
    setMinimumWidth(380);
}

void DialogoNumeroVanos::Muestra() {
    numero_->setText(QString::number(doc_->ProyectoActual().numVanos));
    numero_->setFocus();
    open();
}

void DialogoNumeroVanos::Reinicia() { longitud_->setText(kLongitudInicial); }

void DialogoNumeroVanos::Paso(int delta) {
    const double actual = LeeNumero(numero_->text().toStdString());
    const int n = std::clamp(static_cast<int>(std::lround(actual)) + delta, 1, kMaxVanos);
    numero_->setText(QString::number(n));
}

void DialogoNumeroVanos::Acepta() {
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
