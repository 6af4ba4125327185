// The recent-projects list: most recent first, one entry per file, only existing files,
// at most eight, and kept across runs.
#include "gui/marco/archivos_recientes.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

using namespace trabelux;

class ArchivosRecientesTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    QString Crea(const QString& nombre) {
        QFile f(dir.filePath(nombre));
        f.open(QIODevice::WriteOnly);
        return QFileInfo(f).canonicalFilePath();
    }

  private slots:
    void OrdenDuplicadosFaltantesYMaximo() {
        QStringList archivos;
        for (int i = 0; i < 10; ++i) archivos << Crea(QStringLiteral("p%1.vcw").arg(i));
        ArchivosRecientes lista;
        for (int i = 0; i < 3; ++i) lista.Agrega(archivos[i]);
        QCOMPARE(lista.Existentes(), QStringList({archivos[2], archivos[1], archivos[0]}));
        // The same file by another path moves to the top instead of appearing twice.
        lista.Agrega(dir.filePath(QStringLiteral("sub/../p0.vcw")));
        QCOMPARE(lista.Existentes(), QStringList({archivos[0], archivos[2], archivos[1]}));
        // A file deleted since is not offered.
        QFile::remove(archivos[2]);
        QCOMPARE(lista.Existentes(), QStringList({archivos[0], archivos[1]}));
        for (int i = 3; i < 10; ++i) lista.Agrega(archivos[i]);
        QCOMPARE(lista.Rutas().size(), ArchivosRecientes::kMaximo);
        QCOMPARE(lista.Rutas().first(), archivos[9]);
        QVERIFY(!lista.Rutas().contains(archivos[1]));
    }

    void SeConservaEntreSesiones() {
        const QString a = Crea(QStringLiteral("a.vcw")), b = Crea(QStringLiteral("b.vcw"));
        QSettings ajustes(dir.filePath(QStringLiteral("ajustes.ini")), QSettings::IniFormat);
        ArchivosRecientes lista;
        lista.Agrega(a);
        lista.Agrega(b);
        lista.Escribe(ajustes);
        // A list edited by hand with duplicates comes back clean.
        QCOMPARE(ArchivosRecientes::Lee(ajustes).Existentes(), QStringList({b, a}));
        ajustes.setValue(QStringLiteral("archivosRecientes"), QStringList({a, b, a}));
        QCOMPARE(ArchivosRecientes::Lee(ajustes).Existentes(), QStringList({a, b}));
    }
};

QTEST_GUILESS_MAIN(ArchivosRecientesTest)
#include "archivos_recientes_test.moc"
