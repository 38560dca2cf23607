#include "geometry/Face.h"

#include <algorithm>
#include <cmath>

int CFace::Intercepte(const CVecteur& p, double eps) {
    for (CFace* pOuverture : m_ouvertures.m_faces) {
        if (const int r = pOuverture->Intercepte(p, eps)) {
            return r;
        }
    }
    return 0;
}

bool CFace::PointsBornes() const {
    for (const CVecteur& p : m_points) {
        if (!EstCoordonneeBornee(p.m_x) || !EstCoordonneeBornee(p.m_y) ||
            !EstCoordonneeBornee(p.m_z)) {
            return false;
        }
    }
    return true;
}

void CFace::CalculerNormale() {
    const CVecteur n = (m_points[1] - m_points[0]).Vectoriel(m_points[2] - m_points[1]);
    m_normale = n / n.Norme();
}

double CFace::AireNette() {
    const double dAire = Aire();
    const double dNette = dAire - m_ouvertures.AireOuvertures();
    return dNette > 0 ? dNette : dAire;
}

void CFace::TransfererPoints(bool bVersCopie) {
    if (bVersCopie) {
        for (int i = 0; i < 4; ++i) {
            m_pCopie->m_points[i] = m_points[i];
        }
        m_pCopie->m_bContourAJour = false;
    } else {
        for (int i = 0; i < 4; ++i) {
            m_points[i] = m_pCopie->m_points[i];
        }
        m_bContourAJour = false;
        CalculerNormale();
    }
}

void CFace::TransfererSaisie(bool bVersCopie) {
    if (bVersCopie) {
        for (int i = 0; i < 4; ++i) {
            m_pCopie->m_points[i] = m_saisie[i];
        }
        m_pCopie->m_bContourAJour = false;
    } else {
        for (int i = 0; i < 4; ++i) {
            m_saisie[i] = m_pCopie->m_points[i];
        }
    }
}

bool CFace::PlacerPoint(const CVecteur& p) {
    if (m_nFocus < 0 || m_nFocus > m_nPoints - 1) {
        return false;
    }
    m_saisie[m_nFocus] = p;
    return true;
}

void CFace::CalculerCotesTrois() {
    m_cotes[0] = m_points[1] - m_points[0];
    m_cotes[1] = m_points[2] - m_points[1];
    m_cotes[2] = m_points[0] - m_points[2];
}

bool CFace::PreparerMatrice(const CVecteur& dir) {
    CalculerCotes();
    const CVecteur& e0 = m_cotes[0];
    const CVecteur& eDernier = m_cotes[IndexDernier()];
    const CVecteur dirXeDernier = dir.Vectoriel(eDernier);
    const double det = e0.Scalaire(dirXeDernier);
    m_repere[0].m_fValeur = static_cast<float>(det);
    if (std::fabs(det) <= 0.00001) {
        m_repere[0].m_fValeur = 0;
        return false;
    }
    const CVecteur r0 = dirXeDernier / det;
    const CVecteur r1 = dir.Vectoriel(e0) / det;
    const CVecteur r2 = eDernier.Vectoriel(e0) / det;
    m_repere[0].Fixe(r0.m_x, r0.m_y, r0.m_z);
    m_repere[1].Fixe(r1.m_x, r1.m_y, r1.m_z);
    m_repere[2].Fixe(r2.m_x, r2.m_y, r2.m_z);
    return true;
}

bool CFace::GenererMaillage(int* pBudget) {
    std::int64_t nTests = kTestsParNoeud * std::max(*pBudget, 0);
    return GenererMaillage(pBudget, &nTests);
}

bool CFace::GenererMaillage(int* pBudget, std::int64_t* pTests) {
    m_pNoeuds = std::make_unique<CMaillage>();
    CalculerCotes();
    const CVecteur& e0 = m_cotes[0];
    const CVecteur& eDernier = m_cotes[IndexDernier()];
    const double r = m_proprietes.m_dMailleRelative * 0.01;
    const double a = m_proprietes.m_dMailleAbsolue;

    // Steps of equal length along the first and the last side, r times the
    // shorter side, kept between a/5 and 5a.
    CVecteur u = e0 * r;
    CVecteur v = eDernier * (-r);
    if (v.Norme() < u.Norme()) {
        u = u * (v.Norme() / u.Norme());
    } else {
        v = v * (u.Norme() / v.Norme());
    }
    if (u.Norme() > 5 * a) {
        u = u * (5 * a / u.Norme());
        v = v * (5 * a / v.Norme());
    }
    if (u.Norme() < 0.2 * a) {
        u = u * (a / (5 * u.Norme()));
        v = v * (a / (5 * v.Norme()));
    }

    if (m_repere[0].m_fValeur == 0) {
        return true; // no candidate can be inside: the grid would be walked for nothing
    }
    double fu = 1;
    double fv = 1;
    FacteursGrille(fu, fv);
    const double du = std::trunc(e0.Norme() / u.Norme() * fu + 3.0);
    const double dv = std::trunc(eDernier.Norme() / v.Norme() * fv + 3.0);
    if (!(du >= 0) || !(dv >= 0)) {
        return true; // a zero side leaves no step: no grid at all
    }
    // Every candidate is charged, the rejected ones too, so that the time
    // spent stays within what the weight allows whatever the geometry (a huge
    // face, or one whose every candidate an opening rejects). The allowance
    // ends the walk long before these bounds, which only keep the casts defined.
    const auto nu = static_cast<std::int64_t>(std::min(du, 1e15));
    const auto nv = static_cast<std::int64_t>(std::min(dv, 1e15));
    const auto nCout = 1 + static_cast<std::int64_t>(m_ouvertures.m_faces.size());

    CVecteur debutLigne = m_points[0];
    for (std::int64_t i = 1; i <= nu; ++i) {
        debutLigne = debutLigne + u;
        CVecteur q = debutLigne;
        for (std::int64_t j = 1; j <= nv; ++j) {
            if (*pTests < nCout) {
                *pTests = 0;
                return false;
            }
            *pTests -= nCout;
            q = q + v;
            if (Intercepte(q, 0.001) == 0) {
                continue; // outside the face or on its border
            }
            if (CFace::Intercepte(q, -0.001) != 0) {
                continue; // inside an opening or on its border
            }
            m_pNoeuds->Ajouter(q);
            --*pBudget;
            if (*pBudget <= 0) {
                return false;
            }
        }
    }
    return true;
}
