// The small notice windows of long steps: `VentanaProgreso` (the advance of the analysis under
// "Calculando...") and `AvisoCargando` ("Cargando..." while a new project is set up).
#pragma once

#include <QWidget>

class QProgressBar;

namespace trabelux {

class VentanaProgreso : public QWidget {
    Q_OBJECT
  public:
    explicit VentanaProgreso(QWidget* padre);
    // Shows the notice at the top edge of `sobre`, centred across its width.
    void Muestra(QWidget* sobre);
    void Avance(int hecho, int total);
    QProgressBar* Barra() const { return barra_; }

  private:
    QProgressBar* barra_;
};

class AvisoCargando : public QWidget {
    Q_OBJECT
  public:
    explicit AvisoCargando(QWidget* padre);
    void Muestra(QWidget* sobre);
};

}  // namespace trabelux
