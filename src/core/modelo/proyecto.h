// The beam project as plain data: the master copy of every input the user gives.
// Windows show it and write their edits back; the project file reads and writes it.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace trabelux {

// Capacities of the program.
inline constexpr int kMaxVanos = 20;
inline constexpr int kMaxNudos = kMaxVanos + 1;
inline constexpr int kMaxCargasPorVano = 20;
inline constexpr int kMaxLosas = 99;

// Materials of the general data ("Material" list); the values are the list's indices and
// the file's codes.
enum class Material { kHormigon = 0, kAcero = 1, kOtro = 2 };

// End-support conditions ("Apoyo izquierdo", "Apoyo derecho"); list indices, as above.
enum class CondicionExtremo { kApoyado = 0, kEmpotrado = 1, kNoApoyado = 2 };

// Inertia choice of the general data ("bh3/12", "Otra"); list indices, as above.
enum class OpcionInercia { kBh3 = 0, kOtra = 1 };

// General data, kept as the texts of the fields: that is how they are stored in the
// project file and read as numbers wherever they are used (LeeNumero).
struct DatosGenerales {
    Material material = Material::kHormigon;            // "Material"
    std::string fc = "180";                             // F'c, kg/cm2
    std::string fy = "2800";                            // Fy, kg/cm2
    std::string moduloE = "2.03E+06";                   // "Modulo E", derived from F'c for concrete
    std::string recub = "5";                            // cover, cm
    std::string longitud = "1.000";                     // global span length, m
    std::string base = "20.0";                          // global width, cm
    std::string altura = "40.0";                        // global depth, cm
    OpcionInercia opcionInercia = OpcionInercia::kBh3;  // "Inercia"
    std::string inercia;                                // global inertia used with "Otra", m4
    std::string cargaMuerta;                            // global dead load, t/m
    std::string cargaViva;                              // global live load, t/m
    // Load control.
    bool usaCargaTotal = false;  // false: "Usa carga viva y carga muerta"; true: "Usa carga total"
    std::string factorMuerta = "1.4";  // "Factor carga muerta"
    std::string factorViva = "1.7";    // "Factor carga viva"
    bool calculaPesoPropio = true;     // "Calcula peso propio"
    std::string pesoUnitario = "2.4";  // "P. unitario", t/m3
    // Steel shape (only meaningful with "Acero").
    int familiaPerfil = 0;       // "Ninguno", "W", "M", "S", "HP", "C", "MC", "WT"
    int designacionPerfil = -1;  // index in the family's designation list; -1 none
};

// Properties of the chosen rolled shape in metre units, filled by whoever has the
// shapes table (the desktop program or the command line) from the family and
// designation indices. Absent when no shape is chosen or the table is unavailable.
struct PerfilAcero {
    std::string designacion;
    double area = 0;  // m2
    double d = 0;     // depth, m
    double bf = 0;    // flange width, m
    double ix = 0;    // m4
};

// One row of the span grid. Cells that may be blank are optional; a blank cell reads 0.
struct Vano {
    double longitud = 0;                // "Long", m
    double base = 0;                    // "Base", cm
    double altura = 0;                  // "Altura", cm
    double inercia = 0;                 // "Inercia", m4
    std::optional<double> pesoPropio;   // "P. Propio", t/m
    std::optional<double> cargaMuerta;  // "C. Muerta", t/m
    std::optional<double> cargaViva;    // "C. Viva", t/m
    double cargaUltima = 0;             // last column: load used by the analysis, t/m
};

// A concentrated load of the span-load grid; it belongs to span `vano`.
struct CargaConcentrada {
    int vano = 0;
    double distancia = 0;  // m from the left end of the span
    double carga = 0;      // t, downwards positive
};

// A row of the node-load grid. Rows with nudo <= 0 stay in the grid but do not count.
struct CargaNudo {
    int nudo = 0;
    double fuerza = 0;   // t, upwards positive as it enters the load vector
    double momento = 0;  // t-m, counterclockwise positive
};

// One slab of the slab file.
struct Losa {
    int numero = 0;
    std::string bordes;      // edge code, 2 or 4 letters of "A", "E", "N"
    double lx = 0, ly = 0;   // m
    double cargaMuerta = 0;  // t/m2, 0 = header default
    double cargaViva = 0;    // t/m2, 0 = header default
    double lineaMuerta = 0;  // t/m added to a cantilever strip
    double lineaViva = 0;    // t/m
    double espesor = 0;      // m, 0 = header default
};

// The slab file as read: read once when chosen or when a project names it.
struct ArchivoLosasDatos {
    std::string descripcion;
    int numLosas = 0;
    int registrosExtra = 0;
    double cabecera[8] = {0, 0, 0, 0, 0, 0, 0, 0};  // the 8 header values as read
    std::vector<Losa> losas;                        // in file order
    std::vector<std::string> extras;                // the additional records, kept as lines
};

// Slab assignment of one span ("Primera Losa", "Segunda Losa", "Espesor Prom").
struct AsignacionLosa {
    int primera = 0;         // left slab, 0 = none
    int segunda = 0;         // right slab, 0 = none
    double espesorProm = 0;  // m
};

struct Proyecto {
    std::string nombreViga = "V1";
    int numVanos = 1;         // the span count shown in the main window
    std::vector<Vano> vanos;  // grid rows; may hold more rows than numVanos
    CondicionExtremo apoyoIzquierdo = CondicionExtremo::kApoyado;
    CondicionExtremo apoyoDerecho = CondicionExtremo::kApoyado;
    std::vector<int> apoyosInteriores;  // supports 2, 3, ...: 1 "Apoyado - 1", 0 "No apoyado - 0";
                                        // may hold more rows than numVanos - 1
    DatosGenerales datos;
    std::vector<CargaConcentrada> cargas;  // span-load grid rows, in grid order
    std::vector<CargaNudo> cargasNudo;     // node-load grid rows, in grid order
    std::string encabezado;                // report page header
    std::string piePagina;                 // report page footer
    std::string calculo;                   // report title block: who calculated ("Calculó:")
    std::string reviso;                    // and who checked ("Revisó:")
    // Slabs.
    std::string archivoLosas;                // path of the slab file in use; empty when none
    std::optional<ArchivoLosasDatos> losas;  // its contents, once read
    std::string direccionViga = "X";         // "Direccion de la viga"
    bool incluyePesoLosa = true;             // "SI" (true) / "NO" (false)
    std::vector<AsignacionLosa> asignacion;  // one row per span
    // Chosen steel shape, resolved by the caller (see PerfilAcero).
    std::optional<PerfilAcero> perfil;
};

// A new project: one span of 1.0 m with the global section, both ends "Apoyado".
Proyecto ProyectoNuevo();

// Number of concentrated loads of span `vano` (1-based) in the span-load grid.
int NumCargas(const Proyecto& p, int vano);
// Number of node-load rows that count (node number > 0).
int NumCargasNudo(const Proyecto& p);
// Whether a slab file is in use (its path is not blank).
bool UsaLosas(const Proyecto& p);
// Support condition of interior node j (2..numVanos): 1 supported, 0 free.
// Rows missing from the list count as supported.
int CondicionInterior(const Proyecto& p, int nudo);

}  // namespace trabelux
