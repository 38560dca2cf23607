#include "view/CourseSoleil.h"

#include "platform/DC.h"
#include "solar/PositionSoleil.h"
#include "view/Dessin.h"
#include "view/ParametresAffichage.h"

#include <cstdio>
#include <string>

namespace {

constexpr int kMinutesJour = 1440;
constexpr int kPasMinutes = 10;

} // namespace

std::vector<CPointCourse> CourseSoleil(const CConfigurationGeographique& site,
                                       const COptionsCalcul& options, int nIndexDate) {
    CPositionSoleil soleil(site, options);
    soleil.m_nIndexDate = nIndexDate;
    soleil.m_nHeure = 0;
    soleil.m_nMinute = 0;
    std::vector<CPointCourse> course;
    bool bLeve = false; // the sun was up at the minute before
    CPointCourse dernier;
    for (int m = 0; m < kMinutesJour; ++m) {
        soleil.CalculerPosition();
        const bool bAuDessus = soleil.m_dAltitude >= 0;
        if (bAuDessus) {
            soleil.CalculerDirection();
            const CPointCourse p{soleil.m_direction, m, !bLeve};
            if (!bLeve || m % kPasMinutes == 0) {
                course.push_back(p);
            }
            dernier = p;
        } else if (bLeve && course.back().nMinutes != dernier.nMinutes) {
            course.push_back(dernier); // the last minute before sunset
        }
        bLeve = bAuDessus;
        soleil.AvancerMinutes(1);
    }
    if (bLeve && course.back().nMinutes != dernier.nMinutes) {
        course.push_back(dernier);
    }
    return course;
}

void DessinerCourseSoleil(CDC* pDC, const CAffSoleil& page, std::span<const CPointCourse> course) {
    pDC->SelectionnerStylo(g_styloCourse);
    pDC->SelectionnerBrosse(g_brosseCourse);
    pDC->FixerCouleurTexte(g_couleurCourse);
    const auto ecran = [&page](const CPointCourse& p) {
        return (page.m_pointCible + p.direction * page.m_dDistance).Projeter();
    };
    for (const CPointCourse& p : course) {
        const CPointEcran q = ecran(p);
        if (p.bLever) {
            pDC->DeplacerVers(q);
        } else {
            pDC->LigneVers(q);
        }
    }
    // The marks over the whole line.
    for (const CPointCourse& p : course) {
        if (p.nMinutes % 60 != 0) {
            continue;
        }
        const CPointEcran q = ecran(p);
        pDC->Ellipse(q.x - 2, q.y - 2, q.x + 3, q.y + 3);
        char heure[16];
        std::snprintf(heure, sizeof heure, "%02dh", p.nMinutes / 60);
        pDC->EcrireTexte(q.x + 4, q.y + 2, heure);
    }
}
