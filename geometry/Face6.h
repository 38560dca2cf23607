#pragma once

#include "geometry/FaceCourbe.h"

// Quarter ellipse: P0 the centre, P1 and P2 the ends of its two semi-axes.
class CFace6 : public CFaceCourbe {
public:
    CFace6();
    const char* NomClasse() const override { return "CFace6"; }
    ETypeFace TypeFace() const override { return QuartEllipse; }
    int Intercepte(const CVecteur& p, double eps) override;
    void PreparerRayon(const CVecteur& dir) override { PreparerMatrice(dir); }
    double Aire() override;
    bool EstValide() override; // makes the second semi-axis perpendicular to the first
    void CreerCopie() override;
    void CalculerArc() override;
};
