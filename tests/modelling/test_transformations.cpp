#include "ModelisationTest.h"

#include "geometry/Face3.h"
#include "modelling/Transformations.h"

namespace {

class Transformations : public ModelisationTest {
protected:
    CTransformations m_tr{m_doc};

    // A triangle with P0 at (1, 0, 0), so that the default rotation is easy
    // to follow.
    CFace* AjouterTriangle(const std::string& nom) {
        auto f = std::make_unique<CFace3>();
        f->m_points[0] = CVecteur(1, 0, 0);
        f->m_points[1] = CVecteur(3, 0, 0);
        f->m_points[2] = CVecteur(2, 0, 2);
        f->CalculerNormale();
        f->m_proprietes.m_strNom = nom;
        CFace* p = f.get();
        m_doc.AjouterFace(std::move(f));
        return p;
    }

    CSelectionMultiple::CTampon Grouper(std::vector<bool> selection, bool bValide = true) {
        const CSelectionMultiple::CTampon ouverte = m_tr.CommencerGroupe();
        CSelectionMultiple::CTampon choix = ouverte;
        choix.selection = std::move(selection);
        m_tr.TerminerGroupe(bValide, choix);
        return ouverte; // the list as the dialog showed it
    }
};

TEST_F(Transformations, DefaultsAndOpening) {
    EXPECT_EQ(m_tr.m_groupe.m_strConsigne, "Select other faces to transform...");
    EXPECT_TRUE(m_tr.m_groupe.m_faces.empty());
    EXPECT_EQ(m_tr.m_dAngle, 90.0);
    EXPECT_EQ(m_tr.m_dFacteur, 1.0);
    EXPECT_EQ(m_tr.m_bDupliquer, 0);

    Ajouter("a");
    CFace* b = Ajouter("b");
    g_nFaceSelectionnee = 1;
    m_tr.m_nChamp = 1;
    const CTransformations::CTampon t = m_tr.Ouvrir();
    EXPECT_TRUE(m_doc.m_bTransformationsOuvertes);
    EXPECT_EQ(m_tr.m_nChamp, -1);
    ExpectEgal(t.vecteur, 0, 0, 1);
    ExpectEgal(t.centre, 0, 0, 0);
    EXPECT_FALSE(t.bDupliquer);
    ASSERT_TRUE(b->m_pCopie);
    EXPECT_STREQ(b->m_pCopie->NomClasse(), "CFace4");
    ExpectEgal(b->m_pCopie->m_points[2], 2, 0, 2);
    EXPECT_FALSE(m_doc.Face(0)->m_pCopie);
    EXPECT_GE(m_ui.m_nRedessins, 1);
}

TEST_F(Transformations, DefaultMovesOfTheCopy) {
    CFace* f = AjouterTriangle("t");
    CTransformations::CTampon t = m_tr.Ouvrir();
    m_tr.Rotation(t);
    const CFace& k = *f->m_pCopie;
    ExpectProche(k.m_points[0], 0, 1, 0);
    ExpectProche(k.m_points[1], 0, 3, 0);
    EXPECT_FALSE(k.m_bContourAJour);
    m_tr.Restaurer();
    m_tr.Translation(t);
    ExpectEgal(k.m_points[0], 1, 0, 1);
    m_tr.Restaurer();
    m_tr.Homothetie(t);
    ExpectEgal(k.m_points[2], 2, 0, 2);
    // The face itself has not moved, nor is the document modified.
    ExpectEgal(f->m_points[0], 1, 0, 0);
    EXPECT_FALSE(m_doc.IsModified());
}

TEST_F(Transformations, ZeroAxisOrZeroAngleLeavesThePointsExactly) {
    CFace* f = AjouterTriangle("t");
    f->m_points[0] = CVecteur(0.3, 0.7, 0.1);
    CTransformations::CTampon t = m_tr.Ouvrir();
    t.centre = CVecteur(0.1, 1e-3, 3.3); // C + (P - C) would not give P back
    t.dAngle = 0;
    m_tr.Rotation(t);
    ExpectEgal(f->m_pCopie->m_points[0], 0.3, 0.7, 0.1);
    t.dAngle = 45;
    t.vecteur = CVecteur(0, 0, 0);
    m_tr.Rotation(t);
    ExpectEgal(f->m_pCopie->m_points[0], 0.3, 0.7, 0.1);
}

TEST_F(Transformations, TwoTranslationsThenRestore) {
    CFace* f = AjouterTriangle("t");
    CTransformations::CTampon t = m_tr.Ouvrir();
    t.vecteur = CVecteur(1, 2, 0);
    m_tr.Translation(t);
    m_tr.Translation(t);
    ExpectEgal(f->m_pCopie->m_points[1], 5, 4, 0);
    m_tr.Restaurer();
    ExpectEgal(f->m_pCopie->m_points[1], 3, 0, 0);
    EXPECT_TRUE(m_tr.Valider(t));
    ExpectEgal(f->m_points[1], 3, 0, 0);
    EXPECT_TRUE(m_doc.IsModified());
}

TEST_F(Transformations, ValidateAppliesAndLaterMovesContinueFromThere) {
    CFace* f = AjouterTriangle("t");
    CTransformations::CTampon t = m_tr.Ouvrir();
    m_tr.Translation(t);
    EXPECT_TRUE(m_tr.Valider(t));
    EXPECT_EQ(g_nFaces, 1);
    ExpectEgal(f->m_points[0], 1, 0, 1);
    ExpectEgal(f->m_normale, 0, -1, 0);
    EXPECT_FALSE(f->m_bContourAJour);
    m_tr.Translation(t);
    EXPECT_TRUE(m_tr.Valider(t));
    ExpectEgal(f->m_points[0], 1, 0, 2);
}

TEST_F(Transformations, DuplicatesAreAppendedAndTheSourceStays) {
    CFace* source = AjouterTriangle("t");
    source->m_proprietes.m_strNom = std::string(30, 'n');
    source->m_proprietes.m_bRecepteur = 1;
    source->m_proprietes.m_dAbsorptivite = 70;
    CFace* autre = Ajouter("other");
    CTransformations::CTampon t = m_tr.Ouvrir();
    t.bDupliquer = true;
    m_tr.Translation(t);
    EXPECT_TRUE(m_tr.Valider(t));
    ASSERT_EQ(g_nFaces, 3);
    EXPECT_EQ(m_tr.m_bDupliquer, 1);
    ExpectEgal(source->m_points[0], 1, 0, 0);
    const CFace* d1 = m_doc.Face(2);
    EXPECT_STREQ(d1->NomClasse(), "CFace3");
    EXPECT_EQ(d1->m_proprietes.m_strNom, std::string(30, 'n')); // " (c)" cut off
    EXPECT_EQ(d1->m_proprietes.m_bRecepteur, 1);
    EXPECT_EQ(d1->m_proprietes.m_dAbsorptivite, 70);
    ExpectEgal(d1->m_points[0], 1, 0, 1);
    ExpectEgal(d1->m_normale, 0, -1, 0);
    EXPECT_FALSE(d1->m_pCopie);
    EXPECT_TRUE(d1->m_ouvertures.m_faces.empty());
    // The source has a fresh copy on itself; the other face still has none.
    ASSERT_TRUE(source->m_pCopie);
    ExpectEgal(source->m_pCopie->m_points[0], 1, 0, 0);
    EXPECT_FALSE(autre->m_pCopie);

    // Again with no new move: a second duplicate lying on the source.
    EXPECT_TRUE(m_tr.Valider(t));
    ASSERT_EQ(g_nFaces, 4);
    for (int i = 0; i < 4; ++i) {
        const CVecteur& p = m_doc.Face(3)->m_points[i];
        ExpectEgal(p, source->m_points[i].m_x, source->m_points[i].m_y, source->m_points[i].m_z);
    }
}

TEST_F(Transformations, DuplicatesOfAGroupFollowTheListOrder) {
    CFace* a = AjouterTriangle("a");
    CFace* b = AjouterTriangle("b");
    g_nFaceSelectionnee = 1;
    m_tr.Ouvrir();
    Grouper({true});
    EXPECT_EQ(m_tr.m_groupe.m_faces, std::vector<CFace*>{a});
    CTransformations::CTampon t = m_tr.Afficher();
    t.bDupliquer = true;
    m_tr.Translation(t);
    ASSERT_TRUE(m_tr.Valider(t));
    EXPECT_EQ(Noms(), "a,b,a (c),b (c)");
    // The group keeps the source faces, which get new copies.
    EXPECT_EQ(m_tr.m_groupe.m_faces, std::vector<CFace*>{a});
    EXPECT_TRUE(a->m_pCopie && b->m_pCopie);
}

TEST_F(Transformations, InvalidProposalIsRefusedAsAWhole) {
    CFace* a = AjouterTriangle("a");
    CFace* b = AjouterTriangle("b");
    g_nFaceSelectionnee = 1;
    m_tr.Ouvrir();
    Grouper({true});
    CTransformations::CTampon t = m_tr.Afficher();
    m_tr.Translation(t);
    t.dFacteur = 0;
    m_tr.Homothetie(t);
    t.bDupliquer = true;
    EXPECT_FALSE(m_tr.Valider(t));
    ASSERT_EQ(m_ui.m_messages.size(), 1u);
    EXPECT_EQ(m_ui.m_messages[0].strTexte, "The geometry proposed is not valid   ");
    EXPECT_EQ(m_ui.m_messages[0].strTitre, "Impossible");
    EXPECT_EQ(m_ui.m_messages[0].icone, EIcone::Stop);
    EXPECT_EQ(m_ui.m_messages[0].boutons, EBoutons::Ok);
    // Nothing applied, the fields not even read, and every copy reset.
    EXPECT_EQ(g_nFaces, 2);
    EXPECT_EQ(m_tr.m_bDupliquer, 0);
    EXPECT_FALSE(m_doc.IsModified());
    for (CFace* f : {a, b}) {
        ExpectEgal(f->m_points[0], 1, 0, 0);
        ExpectEgal(f->m_pCopie->m_points[0], 1, 0, 0);
    }
}

TEST_F(Transformations, GroupChoiceAndCancelledGroup) {
    CFace* a = Ajouter("a");
    CFace* b = Ajouter("b");
    CFace* c = Ajouter("c");
    m_tr.Ouvrir();
    Grouper({true, false});
    EXPECT_EQ(m_tr.m_groupe.m_faces, std::vector<CFace*>{b});
    EXPECT_TRUE(b->m_pCopie);
    EXPECT_FALSE(c->m_pCopie);

    // A pending move of the selected face is lost; a cancelled choice keeps
    // the earlier group, which gets fresh copies.
    CTransformations::CTampon t = m_tr.Afficher();
    m_tr.Translation(t);
    const CSelectionMultiple::CTampon liste = Grouper({false, true}, false);
    EXPECT_EQ(liste.strConsigne, "Select other faces to transform...");
    EXPECT_EQ(liste.selection, (std::vector<bool>{true, false}));
    EXPECT_EQ(m_tr.m_groupe.m_faces, std::vector<CFace*>{b});
    ExpectEgal(a->m_pCopie->m_points[0], 0, 0, 0);
    ExpectEgal(b->m_pCopie->m_points[0], 0, 0, 0);
    EXPECT_FALSE(c->m_pCopie);

    // A new group drops the old group's copies.
    Grouper({false, true});
    EXPECT_EQ(m_tr.m_groupe.m_faces, std::vector<CFace*>{c});
    EXPECT_FALSE(b->m_pCopie);
    EXPECT_TRUE(c->m_pCopie);
}

TEST_F(Transformations, ClosingLeavesNoCopyAndNoGroup) {
    Ajouter("a");
    Ajouter("b");
    m_tr.Ouvrir();
    Grouper({true});
    CTransformations::CTampon t = m_tr.Afficher();
    t.dAngle = 30;
    m_tr.Rotation(t);
    m_tr.Fermer();
    EXPECT_FALSE(m_doc.m_bTransformationsOuvertes);
    EXPECT_TRUE(m_tr.m_groupe.m_faces.empty());
    EXPECT_TRUE(AucuneCopie());
    EXPECT_EQ(m_ui.m_fenetresFermees, std::vector<EFenetre>{EFenetre::Transformations});
    // The entries persist; the next opening starts with the selected face alone.
    EXPECT_EQ(m_tr.m_dAngle, 30.0);
    m_tr.Ouvrir();
    EXPECT_TRUE(m_doc.Face(0)->m_pCopie);
    EXPECT_FALSE(m_doc.Face(1)->m_pCopie);
}

TEST_F(Transformations, PickedPointGoesToTheFocusedGroup) {
    Ajouter("a");
    m_tr.Ouvrir();
    CTransformations::CTampon t = m_tr.PointChoisi(CVecteur(7, 8, 9));
    ExpectEgal(t.vecteur, 0, 0, 1);
    ExpectEgal(t.centre, 0, 0, 0);
    m_tr.m_nChamp = 0;
    t = m_tr.PointChoisi(CVecteur(7, 8, 9));
    ExpectEgal(t.vecteur, 7, 8, 9);
    m_tr.m_nChamp = 1;
    t = m_tr.PointChoisi(CVecteur(1, 2, 3));
    ExpectEgal(t.centre, 1, 2, 3);
    ExpectEgal(m_tr.m_vecteur, 7, 8, 9);
}

TEST_F(Transformations, VectorsAreRoundedToSevenDecimalsAtEveryExchange) {
    Ajouter("a");
    m_tr.Ouvrir();
    CTransformations::CTampon t = m_tr.Afficher();
    t.vecteur = CVecteur(1.123456789, 0, 0);
    t.centre = CVecteur(0, -0.5, 2.000000019);
    t.dAngle = 1.123456789; // A and F are never rounded
    m_tr.Lire(t);
    EXPECT_EQ(m_tr.m_vecteur.m_x, 1.123456789); // stored as read
    const CTransformations::CTampon affiche = m_tr.Afficher();
    EXPECT_DOUBLE_EQ(affiche.vecteur.m_x, 1.1234567);
    EXPECT_DOUBLE_EQ(m_tr.m_vecteur.m_x, 1.1234567);
    EXPECT_DOUBLE_EQ(affiche.centre.m_z, 2.0);
    EXPECT_DOUBLE_EQ(affiche.centre.m_y, -0.5);
    EXPECT_EQ(affiche.dAngle, 1.123456789);
}

} // namespace
