// The slab file reader, the edge-code cases, the tributary edge loads, the transfer to
// the spans and the slab-assignment dialog's rules.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <random>
#include <sstream>

#include "core/archivos/archivo_losas.h"
#include "core/derivados/actualiza_derivados.h"
#include "core/losas/asignacion.h"
#include "core/losas/cargas_borde.h"
#include "core/losas/casos.h"
#include "core/losas/espesores.h"
#include "core/losas/transferencia.h"

using namespace trabelux;

namespace {

ArchivoLosasDatos Lee(const std::string& texto) {
    auto r = LeeArchivoLosas(texto, "planta.Los");
    EXPECT_TRUE(r) << r.mensaje;
    return r ? *r.valor : ArchivoLosasDatos{};
}

std::string LeeArchivoTexto(const std::string& ruta) {
    std::ifstream f(ruta, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

// A slab file of the given slabs ("numero bordes lx ly wD wL lineaD lineaL espesor").
ArchivoLosasDatos Losas(std::initializer_list<const char*> lineas, double espesor = 0.12,
                        double muerta = 0.45, double viva = 0.25) {
    std::ostringstream s;
    s << "Prueba\n"
      << lineas.size() << " 0 0 4200 " << espesor << " 0 " << muerta << " " << viva << "\n";
    for (const char* l : lineas) s << l << "\n";
    return Lee(s.str());
}

Proyecto ConVanos(int n) {
    Proyecto p = ProyectoNuevo();
    p.numVanos = n;
    p.vanos.assign(n, p.vanos[0]);
    for (auto& v : p.vanos) {
        v.longitud = 5;
        v.cargaMuerta = 9.0;
        v.cargaViva = 9.0;
    }
    p.asignacion.assign(n, AsignacionLosa{});
    p.archivoLosas = "planta.Los";
    return p;
}

void EsperaSinCambios(const Proyecto& antes, const Proyecto& despues) {
    ASSERT_EQ(antes.vanos.size(), despues.vanos.size());
    for (size_t i = 0; i < antes.vanos.size(); ++i) {
        EXPECT_EQ(antes.vanos[i].cargaMuerta, despues.vanos[i].cargaMuerta) << i;
        EXPECT_EQ(antes.vanos[i].cargaViva, despues.vanos[i].cargaViva) << i;
    }
    ASSERT_EQ(antes.asignacion.size(), despues.asignacion.size());
    for (size_t i = 0; i < antes.asignacion.size(); ++i)
        EXPECT_EQ(antes.asignacion[i].espesorProm, despues.asignacion[i].espesorProm) << i;
}

}  // namespace

TEST(LeeArchivoLosas, RefusesBadFilesNamingPathAndLine) {
    struct Caso {
        const char* texto;
        const char* contiene;
    } casos[] = {
        {"", "vacio"},
        {"Solo la descripcion\n", "Linea 2: falta el numero de losas"},
        {"D\n0 0 0 0 0.1 0 0 0\n", "Error en Archivo de Losas"},
        {"D\n100 0 0 0 0.1 0 0 0\n", "Linea 2"},
        {"D\n1.5 0 0 0 0.1 0 0 0\n", "entero"},
        {"D\n1 -1 0 0 0.1 0 0 0\n", "registros adicionales"},
        {"D\n1 0 0 0 0.1 0 0\n", "falta la carga viva por defecto"},
        {"D\n1 0 0 0 0.1x 0 0 0\n", "Linea 2: el espesor por defecto no es un numero"},
        {"D\n1 0 0 0 0.1 0 0 0\n2 AAAA 3 3 0 0 0 0 0\n", "Linea 3: se esperaba la losa 1"},
        {"D\n1 0 0 0 0.1 0 0 0\n1 AAAA 0 3 0 0 0 0 0\n", "mayores que cero"},
        {"D\n1 0 0 0 0.1 0 0 0\n1 AAAA 3 3 1.2.3 0 0 0 0\n", "Linea 3: la carga muerta"},
        {"D\r\n1 0 0 0 0.1 0 0 0\r\n1 AAAA 3 3 1.2.3 0 0 0 0\r\n", "Linea 3: la carga muerta"},
        {"D\n1 0 0 0 0.1 0 0 0\r1 AAAA 3 3 1.2.3 0 0 0 0\r", "Linea 3: la carga muerta"},
        {"D\n2 0 0 0 0.1 0 0 0\n1 AAAA 3 3 0 0 0 0 0\n", "Linea 4: falta el numero de la losa 2"},
        {"D\n1 2 0 0 0.1 0 0 0\n1 AAAA 3 3 0 0 0 0 0\n1 a 1 1\n", "registro adicional 2"},
        {"D\n1 1 0 0 0.1 0 0 0\n1 AAAA 3 3 0 0 0 0 0\nx a 1 1\n", "el indice"},
        {"D\n1 0 0 0 0.1 0 0 0\n1 AAAA 3 3 1E999 0 0 0 0\n", "no es un numero"},
    };
    for (const auto& c : casos) {
        auto r = LeeArchivoLosas(c.texto, "/datos/planta.Los");
        EXPECT_FALSE(r) << c.texto;
        EXPECT_EQ(r.mensaje.rfind("No se pudo leer el archivo de losas:\n/datos/planta.Los\n", 0),
                  0u)
            << r.mensaje;
        EXPECT_NE(r.mensaje.find(c.contiene), std::string::npos) << r.mensaje;
    }
}

TEST(CasoLosa, OneWaySlabsUseOnePairOfEdges) {
    struct Caso {
        const char* bordes;
        double lx, ly;
        int caso;
    } casos[] = {
        {"EEAE", 5, 3, 11},    // 5/3 > 1.66: one-way, Lx > Ly takes letters 3-4 "AE"
        {"EEAE", 3, 5, 12},    // Lx < Ly takes letters 1-2 "EE"
        {"AAAA", 1, 1.66, 1},  // a ratio of exactly 1.66 is two-way
        {"AAAA", 3, 4.98, 1},  // also when the division rounds above it
        {"EEAE", 4.98, 3, 7}, {"AAAA", 1, 1.67, 10},
        {"EN", 1, 4, 13},   // a two-letter code is the pair itself
        {"AA", 4, 4, 0},    // a two-letter code on a two-way slab fits no case
        {"NNAA", 1, 4, 0},  // letters 1-2 "NN" fit no one-way case
        {"AANN", 1, 4, 10},   {"AAAN", 4, 1, 0},  // letters 3-4 "AN"
        {"AAE", 1, 4, 0},
    };
    for (const auto& c : casos)
        EXPECT_EQ(CasoLosa(c.bordes, c.lx, c.ly), c.caso) << c.bordes << " " << c.lx << "x" << c.ly;
}

TEST(TransfiereLosas, ZeroLoadsAndThicknessTakeTheHeaderDefaults) {
    Proyecto p = ConVanos(2);
    p.losas = Losas({"1 AAAA 4 4 0 0 0 0 0", "2 AAAA 4 4 1 1 0 0 0.20"}, 0.12, 0.45, 0.3);
    p.losas->losas[0].espesor = 0;  // as a slab built without the reader would hold it
    p.asignacion = {{1, 0, 0}, {1, 2, 0}};
    ASSERT_TRUE(TransfiereLosas(p));
    EXPECT_NEAR(*p.vanos[0].cargaMuerta, 0.45 * 4 / 3, 1e-12);
    EXPECT_NEAR(*p.vanos[0].cargaViva, 0.3 * 4 / 3, 1e-12);
    EXPECT_NEAR(p.asignacion[0].espesorProm, 0.12, 1e-12);
    EXPECT_NEAR(p.asignacion[1].espesorProm, 0.16, 1e-12);
}

TEST(TransfiereLosas, FileErrorsChangeNothing) {
    struct Caso {
        const char* nombre;
        void (*estropea)(Proyecto&);
        const char* mensaje;
    } casos[] = {
        {"unknown edge code, even on a slab no span uses",
         [](Proyecto& p) { p.losas->losas[1].bordes = "AAXA"; }, kErrorBordes},
        {"one-way slab with a pair that fits no case",
         [](Proyecto& p) { p.losas->losas[1].bordes = "NNAA"; }, kErrorBordes},
        {"no slabs", [](Proyecto& p) { p.losas->numLosas = 0; }, kErrorArchivoLosas},
        {"count and slabs disagree", [](Proyecto& p) { p.losas->numLosas = 3; },
         kErrorArchivoLosas},
        {"slab out of order", [](Proyecto& p) { p.losas->losas[1].numero = 5; },
         kErrorArchivoLosas},
        {"zero side", [](Proyecto& p) { p.losas->losas[0].lx = 0; }, kErrorArchivoLosas},
        {"file never read", [](Proyecto& p) { p.losas.reset(); }, kErrorArchivoLosas},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nombre);
        Proyecto p = ConVanos(2);
        p.losas = Losas({"1 AAAA 4 4 1 1 0 0 0", "2 EEEE 4 4 1 1 0 0 0"});
        p.asignacion = {{1, 0, 0.5}, {1, 1, 0.5}};
        c.estropea(p);
        Proyecto antes = p;
        EXPECT_EQ(TransfiereLosas(p).Mensaje(), c.mensaje);
        EsperaSinCambios(antes, p);
    }
}

TEST(TransfiereLosas, ExampleSlabFiles) {
    struct Caso {
        const char* archivo;
        const char* direccion;
        std::vector<AsignacionLosa> asignacion;
        std::vector<std::pair<double, double>> cargas;  // (dead, live) per span
    } casos[] = {
        {"losas-bidireccional.Los",
         "X",
         {{1, 2, 0}, {3, 0, 0}, {0, 4, 0}},
         {{0.6 + 2.0 / 3, 1.0 / 3 + 0.4}, {1.35, 0.75}, {0, 0}}},
        {"losas-bidireccional.Los",
         "Y",
         {{1, 2, 0}, {3, 0, 0}, {0, 4, 0}},
         {{0.6 + 0.5 * 4 / 3 * 1.18, 1.0 / 3 + 0.3 * 4 / 3 * 1.18}, {0, 0}, {2.1, 0.7}}},
        {"losas-unidireccional.Los",
         "X",
         {{1, 2, 0}, {3, 3, 0}, {0, 0, 0}},
         {{0.55 + 0.5 * 2.5 / 3, 0.275 + 0.25 * 2.5 / 3}, {0, 0}, {0, 0}}},
        {"losas-unidireccional.Los",
         "Y",
         {{1, 2, 0}, {3, 3, 0}, {0, 0, 0}},
         {{0.4 + 0.5 * 2.5 / 3 * 1.375, 0.2 + 0.25 * 2.5 / 3 * 1.375}, {1.6, 0.8}, {0, 0}}},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(std::string(c.archivo) + " " + c.direccion);
        std::string ruta = std::string(TRABELUX_EXAMPLES) + "/" + c.archivo;
        auto leido = LeeArchivoLosas(LeeArchivoTexto(ruta), ruta);
        ASSERT_TRUE(leido) << leido.mensaje;
        Proyecto p = ConVanos(3);
        p.losas = *leido.valor;
        p.direccionViga = c.direccion;
        p.asignacion = c.asignacion;
        ASSERT_TRUE(TransfiereLosas(p));
        for (int i = 0; i < 3; ++i) {
            EXPECT_NEAR(*p.vanos[i].cargaMuerta, c.cargas[i].first, 1e-9) << "span " << i + 1;
            EXPECT_NEAR(*p.vanos[i].cargaViva, c.cargas[i].second, 1e-9) << "span " << i + 1;
        }
    }
}

TEST(AsignacionLosas, RefusesSlabNumbersOutOfRange) {
    ArchivoLosasDatos d = Losas({"1 AAAA 4 4 0 0 0 0 0", "2 AAAA 4 4 0 0 0 0 0"});
    EXPECT_TRUE(ValidaAsignacion({{0, 99, 0}}, nullptr));
    EXPECT_TRUE(ValidaAsignacion({{1, 2, 0}, {0, 0, 0}}, &d));
    EXPECT_NE(ValidaAsignacion({{0, 0, 0}, {100, 0, 0}}, nullptr).Mensaje().find("vano 2"),
              std::string::npos);
    EXPECT_NE(ValidaAsignacion({{0, -1, 0}}, nullptr).Mensaje().find("0 a 99"), std::string::npos);
    EXPECT_NE(ValidaAsignacion({{3, 0, 0}}, &d).Mensaje().find("no esta en el archivo"),
              std::string::npos);
    EXPECT_FALSE(ValidaAsignacion(std::vector<AsignacionLosa>(21), nullptr));
}

TEST(AsignacionLosas, RefusedOkChangesNothing) {
    Proyecto p = ConVanos(1);
    p.losas = Losas({"1 AAAA 4 4 1 0 0 0 0.12"});
    p.asignacion = {{1, 0, 0.12}};
    const Estado r = AceptaLosas(p, "Y", false, {{2, 0, 0}});
    EXPECT_FALSE(r);
    EXPECT_EQ(p.direccionViga, "X");
    EXPECT_TRUE(p.incluyePesoLosa);
    EXPECT_EQ(p.asignacion[0].primera, 1);
}

// Another slab file: its slabs replace the old ones and the old slab numbers are dropped.
TEST(AsignacionLosas, ANewSlabFileStartsTheAssignmentAfresh) {
    Proyecto p = ConVanos(3);
    p.losas = Losas({"1 AAAA 4 4 1 0 0 0 0.12"});
    p.asignacion = {{1, 0, 0.12}, {1, 1, 0.12}, {1, 0, 0.12}, {1, 0, 0.12}};
    UsaArchivoLosas(p, "/x/otro.Los", Losas({"1 AAAA 4 4 0 0 0 0 0", "2 AAAA 4 4 0 0 0 0 0"}));
    EXPECT_EQ(p.archivoLosas, "/x/otro.Los");
    ASSERT_TRUE(p.losas.has_value());
    EXPECT_EQ(p.losas->losas.size(), 2u);
    ASSERT_EQ(p.asignacion.size(), 3u);
    for (const AsignacionLosa& a : p.asignacion)
        EXPECT_TRUE(a.primera == 0 && a.segunda == 0 && a.espesorProm == 0);
}
