// Reading numbers from text and writing them with the display patterns.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/texto/codificacion.h"
#include "core/texto/numeros.h"

using namespace trabelux;

TEST(LeeNumero, ReadsTheLongestNumericPrefix) {
    struct Caso {
        const char* texto;
        double esperado;
    } casos[] = {
        {"2.00E + 06", 2000000.0},
        {"1.5D3", 1500.0},
        {"1.5d-2", 0.015},
        {"", 0.0},
        {"abc", 0.0},
        {"  12.5 m", 12.5},
        {"-3", -3.0},
        {"+.5", 0.5},
        {"7.", 7.0},
        {"1 2 3", 123.0},
        {"4E", 4.0},
        {"4E+", 4.0},
        {"-", 0.0},
        {".", 0.0},
        {"1,5", 1.0},
        {"1E400", 0.0},
        {"-1E400", 0.0},
        {"3\t4", 34.0},
    };
    for (const auto& c : casos) EXPECT_DOUBLE_EQ(LeeNumero(c.texto), c.esperado) << c.texto;
}

// LeeNumero reads plain decimals without strtod; LeeNumeroSinLimite still goes through
// it. They must agree to the bit, at the edges of the shortcut too.
TEST(LeeNumero, ShortcutGivesTheBitsStrtodGives) {
    for (const char* texto :
         {"0.1", "0.175", "-0", "- 0.0", "4200", "1.7976931348623157", "9007199254740993",
          "9007199254740992", "0.00000000000000000000001", "0.0000000000000000000000001",
          "123456789.123456789", "2 1 0", "0.3e1"}) {
        const double rapido = LeeNumero(texto), estandar = LeeNumeroSinLimite(texto);
        EXPECT_EQ(std::signbit(rapido), std::signbit(estandar)) << texto;
        EXPECT_EQ(rapido, estandar) << texto;
    }
}

TEST(Formatea, FixedPatternsRoundHalfAwayFromZero) {
    struct Caso {
        double valor;
        const char* patron;
        const char* esperado;
    } casos[] = {
        {0.125, "0.00", "0.13"},
        {-0.125, "0.00", "-0.13"},
        {0.285, "0.00", "0.29"},
        {2.5, "0", "3"},
        {-2.5, "0", "-3"},
        {-0.0001, "0.000", "0.000"},
        {0.0010666666, "0.000000", "0.001067"},
        {9.9999, "0.00", "10.00"},
        {123456.789, "0.0", "123456.8"},
        {0.00038, "0.00000", "0.00038"},
        {std::numeric_limits<double>::quiet_NaN(), "0.00", "0.00"},
    };
    for (const auto& c : casos)
        EXPECT_EQ(Formatea(c.valor, c.patron), c.esperado) << c.valor << " " << c.patron;
}

TEST(Codificacion, Latin1RoundTripsEveryByte) {
    std::string todos;
    for (int c = 1; c < 256; ++c) todos += static_cast<char>(c);
    EXPECT_EQ(Utf8ALatin1(Latin1AUtf8(todos)), todos);
    EXPECT_EQ(Latin1AUtf8("dise\xF1o"), "diseño");
    EXPECT_EQ(Utf8ALatin1("ø3/8"),
              "\xF8"
              "3/8");
    EXPECT_EQ(Utf8ALatin1("€"), "?");
    EXPECT_EQ(Utf8ALatin1("\xC3"), "?");
    // Windows-1252 is Latin-1 save for the C1 control codes, where its typographic signs are.
    std::string latin1;
    for (int c = 1; c < 256; ++c) latin1 += static_cast<char>(c < 0x80 || c >= 0xA0 ? c : '?');
    EXPECT_EQ(Utf8AWindows1252(Latin1AUtf8(latin1)), latin1);
    EXPECT_EQ(Utf8AWindows1252("\u0080\u0081…™Ÿ"), "??\x85\x99\x9F");
}

// What the project file cannot hold gets its nearest equivalent, which the file then keeps:
// every code point up to U+2FFFF comes out as Latin-1 text that the file writes and reads
// back unchanged; Latin-1 text is left as it is.
TEST(Codificacion, AjustaALatin1DejaSoloLoQueElArchivoGuarda) {
    EXPECT_EQ(AjustaALatin1("estructural — año"), "estructural - año");
    EXPECT_EQ(AjustaALatin1("“Viga” 1…3 ‘a’"), "\"Viga\" 1...3 'a'");
    EXPECT_EQ(AjustaALatin1("Łódź Œ ⌀12 10 €"), "Lódz OE ø12 10 EUR");
    const unsigned char primero[] = {0, 0, 0xC0, 0xE0, 0xF0};  // by UTF-8 length
    for (char32_t cp = 0x80; cp < 0x30000; ++cp) {
        if (cp >= 0xD800 && cp <= 0xDFFF) continue;
        const int n = cp < 0x800 ? 2 : cp < 0x10000 ? 3 : 4;
        std::string s(size_t(n), '\0');
        for (int k = 0; k < n; ++k) s[size_t(k)] = char(0x80 | ((cp >> (6 * (n - 1 - k))) & 0x3F));
        s[0] = char(primero[n] | (cp >> (6 * (n - 1))));
        ASSERT_EQ(Utf8ALatin1(s), cp <= 0xFF ? std::string(1, char(cp)) : "?") << std::hex << cp;
        const std::string ajustado = AjustaALatin1(s);
        ASSERT_EQ(Latin1AUtf8(Utf8ALatin1(ajustado)), ajustado) << std::hex << cp;
    }
    std::string latin1;
    for (int c = 1; c < 256; ++c) latin1 += static_cast<char>(c);
    EXPECT_EQ(AjustaALatin1(Latin1AUtf8(latin1)), Latin1AUtf8(latin1));
}

// Typed input: "." or "," as the decimal mark, the whole text one number, blanks ignored.
TEST(Texto, NumeroTecleado) {
    const std::pair<const char*, std::optional<double>> casos[] = {
        {"1,5", 1.5}, {" 2.25 ", 2.25}, {"-0,75", -0.75}, {"", 0.0},  {"1.5E+02", 150}, {"3D1", 30},
        {"abc", {}},  {"1,5,2", {}},    {"1.5,2", {}},    {"3x", {}}, {"4E", {}},       {",", {}}};
    for (const auto& [texto, esperado] : casos) {
        SCOPED_TRACE(texto);
        EXPECT_EQ(LeeNumeroTecleado(texto), esperado);
    }
    EXPECT_TRUE(std::isinf(*LeeNumeroTecleado("-1E400")));
    EXPECT_EQ(MensajeNoEsNumero("abc"), "El texto \"abc\" no es un numero");
}
