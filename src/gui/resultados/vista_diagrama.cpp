// A results drawing surface; see superficie_diagrama.h.
#include "gui/resultados/vista_diagrama.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "core/texto/numeros.h"
#include "gui/comun/conversion_dibujo.h"

namespace trabelux {

namespace {

// The classic palette's light red and light blue, and darker shades for the written values.
const QColor kRojoClaro(255, 0, 0);
const QColor kAzulClaro(0, 0, 255);
const QColor kRojoOscuro(150, 0, 0);
const QColor kAzulOscuro(0, 0, 150);

QPen Pluma(const QColor& color, double anchoPixeles) {
    QPen p(color, anchoPixeles);
    p.setCosmetic(true);  // widths in pixels whatever the surface scale
    p.setJoinStyle(Qt::RoundJoin);
    p.setCapStyle(Qt::RoundCap);
    return p;
}

QLabel* NuevaEtiqueta(QWidget* padre, const QString& nombre) {
    auto* e = new QLabel(padre);
    e->setObjectName(nombre);
    e->setAutoFillBackground(true);
    QPalette pal = e->palette();
    pal.setColor(QPalette::Window, QColor(255, 255, 225));
    pal.setColor(QPalette::WindowText, Qt::black);
    e->setPalette(pal);
    e->setFrameShape(QFrame::Box);
    e->setMargin(2);
    e->setAttribute(Qt::WA_TransparentForMouseEvents);
    e->hide();
    return e;
}

}  // namespace

VistaDiagrama::VistaDiagrama(Superficie tipo, const DatosDiagramas* datos, QWidget* parent)
    : QWidget(parent), tipo_(tipo), datos_(datos) {
    const bool cortante = tipo == Superficie::kCortantes;
    setObjectName(tipo == Superficie::kReacciones ? "SuperficieReacciones"
                  : cortante                      ? "SuperficieCortantes"
                                                  : "SuperficieMomentos");
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(tipo != Superficie::kReacciones);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    // The reactions surface has no probe; its labels stay hidden.
    const bool reacciones = tipo == Superficie::kReacciones;
    sonda_ = NuevaEtiqueta(this, reacciones ? "SondaReacciones" : cortante ? "Label9" : "Label10");
    sonda_->move(6, 6);
}

QSizeF VistaDiagrama::TamanoUnidades() const {
    return QSizeF(width(), height()) * kUnidadesPorPixel;
}

Magnitud VistaDiagrama::MagnitudSuperficie() const {
    return tipo_ == Superficie::kMomentos ? Magnitud::kMomento : Magnitud::kCortante;
}

VistaDiagrama::Geometria VistaDiagrama::CalculaGeometria() const {
    Geometria g;
    const QSizeF tam = TamanoUnidades();
    const VigaDibujo& viga = datos_->viga;
    const Resultados& r = datos_->resultados;
    g.linea = LineaBaseDiagrama(DeQt(tam), viga.numVanos, tipo_);
    g.escH = EscalaHorizontal(g.linea, viga.longitudes);
    if (tipo_ != Superficie::kReacciones && r.AnalisisCompleto()) {
        const Magnitud m = MagnitudSuperficie();
        const double maximo = MaximoAbsoluto(
            r.diagramas, viga.numVanos, m, m == Magnitud::kCortante ? r.maxCortante : r.maxMomento);
        g.escV = EscalaVertical(tam.height(), maximo);
    }
    return g;
}

std::optional<LecturaSonda> VistaDiagrama::ValorEn(QPointF pixel) const {
    if (tipo_ == Superficie::kReacciones) return std::nullopt;
    const Geometria g = CalculaGeometria();
    return SondaVano(g.linea, g.escH, g.escV, datos_->viga, datos_->resultados.diagramas,
                     MagnitudSuperficie(), DeQt(pixel * kUnidadesPorPixel));
}

void VistaDiagrama::Sondea(QPointF pixel) {
    sonda_->hide();
    const auto v = ValorEn(pixel);
    if (!v) return;
    sonda_->setText(ToQt(TextoSonda(MagnitudSuperficie(), *v)));
    sonda_->adjustSize();
    sonda_->show();
}

void VistaDiagrama::OcultaSonda() { sonda_->hide(); }

void VistaDiagrama::mousePressEvent(QMouseEvent* evento) {
    Sondea(evento->position());
    QWidget::mousePressEvent(evento);
}

void VistaDiagrama::mouseMoveEvent(QMouseEvent* evento) {
    Sondea(evento->position());
    QWidget::mouseMoveEvent(evento);
}

void VistaDiagrama::leaveEvent(QEvent* evento) {
    sonda_->hide();
    QWidget::leaveEvent(evento);
}

void VistaDiagrama::EscribeValores(QPainter& p, const std::vector<ValorEscrito>& valores,
                                   const std::vector<Poligonal>& obstaculos, const LineaBase& linea,
                                   const QColor& color) const {
    // Measured and written in pixels, so the text keeps its size whatever the scale.
    QFont letra = font();
    letra.setPointSizeF(std::max(7.0, letra.pointSizeF() - 1));
    const QFontMetricsF fm(letra);
    std::vector<Tamano> tamanos;
    std::vector<QString> textos;
    for (const auto& v : valores) {
        textos.push_back(QString::fromStdString(Formatea(v.valor, "0.00")));
        tamanos.push_back({(fm.horizontalAdvance(textos.back()) + 4) * kUnidadesPorPixel,
                           fm.height() * kUnidadesPorPixel});
    }
    const Rectangulo limites = DeQt(QRectF(QPointF(0, 0), TamanoUnidades()));
    const auto cajas = ColocaEtiquetas(valores, tamanos, obstaculos, linea, limites);
    const QTransform escala = p.transform();
    p.save();
    p.resetTransform();
    p.setFont(letra);
    p.setPen(color);
    for (size_t i = 0; i < cajas.size(); ++i)
        p.drawText(escala.mapRect(ToQt(cajas[i])), Qt::AlignCenter, textos[i]);
    p.restore();
}

void VistaDiagrama::paintEvent(QPaintEvent*) {
    ++dibujos_;
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.setRenderHint(QPainter::Antialiasing);
    const QTransform escala = QTransform::fromScale(1 / kUnidadesPorPixel, 1 / kUnidadesPorPixel);
    p.setTransform(escala);

    const Geometria g = CalculaGeometria();
    const VigaDibujo& viga = datos_->viga;
    const Resultados& r = datos_->resultados;
    const LineaBase& l = g.linea;

    // The curve goes first so the beam and its supports stay on top.
    if (tipo_ != Superficie::kReacciones) {
        const Magnitud m = MagnitudSuperficie();
        const QColor color = m == Magnitud::kCortante ? kRojoClaro : kAzulClaro;
        const Poligonal curva = PuntosCurva(l, g.escH, g.escV, r.diagramas, viga.numVanos, m);
        if (!curva.empty()) {
            QColor relleno = color;
            relleno.setAlpha(28);
            p.setPen(Qt::NoPen);
            p.setBrush(relleno);
            p.drawPolygon(ToQt(curva), Qt::WindingFill);
            p.setBrush(Qt::NoBrush);
            p.setPen(Pluma(color, 1.3));
            p.drawPolyline(ToQt(curva));

            EscribeValores(p, ValoresCurva(l, g.escH, g.escV, r, viga.numVanos, m), {curva}, l,
                           m == Magnitud::kCortante ? kRojoOscuro : kAzulOscuro);
        }
    }

    // The beam axis.
    p.setPen(Pluma(Qt::black, 2));
    p.drawLine(QPointF(l.x1, l.y), QPointF(l.x2, l.y));

    // Supports.
    const SimbolosApoyo s = ApoyosDiagrama(l, viga, g.escH);
    p.setPen(Pluma(Qt::black, 1.2));
    p.setBrush(Qt::NoBrush);
    for (const auto& t : s.triangulos) p.drawPolygon(ToQt(t));
    p.setBrush(QColor(90, 90, 90));
    for (const auto& b : s.bloques) p.drawRect(ToQt(b));
    p.setBrush(Qt::white);
    for (const auto& c : s.circulos) p.drawEllipse(ToQt(c), kRadioCirculo, kRadioCirculo);
    p.setBrush(Qt::NoBrush);

    if (tipo_ == Superficie::kReacciones && r.AnalisisCompleto()) {
        const auto nudos = AbscisasNudos(l, g.escH, viga.longitudes);
        const DibujoReacciones d = ReaccionesDiagrama(l, TamanoUnidades().height(), nudos, r);
        p.setPen(Pluma(kAzulClaro, 2));
        for (const auto& f : d.flechas) {
            p.drawLine(ToQt(f.desde), ToQt(f.hasta));
            p.setBrush(kAzulClaro);
            p.drawPolygon(ToQt(f.punta));
            p.setBrush(Qt::NoBrush);
        }
        std::vector<Poligonal> arcos;
        for (const auto& a : d.arcos) {
            arcos.push_back(PoligonalArco(a));
            p.drawPolyline(ToQt(arcos.back()));
            p.drawPolyline(ToQt(a.punta));
            arcos.push_back(a.punta);
        }
        EscribeValores(p, ValoresReacciones(d), arcos, l, kAzulOscuro);
    }
}

}  // namespace trabelux
