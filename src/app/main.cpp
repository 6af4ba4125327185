// The desktop program: the frame window with the span editor and a new project, or the
// project named on the command line (how a file manager opens a .vcw with Trabelux).
#include <QApplication>
#include <QScreen>
#include <QStyle>
#include <cstdio>
#include <cstring>

#include "core/version.h"
#include "gui/acerca/acerca_de.h"
#include "gui/comun/traducciones.h"
#include "gui/marco/marco.h"
#include "gui/sesion/sesion.h"

int main(int argc, char* argv[]) {
    // Answered before any window exists, so it works without a display.
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("%s", trabelux::TextoVersion().c_str());
        return 0;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(trabelux::kNombrePrograma));
    QApplication::setApplicationVersion(QString::fromLatin1(trabelux::kVersionPrograma));
    // Where the recent projects and the help's search index are kept.
    QApplication::setOrganizationName(QString::fromLatin1(trabelux::kNombrePrograma));
    QApplication::setDesktopFileName(QStringLiteral("trabelux"));
    QApplication::setWindowIcon(trabelux::IconoPrograma());
    trabelux::CargaTraduccionesQt();
    trabelux::Marco marco;
    // A comfortable size on a large screen; the whole screen on a small one.
    const QRect pantalla = marco.screen()->availableGeometry();
    const QSize deseado(1280, 860);
    if (pantalla.width() <= deseado.width() || pantalla.height() <= deseado.height())
        marco.setGeometry(pantalla);
    else
        marco.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, deseado, pantalla));
    marco.show();
    const QStringList argumentos = QApplication::arguments();
    if (argumentos.size() > 1) marco.SesionActiva()->AbreArchivo(argumentos.at(1));
    return app.exec();
}
