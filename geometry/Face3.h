#pragma once

#include "geometry/Face.h"

// Triangle given by its three vertices.
class CFace3 : public CFace {
public:
    CFace3();
    const char* NomClasse() const override { return "CFace3"; }
    ETypeFace TypeFace() const override { return Triangle; }
    int Intercepte(const CVecteur& p, double eps) override;
    void PreparerRayon(const CVecteur& dir) override;
    void CalculerCotes() override { CalculerCotesTrois(); }
    double Aire() override;
    bool EstValide() override;
    void CreerCopie() override;
    void Dessiner(CDC* pDC, bool bMasquable) override;
    CVecteur PointProche(int x, int y, bool bSegments) override;
};
