#include "ModelisationTest.h"

#include "modelling/Transformations.h"

namespace {

class Transformations : public ModelisationTest {
protected:
    CTransformations m_tr{m_doc};

    // A triangle with P0 at (1, 0, 0), so that the default rotation is easy to follow.
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

    // Chooses the group; returns the list as the dialog showed it.
    CSelectionMultiple::CTampon Grouper(std::vector<bool> selection, bool bValide = true) {
        const CSelectionMultiple::CTampon ouverte = m_tr.CommencerGroupe();
        CSelectionMultiple::CTampon choix = ouverte;
        choix.selection = std::move(selection);
        m_tr.TerminerGroupe(bValide, choix);
        return ouverte;
    }
};

TEST_F(Transformations, MovesOfTheCopyThenValidation) {
    EXPECT_EQ(m_tr.m_groupe.m_strConsigne, "Select other faces to transform...");
    Ajouter("a");
    CFace* t = AjouterTriangle("t");
    g_nFaceSelectionnee = 1;
    m_tr.m_nChamp = 1;
    CTransformations::CTampon k = m_tr.Ouvrir();
    EXPECT_TRUE(m_doc.m_bTransformationsOuvertes);
    EXPECT_EQ(m_tr.m_nChamp, -1);
    EXPECT_EQ(k.dAngle * 10 + k.dFacteur, 901); // 90 degrees, factor 1
    EXPECT_FALSE(k.bDupliquer);
    Noter("opened on the selected triangle: a copy on it alone");
    m_tr.Rotation(k);
    Noter("default rotation: a quarter turn about the vertical axis, (1, 0, 0) to (0, 1, 0)");
    EXPECT_FALSE(t->m_pCopie->m_bContourAJour);
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
    EXPECT_TRUE(m_tr.Valider(k));
    Noter("restored then validated: unchanged but modified");
    k = m_tr.Afficher();
    m_tr.Translation(k);
    EXPECT_TRUE(m_tr.Valider(k));
    m_tr.Translation(k);
    EXPECT_TRUE(m_tr.Valider(k));
    Noter("translated and validated twice: each move starts from the last");
    EXPECT_FALSE(t->m_bContourAJour);

    // A zero axis or a zero angle leaves the points exactly.
    t->m_points[0] = CVecteur(0.3, 0.7, 0.1);
    k = m_tr.Ouvrir();
    k.centre = CVecteur(0.1, 1e-3, 3.3); // C + (P - C) would not give P back
    k.dAngle = 0;
    m_tr.Rotation(k);
    ExpectEgal(t->m_pCopie->m_points[0], 0.3, 0.7, 0.1);
    k.dAngle = 45;
    k.vecteur = CVecteur(0, 0, 0);
    m_tr.Rotation(k);
    ExpectEgal(t->m_pCopie->m_points[0], 0.3, 0.7, 0.1);
    ExpectGolden("modelling/moves.txt", m_strNotes);
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
    EXPECT_TRUE(m_tr.Valider(k));
    EXPECT_EQ(m_tr.m_bDupliquer, 1);
    Noter("a translated duplicate appended; a fresh copy on the source");
    EXPECT_TRUE(m_tr.Valider(k));
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
    EXPECT_EQ(liste.selection, (std::vector<bool>{true, false}));
    EXPECT_EQ(m_tr.m_groupe.m_faces, std::vector<CFace*>{a});
    Noter("a group cancelled: the earlier group with fresh copies");
    Grouper({false, true});
    EXPECT_EQ(m_tr.m_groupe.m_faces, std::vector<CFace*>{c});
    Noter("a new group drops the old group's copies");
    k = m_tr.Afficher();
    k.bDupliquer = true;
    m_tr.Translation(k);
    ASSERT_TRUE(m_tr.Valider(k));
    EXPECT_EQ(Noms(), "a,b,c,b (c),c (c)"); // in the list order
    EXPECT_EQ(m_tr.m_groupe.m_faces, std::vector<CFace*>{c});

    // An invalid proposal is refused as a whole, the fields not even read.
    m_doc.SetModifiedFlag(false);
    m_tr.Translation(k);
    k.dFacteur = 0;
    m_tr.Homothetie(k);
    k.bDupliquer = false;
    EXPECT_FALSE(m_tr.Valider(k));
    ASSERT_EQ(m_ui.m_messages.size(), 1u);
    EXPECT_EQ(m_ui.m_messages[0].strTexte, "The geometry proposed is not valid   ");
    EXPECT_EQ(m_ui.m_messages[0].strTitre, "Impossible");
    EXPECT_EQ(m_ui.m_messages[0].icone, EIcone::Stop);
    EXPECT_EQ(m_ui.m_messages[0].boutons, EBoutons::Ok);
    EXPECT_EQ(m_tr.m_bDupliquer, 1);
    Noter("a null scaling refused: nothing applied, the copies reset");

    // Closing leaves no copy and no group; the entries persist.
    k.dAngle = 30;
    m_tr.Rotation(k);
    m_tr.Fermer();
    EXPECT_FALSE(m_doc.m_bTransformationsOuvertes);
    EXPECT_TRUE(m_tr.m_groupe.m_faces.empty());
    EXPECT_EQ(m_ui.m_fenetresFermees, // by the new document, then by itself
              std::vector<EFenetre>(2, EFenetre::Transformations));
    EXPECT_EQ(m_tr.m_dAngle, 30.0);
    Noter("closed");
    m_tr.Ouvrir();
    Noter("opened again: the selected face alone");
    ExpectGolden("modelling/duplicates.txt", m_strNotes);
}

TEST_F(Transformations, PickedPointsAndRoundingOfTheVectors) {
    Ajouter("a");
    m_tr.Ouvrir();
    CTransformations::CTampon t = m_tr.PointChoisi(CVecteur(7, 8, 9)); // no focus: nothing
    ExpectEgal(t.vecteur, 0, 0, 1);
    ExpectEgal(t.centre, 0, 0, 0);
    m_tr.m_nChamp = 0;
    ExpectEgal(m_tr.PointChoisi(CVecteur(7, 8, 9)).vecteur, 7, 8, 9);
    m_tr.m_nChamp = 1;
    ExpectEgal(m_tr.PointChoisi(CVecteur(1, 2, 3)).centre, 1, 2, 3);
    ExpectEgal(m_tr.m_vecteur, 7, 8, 9);

    // Seven decimals at every exchange; the angle and factor are never rounded.
    t = m_tr.Afficher();
    t.vecteur = CVecteur(1.123456789, 0, 0);
    t.centre = CVecteur(0, -0.5, 2.000000019);
    t.dAngle = 1.123456789;
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
