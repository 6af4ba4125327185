#include "gui/comun/catalogo_perfiles.h"

#include "io/datos_programa.h"
#include "io/lectores_disco.h"

namespace trabelux {

QString CatalogoPerfiles::RutaPrograma() { return QString::fromStdString(RutaTablaPerfiles()); }

CatalogoPerfiles::CatalogoPerfiles(QString ruta) : ruta_(std::move(ruta)) {}

void CatalogoPerfiles::FijaRuta(const QString& ruta) {
    ruta_ = ruta;
    tabla_.reset();
}

const TablaPerfiles* CatalogoPerfiles::Tabla(QString* error) {
    if (tabla_) return &*tabla_;
    Resultado<TablaPerfiles> leida = LeeTablaPerfiles(ruta_.toStdString());
    if (!leida) {
        if (error) *error = QString::fromStdString(leida.mensaje);
        return nullptr;
    }
    tabla_ = std::move(*leida.valor);
    return &*tabla_;
}

}  // namespace trabelux
