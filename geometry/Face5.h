#pragma once

#include "geometry/FaceCourbe.h"

// Acute circular sector: P0 the centre, P1 and P2 the ends of the arc.
class CFace5 : public CFaceCourbe {
public:
    CFace5();
    const char* NomClasse() const override { return "CFace5"; }
    ETypeFace TypeFace() const override { return Secteur; }
    int Intercepte(const CVecteur& p, double eps) override;
    void PreparerRayon(const CVecteur& dir) override;
    double Aire() override;
    bool EstValide() override; // moves P2 onto the circle of radius |P1 - P0|
    void CreerCopie() override;
    void CalculerArc() override;
};
