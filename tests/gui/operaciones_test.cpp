// The main window's structural edits on the project model: span count, deleting a span,
// filling a column from the general data, the span-length panel.
#include "documento/operaciones.h"

#include <QtTest>

#include "apoyo_pruebas.h"
#include "modelo/derivados.h"

using namespace trabelux;

class OperacionesTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { pruebas::InstalaManejador(); }

    void unoATresAgregaApoyosDosYTresApoyados() {
        Proyecto p = ProyectoNuevo();
        CambiaNumVanos(p, 3, 4.5);
        QCOMPARE(p.numVanos, 3);
        QCOMPARE(p.vanos.size(), size_t(3));
        QCOMPARE(p.apoyosInteriores, (std::vector<int>{1, 1}));
        // New rows: the typical length and the global section with its inertia.
        QCOMPARE(p.vanos[0].longitud, 1.0);
        for (int i = 1; i < 3; ++i) {
            QCOMPARE(p.vanos[i].longitud, 4.5);
            QCOMPARE(p.vanos[i].base, 20.0);
            QCOMPARE(p.vanos[i].altura, 40.0);
            QCOMPARE(p.vanos[i].inercia, InerciaRectangular(20, 40));
            QVERIFY(!p.vanos[i].cargaMuerta.has_value());
        }
    }

    void nuevasFilasConInerciaGlobalCuandoNoEsBh3() {
        Proyecto p = ProyectoNuevo();
        p.datos.opcionInercia = kInerciaOtra;
        p.datos.inercia = "0.0025";
        CambiaNumVanos(p, 2, 3);
        QCOMPARE(p.vanos[1].inercia, 0.0025);
    }

    void bajarYSubirNoAgregaFilasYConservaCondiciones() {
        Proyecto p = ProyectoNuevo();
        CambiaNumVanos(p, 5, 2);
        p.apoyosInteriores = {1, 0, 1, 0};  // supports 2..5
        p.vanos[4].longitud = 7.25;
        CambiaNumVanos(p, 3, 2);
        QCOMPARE(p.numVanos, 3);
        QCOMPARE(p.vanos.size(), size_t(5));
        QCOMPARE(p.apoyosInteriores.size(), size_t(4));
        CambiaNumVanos(p, 5, 9);
        QCOMPARE(p.vanos.size(), size_t(5));
        QCOMPARE(p.apoyosInteriores, (std::vector<int>{1, 0, 1, 0}));
        QCOMPARE(p.vanos[4].longitud, 7.25);
    }

    void conLosasAgregaFilasDeAsignacionVacias() {
        Proyecto p = ProyectoNuevo();
        p.archivoLosas = "/x/piso.Los";
        p.asignacion = {{2, 3, 0.12}};
        CambiaNumVanos(p, 3, 1);
        QCOMPARE(p.asignacion.size(), size_t(3));
        QCOMPARE(p.asignacion[0].primera, 2);
        QCOMPARE(p.asignacion[2].primera, 0);
        QCOMPARE(p.asignacion[2].segunda, 0);
    }

    void laUltimaFilaNoSeElimina() {
        Proyecto p = ProyectoNuevo();
        QVERIFY(!EliminaVano(p, 0));
        QCOMPARE(p.vanos.size(), size_t(1));
        QCOMPARE(p.numVanos, 1);
    }

    void eliminarUnVanoBajaLaCuentaYLasCargasSiguenASuVano() {
        Proyecto p = ProyectoNuevo();
        CambiaNumVanos(p, 3, 1);
        p.vanos[2].longitud = 6;
        p.cargas = {{1, 0.5, 2}, {2, 0.5, 3}, {3, 1.5, 4}};
        QVERIFY(EliminaVano(p, 1));
        QCOMPARE(p.numVanos, 2);
        QCOMPARE(p.vanos.size(), size_t(2));
        QCOMPARE(p.vanos[1].longitud, 6.0);
        QCOMPARE(p.cargas.size(), size_t(2));
        QCOMPARE(p.cargas[0].vano, 1);
        QCOMPARE(p.cargas[1].vano, 2);
        QCOMPARE(p.cargas[1].carga, 4.0);
    }

    void eliminarUnaFilaGuardadaNoQuitaUnVano() {
        // 5 spans lowered to 3: rows 4 and 5 stay in the grid, outside the beam.
        Proyecto p = ProyectoNuevo();
        CambiaNumVanos(p, 5, 2);
        CambiaNumVanos(p, 3, 2);
        p.vanos[2].longitud = 7;
        QVERIFY(EliminaVano(p, 4));
        QCOMPARE(p.numVanos, 3);
        QCOMPARE(p.vanos.size(), size_t(4));
        QCOMPARE(p.vanos[2].longitud, 7.0);
        // A span of the beam still lowers the count.
        QVERIFY(EliminaVano(p, 0));
        QCOMPARE(p.numVanos, 2);
        QCOMPARE(p.vanos.size(), size_t(3));
    }

    void reemplazaColumna_data() {
        QTest::addColumn<int>("columna");
        QTest::addColumn<bool>("reemplaza");
        QTest::addColumn<double>("esperado");
        QTest::newRow("Vano") << int(kColVano) << false << 0.0;
        QTest::newRow("Long") << int(kColLong) << true << 3.5;
        QTest::newRow("Base") << int(kColBase) << true << 25.0;
        QTest::newRow("Altura") << int(kColAltura) << true << 60.0;
        QTest::newRow("Inercia") << int(kColInercia) << true << 0.004;
        QTest::newRow("P. Propio") << int(kColPesoPropio) << false << 0.0;
        QTest::newRow("C. Muerta") << int(kColMuerta) << true << 1.25;
        QTest::newRow("C. Viva") << int(kColViva) << true << 0.75;
        QTest::newRow("C. Ultima") << int(kColUltima) << false << 0.0;
    }

    void reemplazaColumna() {
        QFETCH(int, columna);
        QFETCH(bool, reemplaza);
        QFETCH(double, esperado);
        Proyecto p = ProyectoNuevo();
        CambiaNumVanos(p, 2, 1);
        p.datos.longitud = "3.5";
        p.datos.base = "25";
        p.datos.altura = "60";
        p.datos.inercia = "0.004";
        p.datos.cargaMuerta = "1.25";
        p.datos.cargaViva = "0.75";
        const Proyecto antes = p;
        QCOMPARE(ColumnaReemplazable(columna), reemplaza);
        QCOMPARE(ReemplazaColumna(p, columna), reemplaza);
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
            if (reemplaza)
                QCOMPARE(valor[columna], esperado);
            else
                QCOMPARE(v.longitud, antes.vanos[i].longitud);
        }
    }

    void cargaGlobalVaciaVaciaLasCeldas() {
        Proyecto p = ProyectoNuevo();
        p.vanos[0].cargaMuerta = 2.0;
        p.datos.cargaMuerta = " ";
        QVERIFY(ReemplazaColumna(p, kColMuerta));
        QVERIFY(!p.vanos[0].cargaMuerta.has_value());
    }

    void longitudDelPanel_data() {
        QTest::addColumn<double>("tecleado");
        QTest::addColumn<double>("resultado");
        QTest::newRow("cero") << 0.0 << 1.0;
        QTest::newRow("negativa") << -2.0 << 1.0;
        QTest::newRow("positiva") << 4.25 << 4.25;
    }

    void longitudDelPanel() {
        QFETCH(double, tecleado);
        QFETCH(double, resultado);
        Proyecto p = ProyectoNuevo();
        QCOMPARE(AplicaLongitud(p, 0, tecleado), tecleado > 0);
        QCOMPARE(p.vanos[0].longitud, resultado);
    }
};

QTEST_GUILESS_MAIN(OperacionesTest)
#include "operaciones_test.moc"
