// The span editor's controls, how they follow the project, and the grid's own gestures.
#include "gui/editor/editor_vanos.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/modelo/operaciones_vanos.h"
#include "gui/comun/controles.h"
#include "gui/comun/latin1.h"
#include "gui/comun/mensajes.h"
#include "gui/documento/documento.h"
#include "gui/editor/dialogo_apoyos.h"
#include "gui/editor/dialogo_numero_vanos.h"
#include "gui/editor/dibujo_viga.h"
#include "gui/editor/modelo_vanos.h"
#include "gui/editor/panel_longitud.h"
#include "gui/editor/rejilla_vanos.h"

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

QComboBox* ListaExtremo(const char* nombre) {
    auto* c = Nombrado<QComboBox>(nombre);
    c->addItems(
        {QStringLiteral("Apoyado"), QStringLiteral("Empotrado"), QStringLiteral("No-apoyado")});
    return c;
}

QPushButton* BotonPuntos(const char* nombre) {
    auto* b = Boton(nombre, QStringLiteral("..."));
    b->setFixedWidth(32);
    return b;
}

}  // namespace

EditorVanos::EditorVanos(Documento* doc, QWidget* padre) : QWidget(padre), doc_(doc) {
    setObjectName(QStringLiteral("Polidur1"));
    setWindowTitle(QStringLiteral("Trabelux"));
    auto* arriba = CreaFilaSuperior();
    auto* vanos = CreaRejilla();
    marcoApoyos_ = CreaApoyos();
    // The span-length panel takes the place of the support frame while it is open.
    panelLongitud_ = new PanelLongitud(doc_);
    connect(panelLongitud_, &PanelLongitud::cerrado, this, [this] {
        marcoApoyos_->show();
        rejilla_->ConfirmaEdicion();
        // The panel came from a cell of the grid: the keyboard goes back there.
        rejilla_->setFocus();
    });

    auto* lado = new QVBoxLayout;
    lado->setContentsMargins(0, 0, 0, 0);
    lado->addWidget(marcoApoyos_);
    lado->addWidget(panelLongitud_);
    auto* ladoWidget = new QWidget;
    ladoWidget->setLayout(lado);
    ladoWidget->setFixedWidth(172);
    auto* medio = new QHBoxLayout;
    medio->addWidget(vanos, 1);
    medio->addWidget(ladoWidget);

    dibujo_ = new DibujoViga(doc_);
    dibujo_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    auto* capa = new QVBoxLayout(this);
    capa->addLayout(arriba);
    capa->addLayout(medio, 5);
    capa->addWidget(dibujo_, 4);

    numVanos_ = new DialogoNumeroVanos(doc_, this);
    apoyos_ = new DialogoApoyos(doc_, this);
    connect(apoyos_, &QDialog::finished, this, &EditorVanos::Actualiza);
    connect(doc_, &Documento::cambiado, this, &EditorVanos::AlCambiarDocumento);
    AlCambiarDocumento();
}

// The beam name (or the notice of a running analysis), the span count and the slab file.
QLayout* EditorVanos::CreaFilaSuperior() {
    etiquetaViga_ = Nombrado<QLabel>("Label19", QStringLiteral("Viga "));
    nombreViga_ = Nombrado<QLineEdit>("Text7");
    nombreViga_->setMaximumWidth(140);
    LimitaALatin1(nombreViga_);
    calculando_ = Nombrado<QLabel>("Label4", QStringLiteral("C A L C U L A N D O . . ."));
    calculando_->setStyleSheet(QStringLiteral("color: rgb(192,0,0); font-weight: bold;"));
    calculando_->hide();
    auto* pulsable = Nombrado<EtiquetaPulsable>("Label10");
    pulsable->setToolTip(QStringLiteral("Click para cambiar"));
    pulsable->setFrameShape(QFrame::Panel);
    pulsable->setFrameShadow(QFrame::Sunken);
    pulsable->setAlignment(Qt::AlignCenter);
    pulsable->setMinimumWidth(40);
    pulsable->setCursor(Qt::PointingHandCursor);
    pulsable->alPulsar = [this] {
        if (!ocupado_) numVanos_->Muestra();
    };
    numVanosEtiqueta_ = pulsable;
    rutaLosas_ = Nombrado<QLabel>("Label17", QString());
    rutaLosas_->setFrameShape(QFrame::Panel);
    rutaLosas_->setFrameShadow(QFrame::Sunken);
    rutaLosas_->setMinimumWidth(120);
    rutaLosas_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    rutaLosas_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* botonLosas = BotonPuntos("SSCommand2");
    connect(botonLosas, &QPushButton::clicked, this, &EditorVanos::pideArchivoLosas);

    auto* arriba = new QHBoxLayout;
    arriba->addWidget(etiquetaViga_);
    arriba->addWidget(nombreViga_);
    arriba->addWidget(calculando_);
    arriba->addSpacing(24);
    arriba->addWidget(Nombrado<QLabel>("Label1", QStringLiteral("Numero de Vanos")));
    arriba->addWidget(numVanosEtiqueta_);
    arriba->addSpacing(24);
    arriba->addWidget(Nombrado<QLabel>("Label18", QStringLiteral("Archivo de losas")));
    arriba->addWidget(rutaLosas_, 1);
    arriba->addWidget(botonLosas);
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
    return arriba;
}

QGroupBox* EditorVanos::CreaRejilla() {
    auto* marco = Nombrado<QGroupBox>("Frame2", QStringLiteral("Descripcion de vanos"));
    rejilla_ = new RejillaVanos;
    modelo_ = new ModeloVanos(doc_, this);
    rejilla_->setModel(modelo_);
    auto* capa = new QVBoxLayout(marco);
    capa->setContentsMargins(6, 6, 6, 6);
    capa->addWidget(rejilla_);
    connect(rejilla_, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex& i) { AbrePanelLongitud(i.row()); });
    connect(rejilla_, &RejillaVanos::eliminarFilas, this, &EditorVanos::EliminaFilas);
    connect(rejilla_->horizontalHeader(), &QHeaderView::sectionClicked, this,
            &EditorVanos::PreguntaReemplazarColumna);
    return marco;
}

// The end supports, the interior supports' button and "Actualiza".
QGroupBox* EditorVanos::CreaApoyos() {
    auto* marco = Nombrado<QGroupBox>("Frame1", QStringLiteral("Condiciones de apoyos"));
    apoyoIzq_ = ListaExtremo("Combo1");
    apoyoDer_ = ListaExtremo("Combo2");
    auto* botonInteriores = BotonPuntos("SSCommand1");
    auto* actualiza = Boton("Command3", QStringLiteral("Actualiza"));
    auto* capa = new QGridLayout(marco);
    capa->addWidget(Nombrado<QLabel>("Label2", QStringLiteral("Apoyo izquierdo")), 0, 0, 1, 2);
    capa->addWidget(apoyoIzq_, 1, 0, 1, 2);
    capa->addWidget(Nombrado<QLabel>("Label3", QStringLiteral("Apoyo derecho")), 2, 0, 1, 2);
    capa->addWidget(apoyoDer_, 3, 0, 1, 2);
    capa->addWidget(Nombrado<QLabel>("Label25", QStringLiteral("Apoyos Interiores")), 4, 0);
    capa->addWidget(botonInteriores, 4, 1);
    capa->setRowStretch(5, 1);
    capa->addWidget(actualiza, 6, 0, 1, 2);
    connect(apoyoIzq_, QOverload<int>::of(&QComboBox::activated), this, [this](int i) {
        doc_->Modifica(tr("Apoyo izquierdo"),
                       [i](Proyecto& p) { p.apoyoIzquierdo = static_cast<CondicionExtremo>(i); });
    });
    connect(apoyoDer_, QOverload<int>::of(&QComboBox::activated), this, [this](int i) {
        doc_->Modifica(tr("Apoyo derecho"),
                       [i](Proyecto& p) { p.apoyoDerecho = static_cast<CondicionExtremo>(i); });
    });
    connect(botonInteriores, &QPushButton::clicked, this, [this] {
        rejilla_->ConfirmaEdicion();
        apoyos_->Muestra();
    });
    connect(actualiza, &QPushButton::clicked, this, &EditorVanos::Actualiza);
    return marco;
}

void EditorVanos::AlCambiarDocumento() {
    const Proyecto& p = doc_->ProyectoActual();
    const QString nombre = QString::fromStdString(p.nombreViga);
    if (nombreViga_->text() != nombre) nombreViga_->setText(nombre);
    numVanosEtiqueta_->setText(QString::number(p.numVanos));
    rutaLosas_->setText(UsaLosas(p) ? QString::fromStdString(p.archivoLosas) : QString());
    rutaLosas_->setToolTip(rutaLosas_->text());
    apoyoIzq_->setCurrentIndex(static_cast<int>(p.apoyoIzquierdo));
    apoyoDer_->setCurrentIndex(static_cast<int>(p.apoyoDerecho));
}

void EditorVanos::ConfirmaEdicion() { rejilla_->ConfirmaEdicion(); }

void EditorVanos::FijaOcupado(bool ocupado) {
    ocupado_ = ocupado;
    etiquetaViga_->setVisible(!ocupado);
    nombreViga_->setVisible(!ocupado);
    calculando_->setVisible(ocupado);
}

void EditorVanos::Reinicia() { numVanos_->Reinicia(); }

void EditorVanos::Actualiza() {
    rejilla_->ConfirmaEdicion();
    doc_->Actualiza();
}

void EditorVanos::AbrePanelLongitud(int fila) {
    const auto& vanos = doc_->ProyectoActual().vanos;
    if (ocupado_ || fila < 0 || fila >= static_cast<int>(vanos.size())) return;
    marcoApoyos_->hide();
    panelLongitud_->Abre(fila);
}

void EditorVanos::PreguntaReemplazarColumna(int columna) {
    if (ocupado_ || !ColumnaReemplazable(columna) || modelo_->ColumnaBloqueada(columna)) return;
    rejilla_->ConfirmaEdicion();
    if (!Mensajes::PreguntaOkCancelar(
            this, QStringLiteral("Quiere cambiar los datos de esta columna por los globales"),
            QStringLiteral("Cambia Datos")))
        return;
    doc_->Modifica(tr("Datos globales"), [columna](Proyecto& p) { ReemplazaColumna(p, columna); });
}

void EditorVanos::EliminaFilas(const QList<int>& filas) {
    // At least one span stays: deleting every row is refused without a word.
    if (ocupado_ || filas.isEmpty() ||
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
    rejilla_->clearSelection();
}

}  // namespace trabelux
