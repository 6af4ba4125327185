#include "render/archivos_qt.h"

#include <sys/stat.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>

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

namespace {

// The system's reason for the last failure of `f`. Qt loses errno on some paths (a failed
// flush inside commit() reads "Unknown error"), so the C library's text stands in then.
std::string Razon(const QFileDevice& f, int errnoGuardado) {
    const QString qt = f.errorString();
    if (!qt.isEmpty() && qt != QStringLiteral("Unknown error")) return qt.toStdString();
    return std::strerror(errnoGuardado != 0 ? errnoGuardado : EIO);
}

}  // namespace

std::string GuardaArchivo(const std::string& ruta, const std::string& bytes) {
    // Replacing a device, a FIFO or a folder (or a link to one) with a regular file would
    // destroy it; only a missing name or a regular file is saved over.
    struct stat destino;
    if (::stat(ruta.c_str(), &destino) == 0 && !S_ISREG(destino.st_mode))
        return MensajeErrorGuardar(ruta, "No es un archivo regular");
    QSaveFile f(QString::fromStdString(ruta));
    errno = 0;
    if (!f.open(QIODevice::WriteOnly)) return MensajeErrorGuardar(ruta, Razon(f, errno));
    // The bytes may sit in the device's buffer; a full disk shows only when they are
    // flushed, and commit() would rename the short file over the old one unnoticed.
    errno = 0;
    const bool escrito = f.write(bytes.data(), static_cast<qint64>(bytes.size())) ==
                             static_cast<qint64>(bytes.size()) &&
                         f.flush() && f.error() == QFileDevice::NoError;
    if (!escrito) {
        const std::string razon = Razon(f, errno);
        f.cancelWriting();
        return MensajeErrorGuardar(ruta, razon);
    }
    errno = 0;
    if (!f.commit()) return MensajeErrorGuardar(ruta, Razon(f, errno));
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

LecturaProyecto AbreProyecto(const std::string& ruta, const std::string& rutaPerfiles) {
    auto bytes = LeeBytesArchivo(ruta);
    if (!bytes) {
        LecturaProyecto l;
        l.error = "No se pudo leer el archivo:\n" + ruta + "\nNo existe o no se puede abrir";
        return l;
    }
    return LeeArchivo(*bytes, ruta, LectorJuntoAlProyecto(ruta),
                      [&rutaPerfiles] { return LeeTablaPerfiles(rutaPerfiles); });
}

}  // namespace trabelux
