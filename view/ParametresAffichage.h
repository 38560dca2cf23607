#pragma once

#include "geometry/Vecteur.h"
#include "platform/Validation.h"

#include <string>

class CDC;
struct CDonneesSoleil;

// Page "General": the title, the overlays and the display flags.
class CArchive;

class CAffGeneral {
public:
    int m_bCoordonnees = 0; // coordinates of the selected face's main points
    int m_bCoteEtude = 0;   // study side of the selected face
    // The world unit vectors drawn by the trihedrons and the north arrow.
    CVecteur m_axes[3] = {CVecteur(1, 0, 0), CVecteur(0, 1, 0), CVecteur(0, 0, 1)};
    std::string m_strTitre = "no title";
    int m_bTriedreCentral = 1;
    int m_bTriedreInformatif = 1;
    int m_bDirectionNord = 1;
    int m_bElementsTextuels = 1;
    int m_bBrillance = 1; // highlight of the selected face
    int m_bGrosNoeuds = 0;

    // The page's fields; the title in Windows-1252.
    struct CTampon {
        std::string strTitre;
        bool bTriedreCentral, bTriedreInformatif, bDirectionNord, bElementsTextuels, bBrillance,
            bGrosNoeuds;
    };
    CTampon Ouvrir() const;
    CResultatValidation Verifier(const CTampon& tampon) const;
    void Stocker(const CTampon& tampon); // an accepted page

    // Overlays (view/DessinAffichage.cpp). Each selects the pen it needs and
    // leaves it selected.
    // strFaceSelectionnee: the selected face's label, LibelleFace(-1).
    void DessinerTextes(CDC* pDC, const std::string& strFaceSelectionnee) const;
    void DessinerTriedreCentral(CDC* pDC) const;
    void DessinerTriedreInformatif(CDC* pDC, const CRectangle& client) const;
    // nord: the site's unit vector toward the north, scene axes.
    void DessinerDirectionNord(CDC* pDC, const CVecteur& nord) const;
};

// Page "Grid": a reference grid through a centre, spanned by two vectors.
class CAffQuadrillage {
public:
    int m_bAfficher = 0;
    int m_bSignaler = 1;
    static constexpr CPlageEntier kPlageRepetition{1, 100};
    int m_nRepetition = 10;
    CVecteur m_centre = CVecteur(0, 0, 0);
    CVecteur m_vecteur1 = CVecteur(1, 0, 0);
    CVecteur m_vecteur2 = CVecteur(0, 1, 0);

    // The page's fields: the edits as typed, X, Y, Z of each point.
    struct CTampon {
        bool bAfficher, bSignaler;
        std::string strRepetition;
        std::string strCentre[3], strVecteur1[3], strVecteur2[3];
    };
    CTampon Ouvrir() const;
    CResultatValidation Verifier(const CTampon& tampon) const;
    void Stocker(const CTampon& tampon);

    void Dessiner(CDC* pDC) const; // view/DessinAffichage.cpp
};

// Page "Sun": the close sun and its ray toward a target point.
class CAffSoleil {
public:
    int m_bSoleilProche = 1;
    int m_bRayonProche = 1;
    CVecteur m_pointCible = CVecteur(0, 0, 0);
    static constexpr CPlage kPlageDistance{0, 1000}; // m
    double m_dDistance = 10.0;                       // m

    struct CTampon {
        bool bSoleilProche, bRayonProche;
        std::string strCible[3];
        std::string strDistance;
    };
    CTampon Ouvrir() const;
    CResultatValidation Verifier(const CTampon& tampon) const;
    void Stocker(const CTampon& tampon);

    // The close sun and its ray (view/DessinAffichage.cpp).
    void Dessiner(CDC* pDC, const CDonneesSoleil& soleil) const;
};

// The view parameters, stored with the scene.
class CParametresAffichage {
public:
    // Writes or reads the stored members, in file order.
    void Serialize(CArchive& ar);

    CAffGeneral m_pageGeneral;
    CAffQuadrillage m_pageQuadrillage;
    CAffSoleil m_pageSoleil;

    // Fields the checks may refuse; a point's X, Y, Z follow its first id.
    enum EChamp : int {
        kChampTitre,
        kChampRepetition,
        kChampCentre,
        kChampVecteur1 = kChampCentre + 3,
        kChampVecteur2 = kChampVecteur1 + 3,
        kChampCible = kChampVecteur2 + 3,
        kChampDistance = kChampCible + 3,
    };
    static constexpr int kLongueurTitre = 30;
};

// One run of the "View parameters" sheet. A page takes the stored members
// into its buffers the first time it is shown; leaving a page checks its
// fields; OK checks every page shown and stores them all, or nothing. A
// sheet dropped without OK (Cancel) stores nothing.
class CFeuilleParametres {
public:
    enum EPage { kPageGeneral, kPageQuadrillage, kPageSoleil };

    explicit CFeuilleParametres(CParametresAffichage& parametres) : m_parametres(parametres) {}

    CAffGeneral::CTampon m_general{};
    CAffQuadrillage::CTampon m_quadrillage{};
    CAffSoleil::CTampon m_soleil{};
    // The page "Sun"'s option "Display the sun's path". It is no part of the
    // scene file: the window layer keeps it in the program's settings, sets
    // it before the sheet runs and takes it back after OK.
    bool m_bCourseSoleil = false;

    // The page is about to be shown: true the first time, when its buffers
    // have just been filled.
    bool Montrer(EPage page);
    bool Montree(EPage page) const { return m_bMontree[page]; }
    // The user leaves the page: its buffers are checked.
    CResultatValidation Quitter(EPage page) const;
    // OK: every page shown is checked, and only when all are accepted are
    // they stored.
    CResultatValidation Valider();

private:
    CParametresAffichage& m_parametres;
    bool m_bMontree[3] = {false, false, false};
};
