// Fuzz target of the project file: any bytes give a project or a message naming the file
// and the line, never a crash; a project read has its spans, is written, read again and
// written again identically, and a run over it ends in results or a message.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/archivos/abre_proyecto.h"
#include "core/archivos/proyecto_vcw.h"
#include "core/calculo/calcula.h"

using namespace trabelux;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t largo) {
    const std::string bytes(reinterpret_cast<const char*>(datos), largo);
    // The slab file a project names is the same bytes: it exercises the transfer too.
    Resultado<ProyectoAbierto> l = LeeProyecto(
        bytes, "x.vcw", {{}, [&](const std::string&) { return std::optional(bytes); }, {}});
    if (!l && l.mensaje.rfind("No se pudo leer el archivo:\nx.vcw\nLinea ", 0) != 0)
        __builtin_trap();
    if (l) {
        const Proyecto& p = l.valor->proyecto;
        if (!l.mensaje.empty() || p.numVanos < 1 ||
            p.vanos.size() != static_cast<size_t>(p.numVanos))
            __builtin_trap();
        const std::string escrito = EscribeProyectoVcw(p);
        Resultado<ProyectoAbierto> otra = LeeProyecto(escrito, "y.vcw", {});
        if (!otra || EscribeProyectoVcw(otra.valor->proyecto) != escrito) __builtin_trap();
        OpcionesCalculo o;
        o.preguntaRefuerzoDoble = [](const std::string&) { return true; };
        Calcula(p, o);
    }
    return 0;
}
