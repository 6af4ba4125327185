#include "gui/comun/mensajes.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QFontInfo>
#include <QMessageBox>

#include "core/version.h"

namespace trabelux {

namespace {

struct Guion {
    bool activo = false;
    std::deque<Respuesta> respuestas;
    QStringList rutas;
    std::deque<QFont> fuentes;
    std::deque<QColor> colores;
    std::vector<MensajeMostrado> mostrados;
};

Guion& ElGuion() {
    static Guion g;
    return g;
}

// Boxes shown so far, scripted or not.
int& Cuenta() {
    static int n = 0;
    return n;
}

QString Titulo(const QString& titulo) {
    return titulo.isEmpty() ? QString::fromLatin1(kNombrePrograma) : titulo;
}

// Shows a box, counted. A box without a parent belongs to the active window. Once it
// closes, its window is active again: a desktop may leave the keyboard there but not the
// window's shortcuts, which would wait for a click.
QMessageBox::StandardButton Caja(QMessageBox::Icon icono, QWidget* padre, const QString& titulo,
                                 const QString& texto, QMessageBox::StandardButtons botones,
                                 QMessageBox::StandardButton defecto = QMessageBox::NoButton) {
    ++Cuenta();
    QWidget* dueno = padre ? padre : QApplication::activeWindow();
    QMessageBox caja(icono, Titulo(titulo), texto, botones, dueno);
    if (defecto != QMessageBox::NoButton) caja.setDefaultButton(defecto);
    const auto respuesta = static_cast<QMessageBox::StandardButton>(caja.exec());
    if (dueno) dueno->window()->activateWindow();
    return respuesta;
}

// Scripted answer of a question; records the box.
Respuesta Responde(TipoMensaje tipo, const QString& titulo, const QString& texto,
                   Respuesta porDefecto) {
    ++Cuenta();
    Guion& g = ElGuion();
    g.mostrados.push_back({tipo, titulo, texto});
    if (g.respuestas.empty()) return porDefecto;
    Respuesta r = g.respuestas.front();
    g.respuestas.pop_front();
    return r;
}

QString RutaGuion(TipoMensaje tipo, const QString& filtro, const QString& inicial) {
    Guion& g = ElGuion();
    g.mostrados.push_back({tipo, QString(), filtro, inicial});
    if (g.rutas.isEmpty()) return QString();
    return g.rutas.takeFirst();
}

// Scripted answer of a font or colour dialog: the next of `cola`, if any.
template <class T>
bool EligeGuion(TipoMensaje tipo, const QString& preset, std::deque<T>& cola, T& elegido) {
    ElGuion().mostrados.push_back({tipo, QString(), preset});
    if (cola.empty()) return false;
    elegido = cola.front();
    cola.pop_front();
    return true;
}

}  // namespace

void Mensajes::Informa(QWidget* padre, const QString& texto, const QString& titulo) {
    if (EnGuion()) {
        Responde(TipoMensaje::Informacion, titulo, texto, Respuesta::Ok);
        return;
    }
    Caja(QMessageBox::Information, padre, titulo, texto, QMessageBox::Ok);
}

void Mensajes::Advierte(QWidget* padre, const QString& texto, const QString& titulo) {
    if (EnGuion()) {
        Responde(TipoMensaje::Advertencia, titulo, texto, Respuesta::Ok);
        return;
    }
    Caja(QMessageBox::Warning, padre, titulo, texto, QMessageBox::Ok);
}

void Mensajes::Error(QWidget* padre, const QString& texto, const QString& titulo) {
    if (EnGuion()) {
        Responde(TipoMensaje::Error, titulo, texto, Respuesta::Ok);
        return;
    }
    Caja(QMessageBox::Critical, padre, titulo, texto, QMessageBox::Ok);
}

bool Mensajes::PreguntaOkCancelar(QWidget* padre, const QString& texto, const QString& titulo) {
    if (EnGuion())
        return Responde(TipoMensaje::OkCancelar, titulo, texto, Respuesta::Cancelar) ==
               Respuesta::Ok;
    return Caja(QMessageBox::Question, padre, titulo, texto, QMessageBox::Ok | QMessageBox::Cancel,
                QMessageBox::Ok) == QMessageBox::Ok;
}

bool Mensajes::PreguntaSiNo(QWidget* padre, const QString& texto, const QString& titulo) {
    if (EnGuion())
        return Responde(TipoMensaje::SiNo, titulo, texto, Respuesta::No) == Respuesta::Si;
    return Caja(QMessageBox::Question, padre, titulo, texto, QMessageBox::Yes | QMessageBox::No,
                QMessageBox::Yes) == QMessageBox::Yes;
}

Respuesta Mensajes::PreguntaSiNoCancelar(QWidget* padre, const QString& texto,
                                         const QString& titulo) {
    if (EnGuion()) return Responde(TipoMensaje::SiNoCancelar, titulo, texto, Respuesta::Cancelar);
    const auto b = Caja(QMessageBox::Question, padre, titulo, texto,
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    if (b == QMessageBox::Yes) return Respuesta::Si;
    if (b == QMessageBox::No) return Respuesta::No;
    return Respuesta::Cancelar;
}

QString Mensajes::PideArchivoAbrir(QWidget* padre, const QString& filtro, const QString& inicial) {
    if (EnGuion()) return RutaGuion(TipoMensaje::Abrir, filtro, inicial);
    return QFileDialog::getOpenFileName(padre, QString(), inicial, filtro);
}

QString Mensajes::PideArchivoGuardar(QWidget* padre, const QString& filtro,
                                     const QString& inicial) {
    if (EnGuion()) return RutaGuion(TipoMensaje::Guardar, filtro, inicial);
    return QFileDialog::getSaveFileName(padre, QString(), inicial, filtro);
}

bool Mensajes::PideFuente(QWidget* padre, const QFont& inicial, QFont& elegida) {
    if (EnGuion())
        return EligeGuion(TipoMensaje::Fuente, inicial.toString(), ElGuion().fuentes, elegida);
    // The dialog lists the families the system has: a name the system substitutes
    // ("Arial") would open it on its default family and style, so it opens on the family
    // the name resolves to, as the report's own fonts do.
    QFont preset = inicial;
    preset.setFamily(QFontInfo(inicial).family());
    bool ok = false;
    QFont f = QFontDialog::getFont(&ok, preset, padre);
    if (ok) elegida = f;
    return ok;
}

bool Mensajes::PideColor(QWidget* padre, const QColor& inicial, QColor& elegido) {
    if (EnGuion())
        return EligeGuion(TipoMensaje::Color, inicial.name(), ElGuion().colores, elegido);
    QColor c = QColorDialog::getColor(inicial, padre);
    if (!c.isValid()) return false;  // cancelled: the colour stays
    elegido = c;
    return true;
}

void Mensajes::IniciaGuion(std::deque<Respuesta> respuestas, QStringList rutas) {
    Guion& g = ElGuion();
    g.activo = true;
    g.respuestas = std::move(respuestas);
    g.rutas = std::move(rutas);
    g.mostrados.clear();
}

void Mensajes::TerminaGuion() { ElGuion() = Guion{}; }
bool Mensajes::EnGuion() { return ElGuion().activo; }
int Mensajes::Mostradas() { return Cuenta(); }
void Mensajes::AgregaRespuesta(Respuesta r) { ElGuion().respuestas.push_back(r); }
void Mensajes::AgregaRuta(const QString& ruta) { ElGuion().rutas.push_back(ruta); }
void Mensajes::AgregaFuente(const QFont& f) { ElGuion().fuentes.push_back(f); }
void Mensajes::AgregaColor(const QColor& c) { ElGuion().colores.push_back(c); }
const std::vector<MensajeMostrado>& Mensajes::Mostrados() { return ElGuion().mostrados; }
void Mensajes::BorraMostrados() { ElGuion().mostrados.clear(); }

}  // namespace trabelux
