// The table of rolled steel shapes (Aisc-dat.Dat): fixed 60-byte records read from its
// bytes, the families, the properties in metre units as the shape grid shows them.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/base/resultado.h"
#include "core/modelo/proyecto.h"

namespace trabelux {

inline constexpr int kBytesRegistroPerfil = 60;
inline constexpr int kMaxPerfilesFamilia = 600;

// One record as stored: designation (trailing blanks removed) and the 8 properties in
// inch units: area in2, d, bf, tf, tw in, Ix in4, Sx in3, rx in.
struct RegistroPerfil {
    std::string designacion;
    std::array<float, 8> valores{};
};

struct TablaPerfiles {
    std::vector<RegistroPerfil> registros;  // in file order
};

// LeePerfiles: the records of the file's bytes (little-endian IEEE singles). An empty
// file, a size that is not a whole number of records or a property that is not a finite
// number is refused: "No se pudo leer la tabla de perfiles:\n<ruta>\n<what>".
Resultado<TablaPerfiles> LeePerfiles(const std::string& bytes, const std::string& ruta);

// The "Tipo de perfil" list: "Ninguno", "W", "M", "S", "HP", "C", "MC", "WT".
const std::array<const char*, 8>& FamiliasPerfil();

// Index of a family code in that list (case ignored), or -1.
int IndiceFamilia(const std::string& codigo);

// Whether a designation belongs to the family with code `codigo`: it begins with the
// code and the text after it reads as a number greater than 0 (so "W" takes no "WT"
// and "M" no "MC").
bool PerteneceAFamilia(const std::string& designacion, const std::string& codigo);

struct ListaFamilia {
    std::vector<RegistroPerfil> perfiles;  // in file order, at most 600
    std::string aviso;                     // said when more matched and were left out
};

// PerfilesDeFamilia: the shapes of family `familia` (index in FamiliasPerfil; 0 and
// unknown indices give none).
ListaFamilia PerfilesDeFamilia(const TablaPerfiles& tabla, int familia);

// The 8 properties in metre units: Area m2, d, bf, tf, tw m, Ix m4, Sx m3, rx m.
std::array<double, 8> PropiedadesMetricas(const RegistroPerfil& r);

// Captions of the shape grid and the texts of its row for a shape, in the grid's formats.
const std::array<const char*, 8>& TitulosPerfil();
std::array<std::string, 8> TextosPerfil(const RegistroPerfil& r);

// ResuelvePerfil: the shape at position `designacion` (0-based) of family `familia`, in
// metre units; absent for "Ninguno" or a position the family does not have.
std::optional<PerfilAcero> ResuelvePerfil(const TablaPerfiles& tabla, int familia, int designacion);

// The family's shapes as a text table for the command line: a heading line, then one
// line per shape with its designation and 8 properties in the grid's formats, columns
// aligned.
std::string ListadoFamilia(const ListaFamilia& lista);

}  // namespace trabelux
