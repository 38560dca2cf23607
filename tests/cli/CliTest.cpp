#include "CliTest.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include <sys/wait.h>

namespace fs = std::filesystem;

CResultatCli LancerCli(const std::vector<std::string>& arguments, const std::string& dossier,
                       const char* szSortie) {
    // Every word quoted for the shell, which only redirects the outputs.
    const auto cite = [](std::string mot) {
        for (std::size_t i = 0; (i = mot.find('\'', i)) != std::string::npos; i += 4) {
            mot.replace(i, 1, "'\\''");
        }
        return "'" + mot + "'";
    };
    std::string ligne = "cd " + cite(dossier) + " && exec " + cite(VANTREL_CLI);
    for (const std::string& mot : arguments) {
        ligne += " " + cite(mot);
    }
    ligne += " </dev/null >" + cite(szSortie ? szSortie : ".stdout") + " 2>.stderr";
    const int nEtat = std::system(ligne.c_str());
    CResultatCli r{WIFEXITED(nEtat) ? WEXITSTATUS(nEtat) : -1,
                   szSortie ? "" : LireTexte(dossier + "/.stdout"),
                   LireTexte(dossier + "/.stderr")};
    std::filesystem::remove(dossier + "/.stdout");
    std::filesystem::remove(dossier + "/.stderr");
    return r;
}

std::string Cles(const Json& objet) {
    std::string cles;
    for (const auto& [cle, valeur] : objet.items()) {
        cles += (cles.empty() ? "" : " ") + cle;
    }
    return cles;
}

Json Valeurs(const Json& objet) {
    Json valeurs = Json::array();
    for (const auto& [cle, valeur] : objet.items()) {
        valeurs.push_back(valeur);
    }
    return valeurs;
}

std::vector<std::uint8_t> LireOctets(const std::string& chemin) {
    const std::string texte = LireTexte(chemin);
    return std::vector<std::uint8_t>(texte.begin(), texte.end());
}

std::string LireTexte(const std::string& chemin) {
    std::ifstream f(chemin, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}

bool Existe(const std::string& chemin) {
    std::error_code ec;
    return fs::exists(chemin, ec);
}

double Lu(double dArrondi, int n) {
    char tampon[512];
    std::snprintf(tampon, sizeof tampon, "%.*f", n, dArrondi);
    return std::strtod(tampon, nullptr);
}

void CliTest::SetUp() {
    std::string modele = (fs::temp_directory_path() / "vantrel-cli-XXXXXX").string();
    ASSERT_NE(::mkdtemp(modele.data()), nullptr);
    m_dossier = modele;
}

void CliTest::TearDown() {
    std::error_code ec;
    fs::remove_all(m_dossier, ec);
}

std::string CliTest::EcrireExemple(const std::string& strNom) {
    const CResultatCli r = Cli({"example", strNom, Chemin(strNom + ".vtl")});
    EXPECT_EQ(r.nCode, 0) << r.erreurs;
    return Chemin(strNom + ".vtl");
}

void CliTest::Charger(const std::string& chemin) {
    std::string strErreur;
    ASSERT_TRUE(m_doc.Charger(chemin, strErreur)) << strErreur;
}

std::string CliTest::Enregistrer(const std::string& nom) {
    std::string strErreur;
    EXPECT_TRUE(m_doc.Enregistrer(Chemin(nom), strErreur)) << strErreur;
    return Chemin(nom);
}

Json CliTest::Lire(std::vector<std::string> arguments) {
    arguments.push_back("--json");
    const CResultatCli r = Cli(arguments);
    EXPECT_EQ(r.nCode, 0) << r.erreurs;
    EXPECT_EQ(r.erreurs, "");
    return Json::parse(r.sortie); // a malformed text throws, and fails the test
}

CPositionSoleil& CliTest::Soleil(int nIndexDate, int nHeure, int nMinute) {
    CPositionSoleil& soleil = m_doc.m_positionSoleil;
    soleil.m_nIndexDate = nIndexDate;
    soleil.m_nHeure = nHeure;
    soleil.m_nMinute = nMinute;
    soleil.CalculerPosition();
    soleil.CalculerDirection();
    return soleil;
}

void VerifierEchec(const CResultatCli& r, int nCode) {
    EXPECT_EQ(r.nCode, nCode) << r.erreurs;
    EXPECT_EQ(r.sortie, "");
    EXPECT_EQ(r.erreurs.rfind("vantrel-cli: ", 0), 0u) << r.erreurs;
    const std::size_t fin = r.erreurs.find('\n');
    if (nCode == 1) {
        EXPECT_EQ(r.erreurs.find("usage: vantrel-cli "), fin + 1) << r.erreurs;
    } else {
        EXPECT_EQ(fin + 1, r.erreurs.size()) << "not one line: " << r.erreurs;
    }
}
