#include "comando_perfiles.h"

#include <QCoreApplication>
#include <fstream>
#include <iostream>
#include <iterator>

#include "archivos/perfiles.h"

namespace trabelux::cli {

int ComandoPerfiles(const std::string& familia, const std::string& rutaDat, std::ostream& salida,
                    std::ostream& errores) {
    int indice = IndiceFamilia(familia);
    if (indice <= 0) {
        errores << "Familia de perfiles desconocida: \"" << familia
                << "\". Use W, M, S, HP, C, MC o WT.\n";
        return 2;
    }
    std::ifstream archivo(rutaDat, std::ios::binary);
    if (!archivo) {
        errores << "No se pudo abrir la tabla de perfiles:\n" << rutaDat << "\n";
        return 2;
    }
    std::string bytes((std::istreambuf_iterator<char>(archivo)), std::istreambuf_iterator<char>());
    Resultado<TablaPerfiles> tabla = LeePerfiles(bytes, rutaDat);
    if (!tabla) {
        errores << tabla.mensaje << "\n";
        return 2;
    }
    ListaFamilia lista = PerfilesDeFamilia(*tabla.valor, indice);
    if (!lista.aviso.empty()) errores << lista.aviso << "\n";
    salida << ListadoFamilia(lista);
    return 0;
}

std::string RutaPerfiles() {
    return (QCoreApplication::applicationDirPath() + QStringLiteral("/Aisc-dat.Dat"))
        .toLocal8Bit()
        .toStdString();
}

int ComandoPerfiles(const std::string& familia) {
    return ComandoPerfiles(familia, RutaPerfiles(), std::cout, std::cerr);
}

}  // namespace trabelux::cli
