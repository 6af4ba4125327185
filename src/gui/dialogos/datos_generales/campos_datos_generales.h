// The text fields of the general-data dialog and its panels. Each shows one text of the
// project's general data and writes every keystroke into the document at once; what was
// typed is checked when the field is left, or at an "OK".
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "core/modelo/proyecto.h"

class QWidget;

namespace trabelux {

class CampoTexto;
class Documento;

// One undoable change of the general data; edits with the same non-negative `idFusion`
// in a row are one undo step.
void CambiaDatosGenerales(Documento& doc, const QString& texto,
                          const std::function<void(DatosGenerales&)>& cambio, int idFusion = -1);

class CamposDatosGenerales : public QObject {
    Q_OBJECT
  public:
    using Miembro = std::string DatosGenerales::*;

    // `dialogo` owns this object and shows its messages.
    CamposDatosGenerales(Documento* doc, QWidget* dialogo);

    // The field `nombre` showing `miembro`; `deQue` names the value in messages
    // ("de la altura").
    CampoTexto* Crea(const char* nombre, Miembro miembro, const char* deQue,
                     const QString& ayuda = {});
    CampoTexto* CampoDe(Miembro miembro) const;
    // Every field shows the project's text.
    void Refresca();
    // The field being typed in, once left or at an "OK": a number is kept normalised
    // ("1,5" -> "1.5"); text that is no number or a value out of range is refused with a
    // message and the field goes back to its value before the typing. False when refused.
    bool VerificaTecleo();
    // A refusal was just made: the same Return or click that left the field must not
    // close anything.
    bool RecienRechazado() const { return recienRechazado_; }
    // What is being typed is dropped unchecked (the dialog is cancelled or shown afresh).
    void OlvidaTecleo() { tecleado_ = nullptr; }

  private:
    struct Campo {
        Miembro miembro;
        CampoTexto* campo;
        const char* deQue;
    };
    void Escribe(Miembro miembro, const QString& texto);
    // Undo merge id of a field: consecutive keystrokes in one field are one step.
    int IdFusion(Miembro miembro) const;
    const DatosGenerales& Datos() const;

    Documento* doc_;
    QWidget* dialogo_;
    std::vector<Campo> campos_;
    // The field typed in and not yet checked, with the data before its first keystroke.
    Miembro tecleado_ = nullptr;
    DatosGenerales antesDelTecleo_;
    bool recienRechazado_ = false;
};

}  // namespace trabelux
