#include "solar/InformationsSolaires.h"

#include "geometry/Arrondi.h"
#include "solar/ConfigurationGeographique.h"
#include "solar/PositionSoleil.h"
#include "solar/Saisie.h"

void CInformationsSolaires::ChoisirDate(int nIndexDate) {
    if (nIndexDate >= 0 && nIndexDate < CPositionSoleil::kNombreDates) {
        m_nIndexDate = nIndexDate;
    }
    Calculer();
}

void CInformationsSolaires::Calculer() {
    CSauvegardeDateHeure sauvegarde(m_soleil);
    sauvegarde.Debuter(m_nIndexDate);

    const double dHorizon = m_soleil.Site().m_dLigneHorizon;
    int n = 0;
    double h = -90;
    int t = 0;
    for (int m = 0; m < 1440; ++m) {
        m_soleil.CalculerPosition();
        if (m_soleil.m_dAltitude >= dHorizon) {
            ++n;
        }
        if (m_soleil.m_dAltitude > h) { // the first minute of the highest sun
            h = m_soleil.m_dAltitude;
            t = m;
        }
        m_soleil.AvancerMinutes(1);
    }
    m_dDureeJour = Arrondi(n * 0.016666666666666666, 2);
    m_dDureeJourPourcent = Arrondi(n * 0.06944444444444445, 2);
    m_dAltitudeZenith = Arrondi(h, 2);
    m_nHeureZenith = t / 60;
    m_nMinuteZenith = t % 60;
}

CTamponInformationsSolaires CInformationsSolaires::Montrer() const {
    CTamponInformationsSolaires t;
    t.nIndexDate = m_nIndexDate;
    t.strDureeJour = TexteResultat(m_dDureeJour);
    t.strDureeJourPourcent = TexteResultat(m_dDureeJourPourcent);
    t.strAltitudeZenith = TexteResultat(m_dAltitudeZenith);
    t.strHeureZenith = std::to_string(m_nHeureZenith);
    t.strMinuteZenith = std::to_string(m_nMinuteZenith);
    return t;
}
