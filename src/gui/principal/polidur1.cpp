// The main window's controls, how they follow the project, and the grid's own gestures.
#include "gui/principal/polidur1.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/modelo/operaciones.h"
#include "core/texto/numeros.h"
#include "gui/comun/latin1.h"
#include "gui/comun/mensajes.h"
#include "gui/dialogos/cond_apoy.h"
#include "gui/dialogos/num_vanos.h"
#include "gui/dialogos/progre.h"
#include "gui/documento/documento.h"
#include "gui/principal/dibujo_viga.h"
#include "gui/principal/modelo_vanos.h"
#include "gui/principal/tabla_vanos.h"
#include "io/datos_programa.h"

namespace trabelux {

namespace {

// The span-count label: a click opens the span-count dialog.
class EtiquetaPulsable : public QLabel {
  public:
    using QLabel::QLabel;
    std::function<void()> alPulsar;

  protected:
    void mouseReleaseEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()) && alPulsar)
            alPulsar();
        QLabel::mouseReleaseEvent(e);
    }
};

QLabel* Etiqueta(const char* nombre, const QString& texto) {
    auto* l = new QLabel(texto);
    l->setObjectName(QLatin1String(nombre));
    return l;
}

QComboBox* ListaExtremo(const char* nombre) {
    auto* c = new QComboBox;
    c->setObjectName(QLatin1String(nombre));
    c->addItems(
        {QStringLiteral("Apoyado"), QStringLiteral("Empotrado"), QStringLiteral("No-apoyado")});
    return c;
}

}  // namespace

// The application's focus signal fires while child widgets are destroyed: it must not
// reach this window once its own destructor has begun.
Polidur1::~Polidur1() { disconnect(qApp, nullptr, this, nullptr); }

Polidur1::Polidur1(Documento* doc, QWidget* padre)
    : QWidget(padre), doc_(doc), rutaPerfiles_(RutaTablaPerfiles()) {
    setObjectName(QStringLiteral("Polidur1"));
    setWindowTitle(QStringLiteral("Trabelux"));
    enCarga_ = true;
    CreaControles();
    numVanos_ = new NumVanos(doc_, this);
    numVanos_->setWindowFlag(Qt::Dialog);
    condApoy_ = new CondApoy(doc_, this);
    condApoy_->setWindowFlag(Qt::Dialog);
    connect(condApoy_, &QDialog::finished, this, &Polidur1::Actualiza);
    progre_ = new Progre(this);
    recarga_ = new Recarga(this);

    AdjuntaDialogos();

    connect(doc_, &Documento::cambiado, this, &Polidur1::AlCambiarDocumento);
    AlCambiarDocumento();
    enCarga_ = false;
}

void Polidur1::CreaControles() {
    // Top row: beam name (or the notice of a running analysis), span count, slab file.
    etiquetaViga_ = Etiqueta("Label19", QStringLiteral("Viga "));
    nombreViga_ = new QLineEdit;
    nombreViga_->setObjectName(QStringLiteral("Text7"));
    nombreViga_->setMaximumWidth(140);
    LimitaALatin1(nombreViga_);
    calculando_ = Etiqueta("Label4", QStringLiteral("C A L C U L A N D O . . ."));
    calculando_->setStyleSheet(QStringLiteral("color: rgb(192,0,0); font-weight: bold;"));
    calculando_->hide();
    auto* etiquetaVanos = Etiqueta("Label1", QStringLiteral("Numero de Vanos"));
    auto* pulsable = new EtiquetaPulsable;
    pulsable->setObjectName(QStringLiteral("Label10"));
    pulsable->setToolTip(QStringLiteral("Click para cambiar"));
    pulsable->setFrameShape(QFrame::Panel);
    pulsable->setFrameShadow(QFrame::Sunken);
    pulsable->setAlignment(Qt::AlignCenter);
    pulsable->setMinimumWidth(40);
    pulsable->setCursor(Qt::PointingHandCursor);
    pulsable->alPulsar = [this] {
        if (!enCalculo_) numVanos_->Muestra();
    };
    numVanosEtiqueta_ = pulsable;
    auto* etiquetaLosas = Etiqueta("Label18", QStringLiteral("Archivo de losas"));
    rutaLosas_ = Etiqueta("Label17", QString());
    rutaLosas_->setFrameShape(QFrame::Panel);
    rutaLosas_->setFrameShadow(QFrame::Sunken);
    rutaLosas_->setMinimumWidth(120);
    rutaLosas_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    rutaLosas_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* botonLosas = new QPushButton(QStringLiteral("..."));
    botonLosas->setObjectName(QStringLiteral("SSCommand2"));
    botonLosas->setFixedWidth(32);
    connect(botonLosas, &QPushButton::clicked, this, &Polidur1::ArchivoLosas);

    auto* arriba = new QHBoxLayout;
    arriba->addWidget(etiquetaViga_);
    arriba->addWidget(nombreViga_);
    arriba->addWidget(calculando_);
    arriba->addSpacing(24);
    arriba->addWidget(etiquetaVanos);
    arriba->addWidget(numVanosEtiqueta_);
    arriba->addSpacing(24);
    arriba->addWidget(etiquetaLosas);
    arriba->addWidget(rutaLosas_, 1);
    arriba->addWidget(botonLosas);

    // The span grid.
    marcoVanos_ = new QGroupBox(QStringLiteral("Descripcion de vanos"));
    marcoVanos_->setObjectName(QStringLiteral("Frame2"));
    tabla_ = new TablaVanos;
    modelo_ = new ModeloVanos(doc_, this);
    tabla_->setModel(modelo_);
    auto* capaVanos = new QVBoxLayout(marcoVanos_);
    capaVanos->setContentsMargins(6, 6, 6, 6);
    capaVanos->addWidget(tabla_);
    connect(tabla_, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex& i) { AbrePanelLongitud(i.row()); });
    connect(tabla_, &TablaVanos::eliminarFilas, this, &Polidur1::EliminaFilas);
    connect(tabla_->horizontalHeader(), &QHeaderView::sectionClicked, this,
            &Polidur1::PreguntaReemplazarColumna);

    // End supports and the interior-support button.
    marcoApoyos_ = new QGroupBox(QStringLiteral("Condiciones de apoyos"));
    marcoApoyos_->setObjectName(QStringLiteral("Frame1"));
    apoyoIzq_ = ListaExtremo("Combo1");
    apoyoDer_ = ListaExtremo("Combo2");
    auto* botonInteriores = new QPushButton(QStringLiteral("..."));
    botonInteriores->setObjectName(QStringLiteral("SSCommand1"));
    botonInteriores->setFixedWidth(32);
    auto* actualiza = new QPushButton(QStringLiteral("Actualiza"));
    actualiza->setObjectName(QStringLiteral("Command3"));
    auto* capaApoyos = new QGridLayout(marcoApoyos_);
    capaApoyos->addWidget(Etiqueta("Label2", QStringLiteral("Apoyo izquierdo")), 0, 0, 1, 2);
    capaApoyos->addWidget(apoyoIzq_, 1, 0, 1, 2);
    capaApoyos->addWidget(Etiqueta("Label3", QStringLiteral("Apoyo derecho")), 2, 0, 1, 2);
    capaApoyos->addWidget(apoyoDer_, 3, 0, 1, 2);
    capaApoyos->addWidget(Etiqueta("Label25", QStringLiteral("Apoyos Interiores")), 4, 0);
    capaApoyos->addWidget(botonInteriores, 4, 1);
    capaApoyos->setRowStretch(5, 1);
    capaApoyos->addWidget(actualiza, 6, 0, 1, 2);
    connect(apoyoIzq_, QOverload<int>::of(&QComboBox::activated), this, [this](int i) {
        doc_->Modifica(tr("Apoyo izquierdo"),
                       [i](Proyecto& p) { p.apoyoIzquierdo = static_cast<CondicionExtremo>(i); });
    });
    connect(apoyoDer_, QOverload<int>::of(&QComboBox::activated), this, [this](int i) {
        doc_->Modifica(tr("Apoyo derecho"),
                       [i](Proyecto& p) { p.apoyoDerecho = static_cast<CondicionExtremo>(i); });
    });
    connect(botonInteriores, &QPushButton::clicked, this, [this] {
        tabla_->ConfirmaEdicion();
        condApoy_->Muestra();
    });
    connect(actualiza, &QPushButton::clicked, this, &Polidur1::Actualiza);

    // The span-length panel takes the place of the support frame while it is open.
    panelLongitud_ = new QFrame;
    panelLongitud_->setObjectName(QStringLiteral("SSPanel1"));
    panelLongitud_->setFrameShape(QFrame::StyledPanel);
    panelLongitud_->setFrameShadow(QFrame::Raised);
    textoLongitud_ = new QLineEdit;
    textoLongitud_->setObjectName(QStringLiteral("Text12"));
    textoLongitud_->setAlignment(Qt::AlignRight);
    auto* ok = new QPushButton(QStringLiteral("OK"));
    ok->setObjectName(QStringLiteral("Command4"));
    auto* cancelar = new QPushButton(QStringLiteral("Cancel"));
    cancelar->setObjectName(QStringLiteral("Command6"));
    auto* capaPanel = new QGridLayout(panelLongitud_);
    capaPanel->addWidget(Etiqueta("Label30", QStringLiteral("Longitud del vano")), 0, 0, 1, 2);
    capaPanel->addWidget(textoLongitud_, 1, 0);
    capaPanel->addWidget(Etiqueta("Label31", QStringLiteral("m")), 1, 1);
    capaPanel->addWidget(ok, 2, 0);
    capaPanel->addWidget(cancelar, 2, 1);
    capaPanel->setRowStretch(3, 1);
    panelLongitud_->hide();
    connect(ok, &QPushButton::clicked, this, [this] { CierraPanelLongitud(true); });
    connect(cancelar, &QPushButton::clicked, this, [this] { CierraPanelLongitud(false); });
    connect(textoLongitud_, &QLineEdit::returnPressed, this, [this] { CierraPanelLongitud(true); });
    // Leaving the length field for anything outside the panel closes it unchanged.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* antes, QWidget* ahora) {
        if (antes == textoLongitud_ && panelLongitud_->isVisible() &&
            !(ahora && panelLongitud_->isAncestorOf(ahora)))
            CierraPanelLongitud(false);
    });

    auto* lado = new QVBoxLayout;
    lado->setContentsMargins(0, 0, 0, 0);
    lado->addWidget(marcoApoyos_);
    lado->addWidget(panelLongitud_);
    auto* ladoWidget = new QWidget;
    ladoWidget->setLayout(lado);
    ladoWidget->setFixedWidth(172);

    auto* medio = new QHBoxLayout;
    medio->addWidget(marcoVanos_, 1);
    medio->addWidget(ladoWidget);

    dibujo_ = new DibujoViga(doc_);
    dibujo_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);

    auto* capa = new QVBoxLayout(this);
    capa->addLayout(arriba);
    capa->addLayout(medio, 5);
    capa->addWidget(dibujo_, 4);

    connect(nombreViga_, &QLineEdit::textEdited, this, [this](const QString& t) {
        const std::string nombre = t.toStdString();
        doc_->Modifica(
            tr("Nombre de la viga"),
            [nombre](Proyecto& p) {
                p.nombreViga = nombre;
                p.encabezado = nombre;
            },
            Documento::kTodasLasFilas, /*idFusion=*/1);
    });
}

void Polidur1::AlCambiarDocumento() {
    const Proyecto& p = doc_->ProyectoActual();
    const QString nombre = QString::fromStdString(p.nombreViga);
    if (nombreViga_->text() != nombre) nombreViga_->setText(nombre);
    numVanosEtiqueta_->setText(QString::number(p.numVanos));
    rutaLosas_->setText(UsaLosas(p) ? QString::fromStdString(p.archivoLosas) : QString());
    rutaLosas_->setToolTip(rutaLosas_->text());
    apoyoIzq_->setCurrentIndex(static_cast<int>(p.apoyoIzquierdo));
    apoyoDer_->setCurrentIndex(static_cast<int>(p.apoyoDerecho));
    ActualizaMenus();
}

void Polidur1::Actualiza() {
    tabla_->ConfirmaEdicion();
    doc_->Actualiza();
}

void Polidur1::AbrePanelLongitud(int fila) {
    const auto& vanos = doc_->ProyectoActual().vanos;
    if (enCalculo_ || fila < 0 || fila >= static_cast<int>(vanos.size())) return;
    filaPanel_ = fila;
    textoLongitud_->setText(QString::fromStdString(Formatea(vanos[fila].longitud, "0.000")));
    marcoApoyos_->hide();
    panelLongitud_->show();
    textoLongitud_->setFocus();
    textoLongitud_->selectAll();
}

void Polidur1::CierraPanelLongitud(bool aplicar) {
    if (!panelLongitud_->isVisible()) return;
    const int fila = filaPanel_;
    const std::string texto = textoLongitud_->text().toStdString();
    const std::optional<double> leido = LeeNumeroTecleado(texto);
    if (aplicar && !leido) {
        Mensajes::Advierte(this, QString::fromStdString(MensajeNoEsNumero(texto)));
        textoLongitud_->setFocus();
        textoLongitud_->selectAll();
        return;
    }
    const double longitud = leido.value_or(0);
    filaPanel_ = -1;
    panelLongitud_->hide();
    marcoApoyos_->show();
    tabla_->ConfirmaEdicion();
    // The panel came from a cell of the grid: the keyboard goes back there.
    tabla_->setFocus();
    if (!aplicar) return;
    Proyecto prueba = doc_->ProyectoActual();
    if (AplicaLongitud(prueba, fila, longitud))
        doc_->Modifica(tr("Longitud del vano"),
                       [fila, longitud](Proyecto& p) { AplicaLongitud(p, fila, longitud); });
    else
        doc_->Actualiza();
}

void Polidur1::PreguntaReemplazarColumna(int columna) {
    if (enCalculo_ || !ColumnaReemplazable(columna) || modelo_->ColumnaBloqueada(columna)) return;
    tabla_->ConfirmaEdicion();
    if (!Mensajes::PreguntaOkCancelar(
            this, QStringLiteral("Quiere cambiar los datos de esta columna por los globales"),
            QStringLiteral("Cambia Datos")))
        return;
    doc_->Modifica(tr("Datos globales"), [columna](Proyecto& p) { ReemplazaColumna(p, columna); });
}

void Polidur1::EliminaFilas(const QList<int>& filas) {
    // At least one span stays: deleting every row is refused without a word.
    if (enCalculo_ || filas.isEmpty() ||
        filas.size() >= static_cast<int>(doc_->ProyectoActual().vanos.size()))
        return;
    QStringList numeros;
    for (int f : filas) numeros << QString::number(f + 1);
    const QString pregunta =
        filas.size() == 1 ? QStringLiteral("Quiere eliminar el vano %1?").arg(numeros.first())
                          : QStringLiteral("Quiere eliminar los vanos %1 y %2?")
                                .arg(numeros.mid(0, numeros.size() - 1).join(QStringLiteral(", ")),
                                     numeros.last());
    if (!Mensajes::PreguntaSiNo(this, pregunta, QStringLiteral("Eliminar vanos"))) return;
    doc_->Modifica(filas.size() == 1 ? tr("Eliminar vano") : tr("Eliminar vanos"),
                   [filas](Proyecto& p) {
                       for (int k = static_cast<int>(filas.size()) - 1; k >= 0; --k)
                           EliminaVano(p, filas[k]);
                   });
    tabla_->clearSelection();
}

}  // namespace trabelux
