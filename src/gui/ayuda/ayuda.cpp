#include "gui/ayuda/ayuda.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHelpEngine>
#include <QHelpSearchEngine>
#include <QKeyEvent>
#include <QStandardPaths>

#include "gui/ayuda/paginas_ayuda.h"
#include "gui/ayuda/ventana_ayuda.h"
#include "gui/comun/mensajes.h"
#include "io/datos_programa.h"

namespace trabelux {

namespace {

const QString kNoEncontrado = QStringLiteral("Archivo Help no encontrado.");

// The compressed help registered by a collection: same folder, same name, .qch.
QString ArchivoQch(const QString& coleccion) {
    const QFileInfo info(coleccion);
    return info.absoluteDir().filePath(info.completeBaseName() + QStringLiteral(".qch"));
}

// Copies `origen` to `destino` unless the copy is already as new as the original.
bool CopiaSiHaceFalta(const QString& origen, const QString& destino) {
    const QFileInfo o(origen), d(destino);
    if (d.exists() && d.size() == o.size() && d.lastModified() >= o.lastModified()) return true;
    QFile::remove(destino);
    return QFile::copy(origen, destino);
}

}  // namespace

Ayuda::Ayuda(QString coleccion, QWidget* marco)
    : QObject(marco), coleccion_(std::move(coleccion)), marco_(marco) {
    setObjectName(QStringLiteral("Ayuda"));
}

Ayuda::~Ayuda() { delete ventana_.data(); }

QString Ayuda::RutaColeccionPrograma() {
    return QString::fromStdString(RutaDatosPrograma("trabelux.qhc"));
}

void Ayuda::FijaColeccion(const QString& coleccion) {
    delete ventana_.data();
    motor_.reset();
    ventanaCreada_ = false;
    coleccion_ = coleccion;
}

bool Ayuda::Prepara() {
    if (!QFileInfo::exists(coleccion_) || !QFileInfo::exists(ArchivoQch(coleccion_))) {
        Mensajes::Error(QApplication::activeWindow(), kNoEncontrado);
        return false;
    }
    // The engine keeps plain pointers to the widgets of the window it filled: a window gone
    // with the dialog it belonged to takes a new engine.
    if (motor_ && ventanaCreada_ && !ventana_) {
        motor_.reset();
        ventanaCreada_ = false;
    }
    if (motor_) return true;
    // The installed collection is read-only, and the engine writes its search index beside
    // the collection it opens: it works on a copy in the user's cache.
    // One folder per collection, so two collections never share (and spoil) one copy.
    const QString origen = QFileInfo(coleccion_).absoluteFilePath();
    const QString carpeta = QStandardPaths::writableLocation(QStandardPaths::CacheLocation) +
                            QStringLiteral("/ayuda/") + QString::number(qHash(origen), 16);
    const QString copia = carpeta + QLatin1Char('/') + QFileInfo(coleccion_).fileName();
    if (!QDir().mkpath(carpeta) || !CopiaSiHaceFalta(coleccion_, copia) ||
        !CopiaSiHaceFalta(ArchivoQch(coleccion_), ArchivoQch(copia))) {
        Mensajes::Error(QApplication::activeWindow(),
                        QStringLiteral("No se pudo preparar la ayuda en:\n%1").arg(carpeta));
        return false;
    }
    auto motor = std::make_unique<QHelpEngine>(copia);
    motor->setUsesFilterEngine(true);
    // A file that is no collection of ours opens "fine" and holds nothing.
    if (!motor->setupData() ||
        !motor->registeredDocumentations().contains(QStringLiteral("trabelux.manual"))) {
        Mensajes::Error(QApplication::activeWindow(),
                        QStringLiteral("No se pudo abrir la ayuda:\n%1").arg(coleccion_));
        return false;
    }
    motor_ = std::move(motor);
    motor_->searchEngine()->scheduleIndexDocumentation();
    return true;
}

VentanaAyuda* Ayuda::MuestraVentana() {
    if (!Prepara()) return nullptr;
    // A window opened while a modal dialog runs must belong to that dialog to be usable.
    QWidget* padre = QApplication::activeModalWidget();
    if (!padre) padre = marco_;
    if (!ventana_) {
        ventana_ = new VentanaAyuda(motor_.get(), padre);
        connect(ventana_, &VentanaAyuda::EjemploPedido, this,
                [this](const QString& archivo) { emit AbreEjemplo(RutaEjemplo(archivo)); });
        ventanaCreada_ = true;
    }
    if (ventana_->parentWidget() != padre) {
        const QRect geometria = ventana_->geometry();
        ventana_->setParent(padre, Qt::Window);
        ventana_->setGeometry(geometria);
    }
    ventana_->show();
    ventana_->raise();
    ventana_->activateWindow();
    return ventana_;
}

void Ayuda::Contenido() {
    if (VentanaAyuda* v = MuestraVentana()) {
        v->MuestraPestana(VentanaAyuda::Pestana::Contenido);
        if (v->PaginaActual().isEmpty())
            v->MuestraPagina(UrlPaginaAyuda(QString::fromLatin1(kPaginaInicio)));
    }
}

void Ayuda::Busqueda() {
    if (VentanaAyuda* v = MuestraVentana()) {
        if (v->PaginaActual().isEmpty())
            v->MuestraPagina(UrlPaginaAyuda(QString::fromLatin1(kPaginaInicio)));
        v->MuestraIndiceVacio();
    }
}

void Ayuda::EjemplosDeVerificacion() { AbrePagina(QStringLiteral("verificacion.html")); }

QString Ayuda::RutaEjemplo(const QString& archivo) {
    // Only a name inside the examples' folder, whatever the link says.
    return QString::fromStdString(
        RutaDatosPrograma("verificacion/" + QFileInfo(archivo).fileName().toStdString()));
}

void Ayuda::AbrePagina(const QString& pagina) {
    if (VentanaAyuda* v = MuestraVentana()) v->MuestraPagina(UrlPaginaAyuda(pagina));
}

void Ayuda::AyudaContextual(QWidget* w) {
    for (; w; w = w->parentWidget()) {
        const QString pagina = PaginaDeVentana(w->objectName());
        if (!pagina.isEmpty()) {
            AbrePagina(pagina);
            return;
        }
    }
    Contenido();
}

bool Ayuda::eventFilter(QObject* objeto, QEvent* evento) {
    if (evento->type() == QEvent::KeyPress) {
        auto* tecla = static_cast<QKeyEvent*>(evento);
        if (tecla->key() == Qt::Key_F1 && tecla->modifiers() == Qt::NoModifier &&
            objeto->isWidgetType()) {
            AyudaContextual(static_cast<QWidget*>(objeto));
            return true;
        }
    }
    return QObject::eventFilter(objeto, evento);
}

}  // namespace trabelux
