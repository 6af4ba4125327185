// Plain-text rendering of a result table with aligned columns.
#pragma once

#include <string>

#include "core/reporte/tablas_resultados.h"

namespace trabelux::cli {

// Frame title, caption, headings and rows; text left-aligned, numbers right-aligned.
std::string TablaComoTexto(const TablaTexto& t);

}  // namespace trabelux::cli
