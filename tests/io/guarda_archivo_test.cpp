// Saving a project never damages the file it replaces: on a full file system and over
// things that are not regular files the old contents stay and the reason is reported.
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

// A tiny tmpfs filled to the last byte, mounted for the test and removed after.
class DiscoLleno : public ::testing::Test {
  protected:
    void SetUp() override {
        if (::geteuid() != 0) GTEST_SKIP() << "mounting a file system needs root";
        carpeta_ = CarpetaTemporal();
        ASSERT_FALSE(carpeta_.empty());
        if (::mount("tmpfs", carpeta_.c_str(), "tmpfs", 0, "size=64k") != 0) {
            ::rmdir(carpeta_.c_str());
            carpeta_.clear();
            GTEST_SKIP() << "cannot mount a tmpfs: " << std::strerror(errno);
        }
        montado_ = true;
        viejo_ = "1 vano, Viga antigua\r\n 4.5 , 0.3 \r\n";
        std::ofstream(carpeta_ + "/viga.vcw", std::ios::binary) << viejo_;
        std::ofstream relleno(carpeta_ + "/relleno", std::ios::binary);
        const std::string bloque(4096, 'x');
        while (relleno.write(bloque.data(), bloque.size()) && relleno.flush()) {
        }
    }
    void TearDown() override {
        if (montado_) ::umount2(carpeta_.c_str(), MNT_DETACH);
        if (!carpeta_.empty()) ::rmdir(carpeta_.c_str());
    }
    std::string carpeta_, viejo_;
    bool montado_ = false;
};

TEST_F(DiscoLleno, ElArchivoViejoQuedaIntactoYSeDiceLaRazon) {
    const std::string razon = std::strerror(ENOSPC);
    for (size_t largo : {size_t{40}, size_t{1} << 20}) {
        const std::string nuevo(largo, 'n');
        for (const char* nombre : {"viga.vcw", "otra.vcw"}) {
            SCOPED_TRACE(std::string(nombre) + " " + std::to_string(largo) + " bytes");
            const std::string ruta = carpeta_ + "/" + nombre;
            const std::string error = GuardaArchivo(ruta, nuevo);
            EXPECT_EQ(error, "No se pudo guardar el archivo:\n" + ruta + "\n" + razon);
            EXPECT_EQ(Contenido(carpeta_ + "/viga.vcw"), viejo_);
            EXPECT_NE(::access((carpeta_ + "/otra.vcw").c_str(), F_OK), 0);
        }
    }
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
        const std::string error = GuardaArchivo(c.ruta, "1 vano\r\n");
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
