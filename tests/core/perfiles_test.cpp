// The steel-shapes table: its binary records, the family filter, the metre units and
// formats of the shape grid, and the generated table shipped with the program.
#include "archivos/perfiles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <limits>
#include <sstream>

using namespace trabelux;

namespace {

void AgregaSencillo(std::string& s, float f) {
    std::uint32_t u;
    std::memcpy(&u, &f, 4);
    for (int b = 0; b < 4; ++b) s += static_cast<char>((u >> (8 * b)) & 0xFF);
}

std::string Registro(const std::string& designacion, std::initializer_list<float> valores) {
    std::string r = designacion + std::string(12 - designacion.size(), ' ');
    for (float v : valores) AgregaSencillo(r, v);
    for (size_t k = valores.size(); k < 12; ++k) AgregaSencillo(r, 0);
    return r;
}

const std::string kW8x31 = Registro("W8X31", {9.13f, 8, 8, 0.435f, 0.285f, 110, 27.5f, 3.47f});

std::string TablaMixta() {
    return kW8x31 + Registro("WT5X22.5", {6.63f, 5.05f, 8.02f, 0.62f, 0.35f, 10.2f, 2.47f, 1.24f}) +
           Registro("M12X11.8", {3.47f, 12, 3.07f, 0.225f, 0.177f, 72.2f, 12, 4.56f}) +
           Registro("MC12X50", {14.7f, 12, 4.14f, 0.7f, 0.835f, 269, 44.9f, 4.28f}) +
           Registro("C10X30", {8.81f, 10, 3.03f, 0.436f, 0.673f, 103, 20.7f, 3.43f}) +
           Registro("HP14X117", {34.4f, 14.2f, 14.9f, 0.805f, 0.805f, 1220, 172, 5.96f}) +
           Registro("S24X121", {35.5f, 24.5f, 8.05f, 1.09f, 0.8f, 3160, 258, 9.43f}) +
           Registro("W", {1, 1, 1, 1, 1, 1, 1, 1}) + Registro("W0X10", {1, 1, 1, 1, 1, 1, 1, 1}) +
           Registro("W10X12", {3.54f, 9.87f, 3.96f, 0.21f, 0.19f, 53.8f, 10.9f, 3.9f});
}

TablaPerfiles Tabla(const std::string& bytes) {
    auto r = LeePerfiles(bytes, "Aisc-dat.Dat");
    EXPECT_TRUE(r) << r.mensaje;
    return r ? *r.valor : TablaPerfiles{};
}

}  // namespace

TEST(LeePerfiles, ReadsRecordsInFileOrder) {
    TablaPerfiles t = Tabla(TablaMixta());
    ASSERT_EQ(t.registros.size(), 10u);
    EXPECT_EQ(t.registros[0].designacion, "W8X31");
    EXPECT_FLOAT_EQ(t.registros[0].valores[0], 9.13f);
    EXPECT_FLOAT_EQ(t.registros[0].valores[5], 110);
    EXPECT_FLOAT_EQ(t.registros[0].valores[7], 3.47f);
    EXPECT_EQ(t.registros[1].designacion, "WT5X22.5");
}

#ifdef TRABELUX_PERFILES_DAT
#endif
