#include "comun/tabla_perfiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace trabelux {

const TablaPerfiles* TablaPerfilesDelPrograma() {
    static const std::optional<TablaPerfiles> tabla = []() -> std::optional<TablaPerfiles> {
        const QString ruta = QDir(QCoreApplication::applicationDirPath()).filePath("Aisc-dat.Dat");
        QFile f(ruta);
        if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
        Resultado<TablaPerfiles> leida = LeePerfiles(f.readAll().toStdString(), ruta.toStdString());
        return leida.valor;
    }();
    return tabla ? &*tabla : nullptr;
}

void ResuelvePerfilDelProyecto(Proyecto& p) {
    p.perfil.reset();
    if (p.datos.material != kAcero) return;
    if (const TablaPerfiles* tabla = TablaPerfilesDelPrograma())
        p.perfil = ResuelvePerfil(*tabla, p.datos.familiaPerfil, p.datos.designacionPerfil);
}

}  // namespace trabelux
