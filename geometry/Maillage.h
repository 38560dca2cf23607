#pragma once

#include "geometry/Vecteur.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

// The receiver mesh of one face: node positions and their lighting values,
// stored as separate contiguous arrays so that the shading loop reads them
// without chasing one heap object per node.
class CMaillage {
public:
    std::vector<double> m_x;
    std::vector<double> m_y;
    std::vector<double> m_z;
    std::vector<float> m_valeurs; // lighting of each node, in %
    // Largest absolute coordinate of the nodes, kept by Ajouter so that the
    // shading need not scan the mesh at every sun position.
    double m_dCoordonneeMax = 0;

    int Taille() const { return static_cast<int>(m_x.size()); }
    bool EstVide() const { return m_x.empty(); }

    void Reserver(std::size_t n) {
        m_x.reserve(n);
        m_y.reserve(n);
        m_z.reserve(n);
        m_valeurs.reserve(n);
    }

    // Appends a node at q with the value 0.
    void Ajouter(const CVecteur& q) {
        m_x.push_back(q.m_x);
        m_y.push_back(q.m_y);
        m_z.push_back(q.m_z);
        m_valeurs.push_back(0.0f);
        m_dCoordonneeMax =
            std::max({m_dCoordonneeMax, std::fabs(q.m_x), std::fabs(q.m_y), std::fabs(q.m_z)});
    }

    // Node i as a vector carrying its value.
    CVecteur Noeud(int i) const {
        const auto k = static_cast<std::size_t>(i);
        return CVecteur(m_x[k], m_y[k], m_z[k], m_valeurs[k]);
    }
};
