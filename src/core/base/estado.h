// The outcome of a step that produces no value: fine, or failed with the user's message
// (Spanish, lines joined by "\n"). What produces a value answers Resultado<T> instead.
#pragma once

#include <cassert>
#include <optional>
#include <string>
#include <utility>

namespace trabelux {

class Estado {
  public:
    static Estado Bien() { return {}; }
    static Estado Falla(std::string mensaje) {
        assert(!mensaje.empty() && "a failure says why");
        Estado e;
        e.falla_ = std::move(mensaje);
        return e;
    }
    bool EsBien() const { return !falla_; }
    explicit operator bool() const { return EsBien(); }
    // The failure's message; empty when fine.
    const std::string& Mensaje() const {
        static const std::string kNada;
        return falla_ ? *falla_ : kNada;
    }

  private:
    std::optional<std::string> falla_;
};

}  // namespace trabelux
