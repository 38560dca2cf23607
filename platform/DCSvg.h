#pragma once

#include "platform/DC.h"

#include <string>

// A drawing surface that writes an SVG picture, so that a drawing routine can
// be saved as a vector picture without a window system. The picture covers
// the frame given, in the routine's own pixels. Each segment becomes one
// <line>, each pixel a 1 x 1 <rect>, each ellipse an <ellipse> and each text
// a <text> (UTF-8, escaped), with the pen, brush and colours in force. A
// fresh surface has the state of the other surfaces: black 1-pixel pen,
// white brush, black text on an opaque background.
class CDCSvg : public CDC {
public:
    // fond: the colour the picture is filled with before any drawing.
    CDCSvg(const CRectangle& cadre, CCouleur fond);

    void SelectionnerStylo(const CStylo& stylo) override { m_stylo = stylo; }
    void SelectionnerBrosse(const CBrosse& brosse) override { m_brosse = brosse; }
    void DeplacerVers(int x, int y) override;
    void LigneVers(int x, int y) override;
    void FixerPixel(int x, int y, CCouleur couleur) override;
    void Ellipse(int gauche, int haut, int droite, int bas) override;
    void EcrireTexte(int x, int y, const std::string& strTexte) override;
    void FixerCouleurTexte(CCouleur couleur) override { m_couleurTexte = couleur; }
    void FixerModeFond(EModeFond mode) override { m_modeFond = mode; }
    CRectangle RectangleClient() const override { return m_cadre; }
    using CDC::DeplacerVers;
    using CDC::LigneVers;

    // The whole document, closed.
    std::string Texte() const;

    // The text's size in the picture, in pixels, and the height of a line.
    static constexpr int kTaillePolice = 12;
    static constexpr int kHauteurLigne = 15;

private:
    std::string AttributsStylo() const;

    CRectangle m_cadre;
    std::string m_corps;
    CPointEcran m_position;
    CStylo m_stylo{CCouleur(0, 0, 0), 1, EStyleTrait::Plein};
    CBrosse m_brosse{CCouleur(255, 255, 255)};
    CCouleur m_couleurTexte{0, 0, 0};
    EModeFond m_modeFond = EModeFond::Opaque;
};

// A stored text (Windows-1252) as the character data of an XML element:
// UTF-8, with the markup characters escaped and the control characters XML
// cannot hold shown as '?'.
std::string TexteXml(const std::string& cp1252);
