#include "document/Fichier.h"

#include <cerrno>
#include <filesystem>
#include <random>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string Raison(int nErreur) {
    return std::system_category().message(nErreur);
}

std::string Cite(const std::string& chemin) {
    return "\"" + chemin + "\"";
}

// Closes a descriptor once, whatever path leaves the scope.
class CDescripteur {
public:
    explicit CDescripteur(int n) : m_n(n) {}
    ~CDescripteur() { Fermer(); }
    CDescripteur(const CDescripteur&) = delete;
    CDescripteur& operator=(const CDescripteur&) = delete;

    int Valeur() const { return m_n; }
    bool Ouvert() const { return m_n >= 0; }
    // The result of close(); errno is set on failure.
    bool Fermer() {
        if (m_n < 0) {
            return true;
        }
        const int n = m_n;
        m_n = -1;
        return ::close(n) == 0;
    }

private:
    int m_n;
};

std::ptrdiff_t EcrireSysteme(int nDescripteur, const void* p, std::size_t n) {
    return ::write(nDescripteur, p, n);
}

// The file a save replaces: a symbolic link is followed so that the link
// stays and the file it designates gets the new content.
fs::path Cible(const std::string& chemin) {
    const fs::path p(chemin);
    std::error_code ec;
    if (fs::is_symlink(fs::symlink_status(p, ec))) {
        const fs::path resolu = fs::canonical(p, ec);
        if (!ec) {
            return resolu;
        }
    }
    return p;
}

// A name for the temporary file beside the target, hidden, unlikely to
// collide; O_EXCL settles the remaining chance.
fs::path NomTemporaire(const fs::path& cible, std::mt19937_64& alea) {
    static const char s_hex[] = "0123456789abcdef";
    std::string suffixe;
    auto n = alea();
    for (int i = 0; i < 12; ++i) {
        suffixe += s_hex[n & 0xF];
        n >>= 4;
    }
    std::string nom = ".";
    nom += cible.filename().string();
    nom += '.';
    nom += suffixe;
    nom += ".tmp";
    return cible.parent_path() / nom;
}

} // namespace

bool LireFichier(const std::string& chemin, std::vector<std::uint8_t>& octets,
                 std::string& strErreur) {
    return LireFichier(chemin, octets, strErreur, g_nTailleMaxFichier);
}

bool LireFichier(const std::string& chemin, std::vector<std::uint8_t>& octets,
                 std::string& strErreur, std::uint64_t nTailleMax) {
    octets.clear();
    // Non-blocking so that opening a named pipe cannot hang; it is refused below.
    CDescripteur fd(::open(chemin.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (!fd.Ouvert()) {
        strErreur = "Cannot open " + Cite(chemin) + ": " + Raison(errno) + ".";
        return false;
    }
    struct stat etat {};
    if (::fstat(fd.Valeur(), &etat) != 0) {
        strErreur = "Cannot read " + Cite(chemin) + ": " + Raison(errno) + ".";
        return false;
    }
    if (S_ISDIR(etat.st_mode)) {
        strErreur = Cite(chemin) + " is a folder, not a file.";
        return false;
    }
    if (!S_ISREG(etat.st_mode)) {
        strErreur = Cite(chemin) + " is not a regular file.";
        return false;
    }
    const auto MessageTrop = [&] {
        return Cite(chemin) + " is too large: the limit is " + std::to_string(nTailleMax) +
               " bytes.";
    };
    if (static_cast<std::uint64_t>(etat.st_size) > nTailleMax) {
        strErreur = MessageTrop();
        return false;
    }
    // The size may change while reading: read until the end, never past the limit.
    std::vector<std::uint8_t> lus;
    lus.reserve(static_cast<std::size_t>(etat.st_size));
    std::uint8_t tampon[65536];
    for (;;) {
        const ssize_t r = ::read(fd.Valeur(), tampon, sizeof tampon);
        if (r < 0) {
            if (errno == EINTR || errno == EAGAIN) {
                continue;
            }
            strErreur = "Cannot read " + Cite(chemin) + ": " + Raison(errno) + ".";
            return false;
        }
        if (r == 0) {
            break;
        }
        if (lus.size() + static_cast<std::uint64_t>(r) > nTailleMax) {
            strErreur = MessageTrop();
            return false;
        }
        lus.insert(lus.end(), tampon, tampon + r);
    }
    octets = std::move(lus);
    return true;
}

bool EnregistrerFichier(const std::string& chemin, std::span<const std::uint8_t> octets,
                        std::string& strErreur) {
    return EnregistrerFichier(chemin, octets, strErreur, EcrireSysteme);
}

bool EnregistrerFichier(const std::string& chemin, std::span<const std::uint8_t> octets,
                        std::string& strErreur, const FonctionEcriture& ecrire) {
    if (chemin.empty()) {
        strErreur = "Cannot save: no file name was given.";
        return false;
    }
    const fs::path cible = Cible(chemin);
    if (cible.filename().empty() || cible.filename() == "." || cible.filename() == "..") {
        strErreur = "Cannot save " + Cite(chemin) + ": it does not name a file.";
        return false;
    }

    // What the target is now: its permissions carry over to the new content.
    struct stat etat {};
    bool bExiste = false;
    if (::stat(cible.c_str(), &etat) == 0) {
        bExiste = true;
        if (S_ISDIR(etat.st_mode)) {
            strErreur = "Cannot save " + Cite(chemin) + ": it is a folder.";
            return false;
        }
        // The permission bits are checked too: the rename would otherwise
        // replace a write-protected file for a privileged user.
        if (::access(cible.c_str(), W_OK) != 0 ||
            (etat.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
            strErreur = "Cannot save " + Cite(chemin) + ": the file is read-only.";
            return false;
        }
    } else if (errno != ENOENT) {
        strErreur = "Cannot save " + Cite(chemin) + ": " + Raison(errno) + ".";
        return false;
    }

    std::random_device source;
    std::mt19937_64 alea((static_cast<std::uint64_t>(source()) << 32) ^ source() ^
                         static_cast<std::uint64_t>(::getpid()));
    fs::path temporaire;
    int nDescripteur = -1;
    for (int essai = 0; essai < 100 && nDescripteur < 0; ++essai) {
        temporaire = NomTemporaire(cible, alea);
        nDescripteur = ::open(temporaire.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (nDescripteur < 0 && errno != EEXIST) {
            break;
        }
    }
    if (nDescripteur < 0) {
        const fs::path dossier = cible.parent_path().empty() ? fs::path(".") : cible.parent_path();
        strErreur = "Cannot save " + Cite(chemin) + ": cannot create a file in the folder " +
                    Cite(dossier.string()) + ": " + Raison(errno) + ".";
        return false;
    }

    CDescripteur fd(nDescripteur);
    const auto Abandonner = [&](const std::string& strMessage) {
        fd.Fermer();
        ::unlink(temporaire.c_str());
        strErreur = strMessage;
        return false;
    };

    if (bExiste && ::fchmod(fd.Valeur(), etat.st_mode & 07777) != 0) {
        return Abandonner("Cannot save " + Cite(chemin) + ": " + Raison(errno) + ".");
    }
    std::size_t nFait = 0;
    while (nFait < octets.size()) {
        const std::ptrdiff_t r = ecrire(fd.Valeur(), octets.data() + nFait, octets.size() - nFait);
        if (r < 0) {
            if (errno == EINTR) {
                continue;
            }
            return Abandonner("Cannot write " + Cite(chemin) + ": " + Raison(errno) + ".");
        }
        if (r == 0 || static_cast<std::size_t>(r) > octets.size() - nFait) {
            return Abandonner("Cannot write " + Cite(chemin) + ": the system wrote nothing.");
        }
        nFait += static_cast<std::size_t>(r);
    }
    if (::fsync(fd.Valeur()) != 0) {
        return Abandonner("Cannot write " + Cite(chemin) + " to the disk: " + Raison(errno) + ".");
    }
    if (!fd.Fermer()) {
        return Abandonner("Cannot write " + Cite(chemin) + ": " + Raison(errno) + ".");
    }
    if (::rename(temporaire.c_str(), cible.c_str()) != 0) {
        return Abandonner("Cannot replace " + Cite(chemin) + ": " + Raison(errno) + ".");
    }
    // Make the rename itself durable; the content is already in place, so a
    // folder that cannot be synchronised is not a failure.
    const fs::path dossier = cible.parent_path().empty() ? fs::path(".") : cible.parent_path();
    CDescripteur fdDossier(::open(dossier.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fdDossier.Ouvert()) {
        ::fsync(fdDossier.Valeur());
    }
    return true;
}

bool EnregistrerTexte(const std::string& chemin, const std::string& texte, std::string& strErreur) {
    return EnregistrerFichier(
        chemin,
        std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(texte.data()),
                                      texte.size()),
        strErreur);
}
