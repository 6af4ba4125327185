// Reading files and the command line's own outputs with the standard library and POSIX
// alone, so that a command that only reads projects loads no Qt. The desktop program's
// saves are in guarda_archivo.cpp (QSaveFile).
#include "io/archivos.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <random>

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

// Closes the descriptor however the function using it returns.
class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int fd() const { return fd_; }
    // Closes now: a close that fails on a written file lost the bytes.
    bool Cierra() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

  private:
    int fd_;
};

bool EscribeTodo(int fd, const std::string& bytes) {
    for (size_t hecho = 0; hecho < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.data() + hecho, bytes.size() - hecho);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        hecho += static_cast<size_t>(n);
    }
    return true;
}

Estado FallaAlGuardar(const std::string& ruta, int codigo) {
    return Estado::Falla(MensajeErrorGuardar(ruta, RazonEnEspanol(codigo, Acceso::kEscritura)));
}

}  // namespace

Resultado<std::string> LeeContenidoArchivo(const std::string& ruta) {
    auto falla = [](int codigo) {
        return Resultado<std::string>::Falla(RazonEnEspanol(codigo, Acceso::kLectura));
    };
    struct stat st;
    if (::stat(ruta.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) return falla(EISDIR);
    Descriptor f(::open(ruta.c_str(), O_RDONLY | O_CLOEXEC));
    if (f.fd() < 0) return falla(errno);
    std::string datos;
    if (::fstat(f.fd(), &st) == 0 && S_ISREG(st.st_mode))
        datos.reserve(static_cast<size_t>(st.st_size));
    char bloque[65536];
    for (;;) {
        const ssize_t n = ::read(f.fd(), bloque, sizeof bloque);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return falla(errno);
        if (n == 0) break;
        datos.append(bloque, static_cast<size_t>(n));
    }
    return Resultado<std::string>::Ok(std::move(datos));
}

std::optional<std::string> LeeBytesArchivo(const std::string& ruta) {
    return LeeContenidoArchivo(ruta).valor;
}

Estado GuardaSalida(const std::string& ruta, const std::string& bytes) {
    struct stat destino;
    const bool existe = ::stat(ruta.c_str(), &destino) == 0;
    if (existe && !S_ISREG(destino.st_mode))
        return Estado::Falla(MensajeErrorGuardar(ruta, "No es un archivo regular"));
    if (existe && ::access(ruta.c_str(), W_OK) != 0) return FallaAlGuardar(ruta, errno);
    // A fresh name beside the file, created with the permissions the user's umask gives a
    // new file; renamed over the old one only once all of it is on disk.
    std::random_device azar;
    std::string temporal;
    int fd = -1;
    for (int intento = 0; fd < 0 && intento < 100; ++intento) {
        temporal = ruta + ".tmp" + std::to_string(azar() % 1000000000u);
        fd = ::open(temporal.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) return FallaAlGuardar(ruta, errno);
    }
    if (fd < 0) return FallaAlGuardar(ruta, EEXIST);
    Descriptor f(fd);
    if (existe) ::fchmod(fd, destino.st_mode & 07777);
    const bool escrito = EscribeTodo(fd, bytes) && ::fsync(fd) == 0;
    const int codigo = errno;
    if (!f.Cierra() || !escrito || ::rename(temporal.c_str(), ruta.c_str()) != 0) {
        const int razon = escrito ? errno : codigo;
        ::unlink(temporal.c_str());
        return FallaAlGuardar(ruta, razon);
    }
    return Estado::Bien();
}

std::string MensajeErrorGuardar(const std::string& ruta, const std::string& razon) {
    return "No se pudo guardar el archivo:\n" + ruta + "\n" + razon;
}

}  // namespace trabelux
