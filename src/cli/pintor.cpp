#include "cli/pintor.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>

#include "io/archivos.h"
#include "io/datos_programa.h"

namespace trabelux::cli {

namespace fs = std::filesystem;

namespace {
constexpr const char* kPintor = "trabelux-pinta";
}

std::string RutaPintor() {
    const fs::path programa = CarpetaPrograma();
    const fs::path junto = programa / kPintor;
    const fs::path instalado = programa / "../libexec/trabelux" / kPintor;
    std::error_code error;
    if (!fs::exists(junto, error) && fs::exists(instalado, error))
        return instalado.lexically_normal().string();
    return junto.string();
}

int PasaAlPintor(const std::string& nombre, const Argumentos& argumentos) {
    const std::string ruta = RutaPintor();
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(ruta.c_str()));
    argv.push_back(const_cast<char*>(nombre.c_str()));
    for (const std::string& a : argumentos) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    std::fflush(stdout);
    ::execv(ruta.c_str(), argv.data());
    std::fprintf(stderr, "No se pudo ejecutar el programa que pinta:\n%s\n%s\n", ruta.c_str(),
                 RazonEnEspanol(errno, Acceso::kLectura).c_str());
    return 2;
}

}  // namespace trabelux::cli
