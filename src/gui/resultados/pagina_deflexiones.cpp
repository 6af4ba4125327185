#include "gui/resultados/pagina_deflexiones.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "core/reporte/tablas_resultados.h"
#include "core/texto/numeros.h"
#include "gui/resultados/modelo_tabla_resultados.h"
#include "gui/resultados/vista_tabla_resultados.h"

namespace trabelux {

namespace {

// The deflections' table as the other result grids show it (the same view, so the same
// selection and Ctrl+C), its cells the texts the report prints, centred, a failing span's
// verdict in red.
class ModeloDeflexiones : public ModeloTablaResultados {
  public:
    using ModeloTablaResultados::ModeloTablaResultados;
    QVariant data(const QModelIndex& index, int role) const override {
        if (role == Qt::TextAlignmentRole && index.isValid()) return int(Qt::AlignCenter);
        if (role == Qt::ForegroundRole && index.isValid() &&
            Texto(index.row(), index.column()) == QLatin1String(kNoCumple))
            return QColor(200, 0, 0);
        return ModeloTablaResultados::data(index, role);
    }
};

std::vector<ColumnaResultados> ColumnasDeTexto(const std::vector<std::string>& titulos) {
    std::vector<ColumnaResultados> columnas;
    for (const std::string& t : titulos) columnas.push_back({QString::fromStdString(t), {}});
    return columnas;
}

}  // namespace

VistaDeflexiones::VistaDeflexiones(QWidget* parent) : QWidget(parent) {
    setObjectName("DibujoDeflexiones");
    setMinimumHeight(160);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    setMouseTracking(true);
    sonda_ = new QLabel(this);
    sonda_->setObjectName("SondaDeflexiones");
    sonda_->setFrameShape(QFrame::Box);
    sonda_->setAutoFillBackground(true);
    sonda_->hide();
}

QString VistaDeflexiones::LecturaEn(double px) const {
    if (d_.estaciones.size() != x_.size()) return {};
    double largo = 0;
    for (const auto& xs : x_)
        if (!xs.empty()) largo += xs.back();
    const double ancho = width() - 2 * kMargen;
    if (!(largo > 0) || ancho <= 0) return {};
    const double x = (px - kMargen) * largo / ancho;
    if (x < 0 || x > largo) return {};
    double inicio = 0;
    for (size_t i = 0; i < x_.size(); ++i) {
        const std::vector<float>& xs = x_[i];
        if (xs.empty()) continue;
        if (x <= inicio + xs.back() || i + 1 == x_.size()) {
            size_t k = 0;
            for (size_t m = 1; m < xs.size(); ++m)
                if (std::abs(xs[m] - (x - inicio)) < std::abs(xs[k] - (x - inicio))) k = m;
            return QStringLiteral("Vano %1, x = %2 m: ").arg(i + 1).arg(xs[k], 0, 'f', 2) +
                   QString::fromUtf8("Δ = ") +
                   QString::number(static_cast<double>(d_.estaciones[i][k]), 'f', 2) +
                   QStringLiteral(" cm");
        }
        inicio += xs.back();
    }
    return {};
}

void VistaDeflexiones::mouseMoveEvent(QMouseEvent* evento) {
    const QString texto = LecturaEn(evento->position().x());
    if (texto.isEmpty()) {
        sonda_->hide();
        return;
    }
    sonda_->setText(texto);
    sonda_->adjustSize();
    const QPoint p = evento->position().toPoint();
    sonda_->move(std::clamp(p.x() + 12, 0, std::max(width() - sonda_->width(), 0)),
                 std::clamp(p.y() + 12, 0, std::max(height() - sonda_->height(), 0)));
    sonda_->show();
}

void VistaDeflexiones::leaveEvent(QEvent*) { sonda_->hide(); }

void VistaDeflexiones::Muestra(const std::vector<std::vector<float>>& x, const Deflexiones& d) {
    x_ = x;
    d_ = d;
    sonda_->hide();
    update();
}

void VistaDeflexiones::paintEvent(QPaintEvent*) {
    if (d_.estaciones.empty() || d_.estaciones.size() != x_.size()) return;
    QPainter pintor(this);
    pintor.setRenderHint(QPainter::Antialiasing);
    // The beam's length and the largest deflection each way set the scales: a cantilever's
    // tip may rise.
    double largo = 0, abajo = 0, arriba = 0;
    for (size_t i = 0; i < x_.size(); ++i) {
        if (!x_[i].empty()) largo += x_[i].back();
        for (float v : d_.estaciones[i]) {
            abajo = std::max(abajo, static_cast<double>(v));
            arriba = std::max(arriba, -static_cast<double>(v));
        }
    }
    if (!(largo > 0)) return;
    const double margen = kMargen, ancho = width() - 2 * margen;
    const double texto = QFontMetricsF(font()).height() + 4;
    const double alto = std::max(height() - 2 * texto - 20, 10.0);
    const double ey = abajo + arriba > 0 ? alto / (abajo + arriba) : 0;
    const double ejeY = 10 + texto + arriba * ey;
    const double ex = ancho / largo;
    pintor.setPen(QPen(Qt::black, 2));
    pintor.drawLine(QPointF(margen, ejeY), QPointF(margen + ancho, ejeY));
    const QFontMetricsF medida(font());
    double inicio = 0;
    for (size_t i = 0; i < x_.size(); ++i) {
        const std::vector<float>& xs = x_[i];
        const std::vector<float>& ds = d_.estaciones[i];
        pintor.setPen(QPen(Qt::black, 1));
        pintor.drawLine(QPointF(margen + inicio * ex, ejeY - 6),
                        QPointF(margen + inicio * ex, ejeY + 6));
        QPainterPath curva;
        for (size_t k = 0; k < xs.size() && k < ds.size(); ++k) {
            const QPointF q(margen + (inicio + xs[k]) * ex, ejeY + ds[k] * ey);
            if (k == 0)
                curva.moveTo(q);
            else
                curva.lineTo(q);
        }
        const bool cumple = i < d_.vanos.size() && d_.vanos[i].cumple;
        pintor.setPen(QPen(cumple ? QColor(0, 0, 200) : QColor(200, 0, 0), 1.5));
        pintor.drawPath(curva);
        if (i < d_.vanos.size()) {
            const DeflexionVano& v = d_.vanos[i];
            const QString etiqueta = QString::fromUtf8("Δ = ") +
                                     QString::fromStdString(Formatea(v.deltaDL, "0.00")) + " cm";
            const QPointF punto(margen + (inicio + v.xMax) * ex, ejeY + v.deltaDL * ey);
            pintor.drawEllipse(punto, 2.5, 2.5);
            pintor.setPen(Qt::black);
            const double w = medida.horizontalAdvance(etiqueta);
            // Under a point that sags, above one that rises.
            const double y = v.deltaDL >= 0 ? punto.y() + medida.height() + 2 : punto.y() - 6;
            pintor.drawText(QPointF(std::clamp(punto.x() - w / 2, 2.0, width() - w - 2), y),
                            etiqueta);
        }
        if (!xs.empty()) inicio += xs.back();
    }
    pintor.setPen(QPen(Qt::black, 1));
    pintor.drawLine(QPointF(margen + inicio * ex, ejeY - 6),
                    QPointF(margen + inicio * ex, ejeY + 6));
}

PaginaDeflexiones::PaginaDeflexiones(QWidget* parent) : QWidget(parent) {
    setObjectName("PaginaDeflexiones");
    const TablaTexto vacia = TablaDeflexiones({});
    auto* marco = new QGroupBox(QString::fromStdString(vacia.marco));
    auto* v = new QVBoxLayout(marco);
    auto* leyenda = new QLabel(QString::fromStdString(vacia.titulo));
    leyenda->setAlignment(Qt::AlignCenter);
    leyenda->setFrameShape(QFrame::StyledPanel);
    v->addWidget(leyenda);
    modelo_ = new ModeloDeflexiones(ColumnasDeTexto(vacia.columnas), this);
    tabla_ = new VistaTablaResultados;
    tabla_->setObjectName("TablaDeflexiones");
    tabla_->setModel(modelo_);
    v->addWidget(tabla_, 1);
    nota_ = new QLabel;
    nota_->setWordWrap(true);
    v->addWidget(nota_);

    auto* calculadas = new QWidget;
    auto* c = new QVBoxLayout(calculadas);
    c->setContentsMargins(0, 0, 0, 0);
    vista_ = new VistaDeflexiones;
    c->addWidget(vista_, 2);
    c->addWidget(marco, 2);

    motivo_ = new QLabel;
    motivo_->setObjectName("MotivoDeflexiones");
    motivo_->setAlignment(Qt::AlignCenter);
    motivo_->setWordWrap(true);

    pila_ = new QStackedWidget;
    pila_->addWidget(calculadas);
    pila_->addWidget(motivo_);
    auto* raiz = new QVBoxLayout(this);
    raiz->setContentsMargins(0, 0, 0, 0);
    raiz->addWidget(pila_);
}

void PaginaDeflexiones::Muestra(const std::vector<std::vector<float>>& estaciones,
                                const Deflexiones& d) {
    if (!d.noCalculadas.empty()) {
        motivo_->setText(QString::fromStdString(d.noCalculadas));
        pila_->setCurrentIndex(1);
        modelo_->Vacia();
        return;
    }
    pila_->setCurrentIndex(0);
    const TablaTexto t = TablaDeflexiones(d);
    std::vector<FilaResultados> filas;
    for (const auto& fila : t.filas) {
        FilaResultados celdas;
        for (const std::string& celda : fila) celdas.push_back(QString::fromStdString(celda));
        filas.push_back(std::move(celdas));
    }
    modelo_->Llena(std::move(filas));
    nota_->setText(QString::fromStdString(t.nota));
    nota_->setVisible(!t.nota.empty());
    vista_->Muestra(estaciones, d);
}

}  // namespace trabelux
