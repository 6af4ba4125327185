// The program's help: opens the help window on the contents, on the keyword index or on a
// window's page (F1), from the help collection shipped with the program. A missing
// collection answers "Archivo Help no encontrado."; a failing help engine shows its error.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <memory>

#include "gui/ayuda/ventana_ayuda.h"

class QHelpEngine;
class QWidget;

namespace trabelux {

class Ayuda : public QObject {
    Q_OBJECT
  public:
    // `coleccion`: the help collection (.qhc) with its compressed help (.qch) beside it.
    // `marco`: the window the help window belongs to when no dialog is open.
    explicit Ayuda(QString coleccion = RutaColeccionPrograma(), QWidget* marco = nullptr);
    ~Ayuda() override;

    // trabelux.qhc beside the executable or in the installed data folder.
    static QString RutaColeccionPrograma();

    // Another collection (forgets the one set up so far).
    void FijaColeccion(const QString& coleccion);
    const QString& Coleccion() const { return coleccion_; }

    // "&Contenido" and "&Busqueda".
    void Contenido();
    void Busqueda();
    // The page of the manual (relative to its folder, such as "datos-generales.html").
    void AbrePagina(const QString& pagina);
    // The chapter of the verification examples ("Ejemplos de verificación").
    void EjemplosDeVerificacion();
    // The project file of a verification example shipped with the program.
    static QString RutaEjemplo(const QString& archivo);
    // F1 in `w`: the page of the nearest window or dialog around it that has one.
    void AyudaContextual(QWidget* w);

    // The help window once opened (tests), and the engine once set up.
    VentanaAyuda* Ventana() const { return ventana_; }
    QHelpEngine* Motor() const { return motor_.get(); }
    // Sets the engine up; on failure shows the reason and returns false.
    bool Prepara();

  signals:
    // A verification page asked to open its example (RutaEjemplo) as a project.
    void AbreEjemplo(const QString& ruta);

  protected:
    // F1 anywhere in the program.
    bool eventFilter(QObject* objeto, QEvent* evento) override;

  private:
    VentanaAyuda* MuestraVentana();

    QString coleccion_;
    QWidget* marco_;
    std::unique_ptr<QHelpEngine> motor_;
    QPointer<VentanaAyuda> ventana_;
    bool ventanaCreada_ = false;
};

}  // namespace trabelux
