#include "gui/reporte/vig_prev.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "gui/comun/latin1.h"
#include "gui/documento/documento.h"
#include "gui/reporte/panel_encabezado.h"
#include "gui/reporte/panel_estilos.h"
#include "render/informe_pdf.h"

namespace trabelux {

namespace {

// Selects the whole text of a margin field when it gets the focus.
class SeleccionaAlEntrar : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::FocusIn)
            if (auto* campo = qobject_cast<QLineEdit*>(o))
                QTimer::singleShot(0, campo, &QLineEdit::selectAll);
        return false;
    }
};

QPushButton* BotonBarra(const QString& nombre, const QString& texto) {
    auto* b = new QPushButton(texto);
    b->setObjectName(nombre);
    b->setAutoDefault(false);
    b->setFixedWidth(34);
    return b;
}

}  // namespace

VigPrev::VigPrev(Documento* doc, QWidget* padre) : QWidget(padre), doc_(doc) {
    setObjectName(QStringLiteral("VigPrev"));
    setWindowTitle(QStringLiteral("Vista preliminar"));
    composicion_ = ComposicionDelDocumento();
    // The preview lays any paper: it draws on a PDF engine, never on a printer.
    impresoraVista_ = new QPrinter(QPrinter::ScreenResolution);
    impresoraVista_->setOutputFormat(QPrinter::PdfFormat);
    impresoraVista_->setFullPage(true);
    CreaControles();
    doc_->ConfiguracionReporte().diagramas = OpcionDiagramas::kNinguno;
    rangoTodas_->setChecked(true);
    Activa();
    connect(doc_, &Documento::cambiado, this, &VigPrev::AlCambiarDocumento);
}

VigPrev::~VigPrev() {
    delete vp_;  // before the printer it previews
    vp_ = nullptr;
    delete impresoraVista_;
}

const ConfiguracionInforme& VigPrev::Configuracion() const { return doc_->ConfiguracionReporte(); }

void VigPrev::CreaControles() {
    auto* capa = new QHBoxLayout(this);
    auto* izquierda = new QVBoxLayout;
    paneles_ = new QStackedWidget;
    paneles_->setObjectName(QStringLiteral("Paneles"));
    general_ = CreaConfiguracionGeneral();
    panelEncabezado_ = new PanelEncabezado;
    // The header and footer are kept in the project file.
    for (auto* campo : panelEncabezado_->findChildren<QPlainTextEdit*>()) LimitaALatin1(campo);
    panelEstilos_ = new PanelEstilos(&doc_->ConfiguracionReporte());
    paneles_->addWidget(general_);
    paneles_->addWidget(panelEncabezado_);
    paneles_->addWidget(panelEstilos_);
    izquierda->addWidget(paneles_, 1);
    izquierda->addWidget(CreaMarcoImprime());
    auto* cierra = new QPushButton(QStringLiteral("&Cerrar"));
    cierra->setObjectName(QStringLiteral("Cierra"));
    izquierda->addWidget(cierra);
    connect(cierra, &QPushButton::clicked, this, &VigPrev::Regresa);
    auto* contenedor = new QWidget;
    contenedor->setLayout(izquierda);
    // Room for the style panel's five columns with a font name of two words a line.
    contenedor->setFixedWidth(380);
    capa->addWidget(contenedor);

    auto* derecha = new QVBoxLayout;
    derecha->addWidget(CreaBarraControl());
    vp_ = new QPrintPreviewWidget(impresoraVista_);
    vp_->setObjectName(QStringLiteral("Vp"));
    vp_->fitInView();
    derecha->addWidget(vp_, 1);
    capa->addLayout(derecha, 1);
    connect(vp_, &QPrintPreviewWidget::paintRequested, this, &VigPrev::Compone);
    connect(vp_, &QPrintPreviewWidget::previewChanged, this, &VigPrev::UpdateControlBar);
    connect(panelEncabezado_, &PanelEncabezado::aceptado, this, [this] { CierraPanel(true); });
    connect(panelEstilos_, &PanelEstilos::aceptado, this, [this] { CierraPanel(false); });
}

QWidget* VigPrev::CreaConfiguracionGeneral() {
    auto* w = new QWidget;
    w->setObjectName(QStringLiteral("ConfiguracionGeneral"));
    auto* capa = new QVBoxLayout(w);
    auto* forma = new QFormLayout;
    listaDispositivos_ = new QComboBox;
    listaDispositivos_->setObjectName(QStringLiteral("ListaDispositivos"));
    listaPapel_ = new QComboBox;
    listaPapel_->setObjectName(QStringLiteral("ListaPapel"));
    listaPapel_->setMaxVisibleItems(20);
    forma->addRow(QStringLiteral("Dispositivo:"), listaDispositivos_);
    forma->addRow(QStringLiteral("Papel:"), listaPapel_);
    capa->addLayout(forma);
    connect(listaDispositivos_, qOverload<int>(&QComboBox::activated), this,
            &VigPrev::AlElegirDispositivo);
    connect(listaPapel_, qOverload<int>(&QComboBox::activated), this, &VigPrev::AlElegirPapel);

    // The custom size, in inches.
    marcoPersonalizado_ = new QWidget;
    auto* personal = new QFormLayout(marcoPersonalizado_);
    personal->setContentsMargins(0, 0, 0, 0);
    anchoPapel_ = new QLineEdit;
    anchoPapel_->setObjectName(QStringLiteral("AnchoPapel"));
    altoPapel_ = new QLineEdit;
    altoPapel_->setObjectName(QStringLiteral("AltoPapel"));
    personal->addRow(QStringLiteral("Ancho:"), anchoPapel_);
    personal->addRow(QStringLiteral("Alto:"), altoPapel_);
    capa->addWidget(marcoPersonalizado_);
    for (QLineEdit* campo : {anchoPapel_, altoPapel_})
        connect(campo, &QLineEdit::editingFinished, this, &VigPrev::AplicaTamanoPersonalizado);

    auto* orientacion = new QGroupBox(QStringLiteral("Orientación"));
    auto* capaOr = new QHBoxLayout(orientacion);
    auto* botonesOr = new QVBoxLayout;
    vertical_ = new QRadioButton(QStringLiteral("P&ortrait"));
    vertical_->setObjectName(QStringLiteral("Vertical"));
    horizontal_ = new QRadioButton(QStringLiteral("&Landscape"));
    horizontal_->setObjectName(QStringLiteral("Horizontal"));
    botonesOr->addWidget(vertical_);
    botonesOr->addWidget(horizontal_);
    dibujoOrientacion_ = new QLabel;
    dibujoOrientacion_->setObjectName(QStringLiteral("DibujoOrientacion"));
    dibujoOrientacion_->setFixedSize(44, 44);
    capaOr->addLayout(botonesOr);
    capaOr->addWidget(dibujoOrientacion_);
    capa->addWidget(orientacion);
    connect(vertical_, &QRadioButton::clicked, this, [this] { AlElegirOrientacion(false); });
    connect(horizontal_, &QRadioButton::clicked, this, [this] { AlElegirOrientacion(true); });

    auto* forma2 = new QFormLayout;
    listaBorde_ = new QComboBox;
    listaBorde_->setObjectName(QStringLiteral("ListaBorde"));
    listaBorde_->addItems({QStringLiteral("Ninguno"), QStringLiteral("Abajo"),
                           QStringLiteral("Arriba"), QStringLiteral("Arriba y Abajo"),
                           QStringLiteral("Alrededor")});
    forma2->addRow(QStringLiteral("Borde:"), listaBorde_);
    connect(listaBorde_, qOverload<int>(&QComboBox::activated), this, &VigPrev::AlElegirBorde);
    capa->addLayout(forma2);

    auto* marcoMargenes = new QGroupBox(QStringLiteral("Márgenes"));
    auto* rejilla = new QGridLayout(marcoMargenes);
    const char* const rotulos[] = {"Arriba:", "Izquierda:", "Abajo:", "Derecha:"};
    auto* filtro = new SeleccionaAlEntrar(this);
    for (int lado = 0; lado < 4; ++lado) {
        auto* campo = new QLineEdit;
        campo->setObjectName(QStringLiteral("Margen%1").arg(lado));
        campo->setFixedWidth(60);
        campo->installEventFilter(filtro);
        auto* escala = new QScrollBar(Qt::Vertical);
        escala->setObjectName(QStringLiteral("EscalaMargen%1").arg(lado));
        // Only the arrows count: the bar stays in the middle of a wide range.
        escala->setRange(-1000, 1000);
        escala->setValue(0);
        escala->setFixedHeight(campo->sizeHint().height());
        margenes_[lado] = campo;
        escalasMargen_[lado] = escala;
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
    capa->addWidget(marcoMargenes);

    auto* botones = new QHBoxLayout;
    auto* encabezado = new QPushButton(QStringLiteral("Header/Footer"));
    encabezado->setObjectName(QStringLiteral("BotonEncabezado"));
    auto* estilos = new QPushButton(QStringLiteral("Font/Color"));
    estilos->setObjectName(QStringLiteral("BotonEstilos"));
    botones->addWidget(encabezado);
    botones->addWidget(estilos);
    capa->addLayout(botones);
    connect(encabezado, &QPushButton::clicked, this, [this] { AbrePanel(panelEncabezado_); });
    connect(estilos, &QPushButton::clicked, this, [this] { AbrePanel(panelEstilos_); });

    auto* forma3 = new QFormLayout;
    listaDiagramas_ = new QComboBox;
    listaDiagramas_->setObjectName(QStringLiteral("ListaDiagramas"));
    listaDiagramas_->addItems({QStringLiteral("Ninguno"), QStringLiteral("Cortante y Momento")});
    forma3->addRow(QStringLiteral("Diagramas:"), listaDiagramas_);
    capa->addLayout(forma3);
    connect(listaDiagramas_, qOverload<int>(&QComboBox::activated), this,
            &VigPrev::AlCambiarDiagramas);
    capa->addStretch();
    return w;
}

QWidget* VigPrev::CreaMarcoImprime() {
    marcoImprime_ = new QGroupBox(QStringLiteral("Imprime"));
    marcoImprime_->setObjectName(QStringLiteral("MarcoImprime"));
    auto* capa = new QVBoxLayout(marcoImprime_);
    refuerzo_ = new QCheckBox(QStringLiteral("&Refuerzo"));
    refuerzo_->setObjectName(QStringLiteral("ImprimeRefuerzo"));
    capa->addWidget(refuerzo_);
    connect(refuerzo_, &QCheckBox::clicked, this, &VigPrev::AlMarcarRefuerzo);

    rangoTodas_ = new QRadioButton(QStringLiteral("To&das las paginas"));
    rangoTodas_->setObjectName(QStringLiteral("RangoTodas"));
    rangoActual_ = new QRadioButton(QStringLiteral("Pa&gina actual"));
    rangoActual_->setObjectName(QStringLiteral("RangoActual"));
    rangoPaginas_ = new QRadioButton(QStringLiteral("Pagi&nas:"));
    rangoPaginas_->setObjectName(QStringLiteral("RangoPaginas"));
    desde_ = new QSpinBox;
    desde_->setObjectName(QStringLiteral("Desde"));
    hasta_ = new QSpinBox;
    hasta_->setObjectName(QStringLiteral("Hasta"));
    auto* filaPaginas = new QHBoxLayout;
    filaPaginas->addWidget(rangoPaginas_);
    filaPaginas->addWidget(new QLabel(QStringLiteral("Desde")));
    filaPaginas->addWidget(desde_);
    filaPaginas->addWidget(new QLabel(QStringLiteral("Hasta")));
    filaPaginas->addWidget(hasta_);
    capa->addWidget(rangoTodas_);
    capa->addWidget(rangoActual_);
    capa->addLayout(filaPaginas);
    for (QRadioButton* b : {rangoTodas_, rangoActual_, rangoPaginas_})
        connect(b, &QRadioButton::toggled, this, [this](bool activo) {
            if (activo) AlElegirRango();
        });
    connect(desde_, qOverload<int>(&QSpinBox::valueChanged), hasta_, &QSpinBox::setMinimum);

    imprime_ = new QPushButton(QStringLiteral("Imprime"));
    imprime_->setObjectName(QStringLiteral("BotonImprime"));
    capa->addWidget(imprime_);
    connect(imprime_, &QPushButton::clicked, this, &VigPrev::Imprime);
    return marcoImprime_;
}

QWidget* VigPrev::CreaBarraControl() {
    barraControl_ = new QFrame;
    barraControl_->setObjectName(QStringLiteral("BarraControl"));
    auto* capa = new QHBoxLayout(barraControl_);
    capa->setContentsMargins(0, 0, 0, 0);
    const char* const pagina[] = {"|<", "<", ">", ">|"};
    const char* const zoom[] = {"--", "-", "+", "++"};
    for (int b = 0; b < 4; ++b) {
        botonesPagina_[b] =
            BotonBarra(QStringLiteral("Pagina%1").arg(b), QString::fromLatin1(pagina[b]));
        capa->addWidget(botonesPagina_[b]);
        connect(botonesPagina_[b], &QPushButton::clicked, this, [this, b] { IrAPagina(b); });
        if (b == 1) {
            etiquetaPagina_ = new QLabel;
            etiquetaPagina_->setObjectName(QStringLiteral("EtiquetaPagina"));
            etiquetaPagina_->setMinimumWidth(110);
            etiquetaPagina_->setAlignment(Qt::AlignCenter);
            capa->addWidget(etiquetaPagina_);
        }
    }
    capa->addSpacing(30);
    for (int b = 0; b < 4; ++b) {
        botonesZoom_[b] = BotonBarra(QStringLiteral("Zoom%1").arg(b), QString::fromLatin1(zoom[b]));
        capa->addWidget(botonesZoom_[b]);
        connect(botonesZoom_[b], &QPushButton::clicked, this, [this, b] { CambiaZoom(b); });
        if (b == 1) {
            etiquetaZoom_ = new QLabel;
            etiquetaZoom_->setObjectName(QStringLiteral("EtiquetaZoom"));
            etiquetaZoom_->setMinimumWidth(60);
            etiquetaZoom_->setAlignment(Qt::AlignCenter);
            capa->addWidget(etiquetaZoom_);
        }
    }
    capa->addStretch();
    return barraControl_;
}

void VigPrev::MuestraOrientacion() {
    const bool h = Configuracion().horizontal;
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

}  // namespace trabelux
