#include "gui/informe/panel_estilos.h"

#include <QEvent>
#include <QFontInfo>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

#include "gui/comun/controles.h"
#include "gui/comun/mensajes.h"

namespace trabelux {

namespace {

struct FilaPanel {
    int fila;
    const char* nombre;
};
// Row 2 is not used.
constexpr FilaPanel kFilas[] = {
    {kEstiloHeader, "Header"},
    {kEstiloFooter, "Footer"},
    {kEstiloSubtitulos, "Sub-Titulos"},
    {kEstiloTexto, "Texto"},
    {kEstiloCortante, "Diagrama Cortante"},
    {kEstiloMomento, "Diagrama Momento"},
    {kEstiloRefuerzo, "Refuerzo"},
};

bool TieneFuente(int fila) { return fila <= kEstiloTexto; }

QFont FuenteDe(const EstiloTexto& e) {
    QFont f(QString::fromStdString(e.fuente));
    f.setPointSizeF(e.tamano);
    f.setBold(e.negrita);
    f.setItalic(e.cursiva);
    f.setUnderline(e.subrayado);
    f.setStrikeOut(e.tachado);
    return f;
}

// A font name whole on its button: on one line when it fits `ancho` pixels, otherwise on
// two, split at the space that leaves the narrower widest line.
QString NombreEnLineas(const QString& nombre, const QFontMetrics& fm, int ancho) {
    QString mejor = nombre;
    int anchoMejor = fm.horizontalAdvance(nombre);
    if (anchoMejor <= ancho) return nombre;
    for (auto i = nombre.indexOf(QLatin1Char(' ')); i >= 0;
         i = nombre.indexOf(QLatin1Char(' '), i + 1)) {
        const int w =
            std::max(fm.horizontalAdvance(nombre.left(i)), fm.horizontalAdvance(nombre.mid(i + 1)));
        if (w < anchoMejor) {
            anchoMejor = w;
            mejor = nombre.left(i) + QLatin1Char('\n') + nombre.mid(i + 1);
        }
    }
    return mejor;
}

// Shows the font name kept in the button's tooltip as its width allows.
void AjustaNombre(QPushButton* b) {
    const int margen = 2 * b->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, b);
    b->setText(NombreEnLineas(b->toolTip(), b->fontMetrics(), b->width() - margen));
}

// A button of a style row ("Fuente0", "Color5"), flat: its text or colour is the value.
QPushButton* BotonFila(const char* columna, int fila) {
    const QByteArray nombre = columna + QByteArray::number(fila);
    auto* b = BotonSinIntro(nombre.constData(), QString());
    b->setFlat(true);
    return b;
}

}  // namespace

PanelEstilos::PanelEstilos(ConfiguracionInforme* config, QWidget* padre)
    : QWidget(padre), config_(config) {
    setObjectName(QStringLiteral("PanelEstilos"));
    auto* capa = new QVBoxLayout(this);
    auto* rejilla = new QGridLayout;
    const char* const titulos[] = {"Font", "Tamaño", "Efecto", "Color"};
    for (int c = 0; c < 4; ++c)
        rejilla->addWidget(new QLabel(QString::fromUtf8(titulos[c])), 0, c + 1, Qt::AlignCenter);
    int r = 1;
    for (const FilaPanel& fp : kFilas) {
        Fila& f = filas_[fp.fila];
        f.nombre = new QLabel(QString::fromLatin1(fp.nombre));
        // The two-word names take two lines in a narrow panel.
        f.nombre->setWordWrap(f.nombre->text().contains(QLatin1Char(' ')));
        f.nombre->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("Sub-Titulos")) +
                                  4);
        rejilla->addWidget(f.nombre, r, 0);
        if (TieneFuente(fp.fila)) {
            f.fuente = BotonFila("Fuente", fp.fila);
            f.tamano = BotonFila("Tamano", fp.fila);
            f.efecto = BotonFila("Efecto", fp.fila);
            // The size and the effect take what their texts need; the name the rest.
            f.tamano->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("Tamaño")) +
                                      12);
            f.efecto->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("Regular")) +
                                      16);
            f.fuente->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
            f.fuente->installEventFilter(this);
            rejilla->addWidget(f.fuente, r, 1);
            rejilla->addWidget(f.tamano, r, 2);
            rejilla->addWidget(f.efecto, r, 3);
            for (QPushButton* b : {f.fuente, f.tamano, f.efecto})
                connect(b, &QPushButton::clicked, this,
                        [this, fila = fp.fila] { EligeFuente(fila); });
        }
        f.color = BotonFila("Color", fp.fila);
        f.color->setFlat(false);
        f.color->setFixedSize(36, 20);
        rejilla->addWidget(f.color, r, 4, Qt::AlignCenter);
        connect(f.color, &QPushButton::clicked, this, [this, fila = fp.fila] { EligeColor(fila); });
        ++r;
    }
    rejilla->setColumnStretch(1, 1);
    capa->addLayout(rejilla);
    capa->addStretch();
    auto* boton = Boton("AceptaEstilos", QStringLiteral("&Aceptar"));
    capa->addWidget(boton);
    connect(boton, &QPushButton::clicked, this, &PanelEstilos::aceptado);
}

void PanelEstilos::Muestra(bool diagramas, bool refuerzo) {
    for (const FilaPanel& fp : kFilas) MuestraFila(fp.fila);
    for (int fila : {kEstiloCortante, kEstiloMomento}) {
        filas_[fila].nombre->setEnabled(diagramas);
        filas_[fila].color->setEnabled(diagramas);
    }
    filas_[kEstiloRefuerzo].nombre->setEnabled(refuerzo);
    filas_[kEstiloRefuerzo].color->setEnabled(refuerzo);
}

void PanelEstilos::MuestraFila(int fila) {
    const EstiloTexto& e = config_->estilos[fila];
    Fila& f = filas_[fila];
    if (f.fuente) {
        f.fuente->setToolTip(QString::fromStdString(e.fuente));
        AjustaNombre(f.fuente);
        f.tamano->setText(QString::number(e.tamano));
        // The effect is written in the effects it names.
        QFont muestra = FuenteDe(e);
        muestra.setPointSizeF(font().pointSizeF());
        muestra.setFamily(font().family());
        f.efecto->setFont(muestra);
        f.efecto->setText(e.negrita ? QStringLiteral("Bold") : QStringLiteral("Regular"));
    }
    const QColor c(e.color.r, e.color.g, e.color.b);
    f.color->setStyleSheet(QStringLiteral("background-color: %1").arg(c.name()));
    f.color->setToolTip(c.name());
}

bool PanelEstilos::eventFilter(QObject* objeto, QEvent* evento) {
    if (evento->type() == QEvent::Resize)
        if (auto* b = qobject_cast<QPushButton*>(objeto)) AjustaNombre(b);
    return QWidget::eventFilter(objeto, evento);
}

void PanelEstilos::EligeFuente(int fila) {
    if (!TieneFuente(fila)) return;
    EstiloTexto& e = config_->estilos[fila];
    QFont elegida;
    if (!Mensajes::PideFuente(this, FuenteDe(e), elegida)) return;
    // The family a stored name resolves to is that name: keeping it leaves the style as
    // it was when the user accepts the dialog without a change.
    if (elegida.family() != QFontInfo(FuenteDe(e)).family())
        e.fuente = elegida.family().toStdString();
    if (elegida.pointSizeF() > 0) e.tamano = elegida.pointSizeF();
    e.negrita = elegida.bold();
    e.cursiva = elegida.italic();
    e.subrayado = elegida.underline();
    e.tachado = elegida.strikeOut();
    MuestraFila(fila);
}

void PanelEstilos::EligeColor(int fila) {
    EstiloTexto& e = config_->estilos[fila];
    QColor elegido;
    if (!Mensajes::PideColor(this, QColor(e.color.r, e.color.g, e.color.b), elegido)) return;
    e.color = Color{elegido.red(), elegido.green(), elegido.blue()};
    MuestraFila(fila);
}

}  // namespace trabelux
