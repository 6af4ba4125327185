// The small notice windows of long steps: `Progre` (the advance of the analysis under
// "Calculando...") and `Recarga` ("Cargando..." while a new project is set up).
#pragma once

#include <QWidget>

class QProgressBar;

namespace trabelux {

class Progre : public QWidget {
    Q_OBJECT
  public:
    explicit Progre(QWidget* padre);
    // Shows the notice at the top edge of `sobre`, centred across its width.
    void Muestra(QWidget* sobre);
    void Avance(int hecho, int total);
    QProgressBar* Barra() const { return barra_; }

  private:
    QProgressBar* barra_;
};

class Recarga : public QWidget {
    Q_OBJECT
  public:
    explicit Recarga(QWidget* padre);
    void Muestra(QWidget* sobre);
};

}  // namespace trabelux
