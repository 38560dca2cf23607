#include "cli/Json.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace {

// Longest inline form of a container of scalars before it is split.
constexpr std::size_t kLargeurLigne = 100;

void Indenter(std::string& sortie, int nNiveau) {
    sortie.append(static_cast<std::size_t>(nNiveau) * 2, ' ');
}

// Length of the well-formed UTF-8 sequence starting at i, or 0.
std::size_t LongueurSequence(const std::string& s, std::size_t i) {
    const auto octet = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char c = octet(i);
    std::size_t n = 0;
    std::uint32_t u = 0;
    if (c < 0x80) {
        return 1;
    } else if (c >= 0xC2 && c <= 0xDF) {
        n = 2;
        u = c & 0x1F;
    } else if (c >= 0xE0 && c <= 0xEF) {
        n = 3;
        u = c & 0x0F;
    } else if (c >= 0xF0 && c <= 0xF4) {
        n = 4;
        u = c & 0x07;
    } else {
        return 0;
    }
    if (i + n > s.size()) {
        return 0;
    }
    for (std::size_t k = 1; k < n; ++k) {
        if ((octet(i + k) & 0xC0) != 0x80) {
            return 0;
        }
        u = (u << 6) | (octet(i + k) & 0x3F);
    }
    // Overlong forms, surrogates and code points past U+10FFFF are not UTF-8.
    const bool bSurLong = (n == 3 && u < 0x800) || (n == 4 && u < 0x10000);
    if (bSurLong || (u >= 0xD800 && u <= 0xDFFF) || u > 0x10FFFF) {
        return 0;
    }
    return n;
}

} // namespace

std::string TexteNombreJson(double d) {
    if (!std::isfinite(d)) {
        return "null";
    }
    char tampon[64];
    const auto r = std::to_chars(tampon, tampon + sizeof tampon, d);
    return std::string(tampon, r.ptr);
}

std::string TexteNombreJson(float f) {
    if (!std::isfinite(f)) {
        return "null";
    }
    char tampon[64];
    const auto r = std::to_chars(tampon, tampon + sizeof tampon, f);
    return std::string(tampon, r.ptr);
}

std::string ChaineJson(const std::string& utf8) {
    std::string sortie = "\"";
    for (std::size_t i = 0; i < utf8.size();) {
        const unsigned char c = static_cast<unsigned char>(utf8[i]);
        const std::size_t n = LongueurSequence(utf8, i);
        if (n == 0) {
            sortie += "\xEF\xBF\xBD"; // U+FFFD for a byte that is not UTF-8
            ++i;
            continue;
        }
        if (n > 1) {
            sortie.append(utf8, i, n);
        } else if (c == '"') {
            sortie += "\\\"";
        } else if (c == '\\') {
            sortie += "\\\\";
        } else if (c == '\n') {
            sortie += "\\n";
        } else if (c == '\r') {
            sortie += "\\r";
        } else if (c == '\t') {
            sortie += "\\t";
        } else if (c < 0x20 || c == 0x7F) {
            char tampon[8];
            std::snprintf(tampon, sizeof tampon, "\\u%04x", c);
            sortie += tampon;
        } else {
            sortie += static_cast<char>(c);
        }
        i += n;
    }
    sortie += '"';
    return sortie;
}

CJson& CJson::Ajouter(std::string strCle, CJson valeur) {
    auto& objet = std::get<CObjet>(m_valeur);
    objet.emplace_back(std::move(strCle), std::move(valeur));
    return objet.back().second;
}

CJson& CJson::Ajouter(CJson valeur) {
    auto& tableau = std::get<CTableau>(m_valeur);
    tableau.push_back(std::move(valeur));
    return tableau.back();
}

bool CJson::EstConteneur() const {
    return std::holds_alternative<CTableau>(m_valeur) || std::holds_alternative<CObjet>(m_valeur);
}

void CJson::EcrireCompact(std::string& sortie) const {
    if (std::holds_alternative<CNul>(m_valeur)) {
        sortie += "null";
    } else if (const bool* pb = std::get_if<bool>(&m_valeur)) {
        sortie += *pb ? "true" : "false";
    } else if (const long long* pn = std::get_if<long long>(&m_valeur)) {
        sortie += std::to_string(*pn);
    } else if (const double* pd = std::get_if<double>(&m_valeur)) {
        sortie += TexteNombreJson(*pd);
    } else if (const std::string* ps = std::get_if<std::string>(&m_valeur)) {
        sortie += ChaineJson(*ps);
    } else if (const CTableau* pt = std::get_if<CTableau>(&m_valeur)) {
        sortie += '[';
        for (std::size_t i = 0; i < pt->size(); ++i) {
            sortie += i == 0 ? "" : ", ";
            (*pt)[i].EcrireCompact(sortie);
        }
        sortie += ']';
    } else {
        const CObjet& o = std::get<CObjet>(m_valeur);
        sortie += '{';
        for (std::size_t i = 0; i < o.size(); ++i) {
            sortie += i == 0 ? "" : ", ";
            sortie += ChaineJson(o[i].first);
            sortie += ": ";
            o[i].second.EcrireCompact(sortie);
        }
        sortie += '}';
    }
}

void CJson::Ecrire(std::string& sortie, int nNiveau) const {
    if (!EstConteneur()) {
        EcrireCompact(sortie);
        return;
    }
    // A container stays on one line when it holds no object and no array
    // other than arrays of scalars, and the line stays short.
    bool bEnLigne = true;
    const auto examiner = [&](const CJson& v) {
        if (const CTableau* pt = std::get_if<CTableau>(&v.m_valeur)) {
            for (const CJson& e : *pt) {
                bEnLigne = bEnLigne && !e.EstConteneur();
            }
        } else if (v.EstConteneur()) {
            bEnLigne = false;
        }
    };
    const CTableau* pt = std::get_if<CTableau>(&m_valeur);
    const CObjet* po = std::get_if<CObjet>(&m_valeur);
    if (pt != nullptr) {
        for (const CJson& e : *pt) {
            examiner(e);
        }
    } else {
        for (const auto& [cle, v] : *po) {
            examiner(v);
        }
    }
    // An array of numbers stays on one line whatever its length.
    bool bNombres = pt != nullptr;
    for (std::size_t i = 0; bNombres && i < pt->size(); ++i) {
        const auto& v = (*pt)[i].m_valeur;
        bNombres = std::holds_alternative<double>(v) || std::holds_alternative<long long>(v);
    }
    if (bEnLigne) {
        std::string ligne;
        EcrireCompact(ligne);
        if (bNombres || ligne.size() + static_cast<std::size_t>(nNiveau) * 2 <= kLargeurLigne) {
            sortie += ligne;
            return;
        }
    }
    const std::size_t n = pt != nullptr ? pt->size() : po->size();
    if (n == 0) {
        sortie += pt != nullptr ? "[]" : "{}";
        return;
    }
    sortie += pt != nullptr ? "[\n" : "{\n";
    for (std::size_t i = 0; i < n; ++i) {
        Indenter(sortie, nNiveau + 1);
        if (pt != nullptr) {
            (*pt)[i].Ecrire(sortie, nNiveau + 1);
        } else {
            sortie += ChaineJson((*po)[i].first);
            sortie += ": ";
            (*po)[i].second.Ecrire(sortie, nNiveau + 1);
        }
        sortie += i + 1 < n ? ",\n" : "\n";
    }
    Indenter(sortie, nNiveau);
    sortie += pt != nullptr ? ']' : '}';
}

std::string CJson::Texte() const {
    std::string sortie;
    Ecrire(sortie, 0);
    sortie += '\n';
    return sortie;
}
