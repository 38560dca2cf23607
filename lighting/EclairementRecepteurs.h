#pragma once

#include "lighting/MoteurOmbrage.h"
#include "lighting/Soleil.h"

#include <memory>
#include <vector>

class CFace;

// The lighting of the whole set of receivers for one sun position: every
// face's direct lighting, every receiver node shaded by the other faces, and
// the scene averages weighted by the considered areas.
class CEclairementRecepteurs {
public:
    double m_dEquivalent = 0; // %, area-weighted mean of the receivers' equivalents
    double m_dIncidence = 0;  // degrees, weighted by area times equivalent
    int m_bAutoCalcul = 0;
    // CalculerEclairement takes the plain evaluation (benchmarks compare).
    bool m_bEvaluationSimple = false;

    // The window opens with zeroed results.
    void Ouvrir();

    // The computation for `faces` (the document's list, in order); the
    // receivers' meshes must exist. Runs the node loop on every core and
    // skips occluders that provably cannot shade a node; every value is the
    // one the plain evaluation gives.
    void CalculerEclairement(const std::vector<CFace*>& faces, const CSoleilCalcul& soleil);
    // The plain sequential evaluation, kept as the reference.
    void CalculerEclairementSimple(const std::vector<CFace*>& faces, const CSoleilCalcul& soleil);

    // Node-occluder ray tests of the last fast computation (for benchmarks).
    long long TestsEffectues() const { return m_moteur.TestsEffectues(); }

private:
    void Agreger(const std::vector<CFace*>& faces);

    CMoteurOmbrage m_moteur;
};

// The faces that can shade `pRecepteur`: every other face, in order, whose
// ray test is usable along the sun and whose transmission is not exactly 1.
std::vector<CFace*> Occultants(const std::vector<CFace*>& faces, const CFace* pRecepteur);
