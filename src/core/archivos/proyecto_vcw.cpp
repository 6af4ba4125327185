// The project file: the writer turns a project into its lines, the reader takes the values
// in order wherever the lines break, checks each and builds a fresh project, or names the
// line of the value that is wrong.
#include "core/archivos/proyecto_vcw.h"

#include <cfloat>
#include <cmath>
#include <initializer_list>

#include "core/archivos/lector_valores.h"
#include "core/modelo/rango.h"
#include "core/modelo/reglas_datos_generales.h"
#include "core/texto/codificacion.h"
#include "core/texto/numeros.h"

namespace trabelux {

namespace {

constexpr const char* kFinLinea = "\r\n";
constexpr double kMax = LectorValores::kMagnitudMaxima;
// Values the program derives (inertia, the load the analysis uses, the modulus, the
// average slab thickness) can grow past what anyone types from inputs within kMax; a
// file the program wrote must read back, so these only need to be finite.
constexpr double kMaxDerivado = 1e300;

// ---- Forms shared by the writer and the reader -------------------------------------

// Width, depth and length are shown with a fixed number of decimals. The formatted text
// is kept only when it loses nothing; otherwise the text stays as typed. Both sides use
// this so that saving what was read writes the same bytes again.
std::string NormalizaMedida(const std::string& texto, const char* patron) {
    double v = LeeNumero(texto);
    std::string f = Formatea(v, patron);
    return LeeNumero(f) == v ? f : texto;
}

// The global dead and live loads are numbers in the file and texts in the project.
std::string TextoCarga(double v) {
    std::string f = Formatea(v, "0.000");
    return LeeNumero(f) == v ? f : TextoCorto(v);
}

// The file holds the modulus as a whole number; the project shows it in scientific form
// when that form stands for the same whole number, so no precision is lost on reading.
std::string ModuloArchivo(const std::string& texto) { return Formatea(LeeNumero(texto), "0"); }

std::string ModuloLeido(double v) {
    std::string cientifico = FormateaCientifico(v);
    return ModuloArchivo(cientifico) == Formatea(v, "0") ? cientifico : TextoCorto(v);
}

// ---- Writer -------------------------------------------------------------------------

// A line break inside a text would split its line and shift every line after it.
std::string UnaLinea(std::string texto) {
    for (char& c : texto)
        if (c == '\r' || c == '\n') c = ' ';
    return texto;
}

// The report's header and footer may hold several lines; each must stay on one line of
// the file. A line break is written as "\n"; the backslashes just before a break or
// before a literal "n" are doubled, so they read back as typed. Any other backslash
// ("C:\Obras", "\\servidor") is written and read as it stands, so a file whose texts
// have one line reads as it always did, unless a text of it had a backslash right before
// an "n" ("C:\nuevo"), which now reads as a line break.
std::string EscapaLineas(const std::string& texto) {
    std::string r;
    for (size_t i = 0; i < texto.size();) {
        size_t k = 0;
        while (i + k < texto.size() && texto[i + k] == '\\') ++k;
        const size_t sigue = i + k;
        const char c = sigue < texto.size() ? texto[sigue] : '\0';
        const bool salto = c == '\r' || c == '\n';
        if (salto || (c == 'n' && k > 0)) {
            r.append(2 * k, '\\');
            r += salto ? "\\n" : "n";
        } else {
            r.append(k, '\\');
            if (sigue < texto.size()) r += c;
        }
        i = sigue + 1;
        if (c == '\r' && i < texto.size() && texto[i] == '\n') ++i;  // CR LF is one break
    }
    return r;
}

std::string DesescapaLineas(const std::string& linea) {
    std::string r;
    for (size_t i = 0; i < linea.size();) {
        size_t k = 0;
        while (i + k < linea.size() && linea[i + k] == '\\') ++k;
        const size_t sigue = i + k;
        if (k > 0 && sigue < linea.size() && linea[sigue] == 'n') {
            r.append(k / 2, '\\');
            r += k % 2 ? '\n' : 'n';
        } else {
            r.append(k, '\\');
            if (sigue < linea.size()) r += linea[sigue];
        }
        i = sigue + 1;
    }
    return r;
}

// A text value must come back as exactly one value: an empty text or one with blanks
// or commas would move every value after it, so its number is written instead.
std::string Campo(const std::string& texto) {
    if (texto.empty() || texto.find_first_of(" \t,\r\n") != std::string::npos)
        return TextoCorto(LeeNumero(texto));
    return texto;
}

std::string Num(double v) { return NumeroArchivo(v); }

void Linea(std::string& salida, std::initializer_list<std::string> valores) {
    bool primero = true;
    for (const auto& v : valores) {
        if (!primero) salida += ' ';
        salida += v;
        primero = false;
    }
    salida += kFinLinea;
}

// Restraint flags (vertical, rotation) of node j of a beam with `nudos` nodes.
void Restricciones(const Proyecto& p, int j, int nudos, int& vertical, int& giro) {
    vertical = 1;
    giro = 0;
    if (j != 1 && j != nudos) {
        vertical = CondicionInterior(p, j);
        return;
    }
    const CondicionExtremo extremo = j == 1 ? p.apoyoIzquierdo : p.apoyoDerecho;
    if (extremo == CondicionExtremo::kEmpotrado) giro = 1;
    if (extremo == CondicionExtremo::kNoApoyado) vertical = 0;
}

// The lines of the options block for the options that differ from their defaults, in a
// fixed order, then the unknown ones as read; empty when there is nothing to write.
std::vector<std::string> LineasOpciones(const Proyecto& p) {
    const DatosGenerales& d = p.datos;
    const DatosGenerales omision;
    std::vector<std::string> lineas;
    if (d.alternancia != omision.alternancia)
        lineas.push_back("ALTERNANCIA " + std::to_string(static_cast<int>(d.alternancia)));
    if (d.duracion != omision.duracion)
        lineas.push_back("DURACION " + std::to_string(static_cast<int>(d.duracion)));
    if (d.vivaSostenida != omision.vivaSostenida)
        lineas.push_back("SOSTENIDA " + Campo(d.vivaSostenida));
    if (d.limite != omision.limite)
        lineas.push_back("LIMITE " + std::to_string(static_cast<int>(d.limite)));
    if (d.largoComercial != omision.largoComercial)
        lineas.push_back("LARGO_BARRA " + Campo(d.largoComercial));
    for (const auto& linea : p.opcionesDesconocidas) lineas.push_back(UnaLinea(linea));
    return lineas;
}

int CuentaRestringidos(const Proyecto& p, int nudos) {
    int r = nudos;
    for (CondicionExtremo extremo : {p.apoyoIzquierdo, p.apoyoDerecho}) {
        if (extremo == CondicionExtremo::kEmpotrado) ++r;
        if (extremo == CondicionExtremo::kNoApoyado) --r;
    }
    return r;
}

// ---- Reader -------------------------------------------------------------------------

bool EsBlanco(char c) { return c == ' ' || c == '\t'; }

std::string Recorta(const std::string& t) {
    size_t a = t.find_first_not_of(" \t");
    if (a == std::string::npos) return "";
    size_t b = t.find_last_not_of(" \t");
    return t.substr(a, b - a + 1);
}

std::string Mayusculas(std::string t) {
    for (char& c : t)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return t;
}

std::string DelVano(int i) { return " del vano " + std::to_string(i); }

// Line 1: the beam name, a comma and three numbers. The numbers are found from the end
// of the line, so a name that itself holds commas comes back whole.
bool SeparaCabecera(const std::string& linea, std::string& nombre, std::string numeros[3]) {
    size_t fin = linea.size();
    for (int k = 2; k >= 0; --k) {
        while (fin > 0 && EsBlanco(linea[fin - 1])) --fin;
        if (k < 2 && fin > 0 && linea[fin - 1] == ',') {
            --fin;
            while (fin > 0 && EsBlanco(linea[fin - 1])) --fin;
        }
        size_t inicio = fin;
        while (inicio > 0 && !EsBlanco(linea[inicio - 1]) && linea[inicio - 1] != ',') --inicio;
        if (inicio == fin) return false;
        numeros[k] = linea.substr(inicio, fin - inicio);
        fin = inicio;
    }
    while (fin > 0 && EsBlanco(linea[fin - 1])) --fin;
    if (fin == 0 || linea[fin - 1] != ',') return false;
    nombre = linea.substr(0, fin - 1);
    return true;
}

bool LeeCabecera(LectorValores& l, Proyecto& p) {
    std::string linea, numeros[3];
    if (!l.LeeLinea(linea)) return false;
    if (!SeparaCabecera(linea, p.nombreViga, numeros) || !LeeNumeroCompleto(numeros[1]) ||
        !LeeNumeroCompleto(numeros[2]))
        return l.Falla("se esperaba el nombre de la viga, una coma y tres numeros");
    return l.Entero({numeros[0], l.Linea()}, "el numero de vanos", 1, kMaxVanos, p.numVanos);
}

// A general-data field is kept as its text, but the number it reads as must be one the
// program can calculate with: a factor of 1E300 would make every derived load infinite,
// and the file written from it could not be read back.
bool TextoCalculable(LectorValores& l, const Valor& v, const std::string& nombre) {
    if (EnRango(LeeNumeroSinLimite(v.texto))) return true;
    return l.FallaEnLinea(v.linea, nombre +
                                       " esta fuera del rango que el programa puede calcular "
                                       "(se leyo \"" +
                                       v.texto + "\")");
}

bool LeeDatosGenerales(LectorValores& l, Proyecto& p, int& numCargNudos) {
    DatosGenerales& d = p.datos;
    std::vector<Valor> v;
    double muerta = 0, viva = 0, modulo = 0;
    int material = 0, inercia = 0;
    if (!l.LeeValores(12, v)) return false;
    if (!TextoCalculable(l, v[0], "F'c") || !TextoCalculable(l, v[1], "Fy") ||
        !TextoCalculable(l, v[2], "el recubrimiento"))
        return false;
    d.fc = v[0].texto;
    d.fy = v[1].texto;
    d.recub = v[2].texto;
    d.base = NormalizaMedida(v[4].texto, "0.0");
    d.altura = NormalizaMedida(v[5].texto, "0.0");
    d.longitud = NormalizaMedida(v[6].texto, "0.000");
    if (!l.Entero(v[3], "el numero de cargas en nudos", 0, 100000, numCargNudos) ||
        !l.Numero(v[7], "la carga muerta global", -kMax, kMax, muerta) ||
        !l.Numero(v[8], "la carga viva global", -kMax, kMax, viva) ||
        !l.Entero(v[9], "el material", static_cast<int>(Material::kHormigon),
                  static_cast<int>(Material::kOtro), material) ||
        !l.Numero(v[10], "el modulo de elasticidad", -kMaxDerivado, kMaxDerivado, modulo) ||
        !l.Entero(v[11], "la opcion de inercia", static_cast<int>(OpcionInercia::kBh3),
                  static_cast<int>(OpcionInercia::kOtra), inercia))
        return false;
    d.material = static_cast<Material>(material);
    d.opcionInercia = static_cast<OpcionInercia>(inercia);
    d.cargaMuerta = TextoCarga(muerta);
    d.cargaViva = TextoCarga(viva);
    d.moduloE = ModuloLeido(modulo);

    // The steel-shape line is there only for steel, as the material just read says.
    if (d.material == Material::kAcero) {
        if (!l.LeeValores(2, v) || !l.Entero(v[0], "el tipo de perfil", 0, 7, d.familiaPerfil) ||
            !l.Entero(v[1], "la designacion del perfil", -1, 599, d.designacionPerfil))
            return false;
    }

    int opcion0 = 0, opcion1 = 0, peso = 0;
    if (!l.LeeValores(6, v) ||
        !l.Entero(v[0], "la opcion de carga viva y muerta", -1, 1, opcion0) ||
        !l.Entero(v[1], "la opcion de carga total", -1, 1, opcion1) ||
        !l.Entero(v[2], "la opcion de peso propio", 0, 2, peso))
        return false;
    if (!TextoCalculable(l, v[3], "el factor de carga muerta") ||
        !TextoCalculable(l, v[4], "el factor de carga viva") ||
        !TextoCalculable(l, v[5], "el peso unitario"))
        return false;
    d.usaCargaTotal = opcion1 != 0;
    d.calculaPesoPropio = peso != 0;
    d.factorMuerta = v[3].texto;
    d.factorViva = v[4].texto;
    d.pesoUnitario = v[5].texto;
    return true;
}

// For "Otro" the self weight is typed by the user and the file has no column for it:
// it is the part of the stored last column that the dead and live loads do not explain.
// Of the candidates next to the difference, the one that rebuilds the stored total
// exactly is kept, so saving again writes the same digits.
void RecuperaPesoPropio(Vano& v) {
    const double m = v.cargaMuerta.value_or(0), w = v.cargaViva.value_or(0);
    const double total = v.cargaUltima;
    if ((0.0 + m) + w == total) return;
    const double base = (total - w) - m;
    double candidato = base;
    for (int paso = 0; paso <= 4; ++paso) {
        double arriba = base, abajo = base;
        for (int k = 0; k < paso; ++k) {
            arriba = std::nextafter(arriba, HUGE_VAL);
            abajo = std::nextafter(abajo, -HUGE_VAL);
        }
        if ((arriba + m) + w == total) {
            candidato = arriba;
            break;
        }
        if ((abajo + m) + w == total) {
            candidato = abajo;
            break;
        }
    }
    v.pesoPropio = candidato;
}

bool LeeVanos(LectorValores& l, Proyecto& p, std::vector<int>& numCargas) {
    std::vector<Valor> v;
    p.vanos.clear();
    numCargas.assign(p.numVanos + 1, 0);
    for (int i = 1; i <= p.numVanos; ++i) {
        Vano vano;
        double muerta = 0, viva = 0;
        if (!l.LeeValores(8, v) ||
            !l.Numero(v[0], "la longitud" + DelVano(i), 0, kMax, vano.longitud) ||
            !l.Numero(v[1], "la base" + DelVano(i), 0, kMax, vano.base) ||
            !l.Numero(v[2], "la altura" + DelVano(i), 0, kMax, vano.altura) ||
            !l.Numero(v[3], "la inercia" + DelVano(i), 0, kMaxDerivado, vano.inercia) ||
            !l.Numero(v[4], "la carga muerta" + DelVano(i), 0, kMax, muerta) ||
            !l.Numero(v[5], "la carga viva" + DelVano(i), 0, kMax, viva) ||
            !l.Numero(v[6], "la carga ultima" + DelVano(i), -kMaxDerivado, kMaxDerivado,
                      vano.cargaUltima) ||
            !l.Entero(v[7], "el numero de cargas" + DelVano(i), 0, kMaxCargasPorVano, numCargas[i]))
            return false;
        vano.cargaMuerta = muerta;
        vano.cargaViva = viva;
        if (p.datos.material == Material::kOtro) RecuperaPesoPropio(vano);
        p.vanos.push_back(vano);
    }
    return true;
}

bool LeeRestricciones(LectorValores& l, Proyecto& p) {
    std::vector<Valor> v;
    const int nudos = p.numVanos + 1;
    p.apoyosInteriores.clear();
    for (int j = 1; j <= nudos; ++j) {
        int vertical = 0, giro = 0;
        const std::string nudo = " del nudo " + std::to_string(j);
        if (!l.LeeValores(2, v) ||
            !l.Entero(v[0], "la restriccion vertical" + nudo, 0, 1, vertical) ||
            !l.Entero(v[1], "la restriccion de giro" + nudo, 0, 1, giro))
            return false;
        if (j == 1 || j == nudos) {
            const CondicionExtremo extremo = giro == 1       ? CondicionExtremo::kEmpotrado
                                             : vertical == 0 ? CondicionExtremo::kNoApoyado
                                                             : CondicionExtremo::kApoyado;
            (j == 1 ? p.apoyoIzquierdo : p.apoyoDerecho) = extremo;
        } else {
            // An interior support never restrains rotation; only its vertical flag counts.
            p.apoyosInteriores.push_back(vertical);
        }
    }
    return true;
}

bool LeeCargas(LectorValores& l, Proyecto& p, int numCargNudos, const std::vector<int>& numCargas) {
    std::vector<Valor> v;
    p.cargasNudo.clear();
    for (int k = 0; k < numCargNudos; ++k) {
        CargaNudo c;
        if (!l.LeeValores(3, v) || !l.Entero(v[0], "el nudo de la carga", 1, kMaxNudos, c.nudo) ||
            !l.Numero(v[1], "la fuerza en el nudo", -kMax, kMax, c.fuerza) ||
            !l.Numero(v[2], "el momento en el nudo", -kMax, kMax, c.momento))
            return false;
        p.cargasNudo.push_back(c);
    }

    p.cargas.clear();
    int porVano[kMaxVanos + 1] = {};
    for (int i = 1; i <= p.numVanos; ++i) {
        for (int k = 0; k < numCargas[i]; ++k) {
            CargaConcentrada c;
            // The span written on the line, not the one being counted, owns the load. A
            // span the beam does not have would leave the load out of every run and out
            // of the next save without a word, so such a line is refused.
            if (!l.LeeValores(3, v) ||
                !l.Entero(v[0], "el vano de la carga", 1, p.numVanos, c.vano) ||
                !l.Numero(v[1], "la carga concentrada", -kMax, kMax, c.carga) ||
                !l.Numero(v[2], "la distancia de la carga", 0, kMax, c.distancia))
                return false;
            // A load beyond its span (the span was shortened after the load was placed)
            // is kept as written: the analysis takes it at the span's end, and refusing it
            // here would make a project the program itself saved impossible to reopen.
            if (++porVano[c.vano] > kMaxCargasPorVano)
                return l.Falla("el vano " + std::to_string(c.vano) + " tiene mas de " +
                               std::to_string(kMaxCargasPorVano) + " cargas concentradas");
            p.cargas.push_back(c);
        }
    }
    return true;
}

// A slab cell is a line of its own, and one left empty means "none" or zero: these
// lines are read whole, not as a list of values running over lines.
bool LeeCeldaLosa(LectorValores& l, Valor& valor) {
    std::string linea;
    if (!l.LeeLinea(linea)) return false;
    const std::vector<std::string> v = SeparaValores(linea);
    valor = {v.empty() || v[0].empty() ? "0" : v[0], l.Linea()};
    return true;
}

bool LeeAsignacion(LectorValores& l, Proyecto& p) {
    std::string linea;
    if (!l.LeeLinea(linea)) return false;
    p.direccionViga = Recorta(linea);
    p.asignacion.clear();
    for (int i = 1; i <= p.numVanos; ++i) {
        AsignacionLosa a;
        Valor primera, segunda, espesor;
        if (!LeeCeldaLosa(l, primera) ||
            !l.Entero(primera, "la primera losa" + DelVano(i), 0, kMaxLosas, a.primera) ||
            !LeeCeldaLosa(l, segunda) ||
            !l.Entero(segunda, "la segunda losa" + DelVano(i), 0, kMaxLosas, a.segunda) ||
            !LeeCeldaLosa(l, espesor) ||
            !l.Numero(espesor, "el espesor promedio" + DelVano(i), -FLT_MAX, FLT_MAX,
                      a.espesorProm))
            return false;
        p.asignacion.push_back(a);
    }
    if (!l.LeeLinea(linea)) return false;
    std::string respuesta = Mayusculas(Recorta(linea));
    if (respuesta != "SI" && respuesta != "NO")
        return l.Falla("se esperaba SI o NO (se leyo \"" + linea + "\")");
    p.incluyePesoLosa = respuesta == "SI";
    return true;
}

bool LeeTextosYLosas(LectorValores& l, Proyecto& p) {
    std::string ruta;
    if (!l.LeeLinea(p.encabezado) || !l.LeeLinea(p.piePagina) || !l.LeeLinea(ruta)) return false;
    p.encabezado = DesescapaLineas(p.encabezado);
    p.piePagina = DesescapaLineas(p.piePagina);
    p.archivoLosas = Recorta(ruta);
    if (p.archivoLosas.empty()) return true;
    return LeeAsignacion(l, p);
}

// The names of the report's title block, two lines at the end of the file: a file written
// before they existed ends earlier and reads with both empty.
void LeeFirmas(LectorValores& l, Proyecto& p) {
    if (l.Linea() >= l.NumLineas()) return;
    std::string calculo, reviso;
    l.LeeLinea(calculo);
    if (l.Linea() < l.NumLineas()) l.LeeLinea(reviso);
    p.calculo = calculo;
    p.reviso = reviso;
}

// The options block after the names: the line "OPCIONES", then one "KEY value" per line.
// Anything after the names that does not start with that line is ignored, as it always
// was; keys this version does not know are kept for the next save.
bool LeeOpciones(LectorValores& l, Proyecto& p) {
    std::string linea;
    do {
        if (!l.QuedanLineas()) return true;
        l.LeeLinea(linea);
    } while (Recorta(linea).empty());
    if (Mayusculas(Recorta(linea)) != "OPCIONES") return true;
    DatosGenerales& d = p.datos;
    while (l.QuedanLineas()) {
        l.LeeLinea(linea);
        const std::vector<std::string> v = SeparaValores(linea);
        if (v.empty()) continue;
        const std::string clave = Mayusculas(v[0]);
        int entero = 0;
        double numero = 0;
        const Valor valor{v.size() > 1 ? v[1] : "", l.Linea()};
        auto unValor = [&] {
            return v.size() == 2 || l.Falla("se esperaba un valor despues de " + clave);
        };
        if (clave == "ALTERNANCIA") {
            if (!unValor() || !l.Entero(valor, "la alternancia de carga viva", 0, 2, entero))
                return false;
            d.alternancia = static_cast<AlternanciaCargaViva>(entero);
        } else if (clave == "DURACION") {
            if (!unValor() || !l.Entero(valor, "la duracion de la carga", 0, 3, entero))
                return false;
            d.duracion = static_cast<DuracionCarga>(entero);
        } else if (clave == "SOSTENIDA") {
            if (!unValor() || !l.Numero(valor, "la carga viva sostenida", 0, 100, numero))
                return false;
            d.vivaSostenida = valor.texto;
        } else if (clave == "LIMITE") {
            if (!unValor() || !l.Entero(valor, "el limite de deflexion", 0, 3, entero))
                return false;
            d.limite = static_cast<LimiteDeflexion>(entero);
        } else if (clave == "LARGO_BARRA") {
            if (!unValor() || !l.Numero(valor, "el largo comercial de las barras",
                                        kLargoComercialMinimo, kLargoComercialMaximo, numero))
                return false;
            d.largoComercial = valor.texto;
        } else {
            p.opcionesDesconocidas.push_back(linea);
        }
    }
    return true;
}

bool LeeSecciones(LectorValores& l, Proyecto& p) {
    int numCargNudos = 0;
    std::vector<int> numCargas;
    if (!(LeeCabecera(l, p) && LeeDatosGenerales(l, p, numCargNudos) && LeeVanos(l, p, numCargas) &&
          LeeRestricciones(l, p) && LeeCargas(l, p, numCargNudos, numCargas) &&
          LeeTextosYLosas(l, p)))
        return false;
    LeeFirmas(l, p);
    return LeeOpciones(l, p);
}

}  // namespace

Resultado<Proyecto> LeeProyectoVcw(const std::string& bytes, const std::string& ruta) {
    LectorValores lector(bytes);
    Proyecto p = ProyectoNuevo();
    p.cargas.clear();
    p.cargasNudo.clear();
    p.asignacion.clear();
    if (!LeeSecciones(lector, p))
        return Resultado<Proyecto>::Falla("No se pudo leer el archivo:\n" + ruta + "\n" +
                                          lector.Fallo().Mensaje());
    return Resultado<Proyecto>::Ok(std::move(p));
}

std::string EscribeProyectoVcw(const Proyecto& p) {
    const DatosGenerales& d = p.datos;
    const int n = p.numVanos;
    const int nudos = n + 1;
    std::string s;

    s += UnaLinea(p.nombreViga) + ", " + Num(n) + " " + Num(CuentaRestringidos(p, nudos)) + " " +
         Num(nudos) + kFinLinea;
    Linea(s, {Campo(d.fc), Campo(d.fy), Campo(d.recub), Num(NumCargasNudo(p)),
              Campo(NormalizaMedida(d.base, "0.0")), Campo(NormalizaMedida(d.altura, "0.0")),
              Campo(NormalizaMedida(d.longitud, "0.000")), Num(LeeNumero(d.cargaMuerta)),
              Num(LeeNumero(d.cargaViva)), Num(static_cast<int>(d.material)),
              ModuloArchivo(d.moduloE), Num(static_cast<int>(d.opcionInercia))});
    if (d.material == Material::kAcero) Linea(s, {Num(d.familiaPerfil), Num(d.designacionPerfil)});
    Linea(s, {Num(d.usaCargaTotal ? 0 : -1), Num(d.usaCargaTotal ? -1 : 0),
              Num(d.calculaPesoPropio ? 1 : 0), Campo(d.factorMuerta), Campo(d.factorViva),
              Campo(d.pesoUnitario)});

    for (int i = 0; i < n; ++i) {
        const Vano v = i < static_cast<int>(p.vanos.size()) ? p.vanos[i] : Vano{};
        Linea(s, {Num(v.longitud), Num(v.base), Num(v.altura), Num(v.inercia),
                  Num(v.cargaMuerta.value_or(0)), Num(v.cargaViva.value_or(0)), Num(v.cargaUltima),
                  Num(NumCargas(p, i + 1))});
    }
    for (int j = 1; j <= nudos; ++j) {
        int vertical = 0, giro = 0;
        Restricciones(p, j, nudos, vertical, giro);
        Linea(s, {Num(vertical), Num(giro)});
    }
    for (const auto& c : p.cargasNudo)
        if (c.nudo > 0) Linea(s, {Num(c.nudo), Num(c.fuerza), Num(c.momento)});
    for (int i = 1; i <= n; ++i)
        for (const auto& c : p.cargas)
            if (c.vano == i) Linea(s, {Num(i), Num(c.carga), Num(c.distancia)});

    Linea(s, {EscapaLineas(p.encabezado)});
    Linea(s, {EscapaLineas(p.piePagina)});
    if (!UsaLosas(p)) {
        Linea(s, {" "});
    } else {
        Linea(s, {UnaLinea(p.archivoLosas)});
        Linea(s, {UnaLinea(p.direccionViga)});
        for (int i = 0; i < n; ++i) {
            const AsignacionLosa a =
                i < static_cast<int>(p.asignacion.size()) ? p.asignacion[i] : AsignacionLosa{};
            Linea(s, {std::to_string(a.primera) + " "});
            Linea(s, {std::to_string(a.segunda) + " "});
            Linea(s, {TextoCorto(a.espesorProm)});
        }
        Linea(s, {p.incluyePesoLosa ? "SI" : "NO"});
    }
    // Only a project with names or options writes these lines, so the files of every other
    // project keep the bytes they always had. The names always come before the options
    // (empty when there are none): a version that reads the names but not the options then
    // reads the same names, and one older still stops before both.
    const std::vector<std::string> opciones = LineasOpciones(p);
    if (!p.calculo.empty() || !p.reviso.empty() || !opciones.empty()) {
        Linea(s, {UnaLinea(p.calculo)});
        Linea(s, {UnaLinea(p.reviso)});
    }
    if (!opciones.empty()) {
        Linea(s, {"OPCIONES"});
        for (const auto& linea : opciones) Linea(s, {linea});
    }
    return Utf8ALatin1(s);
}

}  // namespace trabelux
