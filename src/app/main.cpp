// The desktop program: the frame window with the main window and a new project, or the
// project named on the command line (how a file manager opens a .vcw with Trabelux).
#include <QApplication>

#include "principal/polidur1.h"
#include "principal/tlux_mdi.h"
#include "version.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(trabelux::kNombrePrograma));
    QApplication::setApplicationVersion(QString::fromLatin1(trabelux::kVersionPrograma));
    trabelux::TluxMDI marco;
    marco.show();
    const QStringList argumentos = QApplication::arguments();
    if (argumentos.size() > 1) marco.Principal()->AbreArchivo(argumentos.at(1));
    return app.exec();
}
