// Opens arbitrary bytes as a scene file and, when they load, computes what
// the "Receivers lighting" window computes for one sun: every receiver's mesh
// under the budget, then the lighting, both with the fast shading and with
// the plain reference evaluation. Whatever a loaded file holds, the work stays
// within the budget of the default weight (the fuzzer's timeout and memory
// limit catch any escape), every node value and average is a finite
// percentage, and both evaluations agree bit for bit.
//
// Seeds: the golden files of tests/data and the scenes of examples/.
#include "document/VantrelDoc.h"
#include "platform/InteractionScriptee.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <span>
#include <string>
#include <vector>

namespace {

void Verifier(bool b) {
    if (!b) {
        std::abort();
    }
}

bool EstPourcentage(double d) {
    return d >= 0 && d <= 100 + 1e-9; // NaN is not
}

// Every node value of every receiver, in document order.
std::vector<float> Valeurs(const std::vector<CFace*>& faces) {
    std::vector<float> valeurs;
    for (const CFace* f : faces) {
        if (f->m_pNoeuds) {
            valeurs.insert(valeurs.end(), f->m_pNoeuds->m_valeurs.begin(),
                           f->m_pNoeuds->m_valeurs.end());
        }
    }
    return valeurs;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static CInteractionScriptee s_ui;
    static CVantrelDoc s_doc(s_ui);

    std::string strErreur;
    if (!s_doc.Lire(std::span(data, size), strErreur)) {
        return 0;
    }
    // The bounds are promised at the default weight; a file may ask for up
    // to twenty times more work, which is the user's choice.
    s_doc.m_optionsCalcul.m_nPoidsMax = COptionsCalcul().m_nPoidsMax;

    // One sun, chosen by the bytes so that the fuzzer explores directions.
    std::uint32_t nGraine = 0;
    for (std::size_t i = 0; i < size; ++i) {
        nGraine = nGraine * 31 + data[i];
    }
    CPositionSoleil& soleil = s_doc.m_positionSoleil;
    soleil.m_nIndexDate = static_cast<int>(nGraine % CPositionSoleil::kNombreDates);
    soleil.m_nHeure = static_cast<int>((nGraine >> 8) % 24);
    soleil.m_nMinute = static_cast<int>((nGraine >> 16) % 60);
    soleil.CalculerPosition();
    soleil.CalculerDirection();

    if (s_doc.GenererMaillages()) {
        const std::vector<CFace*> faces = s_doc.Faces();
        CEclairementRecepteurs& eclairement = s_doc.m_eclairementRecepteurs;
        eclairement.CalculerEclairement(faces, s_doc.SoleilCalcul());
        const std::vector<float> rapides = Valeurs(faces);
        const double dEquivalent = eclairement.m_dEquivalent;
        const double dIncidence = eclairement.m_dIncidence;
        Verifier(EstPourcentage(dEquivalent));
        Verifier(std::isfinite(dIncidence));
        for (const float f : rapides) {
            Verifier(EstPourcentage(f));
        }

        eclairement.CalculerEclairementSimple(faces, s_doc.SoleilCalcul());
        const std::vector<float> simples = Valeurs(faces);
        Verifier(simples.size() == rapides.size());
        Verifier(std::memcmp(simples.data(), rapides.data(), simples.size() * sizeof(float)) == 0);
        Verifier(std::memcmp(&dEquivalent, &eclairement.m_dEquivalent, sizeof(double)) == 0);
        Verifier(std::memcmp(&dIncidence, &eclairement.m_dIncidence, sizeof(double)) == 0);
        s_doc.DetruireMaillages();
    }
    s_ui.m_messages.clear();
    return 0;
}
