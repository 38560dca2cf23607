#pragma once

#include "geometry/Vecteur.h"
#include "lighting/PoolTaches.h"

#include <vector>

class CFace;

// The fast shading of every receiver node. The result is bit for bit the one
// of CFace::CalculerOmbrage: an occluder is skipped for a node only where it
// is proven that its ray test would miss (its transmission would be exactly
// 1), the product keeps the document order, the node values are computed
// exactly as there, and each face's mean is summed in node order.
//
// The proof: an occluder's inside region lies, in its oblique coordinates
// (a, b) along the sun, within a box [0, A] x [0, B]; that box, widened by
// the worst rounding of the ray test, is projected on the plane across the
// sun. A node whose projection falls outside it gets a or b outside the box
// in the ray test too. A uniform grid over that plane lists, per cell, the
// occluders whose projection meets it.
class CMoteurOmbrage {
public:
    explicit CMoteurOmbrage(int nThreads = 0) : m_pool(nThreads) {}

    // After every face's CalculerEclairementDirect for the sun direction
    // `dir`: shades every receiver of `faces` (document order).
    void Ombrer(const std::vector<CFace*>& faces, const CVecteur& dir);

    // Node-occluder ray tests performed by the last call (for benchmarks).
    long long TestsEffectues() const { return m_nTests; }

private:
    struct COccultant {
        CFace* pFace;
        int nIndice; // position in the document
        int nType;
        double p0[3];
        double r[3][3]; // rows of the ray-test matrix
        float k1;
        float k2;
        double dTransmission;
        bool bOuvertures;
        bool bBorne; // its projection is bounded: it can be skipped
        double sMin, sMax, tMin, tMax;
    };

    void Preparer(const std::vector<CFace*>& faces, const CVecteur& dir);
    void ConstruireGrille();
    void OmbrerBloc(int nBloc);

    CPoolTaches m_pool;
    std::vector<COccultant> m_occultants;
    std::vector<int> m_toujours; // occluders that are never skipped
    // Plane across the sun.
    CVecteur m_e1, m_e2;
    // Grid over that plane: cell (i, j) lists occluders (indices into
    // m_occultants, ascending) in m_listes[m_debuts[c] .. m_debuts[c + 1]).
    double m_s0 = 0, m_t0 = 0, m_dCellule = 1;
    int m_nColonnes = 0, m_nLignes = 0;
    std::vector<int> m_debuts;
    std::vector<int> m_listes;
    // Buffers of the grid's construction, kept from one call to the next.
    std::vector<int> m_comptes;
    std::vector<char> m_partout;
    std::vector<int> m_positions;
    // Work split into blocks of nodes of one receiver.
    struct CBloc {
        CFace* pRecepteur;
        int nRecepteur; // position in the document
        int nDebut, nFin;
    };
    std::vector<CBloc> m_blocs;
    std::vector<long long> m_testsParBloc;
    long long m_nTests = 0;
};
