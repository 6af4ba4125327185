// The main window's structural edits on the project model: span count, deleting a span,
// filling a column from the general data, the span-length panel.
#include <gtest/gtest.h>

#include "core/modelo/filas_vano.h"
#include "core/modelo/operaciones_vanos.h"

using namespace trabelux;

TEST(CambiaNumVanos, OneToThreeAddsSupportsTwoAndThreeAsSimple) {
    for (OpcionInercia opcion : {OpcionInercia::kBh3, OpcionInercia::kOtra}) {
        Proyecto p = ProyectoNuevo();
        p.datos.opcionInercia = opcion;
        p.datos.inercia = "0.0025";
        CambiaNumVanos(p, 3, 4.5);
        EXPECT_EQ(p.numVanos, 3);
        ASSERT_EQ(p.vanos.size(), 3u);
        EXPECT_EQ(p.apoyosInteriores, (std::vector<int>{1, 1}));
        // New rows: the typical length and the global section with its inertia.
        EXPECT_DOUBLE_EQ(p.vanos[0].longitud, 1.0);
        for (int i = 1; i < 3; ++i) {
            EXPECT_DOUBLE_EQ(p.vanos[i].longitud, 4.5);
            EXPECT_DOUBLE_EQ(p.vanos[i].base, 20.0);
            EXPECT_DOUBLE_EQ(p.vanos[i].altura, 40.0);
            EXPECT_DOUBLE_EQ(p.vanos[i].inercia,
                             opcion == OpcionInercia::kOtra ? 0.0025 : InerciaRectangular(20, 40));
            EXPECT_FALSE(p.vanos[i].cargaMuerta.has_value());
        }
    }
}

TEST(CambiaNumVanos, LoweringAndRaisingAddsNoRowsAndKeepsTheSupports) {
    Proyecto p = ProyectoNuevo();
    CambiaNumVanos(p, 5, 2);
    p.apoyosInteriores = {1, 0, 1, 0};  // supports 2..5
    p.vanos[4].longitud = 7.25;
    CambiaNumVanos(p, 3, 2);
    EXPECT_EQ(p.numVanos, 3);
    EXPECT_EQ(p.vanos.size(), 5u);
    EXPECT_EQ(p.apoyosInteriores.size(), 4u);
    CambiaNumVanos(p, 5, 9);
    EXPECT_EQ(p.vanos.size(), 5u);
    EXPECT_EQ(p.apoyosInteriores, (std::vector<int>{1, 0, 1, 0}));
    EXPECT_DOUBLE_EQ(p.vanos[4].longitud, 7.25);
}

TEST(CambiaNumVanos, WithSlabsAddsEmptyAssignmentRows) {
    Proyecto p = ProyectoNuevo();
    p.archivoLosas = "/x/piso.Los";
    p.asignacion = {{2, 3, 0.12}};
    CambiaNumVanos(p, 3, 1);
    ASSERT_EQ(p.asignacion.size(), 3u);
    EXPECT_EQ(p.asignacion[0].primera, 2);
    EXPECT_EQ(p.asignacion[2].primera, 0);
    EXPECT_EQ(p.asignacion[2].segunda, 0);
}

TEST(EliminaVano, LowersTheCountAndLoadsFollowTheirSpan) {
    Proyecto p = ProyectoNuevo();
    EXPECT_FALSE(EliminaVano(p, 0)) << "the last row is never deleted";
    EXPECT_EQ(p.vanos.size(), 1u);
    CambiaNumVanos(p, 3, 1);
    p.vanos[2].longitud = 6;
    p.cargas = {{1, 0.5, 2}, {2, 0.5, 3}, {3, 1.5, 4}};
    ASSERT_TRUE(EliminaVano(p, 1));
    EXPECT_EQ(p.numVanos, 2);
    ASSERT_EQ(p.vanos.size(), 2u);
    EXPECT_DOUBLE_EQ(p.vanos[1].longitud, 6.0);
    ASSERT_EQ(p.cargas.size(), 2u);
    EXPECT_EQ(p.cargas[0].vano, 1);
    EXPECT_EQ(p.cargas[1].vano, 2);
    EXPECT_DOUBLE_EQ(p.cargas[1].carga, 4.0);
}

TEST(EliminaVano, AKeptRowBeyondTheCountIsNotASpan) {
    // 5 spans lowered to 3: rows 4 and 5 stay in the grid, outside the beam.
    Proyecto p = ProyectoNuevo();
    CambiaNumVanos(p, 5, 2);
    CambiaNumVanos(p, 3, 2);
    p.vanos[2].longitud = 7;
    ASSERT_TRUE(EliminaVano(p, 4));
    EXPECT_EQ(p.numVanos, 3);
    EXPECT_EQ(p.vanos.size(), 4u);
    EXPECT_DOUBLE_EQ(p.vanos[2].longitud, 7.0);
    // A span of the beam still lowers the count.
    ASSERT_TRUE(EliminaVano(p, 0));
    EXPECT_EQ(p.numVanos, 2);
    EXPECT_EQ(p.vanos.size(), 3u);
}

TEST(ReemplazaColumna, FillsOnlyTheColumnsWithAGlobalValue) {
    const struct {
        int columna;
        bool reemplaza;
        double esperado;
    } casos[] = {{kColVano, false, 0.0},   {kColLong, true, 3.5},      {kColBase, true, 25.0},
                 {kColAltura, true, 60.0}, {kColInercia, true, 0.004}, {kColPesoPropio, false, 0.0},
                 {kColMuerta, true, 1.25}, {kColViva, true, 0.75},     {kColUltima, false, 0.0}};
    for (const auto& c : casos) {
        SCOPED_TRACE(c.columna);
        Proyecto p = ProyectoNuevo();
        CambiaNumVanos(p, 2, 1);
        p.datos.longitud = "3.5";
        p.datos.base = "25";
        p.datos.altura = "60";
        p.datos.inercia = "0.004";
        p.datos.cargaMuerta = "1.25";
        p.datos.cargaViva = "0.75";
        const Proyecto antes = p;
        EXPECT_EQ(ColumnaReemplazable(c.columna), c.reemplaza);
        EXPECT_EQ(ReemplazaColumna(p, c.columna), c.reemplaza);
        for (size_t i = 0; i < p.vanos.size(); ++i) {
            const Vano& v = p.vanos[i];
            const double valor[] = {0,
                                    v.longitud,
                                    v.base,
                                    v.altura,
                                    v.inercia,
                                    0,
                                    v.cargaMuerta.value_or(-1),
                                    v.cargaViva.value_or(-1),
                                    0};
            EXPECT_DOUBLE_EQ(c.reemplaza ? valor[c.columna] : v.longitud,
                             c.reemplaza ? c.esperado : antes.vanos[i].longitud);
        }
    }
    // A blank global load empties the cells.
    Proyecto p = ProyectoNuevo();
    p.vanos[0].cargaMuerta = 2.0;
    p.datos.cargaMuerta = " ";
    EXPECT_TRUE(ReemplazaColumna(p, kColMuerta));
    EXPECT_FALSE(p.vanos[0].cargaMuerta.has_value());
}

TEST(AplicaLongitud, OnlyALengthAboveZeroIsTaken) {
    for (const auto& [tecleado, resultado] :
         {std::pair{0.0, 1.0}, std::pair{-2.0, 1.0}, std::pair{4.25, 4.25}}) {
        Proyecto p = ProyectoNuevo();
        EXPECT_EQ(AplicaLongitud(p, 0, tecleado), tecleado > 0) << tecleado;
        EXPECT_DOUBLE_EQ(p.vanos[0].longitud, resultado) << tecleado;
    }
}

// The grid locks the self weight exactly when the update writes a value of its own there.
TEST(ColumnaCalculada, IsWhereTheUpdateWritesItsOwnValue) {
    for (Material material : {Material::kHormigon, Material::kAcero, Material::kOtro})
        for (bool calcula : {false, true})
            for (bool cargaTotal : {false, true}) {
                Proyecto p = ProyectoNuevo();
                p.datos.material = material;
                p.datos.calculaPesoPropio = calcula;
                p.datos.usaCargaTotal = cargaTotal;
                p.vanos[0].pesoPropio = 7.5;
                RecalculaFila(p, 0);
                const std::optional<double>& pp = p.vanos[0].pesoPropio;
                EXPECT_EQ(ColumnaCalculada(p, kColPesoPropio), pp && *pp != 7.5)
                    << static_cast<int>(material) << calcula;
                EXPECT_EQ(ColumnaCalculada(p, kColViva), cargaTotal);
                EXPECT_FALSE(ColumnaCalculada(p, kColMuerta));
            }
    Proyecto conLosas = ProyectoNuevo();
    conLosas.archivoLosas = "/x/piso.Los";
    EXPECT_TRUE(ColumnaCalculada(conLosas, kColMuerta) && ColumnaCalculada(conLosas, kColViva));
    for (int c : {kColVano, kColUltima}) EXPECT_TRUE(ColumnaCalculada(conLosas, c));
    for (int c : {kColLong, kColBase, kColAltura, kColInercia})
        EXPECT_FALSE(ColumnaCalculada(conLosas, c));
}
