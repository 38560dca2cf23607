#pragma once

#include <cstddef>
#include <vector>

class CFace;

// A run of consecutive nodes of one grid row: nodes k0 .. k0 + n - 1 sit at
// the grid points (i, j0) .. (i, j0 + n - 1).
struct CSegmentReseau {
    int i;
    int j0;
    int n;
    int k0;
};

// A receiver's nodes seen as the regular grid they were laid on: node k lies
// within m_dEcart (on each coordinate) of the grid point o + i u + j v taken
// in exact arithmetic. The bound is measured on the nodes themselves, so the
// shading relies on nothing but these numbers.
class CReseauNoeuds {
public:
    // False when the nodes do not form such a grid in row order: the shading
    // then tests every node.
    bool m_bValide = false;
    double m_o[3] = {0, 0, 0};
    double m_u[3] = {0, 0, 0};
    double m_v[3] = {0, 0, 0};
    double m_dEcart = 0;
    int m_iMin = 0, m_iMax = -1, m_jMin = 0, m_jMax = -1;
    std::vector<CSegmentReseau> m_segments; // in node order, rows ascending
    // Segments of row i: m_debutsLignes[i - m_iMin] .. m_debutsLignes[i - m_iMin + 1].
    std::vector<int> m_debutsLignes;
    // Box of the nodes.
    double m_min[3] = {0, 0, 0};
    double m_max[3] = {0, 0, 0};
    int m_nNoeuds = 0;

    void Analyser(const CFace& f);
    // True when the nodes of segments s0 .. s1 - 1 of f are still those this
    // analysis describes (and f has as many nodes): each within the same
    // measured distance of its grid point and inside the box. Several times
    // cheaper than analysing them again; a large grid is checked in pieces.
    bool Verifier(const CFace& f, std::size_t s0, std::size_t s1) const;

private:
    double m_dEcartMesure = 0; // the largest distance as measured, before the bound
};
