// The help window: the manual's contents, its keyword index and its full-text search on
// the left, the page on the right, all read from the help collection.
#pragma once

#include <QTextBrowser>
#include <QUrl>
#include <QWidget>

class QHelpEngine;
class QLineEdit;
class QTabWidget;

namespace trabelux {

// Shows the pages of the collection (qthelp:// addresses, their pictures and links).
class NavegadorAyuda : public QTextBrowser {
    Q_OBJECT
  public:
    NavegadorAyuda(QHelpEngine* motor, QWidget* padre = nullptr);
    QVariant loadResource(int tipo, const QUrl& url) override;

  signals:
    // A link to open a verification example: the example's file name, the page stays.
    void EjemploPedido(const QString& archivo);

  protected:
    void doSetSource(const QUrl& url, QTextDocument::ResourceType tipo) override;

  private:
    QHelpEngine* motor_;
};

class VentanaAyuda : public QWidget {
    Q_OBJECT
  public:
    // `motor` is set up and outlives the window.
    explicit VentanaAyuda(QHelpEngine* motor, QWidget* padre = nullptr);

    enum class Pestana { Contenido = 0, Indice = 1, Busqueda = 2 };

    void MuestraPestana(Pestana p);
    // The keyword index with an empty keyword, ready to type.
    void MuestraIndiceVacio();
    void MuestraPagina(const QUrl& url);
    QUrl PaginaActual() const;
    Pestana PestanaActual() const;
    // Runs a full-text search as if typed into the search tab.
    void Busca(const QString& texto);

  signals:
    void EjemploPedido(const QString& archivo);  // see NavegadorAyuda

  private:
    QHelpEngine* motor_;
    QTabWidget* pestanas_;
    QLineEdit* palabraClave_;
    NavegadorAyuda* navegador_;
};

}  // namespace trabelux
