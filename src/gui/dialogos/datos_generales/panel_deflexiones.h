// The general-data dialog's deflections panel (concrete only): the duration of the
// sustained load, the share of the live load that is sustained and the row of the limits
// table the member belongs to. Stored in the project file's options block.
#pragma once

#include <QFrame>

class QComboBox;

namespace trabelux {

class CamposDatosGenerales;
class Documento;
struct DatosGenerales;

class PanelDeflexiones : public QFrame {
    Q_OBJECT
  public:
    PanelDeflexiones(Documento* doc, CamposDatosGenerales* campos);

    void Refresca(const DatosGenerales& d);
    // "OK": true, and `cerrado`, when the share typed passes its check.
    bool Acepta();

  signals:
    void cerrado();

  private:
    Documento* doc_;
    CamposDatosGenerales* campos_;
    QComboBox* duracion_;
    QComboBox* limite_;
};

}  // namespace trabelux
