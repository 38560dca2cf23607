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

    // While set, the meshes are taken as unchanged between computations (the
    // samples of one day report), so the fast path reads their grids once.
    void FigerMaillages(bool bFiges) { m_moteur.FigerMaillages(bFiges); }

    // Of the last fast computation (benchmarks, tests): node-occluder ray
    // tests, and nodes shaded by a whole span without a test.
    long long TestsEffectues() const { return m_moteur.TestsEffectues(); }
    long long NoeudsDecides() const { return m_moteur.NoeudsDecides(); }

private:
    void Agreger(const std::vector<CFace*>& faces);

    CMoteurOmbrage m_moteur;
};

// The faces that can shade `pRecepteur`: every other face, in order, whose
// ray test is usable along the sun and whose transmission is not exactly 1.
std::vector<CFace*> Occultants(const std::vector<CFace*>& faces, const CFace* pRecepteur);
