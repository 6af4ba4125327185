#include "core/archivos/abre_proyecto.h"

#include <utility>

#include "core/archivos/archivo_losas.h"
#include "core/archivos/proyecto_vcw.h"
#include "core/derivados/actualiza_derivados.h"

namespace trabelux {

namespace {

// The slab file the project names. Its assignment is kept even when the file cannot be
// had, so saving the project again does not drop it; the notice says why no slab loads
// are transferred.
Estado CargaArchivoLosas(Proyecto& p, const LectorArchivo& leeLosas) {
    std::optional<std::string> bytes;
    if (leeLosas) bytes = leeLosas(p.archivoLosas);
    if (!bytes)
        return Estado::Falla("El archivo de losas:\n" + p.archivoLosas + "\nNo fue encontrado");
    Resultado<ArchivoLosasDatos> losas = LeeArchivoLosas(*bytes, p.archivoLosas);
    if (!losas) return Estado::Falla(losas.mensaje);
    p.losas = std::move(*losas.valor);
    return Estado::Bien();
}

}  // namespace

Resultado<ProyectoAbierto> LeeProyecto(const std::string& bytes, const std::string& ruta,
                                       const LectoresProyecto& lectores) {
    Resultado<Proyecto> leido = LeeProyectoVcw(bytes, ruta);
    if (!leido) return Resultado<ProyectoAbierto>::Falla(leido.mensaje);
    ProyectoAbierto abierto;
    Proyecto& p = abierto.proyecto;
    p = std::move(*leido.valor);
    if (UsaLosas(p)) abierto.aviso = CargaArchivoLosas(p, lectores.leeLosas).Mensaje();
    // The file names the shape by its place in the table; its section comes from there.
    if (p.datos.material == Material::kAcero && p.datos.familiaPerfil > 0 &&
        p.datos.designacionPerfil >= 0 && lectores.leePerfiles) {
        Resultado<TablaPerfiles> tabla = lectores.leePerfiles();
        if (tabla)
            p.perfil =
                ResuelvePerfil(*tabla.valor, p.datos.familiaPerfil, p.datos.designacionPerfil);
        else
            abierto.aviso += (abierto.aviso.empty() ? "" : "\n\n") + tabla.mensaje;
    }
    abierto.losas = ActualizaDerivados(p);
    return Resultado<ProyectoAbierto>::Ok(std::move(abierto));
}

Resultado<ProyectoAbierto> AbreProyecto(const std::string& ruta, const LectoresProyecto& lectores) {
    std::optional<std::string> bytes;
    if (lectores.leeProyecto) bytes = lectores.leeProyecto(ruta);
    if (!bytes)
        return Resultado<ProyectoAbierto>::Falla("No se pudo leer el archivo:\n" + ruta +
                                                 "\nNo existe o no se puede abrir");
    return LeeProyecto(*bytes, ruta, lectores);
}

}  // namespace trabelux
