#include "modelling/PointsPrincipaux.h"

#include "document/VantrelDoc.h"
#include "geometry/Arrondi.h"
#include "geometry/Face.h"

namespace {

void ArrondirSaisie(CFace& f) {
    for (CVecteur& v : f.m_saisie) {
        v.m_x = Arrondi(v.m_x, 7);
        v.m_y = Arrondi(v.m_y, 7);
        v.m_z = Arrondi(v.m_z, 7);
    }
}

} // namespace

CTamponPoints AfficherPoints(CFace& f) {
    ArrondirSaisie(f);
    CTamponPoints t;
    t.strTitre = f.m_strTitre;
    for (int i = 0; i < 4; ++i) {
        t.points[i] = f.m_saisie[i];
    }
    t.nColonnes = f.m_nPoints;
    return t;
}

void LirePoints(CFace& f, const CTamponPoints& t) {
    ArrondirSaisie(f);
    // The caption is read-only: only the coordinates come back.
    for (int i = 0; i < 4; ++i) {
        f.m_saisie[i].Fixe(t.points[i].m_x, t.points[i].m_y, t.points[i].m_z);
    }
}

CTamponPoints OuvrirPointsPrincipaux(CVantrelDoc& doc, CFace& f) {
    doc.m_bPointsPrincipauxOuverts = true;
    f.CreerCopie();
    f.TransfererPoints(true);
    f.TransfererSaisie(false);
    CTamponPoints t = AfficherPoints(f);
    f.m_nFocus = -1;
    doc.RedessinerVues();
    return t;
}

void VoirPoints(CVantrelDoc& doc, CFace& f, const CTamponPoints& t) {
    LirePoints(f, t);
    f.TransfererSaisie(true);
    doc.RedessinerVues();
}

CTamponPoints RestaurerPoints(CVantrelDoc& doc, CFace& f) {
    f.TransfererPoints(true);
    f.TransfererSaisie(false);
    CTamponPoints t = AfficherPoints(f);
    doc.RedessinerVues();
    return t;
}

bool ValiderPoints(CVantrelDoc& doc, CFace& f, CTamponPoints& t) {
    LirePoints(f, t);
    f.TransfererSaisie(true);
    if (f.m_pCopie->EstValide()) {
        f.TransfererPoints(false);
        f.TransfererSaisie(false);
        t = AfficherPoints(f);
        doc.RedessinerVues();
        doc.SetModifiedFlag();
        // Each validation in the open window is a step of its own.
        doc.MemoriserEtape(g_nFaceSelectionnee);
        return true;
    }
    doc.Interaction().Message("The geometry proposed is not valid   ", "Impossible", EIcone::Stop,
                              EBoutons::Ok);
    t = RestaurerPoints(doc, f);
    return false;
}

void FermerPointsPrincipaux(CVantrelDoc& doc, CFace& f) {
    f.m_pCopie.reset();
    // Clears the flag, tells the window layer and redraws.
    doc.FermerPointsPrincipaux();
}

bool PlacerPointPrincipal(CFace& f, const CVecteur& p, CTamponPoints& t) {
    if (!f.PlacerPoint(p)) {
        return false;
    }
    t = AfficherPoints(f);
    return true;
}
