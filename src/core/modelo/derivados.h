// Until the desktop program includes the derived values from their new places.
#pragma once

#include "core/derivados/actualiza_derivados.h"
#include "core/modelo/filas_vano.h"
