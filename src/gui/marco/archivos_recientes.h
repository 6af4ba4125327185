// The list of recently used project files under "&Archivos": most recent first, each file
// once, at most eight, and only files that still exist are offered. Kept with QSettings.
#pragma once

#include <QStringList>

class QSettings;

namespace trabelux {

class ArchivosRecientes {
  public:
    static constexpr int kMaximo = 8;

    explicit ArchivosRecientes(const QStringList& rutas = {});

    // `ruta` goes first; the same file further down leaves; the oldest beyond eight go.
    void Agrega(const QString& ruta);
    // The files of the list that still exist, most recent first.
    QStringList Existentes() const;
    const QStringList& Rutas() const { return rutas_; }

    static ArchivosRecientes Lee(QSettings& ajustes);
    void Escribe(QSettings& ajustes) const;

  private:
    QStringList rutas_;
};

}  // namespace trabelux
