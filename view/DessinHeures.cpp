#include "view/DessinHeures.h"

#include "document/VantrelDoc.h"
#include "lighting/HeuresSoleil.h"
#include "view/Dessin.h"
#include "view/Vue.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

CCouleur CouleurHeures(double t) {
    static constexpr std::array<CCouleur, 5> kPaliers = {CCouleur(0, 0, 160), CCouleur(0, 150, 255),
                                                         CCouleur(0, 200, 0), CCouleur(255, 220, 0),
                                                         CCouleur(230, 0, 0)};
    // NaN falls to the bottom of the scale.
    t = t > 0 ? std::min(t, 1.0) : 0.0;
    const double u = t * (kPaliers.size() - 1);
    const auto i = std::min(static_cast<std::size_t>(u), kPaliers.size() - 2);
    const double f = u - static_cast<double>(i);
    const auto melange = [f](std::uint8_t a, std::uint8_t b) {
        return static_cast<std::uint8_t>(std::lround(a + (b - a) * f));
    };
    const CCouleur& a = kPaliers[i];
    const CCouleur& b = kPaliers[i + 1];
    return CCouleur(melange(a.r, b.r), melange(a.g, b.g), melange(a.b, b.b));
}

void DessinerNoeudsHeures(CDC* pDC, const CVantrelDoc& doc) {
    const CHeuresSoleil& heures = doc.m_heuresSoleil;
    const bool bGros = doc.m_parametresAffichage.m_pageGeneral.m_bGrosNoeuds != 0;
    const double dEchelle = heures.Echelle();
    for (const CHeuresRecepteur& r : heures.m_recepteurs) {
        for (int i = 0; i < r.noeuds.Taille(); ++i) {
            const CVecteur noeud = r.noeuds.Noeud(i);
            DessinerPointNoeud(pDC, noeud.Projeter(), CouleurHeures(noeud.m_fValeur / dEchelle),
                               bGros);
        }
    }
}

CBarreLegende BarreLegende(const CRectangle& client) {
    return CBarreLegende{client.right - 150, client.top + 52};
}

void DessinerLegendeHeures(CDC* pDC, const CHeuresSoleil& heures) {
    const CBarreLegende b = BarreLegende(pDC->RectangleClient());
    const int nBas = b.y + CBarreLegende::kHauteur - 1;
    pDC->FixerModeFond(EModeFond::Transparent);
    pDC->FixerCouleurTexte(g_couleurBlanche);
    pDC->EcrireTexte(b.x, b.y - 42, "Sun hours (h)");
    pDC->EcrireTexte(b.x, b.y - 24, heures.m_strPeriode);
    // One line a row, the top of the scale at the top.
    for (int j = 0; j < CBarreLegende::kHauteur; ++j) {
        const double t = (nBas - (b.y + j)) / static_cast<double>(CBarreLegende::kHauteur - 1);
        pDC->SelectionnerStylo(CStylo{CouleurHeures(t)});
        pDC->DeplacerVers(b.x, b.y + j);
        pDC->LigneVers(b.x + CBarreLegende::kLargeur, b.y + j);
    }
    pDC->SelectionnerStylo(g_styloFaces);
    const int g = b.x - 1;
    const int d = b.x + CBarreLegende::kLargeur;
    pDC->DeplacerVers(g, b.y - 1);
    pDC->LigneVers(d, b.y - 1);
    pDC->LigneVers(d, nBas + 1);
    pDC->LigneVers(g, nBas + 1);
    pDC->LigneVers(g, b.y - 1);
    const double dEchelle = heures.Echelle();
    for (int k = 0; k < 3; ++k) {
        const int y = nBas - k * (CBarreLegende::kHauteur - 1) / 2;
        pDC->DeplacerVers(d, y);
        pDC->LigneVers(d + 4, y);
        char texte[32];
        std::snprintf(texte, sizeof texte, "%g", dEchelle * k / 2);
        pDC->EcrireTexte(d + 8, y - 7, texte);
    }
}
