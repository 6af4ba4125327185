// `AcercaDe`, the about box: the program's title, version and legal notice, as the build
// sets them.
#pragma once

#include <QDialog>

namespace trabelux {

class AcercaDe : public QDialog {
    Q_OBJECT
  public:
    explicit AcercaDe(QWidget* padre = nullptr);
};

// The program's icon (also the window icon of every window).
QIcon IconoPrograma();

}  // namespace trabelux
