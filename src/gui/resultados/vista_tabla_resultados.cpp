// Results grid view with copying; see vista_tabla_resultados.h.
#include "gui/resultados/vista_tabla_resultados.h"

#include <QApplication>
#include <QClipboard>
#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <QStyle>
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
    // The column headings first, so the numbers keep their meaning in a spreadsheet.
    QStringList encabezados;
    for (int c = col0; c <= col1; ++c)
        encabezados << modelo.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
    QString texto = encabezados.join(QLatin1Char('\t')) + QLatin1Char('\n');
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

int AltoEncabezado(const QFontMetrics& fm, const QStringList& titulos,
                   const std::vector<int>& anchos, int margen, int altoUnaLinea) {
    int extra = 0;
    for (int i = 0; i < titulos.size(); ++i) {
        const size_t k = static_cast<size_t>(i);
        if (k >= anchos.size()) break;
        const int ancho = std::max(1, anchos[k] - margen);
        const QRect r = fm.boundingRect(QRect(0, 0, ancho, 100000),
                                        Qt::AlignCenter | Qt::TextWordWrap, titulos[i]);
        extra = std::max(extra, r.height() - fm.height());
    }
    return altoUnaLinea + extra;
}

VistaTablaResultados::VistaTablaResultados(QWidget* parent) : QTableView(parent) {
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setAlternatingRowColors(true);
    verticalHeader()->setVisible(false);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    horizontalHeader()->setMinimumSectionSize(40);
    // Narrow columns ("Area Ref Superior" beside three others) break their captions at the
    // spaces; AjustaEncabezado makes the caption row tall enough for them.
    horizontalHeader()->setDefaultAlignment(Qt::Alignment(Qt::AlignCenter | Qt::TextWordWrap));
    connect(horizontalHeader(), &QHeaderView::sectionResized, this,
            &VistaTablaResultados::AjustaEncabezado);
}

void VistaTablaResultados::setModel(QAbstractItemModel* modelo) {
    QTableView::setModel(modelo);
    AjustaEncabezado();
}

void VistaTablaResultados::resizeEvent(QResizeEvent* evento) {
    QTableView::resizeEvent(evento);
    AjustaEncabezado();
}

void VistaTablaResultados::AjustaEncabezado() {
    QHeaderView* h = horizontalHeader();
    if (!model()) return;
    QStringList titulos;
    std::vector<int> anchos;
    for (int c = 0; c < h->count(); ++c) {
        titulos << model()->headerData(c, Qt::Horizontal).toString();
        anchos.push_back(h->sectionSize(c));
    }
    // The style's padding on both sides of the caption, and a pixel each for the grid lines.
    const int margen = 2 * style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, h) + 2;
    const int alto =
        AltoEncabezado(h->fontMetrics(), titulos, anchos, margen, h->sizeHint().height());
    if (alto == h->minimumHeight()) return;
    h->setMinimumHeight(alto);
    updateGeometries();
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
