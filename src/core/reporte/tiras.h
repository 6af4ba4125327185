// Long beams in the report's pictures: the beam split into strips of whole spans, each
// drawn across the body, when the whole beam does not fit at a readable size.
#pragma once

#include <functional>
#include <vector>

namespace trabelux {

// Spans primero..ultimo (0-based, both included) drawn as one strip.
struct Tira {
    int primero = 0;
    int ultimo = 0;
};

// The fewest strips for which `cabe` holds for every one: for each count of strips the
// spans are shared out so that the strips' lengths (`longitudes`, m) come out as even as
// whole spans allow (by count when the beam has no length). One span a strip when no
// fewer will do, whatever `cabe` says of them. `cabe` is asked once for each strip.
std::vector<Tira> DivideEnTiras(const std::vector<double>& longitudes,
                                const std::function<bool(const Tira&)>& cabe);

}  // namespace trabelux
