#pragma once

#include "platform/PointEcran.h"

#include <cstdint>
#include <string>

// An RGB colour.
struct CCouleur {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;

    constexpr CCouleur() = default;
    constexpr CCouleur(std::uint8_t rouge, std::uint8_t vert, std::uint8_t bleu)
        : r(rouge), g(vert), b(bleu) {}

    friend bool operator==(const CCouleur&, const CCouleur&) = default;
};

enum class EStyleTrait { Plein, Pointille };

// Pens and brushes are plain values: selecting one copies it into the
// surface, so the named drawing objects can be constants.
struct CStylo {
    CCouleur couleur;
    int nLargeur = 1;
    EStyleTrait style = EStyleTrait::Plein;

    friend bool operator==(const CStylo&, const CStylo&) = default;
};

struct CBrosse {
    CCouleur couleur;

    friend bool operator==(const CBrosse&, const CBrosse&) = default;
};

// Whether text cells are painted behind the letters.
enum class EModeFond { Transparent, Opaque };

// The drawing surface handed to every drawing routine. It holds exactly the
// primitives those routines use; the window layer paints with it, tests
// record it.
class CDC {
public:
    virtual ~CDC() = default;

    virtual void SelectionnerStylo(const CStylo& stylo) = 0;
    virtual void SelectionnerBrosse(const CBrosse& brosse) = 0;
    // Sets the current position without drawing.
    virtual void DeplacerVers(int x, int y) = 0;
    // A segment from the current position, which then moves to (x, y).
    virtual void LigneVers(int x, int y) = 0;
    virtual void FixerPixel(int x, int y, CCouleur couleur) = 0;
    // The ellipse inscribed in the box, outlined with the pen and filled with
    // the brush.
    virtual void Ellipse(int gauche, int haut, int droite, int bas) = 0;
    // Text placed by the top-left corner of its first cell.
    virtual void EcrireTexte(int x, int y, const std::string& strTexte) = 0;
    virtual void FixerCouleurTexte(CCouleur couleur) = 0;
    virtual void FixerModeFond(EModeFond mode) = 0;
    virtual CRectangle RectangleClient() const = 0;

    void DeplacerVers(CPointEcran p) { DeplacerVers(p.x, p.y); }
    void LigneVers(CPointEcran p) { LigneVers(p.x, p.y); }
};
