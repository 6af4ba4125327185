#include "gui/informe/panel_encabezado.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace trabelux {

namespace {

const char* const kAyuda =
    "Para separar el texto en dos o tres secciones (izquierda, central y derecha), se coloca "
    "entre ellas el signo de barra vertical. Por ejemplo:\n\n"
    "    Edificio K1 | Viga V1| Pag %d\n\n"
    "El texto puede tener varias lineas.";

QPlainTextEdit* EditorTexto(const char* nombre) {
    auto* t = new QPlainTextEdit;
    t->setObjectName(QLatin1String(nombre));
    t->setTabChangesFocus(true);
    t->setMaximumHeight(90);
    return t;
}

}  // namespace

PanelEncabezado::PanelEncabezado(QWidget* padre) : QWidget(padre) {
    setObjectName(QStringLiteral("PanelEncabezado"));
    auto* capa = new QVBoxLayout(this);
    encabezado_ = EditorTexto("Encabezado");
    pie_ = EditorTexto("Pie");
    auto* ayuda = new QLabel(QString::fromLatin1(kAyuda));
    ayuda->setObjectName(QStringLiteral("Ayuda"));
    ayuda->setWordWrap(true);
    auto* boton = new QPushButton(QStringLiteral("&Aceptar"));
    boton->setObjectName(QStringLiteral("AceptaEncabezado"));
    capa->addWidget(new QLabel(QStringLiteral("Header")));
    capa->addWidget(encabezado_);
    capa->addWidget(new QLabel(QStringLiteral("Footer")));
    capa->addWidget(pie_);
    capa->addWidget(ayuda);
    // The names the title block prints over the lines to sign on.
    auto* firmas = new QFormLayout;
    calculo_ = new QLineEdit;
    calculo_->setObjectName(QStringLiteral("Calculo"));
    reviso_ = new QLineEdit;
    reviso_->setObjectName(QStringLiteral("Reviso"));
    firmas->addRow(QStringLiteral("Calc&uló:"), calculo_);
    firmas->addRow(QStringLiteral("&Revisó:"), reviso_);
    capa->addLayout(firmas);
    capa->addStretch();
    capa->addWidget(boton);
    connect(boton, &QPushButton::clicked, this, &PanelEncabezado::aceptado);
}

void PanelEncabezado::Muestra(const QString& encabezado, const QString& pie,
                              const QString& nombreViga, const QString& calculo,
                              const QString& reviso) {
    encabezado_->setPlainText(encabezado.isEmpty() ? nombreViga + QLatin1Char('|') : encabezado);
    pie_->setPlainText(pie.isEmpty() ? QStringLiteral("||Pag %d") : pie);
    calculo_->setText(calculo);
    reviso_->setText(reviso);
}

QString PanelEncabezado::Encabezado() const { return encabezado_->toPlainText(); }
QString PanelEncabezado::Pie() const { return pie_->toPlainText(); }
QString PanelEncabezado::Calculo() const { return calculo_->text(); }
QString PanelEncabezado::Reviso() const { return reviso_->text(); }

}  // namespace trabelux
