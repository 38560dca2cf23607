#pragma once

#include "geometry/Face.h"

// What the two curved kinds share: three main points with the triangle's
// edges, and the 36 inner points of their curved outline.
class CFaceCourbe : public CFace {
public:
    static constexpr int kPointsArc = 36;
    CVecteur m_arc[kPointsArc];

    void CalculerCotes() override { CalculerCotesTrois(); }

    // Fills m_arc from the (validated, possibly corrected) main points.
    virtual void CalculerArc() = 0;

    // The outline runs through the arc; only the two radii can be picked.
    void Dessiner(CDC* pDC, bool bMasquable) override;
    CVecteur PointProche(int x, int y, bool bSegments) override;

protected:
    // The checks both curved kinds start with: edges recomputed, both radii
    // r1 = |P1 - P0| and r2 = |P2 - P0| at least 1 mm and not aligned.
    bool RayonsValides(double& r1, double& r2);

    // Invalid points collapse the outline onto the centre.
    void ArcReduitAuCentre();
};
