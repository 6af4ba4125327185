#include "render/informe_pdf.h"

#include <QBuffer>
#include <QDate>
#include <QPageLayout>
#include <QPdfWriter>

#include "core/reporte/composicion.h"
#include "render/superficie_qt.h"

namespace trabelux {

namespace {

constexpr int kFolio = 14;
constexpr double kTwipsPorPulgada = 1440;

QPageLayout Disposicion(const ConfiguracionInforme& c) {
    return QPageLayout(PapelDeCodigo(c.papel, c),
                       c.horizontal ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(0, 0, 0, 0));
}

// The Qt surface painting only the pages of a range: the others are laid out (so page
// numbers and breaks are those of the whole report) but not painted.
class SuperficieRango : public SuperficieQt {
  public:
    SuperficieRango(QPagedPaintDevice* d, int desde, int hasta)
        : SuperficieQt(d), desde_(desde), hasta_(hasta) {}
    int Puestas() const { return puestas_; }

  protected:
    void PintaPagina(int pagina) override {
        dentro_ = pagina >= desde_ && pagina <= hasta_;
        if (dentro_) SuperficieQt::PintaPagina(++puestas_);
    }
    void PintaTexto(double x, double y, const std::string& t, const EstiloTexto& e) override {
        if (dentro_) SuperficieQt::PintaTexto(x, y, t, e);
    }
    void PintaLineas(const Poligonal& p, const Trazo& t) override {
        if (dentro_) SuperficieQt::PintaLineas(p, t);
    }
    void PintaPoligono(const Poligonal& p, const Trazo& t, Relleno r, Color c) override {
        if (dentro_) SuperficieQt::PintaPoligono(p, t, r, c);
    }
    void PintaRectangulo(const trabelux::Rectangulo& q, const Trazo& t, Relleno r,
                         Color c) override {
        if (dentro_) SuperficieQt::PintaRectangulo(q, t, r, c);
    }
    void PintaElipse(const trabelux::Rectangulo& q, const Trazo& t, Relleno r, Color c) override {
        if (dentro_) SuperficieQt::PintaElipse(q, t, r, c);
    }
    void PintaArco(double cx, double cy, double radio, double desde, double hasta,
                   const Trazo& t) override {
        if (dentro_) SuperficieQt::PintaArco(cx, cy, radio, desde, hasta, t);
    }

  private:
    int desde_, hasta_;
    int puestas_ = 0;
    bool dentro_ = false;
};

}  // namespace

std::string FechaInforme() {
    return QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")).toStdString();
}

QPageSize PapelDeCodigo(int codigo, const ConfiguracionInforme& c) {
    if (codigo == kPapelPersonalizado) {
        if (!(c.anchoPersonalizado > 0 && c.altoPersonalizado > 0)) return {};
        return QPageSize(
            QSizeF(c.anchoPersonalizado / kTwipsPorPulgada, c.altoPersonalizado / kTwipsPorPulgada),
            QPageSize::Inch, QStringLiteral("Custom"), QPageSize::ExactMatch);
    }
    if (codigo == kFolio)
        return QPageSize(QSizeF(8.5, 13), QPageSize::Inch, QStringLiteral("Folio"),
                         QPageSize::ExactMatch);
    QPageSize::PageSizeId id = QPageSize::id(codigo);
    if (id == QPageSize::Custom) return {};
    return QPageSize(id);
}

int ImprimeInforme(QPagedPaintDevice& dispositivo, const ConfiguracionInforme& c,
                   const ComposicionInforme& compone) {
    dispositivo.setPageLayout(Disposicion(c));
    SuperficieQt superficie(&dispositivo);
    // The page as the report lays it out: the same paper table the recording surface uses.
    EmpiezaInforme(superficie, c);
    compone(superficie);
    superficie.TerminaDocumento();
    return superficie.Correcto() ? superficie.NumPaginas() : 0;
}

int ImprimePaginas(QPagedPaintDevice& dispositivo, const ConfiguracionInforme& c,
                   const ComposicionInforme& compone, int desde, int hasta) {
    dispositivo.setPageLayout(Disposicion(c));
    SuperficieRango superficie(&dispositivo, desde, hasta);
    EmpiezaInforme(superficie, c);
    compone(superficie);
    superficie.TerminaDocumento();
    return superficie.Correcto() ? superficie.Puestas() : 0;
}

Resultado<std::string> PdfDelInforme(const ConfiguracionInforme& c,
                                     const ComposicionInforme& compone, int* paginas) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    int n = 0;
    {
        QPdfWriter pdf(&buffer);
        pdf.setResolution(static_cast<int>(kTwipsPorPulgada));
        pdf.setCreator(QStringLiteral("Trabelux"));
        pdf.setTitle(QStringLiteral("Informe de cálculo"));
        n = ImprimeInforme(pdf, c, compone);
    }
    if (paginas) *paginas = n;
    if (n == 0) return Resultado<std::string>::Falla("No se pudo componer el informe");
    const QByteArray& datos = buffer.data();
    return Resultado<std::string>::Ok(
        std::string(datos.constData(), static_cast<size_t>(datos.size())));
}

}  // namespace trabelux
