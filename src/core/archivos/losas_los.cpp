#include "archivos/losas_los.h"

namespace trabelux {

// Placeholder until the slab reader lands.
Resultado<ArchivoLosasDatos> LeeLosas(const std::string&, const std::string& ruta) {
    return Resultado<ArchivoLosasDatos>::Error("No se pudo leer el archivo de losas:\n" + ruta);
}

}  // namespace trabelux
