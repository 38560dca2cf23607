#include "FichiersVtl.h"
#include "document/Fichier.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class Fichier : public ::testing::Test {
protected:
    void SetUp() override {
        std::string modele = (fs::temp_directory_path() / "vantrel-fichier-XXXXXX").string();
        ASSERT_NE(::mkdtemp(modele.data()), nullptr);
        m_dossier = modele;
    }
    void TearDown() override {
        std::error_code ec;
        fs::permissions(m_dossier, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(m_dossier, ec);
    }

    std::string Chemin(const std::string& nom) const { return (m_dossier / nom).string(); }

    static void Poser(const std::string& chemin, const std::string& contenu) {
        std::ofstream f(chemin, std::ios::binary | std::ios::trunc);
        f << contenu;
        ASSERT_TRUE(f.good());
    }
    static std::string Contenu(const std::string& chemin) {
        std::ifstream f(chemin, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(f), {});
    }
    // Names of the folder's entries, to check that no temporary file stays.
    std::vector<std::string> Entrees() const {
        std::vector<std::string> noms;
        for (const auto& e : fs::directory_iterator(m_dossier)) {
            noms.push_back(e.path().filename().string());
        }
        std::sort(noms.begin(), noms.end());
        return noms;
    }

    fs::path m_dossier;
};

const Octets s_scene = {0x08, 'n', 'o', ' ', 't', 'i', 't', 'l', 'e', 0x01, 0x00, 0xFF};

TEST_F(Fichier, SavesANewFileAndReadsItBack) {
    std::string strErreur;
    ASSERT_TRUE(EnregistrerFichier(Chemin("scene.vtl"), s_scene, strErreur)) << strErreur;
    Octets lus = {1, 2, 3};
    ASSERT_TRUE(LireFichier(Chemin("scene.vtl"), lus, strErreur)) << strErreur;
    EXPECT_EQ(lus, s_scene);
    EXPECT_EQ(Entrees(), std::vector<std::string>{"scene.vtl"});

    ASSERT_TRUE(EnregistrerFichier(Chemin("vide.vtl"), {}, strErreur)) << strErreur;
    ASSERT_TRUE(LireFichier(Chemin("vide.vtl"), lus, strErreur));
    EXPECT_TRUE(lus.empty());
}

TEST_F(Fichier, OverwritesKeepingThePermissions) {
    const std::string chemin = Chemin("scene.vtl");
    Poser(chemin, std::string(5000, 'x'));
    ASSERT_EQ(::chmod(chemin.c_str(), 0640), 0);
    std::string strErreur;
    ASSERT_TRUE(EnregistrerFichier(chemin, s_scene, strErreur)) << strErreur;
    EXPECT_EQ(Contenu(chemin), std::string(s_scene.begin(), s_scene.end()));
    struct stat etat {};
    ASSERT_EQ(::stat(chemin.c_str(), &etat), 0);
    EXPECT_EQ(etat.st_mode & 07777, 0640u);
    EXPECT_EQ(Entrees(), std::vector<std::string>{"scene.vtl"});
}

TEST_F(Fichier, AFullDiskLeavesTheOldFileIntact) {
    const std::string chemin = Chemin("scene.vtl");
    const std::string ancien = "the previous scene, byte for byte";
    Poser(chemin, ancien);
    const Octets grand(100000, 0x5A);
    for (std::size_t k : {std::size_t{0}, std::size_t{1}, std::size_t{65536}}) {
        const FonctionEcriture disquePlein = DisquePlein(k);
        std::string strErreur;
        EXPECT_FALSE(EnregistrerFichier(chemin, grand, strErreur, disquePlein)) << k;
        EXPECT_EQ(strErreur, "Cannot write \"" + chemin + "\": No space left on device.");
        EXPECT_EQ(Contenu(chemin), ancien);
        EXPECT_EQ(Entrees(), std::vector<std::string>{"scene.vtl"});
    }
    // A write that makes no progress fails instead of looping.
    std::string strErreur;
    EXPECT_FALSE(EnregistrerFichier(
        chemin, grand, strErreur, [](int, const void*, std::size_t) { return std::ptrdiff_t{0}; }));
    EXPECT_EQ(Contenu(chemin), ancien);
    EXPECT_EQ(Entrees(), std::vector<std::string>{"scene.vtl"});
}

TEST_F(Fichier, ShortWritesAreContinued) {
    const Octets donnees(1000, 0x33);
    std::string strErreur;
    ASSERT_TRUE(EnregistrerFichier(Chemin("a.vtl"), donnees, strErreur,
                                   [](int fd, const void* p, std::size_t n) -> std::ptrdiff_t {
                                       return ::write(fd, p, std::min<std::size_t>(n, 7));
                                   }))
        << strErreur;
    EXPECT_EQ(Contenu(Chemin("a.vtl")), std::string(1000, '\x33'));
}

TEST_F(Fichier, MissingOrUnwritableFoldersFail) {
    std::string strErreur;
    const std::string absent = Chemin("absent/scene.vtl");
    EXPECT_FALSE(EnregistrerFichier(absent, s_scene, strErreur));
    EXPECT_NE(strErreur.find("\"" + absent + "\""), std::string::npos) << strErreur;
    EXPECT_NE(strErreur.find("No such file or directory"), std::string::npos) << strErreur;

    Poser(Chemin("fichier"), "x");
    EXPECT_FALSE(EnregistrerFichier(Chemin("fichier/scene.vtl"), s_scene, strErreur));
    EXPECT_NE(strErreur.find("Not a directory"), std::string::npos) << strErreur;

    // A folder of the process file system refuses new files even to root.
    if (fs::is_directory("/proc/self")) {
        EXPECT_FALSE(EnregistrerFichier("/proc/self/scene.vtl", s_scene, strErreur));
        EXPECT_NE(strErreur.find("cannot create a file in the folder \"/proc/self\""),
                  std::string::npos)
            << strErreur;
    }
    EXPECT_EQ(Entrees(), std::vector<std::string>{"fichier"});
}

TEST_F(Fichier, ReadOnlyFolderFails) {
    const fs::path dossier = m_dossier / "lecture";
    fs::create_directory(dossier);
    fs::permissions(dossier, fs::perms::owner_read | fs::perms::owner_exec);
    if (::access(dossier.c_str(), W_OK) == 0) {
        GTEST_SKIP() << "this user writes through folder permissions";
    }
    std::string strErreur;
    EXPECT_FALSE(EnregistrerFichier((dossier / "scene.vtl").string(), s_scene, strErreur));
    EXPECT_NE(strErreur.find("Permission denied"), std::string::npos) << strErreur;
    EXPECT_TRUE(fs::is_empty(dossier));
}

TEST_F(Fichier, ReadOnlyFilesAndFoldersAreNotReplaced) {
    const std::string chemin = Chemin("protege.vtl");
    Poser(chemin, "keep");
    ASSERT_EQ(::chmod(chemin.c_str(), 0444), 0);
    std::string strErreur;
    EXPECT_FALSE(EnregistrerFichier(chemin, s_scene, strErreur));
    EXPECT_EQ(strErreur, "Cannot save \"" + chemin + "\": the file is read-only.");
    EXPECT_EQ(Contenu(chemin), "keep");

    fs::create_directory(m_dossier / "sous");
    EXPECT_FALSE(EnregistrerFichier(Chemin("sous"), s_scene, strErreur));
    EXPECT_EQ(strErreur, "Cannot save \"" + Chemin("sous") + "\": it is a folder.");
    EXPECT_FALSE(EnregistrerFichier("", s_scene, strErreur));
    EXPECT_EQ(Entrees(), (std::vector<std::string>{"protege.vtl", "sous"}));
}

TEST_F(Fichier, ASymbolicLinkKeepsPointingToTheSavedFile) {
    const std::string cible = Chemin("vraie.vtl");
    Poser(cible, "old");
    fs::create_symlink(cible, m_dossier / "lien.vtl");
    std::string strErreur;
    ASSERT_TRUE(EnregistrerFichier(Chemin("lien.vtl"), s_scene, strErreur)) << strErreur;
    EXPECT_TRUE(fs::is_symlink(m_dossier / "lien.vtl"));
    EXPECT_EQ(Contenu(cible), std::string(s_scene.begin(), s_scene.end()));
}

TEST_F(Fichier, TextExportIsWrittenByteForByte) {
    const std::string texte = "0 0 0 0 -12.5\n12 0 45.23 31.5 64.49\n";
    std::string strErreur;
    ASSERT_TRUE(EnregistrerTexte(Chemin("results.txt"), texte, strErreur)) << strErreur;
    EXPECT_EQ(Contenu(Chemin("results.txt")), texte);
    ASSERT_TRUE(EnregistrerTexte(Chemin("results.txt"), "1\n", strErreur)) << strErreur;
    EXPECT_EQ(Contenu(Chemin("results.txt")), "1\n");
}

TEST_F(Fichier, ReadingIsBounded) {
    const std::string chemin = Chemin("dix.vtl");
    Poser(chemin, "0123456789");
    Octets lus;
    std::string strErreur;
    EXPECT_TRUE(LireFichier(chemin, lus, strErreur, 10));
    EXPECT_EQ(lus.size(), 10u);
    EXPECT_FALSE(LireFichier(chemin, lus, strErreur, 9));
    EXPECT_EQ(strErreur, "\"" + chemin + "\" is too large: the limit is 9 bytes.");
    EXPECT_TRUE(lus.empty());

    // One byte over the default limit, as a sparse file: refused without reading.
    const std::string enorme = Chemin("enorme.vtl");
    Poser(enorme, "");
    ASSERT_EQ(::truncate(enorme.c_str(), static_cast<off_t>(g_nTailleMaxFichier + 1)), 0);
    EXPECT_FALSE(LireFichier(enorme, lus, strErreur));
    EXPECT_EQ(strErreur, "\"" + enorme + "\" is too large: the limit is 268435456 bytes.");
}

TEST_F(Fichier, ReadingRefusesWhatIsNotARegularFile) {
    Octets lus;
    std::string strErreur;
    EXPECT_FALSE(LireFichier(Chemin("absent.vtl"), lus, strErreur));
    EXPECT_EQ(strErreur,
              "Cannot open \"" + Chemin("absent.vtl") + "\": No such file or directory.");
    EXPECT_FALSE(LireFichier(m_dossier.string(), lus, strErreur));
    EXPECT_EQ(strErreur, "\"" + m_dossier.string() + "\" is a folder, not a file.");
    // A named pipe without a writer would block a plain open.
    ASSERT_EQ(::mkfifo(Chemin("tube").c_str(), 0600), 0);
    EXPECT_FALSE(LireFichier(Chemin("tube"), lus, strErreur));
    EXPECT_EQ(strErreur, "\"" + Chemin("tube") + "\" is not a regular file.");
}

} // namespace
