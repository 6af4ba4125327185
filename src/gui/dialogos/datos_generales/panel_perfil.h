// The general-data dialog's steel-shape panel, opened by choosing "Acero": a family and a
// designation from the shapes table shipped with the program, with the shape's properties
// in a one-row grid. "OK" gives the project that shape; "Cancel" leaves its own.
#pragma once

#include <QFrame>

#include "gui/comun/catalogo_perfiles.h"

class QComboBox;

namespace trabelux {

class Documento;
class ModeloPerfil;

class PanelPerfil : public QFrame {
    Q_OBJECT
  public:
    explicit PanelPerfil(Documento* doc);

    CatalogoPerfiles& Perfiles() { return perfiles_; }
    ModeloPerfil* Modelo() const { return modelo_; }
    // Starts from the shape the project has (family and designation as the data keep them).
    void Prepara(int familia, int designacion);

  signals:
    // "OK" or "Cancel" closed the panel.
    void cerrado();

  private:
    void LlenaDesignaciones(int familia);
    void EligeFamilia(int familia);
    void EligeDesignacion(int designacion);
    void Acepta();
    void Cancela();

    Documento* doc_;
    CatalogoPerfiles perfiles_;
    // The panel's own choice until its "OK".
    int familia_ = 0;
    int designacion_ = -1;
    ListaFamilia lista_;  // the shapes of the family, as the designation list shows them
    QComboBox* familias_;
    QComboBox* designaciones_;
    ModeloPerfil* modelo_;
};

}  // namespace trabelux
