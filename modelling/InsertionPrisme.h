#pragma once

#include "geometry/Vecteur.h"
#include "modelling/ResultatInsertion.h"

#include <string>

class CVantrelDoc;

// Dialog "Prism insertion": the lateral faces of a right prism with a
// regular base, as quadrilaterals facing outward, named "<base> 1" to
// "<base> N" from the selected position on.
class CInsertionPrisme {
public:
    // Room for " 99" within the 30 characters of a face name.
    static constexpr int kLongueurNom = 27;
    static constexpr int kCotesMin = 3;
    static constexpr int kCotesMax = 99;

    explicit CInsertionPrisme(CVantrelDoc& doc) : m_doc(doc) {}

    std::string m_strNom = "prism";
    int m_nCotes = 6;
    CVecteur m_hauteur{0, 0, 2};
    CVecteur m_sommetBase{1, 0, 0};
    CVecteur m_centreBase{0, 0, 0};

    struct CTampon {
        std::string strNom;
        int nCotes;
        CVecteur hauteur;
        CVecteur sommetBase;
        CVecteur centreBase;
    };
    // A point's X field, followed by its Y and Z fields.
    enum EChamp {
        ChampNom,
        ChampCotes,
        ChampHauteur,
        ChampSommetBase = ChampHauteur + 3,
        ChampCentreBase = ChampSommetBase + 3
    };

    // The defaults, at every opening.
    CTampon Ouvrir();
    CResultatInsertion Inserer(const CTampon& tampon);

private:
    CVantrelDoc& m_doc;
};
