#include "cli/Console.h"

#include "platform/Cp1252.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

void ErreurUsage(const std::string& strMessage) {
    throw CErreurCli(kSortieUsage, strMessage);
}

void ErreurFichier(const std::string& strMessage) {
    throw CErreurCli(kSortieFichier, strMessage);
}

void ErreurRefus(const std::string& strMessage) {
    throw CErreurCli(kSortieRefus, strMessage);
}

std::string MessageSurUneLigne(const std::string& strTexte) {
    std::string resultat;
    std::size_t debut = 0;
    while (debut <= strTexte.size()) {
        std::size_t fin = strTexte.find('\n', debut);
        if (fin == std::string::npos) {
            fin = strTexte.size();
        }
        std::string ligne = strTexte.substr(debut, fin - debut);
        while (!ligne.empty() && (ligne.back() == ' ' || ligne.back() == '\r')) {
            ligne.pop_back();
        }
        if (!ligne.empty()) {
            resultat += resultat.empty() ? "" : ". ";
            resultat += ligne;
        }
        debut = fin + 1;
    }
    return resultat;
}

EReponse CInteractionConsole::Message(const std::string& strTexte, const std::string&, EIcone,
                                      EBoutons) {
    m_messages.push_back(strTexte);
    return EReponse::Ok;
}

std::string CInteractionConsole::DernierMessage(const std::string& strSinon) const {
    return m_messages.empty() ? strSinon : m_messages.back();
}

CTableau::CTableau(std::vector<std::string> entetes, std::vector<bool> numeriques)
    : m_entetes(std::move(entetes)), m_numeriques(std::move(numeriques)) {
    m_numeriques.resize(m_entetes.size(), false);
}

void CTableau::AjouterLigne(std::vector<std::string> cellules) {
    cellules.resize(m_entetes.size());
    m_lignes.push_back(std::move(cellules));
}

namespace {

// Characters as a terminal counts them: UTF-8 continuation bytes take no column.
std::size_t Largeur(const std::string& s) {
    return static_cast<std::size_t>(std::count_if(
        s.begin(), s.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

} // namespace

std::string CTableau::Texte() const {
    std::vector<std::size_t> largeurs(m_entetes.size());
    for (std::size_t j = 0; j < m_entetes.size(); ++j) {
        largeurs[j] = Largeur(m_entetes[j]);
        for (const auto& ligne : m_lignes) {
            largeurs[j] = std::max(largeurs[j], Largeur(ligne[j]));
        }
    }
    std::string texte;
    const auto ecrire = [&](const std::vector<std::string>& cellules) {
        std::string ligne;
        for (std::size_t j = 0; j < cellules.size(); ++j) {
            const std::string marge(largeurs[j] - Largeur(cellules[j]), ' ');
            ligne += j == 0 ? "" : "  ";
            ligne += m_numeriques[j] ? marge + cellules[j] : cellules[j] + marge;
        }
        while (!ligne.empty() && ligne.back() == ' ') {
            ligne.pop_back();
        }
        texte += ligne + '\n';
    };
    ecrire(m_entetes);
    for (const auto& ligne : m_lignes) {
        ecrire(ligne);
    }
    return texte;
}

std::string TexteNombre(double d) {
    if (std::isnan(d)) {
        return "nan";
    }
    char tampon[64];
    std::snprintf(tampon, sizeof tampon, "%.10g", d);
    std::string s = tampon;
    return s == "-0" ? "0" : s;
}

double Decimale(double dArrondi, int n) {
    if (!std::isfinite(dArrondi)) {
        return dArrondi;
    }
    char tampon[512];
    std::snprintf(tampon, sizeof tampon, "%.*f", n, dArrondi);
    return std::strtod(tampon, nullptr);
}

namespace {

template <typename T>
std::string Exact(T v) {
    char tampon[64];
    const auto r = std::to_chars(tampon, tampon + sizeof tampon, v);
    return std::string(tampon, r.ptr);
}

} // namespace

std::string TexteExact(double d) {
    return Exact(d);
}

std::string TexteExact(float f) {
    return Exact(f);
}

std::string TexteUtf8(const std::string& cp1252) {
    return Cp1252VersUtf8(cp1252);
}

std::string TexteAffiche(const std::string& cp1252) {
    std::string sur;
    for (const char c : cp1252) {
        const auto u = static_cast<unsigned char>(c);
        // C0 controls, DEL, and the bytes the code page leaves undefined
        // (they become C1 controls).
        const bool bControle =
            u < 0x20 || u == 0x7F || u == 0x81 || u == 0x8D || u == 0x8F || u == 0x90 || u == 0x9D;
        sur += bControle ? '?' : c;
    }
    return Cp1252VersUtf8(sur);
}
