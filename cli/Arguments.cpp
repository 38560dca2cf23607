#include "cli/Arguments.h"

#include "cli/Console.h"
#include "platform/Validation.h"
#include "solar/PositionSoleil.h"

#include <cctype>
#include <sstream>

namespace {

std::string Cite(const std::string& s) {
    return "\"" + s + "\"";
}

const COptionCli* Trouver(const std::vector<COptionCli>& options, const std::string& strNom) {
    static const COptionCli s_communes[] = {{"--json", 0}, {"--help", 0}};
    for (const COptionCli& o : s_communes) {
        if (strNom == o.szNom) {
            return &o;
        }
    }
    for (const COptionCli& o : options) {
        if (strNom == o.szNom) {
            return &o;
        }
    }
    return nullptr;
}

// Lower case, words split on blanks.
std::vector<std::string> Mots(const std::string& texte) {
    std::istringstream flux(texte);
    std::vector<std::string> mots;
    std::string mot;
    while (flux >> mot) {
        for (char& c : mot) {
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
        mots.push_back(mot);
    }
    return mots;
}

bool QueDesChiffres(const std::string& s) {
    if (s.empty()) {
        return false;
    }
    for (const char c : s) {
        if (!std::isdigit(static_cast<unsigned char>(c))) {
            return false;
        }
    }
    return true;
}

// "04" and "4" name the same day.
std::string SansZerosDeTete(const std::string& s) {
    const std::size_t i = s.find_first_not_of('0');
    return i == std::string::npos ? "0" : s.substr(i);
}

} // namespace

CArguments CArguments::Analyser(const std::vector<std::string>& mots,
                                const std::vector<COptionCli>& options) {
    CArguments a;
    bool bFinOptions = false;
    for (std::size_t i = 0; i < mots.size(); ++i) {
        const std::string& mot = mots[i];
        if (bFinOptions || mot.size() < 2 || mot[0] != '-') {
            a.m_positionnels.push_back(mot);
            continue;
        }
        if (mot == "--") {
            bFinOptions = true;
            continue;
        }
        std::string strNom = mot;
        std::optional<std::string> enLigne;
        if (const std::size_t egal = mot.find('=');
            mot.rfind("--", 0) == 0 && egal != std::string::npos) {
            strNom = mot.substr(0, egal);
            enLigne = mot.substr(egal + 1);
        }
        const COptionCli* pOption = Trouver(options, strNom);
        if (pOption == nullptr) {
            ErreurUsage("unknown option " + Cite(strNom));
        }
        std::vector<std::string> valeurs;
        if (enLigne) {
            if (pOption->nValeurs != 1) {
                ErreurUsage("the option " + strNom + " does not take \"=value\"");
            }
            valeurs.push_back(*enLigne);
        } else {
            for (int k = 0; k < pOption->nValeurs; ++k) {
                if (i + 1 >= mots.size()) {
                    ErreurUsage("the option " + strNom + " needs " +
                                std::to_string(pOption->nValeurs) +
                                (pOption->nValeurs == 1 ? " value" : " values"));
                }
                valeurs.push_back(mots[++i]);
            }
        }
        a.m_options[strNom] = std::move(valeurs);
    }
    return a;
}

std::optional<std::string> CArguments::Valeur(const std::string& strNom) const {
    const auto it = m_options.find(strNom);
    if (it == m_options.end() || it->second.empty()) {
        return std::nullopt;
    }
    return it->second.front();
}

const std::vector<std::string>& CArguments::Valeurs(const std::string& strNom) const {
    static const std::vector<std::string> s_aucune;
    const auto it = m_options.find(strNom);
    return it == m_options.end() ? s_aucune : it->second;
}

int LireDateCli(const std::string& strOption, const std::string& texte) {
    const std::vector<std::string> mots = Mots(texte);
    if (mots.size() == 1 && QueDesChiffres(mots[0])) {
        const std::string n = SansZerosDeTete(mots[0]);
        if (n.size() <= 2 && std::stoi(n) < CPositionSoleil::kNombreDates) {
            return std::stoi(n);
        }
    } else if (mots.size() == 2 && QueDesChiffres(mots[0])) {
        for (int i = 0; i < CPositionSoleil::kNombreDates; ++i) {
            const std::vector<std::string> date = Mots(CPositionSoleil::s_dates[i]);
            if (SansZerosDeTete(mots[0]) == SansZerosDeTete(date[0]) && mots[1] == date[1]) {
                return i;
            }
        }
    }
    ErreurUsage(strOption + ": " + Cite(texte) +
                " is not a date of the list (an index 0 to 23, or a date such as \"21 june\";"
                " the days are the 4th and the 21st of each month)");
}

void LireHeureCli(const std::string& strOption, const std::string& texte, int& nHeure,
                  int& nMinute) {
    const std::size_t deuxPoints = texte.find(':');
    if (deuxPoints != std::string::npos) {
        const std::string h = texte.substr(0, deuxPoints);
        const std::string m = texte.substr(deuxPoints + 1);
        if (QueDesChiffres(h) && QueDesChiffres(m) && h.size() <= 2 && m.size() == 2) {
            const int nH = std::stoi(h);
            const int nM = std::stoi(m);
            if (nH <= 23 && nM <= 59) {
                nHeure = nH;
                nMinute = nM;
                return;
            }
        }
    }
    ErreurUsage(strOption + ": " + Cite(texte) +
                " is not a time HH:MM (hours 00 to 23, minutes 00 to 59)");
}

double LireReelCli(const std::string& strOption, const std::string& texte, double dMin,
                   double dMax) {
    const std::optional<double> d = LireReel(texte);
    if (!d) {
        ErreurUsage(strOption + ": " + Cite(texte) + " is not a number");
    }
    if (auto refus = VerifierReel(0, *d, dMin, dMax)) {
        ErreurUsage(strOption + ": " + refus->strMessage);
    }
    return *d;
}

int LireEntierCli(const std::string& strOption, const std::string& texte, int nMin, int nMax) {
    const std::optional<long> n = LireEntier(texte);
    if (!n) {
        ErreurUsage(strOption + ": " + Cite(texte) + " is not a whole number");
    }
    if (auto refus = VerifierEntier(0, *n, nMin, nMax)) {
        ErreurUsage(strOption + ": " + refus->strMessage);
    }
    return static_cast<int>(*n);
}
