#include "io/archivos.h"

#include <sys/stat.h>

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

std::string GuardaArchivo(const std::string& ruta, const Resultado<std::string>& bytes) {
    return bytes ? GuardaArchivo(ruta, *bytes.valor) : MensajeErrorGuardar(ruta, bytes.mensaje);
}

std::string MensajeErrorGuardar(const std::string& ruta, const std::string& razon) {
    return "No se pudo guardar el archivo:\n" + ruta + "\n" + razon;
}

}  // namespace trabelux
