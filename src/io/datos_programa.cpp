#include "io/datos_programa.h"

#include <filesystem>
#include <system_error>

namespace trabelux {

namespace fs = std::filesystem;

std::string CarpetaPrograma() {
    // The running executable's folder, links resolved, as Qt's applicationDirPath gives it
    // on Linux; read here so that a command without Qt finds the program's data the same way.
    std::error_code error;
    const fs::path programa = fs::canonical("/proc/self/exe", error);
    return error ? std::string(".") : programa.parent_path().string();
}

std::string RutaDatosPrograma(const std::string& nombre) {
    const fs::path programa = CarpetaPrograma();
    const fs::path junto = programa / nombre;
    const fs::path instalado = programa / "../share/trabelux" / nombre;
    std::error_code error;
    if (!fs::exists(junto, error) && fs::exists(instalado, error))
        return instalado.lexically_normal().string();
    return junto.string();
}

std::string RutaTablaPerfiles() { return RutaDatosPrograma("Aisc-dat.Dat"); }

}  // namespace trabelux
