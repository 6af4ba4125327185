// The "Header/Footer" panel of the report window: the two multi-line texts of the page
// header and footer with the help on their "|" sections and "%d", and the names of who
// calculated and who checked the beam for the title block.
#pragma once

#include <QWidget>

class QLineEdit;
class QPlainTextEdit;

namespace trabelux {

class PanelEncabezado : public QWidget {
    Q_OBJECT
  public:
    explicit PanelEncabezado(QWidget* padre = nullptr);

    // Shows the project's texts; an empty header becomes the beam name at the left, an
    // empty footer the page number at the right.
    void Muestra(const QString& encabezado, const QString& pie, const QString& nombreViga,
                 const QString& calculo, const QString& reviso);
    QString Encabezado() const;
    QString Pie() const;
    QString Calculo() const;
    QString Reviso() const;

  signals:
    // The panel's button: store the texts and go back to the general set-up.
    void aceptado();

  private:
    QPlainTextEdit* encabezado_;
    QPlainTextEdit* pie_;
    QLineEdit* calculo_;
    QLineEdit* reviso_;
};

}  // namespace trabelux
