#include "document/Archive.h"

#include "platform/Cp1252.h"

#include <algorithm>
#include <bit>
#include <cctype>
#include <cstdio>
#include <utility>

namespace {

// Highest running index of an archive, far below the class-tag bit: past it
// the writer refuses and the reader fails rather than wrapping around.
constexpr std::uint32_t s_nIndexMax = 0x3FFFFFFE;

// A name read from a file, quoted for a message, its unprintable bytes escaped.
std::string NomLisible(const std::string& nom) {
    std::string s = "\"";
    for (const char c : nom) {
        const auto o = static_cast<unsigned char>(c);
        if (o >= 0x20 && o < 0x7F && c != '"' && c != '\\') {
            s += c;
        } else {
            char tampon[8];
            std::snprintf(tampon, sizeof tampon, "\\x%02X", o);
            s += tampon;
        }
    }
    return s + "\"";
}

std::uint32_t DecoderDoubleMot(const std::uint8_t* o) {
    return static_cast<std::uint32_t>(o[0]) | (static_cast<std::uint32_t>(o[1]) << 8) |
           (static_cast<std::uint32_t>(o[2]) << 16) | (static_cast<std::uint32_t>(o[3]) << 24);
}

} // namespace

CErreurArchive::CErreurArchive(const std::string& strMessage, std::size_t nPosition)
    : std::runtime_error(strMessage), m_nPosition(nPosition) {}

CArchive::CArchive(std::vector<std::uint8_t>* pSortie, std::span<const std::uint8_t> entree)
    : m_pSortie(pSortie), m_nDebutSortie(pSortie ? pSortie->size() : 0), m_entree(entree) {}

CArchive CArchive::Ecriture(std::vector<std::uint8_t>& sortie) {
    return CArchive(&sortie, {});
}

CArchive CArchive::Lecture(std::span<const std::uint8_t> entree) {
    return CArchive(nullptr, entree);
}

std::size_t CArchive::Position() const {
    return m_pSortie ? m_pSortie->size() - m_nDebutSortie : m_nLu;
}

std::size_t CArchive::Restant() const {
    return m_pSortie ? 0 : m_entree.size() - m_nLu;
}

void CArchive::Echouer(const std::string& strMessage, std::size_t nPosition) const {
    std::string s = strMessage;
    if (!m_strObjet.empty()) {
        // "The ..." continues the sentence after the object's name, while a
        // name such as "CFace7" keeps its capital.
        if (s.size() > 1 && std::isupper(static_cast<unsigned char>(s[0])) &&
            std::islower(static_cast<unsigned char>(s[1]))) {
            s[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(s[0])));
        }
        s = m_strObjet + m_strNomObjet + ": " + s;
    }
    throw CErreurArchive(s + " (at byte offset " + std::to_string(nPosition) + ")", nPosition);
}

void CArchive::FixerObjet(std::string strObjet) {
    m_strObjet = std::move(strObjet);
    m_strNomObjet.clear();
}

void CArchive::NommerObjet(const std::string& strNom) {
    // Shown as the user reads it (UTF-8), control characters as '?', and
    // cut so that a name of thousands of characters keeps the message short.
    constexpr std::size_t kLongueurMax = 40;
    const bool bCoupe = strNom.size() > kLongueurMax;
    std::string s = Cp1252VersUtf8(strNom.substr(0, kLongueurMax));
    std::string strLisible;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const auto o = static_cast<unsigned char>(s[i]);
        if (o < 0x20 || o == 0x7F) {
            strLisible += '?';
        } else if (o == 0xC2 && i + 1 < s.size() && static_cast<unsigned char>(s[i + 1]) < 0xA0) {
            strLisible += '?'; // U+0080 to U+009F
            ++i;
        } else {
            strLisible += s[i];
        }
    }
    m_strNomObjet = " \"" + strLisible + (bCoupe ? "...\"" : "\"");
}

void CArchive::ExigerOctets(std::uint64_t n) const {
    VerifierLecture();
    if (n > Restant()) {
        Echouer("Data too short: " + std::to_string(n) + " bytes are announced but only " +
                    std::to_string(Restant()) + " remain",
                m_nLu);
    }
}

void CArchive::ExigerElements(std::uint64_t nElements, std::uint64_t nOctetsParElement) const {
    VerifierLecture();
    // Compare by division so that a huge count cannot overflow the product.
    if (nOctetsParElement != 0 && nElements > Restant() / nOctetsParElement) {
        Echouer("Data too short: " + std::to_string(nElements) + " records of at least " +
                    std::to_string(nOctetsParElement) + " bytes are announced but only " +
                    std::to_string(Restant()) + " bytes remain",
                m_nLu);
    }
}

void CArchive::VerifierEcriture() const {
    if (!m_pSortie) {
        throw std::logic_error("write on an archive opened for reading");
    }
}

void CArchive::VerifierLecture() const {
    if (m_pSortie) {
        throw std::logic_error("read on an archive opened for writing");
    }
}

void CArchive::Ajouter(const std::uint8_t* p, std::size_t n) {
    VerifierEcriture();
    m_pSortie->insert(m_pSortie->end(), p, p + n);
}

void CArchive::Prendre(std::uint8_t* p, std::size_t n, const char* quoi) {
    VerifierLecture();
    if (n > Restant()) {
        Echouer(std::string("Unexpected end of data: ") + quoi + " needs " + std::to_string(n) +
                    " bytes but only " + std::to_string(Restant()) + " remain",
                m_nLu);
    }
    std::copy_n(m_entree.begin() + static_cast<std::ptrdiff_t>(m_nLu), n, p);
    m_nLu += n;
}

// ---------------------------------------------------------------- writing

void CArchive::EcrireMot(std::uint16_t w) {
    const std::uint8_t o[2] = {static_cast<std::uint8_t>(w), static_cast<std::uint8_t>(w >> 8)};
    Ajouter(o, 2);
}

void CArchive::EcrireDoubleMot(std::uint32_t dw) {
    const std::uint8_t o[4] = {static_cast<std::uint8_t>(dw), static_cast<std::uint8_t>(dw >> 8),
                               static_cast<std::uint8_t>(dw >> 16),
                               static_cast<std::uint8_t>(dw >> 24)};
    Ajouter(o, 4);
}

void CArchive::EcrireEntier(std::int32_t n) {
    EcrireDoubleMot(static_cast<std::uint32_t>(n));
}

void CArchive::EcrireBooleen(bool b) {
    EcrireEntier(b ? 1 : 0);
}

void CArchive::EcrireReel(double d) {
    const auto q = std::bit_cast<std::uint64_t>(d);
    std::uint8_t o[8];
    for (int i = 0; i < 8; ++i) {
        o[i] = static_cast<std::uint8_t>(q >> (8 * i));
    }
    Ajouter(o, 8);
}

void CArchive::EcrireOctets(std::span<const std::uint8_t> octets) {
    Ajouter(octets.data(), octets.size());
}

void CArchive::EcrireChaine(const std::string& str) {
    VerifierEcriture();
    const std::size_t n = str.size();
    if (n > 0xFFFFFFFFu) {
        throw std::length_error("string too long for an archive");
    }
    if (n < 0xFF) {
        const auto o = static_cast<std::uint8_t>(n);
        Ajouter(&o, 1);
    } else {
        const std::uint8_t o = 0xFF;
        Ajouter(&o, 1);
        if (n < 0xFFFE) {
            EcrireMot(static_cast<std::uint16_t>(n));
        } else {
            EcrireMot(0xFFFF);
            EcrireDoubleMot(static_cast<std::uint32_t>(n));
        }
    }
    Ajouter(reinterpret_cast<const std::uint8_t*>(str.data()), n);
}

void CArchive::EcrireCompte(std::uint32_t n) {
    if (n < 0xFFFF) {
        EcrireMot(static_cast<std::uint16_t>(n));
    } else {
        EcrireMot(0xFFFF);
        EcrireDoubleMot(n);
    }
}

void CArchive::EcrireClasseObjet(const std::string& nomClasse) {
    VerifierEcriture();
    if (nomClasse.empty() || nomClasse.size() > 0xFFFF) {
        throw std::invalid_argument("invalid class name for an archive");
    }
    const auto it = m_classesEcrites.find(nomClasse);
    const bool bNouvelle = it == m_classesEcrites.end();
    // The class (when new) and the object each take one index.
    if (m_nIndexSuivant + (bNouvelle ? 1 : 0) > s_nIndexMax) {
        throw std::length_error("too many objects for one archive");
    }
    if (bNouvelle) {
        EcrireMot(s_wNouvelleClasse);
        EcrireMot(s_wSchema);
        EcrireMot(static_cast<std::uint16_t>(nomClasse.size()));
        Ajouter(reinterpret_cast<const std::uint8_t*>(nomClasse.data()), nomClasse.size());
        m_classesEcrites.emplace(nomClasse, m_nIndexSuivant++);
    } else if (it->second < s_wGrandIndex) {
        EcrireMot(static_cast<std::uint16_t>(s_wMarqueClasse | it->second));
    } else {
        EcrireMot(s_wGrandIndex);
        EcrireDoubleMot(s_dwGrandeMarqueClasse | it->second);
    }
    ++m_nIndexSuivant;
}

// ---------------------------------------------------------------- reading

std::uint16_t CArchive::LireMot() {
    std::uint8_t o[2];
    Prendre(o, 2, "a word");
    return static_cast<std::uint16_t>(o[0] | (o[1] << 8));
}

std::uint32_t CArchive::LireDoubleMot() {
    std::uint8_t o[4];
    Prendre(o, 4, "a 4-byte value");
    return DecoderDoubleMot(o);
}

std::int32_t CArchive::LireEntier() {
    std::uint8_t o[4];
    Prendre(o, 4, "an integer");
    return static_cast<std::int32_t>(DecoderDoubleMot(o));
}

bool CArchive::LireBooleen() {
    std::uint8_t o[4];
    Prendre(o, 4, "a BOOL");
    return (o[0] | o[1] | o[2] | o[3]) != 0;
}

double CArchive::LireReel() {
    std::uint8_t o[8];
    Prendre(o, 8, "a double");
    std::uint64_t q = 0;
    for (int i = 0; i < 8; ++i) {
        q |= static_cast<std::uint64_t>(o[i]) << (8 * i);
    }
    return std::bit_cast<double>(q);
}

void CArchive::LireOctets(std::span<std::uint8_t> octets) {
    Prendre(octets.data(), octets.size(), "a block of bytes");
}

std::string CArchive::LireChaine() {
    VerifierLecture();
    const std::size_t nDebut = m_nLu;
    std::uint8_t o = 0;
    Prendre(&o, 1, "a string length");
    std::uint32_t n = o;
    if (o == 0xFF) {
        const std::uint16_t w = LireMot();
        if (w == 0xFFFE) {
            // Marks a wide-character string, which these files never hold.
            Echouer("Unsupported string prefix FF FE FF (wide characters)", nDebut);
        }
        n = w == 0xFFFF ? LireDoubleMot() : w;
    }
    if (n > Restant()) {
        Echouer("Data too short: a string of " + std::to_string(n) +
                    " bytes is announced but only " + std::to_string(Restant()) + " remain",
                m_nLu);
    }
    std::string str(n, '\0');
    Prendre(reinterpret_cast<std::uint8_t*>(str.data()), n, "a string");
    return str;
}

std::uint32_t CArchive::LireCompte() {
    const std::uint16_t w = LireMot();
    return w == 0xFFFF ? LireDoubleMot() : w;
}

std::string CArchive::LireClasseObjet(const std::vector<std::string>& nomsPermis) {
    VerifierLecture();
    const std::size_t nDebut = m_nLu;
    const std::uint16_t wMarque = LireMot();
    std::string nom;
    if (wMarque == s_wNouvelleClasse) {
        const std::size_t nPosSchema = m_nLu;
        const std::uint16_t wSchema = LireMot();
        if (wSchema != s_wSchema) {
            Echouer("Unknown class schema " + std::to_string(wSchema) + " (expected " +
                        std::to_string(s_wSchema) + ")",
                    nPosSchema);
        }
        const std::uint16_t wLongueur = LireMot();
        const std::size_t nPosNom = m_nLu;
        if (wLongueur > Restant()) {
            Echouer("Data too short: a class name of " + std::to_string(wLongueur) +
                        " bytes is announced but only " + std::to_string(Restant()) + " remain",
                    nPosNom);
        }
        nom.assign(wLongueur, '\0');
        Prendre(reinterpret_cast<std::uint8_t*>(nom.data()), wLongueur, "a class name");
        if (std::find(nomsPermis.begin(), nomsPermis.end(), nom) == nomsPermis.end()) {
            Echouer("Unknown class name " + NomLisible(nom), nPosNom);
        }
        if (m_nIndexSuivant + 1 > s_nIndexMax) {
            Echouer("Too many objects in one archive", nDebut);
        }
        m_classesLues.emplace(m_nIndexSuivant++, nom);
    } else {
        std::uint32_t dwMarque;
        if (wMarque == s_wGrandIndex) {
            dwMarque = LireDoubleMot();
        } else {
            dwMarque = (static_cast<std::uint32_t>(wMarque & s_wMarqueClasse) << 16) |
                       (wMarque & ~s_wMarqueClasse & 0xFFFFu);
        }
        if ((dwMarque & s_dwGrandeMarqueClasse) == 0) {
            if (dwMarque == 0) {
                Echouer("Null object reference where an object is expected", nDebut);
            }
            Echouer("Reference to object " + std::to_string(dwMarque) +
                        " where a new object is expected (each object is stored once)",
                    nDebut);
        }
        const std::uint32_t nClasse = dwMarque & ~s_dwGrandeMarqueClasse;
        const auto it = m_classesLues.find(nClasse);
        if (it == m_classesLues.end()) {
            Echouer("Class index " + std::to_string(nClasse) + " is not defined", nDebut);
        }
        nom = it->second;
    }
    if (m_nIndexSuivant > s_nIndexMax) {
        Echouer("Too many objects in one archive", nDebut);
    }
    ++m_nIndexSuivant; // the object's own index
    return nom;
}

// ---------------------------------------------------------------- both ways

void CArchive::Transferer(std::int32_t& n) {
    if (EstEnEcriture()) {
        EcrireEntier(n);
    } else {
        n = LireEntier();
    }
}

void CArchive::Transferer(bool& b) {
    if (EstEnEcriture()) {
        EcrireBooleen(b);
    } else {
        b = LireBooleen();
    }
}

void CArchive::Transferer(double& d) {
    if (EstEnEcriture()) {
        EcrireReel(d);
    } else {
        d = LireReel();
    }
}

void CArchive::Transferer(std::string& str) {
    if (EstEnEcriture()) {
        EcrireChaine(str);
    } else {
        str = LireChaine();
    }
}
