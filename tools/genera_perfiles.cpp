// Builds the binary steel-shapes table the program reads (Aisc-dat.Dat) from the shapes
// CSV: one 60-byte record per row, in CSV order.
//
//   genera_perfiles SHAPES.csv Aisc-dat.Dat
//
// CSV columns: designation, family, A (in2), d, bf, tf, tw (in), Ix (in4), Sx (in3),
// rx (in), after one heading line. A record is the designation blank-padded to 12
// characters, the 8 values as little-endian IEEE singles and 4 unused singles set to 0.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Campos(const std::string& linea) {
    std::vector<std::string> campos;
    std::stringstream ss(linea);
    std::string campo;
    while (std::getline(ss, campo, ',')) campos.push_back(campo);
    if (!linea.empty() && linea.back() == ',') campos.emplace_back();
    return campos;
}

bool Numero(const std::string& texto, float& valor) {
    if (texto.empty()) return false;
    char* fin = nullptr;
    double v = std::strtod(texto.c_str(), &fin);
    if (*fin != '\0' || !std::isfinite(v)) return false;
    valor = static_cast<float>(v);
    return true;
}

void AgregaSencillo(std::string& salida, float f) {
    std::uint32_t u;
    std::memcpy(&u, &f, sizeof u);
    for (int b = 0; b < 4; ++b) salida += static_cast<char>((u >> (8 * b)) & 0xFF);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "uso: genera_perfiles SHAPES.csv Aisc-dat.Dat\n";
        return 2;
    }
    std::ifstream csv(argv[1]);
    if (!csv) {
        std::cerr << "genera_perfiles: no se pudo abrir " << argv[1] << "\n";
        return 1;
    }
    std::string datos;
    std::string linea;
    int numero = 0;
    while (std::getline(csv, linea)) {
        ++numero;
        if (!linea.empty() && linea.back() == '\r') linea.pop_back();
        if (numero == 1 || linea.empty()) continue;  // heading
        std::vector<std::string> campos = Campos(linea);
        if (campos.size() != 10 || campos[0].empty() || campos[0].size() > 12) {
            std::cerr << argv[1] << ":" << numero << ": se esperaban 10 campos y una designacion"
                      << " de 1 a 12 caracteres\n";
            return 1;
        }
        std::string registro = campos[0] + std::string(12 - campos[0].size(), ' ');
        for (int v = 0; v < 8; ++v) {
            float f = 0;
            if (!Numero(campos[2 + v], f)) {
                std::cerr << argv[1] << ":" << numero << ": valor no numerico \"" << campos[2 + v]
                          << "\"\n";
                return 1;
            }
            AgregaSencillo(registro, f);
        }
        for (int v = 0; v < 4; ++v) AgregaSencillo(registro, 0.0f);
        datos += registro;
    }
    std::ofstream salida(argv[2], std::ios::binary | std::ios::trunc);
    salida.write(datos.data(), static_cast<std::streamsize>(datos.size()));
    if (!salida) {
        std::cerr << "genera_perfiles: no se pudo escribir " << argv[2] << "\n";
        return 1;
    }
    return 0;
}
