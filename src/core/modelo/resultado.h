// Until the desktop program includes the result type from its new place.
#pragma once

#include "core/base/resultado.h"
