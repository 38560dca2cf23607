// Safe saving and bounded reading, of bytes and of scenes.
#include "DocumentTest.h"
#include "FichiersVtl.h"

#include <filesystem>

#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

class Fichier : public DocumentTest {
protected:
    void SetUp() override {
        std::string modele = (fs::temp_directory_path() / "vantrel-fichier-XXXXXX").string();
        ASSERT_NE(::mkdtemp(modele.data()), nullptr);
        m_dossier = modele;
    }
    void TearDown() override {
        std::error_code ec;
        for (const char* d : {"", "lecture"}) {
            fs::permissions(m_dossier / d, fs::perms::owner_all, fs::perm_options::add, ec);
        }
        fs::remove_all(m_dossier, ec);
    }
    std::string Chemin(const std::string& nom) const { return (m_dossier / nom).string(); }
    static void Poser(const std::string& chemin, const std::string& contenu) {
        std::ofstream(chemin, std::ios::binary | std::ios::trunc) << contenu;
    }
    static std::string Contenu(const std::string& chemin) {
        const Octets o = LireOctets(chemin);
        return std::string(o.begin(), o.end());
    }
    // Names of the folder's entries, to check that no temporary file stays.
    std::vector<std::string> Entrees(const fs::path& dossier = {}) const {
        std::vector<std::string> noms;
        for (const auto& e : fs::directory_iterator(dossier.empty() ? m_dossier : dossier)) {
            noms.push_back(e.path().filename().string());
        }
        std::sort(noms.begin(), noms.end());
        return noms;
    }
    fs::path m_dossier;
};

using Noms = std::vector<std::string>;
const Octets s_scene = {0x08, 'n', 'o', ' ', 't', 'i', 't', 'l', 'e', 0x01, 0x00, 0xFF};
const std::string s_texteScene(s_scene.begin(), s_scene.end());

TEST_F(Fichier, SavesOverwritesAndReadsBack) {
    std::string e;
    ASSERT_TRUE(EnregistrerFichier(Chemin("vide.vtl"), {}, e)) << e;
    Octets lus = {1, 2, 3};
    ASSERT_TRUE(LireFichier(Chemin("vide.vtl"), lus, e));
    EXPECT_TRUE(lus.empty());
    const std::string chemin = Chemin("scene.vtl");
    Poser(chemin, std::string(5000, 'x'));
    ASSERT_EQ(::chmod(chemin.c_str(), 0640), 0);
    ASSERT_TRUE(EnregistrerFichier(chemin, s_scene, e)) << e;
    ASSERT_TRUE(LireFichier(chemin, lus, e)) << e;
    EXPECT_EQ(lus, s_scene);
    struct stat etat {};
    ASSERT_EQ(::stat(chemin.c_str(), &etat), 0);
    EXPECT_EQ(etat.st_mode & 07777, 0640u); // the permissions kept
    // Short writes are continued; a symbolic link keeps pointing to the saved file.
    fs::create_symlink(chemin, m_dossier / "lien.vtl");
    ASSERT_TRUE(EnregistrerFichier(Chemin("lien.vtl"), Octets(1000, 0x33), e,
                                   [](int fd, const void* p, std::size_t n) -> std::ptrdiff_t {
                                       return ::write(fd, p, std::min<std::size_t>(n, 7));
                                   }))
        << e;
    EXPECT_TRUE(fs::is_symlink(m_dossier / "lien.vtl"));
    EXPECT_EQ(Contenu(chemin), std::string(1000, '\x33'));
    EXPECT_EQ(Entrees(), (Noms{"lien.vtl", "scene.vtl", "vide.vtl"}));
    ASSERT_TRUE(EnregistrerTexte(Chemin("results.txt"), "0 0 0 0 -12.5\n", e)) << e;
    EXPECT_EQ(Contenu(Chemin("results.txt")), "0 0 0 0 -12.5\n");
}

TEST_F(Fichier, AFailedSaveLeavesTheOldFileAndTheDocumentModified) {
    const std::string chemin = Chemin("scene.vtl");
    const std::string ancien = "the previous scene, byte for byte";
    const std::string e1 = "Cannot write \"" + chemin + "\": No space left on device.";
    Poser(chemin, ancien);
    std::string e;
    // The disk fills up at once, after a byte, after 64 KiB; a write makes no progress.
    for (std::size_t k : {std::size_t{0}, std::size_t{1}, std::size_t{65536}}) {
        EXPECT_FALSE(EnregistrerFichier(chemin, Octets(100000, 0x5A), e, DisquePlein(k))) << k;
        EXPECT_EQ(e, e1);
    }
    EXPECT_FALSE(EnregistrerFichier(
        chemin, s_scene, e, [](int, const void*, std::size_t) { return std::ptrdiff_t{0}; }));
    // Through the document: still modified, without a file name.
    AjouterNommee("a");
    m_doc.SetModifiedFlag();
    EXPECT_FALSE(m_doc.Enregistrer(chemin, e, DisquePlein(100)));
    EXPECT_EQ(e, e1);
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_EQ(m_doc.Chemin(), "");
    EXPECT_EQ(Contenu(chemin), ancien);
    EXPECT_EQ(Entrees(), Noms{"scene.vtl"});

    ASSERT_EQ(::chmod(chemin.c_str(), 0444), 0);
    EXPECT_FALSE(m_doc.Enregistrer(chemin, e));
    EXPECT_EQ(e, "Cannot save \"" + chemin + "\": the file is read-only.");
    EXPECT_TRUE(m_doc.IsModified());
    fs::create_directory(m_dossier / "sous");
    EXPECT_FALSE(EnregistrerFichier(Chemin("sous"), s_scene, e));
    EXPECT_EQ(e, "Cannot save \"" + Chemin("sous") + "\": it is a folder.");
    EXPECT_FALSE(EnregistrerFichier("", s_scene, e));
    EXPECT_FALSE(EnregistrerFichier(Chemin("absent/scene.vtl"), s_scene, e));
    EXPECT_NE(e.find("No such file or directory"), std::string::npos) << e;
    EXPECT_FALSE(EnregistrerFichier(Chemin("scene.vtl/x.vtl"), s_scene, e));
    EXPECT_NE(e.find("Not a directory"), std::string::npos) << e;
    if (fs::is_directory("/proc/self")) { // refuses new files even to root
        EXPECT_FALSE(EnregistrerFichier("/proc/self/scene.vtl", s_scene, e));
        EXPECT_NE(e.find("cannot create a file in the folder \"/proc/self\""), std::string::npos)
            << e;
    }
    EXPECT_EQ(Contenu(chemin), ancien);
    EXPECT_EQ(Entrees(), (Noms{"scene.vtl", "sous"}));

    const fs::path dossier = m_dossier / "lecture";
    fs::create_directory(dossier);
    Poser((dossier / "scene.vtl").string(), ancien);
    fs::permissions(dossier, fs::perms::owner_read | fs::perms::owner_exec);
    if (::access(dossier.c_str(), W_OK) == 0) {
        GTEST_SKIP() << "this user writes through folder permissions";
    }
    EXPECT_FALSE(m_doc.Enregistrer((dossier / "scene.vtl").string(), e));
    EXPECT_NE(e.find("Permission denied"), std::string::npos) << e;
    EXPECT_EQ(Entrees(dossier), Noms{"scene.vtl"});
}

TEST_F(Fichier, ReadingIsBoundedToRegularFiles) {
    const std::string chemin = Chemin("dix.vtl");
    Poser(chemin, "0123456789");
    Octets lus;
    std::string e;
    EXPECT_TRUE(LireFichier(chemin, lus, e, 10));
    EXPECT_EQ(lus.size(), 10u);
    EXPECT_FALSE(LireFichier(chemin, lus, e, 9));
    EXPECT_EQ(e, "\"" + chemin + "\" is too large: the limit is 9 bytes.");
    EXPECT_TRUE(lus.empty());
    // One byte over the default limit, as a sparse file: refused without reading.
    ASSERT_EQ(::truncate(chemin.c_str(), static_cast<off_t>(g_nTailleMaxFichier + 1)), 0);
    EXPECT_FALSE(LireFichier(chemin, lus, e));
    EXPECT_EQ(e, "\"" + chemin + "\" is too large: the limit is 268435456 bytes.");
    EXPECT_FALSE(LireFichier(Chemin("absent.vtl"), lus, e));
    EXPECT_EQ(e, "Cannot open \"" + Chemin("absent.vtl") + "\": No such file or directory.");
    EXPECT_FALSE(LireFichier(m_dossier.string(), lus, e));
    EXPECT_EQ(e, "\"" + m_dossier.string() + "\" is a folder, not a file.");
    // A named pipe without a writer would block a plain open.
    ASSERT_EQ(::mkfifo(Chemin("tube").c_str(), 0600), 0);
    EXPECT_FALSE(LireFichier(Chemin("tube"), lus, e));
    EXPECT_EQ(e, "\"" + Chemin("tube") + "\" is not a regular file.");
}

TEST_F(Fichier, ScenesSaveAndOpenAFailedOpenLeavesANewDocument) {
    for (const char* nom : {"a", "b", "c"}) {
        AjouterNommee(nom);
    }
    m_doc.SetModifiedFlag();
    const std::string bon = Chemin("bon.vtl");
    std::string e;
    ASSERT_TRUE(m_doc.Enregistrer(bon, e)) << e;
    EXPECT_FALSE(m_doc.IsModified());
    EXPECT_EQ(m_doc.Chemin(), bon);
    EXPECT_EQ(LireOctets(bon), m_doc.Ecrire());
    m_doc.NouveauDocument();
    ASSERT_TRUE(m_doc.Charger(bon, e)) << e;
    EXPECT_EQ(m_doc.LibelleFace(2), "(3/3) c");
    EXPECT_FALSE(m_doc.IsModified());
    EXPECT_EQ(m_doc.Chemin(), bon);

    // A file that cannot be read at all changes nothing.
    m_doc.SetModifiedFlag();
    EXPECT_FALSE(m_doc.Charger(Chemin("absent.vtl"), e));
    EXPECT_EQ(e, "Cannot open \"" + Chemin("absent.vtl") + "\": No such file or directory.");
    EXPECT_EQ(g_nFaces, 3);
    EXPECT_EQ(m_doc.Chemin(), bon);
    EXPECT_TRUE(m_doc.IsModified());
    // A damaged one empties the scene, so the document must not keep the
    // previous file's name, or "&Save" would write the empty scene over it.
    const std::string abime = Chemin("abime.vtl");
    const Octets o = LireOctets(bon);
    Poser(abime, std::string(o.begin(), o.end() - 1));
    EXPECT_FALSE(m_doc.Charger(abime, e));
    EXPECT_EQ(
        e.rfind("Cannot open \"" + abime +
                    "\": it is not a valid scene file. Face 3 of 3 \"c\": unexpected end of data",
                0),
        0u)
        << e;
    EXPECT_EQ(g_nFaces, 0);
    EXPECT_EQ(m_doc.Chemin(), "");
    EXPECT_FALSE(m_doc.IsModified());
    EXPECT_EQ(LireOctets(bon), o);
}

} // namespace
