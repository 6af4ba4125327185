#include "gui/ayuda/ventana_ayuda.h"

#include <QHBoxLayout>
#include <QHelpContentModel>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QHelpSearchEngine>
#include <QHelpSearchQueryWidget>
#include <QHelpSearchResultWidget>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QVBoxLayout>

#include "core/verificacion/ejemplo_verificado.h"
#include "gui/ayuda/paginas_ayuda.h"

namespace trabelux {

NavegadorAyuda::NavegadorAyuda(QHelpEngine* motor, QWidget* padre)
    : QTextBrowser(padre), motor_(motor) {
    setObjectName(QStringLiteral("NavegadorAyuda"));
    setOpenLinks(true);
}

QVariant NavegadorAyuda::loadResource(int tipo, const QUrl& url) {
    if (url.scheme() == QLatin1String("qthelp")) return motor_->fileData(url);
    return QTextBrowser::loadResource(tipo, url);
}

void NavegadorAyuda::doSetSource(const QUrl& url, QTextDocument::ResourceType tipo) {
    if (url.scheme() == QLatin1String(kEsquemaEjemplo)) {
        emit EjemploPedido(url.path());
        return;
    }
    QTextBrowser::doSetSource(url, tipo);
}

VentanaAyuda::VentanaAyuda(QHelpEngine* motor, QWidget* padre)
    : QWidget(padre, Qt::Window), motor_(motor) {
    setObjectName(QStringLiteral("VentanaAyuda"));
    setWindowTitle(QStringLiteral("Ayuda de Trabelux"));

    navegador_ = new NavegadorAyuda(motor_);
    connect(navegador_, &NavegadorAyuda::EjemploPedido, this, &VentanaAyuda::EjemploPedido);

    // Contents.
    QHelpContentWidget* contenido = motor_->contentWidget();
    contenido->setObjectName(QStringLiteral("ContenidoAyuda"));
    connect(contenido, &QHelpContentWidget::linkActivated, this, &VentanaAyuda::MuestraPagina);
    // The tree is built in the background: open its chapters once it is there.
    connect(motor_->contentModel(), &QHelpContentModel::contentsCreated, contenido,
            [contenido] { contenido->expandToDepth(1); });
    if (!motor_->contentModel()->isCreatingContents()) contenido->expandToDepth(1);
    // The contents tree follows the page shown, however it was reached.
    connect(navegador_, &QTextBrowser::sourceChanged, contenido, [contenido](const QUrl& url) {
        const QModelIndex i = contenido->indexOf(url);
        if (i.isValid()) contenido->setCurrentIndex(i);
    });

    // Keyword index, filtered by what is typed above it.
    auto* paginaIndice = new QWidget;
    palabraClave_ = new QLineEdit;
    palabraClave_->setObjectName(QStringLiteral("PalabraClave"));
    palabraClave_->setPlaceholderText(QStringLiteral("Escriba la palabra que busca"));
    QHelpIndexWidget* indice = motor_->indexWidget();
    indice->setObjectName(QStringLiteral("IndiceAyuda"));
    connect(palabraClave_, &QLineEdit::textChanged, indice,
            [indice](const QString& t) { indice->filterIndices(t); });
    connect(palabraClave_, &QLineEdit::returnPressed, indice,
            &QHelpIndexWidget::activateCurrentItem);
    connect(indice, &QHelpIndexWidget::documentActivated, this,
            [this](const QHelpLink& enlace, const QString&) { MuestraPagina(enlace.url); });
    connect(indice, &QHelpIndexWidget::documentsActivated, this,
            [this](const QList<QHelpLink>& enlaces, const QString&) {
                if (!enlaces.isEmpty()) MuestraPagina(enlaces.first().url);
            });
    auto* capaIndice = new QVBoxLayout(paginaIndice);
    capaIndice->addWidget(new QLabel(QStringLiteral("Palabra clave:")));
    capaIndice->addWidget(palabraClave_);
    capaIndice->addWidget(indice, 1);

    // Full-text search.
    QHelpSearchEngine* buscador = motor_->searchEngine();
    auto* paginaBusqueda = new QWidget;
    auto* consulta = buscador->queryWidget();
    consulta->setObjectName(QStringLiteral("ConsultaAyuda"));
    auto* resultados = buscador->resultWidget();
    resultados->setObjectName(QStringLiteral("ResultadosAyuda"));
    connect(consulta, &QHelpSearchQueryWidget::search, buscador,
            [buscador, consulta] { buscador->search(consulta->searchInput()); });
    connect(resultados, &QHelpSearchResultWidget::requestShowLink, this,
            &VentanaAyuda::MuestraPagina);
    auto* capaBusqueda = new QVBoxLayout(paginaBusqueda);
    capaBusqueda->addWidget(consulta);
    capaBusqueda->addWidget(resultados, 1);

    pestanas_ = new QTabWidget;
    pestanas_->setObjectName(QStringLiteral("PestanasAyuda"));
    pestanas_->addTab(contenido, QStringLiteral("Contenido"));
    pestanas_->addTab(paginaIndice, QStringLiteral("Índice"));
    pestanas_->addTab(paginaBusqueda, QStringLiteral("Búsqueda"));

    auto* atras = new QPushButton(QStringLiteral("< Atrás"));
    atras->setObjectName(QStringLiteral("AyudaAtras"));
    auto* adelante = new QPushButton(QStringLiteral("Adelante >"));
    adelante->setObjectName(QStringLiteral("AyudaAdelante"));
    auto* inicio = new QPushButton(QStringLiteral("Inicio"));
    inicio->setObjectName(QStringLiteral("AyudaInicio"));
    connect(atras, &QPushButton::clicked, navegador_, &QTextBrowser::backward);
    connect(adelante, &QPushButton::clicked, navegador_, &QTextBrowser::forward);
    connect(navegador_, &QTextBrowser::backwardAvailable, atras, &QWidget::setEnabled);
    connect(navegador_, &QTextBrowser::forwardAvailable, adelante, &QWidget::setEnabled);
    connect(inicio, &QPushButton::clicked, this,
            [this] { MuestraPagina(UrlPaginaAyuda(QString::fromLatin1(kPaginaInicio))); });
    atras->setEnabled(false);
    adelante->setEnabled(false);
    auto* barra = new QHBoxLayout;
    barra->addWidget(atras);
    barra->addWidget(adelante);
    barra->addWidget(inicio);
    barra->addStretch(1);

    auto* derecha = new QWidget;
    auto* capaDerecha = new QVBoxLayout(derecha);
    capaDerecha->setContentsMargins(0, 0, 0, 0);
    capaDerecha->addLayout(barra);
    capaDerecha->addWidget(navegador_, 1);

    auto* divisor = new QSplitter;
    divisor->addWidget(pestanas_);
    divisor->addWidget(derecha);
    divisor->setStretchFactor(1, 1);
    divisor->setSizes({280, 720});
    auto* capa = new QHBoxLayout(this);
    capa->addWidget(divisor);
    resize(1040, 720);
}

void VentanaAyuda::MuestraPestana(Pestana p) { pestanas_->setCurrentIndex(static_cast<int>(p)); }

void VentanaAyuda::MuestraIndiceVacio() {
    MuestraPestana(Pestana::Indice);
    palabraClave_->clear();
    palabraClave_->setFocus();
}

void VentanaAyuda::MuestraPagina(const QUrl& url) {
    if (navegador_->source() != url) navegador_->setSource(url);
}

QUrl VentanaAyuda::PaginaActual() const { return navegador_->source(); }

VentanaAyuda::Pestana VentanaAyuda::PestanaActual() const {
    return static_cast<Pestana>(pestanas_->currentIndex());
}

void VentanaAyuda::Busca(const QString& texto) {
    MuestraPestana(Pestana::Busqueda);
    QHelpSearchEngine* buscador = motor_->searchEngine();
    buscador->queryWidget()->setSearchInput(texto);
    buscador->search(texto);
}

}  // namespace trabelux
