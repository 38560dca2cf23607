// Drives the archive reader with a sequence of reads chosen by the input.
// Input: byte 0 gives the number of operation bytes (1 to 32) that follow;
// the rest is the stream read. Malformed data must end in CErreurArchive and
// nothing else; every value read must survive a write and a second read.
#include "document/Archive.h"
#include "platform/Cp1252.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>
#include <vector>

namespace {

const std::vector<std::string> s_faces = {"CFace3", "CFace4", "CFace5", "CFace6"};

struct CValeur {
    std::uint8_t nOperation;
    std::uint64_t nValeur;
    std::string str;

    bool operator==(const CValeur&) const = default;
};

void Verifier(bool b) {
    if (!b) {
        std::abort();
    }
}

// Runs at most nPasMax operations, cycling through `operations`, and records
// what each returned. bOriginal: stop at the end of the stream and check
// counts against the remaining bytes; the copy keeps neither the tail nor the
// reads of nothing made at the end, so it runs exactly nPasMax operations.
std::vector<CValeur> Lire(std::span<const std::uint8_t> flux,
                          std::span<const std::uint8_t> operations, std::size_t nPasMax,
                          bool bOriginal) {
    std::vector<CValeur> valeurs;
    auto ar = CArchive::Lecture(flux);
    try {
        for (std::size_t nPas = 0; nPas < nPasMax && (!bOriginal || ar.Restant() > 0); ++nPas) {
            const std::uint8_t op = operations[nPas % operations.size()];
            CValeur v{static_cast<std::uint8_t>(op % 10), 0, {}};
            switch (v.nOperation) {
            case 0:
                v.nValeur = static_cast<std::uint32_t>(ar.LireEntier());
                break;
            case 1:
                v.nValeur = ar.LireBooleen() ? 1 : 0;
                break;
            case 2:
                v.nValeur = std::bit_cast<std::uint64_t>(ar.LireReel());
                break;
            case 3:
                v.nValeur = ar.LireMot();
                break;
            case 4:
                v.nValeur = ar.LireDoubleMot();
                break;
            case 5: {
                std::vector<std::uint8_t> bloc(op >> 4);
                ar.LireOctets(bloc);
                v.str.assign(bloc.begin(), bloc.end());
                break;
            }
            case 6:
            case 7: {
                v.str = ar.LireChaine();
                // Any stored string converts to UTF-8 and back unchanged.
                Verifier(Utf8VersCp1252(Cp1252VersUtf8(v.str)) == v.str);
                break;
            }
            case 8:
                v.nValeur = ar.LireCompte();
                if (bOriginal) {
                    ar.ExigerElements(v.nValeur, 1 + (op >> 4));
                }
                break;
            default:
                v.str = ar.LireClasseObjet(s_faces);
                Verifier(std::find(s_faces.begin(), s_faces.end(), v.str) != s_faces.end());
                break;
            }
            Verifier(ar.Position() + ar.Restant() == flux.size());
            valeurs.push_back(std::move(v));
        }
    } catch (const CErreurArchive& e) {
        Verifier(e.Position() <= flux.size());
    }
    return valeurs;
}

std::vector<std::uint8_t> Ecrire(const std::vector<CValeur>& valeurs) {
    std::vector<std::uint8_t> octets;
    auto ar = CArchive::Ecriture(octets);
    for (const auto& v : valeurs) {
        switch (v.nOperation) {
        case 0:
            ar.EcrireEntier(static_cast<std::int32_t>(v.nValeur));
            break;
        case 1:
            ar.EcrireBooleen(v.nValeur != 0);
            break;
        case 2:
            ar.EcrireReel(std::bit_cast<double>(v.nValeur));
            break;
        case 3:
            ar.EcrireMot(static_cast<std::uint16_t>(v.nValeur));
            break;
        case 4:
            ar.EcrireDoubleMot(static_cast<std::uint32_t>(v.nValeur));
            break;
        case 5:
            ar.EcrireOctets(
                std::span(reinterpret_cast<const std::uint8_t*>(v.str.data()), v.str.size()));
            break;
        case 6:
        case 7:
            ar.EcrireChaine(v.str);
            break;
        case 8:
            ar.EcrireCompte(static_cast<std::uint32_t>(v.nValeur));
            break;
        default:
            ar.EcrireClasseObjet(v.str);
            break;
        }
    }
    return octets;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) {
        return 0;
    }
    const std::size_t nOperations = std::min<std::size_t>(data[0] % 32 + 1, size - 1);
    const std::span<const std::uint8_t> operations(data + 1, nOperations);
    const std::span<const std::uint8_t> flux(data + 1 + nOperations, size - 1 - nOperations);

    const std::size_t nPasMax = 4096;
    const auto valeurs = Lire(flux, operations, nPasMax, true);
    // Written back canonically, the same operations read the same values.
    const auto copie = Ecrire(valeurs);
    Verifier(Lire(copie, operations, valeurs.size(), false) == valeurs);
    return 0;
}
