#pragma once

#include "platform/DC.h"

#include <string>
#include <vector>

// Test double of the drawing surface: keeps every call in order, each with
// the pen, brush, text colour and background mode in force, so that tests
// compare exact pixel coordinates and colours.
class CDCEnregistreur : public CDC {
public:
    enum class EType {
        Stylo,
        Brosse,
        Deplacement,
        Ligne,
        Pixel,
        Ellipse,
        Texte,
        CouleurTexte,
        ModeFond
    };

    struct CPrimitive {
        EType type = EType::Ligne;
        // Deplacement: (x1, y1). Ligne: from (x1, y1) to (x2, y2). Pixel and
        // Texte: (x1, y1). Ellipse: the box.
        int x1 = 0;
        int y1 = 0;
        int x2 = 0;
        int y2 = 0;
        CCouleur couleur; // Pixel: its colour
        std::string strTexte;
        // The state in force when the call was made (after it, for the state
        // calls themselves).
        CStylo stylo;
        CBrosse brosse;
        CCouleur couleurTexte;
        EModeFond modeFond = EModeFond::Opaque;
    };

    // A segment as drawn, for comparisons.
    struct CSegment {
        CPointEcran a;
        CPointEcran b;
        CStylo stylo;

        friend bool operator==(const CSegment&, const CSegment&) = default;
    };

    explicit CDCEnregistreur(CRectangle client = CRectangle{0, 0, 800, 600});

    std::vector<CPrimitive> m_primitives;

    void SelectionnerStylo(const CStylo& stylo) override;
    void SelectionnerBrosse(const CBrosse& brosse) override;
    void DeplacerVers(int x, int y) override;
    void LigneVers(int x, int y) override;
    void FixerPixel(int x, int y, CCouleur couleur) override;
    void Ellipse(int gauche, int haut, int droite, int bas) override;
    void EcrireTexte(int x, int y, const std::string& strTexte) override;
    void FixerCouleurTexte(CCouleur couleur) override;
    void FixerModeFond(EModeFond mode) override;
    CRectangle RectangleClient() const override { return m_client; }
    using CDC::DeplacerVers;
    using CDC::LigneVers;

    // The calls of one type, in order.
    std::vector<CPrimitive> DeType(EType type) const;
    std::vector<CSegment> Segments() const;
    std::vector<std::string> Textes() const;
    void Effacer() { m_primitives.clear(); }

private:
    CPrimitive Nouvelle(EType type) const;

    CRectangle m_client;
    CPointEcran m_position;
    // A fresh surface: black 1 px pen, white brush, black opaque text.
    CStylo m_stylo{CCouleur(0, 0, 0), 1, EStyleTrait::Plein};
    CBrosse m_brosse{CCouleur(255, 255, 255)};
    CCouleur m_couleurTexte{0, 0, 0};
    EModeFond m_modeFond = EModeFond::Opaque;
};
