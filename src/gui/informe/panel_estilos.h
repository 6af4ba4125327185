// The "Font/Color" panel of the report window: the font, size and effects of the header,
// footer, section titles and body text, and the colours of the drawings.
#pragma once

#include <QWidget>
#include <array>

#include "core/reporte/configuracion.h"

class QPushButton;
class QLabel;

namespace trabelux {

class PanelEstilos : public QWidget {
    Q_OBJECT
  public:
    // The panel edits the styles of `config`, which outlives it.
    explicit PanelEstilos(ConfiguracionInforme* config, QWidget* padre = nullptr);

    // Shows the styles as they stand; the diagram rows are enabled only with the diagrams,
    // the reinforcement row only when the reinforcement option is.
    void Muestra(bool diagramas, bool refuerzo);
    // The font dialog of row `fila` (0..4), the colour dialog of row `fila` (0..7).
    void EligeFuente(int fila);
    void EligeColor(int fila);

  signals:
    // The panel's button: back to the general set-up.
    void aceptado();

  protected:
    // The font buttons' resizing: a name that no longer fits its cell goes on two lines.
    bool eventFilter(QObject* objeto, QEvent* evento) override;

  private:
    struct Fila {
        QLabel* nombre = nullptr;
        QPushButton* fuente = nullptr;
        QPushButton* tamano = nullptr;
        QPushButton* efecto = nullptr;
        QPushButton* color = nullptr;
    };
    void MuestraFila(int fila);

    ConfiguracionInforme* config_;
    std::array<Fila, kNumFilasEstilo> filas_{};
};

}  // namespace trabelux
