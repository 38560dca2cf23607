#include "DocumentTest.h"

namespace {

TEST(Proprietes, DefaultsOfANewFace) {
    CFace4 f;
    const CProprietes& p = f.m_proprietes;
    EXPECT_EQ(p.m_strNom, "no name");
    EXPECT_EQ(p.m_bRecepteur, 0);
    EXPECT_EQ(p.m_bCoteInverse, 0);
    EXPECT_EQ(p.m_bMasquee, 0);
    EXPECT_EQ(p.m_dTransmittivite, 0.0);
    EXPECT_EQ(p.m_dAbsorptivite, 100.0);
    EXPECT_EQ(p.m_dMailleRelative, 2.0);
    EXPECT_EQ(p.m_dMailleAbsolue, 0.04);
    EXPECT_EQ(p.m_correlationTransmittivite.m_nMode, 0);
    EXPECT_EQ(p.m_correlationAbsorptivite.m_couples[5].m_dIncidence, 90.0);
    EXPECT_TRUE(f.m_ouvertures.m_faces.empty());
    EXPECT_EQ(f.m_ouvertures.m_nMode, 1);
    EXPECT_EQ(f.m_ouvertures.m_dValeur, 0.0);
    EXPECT_EQ(f.m_ouvertures.m_dTransmittiviteForcee, 100.0);
}

TEST(Proprietes, CopyNamesAndTakesEverything) {
    CProprietes source;
    source.m_bRecepteur = 1;
    source.m_bMasquee = 1;
    source.m_dTransmittivite = 35;
    source.m_dMailleRelative = 5;
    source.m_correlationAbsorptivite.m_nMode = 1;
    CProprietes cible;
    cible.CopierProprietes(source);
    EXPECT_EQ(cible.m_strNom, "no name (c)");
    EXPECT_EQ(cible.m_bRecepteur, 1);
    EXPECT_EQ(cible.m_bMasquee, 1);
    EXPECT_EQ(cible.m_dTransmittivite, 35);
    EXPECT_EQ(cible.m_dMailleRelative, 5);
    EXPECT_EQ(cible.m_correlationAbsorptivite.m_nMode, 1);

    source.m_strNom = std::string(28, 'x');
    cible.CopierProprietes(source);
    EXPECT_EQ(cible.m_strNom, std::string(28, 'x') + " (");
    EXPECT_EQ(cible.m_strNom.size(), 30u);
}

TEST(Proprietes, DialogRangesAndStorage) {
    CProprietes p;
    CProprietes::CTampon t = p.Ouvrir();
    EXPECT_TRUE(t.bTransmittiviteActive);
    t.strNom = "south wall";
    t.bRecepteur = true;
    t.dMailleRelative = 0.05;
    auto r = p.Valider(t);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->nChamp, CProprietes::ChampMailleRelative);
    EXPECT_EQ(p.m_strNom, "no name");
    t.dMailleRelative = 0.1;
    t.dMailleAbsolue = 1.5;
    r = p.Valider(t);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->nChamp, CProprietes::ChampMailleAbsolue);
    EXPECT_EQ(r->strMessage, "Please enter a number between 0.01 and 1.");
    t.dMailleAbsolue = 1;
    t.strNom = std::string(31, 'n');
    EXPECT_EQ(p.Valider(t)->nChamp, CProprietes::ChampNom);
    t.strNom = std::string(30, 'n');
    EXPECT_FALSE(p.Valider(t));
    EXPECT_EQ(p.m_strNom, std::string(30, 'n'));
    EXPECT_EQ(p.m_bRecepteur, 1);
    EXPECT_EQ(p.m_dMailleRelative, 0.1);
}

class ProprietesDocument : public DocumentTest {};

TEST_F(ProprietesDocument, DetailModifiesAtOnceAndReevaluatesTheEdit) {
    CFace* f = AjouterNommee("a");
    CProprietes& p = f->m_proprietes;
    p.m_correlationTransmittivite.m_nMode = CCorrelationPhysique::Interpole;
    CProprietes::CTampon t = p.Ouvrir();
    EXPECT_FALSE(t.bTransmittiviteActive);
    EXPECT_TRUE(t.bAbsorptiviteActive);

    auto tc = p.m_correlationTransmittivite.Ouvrir();
    tc.nMode = CCorrelationPhysique::ModuleCosinus;
    EXPECT_FALSE(m_doc.ValiderDetail(p, true, tc, t));
    EXPECT_TRUE(t.bTransmittiviteActive);
    EXPECT_TRUE(m_doc.IsModified());
    // Cancelling the properties afterwards keeps the new rate law.
    EXPECT_EQ(p.m_correlationTransmittivite.m_nMode, CCorrelationPhysique::ModuleCosinus);

    auto ta = p.m_correlationAbsorptivite.Ouvrir();
    ta.nMode = CCorrelationPhysique::Interpole;
    ta.dTaux[0] = -1;
    m_doc.SetModifiedFlag(false);
    EXPECT_TRUE(m_doc.ValiderDetail(p, false, ta, t));
    EXPECT_FALSE(m_doc.IsModified());
    EXPECT_TRUE(t.bAbsorptiviteActive);
}

class Ouvertures : public DocumentTest {
protected:
    // A wall of 10 m2 with two windows of 1.5 m2.
    CFace* m_mur = AjouterQuad("wall", CVecteur(0, 0, 0), CVecteur(5, 0, 0), CVecteur(5, 0, 2),
                               CVecteur(0, 0, 2));
    CFace* m_f1 = AjouterQuad("w1", CVecteur(1, 0, 0.5), CVecteur(2, 0, 0.5), CVecteur(2, 0, 2),
                              CVecteur(1, 0, 2));
    CFace* m_f2 = AjouterQuad("w2", CVecteur(3, 0, 0.5), CVecteur(4, 0, 0.5), CVecteur(4, 0, 2),
                              CVecteur(3, 0, 2));
};

TEST_F(Ouvertures, ConsideredAreaInTheThreeModes) {
    m_mur->m_ouvertures.m_faces = {m_f1, m_f2};
    EXPECT_DOUBLE_EQ(m_mur->m_ouvertures.AireOuvertures(), 3.0);
    EXPECT_DOUBLE_EQ(m_mur->AireNette(), 7.0);
    m_mur->m_ouvertures.m_nMode = COuvertures::SansChangement;
    EXPECT_DOUBLE_EQ(m_mur->AireNette(), 10.0);
    m_mur->m_ouvertures.m_nMode = COuvertures::SoustraireValeur;
    m_mur->m_ouvertures.m_dValeur = 4;
    EXPECT_DOUBLE_EQ(m_mur->AireNette(), 6.0);
    m_mur->m_ouvertures.m_dValeur = -2; // a negative value enlarges the area
    EXPECT_DOUBLE_EQ(m_mur->AireNette(), 12.0);
}

TEST_F(Ouvertures, OpeningsLargerThanTheFaceCountTheWholeFace) {
    CFace* grande = AjouterQuad("big", CVecteur(0, 0, 0), CVecteur(4, 0, 0), CVecteur(4, 0, 3),
                                CVecteur(0, 0, 3));
    m_mur->m_ouvertures.m_faces = {grande};
    EXPECT_DOUBLE_EQ(m_mur->m_ouvertures.AireOuvertures(), 12.0);
    EXPECT_DOUBLE_EQ(m_mur->AireNette(), 10.0);
    m_mur->m_ouvertures.m_faces = {m_f1, m_f2, m_f1, m_f2, m_f1, m_f2, m_f1};
    EXPECT_DOUBLE_EQ(m_mur->AireNette(), 10.0); // 10.5 of openings
}

TEST_F(Ouvertures, OpeningsTestAsksTheOpeningsInOrder) {
    m_mur->m_ouvertures.m_faces = {m_f1, m_f2};
    for (CFace* f : {m_mur, m_f1, m_f2}) {
        f->PreparerRayon(CVecteur(0, 1, 0));
    }
    EXPECT_NE(m_mur->CFace::Intercepte(CVecteur(1.5, -3, 1), 0.0), 0);
    EXPECT_NE(m_mur->CFace::Intercepte(CVecteur(3.5, 3, 1), 0.0), 0);
    EXPECT_EQ(m_mur->CFace::Intercepte(CVecteur(2.5, -3, 1), 0.0), 0);
    EXPECT_EQ(m_mur->CFace::Intercepte(CVecteur(1.5, -3, 0.2), 0.0), 0);
}

TEST_F(Ouvertures, DialogListsTheOtherFacesWithTheChosenOnesSelected) {
    CFace* f3 = AjouterNommee("w3");
    g_nFaceSelectionnee = 1; // the dialog is opened on w1
    m_f1->m_ouvertures.m_faces = {f3};
    m_f1->m_ouvertures.m_dTransmittiviteForcee = 80;
    COuvertures::CTampon t = m_f1->m_ouvertures.Ouvrir();
    const std::vector<std::string> libelles = {"(1/4) wall", "(3/4) w2", "(4/4) w3"};
    EXPECT_EQ(t.libelles, libelles);
    EXPECT_EQ(t.selection, (std::vector<bool>{false, false, true}));
    EXPECT_FALSE(t.bForcer);
    EXPECT_EQ(t.dTransmittiviteForcee, 80);

    t.selection = {true, true, false};
    t.nMode = COuvertures::SoustraireValeur;
    t.dValeur = 2.5;
    EXPECT_FALSE(m_f1->m_ouvertures.Valider(t));
    EXPECT_EQ(m_f1->m_ouvertures.m_faces, (std::vector<CFace*>{m_mur, m_f2}));
    EXPECT_EQ(m_f1->m_ouvertures.m_nMode, COuvertures::SoustraireValeur);
    EXPECT_EQ(m_f1->m_ouvertures.m_dValeur, 2.5);
    // Nothing forced without the push button.
    EXPECT_EQ(m_mur->m_proprietes.m_dTransmittivite, 0.0);
}

TEST_F(Ouvertures, ForcingTheTransmittivityOfTheChosenOpenings) {
    g_nFaceSelectionnee = 0;
    m_f1->m_proprietes.m_correlationTransmittivite.m_nMode = CCorrelationPhysique::ModuleCosinus;
    COuvertures::CTampon t = m_mur->m_ouvertures.Ouvrir();
    t.selection = {true, true};
    t.bForcer = true;
    t.dTransmittiviteForcee = 80;
    EXPECT_FALSE(m_mur->m_ouvertures.Valider(t));
    for (CFace* f : {m_f1, m_f2}) {
        EXPECT_EQ(f->m_proprietes.m_dTransmittivite, 80);
        EXPECT_EQ(f->m_proprietes.m_correlationTransmittivite.m_nMode,
                  CCorrelationPhysique::Uniforme);
    }
    const COuvertures::CTampon t2 = m_mur->m_ouvertures.Ouvrir();
    EXPECT_FALSE(t2.bForcer);
    EXPECT_EQ(t2.dTransmittiviteForcee, 80);
}

TEST_F(Ouvertures, DialogRanges) {
    COuvertures::CTampon t = m_mur->m_ouvertures.Ouvrir();
    t.dValeur = -100.5;
    t.bForcer = true;
    t.selection = {true, false};
    EXPECT_EQ(m_mur->m_ouvertures.Valider(t)->nChamp, COuvertures::ChampValeur);
    t.dValeur = 1000000;
    t.dTransmittiviteForcee = 101;
    EXPECT_EQ(m_mur->m_ouvertures.Valider(t)->nChamp, COuvertures::ChampTransmittiviteForcee);
    EXPECT_TRUE(m_mur->m_ouvertures.m_faces.empty());
    EXPECT_EQ(m_f1->m_proprietes.m_dTransmittivite, 0.0);
}

} // namespace
