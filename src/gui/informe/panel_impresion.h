// The report window's "Imprime" frame: whether the bars are printed, the page range (all,
// the current page, or from .. to) and the printing itself, on the device chosen in the
// set-up, or into a PDF file written whole or not at all.
#pragma once

#include <QGroupBox>

class QCheckBox;
class QRadioButton;
class QSpinBox;

namespace trabelux {

class VentanaInforme;

class PanelImpresion : public QGroupBox {
    Q_OBJECT
  public:
    // Prints the report of `ventana`, whose pages the range follows.
    explicit PanelImpresion(VentanaInforme* ventana);

    // The reinforcement option exists only after a design.
    void MuestraRefuerzo(bool habilitado, bool marcado);
    bool RefuerzoHabilitado() const;
    // The range fields always run 1 .. page count: a regeneration that shortens the
    // report pulls them back inside it, so a stale range never reaches the printer.
    void AjustaRango();
    // The preview moved to another page: a range of the current page follows it.
    void SiguePagina();
    // Pages `desde`..`hasta`; false when nothing was printed (the user was told why, or
    // cancelled the file name).
    bool ImprimePaginas(int desde, int hasta);

  signals:
    void refuerzoMarcado(bool marcado);

  private:
    void AlElegirRango();
    void Imprime();
    bool ImprimeEnPdf(int desde, int hasta);

    VentanaInforme* ventana_;
    QCheckBox* refuerzo_;
    QRadioButton* rangoTodas_;
    QRadioButton* rangoActual_;
    QRadioButton* rangoPaginas_;
    QSpinBox* desde_;
    QSpinBox* hasta_;
};

}  // namespace trabelux
