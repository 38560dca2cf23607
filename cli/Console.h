#pragma once

#include "platform/Interaction.h"

#include <stdexcept>
#include <string>
#include <vector>

// Exit codes that scripts rely on.
enum ECodeSortie : int {
    kSortieSucces = 0,
    kSortieUsage = 1,   // unknown command or option, a value out of range
    kSortieFichier = 2, // a file that cannot be read or written
    kSortieRefus = 3,   // a computation refused by the program
};

// The failure of a command: its exit code and a one-line message. A usage
// failure is followed by the usage of the command.
class CErreurCli : public std::runtime_error {
public:
    CErreurCli(ECodeSortie code, const std::string& strMessage)
        : std::runtime_error(strMessage), m_code(code) {}
    ECodeSortie Code() const { return m_code; }

private:
    ECodeSortie m_code;
};

// Shorthands for the three kinds of failure.
[[noreturn]] void ErreurUsage(const std::string& strMessage);
[[noreturn]] void ErreurFichier(const std::string& strMessage);
[[noreturn]] void ErreurRefus(const std::string& strMessage);

// A message box's text as one line: each line loses its trailing blanks and
// the lines are joined by ". ".
std::string MessageSurUneLigne(const std::string& strTexte);

// The command line has no one to ask: messages are kept for the command to
// report through its exit code, and no file is ever chosen.
class CInteractionConsole : public CInteraction {
public:
    std::vector<std::string> m_messages;

    EReponse Message(const std::string& strTexte, const std::string& strTitre, EIcone icone,
                     EBoutons boutons) override;
    std::optional<std::string> ChoisirFichierEnregistrement(const CChoixFichier&) override {
        return std::nullopt;
    }
    std::optional<std::string> ChoisirFichierOuverture(const CChoixFichier&) override {
        return std::nullopt;
    }
    void RedessinerVues() override {}

    // The last message, or a given text when there was none.
    std::string DernierMessage(const std::string& strSinon) const;
};

// A readable table: a header row and rows of cells, columns aligned; the
// columns marked numeric are aligned to the right.
class CTableau {
public:
    explicit CTableau(std::vector<std::string> entetes, std::vector<bool> numeriques = {});
    void AjouterLigne(std::vector<std::string> cellules);
    std::string Texte() const;

private:
    std::vector<std::string> m_entetes;
    std::vector<bool> m_numeriques;
    std::vector<std::vector<std::string>> m_lignes;
};

// A double for a human: up to 10 significant digits, so that a rounded
// result such as 41.279999999999994 reads "41.28".
std::string TexteNombre(double d);
// A result the program rounded to n decimals, as that decimal: the double
// nearest to it, which JSON then writes in those digits (15.76, never
// 15.760000000000003).
double Decimale(double dArrondi, int n);
// The shortest text that reads back as the same value, for data files.
std::string TexteExact(double d);
std::string TexteExact(float f);
// Stored text (Windows-1252) as UTF-8, for JSON.
std::string TexteUtf8(const std::string& cp1252);
// The same for a terminal: control characters, which a damaged or hostile
// file could use to drive the terminal, are shown as "?".
std::string TexteAffiche(const std::string& cp1252);
