#pragma once

#include "geometry/Vecteur.h"
#include "platform/Validation.h"

#include <array>
#include <string>

class CConfigurationGeographique;
class COptionsCalcul;

// x reduced to [0, 2*pi).
double Modulo2Pi(double x);

// Controls of the "Sun position" window: what the user types (date, hour,
// minute) and what is shown.
struct CTamponPositionSoleil {
    int nIndexDate = 0;
    std::string strHeure;
    std::string strMinute;
    std::string strAzimut;         // read-only
    std::string strAltitude;       // read-only
    std::string strReferenceTemps; // read-only: "UT" or "UT -diff"
};

// The one sun of the program: a date of the fixed list, a time of day, and
// the azimuth, altitude and direction computed for the site. Callers that
// scan a day set the date and time, compute, read, and put the date and time
// back afterwards.
class CPositionSoleil {
public:
    // Fields of the window that can be refused.
    enum EChamp : int { kChampHeure, kChampMinute };

    static constexpr int kNombreDates = 24;
    // Index i is month i/2 + 1, day 4 (i even) or 21 (i odd).
    static const std::array<const char*, kNombreDates> s_dates;

    CVecteur m_direction;  // unit vector toward the sun, scene axes
    int m_bInitialise = 0; // 1 while the window exists
    double m_dAzimut = 0;  // degrees from the north toward the east
    double m_dAltitude = 0;
    int m_nHeure = 12;
    int m_nMinute = 0;
    int m_nIndexDate = 5; // "21 march"

    // The site and the options belong to the caller and must outlive this
    // object; they are read at each computation, never here.
    CPositionSoleil(const CConfigurationGeographique& site, const COptionsCalcul& options);
    CPositionSoleil(const CPositionSoleil&) = delete;
    CPositionSoleil& operator=(const CPositionSoleil&) = delete;

    const CConfigurationGeographique& Site() const { return m_site; }
    const COptionsCalcul& Options() const { return m_options; }

    // Day number of a date of the list in a year, and the time in days since
    // 1 January 2000 12:00 of that day at a given hour and minute.
    static long long NumeroJour(int nIndexDate, int nAnnee);
    static double JoursDepuisEpoque(long long nNumeroJour, int nHeure, int nMinute);

    // Azimuth and altitude from the date, the time, the year and the site,
    // each rounded to 2 decimals.
    void CalculerPosition();
    // m_direction from the azimuth, the altitude and the site's north.
    void CalculerDirection();
    // Adds n minutes, wrapping past midnight; the date never changes.
    void AvancerMinutes(int n);

    // The window's actions on the sun state (reading the controls comes
    // first, through Lire, and the caller abandons the action when refused).
    void Calculer();                    // "Compute"
    void Reculer() { Pas(-1); }         // "<": one time step back, then Compute
    void Avancer() { Pas(+1); }         // ">" and each animation tick
    void DiminuerAzimut();              // whole degrees, wrapping at the north,
    void AugmenterAzimut();             // then the direction only
    void DiminuerAltitude();            // whole degrees, held within -90..90,
    void AugmenterAltitude();           // then the direction only
    int PeriodeAnimation() const;       // ms between two animation ticks
    const char* ReferenceTemps() const; // "UT -diff" when the longitude is ignored

    // Opening the window: marks it open, computes and gives the controls.
    CTamponPositionSoleil Ouvrir();
    void Fermer() { m_bInitialise = 0; }
    // Reads date, hour and minute; stores nothing when a field is refused.
    CResultatValidation Lire(const CTamponPositionSoleil& tampon);
    CTamponPositionSoleil Montrer() const;

private:
    void Pas(int nSens);

    const CConfigurationGeographique& m_site;
    const COptionsCalcul& m_options;
};

// Keeps the sun's date index, hour and minute while a caller scans days, and
// puts them back when it goes out of scope (its azimuth, altitude and
// direction keep what the scan left).
class CSauvegardeDateHeure {
public:
    explicit CSauvegardeDateHeure(CPositionSoleil& soleil)
        : m_soleil(soleil), m_nIndexDate(soleil.m_nIndexDate), m_nHeure(soleil.m_nHeure),
          m_nMinute(soleil.m_nMinute) {}
    ~CSauvegardeDateHeure() {
        m_soleil.m_nIndexDate = m_nIndexDate;
        m_soleil.m_nHeure = m_nHeure;
        m_soleil.m_nMinute = m_nMinute;
    }
    CSauvegardeDateHeure(const CSauvegardeDateHeure&) = delete;
    CSauvegardeDateHeure& operator=(const CSauvegardeDateHeure&) = delete;

    // The start of a date's scan: that date at 00:00.
    void Debuter(int nIndexDate) {
        m_soleil.m_nIndexDate = nIndexDate;
        m_soleil.m_nHeure = 0;
        m_soleil.m_nMinute = 0;
    }

private:
    CPositionSoleil& m_soleil;
    int m_nIndexDate;
    int m_nHeure;
    int m_nMinute;
};
