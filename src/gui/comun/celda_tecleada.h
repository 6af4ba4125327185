// What a grid cell's editor hands its model, read as every grid of the program reads a
// typed number: the role and the cell checked, blanks around the text dropped, "." or ","
// as the decimal mark. Text that is no number is refused with the warning that says so;
// each model then applies only its own rule (not negative, finite, a whole number).
#pragma once

#include <QString>
#include <optional>

class QAbstractItemModel;
class QModelIndex;
class QVariant;

namespace trabelux {

struct CeldaTecleada {
    enum class Tipo {
        kRechazada,  // no edit of a valid cell, or no number (the user was told)
        kSinCambio,  // the text shown was handed back: the value stays as it is
        kNumero,
    };
    Tipo tipo = Tipo::kRechazada;
    QString texto;  // as typed, without blanks around it
    double numero = 0;
};

// `mostrado`: the cell's text as shown. Leaving a cell without typing hands it back, and
// must not round the stored value to its shown digits.
CeldaTecleada LeeCeldaTecleada(const QAbstractItemModel& modelo, const QModelIndex& indice,
                               const QVariant& valor, int rol,
                               const std::optional<QString>& mostrado = std::nullopt);

}  // namespace trabelux
