// A value together with the message that explains why there is none.
#pragma once

#include <optional>
#include <string>
#include <utility>

namespace trabelux {

template <class T>
struct Resultado {
    std::optional<T> valor;
    std::string mensaje;  // the user's message (Spanish, lines joined by "\n") when failed

    static Resultado Ok(T v) { return Resultado{std::move(v), {}}; }
    static Resultado Error(std::string m) { return Resultado{std::nullopt, std::move(m)}; }
    explicit operator bool() const { return valor.has_value(); }
};

}  // namespace trabelux
