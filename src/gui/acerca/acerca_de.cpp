#include "gui/acerca/acerca_de.h"

#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>

#include "core/version.h"
#include "gui/comun/controles.h"

// The icon's resource lives in a static library: nothing would pull it in unasked.
static void IniciaRecursosAcerca() { Q_INIT_RESOURCE(acerca); }

namespace trabelux {

QIcon IconoPrograma() {
    IniciaRecursosAcerca();
    // The installed theme icon when there is one, so the desktop and the program agree.
    return QIcon::fromTheme(QStringLiteral("trabelux"),
                            QIcon(QStringLiteral(":/trabelux/trabelux.svg")));
}

AcercaDe::AcercaDe(QWidget* padre) : QDialog(padre) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About Trabelux"));

    auto* icono = new QLabel;
    icono->setObjectName(QStringLiteral("picIcon"));
    icono->setPixmap(IconoPrograma().pixmap(64, 64));
    icono->setAlignment(Qt::AlignTop);

    auto* titulo = new QLabel(QString::fromUtf8(kNombrePrograma));
    titulo->setObjectName(QStringLiteral("lblTitle"));
    QFont grande = titulo->font();
    grande.setPointSizeF(grande.pointSizeF() * 1.6);
    grande.setBold(true);
    titulo->setFont(grande);

    auto* version = new QLabel(QStringLiteral("Versión %1.%2.%3")
                                   .arg(kVersionMayor)
                                   .arg(kVersionMenor)
                                   .arg(kVersionRevision));
    version->setObjectName(QStringLiteral("lblVersion"));

    auto* descripcion =
        new QLabel(QStringLiteral("Análisis y diseño de vigas continuas de hormigón armado."));
    descripcion->setObjectName(QStringLiteral("lblDescription"));
    descripcion->setWordWrap(true);

    auto* aviso = new QLabel(QString::fromUtf8(kAvisoLegal));
    aviso->setObjectName(QStringLiteral("lblDisclaimer"));
    aviso->setWordWrap(true);
    aviso->setMinimumWidth(360);

    auto* ok = Boton("cmdOK", QStringLiteral("OK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    // There is no system-information tool to start on this platform.
    auto* sysInfo = Boton("cmdSysInfo", QStringLiteral("&System Info..."));
    sysInfo->hide();

    auto* capa = new QGridLayout(this);
    capa->addWidget(icono, 0, 0, 3, 1);
    capa->addWidget(titulo, 0, 1);
    capa->addWidget(version, 1, 1);
    capa->addWidget(descripcion, 2, 1);
    capa->addWidget(aviso, 3, 0, 1, 2);
    capa->addLayout(FilaBotones({ok, sysInfo}), 4, 0, 1, 2);
    capa->setColumnStretch(1, 1);
    capa->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace trabelux
