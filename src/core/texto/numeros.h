// Numbers read from text and written as text: the one place that decides how a
// field, a grid cell or a file value becomes a number and how a number is shown.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace trabelux {

// strtod with "." as the decimal mark whatever the process's locale: the desktop program
// runs in the user's locale, where strtod would stop at the point of "1.4" (Spanish and
// most European locales use a comma). Every number read from text goes through it;
// `fin`, when given, points past the characters read.
double LeeDobleC(const char* texto, char** fin = nullptr);

// The longest numeric prefix of `texto` after every blank is removed: optional sign,
// digits, optional decimal point and digits, optional exponent introduced by "E" or
// "D". Empty or non-numeric text reads 0, and so does a value too large to hold, so
// the result is always finite. "2.00E + 06" reads 2000000.
double LeeNumero(std::string_view texto);

// The same reading, except that a value too large to hold is infinite (with its sign):
// for refusing such a value where it is typed, never for calculating with it.
double LeeNumeroSinLimite(std::string_view texto);

// Whether `texto` holds a number by the rule above (at least one mantissa digit).
bool EsNumero(std::string_view texto);

// The value of `token` when the whole of it (no blanks) is one finite number by the rule
// above; nothing for empty, partly numeric ("3x", "4E") or overflowing ("1E400") text.
// File readers use it to refuse a value instead of reading garbage as 0.
std::optional<double> LeeNumeroCompleto(std::string_view token);

// A number typed in a cell or field: blanks are ignored and the decimal mark may be "." or
// "," (typed input only; files keep their own rules). The whole text must be one number;
// empty text reads 0. Nothing for text that is not a number; a value too large to hold
// is infinite with its sign, so the range check can name it.
std::optional<double> LeeNumeroTecleado(std::string_view texto);

// The typed number as it is kept where numbers are kept as text: blanks removed and a
// decimal comma made a point, the exponent written "E" ("1,5" -> "1.5", "2 d3" -> "2E3",
// "" stays ""); nothing when the text is not a number by the rule above.
std::optional<std::string> TextoNumeroTecleado(std::string_view texto);

// "El texto "abc" no es un numero": the refusal of typed text that is not a number.
std::string MensajeNoEsNumero(std::string_view texto);

// Formats `valor` with one of the display patterns: "0", "0.0", "0.00", "0.000",
// "0.00000", "0.000000" (fixed decimals), "##" (whole number, empty for zero),
// "#0.##" (up to two decimals, at least one integer digit). Rounds half away from
// zero on the value's 15-digit decimal form, never shows "-0".
std::string Formatea(double valor, std::string_view patron);

// Scientific form with a two-decimal mantissa: 2030000 -> "2.03E+06", 0 -> "0.00E+00".
std::string FormateaCientifico(double valor);

// The project file's form of a number: the shortest decimal text that reads back to the
// same double, with a leading blank when not negative and one blank after it
// (" 5 ", "-0.5 ", " 1.0666666666666667E-03 ").
std::string NumeroArchivo(double valor);

// The shortest decimal text of `valor` that reads back exactly, without blanks.
std::string TextoCorto(double valor);

}  // namespace trabelux
