// The report on Qt's paged devices: paper sizes from the set-up's paper codes, composing
// onto a QPdfWriter or QPrinter, and the report as the bytes of a PDF.
#pragma once

#include <QPageSize>
#include <functional>
#include <string>

#include "core/base/resultado.h"
#include "core/reporte/configuracion.h"
#include "core/reporte/superficie_pagina.h"

class QPagedPaintDevice;

namespace trabelux {

// The paper of a code in the Windows numbering (1 Letter, 9 A4, ...; 256 the custom size
// of the set-up). Code 14 (Folio) has no Qt size of its own: 8.5 x 13 in. Invalid when
// the code names no paper.
QPageSize PapelDeCodigo(int codigo, const ConfiguracionInforme& c);

// Today's date as the report's title block prints it ("15/03/2024").
std::string FechaInforme();

// What writes the report onto a surface whose document has been started; the caller
// finishes it.
using ComposicionInforme = std::function<void(SuperficiePagina&)>;

// Lays the set-up's paper on `dispositivo` (full page: the report keeps its own margins),
// composes the report on it page by page and returns the page count; 0 when the device
// could not be painted on.
int ImprimeInforme(QPagedPaintDevice& dispositivo, const ConfiguracionInforme& c,
                   const ComposicionInforme& compone);

// Composes the report and puts only its pages `desde`..`hasta` (1-based) on `dispositivo`,
// laid out as ImprimeInforme does. Returns the pages put there; 0 when the device could
// not be painted on or the range holds no page of the report.
int ImprimePaginas(QPagedPaintDevice& dispositivo, const ConfiguracionInforme& c,
                   const ComposicionInforme& compone, int desde, int hasta);

// The report composed into a PDF, as its bytes (the caller saves them, io/archivos.h), or
// "No se pudo componer el informe". `paginas` (when given) receives the page count.
Resultado<std::string> PdfDelInforme(const ConfiguracionInforme& c,
                                     const ComposicionInforme& compone, int* paginas = nullptr);

}  // namespace trabelux
