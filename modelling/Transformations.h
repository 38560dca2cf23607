#pragma once

#include "geometry/Vecteur.h"
#include "modelling/SelectionMultiple.h"

class CFace;
class CVantrelDoc;

// Modeless window "Geometrical transformations": translations, rotations and
// homotheties of the selected face and of a group of other faces, previewed
// on their working copies and written back (or appended as duplicates) by
// "Validate >>". The faces being transformed are exactly those with a copy.
// The members keep their values from one opening to the next.
class CTransformations {
public:
    explicit CTransformations(CVantrelDoc& doc);

    CSelectionMultiple m_groupe; // the other faces of the set
    CVecteur m_vecteur{0, 0, 1}; // V: translation, and axis of rotation
    CVecteur m_centre{0, 0, 0};  // C: centre of rotation and of homothety
    double m_dAngle = 90.0;      // A, degrees
    double m_dFacteur = 1.0;     // F
    int m_bDupliquer = 0;
    // Coordinate group that last had the keyboard focus: the V fields, the
    // C fields, or none.
    enum { AucunChamp = -1, ChampVecteur = 0, ChampCentre = 1 };
    int m_nChamp = AucunChamp;

    // The fields of the window.
    struct CTampon {
        CVecteur vecteur;
        CVecteur centre;
        double dAngle;
        double dFacteur;
        bool bDupliquer;
    };

    // Exchanges with the fields. Both start by rounding the six coordinates
    // of V and C to 7 decimals; reading then overwrites them with the fields.
    CTampon Afficher();
    void Lire(const CTampon& tampon);

    // The selected face gets a copy; returns the fields to show.
    CTampon Ouvrir();
    // The buttons read the fields first, then act on every copy.
    void Translation(const CTampon& tampon);
    void Rotation(const CTampon& tampon);
    void Homothetie(const CTampon& tampon);
    void Restaurer();
    // False when a proposed geometry is invalid: the message is shown, every
    // copy is reset and nothing is applied.
    bool Valider(const CTampon& tampon);

    // "Group", around the multiple selection dialog: the old group's copies
    // go and the selected face's copy is reset; then, after the dialog
    // (bValide: it ended with "Validate"), the group's faces get copies.
    CSelectionMultiple::CTampon CommencerGroupe();
    void TerminerGroupe(bool bValide, const CSelectionMultiple::CTampon& choix);

    // Any closing of the window: no copy and no group left.
    void Fermer();

    // A point picked in the view goes to the focused group; returns the
    // fields to show again.
    CTampon PointChoisi(const CVecteur& p);

private:
    void ArrondirVecteurs();
    template <class Transformation>
    void Transformer(Transformation transformation);

    CVantrelDoc& m_doc;
};
