#include "gui/dialogos/datos_generales/campos_datos_generales.h"

#include <QTimer>

#include "core/modelo/rango.h"
#include "core/modelo/reglas_datos_generales.h"
#include "core/texto/numeros.h"
#include "gui/comun/campo_texto.h"
#include "gui/comun/mensajes.h"
#include "gui/documento/documento.h"

namespace trabelux {

namespace {

constexpr int kFusionCampos = 300;

}  // namespace

void CambiaDatosGenerales(Documento& doc, const QString& texto,
                          const std::function<void(DatosGenerales&)>& cambio, int idFusion) {
    doc.Modifica(
        texto, [&cambio](Proyecto& p) { cambio(p.datos); }, Documento::kTodasLasFilas, idFusion);
}

CamposDatosGenerales::CamposDatosGenerales(Documento* doc, QWidget* dialogo)
    : QObject(dialogo), doc_(doc), dialogo_(dialogo) {}

const DatosGenerales& CamposDatosGenerales::Datos() const { return doc_->ProyectoActual().datos; }

CampoTexto* CamposDatosGenerales::Crea(const char* nombre, Miembro miembro, const char* deQue,
                                       const QString& ayuda) {
    auto* c = new CampoTexto(nombre);
    c->setAlignment(Qt::AlignRight);
    c->setMaximumWidth(110);
    if (!ayuda.isEmpty()) c->setToolTip(ayuda);
    campos_.push_back({miembro, c, deQue});
    connect(c, &QLineEdit::textEdited, this,
            [this, miembro](const QString& t) { Escribe(miembro, t); });
    connect(c, &QLineEdit::editingFinished, this, &CamposDatosGenerales::VerificaTecleo);
    return c;
}

CampoTexto* CamposDatosGenerales::CampoDe(Miembro miembro) const {
    for (const auto& c : campos_)
        if (c.miembro == miembro) return c.campo;
    return nullptr;
}

int CamposDatosGenerales::IdFusion(Miembro miembro) const {
    int id = kFusionCampos;
    for (const auto& c : campos_) {
        if (c.miembro == miembro) break;
        ++id;
    }
    return id;
}

void CamposDatosGenerales::Refresca() {
    const DatosGenerales& d = Datos();
    for (const auto& c : campos_) {
        const QString t = QString::fromStdString(d.*c.miembro);
        if (c.campo->text() != t) c.campo->setText(t);
    }
}

void CamposDatosGenerales::Escribe(Miembro miembro, const QString& texto) {
    const std::string t = texto.toStdString();
    if (tecleado_ != miembro) {
        tecleado_ = miembro;
        antesDelTecleo_ = Datos();
    }
    CambiaDatosGenerales(
        *doc_, tr("Datos generales"),
        [miembro, &t](DatosGenerales& d) {
            // The modulus follows every change of F'c.
            if (miembro == &DatosGenerales::fc)
                CambiaFc(d, t);
            else
                d.*miembro = t;
        },
        IdFusion(miembro));
}

bool CamposDatosGenerales::VerificaTecleo() {
    const auto miembro = tecleado_;
    if (!miembro) return true;
    tecleado_ = nullptr;
    const std::string texto = Datos().*miembro;
    const std::optional<std::string> normal = TextoNumeroTecleado(texto);
    std::string error;
    if (!normal) {
        error = MensajeNoEsNumero(texto);
    } else {
        const double valor = LeeNumeroTecleado(*normal).value_or(0);
        for (const auto& c : campos_)
            if (c.miembro == miembro && !EnRango(valor))
                error = MensajeFueraDeRango(valor, c.deQue);
        // A share of the live load: the project file reads it back only within 0..100.
        if (miembro == &DatosGenerales::vivaSostenida && (valor < 0 || valor > 100))
            error = "La carga viva sostenida debe estar entre 0 y 100 %";
    }
    if (error.empty()) {
        // Kept normalised ("1,5" -> "1.5"); F'c's modulus is worked out again from it.
        if (*normal != texto)
            CambiaDatosGenerales(
                *doc_, tr("Datos generales"),
                [miembro, &normal](DatosGenerales& d) {
                    if (miembro == &DatosGenerales::fc)
                        CambiaFc(d, *normal);
                    else
                        d.*miembro = *normal;
                },
                IdFusion(miembro));
        return true;
    }
    // Back to the value before the typing, in the same undo step as the keystrokes.
    const DatosGenerales antes = antesDelTecleo_;
    CambiaDatosGenerales(
        *doc_, tr("Datos generales"),
        [miembro, &antes](DatosGenerales& d) {
            d.*miembro = antes.*miembro;
            d.moduloE = antes.moduloE;
        },
        IdFusion(miembro));
    Mensajes::Advierte(dialogo_, QString::fromStdString(error));
    // Cleared once the box is gone and the event that left the field has been handled.
    recienRechazado_ = true;
    QTimer::singleShot(0, this, [this] { recienRechazado_ = false; });
    CampoTexto* campo = CampoDe(miembro);
    campo->setFocus();
    campo->selectAll();
    return false;
}

}  // namespace trabelux
