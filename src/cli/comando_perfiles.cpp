#include "cli/comando_perfiles.h"

#include <iostream>

#include "core/archivos/tabla_perfiles.h"
#include "io/lectores_disco.h"

namespace trabelux::cli {

int ComandoPerfiles(const std::string& familia, const std::string& rutaDat, std::ostream& salida,
                    std::ostream& errores) {
    int indice = IndiceFamilia(familia);
    if (indice <= 0) {
        errores << "Familia de perfiles desconocida: \"" << familia
                << "\". Use W, M, S, HP, C, MC o WT.\n";
        return 2;
    }
    Resultado<TablaPerfiles> tabla = LeeTablaPerfiles(rutaDat);
    if (!tabla) {
        errores << tabla.mensaje << "\n";
        return 2;
    }
    ListaFamilia lista = PerfilesDeFamilia(*tabla.valor, indice);
    if (!lista.aviso.empty()) errores << lista.aviso << "\n";
    salida << ListadoFamilia(lista);
    return 0;
}

int ComandoPerfiles(const std::string& familia) {
    return ComandoPerfiles(familia, RutaTablaPerfiles(), std::cout, std::cerr);
}

}  // namespace trabelux::cli
