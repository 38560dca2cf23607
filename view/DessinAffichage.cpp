// The overlays of the view parameters.

#include "platform/DC.h"
#include "view/Camera.h"
#include "view/Dessin.h"
#include "view/DonneesSoleil.h"
#include "view/ParametresAffichage.h"

#include <algorithm>
#include <string>

namespace {

// The disc that marks a point: 3 pixels around it, outlined with the pen and
// filled with the brush.
void Disque(CDC* pDC, CPointEcran q) {
    pDC->Ellipse(q.x - 3, q.y - 3, q.x + 3, q.y + 3);
}

void Segment(CDC* pDC, CPointEcran a, CPointEcran b) {
    pDC->DeplacerVers(a);
    pDC->LigneVers(b);
}

} // namespace

void CAffGeneral::DessinerTextes(CDC* pDC, const std::string& strFaceSelectionnee) const {
    if (m_bElementsTextuels == 0) {
        return;
    }
    pDC->FixerCouleurTexte(g_couleurBlanche);
    pDC->EcrireTexte(12, 10, "Document title : " + m_strTitre);
    pDC->EcrireTexte(12, 28, "Selected face : " + strFaceSelectionnee);
}

void CAffGeneral::DessinerTriedreCentral(CDC* pDC) const {
    if (m_bTriedreCentral == 0) {
        return;
    }
    pDC->SelectionnerStylo(g_styloTriedre);
    for (const CVecteur& axe : m_axes) {
        Segment(pDC, g_ptOrigine, axe.Projeter());
    }
}

void CAffGeneral::DessinerTriedreInformatif(CDC* pDC, const CRectangle& client) const {
    if (m_bTriedreInformatif == 0) {
        return;
    }
    const CPointEcran a{client.right - 70, client.bottom - 70};
    pDC->FixerCouleurTexte(g_couleurBlanche);
    for (int k = 0; k < 3; ++k) {
        // A world axis pointing toward the viewer has a negative depth.
        pDC->SelectionnerStylo(g_axes[k].m_y < 0 ? g_styloAxeClair : g_styloAxeSombre);
        // 48 pixels for an axis parallel to the screen, whatever the zoom.
        const CPointEcran p = (m_axes[k] * (1536.0 / g_dEchelle)).Projeter();
        const CPointEcran e{p.x + a.x - g_ptOrigine.x, p.y + a.y - g_ptOrigine.y};
        Segment(pDC, a, e);
        pDC->EcrireTexte(e.x + 2, e.y + 2, std::string(1, static_cast<char>('X' + k)));
    }
}

void CAffGeneral::DessinerDirectionNord(CDC* pDC, const CVecteur& nord) const {
    if (m_bDirectionNord == 0) {
        return;
    }
    // The arrow ends at the origin and points to the north.
    const CVecteur p = nord * -2.0;
    pDC->SelectionnerStylo(g_styloNord);
    const CPointEcran q = p.Projeter();
    Segment(pDC, g_ptOrigine, q);
    Segment(pDC, g_ptOrigine, (p / 4).Rotation(m_axes[2], 20).Projeter());
    Segment(pDC, g_ptOrigine, (p / 4).Rotation(m_axes[2], -20).Projeter());
    pDC->FixerCouleurTexte(g_couleurNord);
    pDC->EcrireTexte(q.x + 2, q.y + 2, "N");
}

void CAffQuadrillage::Dessiner(CDC* pDC) const {
    if (m_bAfficher == 0) {
        return;
    }
    // The page accepts 1 to 100; a larger count read from a damaged file
    // would take hours to draw.
    const int nRepetition = std::min(m_nRepetition, 100);
    const double n = nRepetition;
    const CVecteur& c = m_centre;
    const CVecteur& u = m_vecteur1;
    const CVecteur& v = m_vecteur2;
    pDC->SelectionnerStylo(g_styloQuadrillage);
    // The end points are carried along by adding the base vector, as the
    // lines are stepped.
    const long long nLignes = 2LL * nRepetition + 1;
    CVecteur a = c - (u + v) * n;
    CVecteur b = c + (v - u) * n;
    for (long long i = 0; i < nLignes; ++i) {
        Segment(pDC, a.Projeter(), b.Projeter());
        a = a + u;
        b = b + u;
    }
    a = c - (u + v) * n;
    b = c + (u - v) * n;
    for (long long j = 0; j < nLignes; ++j) {
        Segment(pDC, a.Projeter(), b.Projeter());
        a = a + v;
        b = b + v;
    }
    if (m_bSignaler != 0) {
        pDC->SelectionnerBrosse(g_brosseBlanche);
        Disque(pDC, c.Projeter());
    }
}

void CAffSoleil::Dessiner(CDC* pDC, const CDonneesSoleil& soleil) const {
    const CPointEcran t = m_pointCible.Projeter();
    const CPointEcran s = (m_pointCible + soleil.direction * m_dDistance).Projeter();
    pDC->SelectionnerStylo(g_styloRayon);
    pDC->SelectionnerBrosse(soleil.dAltitude < soleil.dLigneHorizon ? g_brosseNoire
                                                                    : g_brosseBlanche);
    if (m_bRayonProche != 0) {
        Segment(pDC, s, t);
        Disque(pDC, t);
    }
    if (m_bSoleilProche != 0) {
        Disque(pDC, s);
        pDC->FixerCouleurTexte(g_couleurSoleil);
        pDC->EcrireTexte(s.x + 2, s.y + 2, "S");
    }
}
