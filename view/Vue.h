#pragma once

#include "geometry/Vecteur.h"
#include "platform/DC.h"
#include "view/DonneesSoleil.h"

class CVantrelDoc;

// What the click selection hands to the modeless editors that are open. The
// modelling layer implements it; the view only decides when to call.
class CEditeursOuverts {
public:
    virtual ~CEditeursOuverts() = default;
    // Open "Face main points" again, on the face now selected (the view has
    // closed it with FermerPointsPrincipaux and changed the selection).
    virtual void OuvrirPointsPrincipaux() = 0;
    // The same for "Geometrical transformations" (closed with
    // FermerTransformations).
    virtual void OuvrirTransformations() = 0;
    // A main point picked with the right button, for the focused column of
    // the selected face's "Face main points" dialog.
    virtual void PlacerPoint(const CVecteur& point) = 0;
    // A main point picked with the right button, for "Geometrical
    // transformations".
    virtual void PointChoisi(const CVecteur& point) = 0;
};

// The repaint of the whole scene, in its fixed order: lighting nodes while the
// receivers lighting window is open, grid, texts, trihedrons, north arrow,
// close sun, faces, the highlighted selection with its openings, and the
// working copies. The background is the window layer's, filled with
// g_brosseFond before. While the sun hours are shown (and the lighting window
// is closed) their nodes take the place of the lighting nodes and their legend
// is drawn last.
// nord: the site's unit vector toward the north; soleil: the sun and the
// horizon line, read only when soleil.bInitialise.
void OnDraw(CDC* pDC, CVantrelDoc& doc, const CVecteur& nord, const CDonneesSoleil& soleil);

// The lighting nodes of every meshed face, in grey levels (black to yellow),
// as single pixels or 3 x 3 squares.
void DessinerNoeuds(CDC* pDC, const CVantrelDoc& doc);
// One node in its colour: a pixel, or a 3 x 3 square for big nodes.
void DessinerPointNoeud(CDC* pDC, CPointEcran p, CCouleur couleur, bool bGros);

// Selects the face under a click (SHIFT or CTRL held). The search starts after
// the face tried last, so repeated clicks where faces meet select each in turn.
// Left button: the face found becomes the selection and the open editors follow
// it. Right button: a main point found is handed to the open editors; the
// selection stays. Nothing happens, and nothing is redrawn, when no face is hit.
void SelectionnerParClic(CVantrelDoc& doc, CEditeursOuverts& editeurs, int x, int y, bool bGauche);

// The "Face description" toggles "Points coordinates" and "Study side".
void BasculerCoordonnees(CVantrelDoc& doc);
void BasculerCoteEtude(CVantrelDoc& doc);
