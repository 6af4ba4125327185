// Fuzz target of the steel-shapes table: any bytes give a table or a message, never a
// crash; the shapes of an accepted table are listed by family and resolved in metres.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/archivos/tabla_perfiles.h"

using namespace trabelux;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t largo) {
    const std::string bytes(reinterpret_cast<const char*>(datos), largo);
    Resultado<TablaPerfiles> tabla = LeePerfiles(bytes, "x.Dat");
    if (!tabla) return 0;
    for (int familia = 0; familia < static_cast<int>(FamiliasPerfil().size()); ++familia) {
        const ListaFamilia lista = PerfilesDeFamilia(*tabla.valor, familia);
        // The listing is the same text per shape: a short family shows it all, and the
        // whole shipped table stays quick enough to fuzz.
        if (lista.perfiles.size() <= 16) ListadoFamilia(lista);
        const int n = static_cast<int>(lista.perfiles.size());
        for (int k : {-1, 0, n - 1, n}) ResuelvePerfil(*tabla.valor, familia, k);
    }
    return 0;
}
