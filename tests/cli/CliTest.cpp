#include "CliTest.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace fs = std::filesystem;

CResultatCli LancerCli(const std::vector<std::string>& arguments, const std::string& dossier,
                       bool bTerminal, const char* szSortie) {
    // Standard output and error go to files (or error to a pseudo-terminal),
    // read once the program is gone.
    const std::string sortie = szSortie ? szSortie : dossier + "/.stdout";
    const std::string erreurs = dossier + "/.stderr";
    int nTerminal = -1;
    if (bTerminal && ((nTerminal = ::posix_openpt(O_RDWR | O_NOCTTY)) < 0 ||
                      ::grantpt(nTerminal) != 0 || ::unlockpt(nTerminal) != 0)) {
        throw std::runtime_error("no pseudo-terminal");
    }
    std::vector<std::string> mots = {VANTREL_CLI};
    mots.insert(mots.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& m : mots) {
        argv.push_back(m.data());
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, sortie.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    posix_spawn_file_actions_addopen(&actions, 2,
                                     bTerminal ? ::ptsname(nTerminal) : erreurs.c_str(),
                                     O_RDWR | O_CREAT | O_TRUNC | O_NOCTTY, 0600);
    posix_spawn_file_actions_addchdir_np(&actions, dossier.c_str());
    pid_t pid = 0;
    const int nSpawn = ::posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (nSpawn != 0) {
        throw std::runtime_error(std::string("cannot start vantrel-cli: ") + std::strerror(nSpawn));
    }
    int nEtat = 0;
    while (::waitpid(pid, &nEtat, 0) < 0 && errno == EINTR) {
    }
    CResultatCli r;
    r.nCode = WIFEXITED(nEtat) ? WEXITSTATUS(nEtat) : -1;
    r.sortie = szSortie ? "" : LireTexte(sortie);
    r.erreurs = LireTexte(erreurs);
    if (bTerminal) {
        // What the program left on the terminal, then EIO: it is gone.
        char tampon[65536];
        for (ssize_t n; (n = ::read(nTerminal, tampon, sizeof tampon)) > 0;) {
            r.erreurs.append(tampon, static_cast<std::size_t>(n));
        }
        ::close(nTerminal);
    }
    std::remove(erreurs.c_str());
    if (szSortie == nullptr) {
        std::remove(sortie.c_str());
    }
    return r;
}

std::vector<std::string> Cles(const Json& objet) {
    std::vector<std::string> cles;
    for (const auto& [cle, valeur] : objet.items()) {
        cles.push_back(cle);
    }
    return cles;
}

std::vector<std::uint8_t> LireOctets(const std::string& chemin) {
    std::ifstream f(chemin, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(f), {});
}

std::string LireTexte(const std::string& chemin) {
    std::ifstream f(chemin, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}

void EcrireOctets(const std::string& chemin, const std::vector<std::uint8_t>& octets) {
    std::ofstream(chemin, std::ios::binary)
        .write(reinterpret_cast<const char*>(octets.data()),
               static_cast<std::streamsize>(octets.size()));
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
    const std::string chemin = Chemin(strNom + ".vtl");
    const CResultatCli r = Cli({"example", strNom, chemin});
    EXPECT_EQ(r.nCode, 0) << r.erreurs;
    return chemin;
}

void CliTest::Charger(const std::string& chemin) {
    std::string strErreur;
    ASSERT_TRUE(m_doc.Charger(chemin, strErreur)) << strErreur;
}

Json CliTest::Lire(std::vector<std::string> arguments) {
    arguments.push_back("--json");
    const CResultatCli r = Cli(arguments);
    EXPECT_EQ(r.nCode, 0) << r.erreurs;
    EXPECT_EQ(r.erreurs, "");
    const Json json = Json::parse(r.sortie, nullptr, false);
    EXPECT_FALSE(json.is_discarded()) << r.sortie;
    return json;
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
    const std::size_t fin = r.erreurs.find('\n');
    ASSERT_NE(fin, std::string::npos) << r.erreurs;
    EXPECT_EQ(r.erreurs.rfind("vantrel-cli: ", 0), 0u) << r.erreurs;
    if (nCode == 1) {
        EXPECT_NE(r.erreurs.find("\nusage: vantrel-cli "), std::string::npos) << r.erreurs;
    } else {
        EXPECT_EQ(fin + 1, r.erreurs.size()) << "more than one line: " << r.erreurs;
    }
}
