#include "documento/documento.h"

#include <QUndoCommand>
#include <algorithm>

#include "archivos/proyecto_vcw.h"
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

bool MismaFila(const FilaDetallado& a, const FilaDetallado& b) {
    return a.dib == b.dib && a.ubic == b.ubic && a.sec == b.sec && a.tipo == b.tipo &&
           a.barraInferior == b.barraInferior && a.cantInferior == b.cantInferior &&
           a.barraPercha == b.barraPercha && a.cantPercha == b.cantPercha &&
           a.barraAdicional == b.barraAdicional && a.cantAdicional == b.cantAdicional &&
           a.barraEstribo == b.barraEstribo && a.separEstribo == b.separEstribo;
}

bool MismaTabla(const TablaDetallado& a, const TablaDetallado& b) {
    return a.barrasCargadas == b.barrasCargadas &&
           std::equal(a.filas.begin(), a.filas.end(), b.filas.begin(), b.filas.end(), MismaFila);
}

EstadoDocumento ConDerivados(Proyecto p) {
    EstadoDocumento e;
    e.textoLosas = QString::fromStdString(ActualizaDerivados(p));
    e.proyecto = std::move(p);
    return e;
}

}  // namespace

Documento::Documento(QObject* padre) : QObject(padre) {
    estado_ = ConDerivados(ProyectoNuevo());
    guardado_ = SalvaArchivo(estado_.proyecto);
    connect(&pila_, &QUndoStack::cleanChanged, this, &Documento::cambiado);
}

// The undo stack dies after this body and clears itself on the way: its signals must not
// reach a document (or the windows listening to it) that is already being destroyed.
Documento::~Documento() { pila_.disconnect(this); }

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

void Documento::Aplica(const QString& texto, Proyecto nuevo) {
    const QString textoLosas = QString::fromStdString(ActualizaDerivados(nuevo));
    Aplica(texto, std::move(nuevo), textoLosas);
}

void Documento::Aplica(const QString& texto, Proyecto derivado, const QString& textoLosas) {
    EstadoDocumento despues = estado_;
    despues.proyecto = std::move(derivado);
    despues.textoLosas = textoLosas;
    pila_.push(new ComandoProyecto(this, estado_, std::move(despues), texto, -1));
}

void Documento::Actualiza() {
    estado_.textoLosas = QString::fromStdString(ActualizaDerivados(estado_.proyecto));
    emit cambiado();
}

void Documento::Reemplaza(Proyecto p, const QString& ruta) {
    const QString textoLosas = QString::fromStdString(ActualizaDerivados(p));
    Reemplaza(std::move(p), textoLosas, ruta);
}

void Documento::Reemplaza(Proyecto derivado, const QString& textoLosas, const QString& ruta) {
    pila_.clear();
    estado_ = EstadoDocumento();
    estado_.proyecto = std::move(derivado);
    estado_.textoLosas = textoLosas;
    resultados_.reset();
    proyectoCalculado_.reset();
    OlvidaDetallado();
    ruta_ = ruta;
    guardado_ = SalvaArchivo(estado_.proyecto);
    pila_.setClean();
    emit cambiado();
    if (!ruta.isEmpty()) emit archivoUsado(ruta);
}

bool Documento::Modificado() const {
    return !pila_.isClean() && SalvaArchivo(estado_.proyecto) != guardado_;
}

void Documento::MarcaGuardado(const QString& ruta) {
    ruta_ = ruta;
    guardado_ = SalvaArchivo(estado_.proyecto);
    pila_.setClean();
    emit cambiado();
    emit archivoUsado(ruta);
}

void Documento::FijaResultados(Resultados r) {
    resultados_ = std::move(r);
    proyectoCalculado_ = estado_.proyecto;
    OlvidaDetallado();
    ++generacion_;
    emit cambiado();
}

void Documento::DescartaResultados() {
    if (!resultados_) return;
    resultados_.reset();
    proyectoCalculado_.reset();
    OlvidaDetallado();
    emit cambiado();
}

void Documento::OlvidaDetallado() {
    ++epocaResultados_;
    VaciaDetallado(estado_.detallado);
    estado_.epocaDetallado = epocaResultados_;
}

const TablaDetallado& Documento::Detallado() {
    // Loading is a function of the results, like the derived values: no undo step.
    if (Disenado()) AbreDetallado(estado_.detallado, *proyectoCalculado_, *resultados_);
    return estado_.detallado;
}

bool Documento::ModificaDetallado(const QString& texto, const CambioDetallado& cambio) {
    if (!Disenado()) return false;
    Detallado();
    EstadoDocumento despues = estado_;
    cambio(despues.detallado, *proyectoCalculado_, *resultados_);
    if (MismaTabla(despues.detallado, estado_.detallado)) return false;
    pila_.push(new ComandoProyecto(this, estado_, std::move(despues), texto, -1));
    return true;
}

void Documento::FijaEstado(const EstadoDocumento& e) {
    estado_ = e;
    // Bars of other results than the current ones are not brought back: the table is
    // left to be proposed afresh for these.
    if (estado_.epocaDetallado != epocaResultados_) {
        VaciaDetallado(estado_.detallado);
        estado_.epocaDetallado = epocaResultados_;
    }
    emit cambiado();
}

}  // namespace trabelux
