#pragma once

#include "solar/ProblemeInverse.h"

#include <span>
#include <vector>

class CDC;

// The charts of the "Reversed problem" and "Day report" dialogs, drawn in the
// dialog's client pixels (origin top left, y downwards).

// Axes and texts; when bCalcule, the scale, its ticks and labels and one blue
// bar per date. durees: the 24 crossing durations in minutes.
void DessinerGraphiqueProblemeInverse(CDC* pDC, std::span<const double, 24> durees, bool bCalcule);

// One sample of the day report as the chart reads it.
struct CPointBilan {
    double dEquivalent; // %
    double dIncidence;  // degrees
    double dAltitude;   // degrees
};

// Day report: the left scale in percent (20, 50 or 100) for the largest
// equivalent of the samples.
int EchelleEquivalents(std::span<const CPointBilan> points);
// Frame, ticks, labels, titles and legend; with more than 2 samples the left
// scale and the curves altitude (red), incidence (yellow) and equivalent
// (blue). nPasMinutes: the time between two samples.
void DessinerGraphiqueBilan(CDC* pDC, std::span<const CPointBilan> points, int nPasMinutes);

// The same from the day report's own samples (any type with m_dEquivalent,
// m_dIncidence and m_dAltitude).
template <class TEchantillon>
void DessinerGraphiqueBilan(CDC* pDC, const TEchantillon* pEchantillons, int nEchantillons,
                            int nPasMinutes) {
    std::vector<CPointBilan> points;
    for (int k = 0; k < nEchantillons; ++k) {
        const TEchantillon& e = pEchantillons[k];
        points.push_back(CPointBilan{e.m_dEquivalent, e.m_dIncidence, e.m_dAltitude});
    }
    DessinerGraphiqueBilan(pDC, std::span<const CPointBilan>(points), nPasMinutes);
}
