#include "gui/editor/modelo_vanos.h"

#include <QColor>

#include "core/modelo/operaciones_vanos.h"
#include "core/modelo/rango.h"
#include "core/texto/numeros.h"
#include "gui/comun/celda_tecleada.h"
#include "gui/comun/mensajes.h"
#include "gui/documento/documento.h"

namespace trabelux {

namespace {

const char* const kFormatos[kNumColumnasVano] = {"",      "0.000", "0.0",   "0.0",  "0.000000",
                                                 "0.000", "0.000", "0.000", "0.000"};

QString Formato(double v, int col) { return QString::fromStdString(Formatea(v, kFormatos[col])); }

QString Formato(const std::optional<double>& v, int col) {
    return v ? Formato(*v, col) : QString();
}

}  // namespace

ModeloVanos::ModeloVanos(Documento* doc, QObject* padre)
    : ModeloDocumento(doc, kNumColumnasVano, CambioFilas::kReinicia, padre) {}

int ModeloVanos::FilasDelProyecto() const {
    return static_cast<int>(doc_->ProyectoActual().vanos.size());
}

bool ModeloVanos::ColumnaBloqueada(int columna) const {
    return ColumnaCalculada(doc_->ProyectoActual(), columna);
}

QString ModeloVanos::AyudaColumna(int columna) const {
    const bool losas = UsaLosas(doc_->ProyectoActual());
    const QString deLosas = QStringLiteral("\nCalculada a partir del archivo de losas");
    switch (columna) {
        case kColVano:
            return QStringLiteral("Numero del vano");
        case kColLong:
            return QStringLiteral("Longitud del vano (m)");
        case kColBase:
            return QStringLiteral("Base de la seccion (cm)");
        case kColAltura:
            return QStringLiteral("Altura de la seccion (cm)");
        case kColInercia:
            return QStringLiteral("Momento de inercia (m4)");
        case kColPesoPropio:
            return QStringLiteral("Peso propio (To/m), positivo hacia abajo");
        case kColMuerta:
            return QStringLiteral("Carga muerta (To/m), positiva hacia abajo") +
                   (losas ? deLosas : QString());
        case kColViva:
            return QStringLiteral("Carga viva (To/m), positiva hacia abajo") +
                   (losas ? deLosas : QString());
        case kColUltima:
            return QStringLiteral("Carga de calculo (To/m), positiva hacia abajo");
    }
    return {};
}

QString ModeloVanos::TextoCelda(int fila, int col) const {
    const auto& vanos = doc_->ProyectoActual().vanos;
    if (fila < 0 || fila >= static_cast<int>(vanos.size())) return {};
    const Vano& v = vanos[fila];
    switch (col) {
        case kColVano:
            return QString::number(fila + 1);
        case kColLong:
            return Formato(v.longitud, col);
        case kColBase:
        case kColAltura: {
            // A rolled shape's section, converted from inches, shows three decimals.
            const Proyecto& p = doc_->ProyectoActual();
            const double valor = col == kColBase ? v.base : v.altura;
            if (p.datos.material == Material::kAcero && p.perfil)
                return QString::fromStdString(Formatea(valor, "0.000"));
            return Formato(valor, col);
        }
        case kColInercia:
            return Formato(v.inercia, col);
        case kColPesoPropio:
            return Formato(v.pesoPropio, col);
        case kColMuerta:
            return Formato(v.cargaMuerta, col);
        case kColViva:
            return Formato(v.cargaViva, col);
        case kColUltima:
            return Formato(v.cargaUltima, col);
    }
    return {};
}

QVariant ModeloVanos::data(const QModelIndex& indice, int rol) const {
    if (!indice.isValid() || !checkIndex(indice, CheckIndexOption::IndexIsValid)) return {};
    const int fila = indice.row(), col = indice.column();
    switch (rol) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            return TextoCelda(fila, col);
        case Qt::TextAlignmentRole:
            return col == kColVano ? int(Qt::AlignCenter) : int(Qt::AlignRight | Qt::AlignVCenter);
        case Qt::ToolTipRole:
            if ((col == kColMuerta || col == kColViva) && UsaLosas(doc_->ProyectoActual()))
                return AyudaColumna(col);
            return {};
        case Qt::BackgroundRole:
            if (col != kColVano && ColumnaBloqueada(col)) return QColor(QRgb(kGrisCalculado));
            return {};
        case Qt::ForegroundRole:
            // Rows kept beyond the span count are not part of the beam.
            if (fila >= doc_->ProyectoActual().numVanos) return QColor(Qt::gray);
            return {};
        default:
            return {};
    }
}

bool ModeloVanos::setData(const QModelIndex& indice, const QVariant& valor, int rol) {
    const int fila = indice.row(), col = indice.column();
    if (col == kColVano || ColumnaBloqueada(col)) return false;
    const CeldaTecleada celda = LeeCeldaTecleada(*this, indice, valor, rol, TextoCelda(fila, col));
    if (celda.tipo != CeldaTecleada::Tipo::kNumero)
        return celda.tipo == CeldaTecleada::Tipo::kSinCambio;
    const double numero = celda.numero;
    if (numero < 0) {
        Mensajes::Advierte(nullptr, QStringLiteral("No se admiten valores negativos"));
        return false;
    }
    if (!EnRango(numero)) {
        Mensajes::Advierte(nullptr, QString::fromStdString(MensajeFueraDeRango(
                                        numero, NombreValorVano(col - kColLong, fila + 1))));
        return false;
    }
    const bool vacio = celda.texto.isEmpty();
    doc_->Modifica(
        tr("Editar celda"),
        [=](Proyecto& p) {
            Vano& v = p.vanos[fila];
            switch (col) {
                case kColLong:
                    v.longitud = numero;
                    break;
                case kColBase:
                    v.base = numero;
                    break;
                case kColAltura:
                    v.altura = numero;
                    break;
                case kColInercia:
                    v.inercia = numero;
                    break;
                case kColPesoPropio:
                    v.pesoPropio = vacio ? std::nullopt : std::optional<double>(numero);
                    break;
                case kColMuerta:
                    v.cargaMuerta = vacio ? std::nullopt : std::optional<double>(numero);
                    break;
                case kColViva:
                    v.cargaViva = vacio ? std::nullopt : std::optional<double>(numero);
                    break;
            }
        },
        fila);
    return true;
}

Qt::ItemFlags ModeloVanos::flags(const QModelIndex& indice) const {
    if (!indice.isValid() || !checkIndex(indice, CheckIndexOption::IndexIsValid))
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    if (!ColumnaBloqueada(indice.column())) f |= Qt::ItemIsEditable;
    return f;
}

QVariant ModeloVanos::headerData(int seccion, Qt::Orientation orientacion, int rol) const {
    if (rol == Qt::ToolTipRole && orientacion == Qt::Horizontal) return AyudaColumna(seccion);
    // The row headers are blank: the span number is in the first column already.
    if (orientacion == Qt::Vertical)
        return rol == Qt::ToolTipRole ? QVariant(QStringLiteral("Vano %1").arg(seccion + 1))
                                      : QVariant();
    if (rol != Qt::DisplayRole) return QAbstractTableModel::headerData(seccion, orientacion, rol);
    const DatosGenerales& d = doc_->ProyectoActual().datos;
    const bool hormigon = d.material == Material::kHormigon;
    switch (seccion) {
        case kColVano:
            return QStringLiteral("Vano");
        case kColLong:
            return QStringLiteral("Long");
        case kColBase:
            return QStringLiteral("Base");
        case kColAltura:
            return QStringLiteral("Altura");
        case kColInercia:
            return QStringLiteral("Inercia");
        case kColPesoPropio:
            return QStringLiteral("P. Propio");
        case kColMuerta:
            if (!d.usaCargaTotal) return QStringLiteral("C. muerta");
            return hormigon ? QStringLiteral("C.U. total") : QStringLiteral("C. total");
        case kColViva:
            return QStringLiteral("C. Viva");
        case kColUltima:
            return hormigon ? QStringLiteral("W. Ultima") : QStringLiteral("W. Total");
    }
    return {};
}

}  // namespace trabelux
