#include "lighting/MoteurOmbrage.h"

#include "geometry/Face.h"
#include "geometry/FormeFace.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr int kNoeudsParBloc = 2048;
constexpr double kEpsilon = std::numeric_limits<double>::epsilon();
constexpr double kInfini = std::numeric_limits<double>::infinity();

// Bounds A, B of the inside region of an occluder in its oblique
// coordinates: 0 <= a <= A and 0 <= b <= B. Infinite when not bounded.
void BornesRegion(int nType, float k1, float k2, double& dA, double& dB) {
    dA = 1;
    dB = 1;
    if (nType == CFace::Secteur) {
        // a^2 + k ab + b^2 <= 1 with k = -2c gives (1 - c)(a^2 + b^2) <= 1.
        const double k = k1;
        if (!(k >= 0)) {
            dA = dB = k > -1.99 ? 1 / std::sqrt(1 + k / 2) : kInfini;
        }
    } else if (nType == CFace::Quadrilatere) {
        const double c1 = k1;
        const double c2 = k2;
        if (!std::isfinite(c1) || !std::isfinite(c2)) {
            dA = dB = kInfini;
        } else if (c1 >= 0 && c2 >= 0) {
            // a <= 1 - k1 b <= 1 and b <= 1 - k2 a <= 1
        } else if (c1 >= 0) {
            dB = 1 - c2; // b <= 1 + |k2| a with a <= 1
        } else if (c2 >= 0) {
            dA = 1 - c1;
        } else if (c1 * c2 < 0.99) {
            dA = (1 - c1) / (1 - c1 * c2);
            dB = (1 - c2) / (1 - c1 * c2);
        } else {
            dA = dB = kInfini;
        }
    }
}

double Norme3(const double v[3]) {
    return std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
}

} // namespace

void CMoteurOmbrage::Preparer(const std::vector<CFace*>& faces, const CVecteur& dir) {
    // An orthonormal basis of the plane across the sun.
    const CVecteur axe = std::fabs(dir.m_z) < 0.9 ? CVecteur(0, 0, 1) : CVecteur(1, 0, 0);
    m_e1 = dir.Vectoriel(axe);
    m_e1 = m_e1 / m_e1.Norme();
    m_e2 = dir.Vectoriel(m_e1);
    m_e2 = m_e2 / m_e2.Norme();

    // Scale of the scene: every coordinate of the faces and the nodes.
    double dEchelle = 0;
    for (CFace* f : faces) {
        for (const auto& p : f->m_points) {
            dEchelle = std::max({dEchelle, std::fabs(p.m_x), std::fabs(p.m_y), std::fabs(p.m_z)});
        }
        if (f->m_pNoeuds) {
            dEchelle = std::max(dEchelle, f->m_pNoeuds->m_dCoordonneeMax);
        }
    }
    // Largest distance between a node and an occluder's origin.
    const double dDiametre = 2 * std::sqrt(3.0) * (dEchelle + 1);

    m_occultants.clear();
    for (std::size_t i = 0; i < faces.size(); ++i) {
        CFace* f = faces[i];
        if (f->m_repere[0].m_fValeur == 0 || f->m_dTransmission == 1.0) {
            continue; // can never shade
        }
        COccultant o{};
        o.pFace = f;
        o.nIndice = static_cast<int>(i);
        o.nType = f->TypeFace();
        const CVecteur& p0 = f->m_points[0];
        o.p0[0] = p0.m_x;
        o.p0[1] = p0.m_y;
        o.p0[2] = p0.m_z;
        for (int l = 0; l < 3; ++l) {
            o.r[l][0] = f->m_repere[l].m_x;
            o.r[l][1] = f->m_repere[l].m_y;
            o.r[l][2] = f->m_repere[l].m_z;
        }
        o.k1 = f->m_repere[1].m_fValeur;
        o.k2 = f->m_repere[2].m_fValeur;
        o.dTransmission = f->m_dTransmission;
        o.bOuvertures = !f->m_ouvertures.m_faces.empty();

        double dA = 1;
        double dB = 1;
        BornesRegion(o.nType, o.k1, o.k2, dA, dB);
        o.bBorne = false;
        if (std::isfinite(dA) && std::isfinite(dB) && dA < 1e6 && dB < 1e6) {
            const CVecteur e0 = f->m_points[1] - p0;
            const CVecteur l = f->m_points[f->IndexDernier()] - p0;
            const double n0 = e0.Norme();
            const double nl = l.Norme();
            const double det = std::fabs(static_cast<double>(f->m_repere[0].m_fValeur)) * 0.999;
            // Worst rounding of a and b in the ray test, in their own units:
            // the rows' errors (the determinant's cancellation included) and
            // the dot products', over the largest distance, with a wide safety.
            const double erreurLignes = (n0 + nl) * (1 + n0 * nl / det) / det;
            const double mu = 1000 * 16 * kEpsilon * dDiametre *
                                  (Norme3(o.r[0]) + Norme3(o.r[1]) + erreurLignes) +
                              1e-9 * (1 + dA + dB);
            if (std::isfinite(mu) && mu < 0.1) {
                const double aa[2] = {-mu, dA + mu};
                const double bb[2] = {-mu, dB + mu};
                o.sMin = o.tMin = kInfini;
                o.sMax = o.tMax = -kInfini;
                for (double a : aa) {
                    for (double b : bb) {
                        const CVecteur c = p0 + e0 * a + l * b;
                        const double s = c.Scalaire(m_e1);
                        const double t = c.Scalaire(m_e2);
                        o.sMin = std::min(o.sMin, s);
                        o.sMax = std::max(o.sMax, s);
                        o.tMin = std::min(o.tMin, t);
                        o.tMax = std::max(o.tMax, t);
                    }
                }
                // Rounding of the projections themselves.
                const double w = 1e-9 * (dEchelle + 1 + (dA + dB + 1) * (n0 + nl));
                o.sMin -= w;
                o.tMin -= w;
                o.sMax += w;
                o.tMax += w;
                o.bBorne = std::isfinite(o.sMin + o.sMax + o.tMin + o.tMax);
            }
        }
        m_occultants.push_back(o);
    }
}

void CMoteurOmbrage::ConstruireGrille() {
    m_toujours.clear();
    m_debuts.clear();
    m_listes.clear();
    m_nColonnes = m_nLignes = 0;

    double sMin = kInfini, sMax = -kInfini, tMin = kInfini, tMax = -kInfini;
    int nBornes = 0;
    for (const COccultant& o : m_occultants) {
        if (o.bBorne) {
            sMin = std::min(sMin, o.sMin);
            sMax = std::max(sMax, o.sMax);
            tMin = std::min(tMin, o.tMin);
            tMax = std::max(tMax, o.tMax);
            ++nBornes;
        }
    }
    if (nBornes > 0) {
        const double largeur = std::max(sMax - sMin, 1e-9);
        const double hauteur = std::max(tMax - tMin, 1e-9);
        // About four cells per occluder, at most 1024 on a side.
        const double cible = std::sqrt(largeur * hauteur / (4.0 * nBornes));
        m_dCellule = std::max({cible, largeur / 1024, hauteur / 1024});
        m_nColonnes = std::max(1, static_cast<int>(std::ceil(largeur / m_dCellule)));
        m_nLignes = std::max(1, static_cast<int>(std::ceil(hauteur / m_dCellule)));
        m_nColonnes = std::min(m_nColonnes, 1024);
        m_nLignes = std::min(m_nLignes, 1024);
        m_s0 = sMin;
        m_t0 = tMin;
    }
    const long long nCellules = static_cast<long long>(m_nColonnes) * m_nLignes;

    // Count, then fill, the cells each bounded occluder meets; one that meets
    // most of the grid is simply tested everywhere.
    std::vector<int>& comptes = m_comptes;
    std::vector<char>& partout = m_partout;
    comptes.assign(static_cast<std::size_t>(nCellules) + 1, 0);
    partout.assign(m_occultants.size(), 0);
    auto etendue = [&](const COccultant& o, int& i0, int& i1, int& j0, int& j1) {
        i0 = std::clamp(static_cast<int>((o.sMin - m_s0) / m_dCellule), 0, m_nColonnes - 1);
        i1 = std::clamp(static_cast<int>((o.sMax - m_s0) / m_dCellule), 0, m_nColonnes - 1);
        j0 = std::clamp(static_cast<int>((o.tMin - m_t0) / m_dCellule), 0, m_nLignes - 1);
        j1 = std::clamp(static_cast<int>((o.tMax - m_t0) / m_dCellule), 0, m_nLignes - 1);
    };
    for (std::size_t k = 0; k < m_occultants.size(); ++k) {
        const COccultant& o = m_occultants[k];
        if (!o.bBorne) {
            partout[k] = 1;
            continue;
        }
        int i0, i1, j0, j1;
        etendue(o, i0, i1, j0, j1);
        const long long n = static_cast<long long>(i1 - i0 + 1) * (j1 - j0 + 1);
        if (n * 2 > nCellules && nCellules > 16) {
            partout[k] = 1;
            continue;
        }
        for (int j = j0; j <= j1; ++j) {
            for (int i = i0; i <= i1; ++i) {
                ++comptes[static_cast<std::size_t>(j * m_nColonnes + i)];
            }
        }
    }
    m_debuts.assign(static_cast<std::size_t>(nCellules) + 1, 0);
    for (long long c = 0; c < nCellules; ++c) {
        m_debuts[static_cast<std::size_t>(c + 1)] =
            m_debuts[static_cast<std::size_t>(c)] + comptes[static_cast<std::size_t>(c)];
    }
    m_listes.assign(static_cast<std::size_t>(m_debuts.back()), 0);
    std::vector<int>& positions = m_positions;
    positions.assign(m_debuts.begin(), m_debuts.end() - 1);
    for (std::size_t k = 0; k < m_occultants.size(); ++k) {
        if (partout[k]) {
            m_toujours.push_back(static_cast<int>(k));
            continue;
        }
        int i0, i1, j0, j1;
        etendue(m_occultants[k], i0, i1, j0, j1);
        for (int j = j0; j <= j1; ++j) {
            for (int i = i0; i <= i1; ++i) {
                m_listes[static_cast<std::size_t>(
                    positions[static_cast<std::size_t>(j * m_nColonnes + i)]++)] =
                    static_cast<int>(k);
            }
        }
    }
}

namespace {

// The ray test of an occluder with the margin 0, exactly as the face's own
// Intercepte computes it; then the transmission.
inline bool Dedans(int nType, double a, double b, float k1, float k2) {
    switch (nType) {
    case CFace::Triangle:
        return DansTriangle(a, b, 0.0);
    case CFace::Quadrilatere:
        return DansQuadrilatere(a, b, k1, k2, 0.0);
    case CFace::Secteur:
        return DansSecteur(a, b, k1, 0.0);
    default:
        return DansQuartEllipse(a, b, 0.0);
    }
}

} // namespace

void CMoteurOmbrage::OmbrerBloc(int nBloc) {
    const CBloc& bloc = m_blocs[static_cast<std::size_t>(nBloc)];
    CFace* r = bloc.pRecepteur;
    CMaillage& m = *r->m_pNoeuds;
    const float fDirect = static_cast<float>(r->m_dEclairementDirect);
    if (r->m_dEclairementDirect == 0 || m_occultants.empty()) {
        std::fill(m.m_valeurs.begin() + bloc.nDebut, m.m_valeurs.begin() + bloc.nFin, fDirect);
        return;
    }
    long long nTests = 0;
    const int* toujours = m_toujours.data();
    const int nToujours = static_cast<int>(m_toujours.size());
    for (int k = bloc.nDebut; k < bloc.nFin; ++k) {
        const auto ik = static_cast<std::size_t>(k);
        const double x = m.m_x[ik];
        const double y = m.m_y[ik];
        const double z = m.m_z[ik];
        float valeur = fDirect;

        const double s = x * m_e1.m_x + y * m_e1.m_y + z * m_e1.m_z;
        const double t = x * m_e2.m_x + y * m_e2.m_y + z * m_e2.m_z;
        const int* cellule = nullptr;
        int nCellule = 0;
        if (m_nColonnes > 0) {
            const double fi = (s - m_s0) / m_dCellule;
            const double fj = (t - m_t0) / m_dCellule;
            if (fi >= 0 && fj >= 0 && fi < m_nColonnes && fj < m_nLignes) {
                const auto c = static_cast<std::size_t>(static_cast<int>(fj) * m_nColonnes +
                                                        static_cast<int>(fi));
                cellule = m_listes.data() + m_debuts[c];
                nCellule = m_debuts[c + 1] - m_debuts[c];
            }
        }
        // The cell's occluders and those tested everywhere, merged in
        // document order.
        int ia = 0;
        int ib = 0;
        while (ia < nCellule || ib < nToujours) {
            int n;
            if (ib >= nToujours || (ia < nCellule && cellule[ia] < toujours[ib])) {
                n = cellule[ia++];
            } else {
                n = toujours[ib++];
            }
            const COccultant& o = m_occultants[static_cast<std::size_t>(n)];
            if (o.nIndice == bloc.nRecepteur) {
                continue;
            }
            if (valeur <= 0) {
                break;
            }
            if (o.bBorne && (s < o.sMin || s > o.sMax || t < o.tMin || t > o.tMax)) {
                continue; // its transmission would be exactly 1
            }
            ++nTests;
            const double dx = x - o.p0[0];
            const double dy = y - o.p0[1];
            const double dz = z - o.p0[2];
            const double a = (o.r[0][2] * dz + o.r[0][1] * dy) + o.r[0][0] * dx;
            const double b = (o.r[1][2] * dz + o.r[1][1] * dy) + o.r[1][0] * dx;
            if (!Dedans(o.nType, a, b, o.k1, o.k2)) {
                continue;
            }
            const double c = (o.r[2][2] * dz + o.r[2][1] * dy) + o.r[2][0] * dx;
            if (!(c < 0)) {
                continue; // met on the side away from the sun
            }
            if (o.bOuvertures && o.pFace->CFace::Intercepte(CVecteur(x, y, z), 0.0) != 0) {
                continue; // through one of its openings
            }
            valeur = static_cast<float>(o.dTransmission * valeur);
        }
        m.m_valeurs[ik] = valeur;
    }
    m_testsParBloc[static_cast<std::size_t>(nBloc)] = nTests;
}

void CMoteurOmbrage::Ombrer(const std::vector<CFace*>& faces, const CVecteur& dir) {
    Preparer(faces, dir);
    ConstruireGrille();

    m_blocs.clear();
    for (std::size_t i = 0; i < faces.size(); ++i) {
        CFace* f = faces[i];
        if (!f->m_proprietes.m_bRecepteur || !f->m_pNoeuds) {
            continue;
        }
        const int n = f->m_pNoeuds->Taille();
        for (int debut = 0; debut < n; debut += kNoeudsParBloc) {
            m_blocs.push_back({f, static_cast<int>(i), debut, std::min(n, debut + kNoeudsParBloc)});
        }
    }
    m_testsParBloc.assign(m_blocs.size(), 0);
    m_pool.Executer(static_cast<int>(m_blocs.size()), [this](int b) { OmbrerBloc(b); });

    m_nTests = 0;
    for (long long n : m_testsParBloc) {
        m_nTests += n;
    }
    // Each mean is summed in node order, as the plain evaluation does.
    for (CFace* f : faces) {
        if (!f->m_proprietes.m_bRecepteur) {
            continue;
        }
        f->m_dEclairement = 0;
        if (!f->m_pNoeuds) {
            continue;
        }
        const CMaillage& m = *f->m_pNoeuds;
        const int n = m.Taille();
        for (int k = 0; k < n; ++k) {
            f->m_dEclairement += m.m_valeurs[static_cast<std::size_t>(k)];
        }
        f->m_dEclairement = f->m_dEclairement / std::max(n, 1);
    }
}
