// The recent projects under "&Archivos", above "&Termina": refreshed each time the menu
// opens, recorded whenever a project is opened or saved.
#pragma once

#include <QList>
#include <QObject>

class QAction;
class QMenu;

namespace trabelux {

class Documento;
class Sesion;

class MenuRecientes : public QObject {
    Q_OBJECT
  public:
    // `menu` is "&Archivos", `termina` its "&Termina": the list goes above it.
    MenuRecientes(Documento* doc, Sesion* sesion, QMenu* menu, QAction* termina);

  private:
    void Registra(const QString& ruta);
    void Rehace();

    Sesion* sesion_;
    QMenu* menu_;
    QAction* termina_;
    QList<QAction*> acciones_;
};

}  // namespace trabelux
