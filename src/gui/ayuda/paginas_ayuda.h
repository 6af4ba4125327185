// The manual's page of each window and dialog, by the window's objectName: what F1 opens
// and what the manual's contents must hold.
#pragma once

#include <QString>
#include <QUrl>
#include <vector>

namespace trabelux {

struct PaginaVentana {
    const char* ventana;  // objectName of the window or dialog
    const char* pagina;   // page of the manual
};

// Every window and dialog of the program with its page.
const std::vector<PaginaVentana>& PaginasDeVentanas();

// The page of a window, or an empty string when it has none.
QString PaginaDeVentana(const QString& nombreVentana);

// Address of a page inside the help collection.
QUrl UrlPaginaAyuda(const QString& pagina);

// The manual's first page.
inline constexpr const char* kPaginaInicio = "index.html";

}  // namespace trabelux
