#include "gui/ayuda/adjunta_ayuda.h"

#include <QApplication>

#include "gui/acerca/frm_about.h"
#include "gui/ayuda/ayuda.h"
#include "gui/principal/polidur1.h"

namespace trabelux {

Ayuda* AdjuntaAyuda(Polidur1* principal, QWidget* marco) {
    auto* ayuda = new Ayuda(Ayuda::RutaColeccionPrograma(), marco);
    qApp->installEventFilter(ayuda);
    principal->RegistraVentana(VentanaExterna::AyudaContenido, [ayuda] { ayuda->Contenido(); });
    principal->RegistraVentana(VentanaExterna::AyudaBusqueda, [ayuda] { ayuda->Busqueda(); });
    auto* acerca = new FrmAbout(marco);
    acerca->setWindowFlag(Qt::Dialog);
    principal->RegistraVentana(VentanaExterna::AcercaDe, [acerca] { acerca->exec(); });
    return ayuda;
}

}  // namespace trabelux
