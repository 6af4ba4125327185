// Development, hook and lap lengths; bends and cut lengths.
#include "core/detallado/anclaje.h"

#include <algorithm>
#include <cmath>

#include "core/detallado/barras_fisicas.h"

namespace trabelux {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kKgCm2PorMPa = 10.19716;

double EnMPa(double kgCm2) { return kgCm2 / kKgCm2PorMPa; }

// √f'c in MPa, limited to 8.3 MPa (§25.4.1.4).
double RaizFc(double fc) { return std::min(std::sqrt(EnMPa(fc)), 8.3); }

// ψg, Table 25.4.2.5, by the yield strength typed: 1.0 up to 4200 kg/cm2 (grades 280 and
// 420), 1.15 up to 5600 (grade 550), 1.3 above (grade 690).
double FactorGrado(double fy) {
    if (fy <= 4200) return 1.0;
    if (fy <= 5600) return 1.15;
    return 1.3;
}

// ψc, Table 25.4.3.2.
double FactorResistenciaGancho(double fc) {
    const double fcMPa = EnMPa(fc);
    return fcMPa < 40 ? fcMPa / 105 + 0.6 : 1.0;
}

}  // namespace

CondicionAnclaje CondicionDeBarra(int barra, bool caraSuperior, double hCm, double recubCm,
                                  double separacionLibreCm) {
    const double db = DiametroBarra(barra);
    CondicionAnclaje c;
    c.superior = caraSuperior && hCm - recubCm > 30;
    c.favorable = separacionLibreCm >= db && recubCm - db / 2 >= db;
    return c;
}

double LongitudDesarrollo(int barra, double fc, double fy, CondicionAnclaje c, bool conMinimo) {
    const bool barraChica = NumeroAstm(barra) <= 6;  // No. 19 (ø3/4") and smaller
    const double coeficiente = c.favorable ? (barraChica ? 2.1 : 1.7) : (barraChica ? 1.4 : 1.1);
    // With ψe = 1.0 the clause's cap ψt·ψe <= 1.7 never binds.
    const double psiT = c.superior ? 1.3 : 1.0;
    const double dbMm = 10.0 * DiametroBarra(barra);
    const double ldMm = EnMPa(fy) * psiT * FactorGrado(fy) / (coeficiente * RaizFc(fc)) * dbMm;
    const double ld = ldMm / 10.0;
    return conMinimo ? std::max(ld, 30.0) : ld;
}

double LongitudGancho(int barra, double fc, double fy) {
    const double psiR = 1.6, psiO = 1.25;
    const double db = DiametroBarra(barra);
    const double dbMm = 10.0 * db;
    const double ldhMm = EnMPa(fy) * psiR * psiO * FactorResistenciaGancho(fc) /
                         (23.0 * RaizFc(fc)) * dbMm * std::sqrt(dbMm);
    return std::max({ldhMm / 10.0, 8.0 * db, 15.0});
}

double EmpalmeClaseB(int barra, double fc, double fy, CondicionAnclaje c) {
    return std::max(1.3 * LongitudDesarrollo(barra, fc, fy, c, false), 30.0);
}

double EmpalmeClaseB(int barraA, int barraB, double fc, double fy, CondicionAnclaje c) {
    const bool aMayor = DiametroBarra(barraA) >= DiametroBarra(barraB);
    const int mayor = aMayor ? barraA : barraB;
    const int menor = aMayor ? barraB : barraA;
    return std::max(LongitudDesarrollo(mayor, fc, fy, c), EmpalmeClaseB(menor, fc, fy, c));
}

double DiametroDoblado(int barra) {
    return (NumeroAstm(barra) <= 8 ? 6.0 : 8.0) * DiametroBarra(barra);
}

double DiametroDobladoEstribo(int barra) {
    return (NumeroAstm(barra) <= 5 ? 4.0 : 6.0) * DiametroBarra(barra);
}

double ExtensionGancho90(int barra) { return 12.0 * DiametroBarra(barra); }

double ExtensionGancho135(int barra) { return std::max(6.0 * DiametroBarra(barra), 7.5); }

double CorteConGanchos(double exteriorCm, int barra, int ganchos) {
    const double db = DiametroBarra(barra);
    const double d = DiametroDoblado(barra);
    const double arco = (kPi / 2) * (d + db) / 2;
    const double porGancho = -(d / 2 + db) + arco + ExtensionGancho90(barra);
    return exteriorCm + ganchos * porGancho;
}

double RecubrimientoLibreEstribo(double recubCm, int barraMayor, int barraEstribo) {
    return recubCm - DiametroBarra(barraMayor) / 2 - DiametroBarra(barraEstribo);
}

double CorteEstribo(double bCm, double hCm, double recubLibreCm, int barra) {
    const double db = DiametroBarra(barra);
    const double r = (DiametroDobladoEstribo(barra) + db) / 2;
    const double ancho = bCm - 2 * recubLibreCm - db;
    const double alto = hCm - 2 * recubLibreCm - db;
    const double lados = 2 * (ancho + alto) - 8 * r;
    const double esquinas = 3 * (kPi / 2) * r;
    const double ganchos = 2 * ((3 * kPi / 4) * r + ExtensionGancho135(barra));
    return lados + esquinas + ganchos;
}

double RedondeaCinco(double cm) {
    // A length computed to land on a multiple may come out a hair above it: that is no
    // reason to order 5 cm more of every bar.
    return std::ceil(cm / 5 - 1e-9) * 5;
}

}  // namespace trabelux
