#include "modelling/Transformations.h"

#include "document/VantrelDoc.h"
#include "geometry/Arrondi.h"

#include <memory>
#include <utility>

CTransformations::CTransformations(CVantrelDoc& doc) : m_groupe(doc), m_doc(doc) {
    m_groupe.m_strConsigne = "Select other faces to transform...";
}

void CTransformations::ArrondirVecteurs() {
    for (CVecteur* v : {&m_vecteur, &m_centre}) {
        v->m_x = Arrondi(v->m_x, 7);
        v->m_y = Arrondi(v->m_y, 7);
        v->m_z = Arrondi(v->m_z, 7);
    }
}

CTransformations::CTampon CTransformations::Afficher() {
    ArrondirVecteurs();
    return CTampon{m_vecteur, m_centre, m_dAngle, m_dFacteur, m_bDupliquer != 0};
}

void CTransformations::Lire(const CTampon& t) {
    ArrondirVecteurs();
    m_vecteur = t.vecteur;
    m_centre = t.centre;
    m_dAngle = t.dAngle;
    m_dFacteur = t.dFacteur;
    m_bDupliquer = t.bDupliquer ? 1 : 0;
}

CTransformations::CTampon CTransformations::Ouvrir() {
    m_doc.m_bTransformationsOuvertes = true;
    // A group is never left over from an earlier opening.
    m_groupe.m_faces.clear();
    if (CFace* pFace = m_doc.Face(-1)) {
        pFace->CreerCopie();
        pFace->TransfererPoints(true);
    }
    m_doc.RedessinerVues();
    m_nChamp = AucunChamp;
    return Afficher();
}

template <class Transformation>
void CTransformations::Transformer(Transformation transformation) {
    for (int i = 0; i < g_nFaces; ++i) {
        CFace* pCopie = m_doc.Face(i)->m_pCopie.get();
        if (pCopie == nullptr) {
            continue;
        }
        for (CVecteur& p : pCopie->m_points) {
            p = transformation(p);
        }
        pCopie->m_bContourAJour = false;
    }
    m_doc.RedessinerVues();
}

void CTransformations::Translation(const CTampon& t) {
    Lire(t);
    const CVecteur v = m_vecteur;
    Transformer([&](const CVecteur& p) { return p + v; });
}

void CTransformations::Rotation(const CTampon& t) {
    Lire(t);
    const CVecteur c = m_centre;
    const CVecteur v = m_vecteur;
    const double a = m_dAngle;
    // No axis or no angle: the points stay exactly as they are, not C + (P - C).
    const bool bNulle = v.Norme() == 0.0 || a == 0.0;
    Transformer([&](const CVecteur& p) { return bNulle ? p : p.RotationAutour(c, v, a); });
}

void CTransformations::Homothetie(const CTampon& t) {
    Lire(t);
    const CVecteur c = m_centre;
    const double f = m_dFacteur;
    Transformer([&](const CVecteur& p) { return c + (p - c) * f; });
}

void CTransformations::Restaurer() {
    for (int i = 0; i < g_nFaces; ++i) {
        CFace* pFace = m_doc.Face(i);
        if (pFace->m_pCopie) {
            pFace->TransfererPoints(true);
        }
    }
    m_doc.RedessinerVues();
}

bool CTransformations::Valider(const CTampon& t) {
    for (int i = 0; i < g_nFaces; ++i) {
        CFace* pCopie = m_doc.Face(i)->m_pCopie.get();
        if (pCopie != nullptr && !pCopie->EstValide()) {
            m_doc.Interaction().Message("The geometry proposed is not valid   ", "Impossible",
                                        EIcone::Stop, EBoutons::Ok);
            Restaurer();
            return false;
        }
    }
    Lire(t);
    // The bound is read at every step: the duplicates appended here are
    // visited too, and skipped since they have no copy.
    for (int i = 0; i < g_nFaces; ++i) {
        CFace* pFace = m_doc.Face(i);
        if (!pFace->m_pCopie) {
            continue;
        }
        if (m_bDupliquer != 0) {
            std::unique_ptr<CFace> pDouble = std::move(pFace->m_pCopie);
            pDouble->CalculerNormale();
            pDouble->m_proprietes.CopierProprietes(pFace->m_proprietes);
            m_doc.AjouterFace(std::move(pDouble));
            pFace->CreerCopie();
            pFace->TransfererPoints(true);
        } else {
            pFace->TransfererPoints(false);
        }
    }
    m_doc.RedessinerVues();
    m_doc.SetModifiedFlag();
    // Each validation in the open window is a step of its own.
    m_doc.MemoriserEtape(g_nFaceSelectionnee);
    return true;
}

CSelectionMultiple::CTampon CTransformations::CommencerGroupe() {
    for (CFace* pFace : m_groupe.m_faces) {
        pFace->m_pCopie.reset();
    }
    if (CFace* pFace = m_doc.Face(-1); pFace != nullptr && pFace->m_pCopie) {
        pFace->TransfererPoints(true);
    }
    m_doc.RedessinerVues();
    return m_groupe.Ouvrir();
}

void CTransformations::TerminerGroupe(bool bValide, const CSelectionMultiple::CTampon& choix) {
    if (bValide) {
        m_groupe.Valider(choix);
    }
    for (CFace* pFace : m_groupe.m_faces) {
        pFace->CreerCopie();
        pFace->TransfererPoints(true);
    }
    m_doc.RedessinerVues();
}

void CTransformations::Fermer() {
    m_groupe.m_faces.clear();
    // Clears the flag, deletes every copy, tells the window layer, redraws.
    m_doc.FermerTransformations();
}

CTransformations::CTampon CTransformations::PointChoisi(const CVecteur& p) {
    if (m_nChamp == ChampVecteur) {
        m_vecteur = p;
    } else if (m_nChamp == ChampCentre) {
        m_centre = p;
    }
    return Afficher();
}
