#include "gui/marco/menu_recientes.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>

#include "gui/documento/documento.h"
#include "gui/marco/archivos_recientes.h"
#include "gui/sesion/sesion.h"

namespace trabelux {

MenuRecientes::MenuRecientes(Documento* doc, Sesion* sesion, QMenu* menu, QAction* termina)
    : QObject(menu), sesion_(sesion), menu_(menu), termina_(termina) {
    setObjectName(QStringLiteral("MenuRecientes"));
    connect(doc, &Documento::archivoUsado, this, &MenuRecientes::Registra);
    connect(menu_, &QMenu::aboutToShow, this, &MenuRecientes::Rehace);
    Rehace();
}

void MenuRecientes::Registra(const QString& ruta) {
    QSettings ajustes;
    ArchivosRecientes lista = ArchivosRecientes::Lee(ajustes);
    lista.Agrega(ruta);
    lista.Escribe(ajustes);
}

void MenuRecientes::Rehace() {
    for (QAction* a : acciones_) {
        menu_->removeAction(a);
        a->deleteLater();
    }
    acciones_.clear();
    QSettings ajustes;
    const QStringList rutas = ArchivosRecientes::Lee(ajustes).Existentes();
    if (rutas.isEmpty()) return;
    // Between a separator of their own and the one above "&Termina".
    QAction* antes = nullptr;
    const QList<QAction*> todas = menu_->actions();
    const qsizetype i = todas.indexOf(termina_);
    if (i > 0 && todas.at(i - 1)->isSeparator()) antes = todas.at(i - 1);
    auto* separador = new QAction(menu_);
    separador->setSeparator(true);
    menu_->insertAction(antes, separador);
    acciones_ << separador;
    for (int k = 0; k < rutas.size(); ++k) {
        const QString ruta = rutas.at(k);
        auto* a =
            new QAction(QStringLiteral("&%1 %2").arg(k + 1).arg(QFileInfo(ruta).fileName()), menu_);
        a->setObjectName(QStringLiteral("Reciente%1").arg(k + 1));
        a->setToolTip(ruta);
        a->setStatusTip(ruta);
        connect(a, &QAction::triggered, sesion_, [this, ruta] {
            if (sesion_->PuedeDescartarCambios()) sesion_->AbreArchivo(ruta);
        });
        menu_->insertAction(antes, a);
        acciones_ << a;
    }
}

}  // namespace trabelux
