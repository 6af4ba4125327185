// The input dialogs of the main window's menu: general data, point loads and adjacent
// slabs, created once and shown modally; the menu runs the grid update around them.
#include "gui/dialogos/carg_con.h"
#include "gui/dialogos/datgen.h"
#include "gui/dialogos/los_num.h"
#include "gui/principal/polidur1.h"

namespace trabelux {

void Polidur1::AdjuntaDialogos() {
    datgen_ = new Datgen(doc_, this);
    datgen_->setWindowFlag(Qt::Dialog);
    datgen_->FijaEnCarga([this] { return enCarga_; });
    cargCon_ = new CargCon(doc_, this);
    cargCon_->setWindowFlag(Qt::Dialog);
    losNum_ = new LosNum(doc_, this);
    losNum_->setWindowFlag(Qt::Dialog);

    RegistraVentana(VentanaExterna::DatosGenerales, [this] {
        datgen_->Prepara();
        datgen_->exec();
    });
    RegistraVentana(VentanaExterna::CargasConcentradas, [this] {
        cargCon_->Prepara(CargCon::Vista::Vanos);
        cargCon_->exec();
    });
    RegistraVentana(VentanaExterna::CargasNudos, [this] {
        cargCon_->Prepara(CargCon::Vista::Nudos);
        cargCon_->exec();
    });
    RegistraVentana(VentanaExterna::CargasLosas, [this] {
        losNum_->Prepara();
        losNum_->exec();
    });
}

}  // namespace trabelux
