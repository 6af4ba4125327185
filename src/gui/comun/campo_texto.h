// A dialog's text field: it selects its whole text whenever it receives the focus, so
// typing replaces the value instead of adding to it. Its text goes into the project file
// and holds only what the file can (LimitaALatin1).
#pragma once

#include <QLineEdit>

namespace trabelux {

class CampoTexto : public QLineEdit {
    Q_OBJECT
  public:
    explicit CampoTexto(const char* nombre, QWidget* padre = nullptr);

  protected:
    void focusInEvent(QFocusEvent* e) override;
};

}  // namespace trabelux
