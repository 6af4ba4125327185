// A read-only grid of results: fixed captioned columns, each with its number format, rows
// replaced as a whole. The numbers are kept as the run stored them (single precision) and
// shown through the column's format.
#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <variant>
#include <vector>

namespace trabelux {

struct ColumnaResultados {
    QString titulo;
    QString formato;  // "0.000", "0.00", "0" ...; empty for a text column
};

using CeldaResultados = std::variant<double, QString>;
using FilaResultados = std::vector<CeldaResultados>;

class ModeloTablaResultados : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit ModeloTablaResultados(std::vector<ColumnaResultados> columnas,
                                   QObject* parent = nullptr);

    // Replaces every row; missing cells of a short row show empty.
    void Llena(std::vector<FilaResultados> filas);
    void Vacia();

    // The cell as shown (the report and the clipboard take this text).
    QString Texto(int fila, int columna) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

  private:
    std::vector<ColumnaResultados> columnas_;
    std::vector<FilaResultados> filas_;
};

}  // namespace trabelux
