// `EditorVanos`, the span editor that fills the frame: beam name, span count, slab file,
// the span grid, the end and interior supports, and the beam elevation. Every change goes
// through the document; the commands of the menus are the session's.
#pragma once

#include <QList>
#include <QWidget>

class QComboBox;
class QGroupBox;
class QLabel;
class QLayout;
class QLineEdit;

namespace trabelux {

class DialogoApoyos;
class DialogoNumeroVanos;
class DibujoViga;
class Documento;
class ModeloVanos;
class PanelLongitud;
class RejillaVanos;

class EditorVanos : public QWidget {
    Q_OBJECT
  public:
    explicit EditorVanos(Documento* doc, QWidget* padre = nullptr);

    // Commits and closes the grid's cell editor, if one is open: the commands see what
    // was typed.
    void ConfirmaEdicion();
    // While a run goes on: its notice in place of the beam name, and no gesture edits.
    void FijaOcupado(bool ocupado);
    // A new project: the span-count dialog starts afresh.
    void Reinicia();
    // "Actualiza": commits the cell being typed and brings the derived values up to date.
    void Actualiza();

  signals:
    // The slab file's "..." button.
    void pideArchivoLosas();

  private:
    QLayout* CreaFilaSuperior();
    QGroupBox* CreaRejilla();
    QGroupBox* CreaApoyos();
    void AlCambiarDocumento();
    void AbrePanelLongitud(int fila);
    void PreguntaReemplazarColumna(int columna);
    void EliminaFilas(const QList<int>& filas);

    Documento* doc_;
    ModeloVanos* modelo_ = nullptr;
    bool ocupado_ = false;

    QLabel* etiquetaViga_ = nullptr;
    QLineEdit* nombreViga_ = nullptr;
    QLabel* calculando_ = nullptr;
    QLabel* numVanosEtiqueta_ = nullptr;
    QLabel* rutaLosas_ = nullptr;
    RejillaVanos* rejilla_ = nullptr;
    QGroupBox* marcoApoyos_ = nullptr;
    QComboBox* apoyoIzq_ = nullptr;
    QComboBox* apoyoDer_ = nullptr;
    PanelLongitud* panelLongitud_ = nullptr;
    DibujoViga* dibujo_ = nullptr;

    DialogoNumeroVanos* numVanos_ = nullptr;
    DialogoApoyos* apoyos_ = nullptr;
};

}  // namespace trabelux
