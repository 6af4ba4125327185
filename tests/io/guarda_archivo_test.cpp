// Saving a project never damages the file it replaces: on a full or read-only file system,
// over a file that may not be written and over things that are not regular files the old
// contents stay and the reason is reported, in Spanish; reading says in Spanish why not.
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "io/archivos.h"
#include "io/lectores_disco.h"

using namespace trabelux;

namespace {

std::string Contenido(const std::string& ruta) {
    std::ifstream f(ruta, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

std::string CarpetaTemporal() {
    char plantilla[] = "/tmp/trabelux-guarda-XXXXXX";
    const char* c = ::mkdtemp(plantilla);
    return c ? c : "";
}

// A folder holding an old project: a tiny tmpfs mounted for the test when run as root
// (so that it can be filled or made read-only), otherwise an ordinary temporary folder.
class CarpetaConProyecto : public ::testing::Test {
  protected:
    void SetUp() override {
        carpeta_ = CarpetaTemporal();
        ASSERT_FALSE(carpeta_.empty());
        montada_ =
            ::geteuid() == 0 && ::mount("tmpfs", carpeta_.c_str(), "tmpfs", 0, "size=64k") == 0;
        viga_ = carpeta_ + "/viga.vcw";
        std::ofstream(viga_, std::ios::binary) << viejo_;
    }
    void TearDown() override {
        if (montada_) ::umount2(carpeta_.c_str(), MNT_DETACH);
        for (const char* f : {"/viga.vcw", "/otra.vcw", "/relleno"})
            ::unlink((carpeta_ + f).c_str());
        ::rmdir(carpeta_.c_str());
    }
    std::string Error(const std::string& ruta, const std::string& razon) const {
        return "No se pudo guardar el archivo:\n" + ruta + "\n" + razon;
    }
    std::string carpeta_, viga_;
    const std::string viejo_ = "1 vano, Viga antigua\r\n 4.5 , 0.3 \r\n";
    bool montada_ = false;
};

TEST_F(CarpetaConProyecto, EnUnDiscoLlenoElArchivoViejoQuedaIntacto) {
    if (!montada_) GTEST_SKIP() << "filling a file system of its own needs root";
    std::ofstream relleno(carpeta_ + "/relleno", std::ios::binary);
    const std::string bloque(4096, 'x');
    while (relleno.write(bloque.data(), bloque.size()) && relleno.flush()) {
    }
    for (size_t largo : {size_t{40}, size_t{1} << 20}) {
        const std::string nuevo(largo, 'n');
        for (const char* nombre : {"viga.vcw", "otra.vcw"}) {
            SCOPED_TRACE(std::string(nombre) + " " + std::to_string(largo) + " bytes");
            const std::string ruta = carpeta_ + "/" + nombre;
            EXPECT_EQ(GuardaArchivo(ruta, nuevo).Mensaje(),
                      Error(ruta, "No queda espacio en el disco"));
            EXPECT_EQ(Contenido(viga_), viejo_);
            EXPECT_NE(::access((carpeta_ + "/otra.vcw").c_str(), F_OK), 0);
        }
    }
}

// A file that may not be written keeps its contents; a name in a folder that does not
// exist is not created; a file that cannot be read says why.
TEST_F(CarpetaConProyecto, LoQueNoSePuedeEscribirNiLeerDiceLaRazonEnEspanol) {
    if (montada_) {
        // Root writes over any permission: a read-only disk stands in for it.
        ASSERT_EQ(::mount(nullptr, carpeta_.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr), 0);
        EXPECT_EQ(GuardaArchivo(viga_, "nuevo").Mensaje(),
                  Error(viga_, "El disco es de solo lectura"));
    } else if (::geteuid() != 0) {
        ::chmod(viga_.c_str(), 0444);
        EXPECT_EQ(GuardaArchivo(viga_, "nuevo").Mensaje(),
                  Error(viga_, "No hay permiso para escribir en ese lugar"));
    }
    EXPECT_EQ(Contenido(viga_), viejo_);
    const std::string sinCarpeta = carpeta_ + "/no/viga.vcw";
    EXPECT_EQ(GuardaArchivo(sinCarpeta, "nuevo").Mensaje(),
              Error(sinCarpeta, "La carpeta no existe"));
    const std::string tabla = carpeta_ + "/nada.Dat";
    EXPECT_EQ(LeeTablaPerfiles(tabla).mensaje,
              "No se pudo leer la tabla de perfiles:\n" + tabla + "\nEl archivo no existe");
    EXPECT_EQ(LeeContenidoArchivo(carpeta_).mensaje, "Es una carpeta");
}

// A device, a FIFO or a folder, or a link to one, stays what it was.
TEST(GuardaArchivo, RehusaLoQueNoEsUnArchivoRegular) {
    const std::string carpeta = CarpetaTemporal();
    ASSERT_FALSE(carpeta.empty());
    const std::string fifo = carpeta + "/fifo", dir = carpeta + "/carpeta",
                      dispositivo = carpeta + "/nulo", enlace = carpeta + "/enlace";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    ASSERT_EQ(::mkdir(dir.c_str(), 0700), 0);
    ASSERT_EQ(::symlink(fifo.c_str(), enlace.c_str()), 0);
    const bool hayDispositivo = ::mknod(dispositivo.c_str(), S_IFCHR | 0600, makedev(1, 3)) == 0;
    struct Caso {
        std::string ruta;
        mode_t tipo;
    };
    std::vector<Caso> casos = {{fifo, S_IFIFO}, {dir, S_IFDIR}, {enlace, S_IFIFO}};
    if (hayDispositivo) casos.push_back({dispositivo, S_IFCHR});
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.ruta);
        const std::string error = GuardaArchivo(c.ruta, "1 vano\r\n").Mensaje();
        EXPECT_EQ(error.rfind("No se pudo guardar el archivo:\n" + c.ruta + "\n", 0), 0u);
        struct stat st;
        ASSERT_EQ(::stat(c.ruta.c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & S_IFMT, c.tipo);
    }
    for (const std::string& r : {enlace, fifo, dispositivo}) ::unlink(r.c_str());
    ::rmdir(dir.c_str());
    ::rmdir(carpeta.c_str());
}

}  // namespace
