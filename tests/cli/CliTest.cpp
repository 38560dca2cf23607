#include "CliTest.h"

#include <cstdlib>

#include <sys/wait.h>

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
