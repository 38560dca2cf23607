#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace CLI {
class App;
class Validator;
} // namespace CLI

// The values of one parsed command, as the command reads them. The parser
// has already refused every value its checks below refuse.
class CArguments {
public:
    explicit CArguments(const CLI::App& commande) : m_commande(commande) {}

    bool Present(const std::string& strNom) const;
    // The value of an option or a positional argument, when given (the last
    // occurrence wins).
    std::optional<std::string> Valeur(const std::string& strNom) const;
    std::vector<std::string> Valeurs(const std::string& strNom) const;
    bool Json() const { return Present("--json"); }

    int Date() const;                  // --date
    std::pair<int, int> Heure() const; // --time: hours, minutes
    std::optional<double> Reel(const std::string& strNom) const;
    std::optional<long> Entier(const std::string& strNom) const;

private:
    const CLI::App& m_commande;
};

// A date of the list: its index 0 to 23 or its text ("21 june", "4 January").
std::optional<int> LireDate(const std::string& texte);
// "HH:MM", hours 0 to 23 and minutes 0 to 59.
std::optional<std::pair<int, int>> LireHeure(const std::string& texte);

// The parser's checks of option values; each message follows the option's name.
CLI::Validator ValidateurDate();
CLI::Validator ValidateurHeure();
// A number, or a whole number, within the range of the program's dialog.
CLI::Validator ValidateurReel(double dMin, double dMax);
CLI::Validator ValidateurEntier(long nMin, long nMax);
// A step of the day report's list of minutes.
CLI::Validator ValidateurPas();
