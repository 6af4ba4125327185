// The span-length panel: a double click on a span row opens it in place of the support
// frame. "OK" or Return applies the length typed ("." or "," as the decimal mark);
// "Cancel", or leaving its field for anything outside the panel, closes it unchanged.
#pragma once

#include <QFrame>

class QLineEdit;

namespace trabelux {

class Documento;

class PanelLongitud : public QFrame {
    Q_OBJECT
  public:
    explicit PanelLongitud(Documento* doc, QWidget* padre = nullptr);
    ~PanelLongitud() override;

    // Shows the length of span `fila` (0-based), selected for typing.
    void Abre(int fila);
    // A length that is no number is refused and the panel stays open.
    void Cierra(bool aplica);

  signals:
    // The panel is hidden; a length it applies reaches the document after this.
    void cerrado();

  private:
    Documento* doc_;
    QLineEdit* texto_;
    int fila_ = -1;
};

}  // namespace trabelux
