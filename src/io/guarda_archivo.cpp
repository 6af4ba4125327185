// Saving with QSaveFile: the desktop program's projects and the painted PDFs. The reading
// half of io/archivos.h needs only the standard library (archivos.cpp).
#include <sys/stat.h>
#include <unistd.h>

#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>

#include "io/archivos.h"

namespace trabelux {

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

}  // namespace trabelux
