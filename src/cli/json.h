// A small JSON writer for the command line's output: keys in the order they are
// written, numbers in their shortest exact form.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace trabelux::cli {

class Json {
  public:
    // `enLinea`: the whole document on one line, no blank after ":" or "," (a batch's
    // JSON lines); otherwise two-space indented, one member per line.
    explicit Json(bool enLinea = false) : enLinea_(enLinea) {}
    Json& Abre(const std::string& clave = {});       // {
    Json& Cierra();                                  // }
    Json& AbreLista(const std::string& clave = {});  // [
    Json& CierraLista();                             // ]
    Json& Numero(const std::string& clave, double v);
    Json& Entero(const std::string& clave, long long v);
    Json& Texto(const std::string& clave, const std::string& v);
    Json& Logico(const std::string& clave, bool v);
    Json& Nulo(const std::string& clave);
    Json& ListaNumeros(const std::string& clave, const std::vector<float>& v);
    const std::string& Resultado() const { return salida_; }
    // Room for a document of about `bytes`: a large one then grows without copies.
    void Reserva(size_t bytes) { salida_.reserve(bytes); }
    // Hands over the document written, leaving the writer empty.
    std::string Toma() { return std::move(salida_); }

    static std::string Cadena(const std::string& v);
    static std::string NumeroTexto(double v);

  private:
    void Clave(const std::string& clave);
    std::string salida_;
    std::vector<bool> primero_;  // per open container: nothing written yet
    int nivel_ = 0;
    bool enLinea_;
};

}  // namespace trabelux::cli
