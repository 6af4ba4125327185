#include "ayuda/adjunta_ayuda.h"

#include <QApplication>

#include "acerca/acerca_de.h"
#include "ayuda/ayuda.h"
#include "editor/editor_vanos.h"

namespace trabelux {

Ayuda* AdjuntaAyuda(EditorVanos* principal, QWidget* marco) {
    auto* ayuda = new Ayuda(Ayuda::RutaColeccionPrograma(), marco);
    qApp->installEventFilter(ayuda);
    principal->RegistraVentana(VentanaExterna::AyudaContenido, [ayuda] { ayuda->Contenido(); });
    principal->RegistraVentana(VentanaExterna::AyudaBusqueda, [ayuda] { ayuda->Busqueda(); });
    auto* acerca = new AcercaDe(marco);
    acerca->setWindowFlag(Qt::Dialog);
    principal->RegistraVentana(VentanaExterna::AcercaDe, [acerca] { acerca->exec(); });
    return ayuda;
}

}  // namespace trabelux
