// `DialogoCargas`, the point loads of the beam: concentrated loads in the spans and loads at
// the nodes, one frame shown at a time. Its "OK" keeps every distance within its span,
// orders both lists and counts them.
#pragma once

#include <QDialog>

#include "gui/dialogos/cargas/modelos_cargas.h"

class QGroupBox;

namespace trabelux {

class Documento;
class RejillaCargas;

class DialogoCargas : public QDialog {
    Q_OBJECT
  public:
    enum class Vista { Vanos, Nudos };

    explicit DialogoCargas(Documento* doc, QWidget* padre = nullptr);

    // Before every showing: the frame of `vista` alone, with its caption.
    void Prepara(Vista vista);
    Vista VistaActual() const { return vista_; }
    // "OK": false, with the dialog still open, when the loads were refused.
    bool Acepta();

    ModeloCargasVano* ModeloVanos() const { return modeloVanos_; }
    ModeloCargasNudo* ModeloNudos() const { return modeloNudos_; }
    RejillaCargas* RejillaVanos() const { return rejillaVanos_; }
    RejillaCargas* RejillaNudos() const { return rejillaNudos_; }

  private:
    Documento* doc_;
    Vista vista_ = Vista::Vanos;
    QGroupBox* marcoVanos_;
    QGroupBox* marcoNudos_;
    RejillaCargas* rejillaVanos_;
    RejillaCargas* rejillaNudos_;
    ModeloCargasVano* modeloVanos_;
    ModeloCargasNudo* modeloNudos_;
};

}  // namespace trabelux
