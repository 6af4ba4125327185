#include "gui/editor/panel_longitud.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/modelo/operaciones_vanos.h"
#include "core/texto/numeros.h"
#include "gui/comun/controles.h"
#include "gui/comun/mensajes.h"
#include "gui/documento/documento.h"

namespace trabelux {

PanelLongitud::PanelLongitud(Documento* doc, QWidget* padre) : QFrame(padre), doc_(doc) {
    setObjectName(QStringLiteral("SSPanel1"));
    EstiloPanel(this);
    texto_ = Nombrado<QLineEdit>("Text12");
    texto_->setAlignment(Qt::AlignRight);
    auto* ok = Boton("Command4", QStringLiteral("OK"));
    auto* cancelar = Boton("Command6", QStringLiteral("Cancel"));
    auto* capa = new QGridLayout(this);
    capa->addWidget(Nombrado<QLabel>("Label30", QStringLiteral("Longitud del vano")), 0, 0, 1, 2);
    capa->addWidget(texto_, 1, 0);
    capa->addWidget(Nombrado<QLabel>("Label31", QStringLiteral("m")), 1, 1);
    capa->addWidget(ok, 2, 0);
    capa->addWidget(cancelar, 2, 1);
    capa->setRowStretch(3, 1);
    hide();
    connect(ok, &QPushButton::clicked, this, [this] { Cierra(true); });
    connect(cancelar, &QPushButton::clicked, this, [this] { Cierra(false); });
    connect(texto_, &QLineEdit::returnPressed, this, [this] { Cierra(true); });
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* antes, QWidget* ahora) {
        if (antes == texto_ && isVisible() && !(ahora && isAncestorOf(ahora))) Cierra(false);
    });
}

// The application's focus signal fires while child widgets are destroyed: it must not
// reach this panel once its own destructor has begun.
PanelLongitud::~PanelLongitud() { disconnect(qApp, nullptr, this, nullptr); }

void PanelLongitud::Abre(int fila) {
    fila_ = fila;
    texto_->setText(
        QString::fromStdString(Formatea(doc_->ProyectoActual().vanos[fila].longitud, "0.000")));
    show();
    texto_->setFocus();
    texto_->selectAll();
}

void PanelLongitud::Cierra(bool aplica) {
    if (!isVisible()) return;
    const int fila = fila_;
    const std::string texto = texto_->text().toStdString();
    const std::optional<double> leido = LeeNumeroTecleado(texto);
    if (aplica && !leido) {
        Mensajes::Advierte(this, QString::fromStdString(MensajeNoEsNumero(texto)));
        texto_->setFocus();
        texto_->selectAll();
        return;
    }
    const double longitud = leido.value_or(0);
    fila_ = -1;
    hide();
    emit cerrado();
    if (!aplica) return;
    Proyecto prueba = doc_->ProyectoActual();
    if (AplicaLongitud(prueba, fila, longitud))
        doc_->Modifica(tr("Longitud del vano"),
                       [fila, longitud](Proyecto& p) { AplicaLongitud(p, fila, longitud); });
    else
        doc_->Actualiza();
}

}  // namespace trabelux
