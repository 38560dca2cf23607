#include "cli/Arguments.h"

#include "document/OptionsCalcul.h"
#include "platform/Validation.h"
#include "solar/PositionSoleil.h"

#include <CLI/CLI.hpp>

#include <cctype>
#include <sstream>

namespace {

std::string Cite(const std::string& s) {
    return "\"" + s + "\"";
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

CLI::Validator Validateur(std::function<std::string(const std::string&)> verifier) {
    return CLI::Validator([verifier](std::string& s) { return verifier(s); }, "");
}

} // namespace

bool CArguments::Present(const std::string& strNom) const {
    return m_commande.get_option(strNom)->count() != 0;
}

std::optional<std::string> CArguments::Valeur(const std::string& strNom) const {
    const std::vector<std::string> valeurs = Valeurs(strNom);
    if (valeurs.empty()) {
        return std::nullopt;
    }
    return valeurs.back();
}

std::vector<std::string> CArguments::Valeurs(const std::string& strNom) const {
    const CLI::Option* pOption = m_commande.get_option(strNom);
    if (pOption->count() == 0) {
        return {};
    }
    return pOption->reduced_results();
}

int CArguments::Date() const {
    return LireDate(Valeur("--date").value_or("")).value_or(0);
}

std::pair<int, int> CArguments::Heure() const {
    return LireHeure(Valeur("--time").value_or("")).value_or(std::pair{0, 0});
}

std::optional<double> CArguments::Reel(const std::string& strNom) const {
    const std::optional<std::string> v = Valeur(strNom);
    return v ? LireReel(*v) : std::nullopt;
}

std::optional<long> CArguments::Entier(const std::string& strNom) const {
    const std::optional<std::string> v = Valeur(strNom);
    return v ? LireEntier(*v) : std::nullopt;
}

std::optional<int> LireDate(const std::string& texte) {
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
    return std::nullopt;
}

std::optional<std::pair<int, int>> LireHeure(const std::string& texte) {
    const std::size_t deuxPoints = texte.find(':');
    if (deuxPoints == std::string::npos) {
        return std::nullopt;
    }
    const std::string h = texte.substr(0, deuxPoints);
    const std::string m = texte.substr(deuxPoints + 1);
    if (!QueDesChiffres(h) || !QueDesChiffres(m) || h.size() > 2 || m.size() != 2) {
        return std::nullopt;
    }
    const int nH = std::stoi(h);
    const int nM = std::stoi(m);
    if (nH > 23 || nM > 59) {
        return std::nullopt;
    }
    return std::pair{nH, nM};
}

CLI::Validator ValidateurDate() {
    return Validateur([](const std::string& s) -> std::string {
        if (LireDate(s)) {
            return "";
        }
        return Cite(s) + " is not a date of the list (an index 0 to 23, or a date such as "
                         "\"21 june\"; the days are the 4th and the 21st of each month)";
    });
}

CLI::Validator ValidateurHeure() {
    return Validateur([](const std::string& s) -> std::string {
        return LireHeure(s) ? ""
                            : Cite(s) + " is not a time HH:MM (hours 00 to 23, minutes 00 to 59)";
    });
}

CLI::Validator ValidateurReel(double dMin, double dMax) {
    return Validateur([dMin, dMax](const std::string& s) -> std::string {
        const std::optional<double> d = LireReel(s);
        if (!d) {
            return Cite(s) + " is not a number";
        }
        const CResultatValidation refus = VerifierReel(0, *d, dMin, dMax);
        return refus ? refus->strMessage : "";
    });
}

CLI::Validator ValidateurEntier(long nMin, long nMax) {
    return Validateur([nMin, nMax](const std::string& s) -> std::string {
        const std::optional<long> n = LireEntier(s);
        if (!n) {
            return Cite(s) + " is not a whole number";
        }
        const CResultatValidation refus = VerifierEntier(0, *n, nMin, nMax);
        return refus ? refus->strMessage : "";
    });
}

CLI::Validator ValidateurPas() {
    return Validateur([](const std::string& s) -> std::string {
        const std::optional<long> n = LireEntier(s);
        for (const int nMinutes : COptionsCalcul::s_minutesPas) {
            if (n && *n == nMinutes) {
                return "";
            }
        }
        return Cite(s) + " is not a step of the list (1, 2, 3, 4, 5, 6, 10, 12, 15, 20 or 30 "
                         "minutes)";
    });
}
