#include "view/Graphiques.h"

#include "platform/DC.h"
#include "view/Camera.h"
#include "view/Dessin.h"

#include <cstdio>
#include <string>

namespace {

void Segment(CDC* pDC, int x1, int y1, int x2, int y2) {
    pDC->DeplacerVers(x1, y1);
    pDC->LigneVers(x2, y2);
}

std::string Entier(const char* szFormat, int n) {
    char tampon[32];
    std::snprintf(tampon, sizeof tampon, szFormat, n);
    return tampon;
}

// Black text on a transparent background, as the chart's texts read.
void PreparerTextes(CDC* pDC) {
    pDC->FixerModeFond(EModeFond::Transparent);
    pDC->FixerCouleurTexte(g_couleurNoire);
}

} // namespace

void DessinerGraphiqueProblemeInverse(CDC* pDC, std::span<const double, 24> durees, bool bCalcule) {
    PreparerTextes(pDC);
    pDC->SelectionnerStylo(g_styloNoir);
    pDC->DeplacerVers(174, 40);
    pDC->LigneVers(174, 340);
    pDC->LigneVers(558, 340);
    pDC->EcrireTexte(145, 4, "Crossing duration in mn");
    pDC->EcrireTexte(174, 344, "4 january >>");
    pDC->EcrireTexte(460, 344, ">> 21 december");
    if (!bCalcule) {
        return;
    }
    const int s = EchelleDurees(durees);
    for (int y = 40; y <= 340; y += 15) {
        Segment(pDC, 172, y, 176, y);
    }
    const int yLibelles[3] = {332, 182, 32};
    for (int j = 0; j < 3; ++j) {
        pDC->EcrireTexte(135, yLibelles[j], Entier("%04d", TronquerPixel(j * s * 0.5)));
    }
    pDC->SelectionnerStylo(g_styloBleu);
    for (int k = 0; k < 24; ++k) {
        const int x = 184 + 16 * k;
        Segment(pDC, x, 340, x, TronquerPixel(340 - durees[k] * 300 / s));
    }
}

int EchelleEquivalents(std::span<const CPointBilan> points) {
    double m = 0;
    for (const CPointBilan& p : points) {
        if (p.dEquivalent > m) {
            m = p.dEquivalent;
        }
    }
    if (m > 50) {
        return 100;
    }
    if (m > 20) {
        return 50;
    }
    return 20;
}

void DessinerGraphiqueBilan(CDC* pDC, std::span<const CPointBilan> points, int nPasMinutes) {
    PreparerTextes(pDC);
    pDC->SelectionnerStylo(g_styloNoir);
    pDC->DeplacerVers(154, 40);
    pDC->LigneVers(154, 340);
    pDC->LigneVers(538, 340);
    pDC->LigneVers(538, 40);
    for (int x = 154; x <= 538; x += 16) {
        Segment(pDC, x, 338, x, 342);
    }
    for (int y = 40; y <= 340; y += 20) {
        Segment(pDC, 536, y, 540, y);
    }
    const int xHeures[3] = {242, 338, 434};
    for (int j = 0; j < 3; ++j) {
        pDC->EcrireTexte(xHeures[j], 344, Entier("%02dh", 6 * (j + 1)));
    }
    const int yDroite[4] = {332, 232, 132, 32};
    for (int j = 0; j < 4; ++j) {
        pDC->EcrireTexte(543, yDroite[j], Entier("%02d", 30 * j));
    }
    pDC->EcrireTexte(117, 4, "Equivalent in %");
    pDC->EcrireTexte(377, 4, "Incidence and Altitude in deg");
    pDC->SelectionnerStylo(g_styloBleu);
    Segment(pDC, 154, 27, 168, 22);
    pDC->SelectionnerStylo(g_styloJaune);
    Segment(pDC, 405, 27, 419, 22);
    pDC->SelectionnerStylo(g_styloRouge);
    Segment(pDC, 477, 27, 491, 22);

    if (points.size() <= 2) {
        return;
    }
    const int e = EchelleEquivalents(points);
    pDC->SelectionnerStylo(g_styloNoir);
    for (int y = 40; y <= 340; y += 15) {
        Segment(pDC, 152, y, 156, y);
    }
    const int yGauche[3] = {332, 182, 32};
    for (int j = 0; j < 3; ++j) {
        pDC->EcrireTexte(125, yGauche[j], Entier("%03d", TronquerPixel(j * e * 0.5)));
    }

    // 16 pixels per hour, the abscissa accumulated sample after sample.
    const double dPas = nPasMinutes * 0.26666666666666666;
    const auto courbe = [&](const CStylo& stylo, auto ordonnee) {
        pDC->SelectionnerStylo(stylo);
        double x = 154.0;
        bool bPremier = true;
        for (const CPointBilan& p : points) {
            const int xi = TronquerPixel(x);
            const int yi = TronquerPixel(ordonnee(p));
            if (bPremier) {
                pDC->DeplacerVers(xi, yi);
                bPremier = false;
            } else {
                pDC->LigneVers(xi, yi);
            }
            x += dPas;
        }
    };
    courbe(g_styloRouge, [](const CPointBilan& p) {
        const double y = 340 - p.dAltitude * 3.333333333333333;
        return y > 340 ? 340.0 : y; // a sun below the horizon lies on the axis
    });
    courbe(g_styloJaune,
           [](const CPointBilan& p) { return 340 - p.dIncidence * 3.333333333333333; });
    courbe(g_styloBleu, [e](const CPointBilan& p) { return 340 - p.dEquivalent * 300 / e; });
}
