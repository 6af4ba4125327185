#include "informe/panel_encabezado.h"

#include <QLabel>
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
    capa->addStretch();
    capa->addWidget(boton);
    connect(boton, &QPushButton::clicked, this, &PanelEncabezado::aceptado);
}

void PanelEncabezado::Muestra(const QString& encabezado, const QString& pie,
                              const QString& nombreViga) {
    encabezado_->setPlainText(encabezado.isEmpty() ? nombreViga + QLatin1Char('|') : encabezado);
    pie_->setPlainText(pie.isEmpty() ? QStringLiteral("||Pag %d") : pie);
}

QString PanelEncabezado::Encabezado() const { return encabezado_->toPlainText(); }
QString PanelEncabezado::Pie() const { return pie_->toPlainText(); }

}  // namespace trabelux
