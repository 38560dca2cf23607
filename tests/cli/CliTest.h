#pragma once

#include "document/VantrelDoc.h"
#include "platform/InteractionScriptee.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// What one run of vantrel-cli gave.
struct CResultatCli {
    int nCode = -1; // exit code; -1 when it did not exit normally
    std::string sortie;
    std::string erreurs;
};

// Runs the built vantrel-cli with `arguments` (no shell), its working folder
// `dossier`. With bTerminal its standard error is a pseudo-terminal; with
// szSortie its standard output goes to that file instead of a pipe.
CResultatCli LancerCli(const std::vector<std::string>& arguments, const std::string& dossier,
                       bool bTerminal = false, const char* szSortie = nullptr);

// A parsed JSON value, for checking the machine-readable output.
struct CJsonLu {
    enum EType { Nul, Booleen, Nombre, Chaine, Tableau, Objet };
    EType type = Nul;
    bool b = false;
    double d = 0;
    std::string s;
    std::vector<CJsonLu> elements;
    std::vector<std::pair<std::string, CJsonLu>> membres;

    // A member or an element; a failed test assertion and a null value when absent.
    const CJsonLu& operator[](const std::string& strCle) const;
    const CJsonLu& operator[](std::size_t i) const;
    std::vector<std::string> Cles() const;
    std::size_t Taille() const { return type == Tableau ? elements.size() : membres.size(); }
};

// Strict parse of a whole text; throws std::runtime_error on malformed JSON.
CJsonLu LireJson(const std::string& texte);

std::vector<std::uint8_t> LireOctets(const std::string& chemin);
std::string LireTexte(const std::string& chemin);
bool Existe(const std::string& chemin);

// Each test works in a folder of its own, with a fresh document of the core
// for the reference values.
class CliTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    std::string Chemin(const std::string& nom) const { return m_dossier + "/" + nom; }
    CResultatCli Cli(const std::vector<std::string>& arguments, bool bTerminal = false) const {
        return LancerCli(arguments, m_dossier, bTerminal);
    }
    // Writes an example with the CLI, checking that it succeeded; its path.
    std::string EcrireExemple(const std::string& strNom);
    // Loads a scene into the reference document.
    void Charger(const std::string& chemin);
    // Runs a command that must succeed with JSON output, and parses it.
    CJsonLu Json(std::vector<std::string> arguments);

    std::string m_dossier;
    CInteractionScriptee m_ui;
    CVantrelDoc m_doc{m_ui};
};

// A failure: the code, no output, and one line on standard error that starts
// with the program's name.
void VerifierEchec(const CResultatCli& r, int nCode);
