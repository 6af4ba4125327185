#include "io/datos_programa.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace trabelux {

std::string RutaDatosPrograma(const std::string& nombre) {
    const QDir programa(QCoreApplication::applicationDirPath());
    const QString n = QString::fromStdString(nombre);
    const QString junto = programa.filePath(n);
    const QString instalado = programa.filePath(QStringLiteral("../share/trabelux/") + n);
    if (!QFileInfo::exists(junto) && QFileInfo::exists(instalado))
        return QDir::cleanPath(instalado).toStdString();
    return junto.toStdString();
}

std::string RutaTablaPerfiles() { return RutaDatosPrograma("Aisc-dat.Dat"); }

}  // namespace trabelux
