// `DialogoNumeroVanos`: the number of spans (1..20, cantilevers included) and the typical length
// given to new span rows.
#pragma once

#include <QDialog>

class QLineEdit;

namespace trabelux {

class Documento;

class DialogoNumeroVanos : public QDialog {
    Q_OBJECT
  public:
    DialogoNumeroVanos(Documento* doc, QWidget* padre = nullptr);

    // Shows the dialog with the current count (window-modal, returns at once).
    void Muestra();
    // OK: refuses a count outside 1..20 (and keeps the dialog open), otherwise applies.
    void Acepta();
    // A new project: the typical length of new rows is the initial one again.
    void Reinicia();

  signals:
    // The span count was changed (after the document was).
    void numeroCambiado();

  private:
    void Paso(int delta);

    Documento* doc_;
    QLineEdit* numero_;
    QLineEdit* longitud_;
};

}  // namespace trabelux
