#include "core/texto/codificacion.h"

#include <algorithm>
#include <optional>

namespace trabelux {

namespace {

// The code point that starts at utf8[i], moving i past it; nothing for malformed UTF-8,
// which moves i past one byte.
std::optional<unsigned> LeeCaracter(std::string_view utf8, size_t& i) {
    unsigned char c = static_cast<unsigned char>(utf8[i]);
    if (c < 0x80) {
        ++i;
        return c;
    }
    int largo = (c & 0xE0) == 0xC0 ? 2 : (c & 0xF0) == 0xE0 ? 3 : (c & 0xF8) == 0xF0 ? 4 : 1;
    if (largo == 1 || i + largo > utf8.size()) {
        ++i;
        return std::nullopt;
    }
    unsigned cp = c & (0xFF >> (largo + 1));
    for (int k = 1; k < largo; ++k) {
        unsigned char d = static_cast<unsigned char>(utf8[i + k]);
        if ((d & 0xC0) != 0x80) {
            ++i;
            return std::nullopt;
        }
        cp = (cp << 6) | (d & 0x3F);
    }
    i += largo;
    return cp;
}

// Code points of the Windows-1252 bytes 0x80..0x9F; 0 where the byte has no character.
constexpr unsigned kWindows1252[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// The UTF-8 bytes of a code point.
void AgregaUtf8(std::string& s, char32_t cp) {
    if (cp < 0x80) {
        s += static_cast<char>(cp);
    } else if (cp < 0x800) {
        s += static_cast<char>(0xC0 | (cp >> 6));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        s += static_cast<char>(0xE0 | (cp >> 12));
        s += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        s += static_cast<char>(0xF0 | (cp >> 18));
        s += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        s += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

struct Equivalente {
    char32_t cp;
    const char* texto;  // UTF-8, Latin-1 characters only
};

// Sorted by code point.
constexpr Equivalente kEquivalentes[] = {
    {0x0132, "IJ"},  {0x0133, "ij"},     {0x0152, "OE"}, {0x0153, "oe"},     {0x02C6, "^"},
    {0x02DC, "~"},   {0x200B, ""},       {0x200C, ""},   {0x200D, ""},       {0x2010, "-"},
    {0x2011, "-"},   {0x2012, "-"},      {0x2013, "-"},  {0x2014, "-"},      {0x2015, "-"},
    {0x2018, "'"},   {0x2019, "'"},      {0x201A, "'"},  {0x201B, "'"},      {0x201C, "\""},
    {0x201D, "\""},  {0x201E, "\""},     {0x201F, "\""}, {0x2022, "\u00B7"}, {0x2026, "..."},
    {0x2032, "'"},   {0x2033, "\""},     {0x2039, "<"},  {0x203A, ">"},      {0x2060, ""},
    {0x20AC, "EUR"}, {0x2122, "TM"},     {0x2212, "-"},  {0x2248, "~"},      {0x2264, "<="},
    {0x2265, ">="},  {0x2300, "\u00F8"}, {0xFEFF, ""},
};

// Latin Extended-A (U+0100..U+017F), each letter without its marks.
constexpr std::string_view kLatinExtendidoA =
    "AaAaAaCcCcCcCcDdDdEeEeEeEeEeGgGgGgGgHhHhIiIiIiIiIiIiJjKkkLlLlLlLlLlNnNnNnnNnOoOoOoOoRrRrRrSsSs"
    "SsSsTtTtTtUuUuUuUuUuUuWwYyYZzZzZzs";

}  // namespace

std::string Latin1AUtf8(std::string_view latin1) {
    std::string s;
    s.reserve(latin1.size());
    for (unsigned char c : latin1) {
        if (c < 0x80) {
            s += static_cast<char>(c);
        } else {
            s += static_cast<char>(0xC0 | (c >> 6));
            s += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return s;
}

std::string Utf8ALatin1(std::string_view utf8) {
    std::string s;
    s.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) {
        std::optional<unsigned> cp = LeeCaracter(utf8, i);
        s += cp && *cp <= 0xFF ? static_cast<char>(*cp) : '?';
    }
    return s;
}

std::string Utf8AWindows1252(std::string_view utf8) {
    std::string s;
    s.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) {
        std::optional<unsigned> cp = LeeCaracter(utf8, i);
        if (!cp) {
            s += '?';
        } else if (*cp < 0x80 || (*cp >= 0xA0 && *cp <= 0xFF)) {
            s += static_cast<char>(*cp);
        } else if (*cp == 0x2264) {
            s += "<=";
        } else if (*cp == 0x2265) {
            s += ">=";
        } else if (*cp == 0x2212) {
            s += '-';
        } else {
            char byte = '?';
            for (unsigned k = 0; k < 32; ++k)
                if (kWindows1252[k] == *cp && *cp != 0) byte = static_cast<char>(0x80 + k);
            s += byte;
        }
    }
    return s;
}

std::string AjustaALatin1(std::string_view utf8) {
    std::string s;
    s.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) {
        const std::optional<unsigned> leido = LeeCaracter(utf8, i);
        const char32_t cp = leido ? *leido : 0xFFFD;
        if (cp <= 0xFF) {
            AgregaUtf8(s, cp);
            continue;
        }
        const auto e = std::lower_bound(std::begin(kEquivalentes), std::end(kEquivalentes), cp,
                                        [](const Equivalente& x, char32_t c) { return x.cp < c; });
        if (e != std::end(kEquivalentes) && e->cp == cp)
            s += e->texto;
        else if ((cp >= 0x2000 && cp <= 0x200A) || cp == 0x202F || cp == 0x205F)
            s += ' ';
        else if (cp >= 0x0100 && cp <= 0x017F)
            s += kLatinExtendidoA[cp - 0x0100];
        else if (cp == 0x03A6 || cp == 0x03C6 || cp == 0x2205)
            s += "\u00F8";  // phi and the empty-set sign stand for the diameter too
        else
            s += '?';
    }
    return s;
}

}  // namespace trabelux
