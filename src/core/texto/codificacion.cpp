#include "texto/codificacion.h"

namespace trabelux {

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
        unsigned char c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x80) {
            s += static_cast<char>(c);
            ++i;
            continue;
        }
        int largo = (c & 0xE0) == 0xC0 ? 2 : (c & 0xF0) == 0xE0 ? 3 : (c & 0xF8) == 0xF0 ? 4 : 1;
        bool valido = largo > 1 && i + largo <= utf8.size();
        unsigned cp = 0;
        if (valido) {
            cp = c & (0xFF >> (largo + 1));
            for (int k = 1; k < largo; ++k) {
                unsigned char d = static_cast<unsigned char>(utf8[i + k]);
                if ((d & 0xC0) != 0x80) {
                    valido = false;
                    break;
                }
                cp = (cp << 6) | (d & 0x3F);
            }
        }
        if (valido && cp <= 0xFF) {
            s += static_cast<char>(cp);
            i += largo;
        } else {
            s += '?';
            i += valido ? largo : 1;
        }
    }
    return s;
}

}  // namespace trabelux
