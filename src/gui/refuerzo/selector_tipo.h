// The shape chooser of the detailing window: the seven section shapes as picture
// buttons and "OK este vano", "OK todos los vanos", "Cancel". It only
// chooses; the window writes the choice and hides it.
#pragma once

#include <QGroupBox>
#include <string>

class QAbstractButton;
class QButtonGroup;

namespace trabelux {

class SelectorTipo : public QGroupBox {
    Q_OBJECT
  public:
    explicit SelectorTipo(QWidget* padre = nullptr);

    // Presets the option of `codigo` (a code not in the list leaves the option as it was)
    // and shows the chooser.
    void Abre(const std::string& codigo);
    int Opcion() const;
    void FijaOpcion(int opcion);
    QAbstractButton* Boton(int opcion) const;

  signals:
    void esteVano(int opcion);       // "OK este vano"
    void todosLosVanos(int opcion);  // "OK todos los vanos"
    void cancelado();                // "Cancel"

  private:
    QButtonGroup* opciones_;
};

}  // namespace trabelux
