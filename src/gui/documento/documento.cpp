#include "gui/documento/documento.h"

#include <QUndoCommand>
#include <algorithm>
#include <iterator>
#include <tuple>

#include "core/archivos/proyecto_vcw.h"
#include "core/derivados/actualiza_derivados.h"
#include "core/detallado/acciones_detallado.h"
#include "core/modelo/filas_vano.h"

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

bool MismoVano(const Vano& a, const Vano& b) {
    return std::tie(a.longitud, a.base, a.altura, a.inercia, a.pesoPropio, a.cargaMuerta,
                    a.cargaViva, a.cargaUltima) == std::tie(b.longitud, b.base, b.altura, b.inercia,
                                                            b.pesoPropio, b.cargaMuerta,
                                                            b.cargaViva, b.cargaUltima);
}

// Every general datum a run or the deflections computed from it read; the stock bar length
// is not one: the bars are cut from the project as it stands.
bool MismosDatos(const DatosGenerales& a, const DatosGenerales& b) {
    const auto leidos = [](const DatosGenerales& d) {
        return std::tie(d.material, d.fc, d.fy, d.moduloE, d.recub, d.longitud, d.base, d.altura,
                        d.opcionInercia, d.inercia, d.cargaMuerta, d.cargaViva, d.usaCargaTotal,
                        d.factorMuerta, d.factorViva, d.calculaPesoPropio, d.pesoUnitario,
                        d.familiaPerfil, d.designacionPerfil, d.alternancia, d.duracion,
                        d.vivaSostenida, d.limite);
    };
    return leidos(a) == leidos(b);
}

bool MismaLosa(const Losa& a, const Losa& b) {
    return std::tie(a.numero, a.bordes, a.lx, a.ly, a.cargaMuerta, a.cargaViva, a.lineaMuerta,
                    a.lineaViva, a.espesor) == std::tie(b.numero, b.bordes, b.lx, b.ly,
                                                        b.cargaMuerta, b.cargaViva, b.lineaMuerta,
                                                        b.lineaViva, b.espesor);
}

bool MismoArchivoLosas(const ArchivoLosasDatos& a, const ArchivoLosasDatos& b) {
    return std::tie(a.descripcion, a.numLosas, a.registrosExtra, a.extras) ==
               std::tie(b.descripcion, b.numLosas, b.registrosExtra, b.extras) &&
           std::equal(std::begin(a.cabecera), std::end(a.cabecera), std::begin(b.cabecera)) &&
           std::equal(a.losas.begin(), a.losas.end(), b.losas.begin(), b.losas.end(), MismaLosa);
}

template <class T, class Igual>
bool MismoOpcional(const std::optional<T>& a, const std::optional<T>& b, Igual igual) {
    return a.has_value() == b.has_value() && (!a || igual(*a, *b));
}

// Whether a run of `a` and of `b` gives the same results: every input the analysis, the
// design, the bars or the report's result tables read is equal. The beam's name and the
// report's header and footer are labels the run never reads.
bool MismoCalculo(const Proyecto& a, const Proyecto& b) {
    const auto carga = [](const CargaConcentrada& x, const CargaConcentrada& y) {
        return std::tie(x.vano, x.distancia, x.carga) == std::tie(y.vano, y.distancia, y.carga);
    };
    const auto nudo = [](const CargaNudo& x, const CargaNudo& y) {
        return std::tie(x.nudo, x.fuerza, x.momento) == std::tie(y.nudo, y.fuerza, y.momento);
    };
    const auto asignacion = [](const AsignacionLosa& x, const AsignacionLosa& y) {
        return std::tie(x.primera, x.segunda, x.espesorProm) ==
               std::tie(y.primera, y.segunda, y.espesorProm);
    };
    const auto perfil = [](const PerfilAcero& x, const PerfilAcero& y) {
        return std::tie(x.designacion, x.area, x.d, x.bf, x.ix) ==
               std::tie(y.designacion, y.area, y.d, y.bf, y.ix);
    };
    return std::tie(a.numVanos, a.apoyoIzquierdo, a.apoyoDerecho, a.apoyosInteriores,
                    a.archivoLosas, a.direccionViga, a.incluyePesoLosa) ==
               std::tie(b.numVanos, b.apoyoIzquierdo, b.apoyoDerecho, b.apoyosInteriores,
                        b.archivoLosas, b.direccionViga, b.incluyePesoLosa) &&
           MismosDatos(a.datos, b.datos) &&
           std::equal(a.vanos.begin(), a.vanos.end(), b.vanos.begin(), b.vanos.end(), MismoVano) &&
           std::equal(a.cargas.begin(), a.cargas.end(), b.cargas.begin(), b.cargas.end(), carga) &&
           std::equal(a.cargasNudo.begin(), a.cargasNudo.end(), b.cargasNudo.begin(),
                      b.cargasNudo.end(), nudo) &&
           std::equal(a.asignacion.begin(), a.asignacion.end(), b.asignacion.begin(),
                      b.asignacion.end(), asignacion) &&
           MismoOpcional(a.losas, b.losas, MismoArchivoLosas) &&
           MismoOpcional(a.perfil, b.perfil, perfil);
}

EstadoDocumento ConDerivados(Proyecto p) {
    EstadoDocumento e;
    e.textoLosas = QString::fromStdString(ActualizaDerivados(p).Mensaje());
    e.proyecto = std::move(p);
    return e;
}

}  // namespace

Documento::Documento(QObject* padre) : QObject(padre) {
    estado_ = ConDerivados(ProyectoNuevo());
    guardado_ = EscribeProyectoVcw(estado_.proyecto);
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
        despues.textoLosas = QString::fromStdString(ActualizaDerivados(despues.proyecto).Mensaje());
    else
        RecalculaFila(despues.proyecto, fila);
    Registra(std::move(despues), texto, idFusion);
}

void Documento::Registra(EstadoDocumento despues, const QString& texto, int idFusion) {
    if (alEmpezarEdicion_) {
        FijaEstado(despues);
        return;
    }
    pila_.push(new ComandoProyecto(this, estado_, std::move(despues), texto, idFusion));
}

void Documento::EmpiezaEdicion() { alEmpezarEdicion_ = estado_; }

void Documento::TerminaEdicion(bool acepta, const QString& texto) {
    if (!alEmpezarEdicion_) return;
    EstadoDocumento antes = std::move(*alEmpezarEdicion_);
    alEmpezarEdicion_.reset();
    if (!acepta)
        FijaEstado(antes);
    else if (EscribeProyectoVcw(antes.proyecto) != EscribeProyectoVcw(estado_.proyecto) ||
             !MismoCalculo(antes.proyecto, estado_.proyecto))
        pila_.push(new ComandoProyecto(this, std::move(antes), estado_, texto, -1));
}

void Documento::Aplica(const QString& texto, Proyecto nuevo) {
    const QString textoLosas = QString::fromStdString(ActualizaDerivados(nuevo).Mensaje());
    Aplica(texto, std::move(nuevo), textoLosas);
}

void Documento::Aplica(const QString& texto, Proyecto derivado, const QString& textoLosas) {
    EstadoDocumento despues = estado_;
    despues.proyecto = std::move(derivado);
    despues.textoLosas = textoLosas;
    Registra(std::move(despues), texto, -1);
}

void Documento::Actualiza() {
    estado_.textoLosas = QString::fromStdString(ActualizaDerivados(estado_.proyecto).Mensaje());
    Notifica();
}

void Documento::Reemplaza(Proyecto p, const QString& ruta) {
    const QString textoLosas = QString::fromStdString(ActualizaDerivados(p).Mensaje());
    Reemplaza(std::move(p), textoLosas, ruta);
}

void Documento::Reemplaza(Proyecto derivado, const QString& textoLosas, const QString& ruta) {
    alEmpezarEdicion_.reset();
    pila_.clear();
    estado_ = EstadoDocumento();
    estado_.proyecto = std::move(derivado);
    estado_.textoLosas = textoLosas;
    resultados_.reset();
    proyectoCalculado_.reset();
    OlvidaDetallado();
    ruta_ = ruta;
    guardado_ = EscribeProyectoVcw(estado_.proyecto);
    pila_.setClean();
    Notifica();
    if (!ruta.isEmpty()) emit archivoUsado(ruta);
}

bool Documento::Modificado() const {
    return !pila_.isClean() && EscribeProyectoVcw(estado_.proyecto) != guardado_;
}

void Documento::MarcaGuardado(const QString& ruta) {
    ruta_ = ruta;
    guardado_ = EscribeProyectoVcw(estado_.proyecto);
    pila_.setClean();
    Notifica();
    emit archivoUsado(ruta);
}

void Documento::FijaResultados(Resultados r) {
    resultados_ = std::move(r);
    proyectoCalculado_ = estado_.proyecto;
    OlvidaDetallado();
    ++generacion_;
    Notifica();
}

void Documento::DescartaResultados() {
    if (!resultados_) return;
    resultados_.reset();
    proyectoCalculado_.reset();
    OlvidaDetallado();
    Notifica();
}

void Documento::OlvidaDetallado() {
    ++epocaResultados_;
    VaciaDetallado(estado_.detallado);
    estado_.epocaDetallado = epocaResultados_;
}

const TablaDetallado& Documento::Detallado() {
    // Loading is a function of the results, like the derived values: no undo step.
    if (Disenado()) AbreDetallado(estado_.detallado, *proyectoCalculado_, *resultados_);
    return DetalladoActual();
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

void Documento::Notifica() {
    vigentes_ =
        resultados_ && proyectoCalculado_ && MismoCalculo(estado_.proyecto, *proyectoCalculado_);
    emit cambiado();
}

const TablaDetallado& Documento::DetalladoActual() const {
    static const TablaDetallado kVacia;
    return vigentes_ ? estado_.detallado : kVacia;
}

void Documento::FijaEstado(const EstadoDocumento& e) {
    estado_ = e;
    // Bars of other results than the current ones are not brought back: the table is
    // left to be proposed afresh for these.
    if (estado_.epocaDetallado != epocaResultados_) {
        VaciaDetallado(estado_.detallado);
        estado_.epocaDetallado = epocaResultados_;
    }
    Notifica();
}

}  // namespace trabelux
