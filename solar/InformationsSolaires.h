#pragma once

#include <string>

class CPositionSoleil;

// What the "Solar information" dialog shows: the selected date and the
// read-only results.
struct CTamponInformationsSolaires {
    int nIndexDate = 0;
    std::string strDureeJour;
    std::string strDureeJourPourcent;
    std::string strAltitudeZenith;
    std::string strHeureZenith;
    std::string strMinuteZenith;
};

// Daylight duration and highest sun of one date of the list at the current
// site, scanned minute by minute with the document's sun.
class CInformationsSolaires {
public:
    int m_nIndexDate = 0;            // the date selected in the list
    double m_dDureeJour = 0;         // hours
    double m_dDureeJourPourcent = 0; // percent of the 24 hours
    double m_dAltitudeZenith = 0;    // degrees
    int m_nHeureZenith = 0;
    int m_nMinuteZenith = 0;

    explicit CInformationsSolaires(CPositionSoleil& soleil) : m_soleil(soleil) {}
    CInformationsSolaires(const CInformationsSolaires&) = delete;
    CInformationsSolaires& operator=(const CInformationsSolaires&) = delete;

    // Opening selects the first date and computes.
    void Ouvrir() { ChoisirDate(0); }
    // Each change of the selected date computes.
    void ChoisirDate(int nIndexDate);
    // Scans the selected date from 00:00 to 23:59. The sun's date and time
    // are put back; its azimuth and altitude are left at 23:59.
    void Calculer();
    CTamponInformationsSolaires Montrer() const;

private:
    CPositionSoleil& m_soleil;
};
