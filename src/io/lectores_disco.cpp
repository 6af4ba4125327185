#include "io/lectores_disco.h"

#include <QDir>
#include <QFileInfo>

#include "io/archivos.h"

namespace trabelux {

LectorArchivo LectorJuntoAlProyecto(const std::string& rutaProyecto) {
    QDir carpeta = QFileInfo(QString::fromStdString(rutaProyecto)).absoluteDir();
    return [carpeta](const std::string& ruta) -> std::optional<std::string> {
        QString r = QString::fromStdString(ruta).trimmed();
        // Slab paths written on another system may use either separator.
        r.replace(QLatin1Char('\\'), QLatin1Char('/'));
        QString completa = QFileInfo(r).isRelative() ? carpeta.filePath(r) : r;
        if (auto bytes = LeeBytesArchivo(completa.toStdString())) return bytes;
        QString junto = carpeta.filePath(QFileInfo(r).fileName());
        if (junto != completa) return LeeBytesArchivo(junto.toStdString());
        return std::nullopt;
    };
}

Resultado<TablaPerfiles> LeeTablaPerfiles(const std::string& ruta) {
    Resultado<std::string> bytes = LeeContenidoArchivo(ruta);
    if (!bytes)
        return Resultado<TablaPerfiles>::Falla("No se pudo leer la tabla de perfiles:\n" + ruta +
                                               "\n" + bytes.mensaje);
    return LeePerfiles(*bytes.valor, ruta);
}

LectoresProyecto LectoresDeDisco(const std::string& rutaProyecto, const std::string& rutaPerfiles) {
    return {LeeBytesArchivo, LectorJuntoAlProyecto(rutaProyecto),
            [rutaPerfiles] { return LeeTablaPerfiles(rutaPerfiles); }};
}

}  // namespace trabelux
