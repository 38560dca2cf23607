#pragma once

#include "platform/Validation.h"

#include <array>
#include <span>
#include <string>

class CPositionSoleil;

// Edits of the position cone.
struct CTamponProblemeInverse {
    std::string strAzimutMin;
    std::string strAzimutMax;
    std::string strAltitudeMin;
    std::string strAltitudeMax;
};

// The chart's vertical scale in minutes (90, 180, 360, 720 or 1440) for the
// largest of the durations.
int EchelleDurees(std::span<const double> durees);

// For each date of the list, the minutes the sun spends inside a cone of
// sky directions (an azimuth interval and an altitude interval).
class CProblemeInverse {
public:
    // Edits of the cone, top to bottom; the id of a refused field.
    enum EChamp : int { kChampAzimutMin, kChampAzimutMax, kChampAltitudeMin, kChampAltitudeMax };

    std::array<double, 24> m_dDurees{}; // minutes inside the cone, per date of the list
    bool m_bCalcule = false;            // the durations may be drawn
    double m_dAzimutMin = 160;          // degrees, 0 to 360
    double m_dAzimutMax = 200;
    double m_dAltitudeMax = 70; // degrees, -90 to 90
    double m_dAltitudeMin = 30;

    explicit CProblemeInverse(CPositionSoleil& soleil) : m_soleil(soleil) {}
    CProblemeInverse(const CProblemeInverse&) = delete;
    CProblemeInverse& operator=(const CProblemeInverse&) = delete;

    // Each opening forgets the last results until the next "Compute".
    CTamponProblemeInverse Ouvrir();
    // "Compute": reads the cone (nothing stored or computed when a field is
    // refused), then CalculerDurees().
    CResultatValidation Calculer(const CTamponProblemeInverse& tampon);
    // Scans every date minute by minute; the sun's date and time are put back.
    // The azimuth interval does not wrap past the north.
    void CalculerDurees();
    // Full scale of the chart in minutes: 90, 180, 360, 720 or 1440.
    int Echelle() const;

private:
    CPositionSoleil& m_soleil;
};
