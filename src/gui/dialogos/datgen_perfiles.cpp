#include "dialogos/datgen_perfiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace trabelux {

QString CatalogoPerfiles::RutaPrograma() {
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("Aisc-dat.Dat"));
}

CatalogoPerfiles::CatalogoPerfiles(QString ruta) : ruta_(std::move(ruta)) {}

void CatalogoPerfiles::FijaRuta(const QString& ruta) {
    ruta_ = ruta;
    tabla_.reset();
}

const TablaPerfiles* CatalogoPerfiles::Tabla(QString* error) {
    if (tabla_) return &*tabla_;
    QFile f(ruta_);
    if (!f.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("No se pudo leer la tabla de perfiles:\n%1\n%2")
                         .arg(ruta_, f.errorString());
        return nullptr;
    }
    Resultado<TablaPerfiles> leida = LeePerfiles(f.readAll().toStdString(), ruta_.toStdString());
    if (!leida) {
        if (error) *error = QString::fromStdString(leida.mensaje);
        return nullptr;
    }
    tabla_ = std::move(*leida.valor);
    return &*tabla_;
}

}  // namespace trabelux
