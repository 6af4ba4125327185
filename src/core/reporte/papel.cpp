// The paper names and sizes of the page set-up and the inch form of margins.
#include "core/reporte/papel.h"

#include <array>
#include <cmath>

#include "core/texto/numeros.h"

namespace trabelux {

namespace {

// The names exactly as the paper list has always shown them, the two blanks of some
// envelopes included, with the fractions as the characters ½ and ¾ (the Latin-1 bytes
// 0xBD and 0xBE of the names the paper codes come with).
const std::array<std::string, kNumCodigosPapel> kNombres = {
    "",
    "Letter 8 1/2 x 11 in",
    "Letter Small 8 1/2 x 11 in",
    "Tabloid 11 x 17 in",
    "Ledger 17 x 11 in",
    "Legal 8 1/2 x 14 in",
    "Statement 5 1/2 x 8 1/2 in",
    "Executive 7 1/4 x 10 1/2 in",
    "A3 297 x 420 mm",
    "A4 210 x 297 mm",
    "A4 Small 210 x 297 mm",
    "A5 148 x 210 mm",
    "B4 (JIS) 250 x 354",
    "B5 (JIS) 182 x 257 mm",
    "Folio 8 1/2 x 13 in",
    "Quarto 215 x 275 mm",
    "10x14 in",
    "11x17 in",
    "Note 8 1/2 x 11 in",
    "Envelope #9 3 7/8 x 8 7/8",
    "Envelope #10 4 1/8 x 9 1/2",
    "Envelope #11 4 1/2 x 10 3/8",
    "Envelope #12 4 ¾ x 11",
    "Envelope #14 5 x 11 1/2",
    "C size sheet",
    "D size sheet",
    "E size sheet",
    "Envelope DL 110 x 220mm",
    "Envelope C5 162 x 229 mm",
    "Envelope C3  324 x 458 mm",
    "Envelope C4  229 x 324 mm",
    "Envelope C6  114 x 162 mm",
    "Envelope C65 114 x 229 mm",
    "Envelope B4  250 x 353 mm",
    "Envelope B5  176 x 250 mm",
    "Envelope B6  176 x 125 mm",
    "Envelope 110 x 230 mm",
    "Envelope Monarch 3.875 x 7.5 in",
    "6 3/4 Envelope 3 5/8 x 6 1/2 in",
    "US Std Fanfold 14 7/8 x 11 in",
    "German Std Fanfold 8 1/2 x 12 in",
    "German Legal Fanfold 8 1/2 x 13 in",
    "B4 (ISO) 250 x 353 mm",
    "Japanese Postcard 100 x 148 mm",
    "9 x 11 in",
    "10 x 11 in",
    "15 x 11 in",
    "Envelope Invite 220 x 220 mm",
    "",
    "",
    "Letter Extra 9 ½ x 12 in",
    "Legal Extra 9 ½ x 15 in",
    "Tabloid Extra 11.69 x 18 in",
    "A4 Extra 9.27 x 12.69 in",
    "Letter Transverse 8 ½ x 11 in",
    "A4 Transverse 210 x 297 mm",
    "Letter Extra Transverse 9½ x 12 in",
    "SuperA/SuperA/A4 227 x 356 mm",
    "SuperB/SuperB/A3 305 x 487 mm",
    "Letter Plus 8.5 x 12.69 in",
    "A4 Plus 210 x 330 mm",
    "A5 Transverse 148 x 210 mm",
    "B5 (JIS) Transverse 182 x 257 mm",
    "A3 Extra 322 x 445 mm",
    "A5 Extra 174 x 235 mm",
    "B5 (ISO) Extra 201 x 276 mm",
    "A2 420 x 594 mm",
    "A3 Transverse 297 x 420 mm",
    "A3 Extra Transverse 322 x 445 mm",
};

// Size as the name states it, in inches or millimetres; 0 x 0 for a code without one.
// The C, D and E sheets are the ANSI 17 x 22, 22 x 34 and 34 x 44 in.
struct Medida {
    double ancho;
    double alto;
    bool mm;
};

constexpr Medida kMedidas[kNumCodigosPapel] = {
    {0, 0, false},       {8.5, 11, false},     {8.5, 11, false},    {11, 17, false},
    {17, 11, false},     {8.5, 14, false},     {5.5, 8.5, false},   {7.25, 10.5, false},
    {297, 420, true},    {210, 297, true},     {210, 297, true},    {148, 210, true},
    {250, 354, true},    {182, 257, true},     {8.5, 13, false},    {215, 275, true},
    {10, 14, false},     {11, 17, false},      {8.5, 11, false},    {3.875, 8.875, false},
    {4.125, 9.5, false}, {4.5, 10.375, false}, {4.75, 11, false},   {5, 11.5, false},
    {17, 22, false},     {22, 34, false},      {34, 44, false},     {110, 220, true},
    {162, 229, true},    {324, 458, true},     {229, 324, true},    {114, 162, true},
    {114, 229, true},    {250, 353, true},     {176, 250, true},    {176, 125, true},
    {110, 230, true},    {3.875, 7.5, false},  {3.625, 6.5, false}, {14.875, 11, false},
    {8.5, 12, false},    {8.5, 13, false},     {250, 353, true},    {100, 148, true},
    {9, 11, false},      {10, 11, false},      {15, 11, false},     {220, 220, true},
    {0, 0, false},       {0, 0, false},        {9.5, 12, false},    {9.5, 15, false},
    {11.69, 18, false},  {9.27, 12.69, false}, {8.5, 11, false},    {210, 297, true},
    {9.5, 12, false},    {227, 356, true},     {305, 487, true},    {8.5, 12.69, false},
    {210, 330, true},    {148, 210, true},     {182, 257, true},    {322, 445, true},
    {174, 235, true},    {201, 276, true},     {420, 594, true},    {297, 420, true},
    {322, 445, true},
};

double Twips(double valor, bool mm) { return std::round(mm ? valor * 1440 / 25.4 : valor * 1440); }

}  // namespace

const std::string& NombrePapel(int codigo) {
    static const std::string kVacio;
    if (codigo < 0 || codigo >= kNumCodigosPapel) return kVacio;
    return kNombres[static_cast<size_t>(codigo)];
}

std::optional<Tamano> TamanoPapel(int codigo) {
    if (codigo < 1 || codigo >= kNumCodigosPapel) return std::nullopt;
    const Medida& m = kMedidas[codigo];
    if (m.ancho <= 0 || m.alto <= 0) return std::nullopt;
    return Tamano{Twips(m.ancho, m.mm), Twips(m.alto, m.mm)};
}

Tamano TamanoHoja(const ConfiguracionInforme& c) {
    Tamano t{12240, 15840};
    if (c.papel == kPapelPersonalizado) {
        if (c.anchoPersonalizado > 0 && c.altoPersonalizado > 0)
            t = {c.anchoPersonalizado, c.altoPersonalizado};
    } else if (auto papel = TamanoPapel(c.papel)) {
        t = *papel;
    }
    if (c.horizontal) std::swap(t.ancho, t.alto);
    return t;
}

std::string EnPulgadas(double twips) { return Formatea(twips / 1440, "#0.##") + "\""; }

}  // namespace trabelux
