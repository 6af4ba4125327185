// Project and slab files are single-byte Latin-1 text, drawings for CAD programs are
// Windows-1252 text; the program works in UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace trabelux {

// Every byte becomes the character of the same code.
std::string Latin1AUtf8(std::string_view latin1);

// Characters above U+00FF (and malformed UTF-8) become "?".
std::string Utf8ALatin1(std::string_view utf8);

// Windows-1252 (Latin-1 with typographic signs such as "€", "–" and curly quotes where
// Latin-1 has control codes). "≤", "≥" and the minus sign become "<=", ">=" and "-"; other
// characters it lacks, C1 control codes and malformed UTF-8 become "?".
std::string Utf8AWindows1252(std::string_view utf8);

// The UTF-8 text with every character the project file cannot hold (above U+00FF) replaced
// by its nearest equivalent that it can: typographic dashes, quotes, spaces and the
// ellipsis by their plain forms ("—" -> "-", "“" -> '"', "…" -> "..."), letters with marks
// by the bare letter ("ł" -> "l", "Œ" -> "OE"), the diameter sign by "ø", zero-width
// characters by nothing, anything else by "?". Latin-1 text comes back unchanged.
std::string AjustaALatin1(std::string_view utf8);

}  // namespace trabelux
