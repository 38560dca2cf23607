#include "CliTest.h"

#include <charconv>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace fs = std::filesystem;

namespace {

// Reads every descriptor until all are closed (the child may fill one pipe
// while we would wait on the other).
void LireJusquaFin(std::vector<std::pair<int, std::string*>> flux) {
    while (!flux.empty()) {
        std::vector<pollfd> attentes;
        for (const auto& [fd, p] : flux) {
            attentes.push_back({fd, POLLIN, 0});
        }
        if (::poll(attentes.data(), attentes.size(), -1) < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw std::runtime_error("poll failed");
        }
        for (std::size_t i = attentes.size(); i-- > 0;) {
            if (attentes[i].revents == 0) {
                continue;
            }
            char tampon[65536];
            const ssize_t n = ::read(attentes[i].fd, tampon, sizeof tampon);
            if (n > 0) {
                flux[i].second->append(tampon, static_cast<std::size_t>(n));
            } else if (n == 0 || errno != EINTR) {
                // End of data; a pseudo-terminal reports EIO once the child is gone.
                ::close(attentes[i].fd);
                flux.erase(flux.begin() + static_cast<std::ptrdiff_t>(i));
            }
        }
    }
}

class CLecteurJson {
public:
    explicit CLecteurJson(const std::string& texte) : m_t(texte) {}

    CJsonLu Tout() {
        CJsonLu v = Valeur();
        Blancs();
        if (m_i != m_t.size()) {
            Erreur("text after the value");
        }
        return v;
    }

private:
    [[noreturn]] void Erreur(const std::string& quoi) const {
        throw std::runtime_error("JSON: " + quoi + " at offset " + std::to_string(m_i));
    }
    void Blancs() {
        while (m_i < m_t.size() &&
               (m_t[m_i] == ' ' || m_t[m_i] == '\n' || m_t[m_i] == '\t' || m_t[m_i] == '\r')) {
            ++m_i;
        }
    }
    bool Mot(const char* sz) {
        const std::size_t n = std::strlen(sz);
        if (m_t.compare(m_i, n, sz) == 0) {
            m_i += n;
            return true;
        }
        return false;
    }
    void Attendre(char c) {
        Blancs();
        if (m_i >= m_t.size() || m_t[m_i] != c) {
            Erreur(std::string("expected '") + c + "'");
        }
        ++m_i;
    }
    static void AjouterUtf8(std::string& s, std::uint32_t u) {
        if (u < 0x80) {
            s += static_cast<char>(u);
        } else if (u < 0x800) {
            s += static_cast<char>(0xC0 | (u >> 6));
            s += static_cast<char>(0x80 | (u & 0x3F));
        } else if (u < 0x10000) {
            s += static_cast<char>(0xE0 | (u >> 12));
            s += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
            s += static_cast<char>(0x80 | (u & 0x3F));
        } else {
            s += static_cast<char>(0xF0 | (u >> 18));
            s += static_cast<char>(0x80 | ((u >> 12) & 0x3F));
            s += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
            s += static_cast<char>(0x80 | (u & 0x3F));
        }
    }
    std::uint32_t Hex4() {
        if (m_i + 4 > m_t.size()) {
            Erreur("short \\u escape");
        }
        std::uint32_t u = 0;
        const auto r = std::from_chars(m_t.data() + m_i, m_t.data() + m_i + 4, u, 16);
        if (r.ptr != m_t.data() + m_i + 4) {
            Erreur("bad \\u escape");
        }
        m_i += 4;
        return u;
    }
    std::string Chaine() {
        Attendre('"');
        std::string s;
        while (true) {
            if (m_i >= m_t.size()) {
                Erreur("unterminated string");
            }
            const char c = m_t[m_i++];
            if (c == '"') {
                return s;
            }
            if (static_cast<unsigned char>(c) < 0x20) {
                Erreur("raw control character in a string");
            }
            if (c != '\\') {
                s += c;
                continue;
            }
            if (m_i >= m_t.size()) {
                Erreur("unterminated escape");
            }
            const char e = m_t[m_i++];
            switch (e) {
            case '"':
            case '\\':
            case '/':
                s += e;
                break;
            case 'b':
                s += '\b';
                break;
            case 'f':
                s += '\f';
                break;
            case 'n':
                s += '\n';
                break;
            case 'r':
                s += '\r';
                break;
            case 't':
                s += '\t';
                break;
            case 'u': {
                std::uint32_t u = Hex4();
                if (u >= 0xD800 && u <= 0xDBFF && Mot("\\u")) {
                    u = 0x10000 + ((u - 0xD800) << 10) + (Hex4() - 0xDC00);
                }
                AjouterUtf8(s, u);
                break;
            }
            default:
                Erreur("unknown escape");
            }
        }
    }
    CJsonLu Valeur() {
        Blancs();
        if (m_i >= m_t.size()) {
            Erreur("value expected");
        }
        CJsonLu v;
        const char c = m_t[m_i];
        if (c == '{') {
            v.type = CJsonLu::Objet;
            ++m_i;
            Blancs();
            if (m_t[m_i] == '}') {
                ++m_i;
                return v;
            }
            do {
                std::string cle = Chaine();
                Attendre(':');
                v.membres.emplace_back(std::move(cle), Valeur());
                Blancs();
            } while (m_i < m_t.size() && m_t[m_i] == ',' && ++m_i);
            Attendre('}');
        } else if (c == '[') {
            v.type = CJsonLu::Tableau;
            ++m_i;
            Blancs();
            if (m_t[m_i] == ']') {
                ++m_i;
                return v;
            }
            do {
                v.elements.push_back(Valeur());
                Blancs();
            } while (m_i < m_t.size() && m_t[m_i] == ',' && ++m_i);
            Attendre(']');
        } else if (c == '"') {
            v.type = CJsonLu::Chaine;
            v.s = Chaine();
        } else if (Mot("true")) {
            v.type = CJsonLu::Booleen;
            v.b = true;
        } else if (Mot("false")) {
            v.type = CJsonLu::Booleen;
        } else if (Mot("null")) {
            v.type = CJsonLu::Nul;
        } else {
            // JSON's number grammar: no '+', no leading zeros, digits around '.'.
            const std::size_t debut = m_i;
            std::size_t k = m_i;
            const auto chiffres = [&] {
                const std::size_t d = k;
                while (k < m_t.size() && m_t[k] >= '0' && m_t[k] <= '9') {
                    ++k;
                }
                return k - d;
            };
            if (k < m_t.size() && m_t[k] == '-') {
                ++k;
            }
            const std::size_t premier = k;
            const std::size_t nEntier = chiffres();
            if (nEntier == 0 || (nEntier > 1 && m_t[premier] == '0')) {
                Erreur("bad number");
            }
            if (k < m_t.size() && m_t[k] == '.') {
                ++k;
                if (chiffres() == 0) {
                    Erreur("bad fraction");
                }
            }
            if (k < m_t.size() && (m_t[k] == 'e' || m_t[k] == 'E')) {
                ++k;
                if (k < m_t.size() && (m_t[k] == '+' || m_t[k] == '-')) {
                    ++k;
                }
                if (chiffres() == 0) {
                    Erreur("bad exponent");
                }
            }
            v.type = CJsonLu::Nombre;
            const auto r = std::from_chars(m_t.data() + debut, m_t.data() + k, v.d);
            if (r.ptr != m_t.data() + k) {
                Erreur("unreadable number");
            }
            m_i = k;
        }
        return v;
    }

    const std::string& m_t;
    std::size_t m_i = 0;
};

} // namespace

CResultatCli LancerCli(const std::vector<std::string>& arguments, const std::string& dossier,
                       bool bTerminal, const char* szSortie) {
    int sortie[2];
    int erreurs[2] = {-1, -1};
    if (::pipe(sortie) != 0) {
        throw std::runtime_error("pipe failed");
    }
    if (bTerminal) {
        erreurs[0] = ::posix_openpt(O_RDWR | O_NOCTTY);
        if (erreurs[0] < 0 || ::grantpt(erreurs[0]) != 0 || ::unlockpt(erreurs[0]) != 0) {
            throw std::runtime_error("no pseudo-terminal");
        }
        erreurs[1] = ::open(::ptsname(erreurs[0]), O_RDWR | O_NOCTTY);
    } else if (::pipe(erreurs) != 0) {
        throw std::runtime_error("pipe failed");
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
    if (szSortie != nullptr) {
        posix_spawn_file_actions_addopen(&actions, 1, szSortie, O_WRONLY, 0);
    } else {
        posix_spawn_file_actions_adddup2(&actions, sortie[1], 1);
    }
    posix_spawn_file_actions_adddup2(&actions, erreurs[1], 2);
    posix_spawn_file_actions_addclose(&actions, sortie[0]);
    posix_spawn_file_actions_addclose(&actions, erreurs[0]);
    posix_spawn_file_actions_addchdir_np(&actions, dossier.c_str());
    pid_t pid = 0;
    const int nSpawn = ::posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(sortie[1]);
    ::close(erreurs[1]);
    if (nSpawn != 0) {
        ::close(sortie[0]);
        ::close(erreurs[0]);
        throw std::runtime_error(std::string("cannot start vantrel-cli: ") + std::strerror(nSpawn));
    }

    CResultatCli r;
    LireJusquaFin({{sortie[0], &r.sortie}, {erreurs[0], &r.erreurs}});
    int nEtat = 0;
    while (::waitpid(pid, &nEtat, 0) < 0 && errno == EINTR) {
    }
    r.nCode = WIFEXITED(nEtat) ? WEXITSTATUS(nEtat) : -1;
    return r;
}

const CJsonLu& CJsonLu::operator[](const std::string& strCle) const {
    static const CJsonLu s_nul;
    for (const auto& [cle, v] : membres) {
        if (cle == strCle) {
            return v;
        }
    }
    ADD_FAILURE() << "no member \"" << strCle << "\"";
    return s_nul;
}

const CJsonLu& CJsonLu::operator[](std::size_t i) const {
    static const CJsonLu s_nul;
    if (i < elements.size()) {
        return elements[i];
    }
    ADD_FAILURE() << "no element " << i;
    return s_nul;
}

std::vector<std::string> CJsonLu::Cles() const {
    std::vector<std::string> cles;
    for (const auto& [cle, v] : membres) {
        cles.push_back(cle);
    }
    return cles;
}

CJsonLu LireJson(const std::string& texte) {
    return CLecteurJson(texte).Tout();
}

std::vector<std::uint8_t> LireOctets(const std::string& chemin) {
    std::ifstream f(chemin, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(f), {});
}

std::string LireTexte(const std::string& chemin) {
    std::ifstream f(chemin, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}

bool Existe(const std::string& chemin) {
    std::error_code ec;
    return fs::exists(chemin, ec);
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

CJsonLu CliTest::Json(std::vector<std::string> arguments) {
    arguments.push_back("--json");
    const CResultatCli r = Cli(arguments);
    EXPECT_EQ(r.nCode, 0) << r.erreurs;
    EXPECT_EQ(r.erreurs, "");
    try {
        return LireJson(r.sortie);
    } catch (const std::exception& e) {
        ADD_FAILURE() << e.what() << "\n" << r.sortie;
        return CJsonLu();
    }
}

void VerifierEchec(const CResultatCli& r, int nCode) {
    EXPECT_EQ(r.nCode, nCode) << r.erreurs;
    EXPECT_EQ(r.sortie, "");
    const std::size_t fin = r.erreurs.find('\n');
    ASSERT_NE(fin, std::string::npos) << r.erreurs;
    EXPECT_EQ(r.erreurs.rfind("vantrel-cli: ", 0), 0u) << r.erreurs;
    if (nCode == 1) {
        // The message, then the usage of the command.
        EXPECT_NE(r.erreurs.find("\nusage: vantrel-cli "), std::string::npos) << r.erreurs;
    } else {
        EXPECT_EQ(fin + 1, r.erreurs.size()) << "more than one line: " << r.erreurs;
    }
}
