#include "lighting/MoteurOmbrage.h"

#include "geometry/Face.h"
#include "geometry/FormeFace.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace {

constexpr int kNoeudsParBloc = 65536;         // 256 KB of values
constexpr int kNoeudsParVerification = 32768; // a piece of a grid's check
constexpr int kLignesParBloc = 64;
constexpr int kOccultantsParTranche = 64;
constexpr double kEpsilon = std::numeric_limits<double>::epsilon();
constexpr double kU = kEpsilon / 2; // unit roundoff
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

// A face's ray test as the engine reads it: its origin, the first N rows of
// its matrix, and its shape's k1 and k2.
template <int N>
void LireTest(const CFace& f, double (&p0)[3], double (&r)[N][3], float& k1, float& k2) {
    p0[0] = f.m_points[0].m_x;
    p0[1] = f.m_points[0].m_y;
    p0[2] = f.m_points[0].m_z;
    for (int l = 0; l < N; ++l) {
        r[l][0] = f.m_repere[l].m_x;
        r[l][1] = f.m_repere[l].m_y;
        r[l][2] = f.m_repere[l].m_z;
    }
    k1 = f.m_repere[1].m_fValeur;
    k2 = f.m_repere[2].m_fValeur;
}

// A face's record spans many cache lines, and the faces lie apart in
// memory: the next ones are fetched while one is worked on.
constexpr int kFacesDevant = 2;
void Anticiper(const std::vector<CFace*>& faces, int k, int k1) {
    if (k + kFacesDevant < k1) {
        const char* c =
            reinterpret_cast<const char*>(faces[static_cast<std::size_t>(k + kFacesDevant)]);
        for (std::size_t n = 0; n < sizeof(CFace); n += 64) {
            __builtin_prefetch(c + n);
        }
    }
}

// Widens [sMin, sMax] x [tMin, tMax] to the projection of c on the plane
// spanned by e1 and e2.
void Englober(const CVecteur& c, const CVecteur& e1, const CVecteur& e2, double& sMin, double& sMax,
              double& tMin, double& tMax) {
    const double s = c.Scalaire(e1);
    const double t = c.Scalaire(e2);
    sMin = std::min(sMin, s);
    sMax = std::max(sMax, s);
    tMin = std::min(tMin, t);
    tMax = std::max(tMax, t);
}

double Norme3(const double v[3]) {
    return std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
}

} // namespace

bool CMoteurOmbrage::PeutOmbrer(const CFace& f) {
    return f.m_repere[0].m_fValeur != 0 && f.m_dTransmission != 1.0;
}

// Faces in slices of this many on every thread.
constexpr int kFacesParTache = 256;

bool CMoteurOmbrage::Compter(const std::vector<CFace*>& faces, const CSoleilCalcul& soleil) {
    // By slices of faces on every thread: each face's lighting (which
    // touches only that face), then each slice counts its occluders, and
    // the scene's scale (every coordinate of the faces and the nodes) unless
    // it holds for a frozen series, whose faces do not change.
    //
    // Within such a series each slice mostly keeps its count of occluders
    // from one sun to the next: when the last sun placed them, this pass
    // places them too where the last counts put them, while each face is
    // still in the cache. Should a count change, Placer does it again.
    // Openings are faces of their own, lit by whichever slice holds them:
    // they are read once every face is lit (PlacerOuvertures).
    const auto nFaces = static_cast<int>(faces.size());
    const int nTranches = (nFaces + kFacesParTache - 1) / kFacesParTache;
    const bool bEchelle = !m_bEchelleValide;
    const auto nPlaces = static_cast<std::size_t>(nTranches) + 1;
    const bool bPlacer = !bEchelle && m_placesTranches.size() == nPlaces;
    Repere(soleil.direction);
    if (bPlacer) {
        m_occultants.resize(static_cast<std::size_t>(m_placesTranches.back()));
    }
    const double dDiametre = Diametre();
    m_comptesTranches.assign(nPlaces, 0);
    m_hotesTranches.assign(static_cast<std::size_t>(nTranches), 0);
    m_echellesTranches.assign(static_cast<std::size_t>(nTranches), 0.0);
    m_pool.ExecuterParTranches(nFaces, kFacesParTache, [&](int t, int k0, int k1) {
        double dEchelle = 0;
        int nOccultants = 0;
        const auto d = static_cast<std::size_t>(t);
        const int nOccultant0 = bPlacer ? m_placesTranches[d] : 0;
        const int nOccultantFin = bPlacer ? m_placesTranches[d + 1] : 0;
        bool bHotes = false;
        for (int k = k0; k < k1; ++k) {
            Anticiper(faces, k, k1);
            CFace* f = faces[static_cast<std::size_t>(k)];
            f->CalculerEclairementDirect(soleil.direction, soleil.dAltitude, soleil.dLigneHorizon);
            if (bEchelle) {
                for (const auto& p : f->m_points) {
                    dEchelle =
                        std::max({dEchelle, std::fabs(p.m_x), std::fabs(p.m_y), std::fabs(p.m_z)});
                }
                if (f->m_pNoeuds) {
                    dEchelle = std::max(dEchelle, f->m_pNoeuds->m_dCoordonneeMax);
                }
            }
            if (PeutOmbrer(*f)) {
                const int n = nOccultant0 + nOccultants++;
                if (n < nOccultantFin) {
                    PreparerOccultant(m_occultants[static_cast<std::size_t>(n)], f, k,
                                      soleil.direction, dDiametre);
                    bHotes = bHotes || !f->m_ouvertures.m_faces.empty();
                }
            }
        }
        // Written once: the slices' entries share cache lines.
        m_echellesTranches[d] = dEchelle;
        m_comptesTranches[d + 1] = nOccultants;
        m_hotesTranches[d] = static_cast<char>(bHotes);
    });
    if (bEchelle) {
        m_dEchelle = 0;
        for (const double e : m_echellesTranches) {
            m_dEchelle = std::max(m_dEchelle, e);
        }
        m_bEchelleValide = true;
    }
    // Where each slice's occluders start.
    for (std::size_t t = 1; t < nPlaces; ++t) {
        m_comptesTranches[t] += m_comptesTranches[t - 1];
    }
    const bool bPlaces = bPlacer && m_comptesTranches == m_placesTranches;
    m_placesTranches.clear();
    return bPlaces;
}

void CMoteurOmbrage::Repere(const CVecteur& dir) {
    // An orthonormal basis of the plane across the sun.
    const CVecteur axe = std::fabs(dir.m_z) < 0.9 ? CVecteur(0, 0, 1) : CVecteur(1, 0, 0);
    m_e1 = dir.Vectoriel(axe);
    m_e1 = m_e1 / m_e1.Norme();
    m_e2 = dir.Vectoriel(m_e1);
    m_e2 = m_e2 / m_e2.Norme();
}

double CMoteurOmbrage::Diametre() const {
    // Largest distance between a node and an occluder's origin.
    return 2 * std::sqrt(3.0) * (m_dEchelle + 1);
}

void CMoteurOmbrage::Placer(const std::vector<CFace*>& faces, const CVecteur& dir) {
    const auto nFaces = static_cast<int>(faces.size());
    m_occultants.resize(static_cast<std::size_t>(m_comptesTranches.back()));
    const double dDiametre = Diametre();
    m_pool.ExecuterParTranches(nFaces, kFacesParTache, [&](int t, int k0, int k1) {
        int nOccultant = m_comptesTranches[static_cast<std::size_t>(t)];
        bool bHotes = false;
        for (int k = k0; k < k1; ++k) {
            Anticiper(faces, k, k1);
            CFace* f = faces[static_cast<std::size_t>(k)];
            if (PeutOmbrer(*f)) {
                PreparerOccultant(m_occultants[static_cast<std::size_t>(nOccultant++)], f, k, dir,
                                  dDiametre);
                bHotes = bHotes || !f->m_ouvertures.m_faces.empty();
            }
        }
        m_hotesTranches[static_cast<std::size_t>(t)] = static_cast<char>(bHotes);
    });
}

void CMoteurOmbrage::PlacerOuvertures() {
    // Openings whose ray test is usable along the sun: the others never
    // let the light through. Only the slices that hold a host are read.
    m_ouvertures.clear();
    for (std::size_t t = 0; t < m_hotesTranches.size(); ++t) {
        if (m_hotesTranches[t] == 0) {
            continue;
        }
        for (int n = m_comptesTranches[t]; n < m_comptesTranches[t + 1]; ++n) {
            COccultant& o = m_occultants[static_cast<std::size_t>(n)];
            if (!o.bOuvertures) {
                continue; // its face need not be read
            }
            o.nDebutOuvertures = static_cast<int>(m_ouvertures.size());
            for (const CFace* w : o.pFace->m_ouvertures.m_faces) {
                if (w->m_repere[0].m_fValeur != 0) {
                    COuverture& ouverture = m_ouvertures.emplace_back();
                    ouverture.nType = w->TypeFace();
                    LireTest(*w, ouverture.p0, ouverture.r, ouverture.k1, ouverture.k2);
                }
            }
            o.nFinOuvertures = static_cast<int>(m_ouvertures.size());
        }
    }
}

void CMoteurOmbrage::PreparerOccultant(COccultant& o, CFace* f, int nIndice, const CVecteur& dir,
                                       double dDiametre) {
    o = COccultant{};
    o.pFace = f;
    o.nIndice = nIndice;
    const double dEchelle = m_dEchelle;
    o.nType = f->TypeFace();
    const CVecteur& p0 = f->m_points[0];
    LireTest(*f, o.p0, o.r, o.k1, o.k2);
    o.dTransmission = f->m_dTransmission;
    o.bOuvertures = !f->m_ouvertures.m_faces.empty();
    o.bVersSoleil = f->m_normale.Scalaire(dir) > 0;

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
        const double mu =
            1000 * 16 * kEpsilon * dDiametre * (Norme3(o.r[0]) + Norme3(o.r[1]) + erreurLignes) +
            1e-9 * (1 + dA + dB);
        if (std::isfinite(mu) && mu < 0.1) {
            const double aa[2] = {-mu, dA + mu};
            const double bb[2] = {-mu, dB + mu};
            o.sMin = o.tMin = kInfini;
            o.sMax = o.tMax = -kInfini;
            for (double a : aa) {
                for (double b : bb) {
                    Englober(p0 + e0 * a + l * b, m_e1, m_e2, o.sMin, o.sMax, o.tMin, o.tMax);
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
    if (nBornes == 0) {
        return;
    }
    const double largeur = std::max(sMax - sMin, 1e-9);
    const double hauteur = std::max(tMax - tMin, 1e-9);
    // The grid serves only receivers whose projection covers a small part of
    // the occluders' (see Candidats): without one, every receiver takes all.
    bool bUtile = false;
    for (const auto& r : m_recepteurs) {
        if (r->reseau.m_nNoeuds == 0 || r->pFace->m_dEclairementDirect == 0) {
            continue;
        }
        const double ds = std::min(r->sMax, sMax) - std::max(r->sMin, sMin);
        const double dt = std::min(r->tMax, tMax) - std::max(r->tMin, tMin);
        bUtile = bUtile || !(ds * dt * 8 > largeur * hauteur);
    }
    if (!bUtile) {
        return;
    }
    // About four cells per occluder, at most 1024 on a side.
    const double cible = std::sqrt(largeur * hauteur / (4.0 * nBornes));
    m_dCellule = std::max({cible, largeur / 1024, hauteur / 1024});
    m_nColonnes = std::min(1024, std::max(1, static_cast<int>(std::ceil(largeur / m_dCellule))));
    m_nLignes = std::min(1024, std::max(1, static_cast<int>(std::ceil(hauteur / m_dCellule))));
    m_s0 = sMin;
    m_t0 = tMin;
    const long long nCellules = static_cast<long long>(m_nColonnes) * m_nLignes;

    // Each bounded occluder's cells; one that meets most of the grid is
    // simply tested everywhere.
    const auto nOccultants = static_cast<int>(m_occultants.size());
    m_etendues.resize(m_occultants.size());
    m_pool.ExecuterParTranches(nOccultants, 512, [&](int, int k0, int k1) {
        for (int k = k0; k < k1; ++k) {
            const COccultant& o = m_occultants[static_cast<std::size_t>(k)];
            CEtendue& e = m_etendues[static_cast<std::size_t>(k)];
            e.bPartout = !o.bBorne;
            if (e.bPartout) {
                continue;
            }
            e.i0 = std::clamp(static_cast<int>((o.sMin - m_s0) / m_dCellule), 0, m_nColonnes - 1);
            e.i1 = std::clamp(static_cast<int>((o.sMax - m_s0) / m_dCellule), 0, m_nColonnes - 1);
            e.j0 = std::clamp(static_cast<int>((o.tMin - m_t0) / m_dCellule), 0, m_nLignes - 1);
            e.j1 = std::clamp(static_cast<int>((o.tMax - m_t0) / m_dCellule), 0, m_nLignes - 1);
            const long long n = static_cast<long long>(e.i1 - e.i0 + 1) * (e.j1 - e.j0 + 1);
            e.bPartout = n * 2 > nCellules && nCellules > 16;
        }
    });
    for (int k = 0; k < nOccultants; ++k) {
        if (m_etendues[static_cast<std::size_t>(k)].bPartout) {
            m_toujours.push_back(k);
        }
    }
    // Counted, then filled, by bands of grid rows: each task writes only its
    // own cells, taking the occluders in order.
    const int nBandes = std::min(m_nLignes, 2 * m_pool.NombreThreads());
    auto parBandes = [&](auto f) {
        m_pool.Executer(nBandes, [&](int b) {
            const int j0 = static_cast<int>(static_cast<long long>(m_nLignes) * b / nBandes);
            const int j1 = static_cast<int>(static_cast<long long>(m_nLignes) * (b + 1) / nBandes);
            for (int k = 0; k < nOccultants; ++k) {
                const CEtendue& e = m_etendues[static_cast<std::size_t>(k)];
                if (e.bPartout) {
                    continue;
                }
                for (int j = std::max(e.j0, j0); j <= std::min(e.j1, j1 - 1); ++j) {
                    for (int i = e.i0; i <= e.i1; ++i) {
                        f(static_cast<std::size_t>(j * m_nColonnes + i), k);
                    }
                }
            }
        });
    };
    std::vector<int>& comptes = m_comptes;
    comptes.assign(static_cast<std::size_t>(nCellules), 0);
    parBandes([&](std::size_t c, int) { ++comptes[c]; });
    m_debuts.assign(static_cast<std::size_t>(nCellules) + 1, 0);
    for (std::size_t c = 0; c < static_cast<std::size_t>(nCellules); ++c) {
        m_debuts[c + 1] = m_debuts[c] + comptes[c];
    }
    m_listes.resize(static_cast<std::size_t>(m_debuts.back()));
    std::copy(m_debuts.begin(), m_debuts.end() - 1, comptes.begin()); // next free place
    parBandes([&](std::size_t c, int k) { m_listes[static_cast<std::size_t>(comptes[c]++)] = k; });
}

void CMoteurOmbrage::Projeter(CRecepteur& r) const {
    // The nodes' projections on the plane across the sun lie within the
    // projections of their box's corners, widened for rounding.
    const CReseauNoeuds& g = r.reseau;
    r.sMin = r.tMin = kInfini;
    r.sMax = r.tMax = -kInfini;
    for (int n = 0; n < 8; ++n) {
        const CVecteur q(n & 1 ? g.m_max[0] : g.m_min[0], n & 2 ? g.m_max[1] : g.m_min[1],
                         n & 4 ? g.m_max[2] : g.m_min[2]);
        Englober(q, m_e1, m_e2, r.sMin, r.sMax, r.tMin, r.tMax);
    }
    const double w = 1e-9 * (m_dEchelle + 1);
    r.sMin -= w;
    r.tMin -= w;
    r.sMax += w;
    r.tMax += w;
}

namespace {

// The ray test of an occluder with the margin 0, exactly as the face's own
// Intercepte computes it.
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

// One coordinate of a face's ray test over a receiver's grid: the test's
// value at node (i, j) is within sigma of c0 + i cu + j cv (exact arithmetic
// on these doubles). mag bounds |c0| + |i cu| + |j cv| over the grid.
struct CAffine {
    double c0, cu, cv, sigma, mag;
};

// What the affine coordinates of one origin p0 over a grid share.
struct COrigine {
    double op[3];                // o - p0
    double d[3];                 // the largest |x - p0| over the grid box
    double aop[3], au[3], av[3]; // |op|, |u|, |v|
    double iMax, jMax;

    COrigine(const double p0[3], const CReseauNoeuds& g) {
        for (int c = 0; c < 3; ++c) {
            op[c] = g.m_o[c] - p0[c];
            d[c] = std::max(std::fabs(g.m_min[c] - p0[c]), std::fabs(g.m_max[c] - p0[c]));
            aop[c] = std::fabs(op[c]);
            au[c] = std::fabs(g.m_u[c]);
            av[c] = std::fabs(g.m_v[c]);
        }
        iMax = std::max(std::abs(g.m_iMin), std::abs(g.m_iMax));
        jMax = std::max(std::abs(g.m_jMin), std::abs(g.m_jMax));
    }
};

// The bound sigma adds up, each term doubled:
// - the test itself, fl((r2 dz + r1 dy) + r0 dx) with dx = fl(x - x0):
//   within 4 ulps of sum |r_k| |x_k - x0_k|, the node box bounding |x - x0|;
// - the node's distance to its exact grid point, at most the grid's ecart
//   on each coordinate: sum |r_k| ecart;
// - the rounding of c0, cu, cv (4, 3 and 3 ulps of their terms), cu and cv
//   multiplied by the largest |i| and |j|.
CAffine Affine(const COrigine& q, const double r[3], const CReseauNoeuds& g) {
    CAffine a{};
    a.c0 = r[0] * q.op[0] + r[1] * q.op[1] + r[2] * q.op[2];
    a.cu = r[0] * g.m_u[0] + r[1] * g.m_u[1] + r[2] * g.m_u[2];
    a.cv = r[0] * g.m_v[0] + r[1] * g.m_v[1] + r[2] * g.m_v[2];
    double sR = 0, sD = 0, sO = 0, sU = 0, sV = 0;
    for (int c = 0; c < 3; ++c) {
        const double ar = std::fabs(r[c]);
        sR += ar;
        sD += ar * q.d[c];
        sO += ar * q.aop[c];
        sU += ar * q.au[c];
        sV += ar * q.av[c];
    }
    a.sigma = 2 * (4.01 * kU * sD + g.m_dEcart * sR + 4.01 * kU * sO + q.iMax * 3.01 * kU * sU +
                   q.jMax * 3.01 * kU * sV);
    a.mag = std::fabs(a.c0) + q.iMax * std::fabs(a.cu) + q.jMax * std::fabs(a.cv);
    return a;
}

bool Fini(const CAffine& a) {
    return std::isfinite(a.c0) && std::isfinite(a.cu) && std::isfinite(a.cv) &&
           std::isfinite(a.sigma) && std::isfinite(a.mag);
}

using CContrainte = CMoteurOmbrage::CContrainte;

// Appends the constraint na a + nb b + nc c <= h, with the margin mInt
// (inner: the test certainly passes) and mExt (outer: beyond, it certainly
// fails); an infinite margin leaves that side unconstrained. The rounding
// of the combined coefficients (3 ulps of each term, over the grid) widens
// both margins; each bound is then enlarged by 1 % and four ulps of h, which
// covers the rounding of forming it.
CContrainte Contrainte(double na, double nb, double nc, double h, double mInt, double mExt,
                       const CAffine& a, const CAffine& b, const CAffine* c) {
    CContrainte g{};
    g.g0 = na * a.c0 + nb * b.c0 + (c ? nc * c->c0 : 0.0);
    g.gu = na * a.cu + nb * b.cu + (c ? nc * c->cu : 0.0);
    g.gv = na * a.cv + nb * b.cv + (c ? nc * c->cv : 0.0);
    const double comb =
        3.01 * kU *
        (std::fabs(na) * a.mag + std::fabs(nb) * b.mag + (c ? std::fabs(nc) * c->mag : 0));
    g.hInt = std::isinf(mInt) ? kInfini : h - 1.01 * (mInt + comb) - 4 * kU * std::fabs(h);
    g.hExt = std::isinf(mExt) ? kInfini : h + 1.01 * (mExt + comb) + 4 * kU * std::fabs(h);
    return g;
}

void Ajouter(std::vector<CContrainte>& v, double na, double nb, double nc, double h, double mInt,
             double mExt, const CAffine& a, const CAffine& b, const CAffine* c) {
    v.push_back(Contrainte(na, nb, nc, h, mInt, mExt, a, b, c));
}

// The constraints of a face's inside region (and, for an occluder, of c < 0)
// on its affine coordinates; false when no inner span can be proven.
//
// With |a_test - a| <= sa and |b_test - b| <= sb (a, b the affine values):
// - a_test >= 0 holds when a >= sa and fails when a < -sa; same for b;
// - c_test < 0 holds when c <= -(sc + a hair) and fails when c > sc;
// - triangle: fl(a + b) <= 1 holds when a + b <= 1 - sa - sb (rounding is
//   monotone and 1 is a double), fails when a + b > 1 + sa + sb + 2 ulps;
// - quadrilateral, edge a + k1 b <= 1: fl(k1 b) is within an ulp of k1 b,
//   |b| <= B + sb inside, so it holds when a + k1 b <= 1 - sa - |k1| sb -
//   2 ulps |k1| (B + sb + 1); an edge alone does not bound the outer side
//   when k is negative, so the outer side also keeps the region's box
//   [0, A] x [0, B], widened by 1e-9 (1 + A + B) (1 + |k1| + |k2|), far above
//   the few ulps by which rounding can move the edges;
// - sector and quarter ellipse, q = (k a + b) b + a a <= 1 (k = 0 for the
//   ellipse): inside the box |a|, |b| <= R, moving (a, b) by (sa, sb) moves
//   q by at most (2 + |k|) R s + (1 + |k|) s^2 with s = sa + sb, and the five
//   roundings of q add at most 6 ulps of (2 + |k|) R^2. Twice their sum is
//   mq: q(a, b) <= 1 - mq makes the test pass. For |k| < 2 the set q <= 1 - mq
//   is convex, so the polygon through the origin and five points of its
//   boundary (pulled in by 1e-12, far above the rounding of their
//   coordinates) lies in it: its chords are the inner constraints. Outside,
//   only the box bounds the region.
bool ContraintesRegion(int nType, float k1f, float k2f, const CAffine& a, const CAffine& b,
                       const CAffine* c, std::vector<CContrainte>& v) {
    const double sa = a.sigma;
    const double sb = b.sigma;
    Ajouter(v, -1, 0, 0, 0, sa, sa, a, b, c);
    Ajouter(v, 0, -1, 0, 0, sb, sb, a, b, c);
    if (c) {
        Ajouter(v, 0, 0, 1, 0, c->sigma + std::numeric_limits<double>::min(), c->sigma, a, b, c);
    }
    double dA = 1;
    double dB = 1;
    BornesRegion(nType, k1f, k2f, dA, dB);
    const bool bBorne = std::isfinite(dA) && std::isfinite(dB) && dA < 1e6 && dB < 1e6;
    switch (nType) {
    case CFace::Triangle:
        Ajouter(v, 1, 1, 0, 1, sa + sb, sa + sb + 2 * kU, a, b, c);
        return true;
    case CFace::Quadrilatere: {
        if (!bBorne) {
            return false;
        }
        const double k1 = k1f;
        const double k2 = k2f;
        const double w = 1e-9 * (1 + dA + dB) * (1 + std::fabs(k1) + std::fabs(k2));
        if (k1 == 0 && k2 == 0) {
            // A parallelogram (A = B = 1): each edge is its box side, one
            // constraint with the edge's inner bound and the box's outer one.
            Ajouter(v, 1, 0, 0, 1, sa, sa + w, a, b, c);
            Ajouter(v, 0, 1, 0, 1, sb, sb + w, a, b, c);
            return true;
        }
        Ajouter(v, 1, 0, 0, dA, kInfini, sa + w, a, b, c);
        Ajouter(v, 0, 1, 0, dB, kInfini, sb + w, a, b, c);
        const double m1 = sa + std::fabs(k1) * sb;
        const double m2 = sb + std::fabs(k2) * sa;
        // Near a parallelogram the box already is the outer side: the
        // edges then serve the inner side only.
        const bool bBoite = std::fabs(k1) <= 1e-3 && std::fabs(k2) <= 1e-3;
        Ajouter(v, 1, k1, 0, 1, m1 + 2 * kU * std::fabs(k1) * (dB + sb + 1),
                bBoite ? kInfini : m1 + 2 * kU + 2 * kU * std::fabs(k1) * (dB + w + sb + 1), a, b,
                c);
        Ajouter(v, k2, 1, 0, 1, m2 + 2 * kU * std::fabs(k2) * (dA + sa + 1),
                bBoite ? kInfini : m2 + 2 * kU + 2 * kU * std::fabs(k2) * (dA + w + sa + 1), a, b,
                c);
        return true;
    }
    default: {
        if (!bBorne) {
            return false;
        }
        const double k = nType == CFace::Secteur ? static_cast<double>(k1f) : 0.0;
        const double w = 1e-9 * (1 + dA + dB) * (1 + std::fabs(k));
        Ajouter(v, 1, 0, 0, dA, kInfini, sa + w, a, b, c);
        Ajouter(v, 0, 1, 0, dB, kInfini, sb + w, a, b, c);
        if (!(std::fabs(k) < 1.99)) {
            return false;
        }
        const double rMax = std::max(dA, dB) + 1;
        const double s = sa + sb;
        const double mq = 2 * ((2 + std::fabs(k)) * rMax * s + (1 + std::fabs(k)) * s * s +
                               6 * kU * (2 + std::fabs(k)) * rMax * rMax);
        if (!(mq < 0.5)) {
            return false;
        }
        double va[5];
        double vb[5];
        for (int m = 0; m < 5; ++m) {
            const double phi = m * (3.141592653589793 / 8);
            const double co = m == 4 ? 0.0 : std::cos(phi);
            const double si = m == 0 ? 0.0 : std::sin(phi);
            const double t = std::sqrt((1 - mq) / (1 + k * co * si)) * (1 - 1e-12);
            va[m] = t * co;
            vb[m] = t * si;
        }
        for (int m = 0; m < 4; ++m) {
            const double na = vb[m + 1] - vb[m];
            const double nb = va[m] - va[m + 1];
            Ajouter(v, na, nb, 0, na * va[m] + nb * vb[m], 0.0, kInfini, a, b, c);
        }
        return true;
    }
    }
}

// Certain bounds of g at the grid point (i, j): four roundings in forming
// it, one in adding the error; 6 ulps of the terms cover both.
inline void Evaluer(const CContrainte& g, double i, double j, double& lo, double& hi) {
    const double t = i * g.gu;
    const double w = j * g.gv;
    const double val = (g.g0 + t) + w;
    const double e = 6 * kU * (std::fabs(g.g0) + std::fabs(t) + std::fabs(w));
    lo = val - e;
    hi = val + e;
}

// Certain bounds of g's minimum and maximum over the grid box. Its extremes
// are at the corners picked by the signs of gu and gv, and the rounded
// products keep that order: the corners' Evaluer bounds.
inline void Extremes(const CContrainte& g, const CReseauNoeuds& r, double& lo, double& hi) {
    const double iBas = g.gu >= 0 ? r.m_iMin : r.m_iMax;
    const double iHaut = g.gu >= 0 ? r.m_iMax : r.m_iMin;
    const double jBas = g.gv >= 0 ? r.m_jMin : r.m_jMax;
    const double jHaut = g.gv >= 0 ? r.m_jMax : r.m_jMin;
    double x;
    Evaluer(g, iBas, jBas, lo, x);
    Evaluer(g, iHaut, jHaut, x, hi);
}

// Drops the constraints from nDebut on that hold on the whole grid box
// (an affine function takes its extremes at the corners); false when one
// fails on the whole box: the region misses every node. Every coefficient
// is finite and no bound NaN (see ToutesFinies, checked before).
bool Elaguer(std::vector<CContrainte>& v, std::size_t nDebut, const CReseauNoeuds& g) {
    std::size_t w = nDebut;
    for (std::size_t n = nDebut; n < v.size(); ++n) {
        const CContrainte& c = v[n];
        double loMin, hiMax;
        Extremes(c, g, loMin, hiMax);
        if (loMin > c.hExt) {
            return false;
        }
        if (hiMax <= std::min(c.hInt, c.hExt)) {
            continue;
        }
        if (w != n) {
            v[w] = c;
        }
        ++w;
    }
    v.resize(w);
    return true;
}

bool ToutesFinies(const std::vector<CContrainte>& v, std::size_t nDebut) {
    for (std::size_t n = nDebut; n < v.size(); ++n) {
        const CContrainte& c = v[n];
        if (!std::isfinite(c.g0) || !std::isfinite(c.gu) || !std::isfinite(c.gv) ||
            std::isnan(c.hInt) || std::isnan(c.hExt)) {
            return false;
        }
    }
    return true;
}

// The integers x of [x0, x1] for f(x) = g0 + t + x gv (t = fl(y gu) for
// the fixed index y) against the bound h. bCertain: [lo, hi] holds only x
// with f(x) <= h for sure. Otherwise: every x outside [lo, hi] has f(x) > h
// for sure. The boundary is guessed in floating point and then proven: f is
// monotone (gv is an exact double), so one certain evaluation at the end of
// the span (and one past it) settles every x beyond. lo > hi: empty.
inline void Resoudre(double g0, double t, double gv, double h, bool bCertain, int x0, int x1,
                     int& lo, int& hi) {
    lo = x0;
    hi = x1;
    if (!(h < kInfini)) {
        return;
    }
    const double s = g0 + t;
    const double e0 = 6 * kU * (std::fabs(g0) + std::fabs(t));
    auto passe = [&](int x) {
        const double w = x * gv;
        return (s + w) + (e0 + 6 * kU * std::fabs(w)) <= h;
    };
    auto echoue = [&](int x) {
        const double w = x * gv;
        return (s + w) - (e0 + 6 * kU * std::fabs(w)) > h;
    };
    if (gv == 0) {
        if (bCertain ? !passe(x0) : echoue(x0)) {
            lo = 1;
            hi = 0;
        }
        return;
    }
    double xs = (h - s) / gv;
    if (std::isnan(xs)) {
        if (bCertain) {
            lo = 1;
            hi = 0;
        }
        return;
    }
    xs = std::clamp(xs, static_cast<double>(x0) - 2, static_cast<double>(x1) + 2);
    // Within the span's int bounds: truncated, then corrected by one (the
    // library's floor and ceil are calls on this target).
    const int tr = static_cast<int>(xs);
    if (gv > 0) {
        int c = tr - (xs < tr); // floor
        if (bCertain) {
            c = std::min(c, x1);
            for (int n = 0;; ++n) {
                if (c < x0 || n == 3) {
                    lo = 1;
                    hi = 0;
                    return;
                }
                if (passe(c)) {
                    break;
                }
                --c;
            }
        } else {
            c = std::max(c, x0 - 1);
            for (int n = 0;; ++n) {
                if (c >= x1 || n == 3) {
                    c = x1;
                    break;
                }
                if (echoue(c + 1)) {
                    break;
                }
                ++c;
            }
        }
        hi = c;
    } else {
        int c = tr + (xs > tr); // ceil
        if (bCertain) {
            c = std::max(c, x0);
            for (int n = 0;; ++n) {
                if (c > x1 || n == 3) {
                    lo = 1;
                    hi = 0;
                    return;
                }
                if (passe(c)) {
                    break;
                }
                ++c;
            }
        } else {
            c = std::min(c, x1 + 1);
            for (int n = 0;; ++n) {
                if (c <= x0 || n == 3) {
                    c = x0;
                    break;
                }
                if (echoue(c - 1)) {
                    break;
                }
                --c;
            }
        }
        lo = c;
    }
}

// The boundary of g <= h across the rows, j*(i) = (h - g0 - i gu) / gv,
// formed as j0 + i dj with j0 = fl(fl(h - g0) / gv) and dj = fl(-gu / gv).
// Each of those and of the evaluation is within an ulp of its terms, so
// over |i| <= iMax the error is below 4 ulps of ((|h| + |g0| + iMax |gu|) /
// |gv| + |j0| + iMax |dj|): doubled, plus 1e-15 for the rounding of j0 +- e,
// that is e. Then j > j* + e has g > h for sure (gv > 0), j < j* - e has
// g <= h; the other way round when gv < 0.
using CLimite = CMoteurOmbrage::CLimite;

// Written in place: a record built aside and copied whole would be read
// back across its narrow fields' stores, which the processor cannot forward.
void Limite(const CContrainte& k, int nContrainte, bool bExt, double iMax, const CReseauNoeuds& g,
            CLimite& l) {
    l.J = 0;
    l.dj = 0;
    l.nContrainte = nContrainte;
    l.bHaut = k.gv > 0;
    l.bRapide = false;
    l.bLignes = false;
    l.iLo = 0;
    l.iHi = -1;
    const double h = bExt ? k.hExt : k.hInt;
    if (k.gv == 0) {
        // The rows where it holds (certainly, or possibly), proven as usual.
        l.bLignes = true;
        Resoudre(k.g0, 0.0, k.gu, h, !bExt, g.m_iMin, g.m_iMax, l.iLo, l.iHi);
        return;
    }
    const double j0 = (h - k.g0) / k.gv;
    l.dj = -k.gu / k.gv;
    const double e =
        8 * kU *
            ((std::fabs(h) + std::fabs(k.g0) + iMax * std::fabs(k.gu)) / std::fabs(k.gv) +
             std::fabs(j0) + iMax * std::fabs(l.dj)) +
        1e-15;
    // Outer ends move out, inner ends move in.
    l.J = (l.bHaut == bExt) ? j0 + e : j0 - e;
    l.bRapide = std::isfinite(l.J) && std::isfinite(l.dj) && e < 0.25 &&
                std::fabs(l.J) + iMax * std::fabs(l.dj) < 1e9;
}

// Appends the span ends of the region's constraints: outer, then inner.
void Limites(const std::vector<CContrainte>& c, CMoteurOmbrage::CRegion& region, double iMax,
             const CReseauNoeuds& g, std::vector<CLimite>& limites) {
    region.nLimites = static_cast<int>(limites.size());
    for (int n = region.nDebut; n < region.nFin; ++n) {
        if (c[static_cast<std::size_t>(n)].hExt < kInfini) {
            Limite(c[static_cast<std::size_t>(n)], n, true, iMax, g, limites.emplace_back());
        }
    }
    region.nLimitesExt = static_cast<int>(limites.size());
    if (region.bInterieur) {
        for (int n = region.nDebut; n < region.nFin; ++n) {
            if (c[static_cast<std::size_t>(n)].hInt < kInfini) {
                Limite(c[static_cast<std::size_t>(n)], n, false, iMax, g, limites.emplace_back());
            }
        }
    }
    region.nLimitesFin = static_cast<int>(limites.size());
}

// Narrows [x0, x1] (row i) by the ends l .. fin; false when it empties.
inline bool Borner(const CLimite* l, const CLimite* fin, const std::vector<CContrainte>& c,
                   double di, bool bExt, int& x0, int& x1) {
    for (; l < fin; ++l) {
        if (l->bRapide) {
            // |lim| < 1e9: the conversion cannot overflow.
            const double lim = l->J + di * l->dj;
            const int t = static_cast<int>(lim);
            if (l->bHaut) {
                x1 = std::min(x1, t - (lim < t)); // floor
            } else {
                x0 = std::max(x0, t + (lim > t)); // ceil
            }
        } else {
            const CContrainte& k = c[static_cast<std::size_t>(l->nContrainte)];
            Resoudre(k.g0, di * k.gu, k.gv, bExt ? k.hExt : k.hInt, !bExt, x0, x1, x0, x1);
        }
        if (x0 > x1) {
            return false;
        }
    }
    return true;
}

// Sets valeurs[k0 .. k1] to +0. The spans are short: a few plain stores
// (the last four overlapping), not a call to the library's fill.
inline void Annuler(float* valeurs, int k0, int k1) {
    float* v = valeurs + k0;
    const int n = k1 - k0 + 1;
#ifdef __SSE2__
    if (n >= 4) {
        const __m128 zero = _mm_setzero_ps();
        for (int m = 0; m + 4 <= n; m += 4) {
            _mm_storeu_ps(v + m, zero);
        }
        _mm_storeu_ps(v + n - 4, zero);
        return;
    }
    switch (n) {
    case 3:
        v[2] = 0.0f;
        [[fallthrough]];
    case 2:
        v[1] = 0.0f;
        [[fallthrough]];
    case 1:
        v[0] = 0.0f;
        break;
    default:
        break;
    }
#else
    std::fill(v, v + std::max(n, 0), 0.0f);
#endif
}

// node value *= transmission, unless the walk has already stopped (<= 0);
// returns how many walks this stops, and whether all have stopped now.
inline int Multiplier(float* valeurs, int k0, int k1, double dTransmission, bool& bTous) {
    int n = 0;
    int nTous = 1;
    for (int k = k0; k <= k1; ++k) {
        const float x = valeurs[k];
        const float y = static_cast<float>(dTransmission * x);
        const bool bArrete = x <= 0;
        const float z = bArrete ? x : y;
        valeurs[k] = z;
        n += !bArrete && y <= 0;
        nTous &= z <= 0;
    }
    bTous = nTous != 0;
    return n;
}

// The ends l .. fin narrow the spans of rows i0 .. i0 + n - 1 at once. The
// fast ends are gathered as doubles (the floor of a minimum is the minimum
// of the floors), so that their loops are plain vector minima.
void BornerLignes(const CLimite* l, const CLimite* fin, const std::vector<CContrainte>& c, int i0,
                  int n, bool bExt, int* x0, int* x1, double* d0, double* d1) {
    for (int r = 0; r < n; ++r) {
        d0[r] = x0[r];
        d1[r] = x1[r];
    }
    for (const CLimite* m = l; m < fin; ++m) {
        if (!m->bRapide) {
            continue;
        }
        const double J = m->J;
        const double dj = m->dj;
        const double di0 = i0;
        if (m->bHaut) {
            for (int r = 0; r < n; ++r) {
                d1[r] = std::min(d1[r], J + (di0 + r) * dj);
            }
        } else {
            for (int r = 0; r < n; ++r) {
                d0[r] = std::max(d0[r], J + (di0 + r) * dj);
            }
        }
    }
    // |lim| < 1e9 (see Limite), so the conversions cannot overflow.
    int r = 0;
#ifdef __SSE2__
    for (; r + 2 <= n; r += 2) {
        // Truncated, then one less (floor) or one more (ceil) where that
        // moved the value the wrong way: the compare's 64-bit masks (-1)
        // packed to the two 32-bit lanes.
        const __m128d h = _mm_loadu_pd(d1 + r);
        const __m128i th = _mm_cvttpd_epi32(h);
        const __m128i mh = _mm_shuffle_epi32(_mm_castpd_si128(_mm_cmplt_pd(h, _mm_cvtepi32_pd(th))),
                                             _MM_SHUFFLE(2, 0, 2, 0));
        _mm_storel_epi64(reinterpret_cast<__m128i*>(x1 + r), _mm_add_epi32(th, mh));
        const __m128d b = _mm_loadu_pd(d0 + r);
        const __m128i tb = _mm_cvttpd_epi32(b);
        const __m128i mb = _mm_shuffle_epi32(_mm_castpd_si128(_mm_cmpgt_pd(b, _mm_cvtepi32_pd(tb))),
                                             _MM_SHUFFLE(2, 0, 2, 0));
        _mm_storel_epi64(reinterpret_cast<__m128i*>(x0 + r), _mm_sub_epi32(tb, mb));
    }
#endif
    for (; r < n; ++r) {
        const int t1 = static_cast<int>(d1[r]);
        x1[r] = t1 - (d1[r] < t1); // floor
        const int t0 = static_cast<int>(d0[r]);
        x0[r] = t0 + (d0[r] > t0); // ceil
    }
    for (; l < fin; ++l) {
        if (l->bRapide) {
            continue;
        }
        if (l->bLignes) {
            // Rows before iLo and after iHi are emptied.
            for (int r = 0; r < std::min(n, l->iLo - i0); ++r) {
                x0[r] = 1;
                x1[r] = 0;
            }
            for (int r = std::max(0, l->iHi - i0 + 1); r < n; ++r) {
                x0[r] = 1;
                x1[r] = 0;
            }
            continue;
        }
        const CContrainte& k = c[static_cast<std::size_t>(l->nContrainte)];
        for (int r = 0; r < n; ++r) {
            if (x0[r] <= x1[r]) {
                Resoudre(k.g0, static_cast<double>(i0 + r) * k.gu, k.gv, bExt ? k.hExt : k.hInt,
                         !bExt, x0[r], x1[r], x0[r], x1[r]);
            }
        }
    }
}

} // namespace

bool CMoteurOmbrage::Intercepte(const COccultant& o, const CMaillage& m, int k) const {
    const auto n = static_cast<std::size_t>(k);
    const double x = m.m_x[n];
    const double y = m.m_y[n];
    const double z = m.m_z[n];
    const double dx = x - o.p0[0];
    const double dy = y - o.p0[1];
    const double dz = z - o.p0[2];
    const double a = (o.r[0][2] * dz + o.r[0][1] * dy) + o.r[0][0] * dx;
    const double b = (o.r[1][2] * dz + o.r[1][1] * dy) + o.r[1][0] * dx;
    if (!Dedans(o.nType, a, b, o.k1, o.k2)) {
        return false;
    }
    const double c = (o.r[2][2] * dz + o.r[2][1] * dy) + o.r[2][0] * dx;
    if (!(c < 0)) {
        return false; // met on the side away from the sun
    }
    if (o.bOuvertures && o.pFace->CFace::Intercepte(CVecteur(x, y, z), 0.0) != 0) {
        return false; // through one of its openings
    }
    return true;
}

void CMoteurOmbrage::FigerMaillages(bool bFiges) {
    // The first call of a frozen series still checks the grids.
    m_bAVerifier = m_bAVerifier || (bFiges && !m_bFiges);
    m_bFiges = bFiges;
}

void CMoteurOmbrage::Analyser(const std::vector<CFace*>& faces) {
    std::size_t n = 0;
    for (std::size_t i = 0; i < faces.size(); ++i) {
        CFace* f = faces[i];
        if (!f->m_proprietes.m_bRecepteur) {
            continue;
        }
        if (n == m_recepteurs.size()) {
            m_recepteurs.push_back(std::make_unique<CRecepteur>());
        }
        m_recepteurs[n]->pFace = f;
        m_recepteurs[n]->nIndice = static_cast<int>(i);
        ++n;
    }
    m_recepteurs.resize(n);
    m_facesRecepteurs.clear();
    for (const auto& r : m_recepteurs) {
        m_facesRecepteurs.push_back(r->pFace);
    }
    m_nFacesAnalysees = faces.size();
    m_pool.Executer(static_cast<int>(n), [this](int r) {
        CRecepteur& recepteur = *m_recepteurs[static_cast<std::size_t>(r)];
        recepteur.reseau.Analyser(*recepteur.pFace);
    });

    // Blocks of whole rows, about kNoeudsParBloc nodes each, so that a
    // block's values stay in the cache while every occluder walks them.
    m_blocs.clear();
    for (std::size_t r = 0; r < n; ++r) {
        const CReseauNoeuds& g = m_recepteurs[r]->reseau;
        const int nr = static_cast<int>(r);
        if (g.m_nNoeuds == 0) {
            m_recepteurs[r]->nPremierBloc = static_cast<int>(m_blocs.size());
            m_recepteurs[r]->nBlocs = 0;
            continue;
        }
        CRecepteur& rec = *m_recepteurs[r];
        rec.nPremierBloc = static_cast<int>(m_blocs.size());
        if (!g.m_bValide) {
            for (int k = 0; k < g.m_nNoeuds; k += kNoeudsParBloc) {
                m_blocs.push_back(
                    {nr, 0, -1, k, std::min(g.m_nNoeuds, k + kNoeudsParBloc), 0, 0, 0, 0, 0});
            }
            rec.nBlocs = static_cast<int>(m_blocs.size()) - rec.nPremierBloc;
            continue;
        }
        rec.blocDeLigne.assign(static_cast<std::size_t>(g.m_iMax - g.m_iMin + 1), 0);
        rec.jDebutLigne.assign(rec.blocDeLigne.size(), 1);
        rec.jFinLigne.assign(rec.blocDeLigne.size(), 0);
        for (int l = g.m_iMin; l <= g.m_iMax; ++l) {
            const auto n = static_cast<std::size_t>(l - g.m_iMin);
            const int s0 = g.m_debutsLignes[n];
            const int s1 = g.m_debutsLignes[n + 1];
            if (s0 < s1) {
                const CSegmentReseau& a = g.m_segments[static_cast<std::size_t>(s0)];
                const CSegmentReseau& z = g.m_segments[static_cast<std::size_t>(s1 - 1)];
                rec.jDebutLigne[n] = a.j0;
                rec.jFinLigne[n] = z.j0 + z.n - 1;
            }
        }
        int i = g.m_iMin;
        while (i <= g.m_iMax) {
            const int kDebut =
                g.m_segments[static_cast<std::size_t>(
                                 g.m_debutsLignes[static_cast<std::size_t>(i - g.m_iMin)])]
                    .k0;
            int iFin = i;
            int kFin = kDebut;
            while (iFin <= g.m_iMax) {
                const int s = g.m_debutsLignes[static_cast<std::size_t>(iFin - g.m_iMin + 1)];
                kFin = s < static_cast<int>(g.m_segments.size())
                           ? g.m_segments[static_cast<std::size_t>(s)].k0
                           : g.m_nNoeuds;
                ++iFin;
                if (kFin - kDebut >= kNoeudsParBloc || iFin - i >= kLignesParBloc) {
                    break;
                }
            }
            for (int l = i; l < iFin; ++l) {
                rec.blocDeLigne[static_cast<std::size_t>(l - g.m_iMin)] =
                    static_cast<int>(m_blocs.size()) - rec.nPremierBloc;
            }
            m_blocs.push_back({nr, i, iFin - 1, kDebut, kFin, 0, 0, 0, 0, 0});
            i = iFin;
        }
        rec.nBlocs = static_cast<int>(m_blocs.size()) - rec.nPremierBloc;
    }
    m_bAnalyse = true;
}

bool CMoteurOmbrage::PreparerPaire(const CReseauNoeuds& g, CTampon& t, int nOccultant,
                                   bool bSonde) {
    const COccultant& o = m_occultants[static_cast<std::size_t>(nOccultant)];
    const std::size_t nDebut = t.contraintes.size();
    const std::size_t nDebutOuvertures = t.regionsOuvertures.size();
    const COrigine origine(o.p0, g);
    const CAffine c = Affine(origine, o.r[2], g);
    if (Fini(c)) {
        // The outer bound of the region's c < 0 (see ContraintesRegion),
        // which does not depend on a and b: when it fails on the whole grid
        // no node's test meets the occluder, and nothing more is worked out.
        const CContrainte k = Contrainte(0, 0, 1, 0, kInfini, c.sigma, c, c, &c);
        if (std::isfinite(k.g0) && std::isfinite(k.gu) && std::isfinite(k.gv) &&
            std::isfinite(k.hExt)) {
            double loMin, hiMax;
            Extremes(k, g, loMin, hiMax);
            if (loMin > k.hExt) {
                return false;
            }
        }
    }
    // The pair is written where it stays: a record built aside and copied
    // whole would be read back across its narrow fields' stores, which the
    // processor cannot forward.
    CPaire& p = t.paires.emplace_back();
    p.nOccultant = nOccultant;
    p.bSonde = bSonde;
    p.iDebut = g.m_iMin;
    p.iFin = g.m_iMax;
    auto annuler = [&] {
        t.contraintes.resize(nDebut);
        t.regionsOuvertures.resize(nDebutOuvertures);
        t.paires.pop_back();
    };
    const CAffine a = Affine(origine, o.r[0], g);
    const CAffine b = Affine(origine, o.r[1], g);
    bool bInterieur = false;
    if (Fini(a) && Fini(b) && Fini(c)) {
        // A probe keeps its outer bounds only, and all of them: dropping
        // those that hold everywhere would take longer than it saves.
        bInterieur = ContraintesRegion(o.nType, o.k1, o.k2, a, b, &c, t.contraintes) && !bSonde;
        if (!ToutesFinies(t.contraintes, nDebut)) {
            t.contraintes.resize(nDebut);
            bInterieur = false;
        } else if (!bSonde && !Elaguer(t.contraintes, nDebut, g)) {
            annuler();
            return false;
        }
    }
    // Rows that may be shaded: a row is dropped when a constraint fails at
    // its most favourable grid column.
    for (std::size_t n = nDebut; n < t.contraintes.size(); ++n) {
        const CContrainte& k = t.contraintes[n];
        const int jx = k.gv >= 0 ? g.m_jMin : g.m_jMax;
        int lo, hi;
        Resoudre(k.g0, jx * k.gv, k.gu, k.hExt, false, p.iDebut, p.iFin, lo, hi);
        p.iDebut = lo;
        p.iFin = hi;
        if (lo > hi) {
            annuler();
            return false;
        }
    }
    // The region's own extent across the rows: for two constraints whose gv
    // have opposite signs, -gv_q g_p + gv_p g_q <= -gv_q h_p + gv_p h_q holds
    // on the region and does not depend on j (its j coefficient is exactly 0
    // in exact arithmetic), so it bounds i. Forming its coefficients in
    // floating point costs 2 ulps of their terms, added to the bound.
    const double iMax = std::max(std::abs(g.m_iMin), std::abs(g.m_iMax));
    for (std::size_t n = nDebut; n < t.contraintes.size(); ++n) {
        const CContrainte& kp = t.contraintes[n];
        if (!(kp.gv > 0 && kp.hExt < kInfini)) {
            continue;
        }
        for (std::size_t m = nDebut; m < t.contraintes.size(); ++m) {
            const CContrainte& kq = t.contraintes[m];
            if (!(kq.gv < 0 && kq.hExt < kInfini)) {
                continue;
            }
            const double l = -kq.gv;
            const double mu = kp.gv;
            const double k0 = l * kp.g0 + mu * kq.g0;
            const double ku = l * kp.gu + mu * kq.gu;
            const double h = l * kp.hExt + mu * kq.hExt;
            const double e = 2.02 * kU *
                             (std::fabs(l * kp.g0) + std::fabs(mu * kq.g0) +
                              iMax * (std::fabs(l * kp.gu) + std::fabs(mu * kq.gu)) +
                              std::fabs(l * kp.hExt) + std::fabs(mu * kq.hExt));
            int lo, hi;
            Resoudre(k0, 0.0, ku, h + e, false, p.iDebut, p.iFin, lo, hi);
            p.iDebut = lo;
            p.iFin = hi;
            if (lo > hi) {
                annuler();
                return false;
            }
        }
    }
    p.region = {static_cast<int>(nDebut), static_cast<int>(t.contraintes.size()), bInterieur};

    // A probe keeps no opening: its reach is the whole region's.
    p.nDebutOuvertures = static_cast<int>(nDebutOuvertures);
    for (int q = o.nDebutOuvertures; q < (bSonde ? o.nDebutOuvertures : o.nFinOuvertures); ++q) {
        const COuverture& w = m_ouvertures[static_cast<std::size_t>(q)];
        const std::size_t d = t.contraintes.size();
        const COrigine origineOuverture(w.p0, g);
        const CAffine wa = Affine(origineOuverture, w.r[0], g);
        const CAffine wb = Affine(origineOuverture, w.r[1], g);
        CRegion region;
        region.nDebut = static_cast<int>(d);
        if (Fini(wa) && Fini(wb)) {
            region.bInterieur =
                ContraintesRegion(w.nType, w.k1, w.k2, wa, wb, nullptr, t.contraintes);
            if (!ToutesFinies(t.contraintes, d)) {
                t.contraintes.resize(d);
                region.bInterieur = false;
            } else if (!Elaguer(t.contraintes, d, g)) {
                t.contraintes.resize(d);
                continue; // no node sees the sun through it
            } else if (region.bInterieur && t.contraintes.size() == d) {
                annuler();
                return false; // every node sees the sun through it
            }
        }
        CRegion& r = t.regionsOuvertures.emplace_back();
        r.nDebut = region.nDebut;
        r.nFin = static_cast<int>(t.contraintes.size());
        r.bInterieur = region.bInterieur;
    }
    p.nFinOuvertures = static_cast<int>(t.regionsOuvertures.size());
    Limites(t.contraintes, p.region, iMax, g, t.limites);
    for (int q = p.nDebutOuvertures; q < p.nFinOuvertures; ++q) {
        Limites(t.contraintes, t.regionsOuvertures[static_cast<std::size_t>(q)], iMax, g,
                t.limites);
    }
    return true;
}

void CMoteurOmbrage::Candidats(CRecepteur& r) {
    r.Vider();
    r.candidats.clear();
    const CReseauNoeuds& g = r.reseau;
    if (g.m_nNoeuds == 0 || r.pFace->m_dEclairementDirect == 0 || m_occultants.empty()) {
        return;
    }
    const double sMin = r.sMin, sMax = r.sMax, tMin = r.tMin, tMax = r.tMax;

    std::vector<int>& candidats = r.candidats;
    const long long nCellules = static_cast<long long>(m_nColonnes) * m_nLignes;
    bool bTous = nCellules == 0;
    int i0 = 0, i1 = -1, j0 = 0, j1 = -1;
    if (!bTous) {
        auto cellule = [&](double x, double x0, int nMax) {
            return static_cast<int>(std::clamp((x - x0) / m_dCellule, 0.0, nMax - 1.0));
        };
        i0 = cellule(sMin, m_s0, m_nColonnes);
        i1 = cellule(sMax, m_s0, m_nColonnes);
        j0 = cellule(tMin, m_t0, m_nLignes);
        j1 = cellule(tMax, m_t0, m_nLignes);
        bTous = static_cast<long long>(i1 - i0 + 1) * (j1 - j0 + 1) * 4 > nCellules;
    }
    if (bTous) {
        for (std::size_t k = 0; k < m_occultants.size(); ++k) {
            candidats.push_back(static_cast<int>(k));
        }
    } else {
        // One bit per occluder met, read back in order: sorted, each once.
        thread_local std::vector<std::uint64_t> marques;
        marques.assign((m_occultants.size() + 63) / 64, 0);
        auto marquer = [&](int k) {
            marques[static_cast<std::size_t>(k) >> 6] |= 1ULL << (k & 63);
        };
        for (const int k : m_toujours) {
            marquer(k);
        }
        for (int j = j0; j <= j1; ++j) {
            for (int i = i0; i <= i1; ++i) {
                const auto c = static_cast<std::size_t>(j * m_nColonnes + i);
                for (int n = m_debuts[c]; n < m_debuts[c + 1]; ++n) {
                    marquer(m_listes[static_cast<std::size_t>(n)]);
                }
            }
        }
        for (std::size_t w = 0; w < marques.size(); ++w) {
            for (std::uint64_t m = marques[w]; m != 0; m &= m - 1) {
                candidats.push_back(static_cast<int>(w * 64) + std::countr_zero(m));
            }
        }
    }
    std::size_t nGardes = 0;
    for (const int k : candidats) {
        const COccultant& o = m_occultants[static_cast<std::size_t>(k)];
        if (o.nIndice == r.nIndice) {
            continue;
        }
        if (o.bBorne && (sMax < o.sMin || sMin > o.sMax || tMax < o.tMin || tMin > o.tMax)) {
            continue; // no node projects into its shadow's bound
        }
        candidats[nGardes++] = k;
    }
    candidats.resize(nGardes);
}

void CMoteurOmbrage::Assembler(CRecepteur& r, int nTranche0, int nTranche1) {
    // The pairs stay where their slice prepared them: the receiver lists
    // them in the candidates' order, or by rank (see below).
    //
    // With a first value x0 > 0 finite and every transmission in [+0, 1], a
    // node's values stay in [+0, x0], and stopped means +0. A node that some
    // opaque occluder intercepts then ends at +0 whatever the order: the
    // plain walk gives float(+0 x) = +0 there, or has stopped at +0 before.
    // A node that none intercepts meets the others' factors in document
    // order. So the opaque occluders may come first, in any order: those
    // whose normal points to the sun first (rank 0), which for a closed
    // solid are the faces whose shadows together cover its whole shadow, so
    // that the others (rank 1) find their rows already stopped; the others
    // (rank 2) keep their order.
    auto tampon = [&](int n) -> const CTampon& {
        const CTranche& tranche = m_tranches[static_cast<std::size_t>(n)];
        return tranche.nTampon < 0 ? static_cast<const CTampon&>(r)
                                   : m_tampons[static_cast<std::size_t>(tranche.nTampon)];
    };
    const float x0 = static_cast<float>(r.pFace->m_dEclairementDirect);
    r.bOpaquesDabord = x0 > 0 && std::isfinite(x0);
    int debuts[3] = {0, 0, 0};
    int nPaires = 0;
    for (int n = nTranche0; n < nTranche1; ++n) {
        const CTampon& t = tampon(n);
        r.bOpaquesDabord = r.bOpaquesDabord && t.bUnites;
        debuts[1] += t.comptesRangs[0];
        debuts[2] += t.comptesRangs[0] + t.comptesRangs[1];
        nPaires += static_cast<int>(t.paires.size());
    }
    if (!r.bOpaquesDabord) {
        debuts[1] = debuts[2] = 0; // one rank: the candidates' order
    }
    r.ordre.resize(static_cast<std::size_t>(nPaires));
    for (int n = nTranche0; n < nTranche1; ++n) {
        const CTampon& t = tampon(n);
        for (const CPaire& p : t.paires) {
            const int q = r.bOpaquesDabord ? p.nRang : 0;
            r.ordre[static_cast<std::size_t>(debuts[q]++)] = {&t, &p};
        }
    }
    if (r.ordre.empty()) {
        return;
    }
    const CReseauNoeuds& g = r.reseau;
    if (!g.m_bValide) {
        return;
    }
    // Each block walks only the pairs whose rows meet it (document order kept).
    r.debutsPairesBlocs.assign(static_cast<std::size_t>(r.nBlocs) + 1, 0);
    for (const CRefPaire& ref : r.ordre) {
        const CPaire& p = *ref.pPaire;
        const int b0 = r.blocDeLigne[static_cast<std::size_t>(p.iDebut - g.m_iMin)];
        const int b1 = r.blocDeLigne[static_cast<std::size_t>(p.iFin - g.m_iMin)];
        for (int b = b0; b <= b1; ++b) {
            ++r.debutsPairesBlocs[static_cast<std::size_t>(b) + 1];
        }
    }
    for (int b = 0; b < r.nBlocs; ++b) {
        r.debutsPairesBlocs[static_cast<std::size_t>(b) + 1] +=
            r.debutsPairesBlocs[static_cast<std::size_t>(b)];
    }
    r.pairesBlocs.resize(static_cast<std::size_t>(r.debutsPairesBlocs.back()));
    std::vector<int> positions(r.debutsPairesBlocs.begin(), r.debutsPairesBlocs.end() - 1);
    for (std::size_t n = 0; n < r.ordre.size(); ++n) {
        const CPaire& p = *r.ordre[n].pPaire;
        const int b0 = r.blocDeLigne[static_cast<std::size_t>(p.iDebut - g.m_iMin)];
        const int b1 = r.blocDeLigne[static_cast<std::size_t>(p.iFin - g.m_iMin)];
        for (int b = b0; b <= b1; ++b) {
            r.pairesBlocs[static_cast<std::size_t>(positions[static_cast<std::size_t>(b)]++)] =
                static_cast<int>(n);
        }
    }
}

// One bit per node of a block's rows: set while the node's walk goes on,
// that is while its value is not <= 0. Columns without a node hold 0.
struct CMoteurOmbrage::CVivants {
    std::uint64_t* mots = nullptr;
    int nMots = 0;
    int iBase = 0;
    int jBase = 0;
    int nLignes = 0;
    // The opaque occluders come first and the walk starts from a lit value
    // x0 > 0: while they are walked, a node is at x0 while its walk goes on
    // (missed, or through an opening) and at +0 once stopped, so the values
    // are written from the bits once they are needed, not node by node.
    bool bDifferees = false;

    std::uint64_t* Ligne(int i) const {
        return mots + static_cast<std::ptrdiff_t>(i - iBase) * nMots;
    }
    static std::uint64_t Masque(int a, int b) { // bits a .. b of a word
        return (~0ULL >> (63 - b)) & (~0ULL << a);
    }
    // Calls f(word, mask) on the words of columns [a, b] of row i, a <= b,
    // until f returns false.
    template <class F>
    bool Parcourir(int i, int a, int b, F f) const {
        std::uint64_t* l = Ligne(i);
        const int x = a - jBase;
        const int y = b - jBase;
        const int wa = x >> 6;
        const int wb = y >> 6;
        if (wa == wb) {
            return f(l[wa], Masque(x & 63, y & 63));
        }
        if (!f(l[wa], Masque(x & 63, 63))) {
            return false;
        }
        for (int w = wa + 1; w < wb; ++w) {
            if (!f(l[w], ~0ULL)) {
                return false;
            }
        }
        return f(l[wb], Masque(0, y & 63));
    }
    // Narrows rows i0 .. i1 to the first and the last whose columns [a, b]
    // hold a walk that goes on, the same columns on every row: a word or two
    // per row, no mask worked out again. False when there is none.
    bool LignesVivantes(int& i0, int& i1, int a, int b) const {
        if (a > b) {
            return false;
        }
        const int x = a - jBase;
        const int y = b - jBase;
        const int wa = x >> 6;
        const int wb = y >> 6;
        const std::uint64_t ka = wa == wb ? Masque(x & 63, y & 63) : Masque(x & 63, 63);
        const std::uint64_t kb = wa == wb ? ka : Masque(0, y & 63);
        auto vive = [&](int i) {
            const std::uint64_t* l = Ligne(i);
            std::uint64_t m = (l[wa] & ka) | (l[wb] & kb);
            for (int w = wa + 1; w < wb; ++w) {
                m |= l[w];
            }
            return m != 0;
        };
        int premiere = i0;
        while (premiere <= i1 && !vive(premiere)) {
            ++premiere;
        }
        if (premiere > i1) {
            return false;
        }
        while (!vive(i1)) {
            --i1;
        }
        i0 = premiere;
        return true;
    }
    bool Aucun(int i, int a, int b) const {
        return a > b ||
               Parcourir(i, a, b, [](std::uint64_t& m, std::uint64_t k) { return (m & k) == 0; });
    }
    void Poser(int i, int a, int b) {
        Parcourir(i, a, b, [](std::uint64_t& m, std::uint64_t k) {
            m |= k;
            return true;
        });
    }
    void Effacer(int i, int a, int b) {
        Parcourir(i, a, b, [](std::uint64_t& m, std::uint64_t k) {
            m &= ~k;
            return true;
        });
    }
    void Tuer(int i, int j) {
        const int x = j - jBase;
        std::uint64_t& m = Ligne(i)[x >> 6];
        m &= ~(1ULL << (x & 63));
    }
    // Whether every walk of the block has stopped.
    bool Vide() const {
        for (std::ptrdiff_t w = 0; w < static_cast<std::ptrdiff_t>(nLignes) * nMots; ++w) {
            if (mots[w] != 0) {
                return false;
            }
        }
        return true;
    }
    // The first column >= j of row i whose walk goes on, or b + 1 when none
    // up to b.
    int Suivant(int i, int j, int b) const {
        if (j > b) {
            return b + 1;
        }
        const std::uint64_t* l = Ligne(i);
        int x = j - jBase;
        const int y = b - jBase;
        std::uint64_t m = l[x >> 6] & (~0ULL << (x & 63));
        int w = x >> 6;
        while (m == 0) {
            if (++w > (y >> 6)) {
                return b + 1;
            }
            m = l[w];
        }
        x = (w << 6) + std::countr_zero(m);
        return x > y ? b + 1 : x + jBase;
    }
};

namespace {

// v[0 .. n - 1] = x0 where the bits x .. x + n - 1 of l are set, +0
// elsewhere; returns how many are set.
int Deposer(const std::uint64_t* l, int x, int n, float x0, float* v) {
    int nUns = 0;
    for (int t = 0; t < n; t += 64) {
        const int y = x + t;
        const int w = y >> 6;
        const int sh = y & 63;
        const int c = std::min(64, n - t);
        std::uint64_t bits = l[w] >> sh;
        if (sh != 0 && sh + c > 64) {
            bits |= l[w + 1] << (64 - sh);
        }
        if (c < 64) {
            bits &= (1ULL << c) - 1;
        }
        nUns += std::popcount(bits);
        float* u = v + t;
        int k = 0;
#ifdef __SSE2__
        const __m128 vx0 = _mm_set1_ps(x0);
        const __m128i rangs = _mm_setr_epi32(1, 2, 4, 8);
        for (; k + 4 <= c; k += 4) {
            const __m128i b =
                _mm_and_si128(_mm_set1_epi32(static_cast<int>((bits >> k) & 15)), rangs);
            _mm_storeu_ps(u + k, _mm_and_ps(_mm_castsi128_ps(_mm_cmpeq_epi32(b, rangs)), vx0));
        }
#endif
        for (; k < c; ++k) {
            u[k] = ((bits >> k) & 1) != 0 ? x0 : 0.0f;
        }
    }
    return nUns;
}

// The columns the fast outer ends l .. fin leave to rows i0 .. i1 at most:
// each end is computed on a row as fl(J + fl(i dj)), monotone in i, so on
// every row it lies between its values on the first and the last.
void ColonnesLignes(const CLimite* l, const CLimite* fin, int i0, int i1, int& jLo, int& jHi) {
    for (; l < fin; ++l) {
        if (!l->bRapide) {
            continue;
        }
        const double a = l->J + static_cast<double>(i0) * l->dj;
        const double b = l->J + static_cast<double>(i1) * l->dj;
        // |lim| < 1e9 (see Limite): the conversions cannot overflow.
        if (l->bHaut) {
            const double d = std::max(a, b);
            const int t = static_cast<int>(d);
            jHi = std::min(jHi, t - (d < t));
        } else {
            const double d = std::min(a, b);
            const int t = static_cast<int>(d);
            jLo = std::max(jLo, t + (d > t));
        }
    }
}

} // namespace

void CMoteurOmbrage::TesterNoeud(const COccultant& o, const CMaillage& m, float* valeurs,
                                 CBloc& bloc, CVivants& vivants, int i, int j, int k) const {
    ++bloc.nTests;
    if (Intercepte(o, m, k)) {
        if (vivants.bDifferees) {
            vivants.Tuer(i, j); // float(+0 x0) = +0
            return;
        }
        valeurs[k] = static_cast<float>(o.dTransmission * valeurs[k]);
        if (valeurs[k] <= 0) {
            vivants.Tuer(i, j);
        }
    }
}

void CMoteurOmbrage::OmbrerLignesSimples(CRecepteur& r, const CPaire& p, int i0, int k0, int k1,
                                         const int* e0, const int* e1, const int* n0, const int* n1,
                                         float* valeurs, CBloc& bloc, CVivants& vivants) {
    const CReseauNoeuds& g = r.reseau;
    const int* debuts = g.m_debutsLignes.data() - g.m_iMin;
    const CSegmentReseau* segments = g.m_segments.data();
    const COccultant& o = m_occultants[static_cast<std::size_t>(p.nOccultant)];
    const CMaillage& maillage = *r.pFace->m_pNoeuds;
    // Behind an opaque occluder the value is +0: a live node's float(0 x)
    // with x > 0 finite, and a stopped node already holds +0 (see
    // Assembler), so the span is simply set.
    const bool bZero = r.bOpaquesDabord && o.dTransmission == 0;
    long long nDecides = 0;
    for (int k = k0; k <= k1; ++k) {
        if (e0[k] > e1[k]) {
            continue;
        }
        const int i = i0 + k;
        for (int s = debuts[i]; s < debuts[i + 1]; ++s) {
            const CSegmentReseau& seg = segments[s];
            const int a = std::max(seg.j0, e0[k]);
            const int b = std::min(seg.j0 + seg.n - 1, e1[k]);
            if (a > b) {
                continue;
            }
            const int c = std::max(a, n0[k]);
            const int d = std::min(b, n1[k]);
            auto tester = [&](int j0, int j1) {
                for (int j = vivants.Suivant(i, j0, j1); j <= j1;
                     j = vivants.Suivant(i, j + 1, j1)) {
                    TesterNoeud(o, maillage, valeurs, bloc, vivants, i, j, seg.k0 + (j - seg.j0));
                }
            };
            if (c > d) {
                tester(a, b);
                continue;
            }
            if (a < c) {
                tester(a, c - 1);
            }
            const int q0 = seg.k0 + (c - seg.j0);
            const int q1 = seg.k0 + (d - seg.j0);
            nDecides += d - c + 1;
            if (bZero) {
                if (!vivants.bDifferees) {
                    Annuler(valeurs, q0, q1);
                }
                vivants.Effacer(i, c, d);
            } else {
                bool bTous = false;
                if (Multiplier(valeurs, q0, q1, o.dTransmission, bTous) > 0) {
                    for (int j = c; j <= d; ++j) {
                        if (valeurs[seg.k0 + (j - seg.j0)] <= 0) {
                            vivants.Tuer(i, j);
                        }
                    }
                }
            }
            if (d < b) {
                tester(d + 1, b);
            }
        }
    }
    bloc.nDecides += nDecides;
}

void CMoteurOmbrage::OmbrerLigne(CRecepteur& r, const CTampon& t, const CPaire& p, int i,
                                 float* valeurs, CBloc& bloc, CVivants& vivants, int e0, int e1,
                                 int n0, int n1) {
    const CReseauNoeuds& g = r.reseau;
    const int s0 = g.m_debutsLignes[static_cast<std::size_t>(i - g.m_iMin)];
    const int s1 = g.m_debutsLignes[static_cast<std::size_t>(i - g.m_iMin + 1)];
    const CSegmentReseau* segments = g.m_segments.data();
    const double di = i;
    const CLimite* limites = t.limites.data();
    bool bInterieur = n0 <= n1;

    // Openings: outer spans (the ray may pass) and inner spans (it passes).
    constexpr int kMaxOuvertures = 16;
    int nOuvertures = p.nFinOuvertures - p.nDebutOuvertures;
    int oe0[kMaxOuvertures], oe1[kMaxOuvertures], on0[kMaxOuvertures], on1[kMaxOuvertures];
    if (nOuvertures > kMaxOuvertures) {
        bInterieur = false; // every node of the outer span is tested
        nOuvertures = 0;
    }
    int m = 0;
    for (int q = 0; q < nOuvertures; ++q) {
        const CRegion& region =
            t.regionsOuvertures[static_cast<std::size_t>(p.nDebutOuvertures + q)];
        int a0 = e0, a1 = e1;
        if (!Borner(limites + region.nLimites, limites + region.nLimitesExt, t.contraintes, di,
                    true, a0, a1)) {
            continue;
        }
        int b0 = a0, b1 = a1;
        const bool bInt =
            region.bInterieur && Borner(limites + region.nLimitesExt, limites + region.nLimitesFin,
                                        t.contraintes, di, false, b0, b1);
        oe0[m] = a0;
        oe1[m] = a1;
        on0[m] = bInt ? b0 : 1;
        on1[m] = bInt ? b1 : 0;
        ++m;
    }

    const COccultant& o = m_occultants[static_cast<std::size_t>(p.nOccultant)];
    const CMaillage& maillage = *r.pFace->m_pNoeuds;
    // As in OmbrerLignesSimples: behind an opaque occluder, +0 at once.
    const bool bZero = r.bOpaquesDabord && o.dTransmission == 0;
    for (int s = s0; s < s1; ++s) {
        const CSegmentReseau& seg = segments[s];
        const int jFin = std::min(seg.j0 + seg.n - 1, e1);
        int j = vivants.Suivant(i, std::max(seg.j0, e0), jFin);
        while (j <= jFin) {
            int fin = -1;
            for (int q = 0; q < m; ++q) {
                if (on0[q] <= j && j <= on1[q]) {
                    fin = std::max(fin, on1[q]);
                }
            }
            if (fin >= j) {
                j = vivants.Suivant(i, fin + 1, jFin); // through an opening
                continue;
            }
            if (bInterieur && n0 <= j && j <= n1) {
                int fin2 = std::min(n1, jFin);
                bool bLibre = true;
                for (int q = 0; q < m; ++q) {
                    if (oe0[q] <= j && j <= oe1[q]) {
                        bLibre = false;
                        break;
                    }
                    if (oe0[q] > j) {
                        fin2 = std::min(fin2, oe0[q] - 1);
                    }
                }
                if (bLibre) {
                    bool bTous = false;
                    if (bZero) {
                        if (!vivants.bDifferees) {
                            Annuler(valeurs, seg.k0 + (j - seg.j0), seg.k0 + (fin2 - seg.j0));
                        }
                        vivants.Effacer(i, j, fin2);
                    } else if (Multiplier(valeurs, seg.k0 + (j - seg.j0), seg.k0 + (fin2 - seg.j0),
                                          o.dTransmission, bTous) > 0) {
                        for (int t = j; t <= fin2; ++t) {
                            if (valeurs[seg.k0 + (t - seg.j0)] <= 0) {
                                vivants.Tuer(i, t);
                            }
                        }
                    }
                    bloc.nDecides += fin2 - j + 1;
                    j = vivants.Suivant(i, fin2 + 1, jFin);
                    continue;
                }
            }
            TesterNoeud(o, maillage, valeurs, bloc, vivants, i, j, seg.k0 + (j - seg.j0));
            j = vivants.Suivant(i, j + 1, jFin);
        }
    }
}

void CMoteurOmbrage::OmbrerBloc(CBloc& bloc) {
    const long long nVivants = OmbrerValeurs(bloc);
    // The block's share of the face's mean (see Moyenne), while its values
    // are in the cache; none when the face is not lit.
    const CRecepteur& r = *m_recepteurs[static_cast<std::size_t>(bloc.nRecepteur)];
    const CFace& f = *r.pFace;
    if (f.m_dEclairementDirect == 0) {
        return;
    }
    if (nVivants >= 0) {
        // Written from the bits: n values x0, the others +0; their sum n x0
        // is exact (a float times n < 2^31).
        const auto x0 = static_cast<float>(f.m_dEclairementDirect);
        bloc.nMax = std::bit_cast<std::uint32_t>(x0);
        bloc.nExpMin = nVivants > 0 ? (bloc.nMax >> 23) & 0xffu : 255u;
        bloc.dSomme = static_cast<double>(nVivants) * x0;
        return;
    }
    const float* v = f.m_pNoeuds->m_valeurs.data();
    // With the opaque occluders first, every value lies in [+0, x0] (see
    // Assembler): no sign bit, infinity or NaN, and x0 bounds the largest,
    // which is all that the mean needs of it.
    const bool bBorne = r.bOpaquesDabord;
    // A sign bit, an infinity or a NaN anywhere makes the sum the plain one:
    // b + 2^23 carries into the sign bit exactly when the exponent of a
    // non-negative b is all ones. Otherwise the largest pattern is the
    // largest value's, and the smallest exponent of a non-zero value the
    // smallest positive value's.
    constexpr float kInfiniF = std::numeric_limits<float>::infinity();
    std::uint32_t nOu = 0;
    float fMax = 0;
    float fMin = kInfiniF;
    double s[4] = {0, 0, 0, 0};
    int k = bloc.kDebut;
#ifdef __SSE2__
    {
        __m128i ou = _mm_setzero_si128();
        __m128 grand = _mm_setzero_ps();
        __m128 petit = _mm_set1_ps(kInfiniF);
        __m128d s01 = _mm_setzero_pd();
        __m128d s23 = _mm_setzero_pd();
        const __m128i carry = _mm_set1_epi32(0x00800000);
        const __m128 zero = _mm_setzero_ps();
        const __m128 infini = _mm_set1_ps(kInfiniF);
        // Eight values a turn in two sets of chains, so that each addition
        // waits for the one of the turn before only (the order of an exact
        // sum does not matter).
        __m128d s45 = _mm_setzero_pd();
        __m128d s67 = _mm_setzero_pd();
        for (; k + 8 <= bloc.kFin; k += 8) {
            const __m128 x = _mm_loadu_ps(v + k);
            const __m128 y = _mm_loadu_ps(v + k + 4);
            if (!bBorne) {
                const __m128i bx = _mm_castps_si128(x);
                const __m128i by = _mm_castps_si128(y);
                ou = _mm_or_si128(ou, _mm_or_si128(_mm_or_si128(bx, _mm_add_epi32(bx, carry)),
                                                   _mm_or_si128(by, _mm_add_epi32(by, carry))));
                grand = _mm_max_ps(grand, _mm_max_ps(x, y));
            }
            const __m128 px = _mm_cmpgt_ps(x, zero);
            const __m128 py = _mm_cmpgt_ps(y, zero);
            petit = _mm_min_ps(petit,
                               _mm_min_ps(_mm_or_ps(_mm_and_ps(px, x), _mm_andnot_ps(px, infini)),
                                          _mm_or_ps(_mm_and_ps(py, y), _mm_andnot_ps(py, infini))));
            s01 = _mm_add_pd(s01, _mm_cvtps_pd(x));
            s23 = _mm_add_pd(s23, _mm_cvtps_pd(_mm_movehl_ps(x, x)));
            s45 = _mm_add_pd(s45, _mm_cvtps_pd(y));
            s67 = _mm_add_pd(s67, _mm_cvtps_pd(_mm_movehl_ps(y, y)));
        }
        s01 = _mm_add_pd(s01, s45);
        s23 = _mm_add_pd(s23, s67);
        for (; k + 4 <= bloc.kFin; k += 4) {
            const __m128 x = _mm_loadu_ps(v + k);
            const __m128i b = _mm_castps_si128(x);
            ou = _mm_or_si128(ou, _mm_or_si128(b, _mm_add_epi32(b, carry)));
            grand = _mm_max_ps(grand, x);
            const __m128 positif = _mm_cmpgt_ps(x, zero);
            petit =
                _mm_min_ps(petit, _mm_or_ps(_mm_and_ps(positif, x), _mm_andnot_ps(positif, petit)));
            s01 = _mm_add_pd(s01, _mm_cvtps_pd(x));
            s23 = _mm_add_pd(s23, _mm_cvtps_pd(_mm_movehl_ps(x, x)));
        }
        alignas(16) std::uint32_t o[4];
        alignas(16) float g[4];
        alignas(16) float p[4];
        _mm_store_si128(reinterpret_cast<__m128i*>(o), ou);
        _mm_store_ps(g, grand);
        _mm_store_ps(p, petit);
        _mm_storeu_pd(s, s01);
        _mm_storeu_pd(s + 2, s23);
        for (int l = 0; l < 4; ++l) {
            nOu |= o[l];
            fMax = std::max(fMax, g[l]);
            fMin = std::min(fMin, p[l]);
        }
    }
#endif
    for (; k < bloc.kFin; ++k) {
        const float x = v[k];
        const auto b = std::bit_cast<std::uint32_t>(x);
        nOu |= b | (b + 0x00800000u);
        fMax = std::max(fMax, x);
        fMin = x > 0 ? std::min(fMin, x) : fMin;
        s[0] += x;
    }
    if (bBorne) {
        nOu = 0;
        fMax = static_cast<float>(f.m_dEclairementDirect);
    }
    if ((nOu & 0x80000000u) != 0) {
        bloc.nMax = 0xffffffffu;
        bloc.nExpMin = 0;
    } else {
        bloc.nMax = std::bit_cast<std::uint32_t>(fMax);
        bloc.nExpMin = fMin < kInfiniF ? (std::bit_cast<std::uint32_t>(fMin) >> 23) & 0xffu : 255u;
    }
    bloc.dSomme = (s[0] + s[1]) + (s[2] + s[3]);
}

long long CMoteurOmbrage::OmbrerValeurs(CBloc& bloc) {
    bloc.nTests = 0;
    bloc.nDecides = 0;
    CRecepteur& r = *m_recepteurs[static_cast<std::size_t>(bloc.nRecepteur)];
    CMaillage& m = *r.pFace->m_pNoeuds;
    float* valeurs = m.m_valeurs.data();
    const double dDirect = r.pFace->m_dEclairementDirect;
    const auto x0 = static_cast<float>(dDirect);
    // With the opaque occluders first, the values are written from the bits
    // until a pair whose factor is not 0 meets a walk that goes on (never,
    // in most blocks).
    const bool bDifferees =
        dDirect != 0 && !r.ordre.empty() && r.reseau.m_bValide && x0 > 0 && r.bOpaquesDabord;
    if (!bDifferees) {
        std::fill(valeurs + bloc.kDebut, valeurs + bloc.kFin, x0);
    }
    if (dDirect == 0 || r.ordre.empty()) {
        return -1;
    }
    if (!r.reseau.m_bValide) {
        for (int k = bloc.kDebut; k < bloc.kFin; ++k) {
            float valeur = valeurs[k];
            for (const CRefPaire& ref : r.ordre) {
                if (valeur <= 0) {
                    break;
                }
                const COccultant& o =
                    m_occultants[static_cast<std::size_t>(ref.pPaire->nOccultant)];
                ++bloc.nTests;
                if (Intercepte(o, m, k)) {
                    valeur = static_cast<float>(o.dTransmission * valeur);
                }
            }
            valeurs[k] = valeur;
        }
        return -1;
    }
    if (x0 <= 0) {
        return -1; // every walk stops before the first occluder
    }
    // Occluder after occluder in the receiver's order: each node meets the
    // same multiplications in the same order as in the plain walk, but for
    // the opaque ones brought first. Nothing is left to change where every
    // walk has stopped.
    const CReseauNoeuds& g = r.reseau;
    thread_local std::vector<std::uint64_t> mots;
    thread_local CTampon sonde; // a probe's pair, prepared in full
    CVivants vivants;
    vivants.nMots = (g.m_jMax - g.m_jMin) / 64 + 1;
    vivants.iBase = bloc.iDebut;
    vivants.jBase = g.m_jMin;
    vivants.nLignes = bloc.iFin - bloc.iDebut + 1;
    vivants.bDifferees = bDifferees;
    auto deposer = [&] {
        long long nVivants = 0;
        for (int i = bloc.iDebut; i <= bloc.iFin; ++i) {
            const auto l = static_cast<std::size_t>(i - g.m_iMin);
            for (int s = g.m_debutsLignes[l]; s < g.m_debutsLignes[l + 1]; ++s) {
                const CSegmentReseau& seg = g.m_segments[static_cast<std::size_t>(s)];
                nVivants +=
                    Deposer(vivants.Ligne(i), seg.j0 - vivants.jBase, seg.n, x0, valeurs + seg.k0);
            }
        }
        return nVivants;
    };
    mots.assign(static_cast<std::size_t>(bloc.iFin - bloc.iDebut + 1) *
                    static_cast<std::size_t>(vivants.nMots),
                0);
    vivants.mots = mots.data();
    for (int i = bloc.iDebut; i <= bloc.iFin; ++i) {
        const auto l = static_cast<std::size_t>(i - g.m_iMin);
        for (int s = g.m_debutsLignes[l]; s < g.m_debutsLignes[l + 1]; ++s) {
            const CSegmentReseau& seg = g.m_segments[static_cast<std::size_t>(s)];
            vivants.Poser(i, seg.j0, seg.j0 + seg.n - 1);
        }
    }
    const int b = r.blocDeLigne[static_cast<std::size_t>(bloc.iDebut - g.m_iMin)];
    int e0[kLignesParBloc], e1[kLignesParBloc], n0[kLignesParBloc], n1[kLignesParBloc];
    double d0[kLignesParBloc], d1[kLignesParBloc];
    const int qDebut = r.debutsPairesBlocs[static_cast<std::size_t>(b)];
    const int qFin = r.debutsPairesBlocs[static_cast<std::size_t>(b) + 1];
    // The pairs' data were written by other tasks and lie out of the cache:
    // each pair is fetched ahead, its record first, then its span ends.
    constexpr int kAvance = 4;
    auto paire = [&](int q) -> const CRefPaire& {
        return r.ordre[static_cast<std::size_t>(r.pairesBlocs[static_cast<std::size_t>(q)])];
    };
    for (int q = qDebut; q < std::min(qFin, qDebut + 2 * kAvance); ++q) {
        __builtin_prefetch(paire(q).pPaire);
    }
    for (int q = qDebut; q < qFin; ++q) {
        if ((q - qDebut) % 16 == 0 && vivants.Vide()) {
            break;
        }
        if (q + 2 * kAvance < qFin) {
            __builtin_prefetch(paire(q + 2 * kAvance).pPaire);
        }
        if (q + kAvance < qFin) {
            const CRefPaire& a = paire(q + kAvance);
            const CLimite* l = a.pTampon->limites.data() + a.pPaire->region.nLimites;
            __builtin_prefetch(l);
            __builtin_prefetch(l + 2);
            __builtin_prefetch(l + 4);
            __builtin_prefetch(&m_occultants[static_cast<std::size_t>(a.pPaire->nOccultant)]);
        }
        const CRefPaire& ref = paire(q);
        const CPaire* pp = ref.pPaire;
        const CTampon* pt = ref.pTampon;
        // Once for the pair, twice for a probe in whose reach a walk goes on:
        // then with the pair prepared in full.
        for (;;) {
            const CPaire& p = *pp;
            const CTampon& t = *pt;
            const CLimite* limites = t.limites.data();
            int i0 = std::max(p.iDebut, bloc.iDebut);
            int n = std::min(p.iFin, bloc.iFin) - i0 + 1; // a full pair's may be <= 0
            // The columns the pair can reach on these rows; nothing to work out
            // when no walk goes on there.
            int jLo = g.m_jMin;
            int jHi = g.m_jMax;
            ColonnesLignes(limites + p.region.nLimites, limites + p.region.nLimitesExt, i0,
                           i0 + n - 1, jLo, jHi);
            // Columns without a node hold no walk: the same columns on every row.
            int iVif0 = i0;
            int iVif1 = i0 + n - 1;
            if (!vivants.LignesVivantes(iVif0, iVif1, jLo, jHi)) {
                break;
            }
            i0 = iVif0;
            n = iVif1 - iVif0 + 1;
            for (int k = 0; k < n; ++k) {
                const auto l = static_cast<std::size_t>(i0 + k - g.m_iMin);
                e0[k] = std::max(r.jDebutLigne[l], jLo);
                e1[k] = std::min(r.jFinLigne[l], jHi);
            }
            BornerLignes(limites + p.region.nLimites, limites + p.region.nLimitesExt, t.contraintes,
                         i0, n, true, e0, e1, d0, d1);
            // The rows left with a walk that goes on, first to last.
            int k0 = n;
            int k1 = -1;
            for (int k = 0; k < n; ++k) {
                if (vivants.Aucun(i0 + k, e0[k], e1[k])) {
                    e0[k] = 1;
                    e1[k] = 0;
                } else {
                    k0 = std::min(k0, k);
                    k1 = k;
                }
                n0[k] = e0[k];
                n1[k] = p.region.bInterieur ? e1[k] : e0[k] - 1;
            }
            if (k0 > k1) {
                break;
            }
            if (p.bSonde) {
                sonde.Vider();
                if (!PreparerPaire(g, sonde, p.nOccultant, false)) {
                    break;
                }
                pp = &sonde.paires.back();
                pt = &sonde;
                continue;
            }
            if (vivants.bDifferees &&
                m_occultants[static_cast<std::size_t>(p.nOccultant)].dTransmission != 0) {
                deposer(); // its factors need the values
                vivants.bDifferees = false;
            }
            if (p.region.bInterieur) {
                BornerLignes(limites + p.region.nLimitesExt, limites + p.region.nLimitesFin,
                             t.contraintes, i0 + k0, k1 - k0 + 1, false, n0 + k0, n1 + k0, d0, d1);
            }
            const bool bSimple = p.nFinOuvertures == p.nDebutOuvertures;
            if (bSimple) {
                OmbrerLignesSimples(r, p, i0, k0, k1, e0, e1, n0, n1, valeurs, bloc, vivants);
                break;
            }
            for (int k = k0; k <= k1; ++k) {
                if (e0[k] <= e1[k]) {
                    OmbrerLigne(r, t, p, i0 + k, valeurs, bloc, vivants, e0[k], e1[k], n0[k],
                                n1[k]);
                }
            }
            break;
        }
    }
    return vivants.bDifferees ? deposer() : -1;
}

// The mean of the node values, the same double as the plain sum in node
// order. When every value is a non-negative finite float whose last bit is
// at least 2^e, and the total is below 2^(e + 53), every partial sum in any
// order is a double exactly: the sum is then taken in four independent
// chains per block, as each block is shaded, and the blocks' sums are
// added. Otherwise it is the plain sum.
void CMoteurOmbrage::Moyenne(const CRecepteur& r) const {
    CFace& f = *r.pFace;
    f.m_dEclairement = 0;
    if (!f.m_pNoeuds || f.m_dEclairementDirect == 0) {
        return; // no node or every value 0: the plain sum is +0 too
    }
    const std::vector<float>& v = f.m_pNoeuds->m_valeurs;
    const int n = static_cast<int>(v.size());
    std::uint32_t nMax = 0;
    std::uint32_t nExpMin = 255;
    double dSomme = 0;
    for (int b = r.nPremierBloc; b < r.nPremierBloc + r.nBlocs; ++b) {
        const CBloc& bloc = m_blocs[static_cast<std::size_t>(b)];
        nMax = std::max(nMax, bloc.nMax);
        nExpMin = std::min(nExpMin, bloc.nExpMin);
        dSomme += bloc.dSomme;
    }
    bool bExacte = nMax < 0x7f800000u; // no sign bit, no infinity, no NaN
    if (bExacte && nMax != 0) {
        const int e = static_cast<int>(std::max(nExpMin, 1u)) - 150;
        const double dTotal =
            static_cast<double>(n) * std::bit_cast<float>(nMax) * (1 + std::ldexp(1.0, -40));
        bExacte = std::ilogb(dTotal) + 1 <= e + 53;
    }
    if (!bExacte) {
        dSomme = 0;
        for (const float x : v) {
            dSomme += x;
        }
    }
    f.m_dEclairement = dSomme / std::max(n, 1);
}

void CMoteurOmbrage::Apparier() {
    const int nRecepteurs = static_cast<int>(m_recepteurs.size());
    m_pool.Executer(nRecepteurs,
                    [this](int r) { Candidats(*m_recepteurs[static_cast<std::size_t>(r)]); });
    // A receiver's occluders are prepared in slices, so that one receiver
    // under many occluders (a ground) keeps every thread busy.
    m_tranches.clear();
    m_premieresTranches.assign(static_cast<std::size_t>(nRecepteurs) + 1, 0);
    int nTampons = 0;
    for (int r = 0; r < nRecepteurs; ++r) {
        m_premieresTranches[static_cast<std::size_t>(r)] = static_cast<int>(m_tranches.size());
        const auto n =
            static_cast<int>(m_recepteurs[static_cast<std::size_t>(r)]->candidats.size());
        for (int c = 0; c < n; c += kOccultantsParTranche) {
            m_tranches.push_back(
                {r, c, std::min(n, c + kOccultantsParTranche), c == 0 ? -1 : nTampons++});
        }
    }
    m_premieresTranches.back() = static_cast<int>(m_tranches.size());
    if (static_cast<int>(m_tampons.size()) < nTampons) {
        m_tampons.resize(static_cast<std::size_t>(nTampons));
    }
    auto assembler = [this](int r) {
        Assembler(*m_recepteurs[static_cast<std::size_t>(r)],
                  m_premieresTranches[static_cast<std::size_t>(r)],
                  m_premieresTranches[static_cast<std::size_t>(r) + 1]);
    };
    for (int r = 0; r < nRecepteurs; ++r) {
        const int n = m_premieresTranches[static_cast<std::size_t>(r) + 1] -
                      m_premieresTranches[static_cast<std::size_t>(r)];
        m_recepteurs[static_cast<std::size_t>(r)]->nRestants.store(n, std::memory_order_relaxed);
        if (n == 0) {
            assembler(r);
        }
    }
    m_pool.Executer(static_cast<int>(m_tranches.size()), [this, &assembler](int n) {
        const CTranche& tranche = m_tranches[static_cast<std::size_t>(n)];
        CRecepteur& r = *m_recepteurs[static_cast<std::size_t>(tranche.nRecepteur)];
        CTampon& t = tranche.nTampon < 0 ? r : m_tampons[static_cast<std::size_t>(tranche.nTampon)];
        if (tranche.nTampon >= 0) {
            t.Vider();
        }
        for (int c = tranche.nDebut; c < tranche.nFin; ++c) {
            const int k = r.candidats[static_cast<std::size_t>(c)];
            if (r.reseau.m_bValide) {
                const COccultant& o = m_occultants[static_cast<std::size_t>(k)];
                const bool bSonde = o.dTransmission == 0 && !o.bVersSoleil;
                if (!PreparerPaire(r.reseau, t, k, bSonde)) {
                    continue;
                }
            } else {
                t.paires.emplace_back().nOccultant = k;
            }
            // While its occluder is in the cache: the rank that Assembler
            // sorts on.
            const COccultant& o = m_occultants[static_cast<std::size_t>(k)];
            const double d = o.dTransmission;
            CPaire& p = t.paires.back();
            p.nRang = d != 0 ? 2 : o.bVersSoleil ? 0 : 1;
            ++t.comptesRangs[p.nRang];
            t.bUnites = t.bUnites && ((d > 0 && d <= 1) || (d == 0 && !std::signbit(d)));
        }
        // The last slice of its receiver sees the others' pairs (acquire).
        if (r.nRestants.fetch_sub(1, std::memory_order_acq_rel) == 1) {
            assembler(tranche.nRecepteur);
        }
    });
}

void CMoteurOmbrage::Ombrer(const std::vector<CFace*>& faces, const CSoleilCalcul& soleil) {
    bool bAnalyser = !m_bAnalyse;
    if (!bAnalyser && m_bFiges && !m_bAVerifier) {
        // Within a frozen series the faces do not change: each receiver need
        // only be where it was, which reads no face.
        bAnalyser = faces.size() != m_nFacesAnalysees;
        for (const auto& r : m_recepteurs) {
            bAnalyser = bAnalyser || faces[static_cast<std::size_t>(r->nIndice)] != r->pFace;
        }
    } else if (!bAnalyser) {
        // The list of receivers must still be the analysed one.
        std::size_t n = 0;
        for (std::size_t i = 0; i < faces.size() && !bAnalyser; ++i) {
            if (!faces[i]->m_proprietes.m_bRecepteur) {
                continue;
            }
            bAnalyser = n >= m_recepteurs.size() || m_recepteurs[n]->pFace != faces[i] ||
                        m_recepteurs[n]->nIndice != static_cast<int>(i) ||
                        m_recepteurs[n]->reseau.m_nNoeuds !=
                            (faces[i]->m_pNoeuds ? faces[i]->m_pNoeuds->Taille() : 0);
            ++n;
        }
        bAnalyser = bAnalyser || n != m_recepteurs.size();
    }
    if (!bAnalyser && (!m_bFiges || m_bAVerifier)) {
        // The meshes may have changed since the last call (outside a day
        // report, or before its first sample): each grid is checked
        // against its nodes.
        // A large grid is checked in pieces of rows, on every thread.
        struct CVerification {
            int nRecepteur;
            std::size_t s0, s1; // its segments
        };
        std::vector<CVerification> pieces;
        for (std::size_t r = 0; r < m_recepteurs.size(); ++r) {
            const CReseauNoeuds& g = m_recepteurs[r]->reseau;
            std::size_t s0 = 0;
            int nNoeuds = 0;
            for (std::size_t s = 0; s < g.m_segments.size(); ++s) {
                nNoeuds += g.m_segments[s].n;
                if (nNoeuds >= kNoeudsParVerification || s + 1 == g.m_segments.size()) {
                    pieces.push_back({static_cast<int>(r), s0, s + 1});
                    s0 = s + 1;
                    nNoeuds = 0;
                }
            }
            if (g.m_segments.empty()) {
                pieces.push_back({static_cast<int>(r), 0, 0});
            }
        }
        std::vector<char> bValides(pieces.size(), 0);
        m_pool.Executer(static_cast<int>(pieces.size()), [&](int n) {
            const CVerification& v = pieces[static_cast<std::size_t>(n)];
            const CRecepteur& recepteur = *m_recepteurs[static_cast<std::size_t>(v.nRecepteur)];
            bValides[static_cast<std::size_t>(n)] =
                recepteur.reseau.m_nNoeuds == 0
                    ? !recepteur.pFace->m_pNoeuds || recepteur.pFace->m_pNoeuds->Taille() == 0
                    : recepteur.reseau.Verifier(*recepteur.pFace, v.s0, v.s1);
        });
        bAnalyser = std::find(bValides.begin(), bValides.end(), 0) != bValides.end();
    }
    if (bAnalyser) {
        Analyser(faces);
    }
    // Outside a frozen series, or at its start, the faces may have changed.
    m_bEchelleValide = m_bEchelleValide && m_bFiges && !m_bAVerifier;
    m_bAVerifier = false;
    const bool bPlaces = Compter(faces, soleil);

    // With no receiver lit (a night sample) no occluder matters.
    bool bEclaire = false;
    for (const auto& r : m_recepteurs) {
        bEclaire = bEclaire || r->pFace->m_dEclairementDirect != 0;
    }
    if (bEclaire) {
        if (!bPlaces) {
            Placer(faces, soleil.direction);
        }
        PlacerOuvertures();
        m_placesTranches = m_comptesTranches; // for the next sun
        for (const auto& r : m_recepteurs) {
            if (r->reseau.m_nNoeuds != 0 && r->pFace->m_dEclairementDirect != 0) {
                Projeter(*r);
            }
        }
        ConstruireGrille();
        Apparier();
    } else {
        // Every receiver's values are then its unlit value, and its mean
        // too (see OmbrerValeurs, Moyenne): no pair is needed.
        m_occultants.clear();
    }
    // A lit receiver's mean is worked out by the task that ends its last
    // block; the others' at once.
    for (const auto& r : m_recepteurs) {
        r->nRestants.store(bEclaire ? r->nBlocs : 0, std::memory_order_relaxed);
        if (!bEclaire || r->nBlocs == 0) {
            Moyenne(*r);
        }
    }
    // Neighbouring blocks of a receiver meet mostly the same pairs: a task
    // takes a few in a row, so that their pairs stay in its core's cache.
    m_pool.ExecuterParTranches(static_cast<int>(m_blocs.size()), 4, [&](int, int b0, int b1) {
        for (int b = b0; b < b1; ++b) {
            CBloc& bloc = m_blocs[static_cast<std::size_t>(b)];
            OmbrerBloc(bloc);
            CRecepteur& r = *m_recepteurs[static_cast<std::size_t>(bloc.nRecepteur)];
            if (bEclaire && r.nRestants.fetch_sub(1, std::memory_order_acq_rel) == 1) {
                Moyenne(r);
            }
        }
    });

    m_nTests = 0;
    m_nDecides = 0;
    for (const CBloc& b : m_blocs) {
        m_nTests += b.nTests;
        m_nDecides += b.nDecides;
    }
}
