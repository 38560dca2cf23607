#include "view/Vue.h"

#include "document/VantrelDoc.h"
#include "platform/DC.h"
#include "view/Camera.h"
#include "view/CourseSoleil.h"
#include "view/Dessin.h"
#include "view/DessinHeures.h"

void DessinerNoeuds(CDC* pDC, const CVantrelDoc& doc) {
    const bool bGros = doc.m_parametresAffichage.m_pageGeneral.m_bGrosNoeuds != 0;
    for (const auto& pFace : doc.m_faces) {
        if (!pFace->m_pNoeuds) {
            continue;
        }
        const CMaillage& m = *pFace->m_pNoeuds;
        for (int i = 0; i < m.Taille(); ++i) {
            const CVecteur noeud = m.Noeud(i);
            const double v = noeud.m_fValeur;
            const auto niveau = static_cast<std::uint8_t>(TronquerPixel(v * 2.55) & 0xFF);
            const CCouleur couleur(niveau, niveau, 0);
            DessinerPointNoeud(pDC, noeud.Projeter(), couleur, bGros);
        }
    }
}

void DessinerPointNoeud(CDC* pDC, CPointEcran p, CCouleur couleur, bool bGros) {
    if (!bGros) {
        pDC->FixerPixel(p.x, p.y, couleur);
        return;
    }
    for (int dx : {0, -1, 1}) {
        for (int dy : {0, -1, 1}) {
            pDC->FixerPixel(p.x + dx, p.y + dy, couleur);
        }
    }
}

void OnDraw(CDC* pDC, CVantrelDoc& doc, const CVecteur& nord, const CDonneesSoleil& soleil) {
    const CParametresAffichage& parametres = doc.m_parametresAffichage;
    const CAffGeneral& general = parametres.m_pageGeneral;

    pDC->FixerModeFond(EModeFond::Transparent);
    if (doc.m_bEclairementOuvert) {
        DessinerNoeuds(pDC, doc);
    } else if (doc.m_heuresSoleil.m_bAffichees) {
        DessinerNoeudsHeures(pDC, doc);
    }
    const CRectangle client = pDC->RectangleClient();
    parametres.m_pageQuadrillage.Dessiner(pDC);
    general.DessinerTextes(pDC, doc.LibelleFace(-1));
    general.DessinerTriedreCentral(pDC);
    general.DessinerTriedreInformatif(pDC, client);
    general.DessinerDirectionNord(pDC, nord);
    if (soleil.bInitialise) {
        if (soleil.bCourse) {
            DessinerCourseSoleil(pDC, parametres.m_pageSoleil,
                                 CourseSoleil(doc.m_configurationGeographique, doc.m_optionsCalcul,
                                              doc.m_positionSoleil.m_nIndexDate));
        }
        parametres.m_pageSoleil.Dessiner(pDC, soleil);
    }

    // Receivers are drawn over the other faces.
    pDC->SelectionnerStylo(g_styloFaces);
    for (const auto& pFace : doc.m_faces) {
        if (pFace->m_proprietes.m_bRecepteur == 0) {
            pFace->Dessiner(pDC, true);
        }
    }
    pDC->SelectionnerStylo(g_styloRecepteurs);
    for (const auto& pFace : doc.m_faces) {
        if (pFace->m_proprietes.m_bRecepteur != 0) {
            pFace->Dessiner(pDC, true);
        }
    }

    CFace* pSelection = doc.Face(-1);
    if (general.m_bBrillance != 0 && pSelection != nullptr) {
        pDC->SelectionnerStylo(g_styloSelection);
        pSelection->Dessiner(pDC, false); // shown even when hidden
        pDC->FixerCouleurTexte(g_couleurNoire);
        if (general.m_bCoordonnees != 0) {
            pSelection->DessinerCoordonnees(pDC);
        }
        if (general.m_bCoteEtude != 0) {
            pSelection->DessinerCoteEtude(pDC);
        }
        pDC->SelectionnerStylo(g_styloOuvertures);
        for (CFace* pOuverture : pSelection->m_ouvertures.m_faces) {
            pOuverture->Dessiner(pDC, true);
        }
    }

    pDC->SelectionnerStylo(g_styloCopie);
    for (const auto& pFace : doc.m_faces) {
        if (pFace->m_pCopie) {
            pFace->m_pCopie->Dessiner(pDC, true);
        }
    }
    if (!doc.m_bEclairementOuvert && doc.m_heuresSoleil.m_bAffichees) {
        DessinerLegendeHeures(pDC, doc.m_heuresSoleil);
    }
}

void SelectionnerParClic(CVantrelDoc& doc, CEditeursOuverts& editeurs, int x, int y, bool bGauche) {
    CVecteur r(0, 0, 0, 0.0f);
    bool bTouchee = false;
    for (int k = 0; k < g_nFaces; ++k) {
        ++g_nFaceTestee;
        if (g_nFaceTestee > g_nFaces - 1) {
            g_nFaceTestee = 0;
        }
        r = doc.Face(g_nFaceTestee)->PointProche(x, y, bGauche);
        if (r.m_fValeur == 0) {
            bTouchee = true;
            break;
        }
    }
    if (!bTouchee) {
        return;
    }
    if (bGauche) {
        // The open editors are closed on the old selection and opened again
        // on the new one.
        if (doc.m_bPointsPrincipauxOuverts) {
            doc.FermerPointsPrincipaux();
            g_nFaceSelectionnee = g_nFaceTestee;
            editeurs.OuvrirPointsPrincipaux();
        }
        if (doc.m_bTransformationsOuvertes) {
            doc.FermerTransformations();
            g_nFaceSelectionnee = g_nFaceTestee;
            editeurs.OuvrirTransformations();
        }
        g_nFaceSelectionnee = g_nFaceTestee;
    } else {
        // Without segments only a main point can be hit: r holds it.
        if (doc.m_bPointsPrincipauxOuverts) {
            editeurs.PlacerPoint(r);
        }
        if (doc.m_bTransformationsOuvertes) {
            editeurs.PointChoisi(r);
        }
    }
    doc.RedessinerVues();
}

void BasculerCoordonnees(CVantrelDoc& doc) {
    int& b = doc.m_parametresAffichage.m_pageGeneral.m_bCoordonnees;
    b = b == 0 ? 1 : 0;
    doc.RedessinerVues();
    doc.SetModifiedFlag();
}

void BasculerCoteEtude(CVantrelDoc& doc) {
    int& b = doc.m_parametresAffichage.m_pageGeneral.m_bCoteEtude;
    b = b == 0 ? 1 : 0;
    doc.RedessinerVues();
    doc.SetModifiedFlag();
}
