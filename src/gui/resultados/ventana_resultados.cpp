// The results window; see resultad.h.
#include "gui/resultados/ventana_resultados.h"

#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <optional>
#include <utility>

#include "core/reporte/tablas_resultados.h"
#include "gui/resultados/vista_tabla_resultados.h"

namespace trabelux {

namespace {

QLabel* Titulo(const QString& texto) {
    auto* t = new QLabel(texto);
    t->setAlignment(Qt::AlignCenter);
    QFont f = t->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() + 2);
    t->setFont(f);
    return t;
}

}  // namespace

VentanaResultados::VentanaResultados(QWidget* parent) : QWidget(parent) {
    setObjectName("Resultad");
    setWindowTitle("Resultados");

    for (int s = 0; s < 3; ++s)
        superficies_[s] = new VistaDiagrama(static_cast<Superficie>(s), &datos_);

    pestanas_ = new QTabWidget;
    pestanas_->setObjectName("SSTab1");

    auto pagina = [&](const QString& titulo, VistaDiagrama* superficie, TablaResultados t,
                      std::optional<TablaResultados> envolvente = std::nullopt) {
        auto* w = new QWidget;
        auto* v = new QVBoxLayout(w);
        if (!titulo.isEmpty()) v->addWidget(Titulo(titulo));
        v->addWidget(superficie, 3);
        auto* tablas = new QHBoxLayout;
        tablas->addWidget(MarcoTabla(t), 1);
        if (envolvente) tablas->addWidget(MarcoTabla(*envolvente), 2);
        v->addLayout(tablas, 2);
        return w;
    };
    pestanas_->addTab(pagina({}, superficies_[0], TablaResultados::kReacciones,
                             TablaResultados::kReaccionesExtremas),
                      "Reacciones");
    pestanas_->addTab(
        pagina("C  O  R  T  A  N  T  E", superficies_[1], TablaResultados::kCortantes),
        "Cortantes");
    pestanas_->addTab(pagina("M  O  M  E  N  T  O", superficies_[2], TablaResultados::kMomentos,
                             TablaResultados::kEnvolventesVano),
                      "Momentos");

    auto* tablasRefuerzo = new QWidget;
    auto* v = new QVBoxLayout(tablasRefuerzo);
    v->setContentsMargins(0, 0, 0, 0);
    auto* arriba = new QHBoxLayout;
    arriba->addWidget(MarcoTabla(TablaResultados::kRefuerzoApoyos));
    arriba->addWidget(MarcoTabla(TablaResultados::kRefuerzoVanos));
    v->addLayout(arriba, 1);
    v->addWidget(MarcoTabla(TablaResultados::kRefuerzoTransversal), 1);
    notaCara_ = new QLabel(QString::fromUtf8(kNotaCaraTraccion));
    notaCara_->setObjectName("NotaCaraTraccion");
    notaCara_->setWordWrap(true);
    notaCara_->hide();
    v->addWidget(notaCara_);
    // After an analysis-only run the tab says so instead of showing empty tables.
    auto* sinDiseno = new QLabel(
        QStringLiteral("No se hizo el diseño: el último cálculo fue \"Analisis Solo\"."));
    sinDiseno->setObjectName("SinDiseno");
    sinDiseno->setAlignment(Qt::AlignCenter);
    sinDiseno->setWordWrap(true);
    refuerzo_ = new QStackedWidget;
    refuerzo_->addWidget(tablasRefuerzo);
    refuerzo_->addWidget(sinDiseno);
    pestanas_->addTab(refuerzo_, "Refuerzo");
    deflexiones_ = new PaginaDeflexiones;
    pestanas_->addTab(deflexiones_, "Deflexiones");
    // The tabs from the keyboard wherever the focus is inside the window: a grid takes
    // Ctrl+Tab as a move between cells, and the tab widget knows no other key.
    for (auto [tecla, paso] :
         {std::pair{Qt::CTRL | Qt::Key_PageDown, 1}, std::pair{Qt::CTRL | Qt::Key_PageUp, -1}}) {
        auto* atajo = new QShortcut(QKeySequence(tecla), this);
        atajo->setContext(Qt::WidgetWithChildrenShortcut);
        connect(atajo, &QShortcut::activated, this, [this, paso = paso] {
            const int n = pestanas_->count();
            pestanas_->setCurrentIndex((pestanas_->currentIndex() + paso + n) % n);
        });
    }

    regresa_ = new QPushButton("&Regresar");
    regresa_->setObjectName("BotonRegresa");
    auto* botones = new QHBoxLayout;
    botones->addStretch(1);
    botones->addWidget(regresa_);

    auto* raiz = new QVBoxLayout(this);
    raiz->addWidget(pestanas_, 1);
    raiz->addLayout(botones);

    connect(pestanas_, &QTabWidget::currentChanged, this, &VentanaResultados::CambiaPagina);
    connect(regresa_, &QPushButton::clicked, this, [this] {
        OcultaSondas();
        emit Regresa();
    });
    pestanas_->tabBar()->installEventFilter(this);
    resize(1000, 700);
}

QWidget* VentanaResultados::MarcoTabla(TablaResultados t) {
    const DefinicionTabla d = DefineTabla(t);
    auto* marco = new QGroupBox(d.marco);
    auto* v = new QVBoxLayout(marco);
    auto* leyenda = new QLabel(d.leyenda);
    leyenda->setAlignment(Qt::AlignCenter);
    leyenda->setFrameShape(QFrame::StyledPanel);
    v->addWidget(leyenda);
    auto* modelo = new ModeloTablaResultados(d.columnas, this);
    auto* vista = new VistaTablaResultados;
    vista->setObjectName(d.nombre);
    vista->setModel(modelo);
    v->addWidget(vista, 1);
    modelos_[static_cast<size_t>(t)] = modelo;
    marcos_[static_cast<size_t>(t)] = marco;
    return marco;
}

ModeloTablaResultados* VentanaResultados::Modelo(TablaResultados t) const {
    return modelos_[static_cast<size_t>(t)];
}

VistaDiagrama* VentanaResultados::SuperficieDe(Superficie s) const {
    return superficies_[static_cast<size_t>(s)];
}

void VentanaResultados::Muestra(const Proyecto& p, const Resultados& r) {
    LlenaRefuerzo(r);
    LlenaTab(p, r);
}

void VentanaResultados::LlenaTab(const Proyecto& p, const Resultados& r) {
    datos_.resultados = r;
    datos_.viga = VigaDeProyecto(p, r.AnalisisCompleto() ? r.numVanos : p.numVanos);
    for (auto t :
         {TablaResultados::kReacciones, TablaResultados::kCortantes, TablaResultados::kMomentos})
        Modelo(t)->Llena(FilasTabla(t, r));
    LlenaEnvolventes(r);
    OcultaSondas();
    MuestraPagina(Pagina::kReacciones);
    Redibuja();
}

void VentanaResultados::LlenaEnvolventes(const Resultados& r) {
    const std::vector<TablaTexto> analisis = TablasAnalisis(r);
    for (auto t :
         {TablaResultados::kReacciones, TablaResultados::kCortantes, TablaResultados::kMomentos}) {
        auto* leyenda = marcos_[static_cast<size_t>(t)]->findChild<QLabel*>();
        if (leyenda)
            leyenda->setText(QString::fromStdString(analisis[static_cast<size_t>(t)].titulo));
    }
    for (auto t : {TablaResultados::kReaccionesExtremas, TablaResultados::kEnvolventesVano}) {
        Modelo(t)->Llena(FilasTabla(t, r));
        marcos_[static_cast<size_t>(t)]->setVisible(r.envolventes.has_value());
    }
}

void VentanaResultados::MuestraPagina(Pagina pagina) {
    pestanas_->setCurrentIndex(static_cast<int>(pagina));
}

void VentanaResultados::LlenaRefuerzo(const Resultados& r) {
    for (auto t : {TablaResultados::kRefuerzoApoyos, TablaResultados::kRefuerzoVanos,
                   TablaResultados::kRefuerzoTransversal})
        Modelo(t)->Llena(FilasTabla(t, r));
    bool marcada = false;
    for (const TablaTexto& t : TablasRefuerzo(r)) marcada = marcada || !t.nota.empty();
    notaCara_->setVisible(marcada);
    refuerzo_->setCurrentIndex(r.etapa == EtapaCalculo::kAnalizado ? 1 : 0);
}

void VentanaResultados::LlenaDeflexiones(const Deflexiones& d) {
    std::vector<std::vector<float>> x;
    for (const EstacionesVano& e : datos_.resultados.diagramas) x.push_back(e.x);
    deflexiones_->Muestra(x, d);
}

void VentanaResultados::VaciaRefuerzo() {
    refuerzo_->setCurrentIndex(0);
    notaCara_->hide();
    for (auto t : {TablaResultados::kRefuerzoApoyos, TablaResultados::kRefuerzoVanos,
                   TablaResultados::kRefuerzoTransversal})
        Modelo(t)->Vacia();
}

void VentanaResultados::Redibuja() {
    if (pestanas_->currentIndex() >= static_cast<int>(Pagina::kRefuerzo)) return;
    for (auto* s : superficies_) s->update();
}

void VentanaResultados::OcultaSondas() {
    for (auto* s : superficies_) s->OcultaSonda();
}

void VentanaResultados::CambiaPagina(int) {
    OcultaSondas();
    Redibuja();
}

void VentanaResultados::showEvent(QShowEvent* evento) {
    Redibuja();
    QWidget::showEvent(evento);
}

void VentanaResultados::changeEvent(QEvent* evento) {
    if (evento->type() == QEvent::ActivationChange && isActiveWindow()) Redibuja();
    QWidget::changeEvent(evento);
}

bool VentanaResultados::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto == pestanas_->tabBar() && (evento->type() == QEvent::MouseButtonPress ||
                                          evento->type() == QEvent::MouseButtonRelease))
        OcultaSondas();
    return QWidget::eventFilter(objeto, evento);
}

}  // namespace trabelux
