#pragma once

#include "document/VantrelDoc.h"
#include "platform/InteractionScriptee.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdint>
#include <string>
#include <vector>

using Json = nlohmann::ordered_json;

// What one run of vantrel-cli gave.
struct CResultatCli {
    int nCode = -1; // exit code; -1 when it did not exit normally
    std::string sortie;
    std::string erreurs;
};

// Runs the built vantrel-cli with `arguments` (no shell) in `dossier`. With
// bTerminal its standard error is a pseudo-terminal; with szSortie its
// standard output goes to that file instead of a pipe.
CResultatCli LancerCli(const std::vector<std::string>& arguments, const std::string& dossier,
                       bool bTerminal = false, const char* szSortie = nullptr);

std::vector<std::string> Cles(const Json& objet);
std::vector<std::uint8_t> LireOctets(const std::string& chemin);
std::string LireTexte(const std::string& chemin);
void EcrireOctets(const std::string& chemin, const std::vector<std::uint8_t>& octets);
bool Existe(const std::string& chemin);
// What the user reads of a result rounded to n decimals: the double nearest
// to that decimal ("15.76" for 15.760000000000003).
double Lu(double dArrondi, int n);

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
    void Charger(const std::string& chemin);
    // Runs a command that must succeed with JSON output, and parses it.
    Json Lire(std::vector<std::string> arguments);
    // The reference sun of the loaded document.
    CPositionSoleil& Soleil(int nIndexDate, int nHeure, int nMinute);

    std::string m_dossier;
    CInteractionScriptee m_ui;
    CVantrelDoc m_doc{m_ui};
};

// A failure: the code, no output, and one line on standard error that starts
// with the program's name (then the command's usage for a usage error).
void VerifierEchec(const CResultatCli& r, int nCode);
