#pragma once

#include "geometry/Face.h"

// Convex planar quadrilateral given by its four vertices in outline order.
class CFace4 : public CFace {
public:
    CFace4();
    const char* NomClasse() const override { return "CFace4"; }
    ETypeFace TypeFace() const override { return Quadrilatere; }
    int Intercepte(const CVecteur& p, double eps) override;
    void PreparerRayon(const CVecteur& dir) override;
    void CalculerCotes() override;
    double Aire() override;
    bool EstValide() override;
    void CreerCopie() override;
    void Dessiner(CDC* pDC, bool bMasquable) override;
    CVecteur PointProche(int x, int y, bool bSegments) override;

protected:
    void FacteursGrille(double& fu, double& fv) override;
};
