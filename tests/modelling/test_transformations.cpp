#include "ModelisationTest.h"

#include "modelling/Transformations.h"

namespace {

class Transformations : public ModelisationTest {
protected:
    CTransformations m_tr{m_doc};

    // A triangle with P0 at (1, 0, 0), so that the default rotation is easy to follow.
    CFace* AjouterTriangle(const std::string& nom) {
        CFace& f = Poser(Face("CFace3", {CVecteur(1, 0, 0), CVecteur(3, 0, 0), CVecteur(2, 0, 2)}));
        f.m_proprietes.m_strNom = nom;
        return &f;
    }

    // Chooses the group; returns the list as the dialog showed it.
    CSelectionMultiple::CTampon Grouper(std::vector<bool> selection, bool bValide = true) {
        const CSelectionMultiple::CTampon ouverte = m_tr.CommencerGroupe();
        CSelectionMultiple::CTampon choix = ouverte;
        choix.selection = std::move(selection);
        m_tr.TerminerGroupe(bValide, choix);
        return ouverte;
    }

    void Tampon(const CTransformations::CTampon& k) {
        NOTER(m_j, k.vecteur, k.centre, k.dAngle, k.dFacteur, k.bDupliquer, m_tr.m_nChamp);
    }
};

TEST_F(Transformations, MovesOfTheCopyThenValidation) {
    NOTER(m_j, m_tr.m_groupe.m_strConsigne);
    Ajouter("a");
    CFace* t = AjouterTriangle("t");
    g_nFaceSelectionnee = 1;
    m_tr.m_nChamp = 1;
    CTransformations::CTampon k = m_tr.Ouvrir();
    Tampon(k);
    NOTER(m_j, m_doc.m_bTransformationsOuvertes);
    Noter("opened on the selected triangle: a copy on it alone");
    m_tr.Rotation(k);
    NOTER(m_j, t->m_pCopie->m_bContourAJour);
    Noter("default rotation: a quarter turn about the vertical axis, (1, 0, 0) to (0, 1, 0)");
    m_tr.Restaurer();
    m_tr.Translation(k);
    Noter("default translation: up by 1");
    m_tr.Restaurer();
    m_tr.Homothetie(k);
    Noter("default scaling: in place");
    m_tr.Restaurer();
    k.vecteur = CVecteur(1, 2, 0);
    m_tr.Translation(k);
    m_tr.Translation(k);
    Noter("translated twice by (1, 2, 0)");
    m_tr.Restaurer();
    NOTER(m_j, m_tr.Valider(k));
    Noter("restored then validated: unchanged but modified");
    k = m_tr.Afficher();
    m_tr.Translation(k);
    NOTER(m_j, m_tr.Valider(k));
    m_tr.Translation(k);
    NOTER(m_j, m_tr.Valider(k), t->m_bContourAJour);
    Noter("translated and validated twice: each move starts from the last");

    m_j.Titre("a zero angle, then a zero axis, leave the points exactly: C + (P - C) would not");
    t->m_points[0] = CVecteur(0.3, 0.7, 0.1);
    k = m_tr.Ouvrir();
    k.centre = CVecteur(0.1, 1e-3, 3.3);
    k.dAngle = 0;
    m_tr.Rotation(k);
    NOTER(m_j, t->m_pCopie->m_points[0]);
    k.dAngle = 45;
    k.vecteur = CVecteur(0, 0, 0);
    m_tr.Rotation(k);
    NOTER(m_j, t->m_pCopie->m_points[0]);

    m_j.Titre("a picked point goes to the focused field only");
    k = m_tr.PointChoisi(CVecteur(7, 8, 9));
    Tampon(k);
    m_tr.m_nChamp = 0;
    Tampon(m_tr.PointChoisi(CVecteur(7, 8, 9)));
    m_tr.m_nChamp = 1;
    Tampon(m_tr.PointChoisi(CVecteur(1, 2, 3)));
    m_j.Titre("seven decimals at every exchange; the angle and factor are never rounded");
    k.vecteur = CVecteur(1.123456789, 0, 0);
    k.centre = CVecteur(0, -0.5, 2.000000019);
    k.dAngle = 1.123456789;
    m_tr.Lire(k);
    NOTER(m_j, m_tr.m_vecteur); // stored as read
    Tampon(m_tr.Afficher());
    NOTER(m_j, m_tr.m_vecteur);
    ExpectGolden("modelling/moves.txt", m_j.m_texte);
}

TEST_F(Transformations, DuplicatesAndGroups) {
    CFace* source = AjouterTriangle("t");
    source->m_proprietes.m_strNom = std::string(30, 'n'); // " (c)" is cut off
    source->m_proprietes.m_bRecepteur = 1;
    source->m_proprietes.m_dAbsorptivite = 70;
    Ajouter("other");
    CTransformations::CTampon k = m_tr.Ouvrir();
    k.bDupliquer = true;
    m_tr.Translation(k);
    NOTER(m_j, m_tr.Valider(k), m_tr.m_bDupliquer);
    Noter("a translated duplicate appended; a fresh copy on the source");
    NOTER(m_j, m_tr.Valider(k));
    Noter("again without a move: a second duplicate on the source");

    m_doc.NouveauDocument();
    CFace* a = AjouterTriangle("a");
    AjouterTriangle("b");
    CFace* c = AjouterTriangle("c");
    g_nFaceSelectionnee = 1;
    m_tr.Ouvrir();
    Grouper({true, false});
    EXPECT_EQ(m_tr.m_groupe.m_faces, std::vector<CFace*>{a});
    // A pending move is lost; a cancelled choice keeps the earlier group.
    k = m_tr.Afficher();
    m_tr.Translation(k);
    const CSelectionMultiple::CTampon liste = Grouper({false, true}, false);
    NOTER(m_j, liste.libelles, liste.selection);
    EXPECT_EQ(m_tr.m_groupe.m_faces, std::vector<CFace*>{a});
    Noter("a group cancelled: the earlier group with fresh copies");
    Grouper({false, true});
    EXPECT_EQ(m_tr.m_groupe.m_faces, std::vector<CFace*>{c});
    Noter("a new group drops the old group's copies");
    k = m_tr.Afficher();
    k.bDupliquer = true;
    m_tr.Translation(k);
    NOTER(m_j, m_tr.Valider(k));
    NOTER(m_j, Noms()); // in the list order
    EXPECT_EQ(m_tr.m_groupe.m_faces, std::vector<CFace*>{c});

    m_j.Titre("an invalid proposal is refused as a whole, the fields not even read");
    m_doc.SetModifiedFlag(false);
    m_tr.Translation(k);
    k.dFacteur = 0;
    m_tr.Homothetie(k);
    k.bDupliquer = false;
    NOTER(m_j, m_tr.Valider(k), m_tr.m_bDupliquer);
    for (const auto& m : m_ui.m_messages) {
        NOTER(m_j, m.strTexte, m.strTitre, m.icone, m.boutons);
    }
    Noter("a null scaling refused: nothing applied, the copies reset");

    // Closing leaves no copy and no group; the entries persist.
    k.dAngle = 30;
    m_tr.Rotation(k);
    m_tr.Fermer();
    NOTER(m_j, m_doc.m_bTransformationsOuvertes, m_tr.m_groupe.m_faces.size(), m_tr.m_dAngle);
    NOTER(m_j, m_ui.m_fenetresFermees); // by the new document, then by itself
    Noter("closed");
    m_tr.Ouvrir();
    Noter("opened again: the selected face alone");
    ExpectGolden("modelling/duplicates.txt", m_j.m_texte);
}

} // namespace
