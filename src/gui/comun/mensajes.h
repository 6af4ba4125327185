// The one place the desktop program talks to the user through message boxes and file
// dialogs. Tests switch it to a scripted mode: answers come from a queue and every box
// shown is recorded, so no window ever blocks a test.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>
#include <deque>
#include <vector>

class QWidget;

namespace trabelux {

enum class Respuesta { Ok, Cancelar, Si, No };

// Advertencia and Error are boxes with a single OK button, like Informacion, with the
// warning and the critical icon.
enum class TipoMensaje {
    Informacion,
    OkCancelar,
    SiNo,
    SiNoCancelar,
    Abrir,
    Guardar,
    Fuente,
    Color,
    Advertencia,
    Error
};

// A box or dialog as it was shown (scripted mode).
struct MensajeMostrado {
    TipoMensaje tipo;
    QString titulo;
    QString texto;         // lines joined by "\n"; for file dialogs the filter
    QString inicial = {};  // for file dialogs, the file or folder it opens at
};

class Mensajes {
  public:
    // Information box with a single OK button.
    static void Informa(QWidget* padre, const QString& texto, const QString& titulo = {});
    // The same with the warning icon: a value refused, a run stopped, a file partly read.
    static void Advierte(QWidget* padre, const QString& texto, const QString& titulo = {});
    // The same with the critical icon: a file that could not be read or written.
    static void Error(QWidget* padre, const QString& texto, const QString& titulo = {});
    // True when the user chose OK.
    static bool PreguntaOkCancelar(QWidget* padre, const QString& texto,
                                   const QString& titulo = {});
    // True when the user chose Yes.
    static bool PreguntaSiNo(QWidget* padre, const QString& texto, const QString& titulo = {});
    // Si, No or Cancelar (closing the box counts as Cancelar).
    static Respuesta PreguntaSiNoCancelar(QWidget* padre, const QString& texto,
                                          const QString& titulo = {});
    // File dialogs: the chosen path, or an empty string when cancelled.
    static QString PideArchivoAbrir(QWidget* padre, const QString& filtro, const QString& inicial);
    static QString PideArchivoGuardar(QWidget* padre, const QString& filtro,
                                      const QString& inicial);
    // Font and colour dialogs preset with `inicial`: true and `elegida` set when the user
    // chose one, false when cancelled.
    static bool PideFuente(QWidget* padre, const QFont& inicial, QFont& elegida);
    static bool PideColor(QWidget* padre, const QColor& inicial, QColor& elegido);

    // How many message boxes and questions were shown so far, scripted or not: a grid
    // tells by it that the value it handed over was refused.
    static int Mostradas();

    // Scripted mode. Questions take the next answer of the queue (an empty queue answers
    // Cancelar/No); file dialogs take the next path (empty queue: cancelled).
    static void IniciaGuion(std::deque<Respuesta> respuestas = {}, QStringList rutas = {});
    static void TerminaGuion();
    static bool EnGuion();
    static void AgregaRespuesta(Respuesta r);
    static void AgregaRuta(const QString& ruta);
    static void AgregaFuente(const QFont& f);
    static void AgregaColor(const QColor& c);
    static const std::vector<MensajeMostrado>& Mostrados();
    static void BorraMostrados();
};

}  // namespace trabelux
