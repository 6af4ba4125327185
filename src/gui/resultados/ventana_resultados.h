// The results window "Resultados": the reactions, shear and moment tables with their
// diagrams, and the three reinforcement tables, on four tabs. It knows nothing of the main
// window: it is given a project and a run, and asks to go back through Regresa().
#pragma once

#include <QWidget>
#include <array>

#include "core/analisis/resultados.h"
#include "core/modelo/proyecto.h"
#include "gui/resultados/definicion_tablas.h"
#include "gui/resultados/pagina_deflexiones.h"
#include "gui/resultados/vista_diagrama.h"

class QLabel;
class QTabWidget;
class QPushButton;
class QStackedWidget;

namespace trabelux {

class VentanaResultados : public QWidget {
    Q_OBJECT
  public:
    // The tabs, in their order.
    enum class Pagina { kReacciones, kCortantes, kMomentos, kRefuerzo, kDeflexiones };

    explicit VentanaResultados(QWidget* parent = nullptr);

    // Shows a run: the analysis tables (LlenaTab), the reinforcement rows, page 0, redrawn.
    void Muestra(const Proyecto& p, const Resultados& r);
    // Fills the reactions, end-shear and moment tables and the diagrams, and shows page 0.
    void LlenaTab(const Proyecto& p, const Resultados& r);
    // Replaces the reinforcement rows by those of `r`; after an analysis-only run the tab
    // says that no design was run.
    void LlenaRefuerzo(const Resultados& r);
    void VaciaRefuerzo();
    // The deflections with the bars as they stand now (they follow the detailing table).
    void LlenaDeflexiones(const Deflexiones& d);
    PaginaDeflexiones* PaginaDeDeflexiones() const { return deflexiones_; }

    void MuestraPagina(Pagina pagina);
    // Clears and redraws the three surfaces when a drawing tab is current.
    void Redibuja();
    void OcultaSondas();

    ModeloTablaResultados* Modelo(TablaResultados t) const;
    VistaDiagrama* SuperficieDe(Superficie s) const;
    QTabWidget* Pestanas() const { return pestanas_; }

  signals:
    void Regresa();

  protected:
    void showEvent(QShowEvent* evento) override;
    void changeEvent(QEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

  private:
    QWidget* MarcoTabla(TablaResultados t);
    // The captions of the analysis tables (they name the all-loaded case with an
    // arrangement) and the envelope tables, shown only with an arrangement.
    void LlenaEnvolventes(const Resultados& r);
    void CambiaPagina(int indice);

    DatosDiagramas datos_;
    QTabWidget* pestanas_ = nullptr;
    QPushButton* regresa_ = nullptr;
    QStackedWidget* refuerzo_ = nullptr;  // the reinforcement tables, or the no-design note
    PaginaDeflexiones* deflexiones_ = nullptr;
    QLabel* notaCara_ = nullptr;  // what "(+)" and "(-)" mean, when a row has one
    std::array<ModeloTablaResultados*, 8> modelos_{};
    std::array<QWidget*, 8> marcos_{};
    std::array<VistaDiagrama*, 3> superficies_{};
};

}  // namespace trabelux
