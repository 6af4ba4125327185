#include "losas/transferencia.h"

namespace trabelux {

// Placeholder until the slab transfer lands.
std::string ReacLos(Proyecto&) { return ""; }

}  // namespace trabelux
