// Fuzz target of the project file: any bytes give a project or a message naming the file
// and the line, never a crash; a project read has its spans, is written, read again and
// written again identically, and a run over it ends in results or a message.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/archivos/proyecto_vcw.h"
#include "core/calculo/calcula.h"

using namespace trabelux;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t largo) {
    const std::string bytes(reinterpret_cast<const char*>(datos), largo);
    // The slab file a project names is the same bytes: it exercises the transfer too.
    LecturaProyecto l =
        LeeArchivo(bytes, "x.vcw", [&](const std::string&) { return std::optional(bytes); });
    if (!l.proyecto && l.error.rfind("No se pudo leer el archivo:\nx.vcw\nLinea ", 0) != 0)
        __builtin_trap();
    if (l.proyecto) {
        const Proyecto& p = *l.proyecto;
        if (!l.error.empty() || p.numVanos < 1 || p.vanos.size() != static_cast<size_t>(p.numVanos))
            __builtin_trap();
        const std::string escrito = SalvaArchivo(*l.proyecto);
        LecturaProyecto otra = LeeArchivo(escrito, "y.vcw", {});
        if (!otra.proyecto || SalvaArchivo(*otra.proyecto) != escrito) __builtin_trap();
        OpcionesCalculo o;
        o.preguntaRefuerzoDoble = [](const std::string&) { return true; };
        Calcula(*l.proyecto, o);
    }
    return 0;
}
