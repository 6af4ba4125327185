// Fuzz target: any bytes given to the project, slab and shapes readers give a result or a
// message, never a crash; a project read back is written and read again identically.
#include <cstddef>
#include <cstdint>
#include <string>

#include "analisis/calcula.h"
#include "archivos/losas_los.h"
#include "archivos/perfiles.h"
#include "archivos/proyecto_vcw.h"

using namespace trabelux;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t largo) {
    const std::string bytes(reinterpret_cast<const char*>(datos), largo);
    LeeLosas(bytes, "x.Los");
    LeePerfiles(bytes, "x.Dat");
    LecturaProyecto l =
        LeeArchivo(bytes, "x.vcw", [&](const std::string&) { return std::optional(bytes); });
    if (l.proyecto) {
        const std::string escrito = SalvaArchivo(*l.proyecto);
        LecturaProyecto otra = LeeArchivo(escrito, "y.vcw", {});
        if (!otra.proyecto || SalvaArchivo(*otra.proyecto) != escrito) __builtin_trap();
        OpcionesCalculo o;
        o.preguntaRefuerzoDoble = [](const std::string&) { return true; };
        Calcula(*l.proyecto, o);
    }
    return 0;
}
