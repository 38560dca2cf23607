#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

// Malformed or truncated input met while reading an archive. The message says
// what is wrong and at which byte offset; Position() gives that offset.
class CErreurArchive : public std::runtime_error {
public:
    CErreurArchive(const std::string& strMessage, std::size_t nPosition);

    std::size_t Position() const { return m_nPosition; }

private:
    std::size_t m_nPosition;
};

// The serialisation archive of the scene files. One object either writes
// (appending to a byte vector owned by the caller) or reads (from bytes it
// does not own); each Serialize asks the direction and calls the matching
// operations in the same order both ways.
//
// Byte layout, every multi-byte value little-endian whatever the host:
//   int32  4 bytes, two's complement          EcrireEntier / LireEntier
//   BOOL   int32 0 or 1 (any non-zero reads   EcrireBooleen / LireBooleen
//          as true)
//   double 8 bytes, IEEE 754 binary64         EcrireReel / LireReel
//   word   2 bytes, unsigned                  EcrireMot / LireMot
//   dword  4 bytes, unsigned                  EcrireDoubleMot / LireDoubleMot
//   string length prefix then the bytes       EcrireChaine / LireChaine
//          n < 255: one byte n; n < 0xFFFE: 0xFF then word n;
//          else 0xFF, word 0xFFFF, dword n
//   count  value < 0xFFFF: word; else word     EcrireCompte / LireCompte
//          0xFFFF then dword
//   object class tag (see EcrireClasseObjet)  EcrireClasseObjet / LireClasseObjet
//
// Strings are stored as the bytes they hold (Windows-1252 text); conversion
// to and from UTF-8 is the caller's business (platform/Cp1252.h).
//
// Reading never trusts a length: a field that the remaining bytes cannot hold
// throws CErreurArchive before anything is allocated. Callers sizing a list
// from a count must check it first with ExigerElements. Calling a write on a
// reading archive (or the reverse) is a programming error: std::logic_error.
class CArchive {
public:
    // Tag values of the object references.
    static constexpr std::uint16_t s_wNouvelleClasse = 0xFFFF;
    static constexpr std::uint16_t s_wGrandIndex = 0x7FFF;
    static constexpr std::uint16_t s_wMarqueClasse = 0x8000;
    static constexpr std::uint32_t s_dwGrandeMarqueClasse = 0x80000000u;
    static constexpr std::uint16_t s_wSchema = 8;

    // A writing archive appending to `sortie` (which must outlive it).
    static CArchive Ecriture(std::vector<std::uint8_t>& sortie);
    // A reading archive over `entree` (which must outlive it).
    static CArchive Lecture(std::span<const std::uint8_t> entree);
    // A temporary vector would be gone before the first read.
    static CArchive Lecture(std::vector<std::uint8_t>&&) = delete;

    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;
    CArchive(CArchive&&) = default;
    CArchive& operator=(CArchive&&) = delete;

    bool EstEnEcriture() const { return m_pSortie != nullptr; }
    bool EstEnLecture() const { return m_pSortie == nullptr; }

    // Bytes written so far (writing) or consumed so far (reading).
    std::size_t Position() const;
    // Bytes not yet read (0 when writing).
    std::size_t Restant() const;
    // Throws CErreurArchive unless at least n bytes remain to be read.
    void ExigerOctets(std::uint64_t n) const;
    // Same for nElements records of at least nOctetsParElement bytes each
    // (no overflow); call it before sizing a list from a count read here.
    void ExigerElements(std::uint64_t nElements, std::uint64_t nOctetsParElement) const;

    // Writing.
    void EcrireEntier(std::int32_t n);
    void EcrireBooleen(bool b);
    void EcrireReel(double d);
    void EcrireMot(std::uint16_t w);
    void EcrireDoubleMot(std::uint32_t dw);
    void EcrireOctets(std::span<const std::uint8_t> octets);
    void EcrireChaine(const std::string& str);
    void EcrireCompte(std::uint32_t n);
    // Writes the tag of the next object, of class `nomClasse`. On the class's
    // first use in this archive: word 0xFFFF, word schema 8, word name length,
    // the name bytes; the class takes the next index. Afterwards: word
    // 0x8000 | class index, or, for a class index of 0x7FFF or more, word
    // 0x7FFF then dword 0x80000000 | class index. Then the object takes the
    // next index. The running index starts at 1 in each archive. The
    // object's fields are written right after by the caller.
    void EcrireClasseObjet(const std::string& nomClasse);

    // Reading; every operation throws CErreurArchive on malformed input.
    std::int32_t LireEntier();
    bool LireBooleen();
    double LireReel();
    std::uint16_t LireMot();
    std::uint32_t LireDoubleMot();
    void LireOctets(std::span<std::uint8_t> octets);
    std::string LireChaine();
    std::uint32_t LireCompte();
    // Reads the tag of the next object and returns its class name, with the
    // index accounting of EcrireClasseObjet. Refused: a new-class tag whose
    // schema is not 8 or whose name is not in `nomsPermis`; a class index
    // not defined earlier in this archive (or one that numbers an object); a
    // reference to an object already read; the null reference 0.
    std::string LireClasseObjet(const std::vector<std::string>& nomsPermis);

    // One field both ways: writes the value when writing, reads it into the
    // variable when reading. Lets a Serialize list its fields once.
    void Transferer(std::int32_t& n);
    void Transferer(bool& b);
    void Transferer(double& d);
    void Transferer(std::string& str);

    // Refuses the input: throws CErreurArchive with the message and the
    // offset, for the checks that the callers make on the values read.
    [[noreturn]] void Echouer(const std::string& strMessage, std::size_t nPosition) const;

    // What is being read, for the refusals: once set, Echouer's message
    // begins with it ("Face 2 of 3 \"wall\": the ..."). FixerObjet also
    // forgets the name; NommerObjet adds the object's stored name (Windows-1252
    // text), quoted and shortened.
    void FixerObjet(std::string strObjet);
    void NommerObjet(const std::string& strNom);

private:
    CArchive(std::vector<std::uint8_t>* pSortie, std::span<const std::uint8_t> entree);

    void VerifierEcriture() const;
    void VerifierLecture() const;
    void Ajouter(const std::uint8_t* p, std::size_t n);
    // Copies n bytes from the input, after checking they are there; `quoi`
    // names the field for the message.
    void Prendre(std::uint8_t* p, std::size_t n, const char* quoi);

    std::vector<std::uint8_t>* m_pSortie;
    std::size_t m_nDebutSortie; // size of the output vector when the archive began
    std::span<const std::uint8_t> m_entree;
    std::size_t m_nLu = 0;
    std::string m_strObjet;
    std::string m_strNomObjet;

    // Running index of the class table (1 = first class or object).
    std::uint32_t m_nIndexSuivant = 1;
    std::map<std::string, std::uint32_t> m_classesEcrites;
    std::map<std::uint32_t, std::string> m_classesLues;
};
