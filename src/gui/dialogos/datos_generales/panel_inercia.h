// The general-data dialog's inertia panel, open while the inertia list says "Otra": the
// global moment of inertia typed in m4, kept at "OK", back to the value it had when the
// panel opened at "Cancel".
#pragma once

#include <QFrame>
#include <string>

namespace trabelux {

class CamposDatosGenerales;
class Documento;

class PanelInercia : public QFrame {
    Q_OBJECT
  public:
    PanelInercia(Documento* doc, CamposDatosGenerales* campos);
    // The inertia that "Cancel" goes back to.
    void Recuerda();

  signals:
    // "OK" (true) or "Cancel" (false) closed the panel.
    void cerrado(bool aceptado);

  private:
    void Acepta();
    void Cancela();

    Documento* doc_;
    CamposDatosGenerales* campos_;
    std::string alAbrir_;
};

}  // namespace trabelux
