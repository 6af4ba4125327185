// The input dialogs of the main window's menu: general data, point loads and adjacent
// slabs, created once and shown modally; the menu runs the grid update around them.
#include "dialogos/cargas/dialogo_cargas.h"
#include "dialogos/datos_generales/dialogo_datos_generales.h"
#include "dialogos/losas/dialogo_losas.h"
#include "editor/editor_vanos.h"

namespace trabelux {

void EditorVanos::AdjuntaDialogos() {
    datgen_ = new DialogoDatosGenerales(doc_, this);
    datgen_->setWindowFlag(Qt::Dialog);
    datgen_->FijaEnCarga([this] { return enCarga_; });
    cargCon_ = new DialogoCargas(doc_, this);
    cargCon_->setWindowFlag(Qt::Dialog);
    losNum_ = new DialogoLosas(doc_, this);
    losNum_->setWindowFlag(Qt::Dialog);

    RegistraVentana(VentanaExterna::DatosGenerales, [this] {
        datgen_->Prepara();
        datgen_->exec();
    });
    RegistraVentana(VentanaExterna::CargasConcentradas, [this] {
        cargCon_->Prepara(DialogoCargas::Vista::Vanos);
        cargCon_->exec();
    });
    RegistraVentana(VentanaExterna::CargasNudos, [this] {
        cargCon_->Prepara(DialogoCargas::Vista::Nudos);
        cargCon_->exec();
    });
    RegistraVentana(VentanaExterna::CargasLosas, [this] {
        losNum_->Prepara();
        losNum_->exec();
    });
}

}  // namespace trabelux
