// The steel-shapes table: its binary records of a designation and single-precision values.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

#include "core/archivos/tabla_perfiles.h"

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

}  // namespace

TEST(LeePerfiles, ReadsRecordsInFileOrder) {
    const std::string bytes =
        Registro("W8X31", {9.13f, 8, 8, 0.435f, 0.285f, 110, 27.5f, 3.47f}) +
        Registro("WT5X22.5", {6.63f, 5.05f, 8.02f, 0.62f, 0.35f, 10.2f, 2.47f, 1.24f}) +
        Registro("W", {1, 1, 1, 1, 1, 1, 1, 1});
    auto r = LeePerfiles(bytes, "Aisc-dat.Dat");
    ASSERT_TRUE(r) << r.mensaje;
    const TablaPerfiles& t = *r.valor;
    ASSERT_EQ(t.registros.size(), 3u);
    EXPECT_EQ(t.registros[0].designacion, "W8X31");
    EXPECT_FLOAT_EQ(t.registros[0].valores[0], 9.13f);
    EXPECT_FLOAT_EQ(t.registros[0].valores[5], 110);
    EXPECT_FLOAT_EQ(t.registros[0].valores[7], 3.47f);
    EXPECT_EQ(t.registros[1].designacion, "WT5X22.5");
}
