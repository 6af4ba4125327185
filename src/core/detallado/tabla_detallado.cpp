// Captions, cell texts and shape codes of the detailing table.
#include "core/detallado/tabla_detallado.h"

#include <cmath>

#include "core/detallado/barras.h"
#include "core/texto/numeros.h"

namespace trabelux {

namespace {

const char* const kTitulos[kNumColumnasDetallado] = {"Dib",    "Ubic", "Sec",    "Tipo",
                                                     "Barras", "Cant", "Barras", "Cant",
                                                     "Barras", "Cant", "Barras", "Separ"};
const char* const kGrupos[kNumColumnasDetallado] = {"",
                                                    "",
                                                    "",
                                                    "",
                                                    "Refuerzo inferior",
                                                    "Refuerzo inferior",
                                                    "Percha",
                                                    "Percha",
                                                    "Refuerzo adicional",
                                                    "Refuerzo adicional",
                                                    "Estribos",
                                                    "Estribos"};
const char* const kCodigos[kNumOpcionesTipo] = {"Rect", "Tee", "STI", "STD", "TI", "STII", "STID"};

bool EnBlanco(const std::string& s) { return s.find_first_not_of(" \t") == std::string::npos; }

std::string TextoBarra(const std::optional<int>& barra) {
    return barra ? NombreBarra(*barra) : std::string();
}

std::string TextoCuenta(const std::optional<int>& cuenta) {
    return cuenta ? Formatea(*cuenta, "##") : std::string();
}

std::optional<int>* CeldaBarra(FilaDetallado& f, int columna) {
    switch (columna) {
        case kColBarraInferior:
            return &f.barraInferior;
        case kColBarraPercha:
            return &f.barraPercha;
        case kColBarraAdicional:
            return &f.barraAdicional;
        case kColBarraEstribo:
            return &f.barraEstribo;
        default:
            return nullptr;
    }
}

std::optional<int>* CeldaCuenta(FilaDetallado& f, int columna) {
    switch (columna) {
        case kColCantInferior:
            return &f.cantInferior;
        case kColCantPercha:
            return &f.cantPercha;
        case kColCantAdicional:
            return &f.cantAdicional;
        default:
            return nullptr;
    }
}

}  // namespace

const char* TituloColumna(int columna) {
    return columna >= 0 && columna < kNumColumnasDetallado ? kTitulos[columna] : "";
}

const char* GrupoColumna(int columna) {
    return columna >= 0 && columna < kNumColumnasDetallado ? kGrupos[columna] : "";
}

bool EsFilaVano(const FilaDetallado& fila) { return fila.ubic.rfind("Vano", 0) == 0; }

std::string TextoCelda(const FilaDetallado& f, int columna) {
    switch (columna) {
        case kColDib:
            return f.dib ? "1" : "0";
        case kColUbic:
            return f.ubic;
        case kColSec:
            return f.sec;
        case kColTipo:
            return f.tipo;
        case kColBarraInferior:
            return TextoBarra(f.barraInferior);
        case kColCantInferior:
            return TextoCuenta(f.cantInferior);
        case kColBarraPercha:
            return TextoBarra(f.barraPercha);
        case kColCantPercha:
            return TextoCuenta(f.cantPercha);
        case kColBarraAdicional:
            return TextoBarra(f.barraAdicional);
        case kColCantAdicional:
            return TextoCuenta(f.cantAdicional);
        case kColBarraEstribo:
            return TextoBarra(f.barraEstribo);
        case kColSeparEstribo:
            return f.separEstribo ? Formatea(*f.separEstribo, "0.000") : "";
        default:
            return "";
    }
}

bool EscribeCelda(FilaDetallado& f, int columna, const std::string& texto) {
    const bool blanco = EnBlanco(texto);
    switch (columna) {
        case kColDib:
            f.dib = LeeNumero(texto) != 0;
            return true;
        case kColUbic:
            f.ubic = texto;
            return true;
        case kColSec:
            f.sec = texto;
            return true;
        case kColTipo:
            f.tipo = texto;
            return true;
        case kColSeparEstribo:
            if (blanco)
                f.separEstribo.reset();
            else
                f.separEstribo = LeeNumero(texto);
            return true;
        default:
            break;
    }
    if (auto* barra = CeldaBarra(f, columna)) {
        if (blanco) {
            barra->reset();
            return true;
        }
        std::optional<int> indice = IndiceDeNombreBarra(texto);
        if (!indice && EsNumero(texto)) {
            const double v = LeeNumero(texto);
            if (v >= 0 && v < kNumBarras && v == std::floor(v)) indice = static_cast<int>(v);
        }
        if (!indice) return false;
        *barra = indice;
        return true;
    }
    if (auto* cuenta = CeldaCuenta(f, columna)) {
        if (blanco) {
            cuenta->reset();
            return true;
        }
        // Bounded so the conversion is defined whatever was typed.
        const double v = std::round(LeeNumero(texto));
        *cuenta = static_cast<int>(v > 1e6 ? 1e6 : (v < -1e6 ? -1e6 : v));
        return true;
    }
    return false;
}

std::optional<std::string> CodigoTipo(int opcion) {
    if (opcion < 0 || opcion >= kNumOpcionesTipo) return std::nullopt;
    return std::string(kCodigos[opcion]);
}

std::optional<int> OpcionDeTipo(const std::string& codigo) {
    for (int i = 0; i < kNumOpcionesTipo; ++i)
        if (codigo == kCodigos[i]) return i;
    return std::nullopt;
}

}  // namespace trabelux
