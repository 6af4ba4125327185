// The steel-shapes table the program ships next to its executable (Aisc-dat.Dat): read
// from disk when first needed and kept once read.
#pragma once

#include <QString>
#include <optional>

#include "core/archivos/tabla_perfiles.h"

namespace trabelux {

class CatalogoPerfiles {
  public:
    // The table shipped with the program, in the folder of its executable.
    static QString RutaPrograma();

    explicit CatalogoPerfiles(QString ruta = RutaPrograma());

    // Another file (forgets what was read).
    void FijaRuta(const QString& ruta);
    const QString& Ruta() const { return ruta_; }

    // The table, or nullptr with the reason in `error`. A failed read is tried again
    // at the next call, so a file put in place later is found.
    const TablaPerfiles* Tabla(QString* error = nullptr);

  private:
    QString ruta_;
    std::optional<TablaPerfiles> tabla_;
};

}  // namespace trabelux
