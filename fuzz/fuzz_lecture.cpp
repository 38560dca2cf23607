// Opens arbitrary bytes as a scene file. A refused file must leave an empty
// document; an accepted one must write back bytes that read again and write
// the same bytes (a second save changes nothing).
//
// Seeds: the golden files of tests/data and the scenes of examples/.
#include "document/VantrelDoc.h"
#include "platform/InteractionScriptee.h"

#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>
#include <vector>

namespace {

void Verifier(bool b) {
    if (!b) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // One document for the run, as in the program; every load replaces all
    // that is stored.
    static CInteractionScriptee s_ui;
    static CVantrelDoc s_doc(s_ui);

    std::string strErreur;
    if (!s_doc.Lire(std::span(data, size), strErreur)) {
        Verifier(!strErreur.empty());
        Verifier(s_doc.m_faces.empty() && g_nFaces == 0 && g_nFaceSelectionnee == 0);
        Verifier(s_doc.Titre() == "no title");
        return 0;
    }
    Verifier(g_nFaces == static_cast<int>(s_doc.m_faces.size()));
    const std::vector<std::uint8_t> premiere = s_doc.Ecrire();
    Verifier(s_doc.Lire(premiere, strErreur));
    Verifier(s_doc.Ecrire() == premiere);
    s_ui.m_messages.clear();
    return 0;
}
