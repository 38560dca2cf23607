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
    // What an operation answered and the message, the temporary folder written <dir>.
    void Noter(const char* szCas, bool bOk) {
        std::string e = m_e;
        for (std::size_t n; (n = e.find(m_dossier.string())) != std::string::npos;) {
            e.replace(n, m_dossier.string().size(), "<dir>");
        }
        NOTER(m_j, szCas, bOk, e);
        m_e.clear();
    }
    fs::path m_dossier;
    std::string m_e;
    CJournal m_j;
};

const Octets s_scene = {0x08, 'n', 'o', ' ', 't', 'i', 't', 'l', 'e', 0x01, 0x00, 0xFF};

TEST_F(Fichier, SavesReadsAndTheirFailures) {
    Octets lus = {1, 2, 3};
    Noter("empty file", EnregistrerFichier(Chemin("vide.vtl"), {}, m_e));
    Noter("read back", LireFichier(Chemin("vide.vtl"), lus, m_e));
    EXPECT_TRUE(lus.empty());
    const std::string chemin = Chemin("scene.vtl");
    Poser(chemin, std::string(5000, 'x'));
    ASSERT_EQ(::chmod(chemin.c_str(), 0640), 0);
    Noter("over a longer file", EnregistrerFichier(chemin, s_scene, m_e));
    Noter("read back", LireFichier(chemin, lus, m_e));
    EXPECT_EQ(lus, s_scene);
    struct stat etat {};
    ASSERT_EQ(::stat(chemin.c_str(), &etat), 0);
    EXPECT_EQ(etat.st_mode & 07777, 0640u); // the permissions kept
    // Short writes are continued; a symbolic link keeps pointing to the saved file.
    fs::create_symlink(chemin, m_dossier / "lien.vtl");
    Noter("through a link, 7 bytes at a time",
          EnregistrerFichier(Chemin("lien.vtl"), Octets(1000, 0x33), m_e,
                             [](int fd, const void* p, std::size_t n) -> std::ptrdiff_t {
                                 return ::write(fd, p, std::min<std::size_t>(n, 7));
                             }));
    EXPECT_TRUE(fs::is_symlink(m_dossier / "lien.vtl"));
    EXPECT_EQ(Contenu(chemin), std::string(1000, '\x33'));
    Noter("text", EnregistrerTexte(Chemin("results.txt"), "0 0 0 0 -12.5\n", m_e));
    EXPECT_EQ(Contenu(Chemin("results.txt")), "0 0 0 0 -12.5\n");
    NOTER(m_j, Entrees());

    m_j.Titre("failed saves leave the old file, and no temporary file");
    const std::string ancien = "the previous scene, byte for byte";
    Poser(chemin, ancien);
    // The disk fills up at once, after a byte, after 64 KiB; a write makes no progress.
    for (std::size_t k : {std::size_t{0}, std::size_t{1}, std::size_t{65536}}) {
        Noter("disk full", EnregistrerFichier(chemin, Octets(100000, 0x5A), m_e, DisquePlein(k)));
    }
    Noter("no progress",
          EnregistrerFichier(chemin, s_scene, m_e,
                             [](int, const void*, std::size_t) { return std::ptrdiff_t{0}; }));
    fs::create_directory(m_dossier / "sous");
    Noter("a folder", EnregistrerFichier(Chemin("sous"), s_scene, m_e));
    Noter("no path", EnregistrerFichier("", s_scene, m_e));
    Noter("no folder", EnregistrerFichier(Chemin("absent/scene.vtl"), s_scene, m_e));
    Noter("a file as folder", EnregistrerFichier(Chemin("scene.vtl/x.vtl"), s_scene, m_e));
    if (fs::is_directory("/proc/self")) { // refuses new files even to root
        EXPECT_FALSE(EnregistrerFichier("/proc/self/scene.vtl", s_scene, m_e));
        EXPECT_NE(m_e.find("cannot create a file in the folder \"/proc/self\""), std::string::npos)
            << m_e;
    }
    EXPECT_EQ(Contenu(chemin), ancien);
    NOTER(m_j, Entrees());

    m_j.Titre("reading is bounded to regular files");
    Poser(chemin, "0123456789");
    Noter("10 bytes, limit 10", LireFichier(chemin, lus, m_e, 10));
    Noter("10 bytes, limit 9", LireFichier(chemin, lus, m_e, 9));
    NOTER(m_j, lus.size());
    // One byte over the default limit, as a sparse file: refused without reading.
    ASSERT_EQ(::truncate(chemin.c_str(), static_cast<off_t>(g_nTailleMaxFichier + 1)), 0);
    Noter("over the default limit", LireFichier(chemin, lus, m_e));
    Noter("absent", LireFichier(Chemin("absent.vtl"), lus, m_e));
    Noter("a folder", LireFichier(m_dossier.string(), lus, m_e));
    // A named pipe without a writer would block a plain open.
    ASSERT_EQ(::mkfifo(Chemin("tube").c_str(), 0600), 0);
    Noter("a named pipe", LireFichier(Chemin("tube"), lus, m_e));
    ExpectGolden("files/saves.txt", m_j.m_texte);
}

TEST_F(Fichier, AFailedSaveOrOpenThroughTheDocument) {
    for (const char* nom : {"a", "b", "c"}) {
        AjouterNommee(nom);
    }
    m_doc.SetModifiedFlag();
    const auto etat = [&] {
        NOTER(m_j, g_nFaces, m_doc.IsModified(), m_doc.Chemin().empty(), m_doc.LibelleFace(2));
    };
    const std::string chemin = Chemin("scene.vtl");
    const std::string ancien = "the previous scene, byte for byte";
    Poser(chemin, ancien);
    m_j.Titre("a failed save leaves the document modified, without a file name");
    Noter("disk full", m_doc.Enregistrer(chemin, m_e, DisquePlein(100)));
    etat();
    ASSERT_EQ(::chmod(chemin.c_str(), 0444), 0);
    Noter("read-only", m_doc.Enregistrer(chemin, m_e));
    etat();
    EXPECT_EQ(Contenu(chemin), ancien);

    m_j.Titre("saved and opened again");
    const std::string bon = Chemin("bon.vtl");
    Noter("save", m_doc.Enregistrer(bon, m_e));
    etat();
    EXPECT_EQ(m_doc.Chemin(), bon);
    EXPECT_EQ(LireOctets(bon), m_doc.Ecrire());
    m_doc.NouveauDocument();
    Noter("open", m_doc.Charger(bon, m_e));
    etat();
    EXPECT_EQ(m_doc.Chemin(), bon);
    m_j.Titre("a file that cannot be read at all changes nothing");
    m_doc.SetModifiedFlag();
    Noter("open", m_doc.Charger(Chemin("absent.vtl"), m_e));
    etat();
    EXPECT_EQ(m_doc.Chemin(), bon);
    // A damaged one empties the scene, so the document must not keep the
    // previous file's name, or "&Save" would write the empty scene over it.
    m_j.Titre("a damaged one empties the scene and forgets the previous file's name");
    const Octets o = LireOctets(bon);
    Poser(Chemin("abime.vtl"), std::string(o.begin(), o.end() - 1));
    Noter("open", m_doc.Charger(Chemin("abime.vtl"), m_e));
    etat();
    EXPECT_EQ(LireOctets(bon), o);
    NOTER(m_j, Entrees());

    const fs::path dossier = m_dossier / "lecture";
    fs::create_directory(dossier);
    Poser((dossier / "scene.vtl").string(), ancien);
    fs::permissions(dossier, fs::perms::owner_read | fs::perms::owner_exec);
    ExpectGolden("files/document_saves.txt", m_j.m_texte);
    if (::access(dossier.c_str(), W_OK) == 0) {
        GTEST_SKIP() << "this user writes through folder permissions";
    }
    EXPECT_FALSE(m_doc.Enregistrer((dossier / "scene.vtl").string(), m_e));
    EXPECT_NE(m_e.find("Permission denied"), std::string::npos) << m_e;
    EXPECT_EQ(Entrees(dossier), std::vector<std::string>{"scene.vtl"});
}

} // namespace
