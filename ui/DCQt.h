#pragma once

#include "platform/DC.h"

class QPainter;

// The drawing surface over a QPainter, with the pixel rules the drawing
// routines are written for: a 1-pixel segment covers its start and not its
// end, an ellipse stays inside its box (right and bottom excluded), pixels
// and discs are never smoothed, and text is placed by the top-left corner of
// its cell in the painter's font. A fresh surface has a black 1-pixel pen, a
// white brush and black text on an opaque white background.
class CDCQt : public CDC {
public:
    CDCQt(QPainter& painter, const CRectangle& client);

    void SelectionnerStylo(const CStylo& stylo) override { m_stylo = stylo; }
    void SelectionnerBrosse(const CBrosse& brosse) override { m_brosse = brosse; }
    void DeplacerVers(int x, int y) override;
    void LigneVers(int x, int y) override;
    void FixerPixel(int x, int y, CCouleur couleur) override;
    void Ellipse(int gauche, int haut, int droite, int bas) override;
    void EcrireTexte(int x, int y, const std::string& strTexte) override;
    void FixerCouleurTexte(CCouleur couleur) override { m_couleurTexte = couleur; }
    void FixerModeFond(EModeFond mode) override { m_modeFond = mode; }
    CRectangle RectangleClient() const override { return m_client; }
    using CDC::DeplacerVers;
    using CDC::LigneVers;

private:
    void AppliquerStylo();

    QPainter& m_painter;
    CRectangle m_client;
    CPointEcran m_position;
    CStylo m_stylo{CCouleur(0, 0, 0), 1, EStyleTrait::Plein};
    CBrosse m_brosse{CCouleur(255, 255, 255)};
    CCouleur m_couleurTexte{0, 0, 0};
    EModeFond m_modeFond = EModeFond::Opaque;
};
