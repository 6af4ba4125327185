// The detailing grid's model: the document's table of bars as twelve columns, "Dib" as a
// check, span rows tinted, and a last read-only column "Provisto/Requerido" (red under 1);
// a count whose group does not fit across the web is red with the reason as its tooltip.
// Every edit is an undo step of the document.
#pragma once

#include <QAbstractTableModel>
#include <QColor>

namespace trabelux {

class Documento;

// The rows of spans stand out from those of supports.
inline const QColor kColorVano{255, 248, 200};

class ModeloDetallado : public QAbstractTableModel {
    Q_OBJECT
  public:
    // The group caption over a column ("Refuerzo inferior", ...), from headerData.
    static constexpr int kRolGrupo = Qt::UserRole + 1;
    // The column after the table's: provided over required steel of the row.
    static constexpr int kColProvisto = 12;

    explicit ModeloDetallado(Documento* doc, QObject* padre = nullptr);

    // Reads the document's table again (rows may have come or gone).
    void Refresca();

    int rowCount(const QModelIndex& padre = {}) const override;
    int columnCount(const QModelIndex& padre = {}) const override;
    QVariant data(const QModelIndex& indice, int rol) const override;
    bool setData(const QModelIndex& indice, const QVariant& valor, int rol) override;
    Qt::ItemFlags flags(const QModelIndex& indice) const override;
    QVariant headerData(int seccion, Qt::Orientation o, int rol) const override;

  private:
    Documento* doc_;
    int filas_ = 0;  // rows the views know of
};

}  // namespace trabelux
