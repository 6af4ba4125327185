// The output devices the report window offers: the system's printers and a PDF file, each
// with the paper codes (Windows numbering) it supports and whether it takes custom sizes.
#pragma once

#include <QList>
#include <QPageSize>
#include <QString>
#include <vector>

namespace trabelux {

struct DispositivoImpresion {
    QString nombre;
    bool archivoPdf = false;     // writes a PDF file instead of printing
    std::vector<int> codigos;    // supported paper codes, ascending
    bool personalizado = false;  // takes a custom paper size
};

// Name of the PDF file device in the device list.
QString NombreDispositivoPdf();

// The paper codes 1..68 with a name among `tamanos`: a code is supported when a size of
// the list has that Windows number, or (codes without a Qt size of their own, as Folio)
// the code's size.
std::vector<int> CodigosSoportados(const QList<QPageSize>& tamanos);

// The system's printers (the default printer first) followed by the PDF file device,
// which takes every named paper and custom sizes.
std::vector<DispositivoImpresion> DispositivosSistema();

}  // namespace trabelux
