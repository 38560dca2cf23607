#pragma once

#include "geometry/Vecteur.h"
#include "modelling/ResultatInsertion.h"

#include <string>

class CVantrelDoc;

// Dialog "Right parallelepiped insertion": the six faces of the axis-aligned
// box with two given opposite vertices, facing outward, named "<base> 1"
// (x max) to "<base> 6" (bottom) from the selected position on.
class CInsertionParallelepipede {
public:
    static constexpr int kLongueurNom = 27;

    explicit CInsertionParallelepipede(CVantrelDoc& doc) : m_doc(doc) {}

    std::string m_strNom = "box";
    CVecteur m_sommet1{0, 0, 0};
    CVecteur m_sommet2{2, 2, 2};

    struct CTampon {
        std::string strNom;
        CVecteur sommet1;
        CVecteur sommet2;
    };
    // A vertex's X field, followed by its Y and Z fields.
    enum EChamp { ChampNom, ChampSommet1, ChampSommet2 = ChampSommet1 + 3 };

    // The defaults, at every opening.
    CTampon Ouvrir();
    CResultatInsertion Inserer(const CTampon& tampon);

private:
    CVantrelDoc& m_doc;
};
