// The calculation report: paper sizes and inches, where a single span sits, the design
// bases it states, and properties every composition must have on every paper for beams of
// 1 to 20 spans: every label of its pictures, every text readable, inside the body and
// clear of the others, every table cell whole and no title left alone at a page's foot.
// The golden compositions are recorded through the PDF's fonts (tests/render/).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <random>
#include <set>

#include "core/calculo/calcula.h"
#include "core/derivados/actualiza_derivados.h"
#include "core/detallado/acciones_detallado.h"
#include "core/detallado/despiece.h"
#include "core/detallado/planilla.h"
#include "core/dibujo/geometria_refuerzo.h"
#include "core/reporte/bases_diseno.h"
#include "core/reporte/composicion.h"
#include "core/reporte/papel.h"
#include "core/reporte/partes_texto.h"
#include "core/reporte/superficie_grabadora.h"
#include "core/texto/numeros.h"

using namespace trabelux;

namespace {

Resultados Corre(const Proyecto& p, bool doble = true) {
    OpcionesCalculo o;
    o.preguntaRefuerzoDoble = [doble](const std::string&) { return doble; };
    return Calcula(p, o);
}

// A designed beam of `n` spans 2 to 8 m long with `cargas` concentrated loads a span typed
// in no order, and node loads at some nodes.
struct VigaCalculada {
    Proyecto p;
    Resultados r;
    TablaDetallado t;
};
VigaCalculada Viga(int n, int cargas, unsigned semilla) {
    std::mt19937 azar(semilla);
    auto real = [&azar](double a, double b) {
        return std::round(std::uniform_real_distribution<double>(a, b)(azar) * 100) / 100;
    };
    VigaCalculada v;
    Proyecto& p = v.p;
    p = ProyectoNuevo();
    p.numVanos = n;
    p.vanos.assign(static_cast<size_t>(n), p.vanos[0]);
    p.datos.fc = "210";
    p.datos.fy = "4200";
    for (int i = 0; i < n; ++i) {
        Vano& s = p.vanos[static_cast<size_t>(i)];
        s.longitud = real(2, 8);
        s.base = 30;
        s.altura = 60;
        s.cargaMuerta = real(1, 3);
        s.cargaViva = 1;
        for (int k = 0; k < cargas; ++k)
            p.cargas.push_back({i + 1, real(0, s.longitud), real(-1, 3)});
    }
    std::shuffle(p.cargas.begin(), p.cargas.end(), azar);
    for (int j = 1; j <= n + 1; j += 3) p.cargasNudo.push_back({j, real(-2, 2), real(-1, 1)});
    p.apoyoIzquierdo = CondicionExtremo::kEmpotrado;
    ActualizaDerivados(p);
    v.r = Corre(p);
    EXPECT_TRUE(v.r.Calculado()) << v.r.parada.Mensaje();
    CargaDetallado(v.t, p, v.r);
    return v;
}

size_t Caracteres(const std::string& utf8) {
    return static_cast<size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

Rectangulo Caja(const LlamadaGrabada& l) {
    return {l.puntos[0].x, l.puntos[0].y,
            static_cast<double>(Caracteres(l.texto)) *
                SuperficieGrabadora::AnchoCaracter(l.estilo.tamano),
            l.estilo.tamano * 20 * 1.2};
}

// What a recording does wrong, one line each: a text under kLetraMinima, outside the body
// (header and footer aside) or over another, a drawn point outside the body, a title whose
// first lines (three, or all its section's) are not on its page.
std::vector<std::string> Faltas(const SuperficieGrabadora& s) {
    std::vector<std::string> faltas;
    const Rectangulo cuerpo{
        s.Margen(kMargenIzquierda) - 0.5, s.Margen(kMargenArriba) - 0.5,
        s.AnchoPagina() - s.Margen(kMargenIzquierda) - s.Margen(kMargenDerecha) + 1,
        s.LimiteInferior() - s.Margen(kMargenArriba) + 1};
    auto falta = [&](const LlamadaGrabada& l, const std::string& que) {
        faltas.push_back("p" + std::to_string(l.pagina) + " " + que + ": \"" + l.texto + "\"");
    };
    std::map<int, std::vector<const LlamadaGrabada*>> textos;
    for (const LlamadaGrabada& l : s.Llamadas()) {
        if (l.tipo == LlamadaGrabada::Tipo::kPagina) continue;
        if (l.tipo != LlamadaGrabada::Tipo::kTexto) {
            Poligonal puntos = l.puntos;
            if (l.tipo == LlamadaGrabada::Tipo::kArco)
                for (int k = 0; k <= 8; ++k) {
                    const double a = l.desde + (l.hasta - l.desde) * k / 8;
                    puntos.push_back(l.puntos[0] + Punto{std::cos(a), -std::sin(a)} * l.radio);
                }
            for (Punto q : puntos)
                if (!cuerpo.Contiene(q))
                    falta(l, "dibujo fuera del cuerpo en " + std::to_string(q.x) + "," +
                                 std::to_string(q.y));
            continue;
        }
        const Rectangulo c = Caja(l);
        if (l.estilo.tamano < kLetraMinima) falta(l, "letra menor que 7");
        if (cuerpo.Contiene(c))
            textos[l.pagina].push_back(&l);
        else if (c.Abajo() > cuerpo.Arriba() + 1 && c.Arriba() < cuerpo.Abajo() - 1)
            falta(l, "texto fuera del cuerpo");
    }
    for (const auto& [pagina, lista] : textos)
        for (size_t i = 0; i < lista.size(); ++i)
            for (size_t j = i + 1; j < lista.size(); ++j)
                if (Caja(*lista[i]).Intersecta(Caja(*lista[j])))
                    falta(*lista[i], "sobre \"" + lista[j]->texto + "\"");

    // Titles in order with the lines (page, y) of the body texts under each.
    std::vector<std::pair<const LlamadaGrabada*, std::set<std::pair<int, double>>>> titulos;
    for (const auto& [pagina, lista] : textos)
        for (const LlamadaGrabada* l : lista) {
            if (l->estilo.negrita && l->estilo.tamano == 12)
                titulos.push_back({l, {}});
            else if (!titulos.empty())
                titulos.back().second.insert({l->pagina, l->puntos[0].y});
        }
    for (const auto& [titulo, lineas] : titulos) {
        size_t juntas = 0;
        for (const auto& [pagina, y] : lineas) juntas += pagina == titulo->pagina;
        if (juntas < std::min<size_t>(3, lineas.size())) falta(*titulo, "titulo solo");
    }
    return faltas;
}

// Whether every text of `esperados` is recorded, as many times as it is listed.
std::vector<std::string> Faltantes(const SuperficieGrabadora& s,
                                   std::vector<std::string> esperados) {
    std::multiset<std::string> grabados;
    for (const LlamadaGrabada& l : s.Llamadas())
        if (l.tipo == LlamadaGrabada::Tipo::kTexto) grabados.insert(l.texto);
    std::vector<std::string> faltan;
    for (const std::string& e : esperados) {
        auto it = grabados.find(e);
        if (it == grabados.end())
            faltan.push_back(e);
        else
            grabados.erase(it);
    }
    return faltan;
}

std::string Junta(const std::vector<std::string>& lineas) {
    std::string s;
    for (size_t i = 0; i < lineas.size() && i < 8; ++i) s += "\n  " + lineas[i];
    if (lineas.size() > 8) s += "\n  ... (" + std::to_string(lineas.size()) + ")";
    return s;
}

// Each cell of a table, as the report prints it.
void Celdas(const TablaInforme& t, std::vector<std::string>& celdas) {
    for (const std::string& fila : DivideTexto(t.cuerpo, ';'))
        for (const std::string& celda : DivideTexto(fila, '|'))
            if (!celda.empty()) celdas.push_back(celda);
}

}  // namespace

TEST(PapelInforme, NamesSizesAndInches) {
    int conNombre = 0;
    for (int codigo = 0; codigo < kNumCodigosPapel; ++codigo) {
        if (NombrePapel(codigo).empty()) continue;
        ++conNombre;
        EXPECT_TRUE(TamanoPapel(codigo)) << codigo;
    }
    EXPECT_EQ(conNombre, 66);  // 0, 48 and 49 have no name
    EXPECT_FALSE(TamanoPapel(0));
    EXPECT_EQ(NombrePapel(69), "");

    const struct {
        int codigo;
        double ancho, alto;
    } tamanos[] = {{1, 12240, 15840},
                   {5, 12240, 20160},
                   {8, 16838, 23811},
                   {9, 11906, 16838},
                   {11, 8391, 11906}};
    for (const auto& t : tamanos) {
        ConfiguracionInforme c;
        c.papel = t.codigo;
        EXPECT_EQ(TamanoHoja(c).ancho, t.ancho) << t.codigo;
        c.horizontal = true;
        EXPECT_EQ(TamanoHoja(c).ancho, t.alto) << t.codigo;
    }

    for (auto [twips, texto] : {std::pair{1440.0, "1\""},
                                {1080.0, "0.75\""},
                                {2160.0, "1.5\""},
                                {720.0, "0.5\""},
                                {0.0, "0\""}})
        EXPECT_EQ(EnPulgadas(twips), texto);
}

TEST(ComponeInforme, SingleSpanSitsInTheMiddleThirdAndKeepsItsSupportSteel) {
    // One fixed-fixed span of 5 m under 2 t/m, b 20, h 40, cover 5, Fy 2800.
    Proyecto p = ProyectoNuevo();
    p.vanos[0].longitud = 5;
    p.vanos[0].cargaMuerta = 2;
    p.datos.recub = "5";
    p.datos.fy = "2800";
    p.apoyoIzquierdo = p.apoyoDerecho = CondicionExtremo::kEmpotrado;
    ActualizaDerivados(p);
    const Resultados r = Corre(p);
    ASSERT_TRUE(r.Calculado()) << r.parada.Mensaje();
    SuperficieGrabadora s;
    ComponeDocumentoInforme(s, p, &r, nullptr, ConfiguracionInforme{});
    bool apoyos = false;
    for (const auto& l : s.Llamadas()) apoyos = apoyos || l.texto == "Refuerzo en apoyos";
    EXPECT_TRUE(apoyos);
    // The minimum steel of a span 20 x 40 with cover 5 and Fy 2800.
    EXPECT_NE(TablaRefuerzoVanos(p, r).cuerpo.find("|3.50;"), std::string::npos);
    // Letter with inch margins: 9360 twips between the margins.
    const MarcoVigaPagina uno = MarcoViga(s, 1, 2440);
    EXPECT_DOUBLE_EQ(uno.x1, 1440 + 3120);
    EXPECT_DOUBLE_EQ(uno.x2, 1440 + 6240);
    const MarcoVigaPagina dos = MarcoViga(s, 2, 2440);
    EXPECT_DOUBLE_EQ(dos.x1, 1440 + 468);
    EXPECT_DOUBLE_EQ(dos.x2, 1440 + 8892);
}

TEST(ComponeInforme, DesignBasesStateWhatTheRunApplied) {
    // F'c 210 and the program's Es: Ec = 15100 x 14.491 = 218820, n = 2039000 / 218820.
    Proyecto p = Viga(2, 1, 1).p;
    auto bases = [](const Proyecto& q, bool doble) {
        const Resultados r = Corre(q, doble);
        std::string texto;
        for (const std::string& l : ParrafosBasesDiseno(q, &r)) texto += l + "\n";
        return texto;
    };
    const std::string hormigon = bases(p, true);
    for (const char* dicho :
         {"flexión φ = 0.90; cortante φ = 0.85", "Ec = 15100 √F'c = 218820 Kg/cm2",
          "Es = 2039000 Kg/cm2; n = Es / Ec = 9.32",
          "W. Ultima = 1.4 (P. Propio + C. muerta) + 1.7 C. Viva", "peso unitario 2.4 To/m3",
          "As mín = 14 b d / Fy", "cuantía máxima 0.75 ρb",
          "Recubrimiento, de la cara al centroide del refuerzo: 5 cm"})
        EXPECT_NE(hormigon.find(dicho), std::string::npos) << dicho;
    EXPECT_EQ(hormigon.find("refuerzo doble"), std::string::npos);

    // A long span that asks for compression steel, answered yes; total loads.
    Proyecto largo = p;
    largo.vanos[0].longitud = 14;
    largo.datos.usaCargaTotal = true;
    largo.datos.factorMuerta = largo.datos.factorViva = "1.0";
    ActualizaDerivados(largo);
    const std::string doble = bases(largo, true);
    EXPECT_NE(doble.find("refuerzo doble (acero en compresión), aceptado"), std::string::npos);
    EXPECT_NE(
        doble.find("W. Ultima = 1 (P. Propio + C.U. total) + 1 C. Viva (Usa carga ultima total)"),
        std::string::npos)
        << doble;

    Proyecto acero = p;
    acero.datos.material = Material::kAcero;
    const std::string soloAnalisis = bases(acero, true);
    EXPECT_NE(soloAnalisis.find(TextoDisenoSoloHormigon(acero)), std::string::npos);
    EXPECT_EQ(soloAnalisis.find("φ"), std::string::npos);
}

// Each picture of a beam of 1 to 20 spans with 0 to 20 loads a span, on its own on Letter:
// every label it must have is there, inside the body and clear of the others.
TEST(DibujosInforme, NothingIsLeftOutOfALongBeam) {
    const ConfiguracionInforme c;
    for (int n = 1; n <= kMaxVanos; ++n)
        for (int cargas = 0; cargas <= kMaxCargasPorVano; ++cargas) {
            SCOPED_TRACE(std::to_string(n) + " vanos, " + std::to_string(cargas) + " cargas");
            const VigaCalculada v = Viga(n, cargas, static_cast<unsigned>(100 * n + cargas));
            const Proyecto& p = v.p;
            std::vector<std::string> nudos;
            for (int j = 1; j <= n + 1; ++j) nudos.push_back(std::to_string(j));
            std::vector<std::string> cargasEsperadas = nudos, refuerzo = nudos;
            for (const Vano& s : p.vanos) {
                cargasEsperadas.push_back(Formatea(s.longitud, "0.00"));
                refuerzo.push_back(Formatea(s.longitud, "0.00"));
            }
            for (const CargaConcentrada& q : p.cargas)
                cargasEsperadas.push_back(Formatea(q.carga, "0.00"));
            for (const CargaNudo& q : p.cargasNudo)
                for (double valor : {q.fuerza, q.momento})
                    if (valor != 0) cargasEsperadas.push_back(Formatea(valor, "0.00"));
            Despiece piezas = CalculaDespiece(p, v.r, v.t);
            ComponePlanilla(piezas, p);
            for (const Pieza& pz : piezas.piezas)
                if (pz.clase != ClaseBarra::kEstribo) refuerzo.push_back(EtiquetaPieza(pz));
            for (const FilaDetallado& f : v.t.filas)
                refuerzo.push_back(f.sec.substr(0, f.sec.find('-')));
            refuerzo.erase(std::remove(refuerzo.begin(), refuerzo.end(), ""), refuerzo.end());

            const struct {
                const char* nombre;
                std::function<void(SuperficieGrabadora&)> dibuja;
                std::vector<std::string> esperados;
            } dibujos[] = {
                {"cargas", [&](SuperficieGrabadora& s) { DibujaCargasInforme(s, p); },
                 cargasEsperadas},
                {"cortante",
                 [&](SuperficieGrabadora& s) {
                     DibujaDiagramaInforme(s, c, Magnitud::kCortante, p, v.r,
                                           EscalaDiagrama(v.r.maxCortante), {});
                 },
                 nudos},
                {"momento",
                 [&](SuperficieGrabadora& s) {
                     DibujaDiagramaInforme(s, c, Magnitud::kMomento, p, v.r,
                                           EscalaDiagrama(v.r.maxMomento), {});
                 },
                 nudos},
                {"refuerzo",
                 [&](SuperficieGrabadora& s) { DibujaRefuerzoInforme(s, p, v.t, piezas, {}); },
                 refuerzo},
            };
            for (const auto& d : dibujos) {
                SuperficieGrabadora s;
                EmpiezaInforme(s, c);
                UsaEstiloTexto(s, c);
                d.dibuja(s);
                s.TerminaDocumento();
                EXPECT_EQ(Junta(Faltantes(s, d.esperados)), "") << d.nombre;
                EXPECT_EQ(Junta(Faltas(s)), "") << d.nombre;
            }
        }
}

// The whole report of beams of 1..20 spans (the largest with 20 loads a span) on every
// paper in both orientations: its texts readable, inside the body and clear of each other, every
// table cell whole, no title alone.
TEST(InformeEnPapel, EveryPaperKeepsEveryTextWholeInsideTheBodyAndClearOfTheOthers) {
    std::vector<VigaCalculada> vigas;
    for (int n = 1; n <= kMaxVanos; ++n)
        vigas.push_back(Viga(n, n == kMaxVanos ? kMaxCargasPorVano : n % 6, n));
    int papeles = 0;
    for (int codigo = 1; codigo < kNumCodigosPapel; ++codigo) {
        if (!TamanoPapel(codigo)) continue;
        ++papeles;
        for (bool horizontal : {false, true}) {
            ConfiguracionInforme c;
            c.papel = codigo;
            c.horizontal = horizontal;
            c.diagramas = OpcionDiagramas::kCortanteMomento;
            c.refuerzo = true;
            c.fecha = "15/03/2024";
            for (const VigaCalculada& v : vigas) {
                SCOPED_TRACE(NombrePapel(codigo) + (horizontal ? " horizontal, " : ", ") +
                             std::to_string(v.p.numVanos) + " vanos");
                SuperficieGrabadora s;
                ComponeDocumentoInforme(s, v.p, &v.r, &v.t, c);
                std::vector<std::string> celdas;
                for (const TablaInforme& t :
                     {TablaDatosVanos(v.p), TablaCargasVanos(v.p), TablaCargasNudos(v.p),
                      TablaReacciones(v.r), TablaCortantesMomentos(v.r), TablaRefuerzoApoyos(v.r),
                      TablaRefuerzoVanos(v.p, v.r), TablaRefuerzoTransversal(v.r),
                      TablaDetalleRefuerzo(v.t)})
                    Celdas(t, celdas);
                EXPECT_EQ(Junta(Faltantes(s, celdas)), "");
                const auto faltas = Faltas(s);
                EXPECT_EQ(Junta(faltas), "");
                if (!faltas.empty()) return;  // one paper's report is enough to read
            }
        }
    }
    EXPECT_EQ(papeles, 66);
}
