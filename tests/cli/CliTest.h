#pragma once

#include "document/VantrelDoc.h"
#include "platform/InteractionScriptee.h"
#include "tests/platform/ImpressionEcran.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

using Json = nlohmann::ordered_json;

struct CResultatCli {
    int nCode = -1; // -1 when the program did not exit
    std::string sortie, erreurs;
    bool operator==(const CResultatCli&) const = default;
    friend void PrintTo(const CResultatCli& r, std::ostream* pFlux) {
        *pFlux << "exit " << r.nCode << "\n" << r.sortie << "\n" << r.erreurs;
    }
};

// Runs the built vantrel-cli in `dossier`, its input empty, its standard
// output to szSortie when given.
CResultatCli LancerCli(const std::vector<std::string>& arguments, const std::string& dossier,
                       const char* szSortie = nullptr);

inline std::string LireTexte(const std::string& chemin) {
    std::ifstream f(chemin, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}
// What the user reads of a result rounded to n decimals: the double nearest
// to that decimal (15.76 for 15.760000000000003).
inline double Lu(double dArrondi, int n) {
    char tampon[512];
    std::snprintf(tampon, sizeof tampon, "%.*f", n, dArrondi);
    return std::strtod(tampon, nullptr);
}

// Each test in a folder of its own, with the core's document for reference values.
class CliTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string modele = (std::filesystem::temp_directory_path() / "vantrel-cli-XXXXXX");
        ASSERT_NE(::mkdtemp(modele.data()), nullptr);
        m_dossier = modele;
    }
    void TearDown() override { std::filesystem::remove_all(m_dossier); }
    std::string Chemin(const std::string& nom) const { return m_dossier + "/" + nom; }
    bool Existe(const std::string& nom) const { return std::filesystem::exists(Chemin(nom)); }
    CResultatCli Cli(const std::vector<std::string>& arguments) const {
        return LancerCli(arguments, m_dossier);
    }
    std::string EcrireExemple(const std::string& strNom) {
        EXPECT_EQ(Cli({"example", strNom, Chemin(strNom + ".vtl")}).nCode, 0);
        return Chemin(strNom + ".vtl");
    }
    void Charger(const std::string& chemin) {
        std::string strErreur;
        ASSERT_TRUE(m_doc.Charger(chemin, strErreur)) << strErreur;
    }
    // The house example, loaded as the reference too.
    std::string Maison() {
        Charger(EcrireExemple("house"));
        return Chemin("house.vtl");
    }
    std::string Enregistrer(const std::string& nom) {
        std::string strErreur;
        EXPECT_TRUE(m_doc.Enregistrer(Chemin(nom), strErreur)) << strErreur;
        return Chemin(nom);
    }
    // Runs a command that must succeed with JSON output, and parses it (a
    // malformed text throws, and fails the test).
    Json Lire(std::vector<std::string> arguments) {
        arguments.push_back("--json");
        const CResultatCli r = Cli(arguments);
        EXPECT_EQ(r, (CResultatCli{0, r.sortie, ""}));
        return Json::parse(r.sortie);
    }
    CPositionSoleil& Soleil(int nIndexDate, int nHeure, int nMinute) {
        CPositionSoleil& soleil = m_doc.m_positionSoleil;
        std::tie(soleil.m_nIndexDate, soleil.m_nHeure, soleil.m_nMinute) =
            std::tuple{nIndexDate, nHeure, nMinute};
        soleil.CalculerPosition();
        soleil.CalculerDirection();
        return soleil;
    }
    std::string m_dossier;
    CInteractionScriptee m_ui;
    CVantrelDoc m_doc{m_ui};
};

// A failure: the code, no output, one line "vantrel-cli: ..." on standard
// error, then the command's usage for a usage error.
void VerifierEchec(const CResultatCli& r, int nCode);
