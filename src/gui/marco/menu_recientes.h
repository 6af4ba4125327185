// The recent projects under "&Archivos", above "&Termina": refreshed each time the menu
// opens, recorded whenever a project is opened or saved.
#pragma once

#include <QList>
#include <QObject>

class QAction;
class QMenu;

namespace trabelux {

class EditorVanos;

class MenuRecientes : public QObject {
    Q_OBJECT
  public:
    // `menu` is "&Archivos" of the main window's menu.
    MenuRecientes(EditorVanos* principal, QMenu* menu);

  private:
    void Registra(const QString& ruta);
    void Rehace();

    EditorVanos* principal_;
    QMenu* menu_;
    QList<QAction*> acciones_;
};

}  // namespace trabelux
