#pragma once

#include "geometry/Vecteur.h"

#include <string>

class CFace;
class CVantrelDoc;

// Modeless window "Face main points" of the selected face: the point
// columns are previewed on the face's working copy and written into the face
// by "Validate >>" when the geometry is valid.

// What the window shows.
struct CTamponPoints {
    std::string strTitre;
    CVecteur points[4]; // the columns, X, Y, Z of P0 to P3
    int nColonnes;      // 3, or 4 for the quadrilateral
};

// Exchanges between the columns and the face's m_saisie. Both start by
// rounding every coordinate of m_saisie to 7 decimals, so what is shown is
// rounded while what is read is kept as typed until the next exchange.
CTamponPoints AfficherPoints(CFace& f);
void LirePoints(CFace& f, const CTamponPoints& tampon);

// Opening: the document's flag, a copy equal to the face, the columns on it,
// no focused column. Returns the columns to show.
CTamponPoints OuvrirPointsPrincipaux(CVantrelDoc& doc, CFace& f);
// "See": the copy takes the columns; the face does not change.
void VoirPoints(CVantrelDoc& doc, CFace& f, const CTamponPoints& tampon);
// "<< Restore": the copy and the columns go back to the face's points.
CTamponPoints RestaurerPoints(CVantrelDoc& doc, CFace& f);
// "Validate >>": reads `tampon`, and on return `tampon` holds what the
// columns show: the accepted points (as a curved kind may have corrected
// them), or the face's points again after the refusal message. True when
// the face took the new points.
bool ValiderPoints(CVantrelDoc& doc, CFace& f, CTamponPoints& tampon);
// Any closing of the window: the flag is cleared and the copy deleted.
void FermerPointsPrincipaux(CVantrelDoc& doc, CFace& f);
// Right-click on a main point of some face: it goes to the focused column
// and `tampon` takes the columns to show again. False, with nothing changed,
// when no column of the face has had the focus.
bool PlacerPointPrincipal(CFace& f, const CVecteur& p, CTamponPoints& tampon);
