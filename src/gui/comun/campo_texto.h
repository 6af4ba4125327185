// A text field of the program: it selects its whole text whenever it receives the focus,
// so typing replaces the value instead of adding to it.
#pragma once

#include <QLineEdit>

namespace trabelux {

class CampoTexto : public QLineEdit {
    Q_OBJECT
  public:
    // Where the text goes: the project file holds only what Latin-1 can, so a text kept
    // there is limited to it as it is typed (LimitaALatin1); a number the program only
    // reads is not.
    enum class Destino { kArchivo, kLectura };

    explicit CampoTexto(const char* nombre, Destino destino = Destino::kArchivo,
                        QWidget* padre = nullptr);

  protected:
    void focusInEvent(QFocusEvent* e) override;
};

}  // namespace trabelux
