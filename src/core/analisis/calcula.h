// Until the desktop program includes the run from its new place.
#pragma once

#include "core/calculo/calcula.h"
