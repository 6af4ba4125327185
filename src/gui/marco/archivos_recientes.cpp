#include "gui/marco/archivos_recientes.h"

#include <QFileInfo>
#include <QSettings>

namespace trabelux {

namespace {

const QString kClave = QStringLiteral("archivosRecientes");

// One spelling per file, so a file reached by two paths is listed once.
QString Normaliza(const QString& ruta) {
    const QFileInfo info(ruta);
    const QString canonica = info.canonicalFilePath();
    return canonica.isEmpty() ? info.absoluteFilePath() : canonica;
}

}  // namespace

ArchivosRecientes::ArchivosRecientes(const QStringList& rutas) {
    // Oldest first, so the most recent ends on top and duplicates collapse.
    for (auto it = rutas.crbegin(); it != rutas.crend(); ++it)
        if (!it->isEmpty()) Agrega(*it);
}

void ArchivosRecientes::Agrega(const QString& ruta) {
    const QString normal = Normaliza(ruta);
    rutas_.removeAll(normal);
    rutas_.prepend(normal);
    while (rutas_.size() > kMaximo) rutas_.removeLast();
}

QStringList ArchivosRecientes::Existentes() const {
    QStringList r;
    for (const QString& ruta : rutas_)
        if (QFileInfo(ruta).isFile()) r << ruta;
    return r;
}

ArchivosRecientes ArchivosRecientes::Lee(QSettings& ajustes) {
    return ArchivosRecientes(ajustes.value(kClave).toStringList());
}

void ArchivosRecientes::Escribe(QSettings& ajustes) const { ajustes.setValue(kClave, rutas_); }

}  // namespace trabelux
