// Until the desktop program saves the report's PDF through io.
#pragma once

#include "io/archivos.h"
#include "render/informe_pdf.h"

namespace trabelux {

inline std::string EscribeInformePdf(const std::string& ruta, const ConfiguracionInforme& c,
                                     const ComponeInforme& compone, int* paginas = nullptr) {
    return GuardaArchivo(ruta, PdfDelInforme(c, compone, paginas));
}

}  // namespace trabelux
