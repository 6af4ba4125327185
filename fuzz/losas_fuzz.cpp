// Fuzz target of the slab file: any bytes give slabs or a message, never a crash; the
// slabs of an accepted file are transferred to a beam along X and along Y and the beam
// is analysed and designed.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/archivos/archivo_losas.h"
#include "core/calculo/calcula.h"
#include "core/derivados/actualiza_derivados.h"
#include "core/modelo/proyecto.h"

using namespace trabelux;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t largo) {
    const std::string bytes(reinterpret_cast<const char*>(datos), largo);
    Resultado<ArchivoLosasDatos> leido = LeeArchivoLosas(bytes, "x.Los");
    if (!leido) return 0;
    const int numLosas = static_cast<int>(leido.valor->losas.size());
    for (const char* direccion : {"X", "Y"}) {
        // Each span takes two neighbouring slabs (and the last one slab and none), so
        // every slab of the file loads some span.
        Proyecto p = ProyectoNuevo();
        const Vano tipo = p.vanos[0];
        p.numVanos = std::clamp(numLosas, 1, kMaxVanos);
        p.vanos.resize(static_cast<size_t>(p.numVanos), tipo);
        p.apoyosInteriores.assign(static_cast<size_t>(p.numVanos - 1), 1);
        p.archivoLosas = "x.Los";
        p.losas = *leido.valor;
        p.direccionViga = direccion;
        p.incluyePesoLosa = direccion[0] == 'X';
        for (int i = 0; i < p.numVanos; ++i)
            p.asignacion.push_back({i + 1, i + 2 <= numLosas ? i + 2 : 0, 0.0});
        ActualizaDerivados(p);
        OpcionesCalculo o;
        o.preguntaRefuerzoDoble = [](const std::string&) { return true; };
        Calcula(p, o);
    }
    return 0;
}
