#include "documento/documento.h"

#include <QUndoCommand>

#include "detallado/detallado.h"
#include "modelo/derivados.h"

namespace trabelux {

namespace {

// An edit as the states before and after it. Whole-project snapshots keep every kind of
// edit undoable with one mechanism; a project is a few kilobytes.
class ComandoProyecto : public QUndoCommand {
  public:
    ComandoProyecto(Documento* doc, EstadoDocumento antes, EstadoDocumento despues,
                    const QString& texto, int idFusion)
        : QUndoCommand(texto),
          doc_(doc),
          antes_(std::move(antes)),
          despues_(std::move(despues)),
          idFusion_(idFusion) {}

    void undo() override { doc_->FijaEstado(antes_); }
    void redo() override { doc_->FijaEstado(despues_); }
    int id() const override { return idFusion_; }
    bool mergeWith(const QUndoCommand* otro) override {
        if (otro->id() != id()) return false;
        despues_ = static_cast<const ComandoProyecto*>(otro)->despues_;
        return true;
    }

  private:
    Documento* doc_;
    EstadoDocumento antes_;
    EstadoDocumento despues_;
    int idFusion_;
};

EstadoDocumento ConDerivados(Proyecto p) {
    EstadoDocumento e;
    e.textoLosas = QString::fromStdString(ActualizaDerivados(p));
    e.proyecto = std::move(p);
    return e;
}

}  // namespace

Documento::Documento(QObject* padre) : QObject(padre) {
    estado_ = ConDerivados(ProyectoNuevo());
    connect(&pila_, &QUndoStack::cleanChanged, this, &Documento::cambiado);
}

void Documento::Modifica(const QString& texto, const std::function<void(Proyecto&)>& cambio,
                         int fila, int idFusion) {
    EstadoDocumento despues = estado_;
    cambio(despues.proyecto);
    if (fila == kTodasLasFilas)
        despues.textoLosas = QString::fromStdString(ActualizaDerivados(despues.proyecto));
    else
        RecalculaFila(despues.proyecto, fila);
    pila_.push(new ComandoProyecto(this, estado_, std::move(despues), texto, idFusion));
}

void Documento::Actualiza() {
    estado_.textoLosas = QString::fromStdString(ActualizaDerivados(estado_.proyecto));
    emit cambiado();
}

void Documento::Reemplaza(Proyecto p, const QString& ruta) {
    pila_.clear();
    estado_ = ConDerivados(std::move(p));
    resultados_.reset();
    proyectoCalculado_.reset();
    VaciaDetallado(detallado_);
    ruta_ = ruta;
    pila_.setClean();
    emit cambiado();
    if (!ruta.isEmpty()) emit archivoUsado(ruta);
}

void Documento::MarcaGuardado(const QString& ruta) {
    ruta_ = ruta;
    pila_.setClean();
    emit cambiado();
    emit archivoUsado(ruta);
}

void Documento::FijaResultados(Resultados r) {
    resultados_ = std::move(r);
    proyectoCalculado_ = estado_.proyecto;
    VaciaDetallado(detallado_);
    ++generacion_;
    emit cambiado();
}

void Documento::DescartaResultados() {
    if (!resultados_) return;
    resultados_.reset();
    proyectoCalculado_.reset();
    VaciaDetallado(detallado_);
    emit cambiado();
}

TablaDetallado& Documento::Detallado() {
    if (resultados_ && resultados_->calculado && !resultados_->soloAnalisis)
        AbreDetallado(detallado_, *proyectoCalculado_, *resultados_);
    return detallado_;
}

void Documento::FijaEstado(const EstadoDocumento& e) {
    estado_ = e;
    emit cambiado();
}

}  // namespace trabelux
