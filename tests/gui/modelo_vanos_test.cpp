// The span grid's model and the interior-support grid's model over the document:
// formats, captions, validation, recomputation and undo.
#include "gui/editor/modelo_vanos.h"

#include <QtTest>

#include "apoyo_pruebas.h"
#include "core/modelo/operaciones_vanos.h"
#include "gui/comun/mensajes.h"
#include "gui/documento/documento.h"
#include "gui/editor/dialogo_apoyos.h"

using namespace trabelux;
using namespace trabelux::pruebas;

class ModeloVanosTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { pruebas::InstalaManejador(); }
    void init() { Mensajes::IniciaGuion(); }
    void cleanup() { Mensajes::TerminaGuion(); }

    void pasaElProbadorDeModelosEnCadaCambio() {
        Documento doc;
        ModeloVanos modelo(&doc);
        ModeloApoyos apoyos(&doc);
        const auto probadorVanos = Probador(&modelo);
        const auto probadorApoyos = Probador(&apoyos);
        doc.Modifica("vanos", [](Proyecto& p) { CambiaNumVanos(p, 4, 2); });
        QCOMPARE(modelo.rowCount(), 4);
        QCOMPARE(apoyos.rowCount(), 3);
        QVERIFY(modelo.setData(modelo.index(2, kColBase), "35"));
        QVERIFY(apoyos.setData(apoyos.index(1, 1), 0));
        doc.Modifica("borra", [](Proyecto& p) { EliminaVano(p, 0); });
        QCOMPARE(modelo.rowCount(), 3);
        doc.Pila()->undo();
        QCOMPARE(modelo.rowCount(), 4);
        doc.Reemplaza(ProyectoNuevo(), QString());
        QCOMPARE(modelo.rowCount(), 1);
        QCOMPARE(apoyos.rowCount(), 0);
    }

    // Each column in its format, a decimal comma read as the decimal mark; a typed cell
    // brings its row's derived values up to date and undo gives both back. An emptied
    // load cell stays empty, not zero.
    void editarUnaCeldaRecalculaLaFilaYSeDeshace() {
        Documento doc;
        ModeloVanos modelo(&doc);
        QVERIFY(modelo.setData(modelo.index(0, kColLong), "4,25"));
        QVERIFY(modelo.setData(modelo.index(0, kColAltura), "45,55"));
        QVERIFY(modelo.setData(modelo.index(0, kColMuerta), "1.5"));
        QVERIFY(modelo.setData(modelo.index(0, kColBase), "25"));
        // 0.25 x 0.4555^3 / 12; 2.4 x 25 x 45.55 / 10000; (0.2733 + 1.5) x 1.4
        const QStringList esperado = {"1",     "4.250", "25.0", "45.6", "0.001969",
                                      "0.273", "1.500", "",     "2.483"};
        for (int c = 0; c < kNumColumnasVano; ++c)
            QCOMPARE(modelo.index(0, c).data().toString(), esperado[c]);
        for (int paso = 0; paso < 4; ++paso) doc.Pila()->undo();
        QCOMPARE(modelo.index(0, kColAltura).data().toString(), QString("40.0"));
        QCOMPARE(modelo.index(0, kColInercia).data().toString(), QString("0.001067"));
        QVERIFY(!doc.Modificado());
        QVERIFY(modelo.setData(modelo.index(0, kColMuerta), "1.2"));
        QVERIFY(modelo.setData(modelo.index(0, kColMuerta), ""));
        QVERIFY(!doc.ProyectoActual().vanos[0].cargaMuerta.has_value());
        QCOMPARE(modelo.index(0, kColMuerta).data().toString(), QString());
    }

    // Refused with a warning where it is typed; the cell and the project stay as they were.
    void unValorNoValidoSeRechaza_data() {
        const QString negativo = "No se admiten valores negativos";
        const QString fuera = " está fuera del rango que el programa puede calcular.";
        Columnas<int, QString, QString>("columna", "texto", "mensaje");
        Fila("Long", int(kColLong), "-1", negativo);
        Fila("C. Muerta con exponente", int(kColMuerta), "-1E2", negativo);
        Fila("C. Viva 1e300", int(kColViva), "1e300",
             "El valor 1E+300 de la carga viva del vano 1" + fuera);
        Fila("Long sin limite", int(kColLong), "1E400",
             "El valor de la longitud del vano 1" + fuera);
        Fila("texto", int(kColMuerta), "abc", "El texto \"abc\" no es un numero");
    }
    void unValorNoValidoSeRechaza() {
        QFETCH(int, columna);
        QFETCH(QString, texto);
        Documento doc;
        ModeloVanos modelo(&doc);
        const QString antes = modelo.index(0, columna).data().toString();
        QVERIFY(!modelo.setData(modelo.index(0, columna), texto));
        QCOMPARE(modelo.index(0, columna).data().toString(), antes);
        QCOMPARE(Mensajes::Mostrados().size(), size_t(1));
        QCOMPARE(Mensajes::Mostrados()[0].tipo, TipoMensaje::Advertencia);
        QTEST(Mensajes::Mostrados()[0].texto, "mensaje");
        QVERIFY(!doc.Modificado());
    }

    // Leaving a cell as it was shown neither rounds the value nor adds an undo step.
    void dejarLaCeldaSinCambiosNoRedondea() {
        Documento doc;
        ModeloVanos modelo(&doc);
        doc.Modifica("inercia", [](Proyecto& p) {
            p.datos.opcionInercia = OpcionInercia::kOtra;
            p.vanos[0].inercia = 0.00012345678;
        });
        const int pasos = doc.Pila()->count();
        QVERIFY(modelo.setData(modelo.index(0, kColInercia), modelo.index(0, kColInercia).data()));
        QCOMPARE(doc.ProyectoActual().vanos[0].inercia, 0.00012345678);
        QCOMPARE(doc.Pila()->count(), pasos);
    }

    // The load captions follow the material and the load option, and the view is told.
    void titulosSiguenAlMaterial() {
        Documento doc;
        ModeloVanos modelo(&doc);
        QSignalSpy cabecera(&modelo, &QAbstractItemModel::headerDataChanged);
        doc.Modifica("datos", [](Proyecto& p) {
            p.datos.material = Material::kOtro;
            p.datos.usaCargaTotal = true;
        });
        QVERIFY(!cabecera.isEmpty());
        QCOMPARE(modelo.headerData(kColMuerta, Qt::Horizontal).toString(), QString("C. total"));
        QCOMPARE(modelo.headerData(kColUltima, Qt::Horizontal).toString(), QString("W. Total"));
    }

    void apoyosInterioresMuestranSuEleccion() {
        Documento doc;
        ModeloApoyos apoyos(&doc);
        doc.Modifica("vanos", [](Proyecto& p) { CambiaNumVanos(p, 3, 1); });
        QCOMPARE(apoyos.index(1, 0).data().toInt(), 3);
        QCOMPARE(apoyos.index(0, 1).data().toString(), QString("Apoyado - 1"));
        QVERIFY(apoyos.setData(apoyos.index(1, 1), QString("No apoyado - 0")));
        QCOMPARE(doc.ProyectoActual().apoyosInteriores, (std::vector<int>{1, 0}));
        QVERIFY(!(apoyos.flags(apoyos.index(0, 0)) & Qt::ItemIsEditable));
        doc.Pila()->undo();
        QCOMPARE(apoyos.index(1, 1).data().toString(), QString("Apoyado - 1"));
    }
};

QTEST_MAIN(ModeloVanosTest)
#include "modelo_vanos_test.moc"
