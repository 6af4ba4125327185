// Qt's own Spanish texts (standard buttons, file dialogs, context menus), loaded once at
// start so no English shows through in a Spanish program.
#pragma once

namespace trabelux {

// Installs Qt's Spanish translations from the system's Qt translations folder. False when
// they are not installed (the program then runs with Qt's English texts).
bool CargaTraduccionesQt();

}  // namespace trabelux
