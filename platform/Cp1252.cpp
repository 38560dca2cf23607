#include "platform/Cp1252.h"

#include <cstdint>
#include <cstdio>

namespace {

// Code points of the bytes 0x80 to 0x9F; the undefined ones keep their C1
// control code point so that they round-trip.
constexpr char32_t s_zone80[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98-9F
};

char32_t PointDeCode(unsigned char o) {
    return o >= 0x80 && o < 0xA0 ? s_zone80[o - 0x80] : static_cast<char32_t>(o);
}

// The byte of a code point, or -1 when the code page has none.
int Octet(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        return static_cast<int>(c);
    }
    for (int i = 0; i < 32; ++i) {
        if (s_zone80[i] == c) {
            return 0x80 + i;
        }
    }
    return -1;
}

void AjouterUtf8(std::string& s, char32_t c) {
    if (c < 0x80) {
        s += static_cast<char>(c);
    } else if (c < 0x800) {
        s += static_cast<char>(0xC0 | (c >> 6));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        s += static_cast<char>(0xE0 | (c >> 12));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        s += static_cast<char>(0xF0 | (c >> 18));
        s += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Decodes the code point starting at s[i] and advances i; nothing when the
// sequence is not well-formed UTF-8 (overlong forms, surrogates and values
// above U+10FFFF included).
std::optional<char32_t> Decoder(const std::string& s, std::size_t& i) {
    const auto o0 = static_cast<unsigned char>(s[i]);
    int nSuite;
    char32_t c;
    char32_t cMin;
    if (o0 < 0x80) {
        ++i;
        return o0;
    } else if (o0 >= 0xC2 && o0 <= 0xDF) {
        nSuite = 1;
        c = o0 & 0x1F;
        cMin = 0x80;
    } else if (o0 >= 0xE0 && o0 <= 0xEF) {
        nSuite = 2;
        c = o0 & 0x0F;
        cMin = 0x800;
    } else if (o0 >= 0xF0 && o0 <= 0xF4) {
        nSuite = 3;
        c = o0 & 0x07;
        cMin = 0x10000;
    } else {
        return std::nullopt;
    }
    if (s.size() - i <= static_cast<std::size_t>(nSuite)) {
        return std::nullopt;
    }
    for (int k = 1; k <= nSuite; ++k) {
        const auto o = static_cast<unsigned char>(s[i + k]);
        if ((o & 0xC0) != 0x80) {
            return std::nullopt;
        }
        c = (c << 6) | (o & 0x3F);
    }
    if (c < cMin || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        return std::nullopt;
    }
    i += static_cast<std::size_t>(nSuite) + 1;
    return c;
}

} // namespace

std::optional<std::string> Utf8VersCp1252(const std::string& utf8, std::string* pStrErreur) {
    std::string resultat;
    resultat.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const std::size_t nDebut = i;
        const auto c = Decoder(utf8, i);
        if (!c) {
            if (pStrErreur) {
                char tampon[16];
                std::snprintf(tampon, sizeof tampon, "0x%02X",
                              static_cast<unsigned char>(utf8[nDebut]));
                *pStrErreur = "The text is not valid UTF-8 (byte " + std::string(tampon) +
                              " at position " + std::to_string(nDebut) + ").";
            }
            return std::nullopt;
        }
        const int o = Octet(*c);
        if (o < 0) {
            if (pStrErreur) {
                char tampon[16];
                std::snprintf(tampon, sizeof tampon, "U+%04X", static_cast<unsigned>(*c));
                *pStrErreur = "The character \"" + utf8.substr(nDebut, i - nDebut) + "\" (" +
                              tampon +
                              ") cannot be stored: it is not in the Windows-1252 character set.";
            }
            return std::nullopt;
        }
        resultat += static_cast<char>(o);
    }
    return resultat;
}

std::string Cp1252VersUtf8(const std::string& cp1252) {
    std::string resultat;
    resultat.reserve(cp1252.size() * 2);
    for (const char o : cp1252) {
        AjouterUtf8(resultat, PointDeCode(static_cast<unsigned char>(o)));
    }
    return resultat;
}

std::string Utf8VersCp1252Approche(const std::string& utf8, std::size_t nMax) {
    std::string resultat;
    std::size_t i = 0;
    while (i < utf8.size() && resultat.size() < nMax) {
        const std::size_t nDebut = i;
        const auto c = Decoder(utf8, i);
        if (!c) {
            i = nDebut + 1; // one '?' per bad byte
        }
        // Control characters (C0, DEL and C1) would break the one-line labels.
        const int o = !c || *c < 0x20 || (*c >= 0x7F && *c <= 0x9F) ? -1 : Octet(*c);
        resultat += o < 0 ? '?' : static_cast<char>(o);
    }
    return resultat;
}
