// A real print queue for the window tests: a private CUPS scheduler (its own configuration from the
// templates in tests/data/cups, spool and socket under the build tree) with a cups-pdf queue, whose
// jobs end as PDF files in the folder cups-pdf's configuration names.
#pragma once

#include <pwd.h>
#include <unistd.h>

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

namespace trabelux::pruebas {

class ColaCups {
  public:
    static QString Cola() { return "trabelux-pdf"; }

    ~ColaCups() {
        if (cupsd_.state() != QProcess::NotRunning) {
            cupsd_.terminate();
            if (!cupsd_.waitForFinished(5000)) cupsd_.kill();
        }
    }

    // Starts the scheduler in `carpeta` and adds the queue; CUPS_SERVER points at its
    // socket from then on. Empty on success, otherwise why it could not start.
    QString Inicia(const QString& carpeta) {
        if (geteuid() != 0) return "the scheduler needs root";
        const QString ppd = "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd";
        for (const QString& f : QStringList{"/usr/sbin/cupsd", "/usr/sbin/lpadmin",
                                            "/usr/lib/cups/backend/cups-pdf", ppd})
            if (!QFileInfo::exists(f)) return f + " is not installed";
        QDir(carpeta).removeRecursively();
        QDir d(carpeta);
        for (const char* sub : {"conf", "spool", "cache", "state", "log", "tmp"}) d.mkpath(sub);
        // Filters run as the scheduler's user and write their temporary files here.
        QFile::setPermissions(d.filePath("tmp"), QFileDevice::Permissions(0x7777));
        const QString socket = d.filePath("cups.sock"), raiz = d.absolutePath();
        if (socket.toUtf8().size() >= 100) return "socket path too long";
        for (const char* conf : {"cupsd.conf", "cups-files.conf"})
            if (!Configura(raiz, conf)) return QString("cannot make conf/") + conf;
        cupsd_.start("/usr/sbin/cupsd",
                     {"-f", "-c", raiz + "/conf/cupsd.conf", "-s", raiz + "/conf/cups-files.conf"});
        const QDeadlineTimer plazo(10000);
        while (!QFileInfo::exists(socket) && !plazo.hasExpired()) {
            if (cupsd_.state() == QProcess::NotRunning)
                return "cupsd stopped: " + cupsd_.readAllStandardError();
            QTest::qWait(50);
        }
        if (!QFileInfo::exists(socket)) return "cupsd opened no socket";
        qputenv("CUPS_SERVER", socket.toUtf8());
        // pdftocairo keeps the text of the job readable in the PDF cups-pdf writes.
        QProcess lpadmin;
        lpadmin.start("/usr/sbin/lpadmin", {"-p", Cola(), "-E", "-v", "cups-pdf:/", "-P", ppd, "-o",
                                            "pdftops-renderer-default=pdftocairo"});
        if (!lpadmin.waitForFinished(20000) || lpadmin.exitCode() != 0)
            return "lpadmin failed: " + lpadmin.readAllStandardError();
        salida_ = CarpetaSalida();
        antes_ = Pdfs();
        return {};
    }

    // Waits for the next PDF the queue writes and returns its path (empty after 60 s).
    QString EsperaPdf() {
        const QDeadlineTimer plazo(60000);
        while (!plazo.hasExpired()) {
            // A fresh scheduler numbers its jobs from 1 again: a file of an earlier run
            // may be written anew under the same name.
            const QHash<QString, QDateTime> ahora = Pdfs();
            for (auto i = ahora.begin(); i != ahora.end(); ++i)
                if (antes_.value(i.key()) != i.value() && Completo(i.key())) {
                    antes_ = Pdfs();
                    return i.key();
                }
            QTest::qWait(200);
        }
        return {};
    }

  private:
    // Writes conf/`nombre` under `raiz` from its template in the test data (%1 = `raiz`).
    static bool Configura(const QString& raiz, const char* nombre) {
        QFile plantilla(QStringLiteral(TRABELUX_TEST_DATA "/cups/") + nombre);
        QFile f(raiz + "/conf/" + nombre);
        return plantilla.open(QIODevice::ReadOnly) && f.open(QIODevice::WriteOnly) &&
               f.write(QString::fromUtf8(plantilla.readAll()).arg(raiz).toUtf8()) > 0;
    }

    // cups-pdf's "Out" folder (Debian: ${HOME}/PDF of the job's user, here ours).
    static QString CarpetaSalida() {
        QString out = "${HOME}/PDF";
        QFile conf("/etc/cups/cups-pdf.conf");
        if (conf.open(QIODevice::ReadOnly))
            for (const QString& linea : QString::fromUtf8(conf.readAll()).split('\n'))
                if (linea.startsWith("Out ")) out = linea.mid(4).trimmed();
        const passwd* pw = getpwuid(geteuid());
        return out.replace("${HOME}", QString::fromLocal8Bit(pw ? pw->pw_dir : "/root"));
    }

    QHash<QString, QDateTime> Pdfs() const {
        QHash<QString, QDateTime> r;
        for (const QFileInfo& f : QDir(salida_).entryInfoList({"*.pdf"}, QDir::Files))
            r.insert(f.absoluteFilePath(), f.lastModified());
        return r;
    }

    // The file is written to its end once pdfinfo reads it.
    static bool Completo(const QString& f) {
        QProcess p;
        p.start("pdfinfo", {f});
        return p.waitForFinished(10000) && p.exitCode() == 0;
    }

    QProcess cupsd_;
    QString salida_;
    QHash<QString, QDateTime> antes_;
};

}  // namespace trabelux::pruebas
