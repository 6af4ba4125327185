// `DialogoLosas`, the slabs adjacent to the beam: for each span the slab on its left and on
// its right (picked from the slab file's list), the beam's direction in the slab plan,
// and whether the slab weight is already in the beam's self weight. The dialog edits a
// copy; its "OK" checks the slab numbers and applies everything as one change.
#pragma once

#include <QDialog>

class QLineEdit;
class QRadioButton;

namespace trabelux {

class CampoTexto;
class RejillaEditable;
class Documento;
class ModeloAsignacion;
class ModeloListaLosas;

class DialogoLosas : public QDialog {
    Q_OBJECT
  public:
    explicit DialogoLosas(Documento* doc, QWidget* padre = nullptr);

    // Before every showing: the fields and rows show the project.
    void Prepara();
    // "OK": false, with the dialog still open, when a slab number was
    // refused.
    bool Acepta();
    // The direction button "X / Y".
    void CambiaDireccion();

    ModeloAsignacion* Asignacion() const { return asignacion_; }
    ModeloListaLosas* ListaLosas() const { return listaLosas_; }

  public slots:
    // Closing the window keeps the edits, as "OK" does.
    void reject() override;

  private:
    Documento* doc_;
    ModeloAsignacion* asignacion_;
    ModeloListaLosas* listaLosas_;
    CampoTexto* descripcion_;
    CampoTexto* direccion_;
    QRadioButton* si_;  // the slab weight is in the self weight
    QRadioButton* no_;
    RejillaEditable* rejilla_;
};

}  // namespace trabelux
