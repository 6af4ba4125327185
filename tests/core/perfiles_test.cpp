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

std::vector<std::string> Designaciones(const ListaFamilia& l) {
    std::vector<std::string> d;
    for (const auto& r : l.perfiles) d.push_back(r.designacion);
    return d;
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

TEST(LeePerfiles, RefusesFilesThatAreNotWholeRecords) {
    const std::string dos = kW8x31 + kW8x31;
    for (size_t n = 0; n <= dos.size(); ++n) {
        auto r = LeePerfiles(dos.substr(0, n), "/opt/trabelux/Aisc-dat.Dat");
        bool entero = n > 0 && n % 60 == 0;
        EXPECT_EQ(static_cast<bool>(r), entero) << n;
        if (!r) {
            EXPECT_EQ(r.mensaje.rfind("No se pudo leer la tabla de perfiles:\n"
                                      "/opt/trabelux/Aisc-dat.Dat\n",
                                      0),
                      0u);
        }
    }
}

TEST(LeePerfiles, RefusesPropertiesThatAreNotNumbers) {
    for (float malo :
         {std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity()}) {
        auto r = LeePerfiles(kW8x31 + Registro("W6X9", {1, 2, 3, malo, 5, 6, 7, 8}), "a.Dat");
        EXPECT_FALSE(r);
        EXPECT_NE(r.mensaje.find("registro 2 (W6X9)"), std::string::npos) << r.mensaje;
    }
    // The four unused singles may hold anything.
    std::string libre = kW8x31;
    for (int k = 44; k < 60; ++k) libre[k] = '\xFF';
    EXPECT_TRUE(LeePerfiles(libre, "a.Dat"));
}

TEST(Familias, ListsAndCodes) {
    const auto& f = FamiliasPerfil();
    EXPECT_STREQ(f[0], "Ninguno");
    EXPECT_STREQ(f[7], "WT");
    struct Caso {
        const char* codigo;
        int indice;
    } casos[] = {{"Ninguno", 0}, {"W", 1},  {"m", 2}, {"HP", 4}, {"mc", 6},
                 {"WT", 7},      {"X", -1}, {"", -1}, {"W8", -1}};
    for (const auto& c : casos) EXPECT_EQ(IndiceFamilia(c.codigo), c.indice) << c.codigo;
}

TEST(Familias, CodeFollowedByAPositiveNumber) {
    TablaPerfiles t = Tabla(TablaMixta());
    using V = std::vector<std::string>;
    struct Caso {
        int familia;
        V esperado;
    } casos[] = {
        {0, {}},
        {1, {"W8X31", "W10X12"}},  // no "WT", nor "W" or "W0X10" without a
                                   // positive size
        {2, {"M12X11.8"}},         // no "MC"
        {3, {"S24X121"}},
        {4, {"HP14X117"}},
        {5, {"C10X30"}},
        {6, {"MC12X50"}},
        {7, {"WT5X22.5"}},
        {8, {}},
    };
    for (const auto& c : casos) {
        ListaFamilia l = PerfilesDeFamilia(t, c.familia);
        EXPECT_EQ(Designaciones(l), c.esperado) << c.familia;
        EXPECT_EQ(l.aviso, "");
    }
}

TEST(Familias, AtMost600ShapesAndSaysSo) {
    std::string bytes;
    for (int k = 1; k <= 601; ++k)
        bytes += Registro("W" + std::to_string(k) + "X1", {1, 1, 1, 1, 1, 1, 1, 1});
    ListaFamilia l = PerfilesDeFamilia(Tabla(bytes), 1);
    ASSERT_EQ(l.perfiles.size(), 600u);
    EXPECT_EQ(l.perfiles.back().designacion, "W600X1");
    EXPECT_NE(l.aviso.find("601"), std::string::npos) << l.aviso;
    EXPECT_NE(l.aviso.find("600"), std::string::npos) << l.aviso;
}

TEST(Perfiles, GridTextsInMetreUnits) {
    TablaPerfiles t = Tabla(kW8x31);
    std::array<std::string, 8> esperado = {"0.005890", "0.203",    "0.203",   "0.011",
                                           "0.007",    "0.000046", "0.00045", "0.088"};
    EXPECT_EQ(TextosPerfil(t.registros[0]), esperado);
}

TEST(Perfiles, ResolvesFamilyAndPosition) {
    TablaPerfiles t = Tabla(TablaMixta());
    auto w10 = ResuelvePerfil(t, 1, 1);
    ASSERT_TRUE(w10);
    EXPECT_EQ(w10->designacion, "W10X12");
    auto w8 = ResuelvePerfil(t, 1, 0);
    ASSERT_TRUE(w8);
    EXPECT_NEAR(w8->area, 9.13 * 0.0254 * 0.0254, 1e-9);
    EXPECT_NEAR(w8->d, 0.2032, 1e-9);
    EXPECT_NEAR(w8->bf, 0.2032, 1e-9);
    EXPECT_NEAR(w8->ix, 110 * std::pow(0.0254, 4), 1e-12);
    EXPECT_FALSE(ResuelvePerfil(t, 1, 2));
    EXPECT_FALSE(ResuelvePerfil(t, 1, -1));
    EXPECT_FALSE(ResuelvePerfil(t, 0, 0));
    EXPECT_FALSE(ResuelvePerfil(TablaPerfiles{}, 1, 0));
}

TEST(Perfiles, ListingHasAlignedColumns) {
    ListaFamilia l = PerfilesDeFamilia(Tabla(TablaMixta()), 1);
    std::istringstream s(ListadoFamilia(l));
    std::vector<std::string> lineas;
    for (std::string linea; std::getline(s, linea);) lineas.push_back(linea);
    ASSERT_EQ(lineas.size(), 3u);
    EXPECT_EQ(lineas[0].rfind("Designacion", 0), 0u);
    EXPECT_EQ(lineas[1].rfind("W8X31 ", 0), 0u);
    EXPECT_NE(lineas[1].find("0.005890"), std::string::npos);
    EXPECT_EQ(lineas[0].size(), lineas[1].size());
    EXPECT_EQ(lineas[1].size(), lineas[2].size());
    // Right-aligned: the last column ends every line.
    EXPECT_EQ(lineas[0].substr(lineas[0].size() - 2), "rx");
    EXPECT_EQ(lineas[1].substr(lineas[1].size() - 5), "0.088");
}

#ifdef TRABELUX_PERFILES_DAT
TEST(Perfiles, GeneratedTableHoldsTheShippedShapes) {
    std::ifstream f(TRABELUX_PERFILES_DAT, std::ios::binary);
    ASSERT_TRUE(f) << TRABELUX_PERFILES_DAT;
    std::string bytes((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    TablaPerfiles t = Tabla(bytes);
    EXPECT_EQ(t.registros.size(), 706u);
    const RegistroPerfil* w8 = nullptr;
    for (const auto& r : t.registros)
        if (r.designacion == "W8X31") w8 = &r;
    ASSERT_NE(w8, nullptr);
    EXPECT_FLOAT_EQ(w8->valores[0], 9.13f);
    EXPECT_FLOAT_EQ(w8->valores[1], 8);
    EXPECT_FLOAT_EQ(w8->valores[2], 8);
    EXPECT_FLOAT_EQ(w8->valores[5], 110);
    // Counts per family of the source table: the filter keeps W and WT, M and MC apart.
    const size_t cuantos[8] = {0, 283, 18, 28, 22, 32, 40, 283};
    for (int familia = 1; familia < 8; ++familia)
        EXPECT_EQ(PerfilesDeFamilia(t, familia).perfiles.size(), cuantos[familia])
            << FamiliasPerfil()[familia];
}
#endif
