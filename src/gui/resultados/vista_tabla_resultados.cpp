// Results grid view with copying; see vista_tabla_resultados.h.
#include "resultados/vista_tabla_resultados.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <algorithm>
#include <map>

namespace trabelux {

QString TextoTabulado(const QAbstractItemModel& modelo, const QModelIndexList& seleccion) {
    if (seleccion.isEmpty()) return {};
    int fila0 = seleccion.front().row(), fila1 = fila0;
    int col0 = seleccion.front().column(), col1 = col0;
    std::map<std::pair<int, int>, QString> celdas;
    for (const QModelIndex& i : seleccion) {
        fila0 = std::min(fila0, i.row());
        fila1 = std::max(fila1, i.row());
        col0 = std::min(col0, i.column());
        col1 = std::max(col1, i.column());
        celdas[{i.row(), i.column()}] = modelo.data(i, Qt::DisplayRole).toString();
    }
    QString texto;
    for (int f = fila0; f <= fila1; ++f) {
        QStringList linea;
        for (int c = col0; c <= col1; ++c) {
            auto it = celdas.find({f, c});
            linea << (it == celdas.end() ? QString() : it->second);
        }
        texto += linea.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return texto;
}

VistaTablaResultados::VistaTablaResultados(QWidget* parent) : QTableView(parent) {
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setAlternatingRowColors(true);
    verticalHeader()->setVisible(false);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    horizontalHeader()->setMinimumSectionSize(40);
}

void VistaTablaResultados::CopiaSeleccion() {
    if (!model() || !selectionModel()) return;
    const QString texto = TextoTabulado(*model(), selectionModel()->selectedIndexes());
    if (!texto.isEmpty()) QApplication::clipboard()->setText(texto);
}

void VistaTablaResultados::keyPressEvent(QKeyEvent* evento) {
    if (evento->matches(QKeySequence::Copy)) {
        CopiaSeleccion();
        evento->accept();
        return;
    }
    QTableView::keyPressEvent(evento);
}

}  // namespace trabelux
