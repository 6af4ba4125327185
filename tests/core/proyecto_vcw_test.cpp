// The project file: exact bytes written, files read back (ours and older ones), and
// every malformed file refused with the line that is wrong.
#include "core/archivos/proyecto_vcw.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <tuple>

#include "core/archivos/abre_proyecto.h"
#include "core/archivos/lector_valores.h"
#include "core/calculo/calcula.h"
#include "core/derivados/actualiza_derivados.h"
#include "core/reporte/composicion.h"
#include "core/reporte/superficie_grabadora.h"
#include "core/texto/numeros.h"

using namespace trabelux;

namespace {

const LectorArchivo kSinArchivos = [](const std::string&) { return std::nullopt; };

std::string LeeDatos(const std::string& nombre) {
    std::ifstream f(std::string(TRABELUX_TEST_DATA) + "/" + nombre, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

// The bytes opened as a project whose slab file `losas` reads.
Resultado<ProyectoAbierto> Abre(const std::string& bytes, const std::string& ruta,
                                const LectorArchivo& losas = kSinArchivos) {
    return LeeProyecto(bytes, ruta, {{}, losas, {}});
}

Proyecto Lee(const std::string& bytes, const LectorArchivo& losas = kSinArchivos) {
    Resultado<ProyectoAbierto> r = Abre(bytes, "p.vcw", losas);
    EXPECT_TRUE(r) << r.mensaje;
    return r ? r.valor->proyecto : Proyecto{};
}

// Third line of the reader's error ("Linea N: ..."), or "" when the file was read.
std::string LineaDelError(const std::string& bytes) {
    Resultado<ProyectoAbierto> r = Abre(bytes, "p.vcw");
    if (r) return "";
    return r.mensaje.substr(r.mensaje.rfind('\n') + 1);
}

// Two concrete spans, fixed at the left: small enough to write out by hand.
Proyecto ProyectoPequeno() {
    Proyecto p = ProyectoNuevo();
    p.numVanos = 2;
    p.datos.calculaPesoPropio = false;
    const Vano primero = p.vanos[0];
    p.vanos.resize(2, primero);
    p.vanos[0].longitud = 5;
    p.vanos[1].longitud = 4.5;
    for (auto& v : p.vanos) {
        v.cargaMuerta = 2;
        v.cargaViva = 1;
    }
    p.apoyoIzquierdo = CondicionExtremo::kEmpotrado;
    p.apoyosInteriores = {1};
    p.cargasNudo = {{2, -1.5, 0}};
    p.cargas = {{2, 2.25, 3}};
    p.encabezado = "Viga V1, eje A";
    p.piePagina = "Hoja 1";
    ActualizaDerivados(p);
    return p;
}

}  // namespace

TEST(EscribeProyectoVcw, WritesTheExactBytesOfASmallProject) {
    const std::string esperado =
        "V1,  2   4   3 \r\n"
        "180 2800 5  1  20.0 40.0 1.000  0   0   0  2030000  0 \r\n"
        "-1   0   0  1.4 1.7 2.4\r\n"
        " 5   20   40   0.001066666666666667   2   1   4.5   0 \r\n"
        " 4.5   20   40   0.001066666666666667   2   1   4.5   1 \r\n"
        " 1   1 \r\n"
        " 1   0 \r\n"
        " 1   0 \r\n"
        " 2  -1.5   0 \r\n"
        " 2   3   2.25 \r\n"
        "Viga V1, eje A\r\n"
        "Hoja 1\r\n"
        " \r\n";
    EXPECT_EQ(EscribeProyectoVcw(ProyectoPequeno()), esperado);
}

TEST(ProyectoVcw, WriteReadWriteGivesTheSameBytes) {
    std::vector<Proyecto> proyectos;
    proyectos.push_back(ProyectoNuevo());
    proyectos.push_back(ProyectoPequeno());
    {
        // Steel with its shape line, total loads, odd precisions and loads everywhere.
        Proyecto p = ProyectoPequeno();
        p.nombreViga = "V-3, eje B";
        p.numVanos = 3;
        const Vano primero = p.vanos[0];
        p.vanos.resize(3, primero);
        p.vanos[2].longitud = 1.0 / 3.0;
        p.vanos[1].cargaMuerta = 1.0 / 3.0;
        p.vanos[1].cargaViva.reset();
        p.datos.material = Material::kAcero;
        p.datos.familiaPerfil = 1;
        p.datos.designacionPerfil = 17;
        p.datos.opcionInercia = OpcionInercia::kOtra;
        p.vanos[0].inercia = 1.0 / 3000.0;
        p.datos.usaCargaTotal = true;
        p.datos.base = "20.05";
        p.datos.longitud = "2.0004";
        p.datos.cargaMuerta = "0.1234567";
        p.datos.moduloE = "2.00E + 06";
        p.apoyoIzquierdo = CondicionExtremo::kNoApoyado;
        p.apoyoDerecho = CondicionExtremo::kEmpotrado;
        p.apoyosInteriores = {0, 1};
        p.cargasNudo = {{4, 1.0 / 7.0, -2.5}, {0, 9, 9}, {1, 0, 1e-9}};
        p.cargas = {{3, 1.0 / 3.0, 1.0 / 7.0}, {1, 0, 2}, {1, 5, 0.5}, {3, 0.1, 1}};
        p.encabezado = "Proyecto: edificio, nivel 2, eje B";
        p.reviso = "Ing. María Núñez";  // only one of the two names
        ActualizaDerivados(p);
        proyectos.push_back(p);
    }
    {
        // "Otro": the typed self weight lives only in the stored last column.
        Proyecto p = ProyectoNuevo();
        p.datos.material = Material::kOtro;
        p.vanos[0].pesoPropio = 1.0 / 3.0;
        p.vanos[0].cargaMuerta = 0.1;
        p.vanos[0].cargaViva = 0.7;
        p.datos.moduloE = "217370.6";
        ActualizaDerivados(p);
        proyectos.push_back(p);
    }
    {
        // A slab file in use (it is missing here, so the stored loads stay).
        Proyecto p = ProyectoPequeno();
        p.archivoLosas = "C:\\losas\\piso 1.Los";
        p.direccionViga = "Y";
        p.incluyePesoLosa = false;
        p.asignacion = {{1, 2, 0.135}, {0, 3, 1.0 / 3.0}};
        p.calculo = "Ing. M. Quispe";  // the names follow the slab assignment
        p.reviso = "Ing. R. Díaz";
        ActualizaDerivados(p);
        proyectos.push_back(p);
    }
    {
        // The span was shortened after its load was placed: what the program saved must open.
        Proyecto p = ProyectoNuevo();
        p.vanos[0].longitud = 4.0;
        p.cargas.push_back(CargaConcentrada{1, 5.0, 2.0});
        ActualizaDerivados(p);
        proyectos.push_back(p);
    }
    // Values come back as they were set, not only in a form that writes the same bytes.
    auto Campos = [](const Proyecto& p) {
        const DatosGenerales& d = p.datos;
        return std::tie(p.nombreViga, p.encabezado, d.familiaPerfil, d.designacionPerfil, d.base,
                        d.longitud, d.usaCargaTotal, p.apoyoIzquierdo, p.apoyoDerecho,
                        p.apoyosInteriores, p.archivoLosas, p.direccionViga, p.calculo, p.reviso);
    };
    for (size_t k = 0; k < proyectos.size(); ++k) {
        std::string primera = EscribeProyectoVcw(proyectos[k]);
        Proyecto leido = Lee(primera);
        EXPECT_EQ(EscribeProyectoVcw(leido), primera) << "project " << k;
        EXPECT_EQ(Campos(leido), Campos(proyectos[k])) << "project " << k;
        for (size_t i = 0; i < leido.vanos.size(); ++i)
            EXPECT_EQ(std::tie(leido.vanos[i].longitud, leido.vanos[i].inercia),
                      std::tie(proyectos[k].vanos[i].longitud, proyectos[k].vanos[i].inercia));
    }

    Proyecto acero = Lee(EscribeProyectoVcw(proyectos[2]));
    EXPECT_EQ(acero.datos.moduloE, "2.00E+06");
    EXPECT_EQ(acero.datos.cargaMuerta, "0.1234567");
    // Node rows without a node are not stored; loads come back grouped by span.
    ASSERT_EQ(acero.cargasNudo.size(), 2u);
    EXPECT_EQ(acero.cargasNudo[0].fuerza, 1.0 / 7.0);
    ASSERT_EQ(acero.cargas.size(), 4u);
    EXPECT_EQ(acero.cargas[0].vano, 1);
    EXPECT_EQ(acero.cargas[2].distancia, 1.0 / 3.0);

    Proyecto otro = Lee(EscribeProyectoVcw(proyectos[3]));
    ASSERT_TRUE(otro.vanos[0].pesoPropio.has_value());
    EXPECT_NEAR(*otro.vanos[0].pesoPropio, 1.0 / 3.0, 1e-12);
    EXPECT_EQ(otro.vanos[0].cargaUltima, proyectos[3].vanos[0].cargaUltima);
    EXPECT_EQ(otro.datos.moduloE, "217371");  // the file keeps whole numbers only
    EXPECT_EQ(Lee(EscribeProyectoVcw(proyectos.back())).cargas[0].distancia, 5.0);
}

TEST(LeeArchivo, ReadsAFileOfTheOlderProgram) {
    Proyecto p = Lee(LeeDatos("antiguo.vcw"));
    EXPECT_EQ(p.nombreViga, "VIGA EJE 3");
    EXPECT_EQ(p.calculo + p.reviso, "");
    ASSERT_EQ(p.numVanos, 3);
    ASSERT_EQ(p.vanos.size(), 3u);
    EXPECT_EQ(std::tie(p.datos.fc, p.datos.recub, p.datos.cargaMuerta, p.datos.cargaViva,
                       p.datos.moduloE),
              std::make_tuple("210", "4", "0.500", "0.250", "2188264"));
    EXPECT_EQ(p.datos.opcionInercia, OpcionInercia::kOtra);
    EXPECT_TRUE(p.datos.calculaPesoPropio);
    EXPECT_FALSE(p.datos.usaCargaTotal);
    EXPECT_EQ(p.vanos[0].longitud, 2.5);
    EXPECT_EQ(p.vanos[0].inercia, 1.066667e-3);
    EXPECT_EQ(p.vanos[2].inercia, 2.604167e-3);
    EXPECT_EQ(p.vanos[0].cargaMuerta, 0.5);
    EXPECT_EQ(p.vanos[1].cargaViva, 0.75);
    EXPECT_EQ(std::tie(p.apoyoIzquierdo, p.apoyoDerecho, p.apoyosInteriores),
              std::make_tuple(CondicionExtremo::kNoApoyado, CondicionExtremo::kEmpotrado,
                              std::vector<int>{1, 0}));
    ASSERT_EQ(p.cargasNudo.size(), 1u);
    EXPECT_EQ(p.cargasNudo[0].fuerza, -1);
    ASSERT_EQ(p.cargas.size(), 2u);
    EXPECT_EQ(std::tie(p.cargas[1].vano, p.cargas[1].carga, p.cargas[1].distancia),
              std::make_tuple(2, 4.0, 4.5));
    EXPECT_EQ(p.encabezado, "VIGA EJE 3, NIVEL +3.00, ÑANDÚ");
    EXPECT_EQ(p.piePagina, "Calculo: Ing. Pérez");
    EXPECT_FALSE(UsaLosas(p));
    // Derived values are brought up to date: 25 x 50 cm of concrete at 2.4 t/m3.
    ASSERT_TRUE(p.vanos[0].pesoPropio.has_value());
    EXPECT_NEAR(*p.vanos[0].pesoPropio, 0.3, 1e-12);
}

TEST(LeeArchivo, KeepsTheSlabAssignmentWhenTheSlabFileIsMissing) {
    std::vector<std::string> pedidos;
    LectorArchivo lector = [&](const std::string& ruta) -> std::optional<std::string> {
        pedidos.push_back(ruta);
        return std::nullopt;
    };
    Resultado<ProyectoAbierto> r = Abre(LeeDatos("con_losas.vcw"), "con_losas.vcw", lector);
    ASSERT_TRUE(r) << r.mensaje;
    const Proyecto& p = r.valor->proyecto;
    const std::string ruta = "C:\\PROYECTOS\\losas piso 2.Los";
    EXPECT_EQ(pedidos, std::vector<std::string>{ruta});
    EXPECT_EQ(r.valor->aviso, "El archivo de losas:\n" + ruta + "\nNo fue encontrado");
    EXPECT_EQ(p.archivoLosas, ruta);
    EXPECT_FALSE(p.losas.has_value());
    EXPECT_EQ(p.direccionViga, "Y");
    EXPECT_FALSE(p.incluyePesoLosa);
    ASSERT_EQ(p.asignacion.size(), 2u);
    const AsignacionLosa &a = p.asignacion[0], &b = p.asignacion[1];
    EXPECT_EQ(std::tie(a.primera, a.segunda, a.espesorProm), std::make_tuple(1, 2, 0.135));
    EXPECT_EQ(std::tie(b.segunda, b.espesorProm), std::make_tuple(0, 0.15));  // empty: no slab
    // The steel line was read because the material just read is "Acero".
    EXPECT_EQ(std::tie(p.datos.material, p.datos.familiaPerfil, p.datos.designacionPerfil,
                       p.datos.pesoUnitario),
              std::make_tuple(Material::kAcero, 1, 12, "7.85"));
    EXPECT_EQ(p.encabezado, " ");
    EXPECT_EQ(p.piePagina, "");

    // A slab file that exists but cannot be read: its reader's message is the notice.
    Resultado<ProyectoAbierto> m =
        Abre(LeeDatos("con_losas.vcw"), "x", [](const std::string&) { return "basura"; });
    ASSERT_TRUE(m) << m.mensaje;
    const std::string& aviso = m.valor->aviso;
    EXPECT_EQ(aviso.rfind("No se pudo leer el archivo de losas:\n" + ruta, 0), 0u) << aviso;
    EXPECT_EQ(m.valor->proyecto.asignacion.size(), 2u);
}

TEST(LeeArchivo, RefusesMalformedFilesNamingTheLine) {
    // A concrete one-span file; each case replaces one line (1-based) of it.
    const std::vector<std::string> base = {
        "V1,  1   2   2 ",
        "180 2800 5  0  20.0 40.0 1.000  0   0   0  2030000  0 ",
        "-1   0   1  1.4 1.7 2.4",
        " 6   20   40   0.001   1   1   3   1 ",
        " 1   0 ",
        " 1   0 ",
        " 1   2   3 ",
        "",
        "",
        " ",
    };
    struct Caso {
        int linea;
        const char* texto;
        const char* error;
    } casos[] = {
        {1, "V1,  0   2   2 ",
         "Linea 1: el numero de vanos debe estar entre 1 y 20 (se leyo \"0\")"},
        {1, "V1,  21   2   2 ",
         "Linea 1: el numero de vanos debe estar entre 1 y 20 (se leyo \"21\")"},
        {1, "V1  1   2   2 ", "Linea 1: se esperaba el nombre de la viga, una coma y tres numeros"},
        {2, "180 2800 5  0  20.0 40.0 1.000  0   0   3  2030000  0 ",
         "Linea 2: el material debe estar entre 0 y 2 (se leyo \"3\")"},
        {2, "180 2800 5  0  20.0 40.0 1.000  0   0   0  2030000 ",
         "Linea 3: la opcion de inercia debe estar entre 0 y 1 (se leyo \"-1\")"},
        {4, "-6   20   40   0.001   1   1   3   1 ",
         "Linea 4: la longitud del vano 1 no puede ser menor que 0"},
        {4, " 1E300   20   40   0.001   1   1   3   1 ",
         "Linea 4: la longitud del vano 1 es demasiado grande"},
        {4, " 6   20   40   0.001  -1   1   3   1 ",
         "Linea 4: la carga muerta del vano 1 no puede ser menor que 0"},
        {4, " 6   2O   40   0.001   1   1   3   1 ",
         "Linea 4: la base del vano 1 no es un numero valido"},
        {4, " 6   20   40   0.001   1   1   3   21 ",
         "Linea 4: el numero de cargas del vano 1 debe estar entre 0 y 20"},
        {5, " 1   2 ", "Linea 5: la restriccion de giro del nudo 1 debe estar entre 0 y 1"},
        {7, " 21   2   3 ", "Linea 7: el vano de la carga debe estar entre 1 y 1"},
        // A one-span beam has no span 2: its load would be dropped silently.
        {7, " 2   2   3 ", "Linea 7: el vano de la carga debe estar entre 1 y 1 (se leyo \"2\")"},
        {7, " 1   2  -0.5 ", "Linea 7: la distancia de la carga no puede ser menor que 0"},
        // The values run on over the blank text lines to the end of the file.
        {7, " 1   2 ", "Linea 11: el archivo termina antes de tiempo"},
    };
    for (const auto& c : casos) {
        std::vector<std::string> lineas = base;
        lineas[c.linea - 1] = c.texto;
        std::string bytes;
        for (const auto& l : lineas) bytes += l + "\r\n";
        std::string error = LineaDelError(bytes);
        EXPECT_EQ(error.substr(0, std::string(c.error).size()), c.error) << c.texto;
    }

    Resultado<ProyectoAbierto> r = Abre("V1,  1   2   2 \r\n", "C:\\vigas\\v1.vcw");
    EXPECT_FALSE(r);
    EXPECT_EQ(r.mensaje,
              "No se pudo leer el archivo:\nC:\\vigas\\v1.vcw\n"
              "Linea 2: el archivo termina antes de tiempo");
}

TEST(LeeArchivo, RefusesMoreThanTwentyLoadsInASpan) {
    // Span 1 says 20 loads and span 2 one more, but that one also names span 1.
    std::string b =
        "V1,  2   3   3 \r\n180 2800 5  0  20.0 40.0 1.000  0   0   0  2030000  0 \r\n"
        "-1   0   1  1.4 1.7 2.4\r\n 6 20 40 0.001 1 1 3 20\r\n 6 20 40 0.001 1 1 3 1\r\n"
        " 1 0\r\n 1 0\r\n 1 0\r\n";
    for (int k = 0; k < 21; ++k) b += " 1   2   3 \r\n";
    b += "\r\n\r\n \r\n";
    EXPECT_EQ(LineaDelError(b), "Linea 29: el vano 1 tiene mas de 20 cargas concentradas");
}

TEST(LeeArchivo, NeverFailsSilentlyOnCutOrGarbledFiles) {
    auto Comprueba = [](const std::string& bytes) {
        Resultado<ProyectoAbierto> r = Abre(bytes, "r.vcw");
        if (r) {
            EXPECT_TRUE(r.mensaje.empty());
            EXPECT_GE(r.valor->proyecto.numVanos, 1);
            EXPECT_EQ(r.valor->proyecto.vanos.size(),
                      static_cast<size_t>(r.valor->proyecto.numVanos));
        } else {
            EXPECT_EQ(r.mensaje.rfind("No se pudo leer el archivo:\nr.vcw\nLinea ", 0), 0u)
                << r.mensaje;
        }
        return r.valor.has_value();
    };
    Proyecto p = ProyectoPequeno();
    p.archivoLosas = "l.Los";
    p.asignacion = {{1, 2, 0.1}, {2, 1, 0.2}};
    const std::string completo = EscribeProyectoVcw(p);
    int leidos = 0;
    for (size_t n = 0; n <= completo.size(); ++n) leidos += Comprueba(completo.substr(0, n));
    // Only the whole file, or the file cut inside the line end of its last line. (Garbled
    // files are the fuzz target's: it checks the same promises on every input.)
    EXPECT_EQ(leidos, 3);
    Comprueba(std::string("\0\xff\r\n,,,\n", 8));
}

// The options block: written after the names only when an option differs from its
// default, so the bytes before it are those of the same project without options -- what
// older versions read (the names' version reads the two name lines, empty when unset, and
// the one before it stops even earlier).
TEST(LeeArchivo, OptionsBlockFollowsTheNamesAndOlderReadersStopBeforeIt) {
    const auto conOpciones = [](Proyecto p) {
        p.datos.alternancia = AlternanciaCargaViva::kRigurosa;
        p.datos.duracion = DuracionCarga::kDoceMeses;
        p.datos.vivaSostenida = "25";
        p.datos.limite = LimiteDeflexion::kPiso360;
        p.datos.largoComercial = "12";
        p.opcionesDesconocidas = {"COLOR azul"};
        return p;
    };
    Proyecto nombres = ProyectoPequeno();
    nombres.calculo = "Ing. A";
    Proyecto losas = ProyectoPequeno();
    losas.archivoLosas = "C:\\losas.Los";
    losas.asignacion = {{1, 2, 0.1}, {0, 0, 0}};
    for (const Proyecto& base : {ProyectoPequeno(), nombres, losas}) {
        const std::string sin = EscribeProyectoVcw(base),
                          con = EscribeProyectoVcw(conOpciones(base));
        ASSERT_EQ(con.rfind(sin, 0), 0u);
        const std::string nombresYBloque =
            base.calculo.empty() && base.reviso.empty() ? "\r\n\r\nOPCIONES\r\n" : "OPCIONES\r\n";
        EXPECT_EQ(con.substr(sin.size()).rfind(nombresYBloque, 0), 0u) << con.substr(sin.size());
        const Proyecto leido = Lee(con);
        EXPECT_EQ(EscribeProyectoVcw(leido), con);
        EXPECT_EQ(std::tie(leido.calculo, leido.reviso), std::tie(base.calculo, base.reviso));
        const DatosGenerales& d = leido.datos;
        EXPECT_EQ(std::tie(d.alternancia, d.duracion, d.vivaSostenida, d.limite, d.largoComercial,
                           leido.opcionesDesconocidas),
                  std::make_tuple(AlternanciaCargaViva::kRigurosa, DuracionCarga::kDoceMeses,
                                  std::string("25"), LimiteDeflexion::kPiso360, std::string("12"),
                                  std::vector<std::string>{"COLOR azul"}));
        EXPECT_EQ(Lee(sin).datos.alternancia, AlternanciaCargaViva::kNinguna);
    }
    EXPECT_EQ(EscribeProyectoVcw(conOpciones(ProyectoPequeno()))
                  .substr(EscribeProyectoVcw(ProyectoPequeno()).size()),
              "\r\n\r\nOPCIONES\r\nALTERNANCIA 2\r\nDURACION 2\r\nSOSTENIDA 25\r\nLIMITE 2\r\n"
              "LARGO_BARRA 12\r\nCOLOR azul\r\n");

    // Lines after the names without the marker are ignored as they always were; a wrong
    // value names its line.
    const std::string base = EscribeProyectoVcw(nombres);
    const int lineas = static_cast<int>(std::count(base.begin(), base.end(), '\n'));
    EXPECT_EQ(LineaDelError(base + "\r\nnotas sueltas\r\nALTERNANCIA 9\r\n"), "");
    EXPECT_EQ(Lee(base + "\r\n\r\n opciones \r\nalternancia 1\r\n").datos.alternancia,
              AlternanciaCargaViva::kCasosNorma);
    const std::string linea = "Linea " + std::to_string(lineas + 3) + ": ";
    const std::string bloque = base + "\r\nOPCIONES\r\n";
    EXPECT_EQ(LineaDelError(bloque + "ALTERNANCIA 5\r\n"),
              linea + "la alternancia de carga viva debe estar entre 0 y 2 (se leyo \"5\")");
    EXPECT_EQ(LineaDelError(bloque + "DURACION\r\n"),
              linea + "se esperaba un valor despues de DURACION");
    EXPECT_EQ(
        LineaDelError(bloque + "LARGO_BARRA 2.5\r\n"),
        linea + "el largo comercial de las barras no puede ser menor que 3 (se leyo \"2.5\")");
    EXPECT_EQ(LineaDelError(bloque + "SOSTENIDA 101\r\n"),
              linea + "la carga viva sostenida no puede ser mayor que 100 (se leyo \"101\")");
}

// Under a locale whose decimal mark is a comma (the desktop program runs in the user's),
// every example reads, writes, runs and reports exactly as in the "C" locale. Before, the
// point of "1.4" ended the number there: the three-span beam's reactions came out 8.131,
// 36.719, 16.090 instead of 8.399, 35.791, 20.354. The locale is built from the system's
// locale sources when they are installed (Debian's `locales`).
TEST(LeeArchivo, ADecimalCommaLocaleChangesNoNumber) {
    const std::string carpeta = ::testing::TempDir() + "/locales";
    const std::string orden = "mkdir -p '" + carpeta + "' && localedef -i es_PE -f UTF-8 '" +
                              carpeta + "/es_PE.UTF-8' >/dev/null 2>&1";
    if (std::system(orden.c_str()) != 0) GTEST_SKIP() << "localedef or es_PE sources missing";
    setenv("LOCPATH", carpeta.c_str(), 1);

    struct Corrida {
        std::string bytes, informe;
        std::vector<float> reacciones;
    };
    auto corre = [](const std::string& nombre) {
        const std::string ruta = std::string(TRABELUX_EXAMPLES) + "/" + nombre;
        const LectorArchivo leeArchivo = [](const std::string& r) -> std::optional<std::string> {
            std::ifstream f(r, std::ios::binary);
            if (!f) return std::nullopt;
            return std::string(std::istreambuf_iterator<char>(f), {});
        };
        Resultado<ProyectoAbierto> a = AbreProyecto(ruta, {leeArchivo, leeArchivo, {}});
        EXPECT_TRUE(a) << a.mensaje;
        if (!a) return Corrida{};
        const Proyecto& p = a.valor->proyecto;
        OpcionesCalculo o;
        o.preguntaRefuerzoDoble = [](const std::string&) { return true; };
        const Resultados r = Calcula(p, o);
        SuperficieGrabadora s;
        ComponeDocumentoInforme(s, p, &r, nullptr, ConfiguracionInforme{});
        return Corrida{EscribeProyectoVcw(p), s.Volcado(), r.reacciones};
    };
    const char* ejemplos[] = {"tres-vanos.vcw", "viga-losas.vcw", "empotrada.vcw",
                              "alternancia.vcw", "refuerzo-doble.vcw"};
    std::vector<Corrida> enC;
    for (const char* e : ejemplos) enC.push_back(corre(e));

    ASSERT_NE(setlocale(LC_ALL, "es_PE.UTF-8"), nullptr);
    ASSERT_EQ(std::strtod("1.5", nullptr), 1.0);  // the locale does bite
    for (size_t k = 0; k < enC.size(); ++k) {
        const Corrida enComa = corre(ejemplos[k]);
        EXPECT_EQ(enComa.reacciones, enC[k].reacciones) << ejemplos[k];
        EXPECT_EQ(enComa.bytes, enC[k].bytes) << ejemplos[k];
        EXPECT_EQ(enComa.informe, enC[k].informe) << ejemplos[k];
    }
    EXPECT_EQ(LeeNumeroTecleado("1,5"), 1.5);
    EXPECT_EQ(FormateaCientifico(2.03e6), "2.03E+06");
    setlocale(LC_ALL, "C");
}
