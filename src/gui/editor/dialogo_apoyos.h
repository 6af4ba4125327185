// `DialogoApoyos`: whether each interior support restrains the beam vertically
// ("No apoyado - 0" / "Apoyado - 1"), one grid row per interior support.
#pragma once

#include <QDialog>

#include "gui/documento/modelo_documento.h"

class QTableView;

namespace trabelux {

class Documento;

// The interior-support grid's model: column 0 the support number, column 1 the choice.
class ModeloApoyos : public ModeloDocumento {
    Q_OBJECT
  public:
    explicit ModeloApoyos(Documento* doc, QObject* padre = nullptr);

    static QString TextoCondicion(int condicion);

    QVariant data(const QModelIndex& indice, int rol = Qt::DisplayRole) const override;
    // Takes 0/1 or the choice's text.
    bool setData(const QModelIndex& indice, const QVariant& valor, int rol = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& indice) const override;
    QVariant headerData(int seccion, Qt::Orientation orientacion,
                        int rol = Qt::DisplayRole) const override;

  private:
    int FilasDelProyecto() const override;
};

class DialogoApoyos : public QDialog {
    Q_OBJECT
  public:
    DialogoApoyos(Documento* doc, QWidget* padre = nullptr);
    // Shows the dialog window-modal and returns at once.
    void Muestra();
    ModeloApoyos* Modelo() const { return modelo_; }

  private:
    ModeloApoyos* modelo_;
    QTableView* rejilla_;
};

}  // namespace trabelux
