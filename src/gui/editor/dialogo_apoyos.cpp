#include "gui/editor/dialogo_apoyos.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

#include "gui/comun/controles.h"
#include "gui/comun/rejilla_editable.h"
#include "gui/documento/documento.h"

namespace trabelux {

namespace {

// Edits a support's condition with a list of the two choices.
class DelegadoCondicion : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* padre, const QStyleOptionViewItem&,
                          const QModelIndex&) const override {
        auto* lista = new QComboBox(padre);
        lista->addItem(ModeloApoyos::TextoCondicion(0), 0);
        lista->addItem(ModeloApoyos::TextoCondicion(1), 1);
        // The choice is committed as soon as it is made, not when the cell is left.
        connect(lista, QOverload<int>::of(&QComboBox::activated), this, [this, lista] {
            auto* yo = const_cast<DelegadoCondicion*>(this);
            emit yo->commitData(lista);
        });
        return lista;
    }
    void setEditorData(QWidget* editor, const QModelIndex& indice) const override {
        auto* lista = static_cast<QComboBox*>(editor);
        lista->setCurrentIndex(indice.data(Qt::EditRole).toInt() > 0 ? 1 : 0);
    }
    void setModelData(QWidget* editor, QAbstractItemModel* modelo,
                      const QModelIndex& indice) const override {
        modelo->setData(indice, static_cast<QComboBox*>(editor)->currentData(), Qt::EditRole);
    }
};

}  // namespace

ModeloApoyos::ModeloApoyos(Documento* doc, QObject* padre)
    : ModeloDocumento(doc, 2, CambioFilas::kReinicia, padre) {}

int ModeloApoyos::FilasDelProyecto() const {
    return static_cast<int>(doc_->ProyectoActual().apoyosInteriores.size());
}

QString ModeloApoyos::TextoCondicion(int condicion) {
    return condicion > 0 ? QStringLiteral("Apoyado - 1") : QStringLiteral("No apoyado - 0");
}

QVariant ModeloApoyos::data(const QModelIndex& indice, int rol) const {
    if (!checkIndex(indice, CheckIndexOption::IndexIsValid)) return {};
    const int fila = indice.row();
    const int condicion = doc_->ProyectoActual().apoyosInteriores[fila] > 0 ? 1 : 0;
    switch (rol) {
        case Qt::DisplayRole:
            return indice.column() == 0 ? QVariant(fila + 2) : QVariant(TextoCondicion(condicion));
        case Qt::EditRole:
            return indice.column() == 0 ? fila + 2 : condicion;
        case Qt::TextAlignmentRole:
            return indice.column() == 0 ? int(Qt::AlignCenter)
                                        : int(Qt::AlignLeft | Qt::AlignVCenter);
        case Qt::ForegroundRole:
            // Rows kept after the span count was lowered do not count.
            if (fila >= doc_->ProyectoActual().numVanos - 1) return QColor(Qt::gray);
            return {};
        default:
            return {};
    }
}

bool ModeloApoyos::setData(const QModelIndex& indice, const QVariant& valor, int rol) {
    if (rol != Qt::EditRole || !checkIndex(indice, CheckIndexOption::IndexIsValid) ||
        indice.column() != 1)
        return false;
    int condicion;
    if (valor.toString() == TextoCondicion(1))
        condicion = 1;
    else if (valor.toString() == TextoCondicion(0))
        condicion = 0;
    else
        condicion = valor.toInt() > 0 ? 1 : 0;
    const int fila = indice.row();
    if (doc_->ProyectoActual().apoyosInteriores[fila] == condicion) return true;
    doc_->Modifica(tr("Condicion de apoyo"),
                   [fila, condicion](Proyecto& p) { p.apoyosInteriores[fila] = condicion; });
    return true;
}

Qt::ItemFlags ModeloApoyos::flags(const QModelIndex& indice) const {
    if (!checkIndex(indice, CheckIndexOption::IndexIsValid)) return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    if (indice.column() == 1) f |= Qt::ItemIsEditable;
    return f;
}

QVariant ModeloApoyos::headerData(int seccion, Qt::Orientation orientacion, int rol) const {
    if (rol != Qt::DisplayRole || orientacion != Qt::Horizontal)
        return QAbstractTableModel::headerData(seccion, orientacion, rol);
    return seccion == 0 ? QStringLiteral("Apoyo") : QStringLiteral("Condicion de apoyo");
}

DialogoApoyos::DialogoApoyos(Documento* doc, QWidget* padre) : QDialog(padre) {
    setObjectName(QStringLiteral("CondApoy"));
    setWindowTitle(QStringLiteral("Condiciones de apoyos intermedios"));
    modelo_ = new ModeloApoyos(doc, this);
    rejilla_ = new RejillaEditable("SSDBGrid1");
    rejilla_->setModel(modelo_);
    rejilla_->setItemDelegateForColumn(1, new DelegadoCondicion(rejilla_));
    // The choice drops down as soon as a cell becomes current.
    rejilla_->setEditTriggers(rejilla_->editTriggers() | QAbstractItemView::CurrentChanged);
    rejilla_->setSelectionMode(QAbstractItemView::SingleSelection);
    rejilla_->verticalHeader()->hide();
    rejilla_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    rejilla_->horizontalHeader()->setStretchLastSection(true);
    auto* ok = Boton("Command1", QStringLiteral("OK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* capa = new QVBoxLayout(this);
    capa->addWidget(rejilla_);
    capa->addLayout(FilaBotones({ok}));
    resize(330, 360);
}

void DialogoApoyos::Muestra() {
    if (modelo_->rowCount() > 0) rejilla_->setCurrentIndex(modelo_->index(0, 1));
    open();
}

}  // namespace trabelux
