#include "io/archivos.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>

namespace trabelux {

std::string RazonEnEspanol(int codigoSistema, Acceso acceso) {
    const bool lee = acceso == Acceso::kLectura;
    switch (codigoSistema) {
        case EACCES:
        case EPERM:
            return lee ? "No hay permiso para leer el archivo"
                       : "No hay permiso para escribir en ese lugar";
        case ENOENT:
            return lee ? "El archivo no existe" : "La carpeta no existe";
        case ENOTDIR:
            return "La carpeta no existe";
        case EROFS:
            return "El disco es de solo lectura";
        case ENOSPC:
        case EDQUOT:
            return "No queda espacio en el disco";
        case EISDIR:
            return "Es una carpeta";
        case ENAMETOOLONG:
            return "El nombre es demasiado largo";
        default:
            return "Error del sistema número " + std::to_string(codigoSistema);
    }
}

namespace {

// The system's code behind a failure of `f`. Qt keeps the system's message of the failing
// call, not its code, so the code is the one whose message it is; where Qt has none (a
// failed flush inside commit() reads "Unknown error") errno, kept right after the call,
// stands in.
int CodigoSistema(const QFileDevice& f, int errnoGuardado) {
    const std::string qt = f.errorString().toStdString();
    for (int codigo = 1; codigo < 256; ++codigo)
        if (qt == std::strerror(codigo)) return codigo;
    return errnoGuardado != 0 ? errnoGuardado : EIO;
}

// The reason a save failed. QSaveFile refuses an existing file it may not write to before
// asking the system anything, so the system is asked why here.
std::string RazonAlGuardar(const std::string& ruta, const QFileDevice& f, int errnoGuardado) {
    if (::access(ruta.c_str(), F_OK) == 0 && ::access(ruta.c_str(), W_OK) != 0)
        return RazonEnEspanol(errno, Acceso::kEscritura);
    return RazonEnEspanol(CodigoSistema(f, errnoGuardado), Acceso::kEscritura);
}

Estado FallaAlGuardar(const std::string& ruta, const std::string& razon) {
    return Estado::Falla(MensajeErrorGuardar(ruta, razon));
}

}  // namespace

Resultado<std::string> LeeContenidoArchivo(const std::string& ruta) {
    QFile f(QString::fromStdString(ruta));
    if (QFileInfo(f).isDir())
        return Resultado<std::string>::Falla(RazonEnEspanol(EISDIR, Acceso::kLectura));
    errno = 0;
    if (!f.open(QIODevice::ReadOnly))
        return Resultado<std::string>::Falla(
            RazonEnEspanol(CodigoSistema(f, errno), Acceso::kLectura));
    errno = 0;
    QByteArray datos = f.readAll();
    if (f.error() != QFileDevice::NoError)
        return Resultado<std::string>::Falla(
            RazonEnEspanol(CodigoSistema(f, errno), Acceso::kLectura));
    return Resultado<std::string>::Ok(
        std::string(datos.constData(), static_cast<size_t>(datos.size())));
}

std::optional<std::string> LeeBytesArchivo(const std::string& ruta) {
    return LeeContenidoArchivo(ruta).valor;
}

Estado GuardaArchivo(const std::string& ruta, const std::string& bytes) {
    // Replacing a device, a FIFO or a folder (or a link to one) with a regular file would
    // destroy it; only a missing name or a regular file is saved over.
    struct stat destino;
    if (::stat(ruta.c_str(), &destino) == 0 && !S_ISREG(destino.st_mode))
        return FallaAlGuardar(ruta, "No es un archivo regular");
    QSaveFile f(QString::fromStdString(ruta));
    errno = 0;
    if (!f.open(QIODevice::WriteOnly)) return FallaAlGuardar(ruta, RazonAlGuardar(ruta, f, errno));
    // The bytes may sit in the device's buffer; a full disk shows only when they are
    // flushed, and commit() would rename the short file over the old one unnoticed.
    errno = 0;
    const bool escrito = f.write(bytes.data(), static_cast<qint64>(bytes.size())) ==
                             static_cast<qint64>(bytes.size()) &&
                         f.flush() && f.error() == QFileDevice::NoError;
    if (!escrito) {
        const std::string razon = RazonAlGuardar(ruta, f, errno);
        f.cancelWriting();
        return FallaAlGuardar(ruta, razon);
    }
    errno = 0;
    if (!f.commit()) return FallaAlGuardar(ruta, RazonAlGuardar(ruta, f, errno));
    return Estado::Bien();
}

Estado GuardaArchivo(const std::string& ruta, const Resultado<std::string>& bytes) {
    return bytes ? GuardaArchivo(ruta, *bytes.valor) : FallaAlGuardar(ruta, bytes.mensaje);
}

std::string MensajeErrorGuardar(const std::string& ruta, const std::string& razon) {
    return "No se pudo guardar el archivo:\n" + ruta + "\n" + razon;
}

}  // namespace trabelux
