// A value together with the message that explains why there is none. A step that
// produces no value answers Estado (base/estado.h) instead.
#pragma once

#include <optional>
#include <string>
#include <utility>

#include "core/base/estado.h"

namespace trabelux {

template <class T>
struct Resultado {
    std::optional<T> valor;
    std::string mensaje;  // the user's message (Spanish, lines joined by "\n") when failed

    static Resultado Ok(T v) { return Resultado{std::move(v), {}}; }
    static Resultado Falla(std::string m) { return Resultado{std::nullopt, std::move(m)}; }
    // The failure of a step this value depended on.
    static Resultado Falla(const Estado& e) { return Falla(e.Mensaje()); }
    explicit operator bool() const { return valor.has_value(); }
};

}  // namespace trabelux
