// `AccionesMarco`, every command of the frame in one place: each menu entry and toolbar
// button is created here together with what it does, and enabled here for the state of
// the project, the session and the windows.
#pragma once

#include <QObject>
#include <functional>

class QAction;
class QMenu;
class QMenuBar;
class QString;

namespace trabelux {

class Marco;

class AccionesMarco : public QObject {
    Q_OBJECT
  public:
    // Builds the menu bar and the toolbar of `marco`, which owns this object.
    explicit AccionesMarco(Marco* marco);

    // Enables each command for the state of the project, the session and the windows.
    void Actualiza();

  private:
    void CreaArchivos(QMenuBar* barra);
    void CreaEditar(QMenuBar* barra);
    void CreaDatosYCargas(QMenuBar* barra);
    void CreaCalculo(QMenuBar* barra);
    void CreaAyuda(QMenuBar* barra);
    void CreaBarraHerramientas();
    // An entry of `menu` that runs `orden`.
    QAction* Accion(QMenu* menu, const char* nombre, const QString& texto,
                    const std::function<void()>& orden);
    QAction* AccionBarra(QMenuBar* barra, const char* nombre, const QString& texto,
                         const std::function<void()>& orden);
    QAction* Conecta(QAction* accion, const char* nombre, const std::function<void()>& orden);
    // `abre` for a window that an entry opens: what is being typed in a cell counts first.
    std::function<void()> TrasConfirmarEdicion(std::function<void()> abre) const;

    Marco* marco_;
    QMenu* archivos_ = nullptr;
    QMenu* editar_ = nullptr;
    QMenu* cargas_ = nullptr;
    QMenu* calculo_ = nullptr;
    QMenu* ayuda_ = nullptr;
    QAction* nuevo_ = nullptr;
    QAction* abrir_ = nullptr;
    QAction* salvar_ = nullptr;
    QAction* guardar_ = nullptr;
    QAction* losas_ = nullptr;
    QAction* deshacer_ = nullptr;
    QAction* rehacer_ = nullptr;
    QAction* datosGenerales_ = nullptr;
    QAction* cargasLosas_ = nullptr;
    QAction* analisisDiseno_ = nullptr;
    QAction* analisisSolo_ = nullptr;
    QAction* resultados_ = nullptr;
    QAction* refuerzo_ = nullptr;
    QAction* vistaPrevia_ = nullptr;
};

}  // namespace trabelux
