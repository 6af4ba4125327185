// A horizontal header with a band of group captions over the column titles: Qt headers do
// not span columns, so the band is painted over runs of columns sharing a group caption
// (the model's ModeloDetallado::kRolGrupo). Columns without a group take the full height.
#pragma once

#include <QHeaderView>

namespace trabelux {

class CabeceraGrupos : public QHeaderView {
    Q_OBJECT
  public:
    explicit CabeceraGrupos(QWidget* padre = nullptr);

    // Widens the columns of each group, the last one taking the rest, until the group
    // caption fits over them.
    void AjustaAGrupos();
    // The band's rectangle over the group of `columna` in viewport coordinates; empty for
    // a column without a group.
    QRect RectGrupo(int columna) const;

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* e) override;
    void paintSection(QPainter* pintor, const QRect& rect, int seccion) const override;

  private:
    QString Grupo(int seccion) const;
    int AltoBanda() const;
};

}  // namespace trabelux
