#include "gui/comun/latin1.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStatusTipEvent>
#include <QValidator>

#include "core/texto/codificacion.h"

namespace trabelux {

namespace {

QString Ajusta(const QString& texto) {
    return QString::fromStdString(AjustaALatin1(texto.toStdString()));
}

// "Reemplazado para el archivo del proyecto: «—» por «-», «…» por «...»".
QString Nota(const QString& texto) {
    QStringList cambios;
    for (char32_t cp : texto.toUcs4()) {
        if (cp <= 0xFF) continue;
        const QString original = QString::fromUcs4(&cp, 1);
        const QString cambio =
            QStringLiteral("\u00AB%1\u00BB por \u00AB%2\u00BB").arg(original, Ajusta(original));
        if (!cambios.contains(cambio)) cambios << cambio;
    }
    return QStringLiteral("Reemplazado para el archivo del proyecto: ") +
           cambios.join(QStringLiteral(", "));
}

// The note goes up to the frame's status bar. A status tip stops at its window, so a
// dialog's field hands it to the window the dialog belongs to.
void Avisa(QWidget* campo, const QString& nota) {
    QWidget* ventana = campo->window();
    QStatusTipEvent e(nota);
    QCoreApplication::sendEvent(ventana->parentWidget() ? ventana->parentWidget() : campo, &e);
}

// Accepts every text, once adjusted.
class ValidadorLatin1 : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& texto, int& pos) const override {
        const QString ajustado = Ajusta(texto);
        if (ajustado == texto) return Acceptable;
        const QString nota = Nota(texto);
        pos = static_cast<int>(Ajusta(texto.left(pos)).size());
        texto = ajustado;
        if (auto* campo = qobject_cast<QWidget*>(parent())) Avisa(campo, nota);
        return Acceptable;
    }
};

}  // namespace

void LimitaALatin1(QLineEdit* campo) { campo->setValidator(new ValidadorLatin1(campo)); }

void LimitaALatin1(QPlainTextEdit* campo) {
    // The replacement changes the text again; that change finds nothing more to replace.
    QObject::connect(campo, &QPlainTextEdit::textChanged, campo, [campo] {
        const QString texto = campo->toPlainText();
        if (Ajusta(texto) == texto) return;
        QTextCursor cursor(campo->document());
        cursor.beginEditBlock();
        // From the end, so the positions still to visit do not move.
        for (int i = static_cast<int>(texto.size()) - 1; i >= 0; --i) {
            int largo = 1;
            if (texto[i].isLowSurrogate() && i > 0 && texto[i - 1].isHighSurrogate()) {
                --i;
                largo = 2;
            }
            const QString original = texto.mid(i, largo);
            if (largo == 1 && original[0].unicode() <= 0xFF) continue;
            cursor.setPosition(i);
            cursor.setPosition(i + largo, QTextCursor::KeepAnchor);
            cursor.insertText(Ajusta(original));
        }
        cursor.endEditBlock();
        Avisa(campo, Nota(texto));
    });
}

}  // namespace trabelux
