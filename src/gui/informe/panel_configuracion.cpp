#include "gui/informe/panel_configuracion.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

#include "core/reporte/configuracion.h"
#include "core/reporte/papel.h"
#include "core/texto/numeros.h"
#include "gui/comun/campo_texto.h"
#include "gui/comun/controles.h"
#include "gui/comun/mensajes.h"
#include "render/informe_pdf.h"

namespace trabelux {

namespace {

constexpr double kTwipsPorPulgada = 1440;
constexpr double kPasoMargen = 0.1;  // inch

// Inches typed in a field, as twips; negative values count as 0.
double TwipsDeCampo(const QLineEdit* campo) {
    return std::max(0.0, LeeNumero(campo->text().toStdString()) * kTwipsPorPulgada);
}

}  // namespace

PanelConfiguracion::PanelConfiguracion(ConfiguracionInforme* config, QWidget* padre)
    : QWidget(padre), config_(config) {
    setObjectName(QStringLiteral("ConfiguracionGeneral"));
    auto* capa = new QVBoxLayout(this);
    capa->addWidget(CreaDispositivoYPapel());
    capa->addWidget(CreaOrientacion());

    auto* forma = new QFormLayout;
    listaBorde_ = Nombrado<QComboBox>("ListaBorde");
    listaBorde_->addItems({QStringLiteral("Ninguno"), QStringLiteral("Abajo"),
                           QStringLiteral("Arriba"), QStringLiteral("Arriba y Abajo"),
                           QStringLiteral("Alrededor")});
    forma->addRow(QStringLiteral("Borde:"), listaBorde_);
    connect(listaBorde_, qOverload<int>(&QComboBox::activated), this,
            &PanelConfiguracion::AlElegirBorde);
    capa->addLayout(forma);
    capa->addWidget(CreaMargenes());

    auto* botones = new QHBoxLayout;
    auto* encabezado = Boton("BotonEncabezado", QStringLiteral("Header/Footer"));
    auto* estilos = Boton("BotonEstilos", QStringLiteral("Font/Color"));
    botones->addWidget(encabezado);
    botones->addWidget(estilos);
    capa->addLayout(botones);
    connect(encabezado, &QPushButton::clicked, this, &PanelConfiguracion::pideEncabezado);
    connect(estilos, &QPushButton::clicked, this, &PanelConfiguracion::pideEstilos);

    auto* formaDiagramas = new QFormLayout;
    listaDiagramas_ = Nombrado<QComboBox>("ListaDiagramas");
    listaDiagramas_->addItems({QStringLiteral("Ninguno"), QStringLiteral("Cortante y Momento")});
    formaDiagramas->addRow(QStringLiteral("Diagramas:"), listaDiagramas_);
    capa->addLayout(formaDiagramas);
    connect(listaDiagramas_, qOverload<int>(&QComboBox::activated), this,
            &PanelConfiguracion::AlCambiarDiagramas);
    capa->addStretch();
}

// The device, its papers and, for "Custom", the size in inches.
QWidget* PanelConfiguracion::CreaDispositivoYPapel() {
    auto* w = new QWidget;
    auto* capa = new QVBoxLayout(w);
    capa->setContentsMargins(0, 0, 0, 0);
    auto* forma = new QFormLayout;
    listaDispositivos_ = Nombrado<QComboBox>("ListaDispositivos");
    listaPapel_ = Nombrado<QComboBox>("ListaPapel");
    listaPapel_->setMaxVisibleItems(20);
    forma->addRow(QStringLiteral("Dispositivo:"), listaDispositivos_);
    forma->addRow(QStringLiteral("Papel:"), listaPapel_);
    capa->addLayout(forma);
    connect(listaDispositivos_, qOverload<int>(&QComboBox::activated), this,
            &PanelConfiguracion::AlElegirDispositivo);
    connect(listaPapel_, qOverload<int>(&QComboBox::activated), this,
            &PanelConfiguracion::AlElegirPapel);

    marcoPersonalizado_ = new QWidget;
    auto* personal = new QFormLayout(marcoPersonalizado_);
    personal->setContentsMargins(0, 0, 0, 0);
    anchoPapel_ = Nombrado<QLineEdit>("AnchoPapel");
    altoPapel_ = Nombrado<QLineEdit>("AltoPapel");
    personal->addRow(QStringLiteral("Ancho:"), anchoPapel_);
    personal->addRow(QStringLiteral("Alto:"), altoPapel_);
    capa->addWidget(marcoPersonalizado_);
    for (QLineEdit* campo : {anchoPapel_, altoPapel_})
        connect(campo, &QLineEdit::editingFinished, this,
                &PanelConfiguracion::AplicaTamanoPersonalizado);
    return w;
}

QWidget* PanelConfiguracion::CreaOrientacion() {
    auto* orientacion = new QGroupBox(QStringLiteral("Orientación"));
    auto* capa = new QHBoxLayout(orientacion);
    auto* botones = new QVBoxLayout;
    vertical_ = Nombrado<QRadioButton>("Vertical", QStringLiteral("P&ortrait"));
    horizontal_ = Nombrado<QRadioButton>("Horizontal", QStringLiteral("&Landscape"));
    botones->addWidget(vertical_);
    botones->addWidget(horizontal_);
    dibujoOrientacion_ = Nombrado<QLabel>("DibujoOrientacion");
    dibujoOrientacion_->setFixedSize(44, 44);
    capa->addLayout(botones);
    capa->addWidget(dibujoOrientacion_);
    connect(vertical_, &QRadioButton::clicked, this, [this] { AlElegirOrientacion(false); });
    connect(horizontal_, &QRadioButton::clicked, this, [this] { AlElegirOrientacion(true); });
    return orientacion;
}

// Each margin typed in inches, with a small scroll bar whose arrows step it.
QWidget* PanelConfiguracion::CreaMargenes() {
    auto* marco = new QGroupBox(QStringLiteral("Márgenes"));
    auto* rejilla = new QGridLayout(marco);
    const char* const rotulos[] = {"Arriba:", "Izquierda:", "Abajo:", "Derecha:"};
    for (int lado = 0; lado < 4; ++lado) {
        const QByteArray nombre = QByteArrayLiteral("Margen") + QByteArray::number(lado);
        auto* campo = new CampoTexto(nombre.constData(), CampoTexto::Destino::kLectura);
        campo->setFixedWidth(60);
        auto* escala = new QScrollBar(Qt::Vertical);
        escala->setObjectName(QStringLiteral("EscalaMargen%1").arg(lado));
        // Only the arrows count: the bar stays in the middle of a wide range.
        escala->setRange(-1000, 1000);
        escala->setValue(0);
        escala->setFixedHeight(campo->sizeHint().height());
        margenes_[lado] = campo;
        const int fila = lado % 2, col = (lado / 2) * 3;
        rejilla->addWidget(new QLabel(QString::fromLatin1(rotulos[lado])), fila, col);
        rejilla->addWidget(campo, fila, col + 1);
        rejilla->addWidget(escala, fila, col + 2);
        connect(campo, &QLineEdit::editingFinished, this, [this, lado] { AplicaMargen(lado); });
        connect(escala, &QScrollBar::actionTriggered, this, [this, lado, escala](int accion) {
            // The upper arrow of a vertical bar lowers its value: it adds to the margin.
            if (accion == QAbstractSlider::SliderSingleStepSub) PasoMargen(lado, 1);
            if (accion == QAbstractSlider::SliderSingleStepAdd) PasoMargen(lado, -1);
            QTimer::singleShot(0, escala, [escala] { escala->setValue(0); });
        });
    }
    return marco;
}

void PanelConfiguracion::FijaDispositivos(std::vector<DispositivoImpresion> lista) {
    dispositivos_ = std::move(lista);
    dispositivo_ = 0;
    listaDispositivos_->clear();
}

const DispositivoImpresion* PanelConfiguracion::DispositivoElegido() const {
    if (dispositivo_ < 0 || dispositivo_ >= static_cast<int>(dispositivos_.size())) return nullptr;
    return &dispositivos_[dispositivo_];
}

void PanelConfiguracion::Muestra() {
    ConfiguracionInforme& c = *config_;
    actualizando_ = true;
    if (listaDispositivos_->count() == 0) {
        if (dispositivos_.empty()) dispositivos_ = DispositivosSistema();
        for (const DispositivoImpresion& d : dispositivos_) listaDispositivos_->addItem(d.nombre);
    }
    listaDispositivos_->setCurrentIndex(dispositivo_);

    listaPapel_->clear();
    if (const DispositivoImpresion* d = DispositivoElegido()) {
        for (int codigo : d->codigos) {
            const std::string& nombre = NombrePapel(codigo);
            if (!nombre.empty()) listaPapel_->addItem(QString::fromStdString(nombre), codigo);
        }
        if (d->personalizado) listaPapel_->addItem(QStringLiteral("Custom"), kPapelPersonalizado);
    }
    int elegido = listaPapel_->findData(c.papel);
    // A device without the current paper takes its first one.
    if (elegido < 0 && listaPapel_->count() > 0) {
        elegido = 0;
        c.papel = listaPapel_->itemData(0).toInt();
    }
    listaPapel_->setCurrentIndex(elegido);
    marcoPersonalizado_->setVisible(c.papel == kPapelPersonalizado);
    anchoPapel_->setText(QString::fromStdString(EnPulgadas(c.anchoPersonalizado)));
    altoPapel_->setText(QString::fromStdString(EnPulgadas(c.altoPersonalizado)));

    MuestraOrientacion();
    listaBorde_->setCurrentIndex(static_cast<int>(c.borde));
    for (int lado = 0; lado < 4; ++lado)
        margenes_[lado]->setText(QString::fromStdString(EnPulgadas(c.margenes[lado])));
    actualizando_ = false;
}

void PanelConfiguracion::MuestraEstadoCalculo(bool calculado) {
    listaDiagramas_->setEnabled(calculado);
    listaDiagramas_->setCurrentIndex(static_cast<int>(config_->diagramas));
}

void PanelConfiguracion::MuestraOrientacion() {
    const bool h = config_->horizontal;
    vertical_->setChecked(!h);
    horizontal_->setChecked(h);
    // The page in its orientation, with a few lines of text.
    QPixmap dibujo(44, 44);
    dibujo.fill(Qt::transparent);
    QPainter p(&dibujo);
    const QRect hoja = h ? QRect(4, 10, 36, 26) : QRect(10, 4, 26, 36);
    p.setPen(Qt::black);
    p.setBrush(Qt::white);
    p.drawRect(hoja);
    for (int y = hoja.top() + 5; y < hoja.bottom() - 3; y += 4)
        p.drawLine(hoja.left() + 4, y, hoja.right() - 4, y);
    p.end();
    dibujoOrientacion_->setPixmap(dibujo);
}

void PanelConfiguracion::Aplica() {
    Muestra();
    emit cambiada();
}

void PanelConfiguracion::AlElegirDispositivo(int indice) {
    if (indice == dispositivo_ || indice < 0) return;
    dispositivo_ = indice;
    Aplica();
}

void PanelConfiguracion::AlElegirPapel(int indice) {
    const int codigo = listaPapel_->itemData(indice).toInt();
    if (indice < 0 || codigo == config_->papel) return;
    config_->papel = codigo;
    Aplica();
}

void PanelConfiguracion::AlElegirOrientacion(bool horizontal) {
    if (horizontal == config_->horizontal) return;
    config_->horizontal = horizontal;
    Aplica();
}

void PanelConfiguracion::AlElegirBorde(int indice) {
    if (indice < 0 || indice == static_cast<int>(config_->borde)) return;
    config_->borde = static_cast<BordePagina>(indice);
    Aplica();
}

void PanelConfiguracion::AlCambiarDiagramas(int indice) {
    config_->diagramas = indice == static_cast<int>(OpcionDiagramas::kCortanteMomento)
                             ? OpcionDiagramas::kCortanteMomento
                             : OpcionDiagramas::kNinguno;
    emit cambiada();
}

void PanelConfiguracion::AplicaMargen(int lado) {
    if (actualizando_) return;
    ConfiguracionInforme& c = *config_;
    QLineEdit* campo = margenes_[lado];
    const double twips = TwipsDeCampo(campo);
    const double anterior = c.margenes[lado];
    if (twips == anterior) {
        campo->setText(QString::fromStdString(EnPulgadas(anterior)));
        return;
    }
    // Opposite margins must leave room for the body of the page.
    const Tamano hoja = TamanoHoja(c);
    const int opuesto = (lado + 2) % 4;
    const double extension =
        (lado == kMargenArriba || lado == kMargenAbajo) ? hoja.alto : hoja.ancho;
    if (twips + c.margenes[opuesto] >= extension) {
        actualizando_ = true;  // the message box takes the focus from the field
        campo->setText(QString::fromStdString(EnPulgadas(anterior)));
        Mensajes::Advierte(this, QStringLiteral("El margen no deja espacio para el texto de la "
                                                "pagina: se conserva el anterior."));
        actualizando_ = false;
        return;
    }
    c.margenes[lado] = twips;
    Aplica();
}

void PanelConfiguracion::PasoMargen(int lado, int pasos) {
    const double pulgadas = TwipsDeCampo(margenes_[lado]) / kTwipsPorPulgada + kPasoMargen * pasos;
    margenes_[lado]->setText(QString::fromStdString(Formatea(std::max(0.0, pulgadas), "#0.##")));
    AplicaMargen(lado);
}

void PanelConfiguracion::AplicaTamanoPersonalizado() {
    if (actualizando_) return;
    ConfiguracionInforme& c = *config_;
    const double ancho = TwipsDeCampo(anchoPapel_), alto = TwipsDeCampo(altoPapel_);
    if (ancho == c.anchoPersonalizado && alto == c.altoPersonalizado) return;
    if (ancho <= c.margenes[kMargenIzquierda] + c.margenes[kMargenDerecha] ||
        alto <= c.margenes[kMargenArriba] + c.margenes[kMargenAbajo]) {
        actualizando_ = true;
        anchoPapel_->setText(QString::fromStdString(EnPulgadas(c.anchoPersonalizado)));
        altoPapel_->setText(QString::fromStdString(EnPulgadas(c.altoPersonalizado)));
        Mensajes::Advierte(this, QStringLiteral("El papel es menor que sus margenes: se conserva "
                                                "el tamaño anterior."));
        actualizando_ = false;
        return;
    }
    c.anchoPersonalizado = ancho;
    c.altoPersonalizado = alto;
    Aplica();
}

}  // namespace trabelux
