#include "lighting/GenerationMaillage.h"

#include "geometry/Face.h"
#include "platform/Interaction.h"

#include <algorithm>
#include <climits>
#include <cstdint>

int CGenerationMaillage::Budget(int nPoidsMax) {
    // A weight read from a damaged file must not overflow.
    const long long n = static_cast<long long>(nPoidsMax) * 5 * 5 * 5 * 40;
    return static_cast<int>(std::clamp<long long>(n, INT_MIN, INT_MAX));
}

bool CGenerationMaillage::GenererMaillages(const std::vector<CFace*>& faces, int nPoidsMax,
                                           CInteraction& interaction) {
    // Each face's ray test along its own normal decides which grid points
    // lie inside it and outside its openings.
    for (CFace* f : faces) {
        f->PreparerRayon(f->m_normale);
    }
    const int nDepart = Budget(nPoidsMax);
    int nBudget = nDepart;
    // The grid candidates of all receivers share one allowance too, so that
    // the work stays bounded by the weight whatever the geometry.
    std::int64_t nTests = CFace::kTestsParNoeud * std::max(nDepart, 0);
    for (CFace* f : faces) {
        if (!f->m_proprietes.m_bRecepteur) {
            continue;
        }
        f->DetruireMaillage();
        if (!f->GenererMaillage(&nBudget, &nTests)) {
            interaction.Message(kMessagePoids, kTitreRefus, EIcone::Stop, EBoutons::Ok);
            DetruireMaillages(faces);
            return false;
        }
    }
    if (nBudget == nDepart) {
        interaction.Message(kMessageAucunNoeud, kTitreRefus, EIcone::Stop, EBoutons::Ok);
        DetruireMaillages(faces);
        return false;
    }
    return true;
}

void DetruireMaillages(const std::vector<CFace*>& faces) {
    for (CFace* f : faces) {
        f->DetruireMaillage();
    }
}
