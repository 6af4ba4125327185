#include "archivos_qt.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace trabelux {

std::optional<std::string> LeeBytesArchivo(const std::string& ruta) {
    QFile f(QString::fromStdString(ruta));
    if (!QFileInfo(f).isFile() || !f.open(QIODevice::ReadOnly)) return std::nullopt;
    QByteArray datos = f.readAll();
    if (f.error() != QFileDevice::NoError) return std::nullopt;
    return std::string(datos.constData(), static_cast<size_t>(datos.size()));
}

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

LecturaProyecto AbreProyecto(const std::string& ruta) {
    auto bytes = LeeBytesArchivo(ruta);
    if (!bytes) {
        LecturaProyecto l;
        l.error = "No se pudo leer el archivo:\n" + ruta + "\nNo existe o no se puede abrir";
        return l;
    }
    return LeeArchivo(*bytes, ruta, LectorJuntoAlProyecto(ruta));
}

std::string GuardaArchivo(const std::string& ruta, const std::string& bytes) {
    QSaveFile f(QString::fromStdString(ruta));
    if (!f.open(QIODevice::WriteOnly))
        return MensajeErrorGuardar(ruta, f.errorString().toStdString());
    if (f.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
        static_cast<qint64>(bytes.size())) {
        std::string razon = f.errorString().toStdString();
        f.cancelWriting();
        return MensajeErrorGuardar(ruta, razon);
    }
    if (!f.commit()) return MensajeErrorGuardar(ruta, f.errorString().toStdString());
    return {};
}

std::string RutaDatosPrograma(const std::string& nombre) {
    const QDir programa(QCoreApplication::applicationDirPath());
    const QString n = QString::fromStdString(nombre);
    const QString junto = programa.filePath(n);
    const QString instalado = programa.filePath(QStringLiteral("../share/trabelux/") + n);
    if (!QFileInfo::exists(junto) && QFileInfo::exists(instalado))
        return QDir::cleanPath(instalado).toStdString();
    return junto.toStdString();
}

std::string RutaTablaPerfiles() { return RutaDatosPrograma("Aisc-dat.Dat"); }

Resultado<TablaPerfiles> LeeTablaPerfiles(const std::string& ruta) {
    QFile f(QString::fromStdString(ruta));
    if (!f.open(QIODevice::ReadOnly))
        return Resultado<TablaPerfiles>::Error("No se pudo leer la tabla de perfiles:\n" + ruta +
                                               "\n" + f.errorString().toStdString());
    QByteArray datos = f.readAll();
    return LeePerfiles(std::string(datos.constData(), static_cast<size_t>(datos.size())), ruta);
}

}  // namespace trabelux
