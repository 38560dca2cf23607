#pragma once

#include <string>
#include <utility>
#include <variant>
#include <vector>

// A JSON value built by the commands and written in one go. Doubles are
// written in the shortest form that reads back as the same double; strings
// must be UTF-8 (an invalid byte is written as U+FFFD).
class CJson {
public:
    struct CNul {};
    using CTableau = std::vector<CJson>;
    using CObjet = std::vector<std::pair<std::string, CJson>>; // members in insertion order

    CJson() : m_valeur(CNul{}) {}
    CJson(bool b) : m_valeur(b) {}
    CJson(int n) : m_valeur(static_cast<long long>(n)) {}
    CJson(long long n) : m_valeur(n) {}
    CJson(double d) : m_valeur(d) {}
    CJson(const char* sz) : m_valeur(std::string(sz)) {}
    CJson(std::string str) : m_valeur(std::move(str)) {}

    static CJson Objet() { return CJson(CObjet{}); }
    static CJson Tableau() { return CJson(CTableau{}); }

    // Appends a member to an object, or an element to an array.
    CJson& Ajouter(std::string strCle, CJson valeur);
    CJson& Ajouter(CJson valeur);

    // The whole value, indented by two blanks, followed by a line break.
    // Containers of scalars that fit on a short line stay on one line.
    std::string Texte() const;

private:
    explicit CJson(CObjet objet) : m_valeur(std::move(objet)) {}
    explicit CJson(CTableau tableau) : m_valeur(std::move(tableau)) {}

    bool EstConteneur() const;
    void EcrireCompact(std::string& sortie) const;
    void Ecrire(std::string& sortie, int nNiveau) const;

    std::variant<CNul, bool, long long, double, std::string, CTableau, CObjet> m_valeur;
};

// The shortest text that reads back as the same double ("0.1", "41.28",
// "1e+300"); "null" for a value JSON cannot hold (infinite or NaN).
std::string TexteNombreJson(double d);
std::string TexteNombreJson(float f);
// A JSON string literal with its quotes.
std::string ChaineJson(const std::string& utf8);
