#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

// An option of a command and the number of values that follow it.
struct COptionCli {
    const char* szNom; // "--date"
    int nValeurs;      // 0 for a flag
};

// The words of a command line after the command's name: its positional
// arguments and its options with their values. Every command takes --json
// and --help besides its own options.
class CArguments {
public:
    std::vector<std::string> m_positionnels;
    std::map<std::string, std::vector<std::string>> m_options; // the last occurrence wins

    // Splits `mots` against the command's options; an unknown option or a
    // missing value is a usage error. "--name=value" is accepted for options
    // with one value; "--" ends the options.
    static CArguments Analyser(const std::vector<std::string>& mots,
                               const std::vector<COptionCli>& options);

    bool Present(const std::string& strNom) const { return m_options.count(strNom) != 0; }
    // The first value of an option, when given.
    std::optional<std::string> Valeur(const std::string& strNom) const;
    const std::vector<std::string>& Valeurs(const std::string& strNom) const;
    bool Json() const { return Present("--json"); }
};

// Parsing the values; each refuses with a usage error naming the option.

// A date of the list: its index 0 to 23 or its text ("21 june", "4 January").
int LireDateCli(const std::string& strOption, const std::string& texte);
// "HH:MM", hours 0 to 23 and minutes 0 to 59.
void LireHeureCli(const std::string& strOption, const std::string& texte, int& nHeure,
                  int& nMinute);
// A number within [dMin, dMax].
double LireReelCli(const std::string& strOption, const std::string& texte, double dMin,
                   double dMax);
// A whole number within [nMin, nMax].
int LireEntierCli(const std::string& strOption, const std::string& texte, int nMin, int nMax);
