#pragma once

#include "document/VantrelDoc.h"
#include "platform/InteractionScriptee.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdint>
#include <string>
#include <vector>

using Json = nlohmann::ordered_json;

struct CResultatCli {
    int nCode = -1; // -1 when the program did not exit
    std::string sortie;
    std::string erreurs;
};

// Runs the built vantrel-cli in `dossier`, its input empty, its standard
// output to szSortie when given.
CResultatCli LancerCli(const std::vector<std::string>& arguments, const std::string& dossier,
                       const char* szSortie = nullptr);

// An object's keys, blank-separated, and its values in the same order.
std::string Cles(const Json& objet);
Json Valeurs(const Json& objet);
std::vector<std::uint8_t> LireOctets(const std::string& chemin);
std::string LireTexte(const std::string& chemin);
bool Existe(const std::string& chemin);
// What the user reads of a result rounded to n decimals: the double nearest
// to that decimal (15.76 for 15.760000000000003).
double Lu(double dArrondi, int n);

// Each test works in a folder of its own, with a document of the core for
// the reference values.
class CliTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    std::string Chemin(const std::string& nom) const { return m_dossier + "/" + nom; }
    CResultatCli Cli(const std::vector<std::string>& arguments) const {
        return LancerCli(arguments, m_dossier);
    }
    std::string EcrireExemple(const std::string& strNom); // with the CLI; its path
    void Charger(const std::string& chemin);
    std::string Enregistrer(const std::string& nom); // the reference document; its path
    // Runs a command that must succeed with JSON output, and parses it.
    Json Lire(std::vector<std::string> arguments);
    CPositionSoleil& Soleil(int nIndexDate, int nHeure, int nMinute);

    std::string m_dossier;
    CInteractionScriptee m_ui;
    CVantrelDoc m_doc{m_ui};
};

// A failure: the code, no output, one line on standard error that starts
// with the program's name, then the command's usage for a usage error.
void VerifierEchec(const CResultatCli& r, int nCode);
