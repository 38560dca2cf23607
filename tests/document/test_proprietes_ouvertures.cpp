#include "DocumentTest.h"

namespace {

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
    EXPECT_EQ(cible.m_bRecepteur + cible.m_bMasquee, 2);
    EXPECT_EQ(cible.m_dTransmittivite, 35);
    EXPECT_EQ(cible.m_dMailleRelative, 5);
    EXPECT_EQ(cible.m_correlationAbsorptivite.m_nMode, 1);
    source.m_strNom = std::string(28, 'x');
    cible.CopierProprietes(source);
    EXPECT_EQ(cible.m_strNom, std::string(28, 'x') + " (");
}

TEST(Proprietes, DialogRangesAndStorage) {
    CProprietes p;
    CProprietes::CTampon t = p.Ouvrir();
    EXPECT_TRUE(t.bTransmittiviteActive);
    t.strNom = "south wall";
    t.bRecepteur = true;
    const struct {
        double relative, absolue;
        std::size_t nNom;
        int champ;
    } refus[] = {{0.05, 0.04, 10, CProprietes::ChampMailleRelative},
                 {0.1, 1.5, 10, CProprietes::ChampMailleAbsolue},
                 {0.1, 1, 31, CProprietes::ChampNom}};
    for (const auto& r : refus) {
        t.dMailleRelative = r.relative;
        t.dMailleAbsolue = r.absolue;
        t.strNom = std::string(r.nNom, 'n');
        EXPECT_EQ(p.Valider(t)->nChamp, r.champ);
        EXPECT_EQ(p.m_strNom, "no name");
    }
    EXPECT_EQ(p.Valider(t)->strMessage, "Please enter no more than 30 characters.");
    t.strNom = std::string(30, 'n');
    EXPECT_FALSE(p.Valider(t));
    EXPECT_EQ(p.m_strNom, std::string(30, 'n'));
    EXPECT_EQ(p.m_bRecepteur, 1);
    EXPECT_EQ(p.m_dMailleRelative, 0.1);
}

class ProprietesDocument : public DocumentTest {};

TEST_F(ProprietesDocument, DetailModifiesAtOnceAndReevaluatesTheEdit) {
    CProprietes& p = AjouterNommee("a")->m_proprietes;
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

TEST_F(Ouvertures, ConsideredAreaAndTheRayTest) {
    CFace* grande = AjouterQuad("big", CVecteur(0, 0, 0), CVecteur(4, 0, 0), CVecteur(4, 0, 3),
                                CVecteur(0, 0, 3));
    COuvertures& o = m_mur->m_ouvertures;
    const struct {
        std::vector<CFace*> faces;
        int mode;
        double valeur, aire;
    } cas[] = {
        {{m_f1, m_f2}, COuvertures::SoustraireOuvertures, 0, 7},
        {{m_f1, m_f2}, COuvertures::SansChangement, 0, 10},
        {{m_f1, m_f2}, COuvertures::SoustraireValeur, 4, 6},
        {{}, COuvertures::SoustraireValeur, -2, 12}, // a negative value enlarges the area
        {{grande}, COuvertures::SoustraireOuvertures, 0, 10},
        {{m_f1, m_f2, m_f1, m_f2, m_f1, m_f2, m_f1}, COuvertures::SoustraireOuvertures, 0, 10},
    };
    for (const auto& c : cas) {
        o.m_faces = c.faces;
        o.m_nMode = c.mode;
        o.m_dValeur = c.valeur;
        EXPECT_DOUBLE_EQ(m_mur->AireNette(), c.aire) << c.mode << " " << c.faces.size();
    }
    EXPECT_DOUBLE_EQ(o.AireOuvertures(), 10.5);

    // The openings test asks the openings in order.
    o.m_faces = {m_f1, m_f2};
    for (CFace* f : {m_mur, m_f1, m_f2}) {
        f->PreparerRayon(CVecteur(0, 1, 0));
    }
    EXPECT_NE(m_mur->CFace::Intercepte(CVecteur(1.5, -3, 1), 0.0), 0);
    EXPECT_NE(m_mur->CFace::Intercepte(CVecteur(3.5, 3, 1), 0.0), 0);
    EXPECT_EQ(m_mur->CFace::Intercepte(CVecteur(2.5, -3, 1), 0.0), 0);
    EXPECT_EQ(m_mur->CFace::Intercepte(CVecteur(1.5, -3, 0.2), 0.0), 0);
}

TEST_F(Ouvertures, DialogListsTheOtherFacesAndForcesTheTransmittivity) {
    CFace* f3 = AjouterNommee("w3");
    g_nFaceSelectionnee = 1; // the dialog is opened on w1
    m_f1->m_ouvertures.m_faces = {f3};
    m_f1->m_ouvertures.m_dTransmittiviteForcee = 80;
    COuvertures::CTampon t = m_f1->m_ouvertures.Ouvrir();
    EXPECT_EQ(t.libelles, (std::vector<std::string>{"(1/4) wall", "(3/4) w2", "(4/4) w3"}));
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
    EXPECT_EQ(m_mur->m_proprietes.m_dTransmittivite, 0.0); // nothing forced without the button

    // Out of range: nothing stored.
    g_nFaceSelectionnee = 0;
    t = m_mur->m_ouvertures.Ouvrir();
    t.selection = {true, true, false};
    t.bForcer = true;
    t.dValeur = -100.5;
    EXPECT_EQ(m_mur->m_ouvertures.Valider(t)->nChamp, COuvertures::ChampValeur);
    t.dValeur = 1000000;
    t.dTransmittiviteForcee = 101;
    EXPECT_EQ(m_mur->m_ouvertures.Valider(t)->nChamp, COuvertures::ChampTransmittiviteForcee);
    EXPECT_TRUE(m_mur->m_ouvertures.m_faces.empty());
    // Forced: uniform 80 % on every chosen opening; the button is released at the next opening.
    m_f1->m_proprietes.m_correlationTransmittivite.m_nMode = CCorrelationPhysique::ModuleCosinus;
    t.dTransmittiviteForcee = 80;
    EXPECT_FALSE(m_mur->m_ouvertures.Valider(t));
    for (CFace* f : {m_f1, m_f2}) {
        EXPECT_EQ(f->m_proprietes.m_dTransmittivite, 80);
        EXPECT_EQ(f->m_proprietes.m_correlationTransmittivite.m_nMode,
                  CCorrelationPhysique::Uniforme);
    }
    EXPECT_EQ(f3->m_proprietes.m_dTransmittivite, 0);
    t = m_mur->m_ouvertures.Ouvrir();
    EXPECT_FALSE(t.bForcer);
    EXPECT_EQ(t.dTransmittiviteForcee, 80);
}

} // namespace
