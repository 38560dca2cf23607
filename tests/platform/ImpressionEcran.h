#pragma once

#include "platform/DCEnregistreur.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <ostream>
#include <sstream>
#include <string>
#include <type_traits>
#include <vector>

// Every recorded call, one line each, in order: a drawing as text.
inline std::string Decrire(const CDCEnregistreur& dc) {
    using E = CDCEnregistreur::EType;
    std::ostringstream os;
    const auto rgb = [&](CCouleur c) { os << ' ' << +c.r << ',' << +c.g << ',' << +c.b; };
    for (const auto& p : dc.m_primitives) {
        switch (p.type) {
        case E::Stylo:
            os << "pen";
            rgb(p.stylo.couleur);
            os << " w" << p.stylo.nLargeur
               << (p.stylo.style == EStyleTrait::Pointille ? " dotted" : "");
            break;
        case E::Brosse:
            os << "brush";
            rgb(p.brosse.couleur);
            break;
        case E::Deplacement:
            os << "move " << p.x1 << ' ' << p.y1;
            break;
        case E::Ligne:
        case E::Ellipse:
            os << (p.type == E::Ligne ? "line " : "ellipse ") << p.x1 << ' ' << p.y1 << ' ' << p.x2
               << ' ' << p.y2;
            break;
        case E::Pixel:
            os << "pixel " << p.x1 << ' ' << p.y1;
            rgb(p.couleur);
            break;
        case E::Texte:
            os << "text " << p.x1 << ' ' << p.y1 << " \"" << p.strTexte << '"';
            break;
        case E::CouleurTexte:
            os << "text colour";
            rgb(p.couleurTexte);
            break;
        case E::ModeFond:
            os << (p.modeFond == EModeFond::Transparent ? "transparent" : "opaque");
            break;
        }
        os << '\n';
    }
    return os.str();
}

// One line of a golden text, formatted as by printf.
template <class... T>
std::string Ligne(const char* szFormat, T... valeurs) {
    char t[512];
    std::snprintf(t, sizeof t, szFormat, valeurs...);
    return std::string(t) + "\n";
}

// Compares `texte` with the golden file tests/data/<nom>. After an intended
// change, run the test with VANTREL_REGENERER=1 to rewrite the file, and
// review its diff before committing it.
inline void ExpectGolden(const std::string& nom, const std::string& texte) {
    const std::string chemin = std::string(VANTREL_TEST_DATA) + "/" + nom;
    if (std::getenv("VANTREL_REGENERER") != nullptr) {
        std::ofstream(chemin, std::ios::binary) << texte;
        return;
    }
    std::ifstream f(chemin, std::ios::binary);
    ASSERT_TRUE(f.good()) << chemin << " is missing: run with VANTREL_REGENERER=1";
    EXPECT_EQ(texte, std::string(std::istreambuf_iterator<char>(f), {})) << "golden file " << nom;
}

// The lines of tests/data/<nom>, a table of cases read by one loop.
inline std::vector<std::string> LignesDonnees(const std::string& nom) {
    std::ifstream f(std::string(VANTREL_TEST_DATA) + "/" + nom);
    std::vector<std::string> lignes;
    for (std::string s; std::getline(f, s);) {
        lignes.push_back(s);
    }
    EXPECT_FALSE(lignes.empty()) << nom;
    return lignes;
}

// Bytes written as pairs of hex digits, and back.
inline std::string DepuisHex(const std::string& h) {
    std::string s;
    for (std::size_t i = 0; i + 1 < h.size(); i += 2) {
        s += static_cast<char>(std::stoi(h.substr(i, 2), nullptr, 16));
    }
    return s;
}
inline std::string EnHex(const std::string& s) {
    std::string h;
    for (unsigned char c : s) {
        h += "0123456789ABCDEF"[c >> 4];
        h += "0123456789ABCDEF"[c & 15];
    }
    return h;
}

// Writes a value as a golden text shows it: doubles in their shortest exact
// form, texts quoted, points, lists, refusals and empty results readably.
template <class T>
void Montrer(std::ostream& os, const T& v) {
    if constexpr (std::is_same_v<T, bool>) {
        os << (v ? "true" : "false");
    } else if constexpr (std::is_floating_point_v<T>) {
        char t[32];
        os.write(t, std::to_chars(t, t + sizeof t, v).ptr - t);
    } else if constexpr (std::is_convertible_v<T, std::string>) {
        os << '"' << std::string(v) << '"';
    } else if constexpr (requires { v.m_x + v.m_y + v.m_z; }) {
        os << '(';
        Montrer(os, v.m_x);
        os << ", ";
        Montrer(os, v.m_y);
        os << ", ";
        Montrer(os, v.m_z);
        os << ')';
    } else if constexpr (requires { v.nChamp + v.strMessage.size(); }) {
        os << "field " << v.nChamp << ' ';
        Montrer(os, v.strMessage);
    } else if constexpr (requires { v.has_value(); }) {
        v.has_value() ? Montrer(os, *v) : void(os << "none");
    } else if constexpr (requires { std::begin(v) != std::end(v); }) {
        os << '[';
        const char* sep = "";
        for (const auto& e : v) {
            os << sep;
            sep = ", ";
            Montrer(os, e);
        }
        os << ']';
    } else if constexpr (std::is_enum_v<T>) {
        os << static_cast<long long>(v);
    } else {
        os << +v;
    }
}

// A golden text of results: each line is the expressions as written in the
// test, then their values, so that one line pins several exact results.
// Arguments are evaluated in no set order: at most one call with effects per
// line, whose results are read through members (taken by reference, so after it).
struct CJournal {
    std::string m_texte;
    template <class... T>
    void Noter(const char* szExpressions, const T&... valeurs) {
        std::ostringstream os;
        os << szExpressions << " =";
        ((os << ' ', Montrer(os, valeurs)), ...);
        m_texte += os.str() + "\n";
    }
    void Titre(const std::string& s) { m_texte += "# " + s + "\n"; }
};
#define NOTER(journal, ...) (journal).Noter(#__VA_ARGS__, __VA_ARGS__)
