#include "render/metricas_qt.h"

#include <algorithm>
#include <cmath>

namespace trabelux {

namespace {

constexpr double kTwipsPorPunto = 20;

bool MismoEstilo(const EstiloTexto& a, const EstiloTexto& b) {
    return a.fuente == b.fuente && a.tamano == b.tamano && a.negrita == b.negrita &&
           a.cursiva == b.cursiva && a.subrayado == b.subrayado && a.tachado == b.tachado;
}

}  // namespace

const MetricasQt::FuenteMedida& MetricasQt::Medida(const EstiloTexto& estilo) const {
    if (!ultima_ || !MismoEstilo(ultima_->estilo, estilo)) {
        QFont f(QString::fromStdString(estilo.fuente));
        f.setPixelSize(std::max(1, static_cast<int>(std::lround(estilo.tamano * kTwipsPorPunto))));
        f.setBold(estilo.negrita);
        f.setItalic(estilo.cursiva);
        f.setUnderline(estilo.subrayado);
        f.setStrikeOut(estilo.tachado);
        f.setHintingPreference(QFont::PreferNoHinting);
        ultima_.emplace(FuenteMedida{estilo, f, QFontMetricsF(f)});
    }
    return *ultima_;
}

double MetricasQt::Ancho(const std::string& texto, const EstiloTexto& estilo) const {
    return Medida(estilo).metricas.horizontalAdvance(QString::fromStdString(texto));
}

}  // namespace trabelux
