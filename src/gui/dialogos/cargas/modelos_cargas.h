// The models of the point-load grids: the span loads ("Vano", "Distancia (m)",
// "Pu (Ton)") and the node loads ("Nudo", "Pu (Ton)", "Muz (To-m)"). Each shows the
// project's list plus one empty row at the end; typing into that row adds a load.
// Edits go through the document, one undo step each.
#pragma once

#include <QList>
#include <array>
#include <string>
#include <vector>

#include "core/modelo/acepta_cargas.h"
#include "core/modelo/proyecto.h"
#include "gui/documento/modelo_documento.h"

namespace trabelux {

class Documento;

class ModeloListaCargas : public ModeloDocumento {
    Q_OBJECT
  public:
    explicit ModeloListaCargas(Documento* doc, QObject* padre = nullptr);

    // Rows of the project's list (the grid shows one more, the row that adds).
    virtual int Cargas() const = 0;
    // Removes the given rows of the list (the adding row is ignored).
    void EliminaFilas(const QList<int>& filas);

    QVariant data(const QModelIndex& indice, int rol = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& indice, const QVariant& valor, int rol = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& indice) const override;
    QVariant headerData(int seccion, Qt::Orientation orientacion,
                        int rol = Qt::DisplayRole) const override;

  protected:
    // The text of a cell of list row `fila` (< Cargas()), and its value to edit.
    virtual QString Texto(int fila, int columna) const = 0;
    virtual QVariant Valor(int fila, int columna) const = 0;
    // Writes a cell into the project's list; `fila` == the list's size adds a row.
    virtual bool Escribe(Proyecto& p, int fila, int columna, double valor) const = 0;
    // Why a number typed into column 0 is not a span (node) of the beam, or "".
    virtual Estado VerificaNumero(const Proyecto& p, double numero) const = 0;
    virtual void Elimina(Proyecto& p, int fila) const = 0;
    virtual const char* Titulo(int columna) const = 0;
    // A heading's tooltip: what the column holds, its unit and the sign the analysis
    // takes it with.
    virtual const char* Ayuda(int columna) const = 0;

  private:
    int FilasDelProyecto() const override { return Cargas() + 1; }
};

// The grid of one list of loads, described by `Lista`: the list in the project, the
// whole number that places a load (span or node), its two values, and the titles.
template <class Lista>
class ModeloCargas final : public ModeloListaCargas {
  public:
    using ModeloListaCargas::ModeloListaCargas;
    int Cargas() const override;

  protected:
    QString Texto(int fila, int columna) const override;
    QVariant Valor(int fila, int columna) const override;
    bool Escribe(Proyecto& p, int fila, int columna, double valor) const override;
    void Elimina(Proyecto& p, int fila) const override;
    Estado VerificaNumero(const Proyecto& p, double numero) const override {
        return Lista::kVerifica(p, numero);
    }
    const char* Titulo(int columna) const override { return Lista::kTitulos[columna]; }
    const char* Ayuda(int columna) const override { return Lista::kAyudas[columna]; }
};

// Span loads: the span, the distance from its left end and the force.
struct ListaCargasVano {
    static constexpr auto kLista = &Proyecto::cargas;
    static constexpr auto kNumero = &CargaConcentrada::vano;
    static constexpr auto kPrimero = &CargaConcentrada::distancia;
    static constexpr auto kSegundo = &CargaConcentrada::carga;
    static constexpr auto kVerifica = &VerificaVanoDeCarga;
    static constexpr std::array<const char*, 3> kTitulos = {"Vano", "Distancia (m)", "Pu (Ton)"};
    static constexpr std::array<const char*, 3> kAyudas = {
        "Vano de la carga", "Distancia (m) desde el extremo izquierdo del vano",
        "Pu (Ton): positiva hacia abajo"};
};

// Node loads: the node, the force and the moment.
struct ListaCargasNudo {
    static constexpr auto kLista = &Proyecto::cargasNudo;
    static constexpr auto kNumero = &CargaNudo::nudo;
    static constexpr auto kPrimero = &CargaNudo::fuerza;
    static constexpr auto kSegundo = &CargaNudo::momento;
    static constexpr auto kVerifica = &VerificaNudoDeCarga;
    static constexpr std::array<const char*, 3> kTitulos = {"Nudo", "Pu (Ton)", "Muz (To-m)"};
    static constexpr std::array<const char*, 3> kAyudas = {
        "Nudo de la carga", "Pu (Ton): positiva hacia arriba",
        "Muz (To-m): positivo en sentido antihorario"};
};

// Both are instantiated once, in the models' source file.
extern template class ModeloCargas<ListaCargasVano>;
extern template class ModeloCargas<ListaCargasNudo>;
using ModeloCargasVano = ModeloCargas<ListaCargasVano>;
using ModeloCargasNudo = ModeloCargas<ListaCargasNudo>;

}  // namespace trabelux
