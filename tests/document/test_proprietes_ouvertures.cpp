#include "DocumentTest.h"

namespace {

class Ouvertures : public DocumentTest {
protected:
    // A wall of 10 m2 with two windows of 1.5 m2.
    CFace* m_mur = AjouterQuad("wall", CVecteur(0, 0, 0), CVecteur(5, 0, 0), CVecteur(0, 0, 2));
    CFace* m_f1 = AjouterQuad("w1", CVecteur(1, 0, 0.5), CVecteur(1, 0, 0), CVecteur(0, 0, 1.5));
    CFace* m_f2 = AjouterQuad("w2", CVecteur(3, 0, 0.5), CVecteur(1, 0, 0), CVecteur(0, 0, 1.5));
    CJournal m_j;
};

TEST_F(Ouvertures, PropertiesCopyDialogAndDetail) {
    CProprietes source;
    source.m_bRecepteur = 1;
    source.m_bMasquee = 1;
    source.m_dTransmittivite = 35;
    source.m_dMailleRelative = 5;
    source.m_correlationAbsorptivite.m_nMode = 1;
    CProprietes& cible = m_f2->m_proprietes;
    const auto proprietes = [&](const CProprietes& p) {
        NOTER(m_j, p.m_strNom, p.m_bRecepteur, p.m_bMasquee, p.m_dTransmittivite,
              p.m_dMailleRelative, p.m_dMailleAbsolue, p.m_correlationAbsorptivite.m_nMode);
    };
    cible.CopierProprietes(source);
    proprietes(cible);
    source.m_strNom = std::string(28, 'x');
    cible.CopierProprietes(source);
    proprietes(cible);

    m_j.Titre("the dialog: mesh sizes and name refused, nothing stored, then the limits");
    CProprietes& p = m_f1->m_proprietes;
    CProprietes::CTampon t = p.Ouvrir();
    NOTER(m_j, t.bTransmittiviteActive, t.bAbsorptiviteActive);
    t.bRecepteur = true;
    const std::tuple<double, double, std::size_t> cas[] = {
        {0.05, 0.04, 10}, {0.1, 1.5, 10}, {0.1, 1, 31}, {0.1, 1, 30}};
    for (const auto& [relative, absolue, nNom] : cas) {
        t.dMailleRelative = relative;
        t.dMailleAbsolue = absolue;
        t.strNom = std::string(nNom, 'n');
        NOTER(m_j, relative, absolue, nNom, p.Valider(t));
        proprietes(p);
    }

    m_j.Titre("a rate law's detail modifies at once, and reevaluates the edit");
    p.m_correlationTransmittivite.m_nMode = CCorrelationPhysique::Interpole;
    t = p.Ouvrir();
    NOTER(m_j, t.bTransmittiviteActive, t.bAbsorptiviteActive);
    auto tc = p.m_correlationTransmittivite.Ouvrir();
    tc.nMode = CCorrelationPhysique::ModuleCosinus;
    NOTER(m_j, m_doc.ValiderDetail(p, true, tc, t));
    NOTER(m_j, t.bTransmittiviteActive, m_doc.IsModified(), p.m_correlationTransmittivite.m_nMode);
    auto ta = p.m_correlationAbsorptivite.Ouvrir();
    ta.nMode = CCorrelationPhysique::Interpole;
    ta.dTaux[0] = -1;
    m_doc.SetModifiedFlag(false);
    NOTER(m_j, m_doc.ValiderDetail(p, false, ta, t));
    NOTER(m_j, t.bAbsorptiviteActive, m_doc.IsModified(), p.m_correlationAbsorptivite.m_nMode);
    ExpectGolden("properties.txt", m_j.m_texte);
}

TEST_F(Ouvertures, ConsideredAreaAndTheRayTest) {
    CFace* grande = AjouterQuad("big", CVecteur(0, 0, 0), CVecteur(4, 0, 0), CVecteur(0, 0, 3));
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
    const auto tampon = [&] {
        NOTER(m_j, t.libelles, t.selection, t.bForcer, t.nMode, t.dValeur, t.dTransmittiviteForcee);
    };
    const auto faces = [&] {
        for (CFace* f : {m_mur, m_f1, m_f2, f3}) {
            const COuvertures& o = f->m_ouvertures;
            NOTER(m_j, f->m_proprietes.m_strNom, o.m_faces.size(), o.m_nMode, o.m_dValeur,
                  f->m_proprietes.m_dTransmittivite,
                  f->m_proprietes.m_correlationTransmittivite.m_nMode);
        }
    };
    tampon();
    t.selection = {true, true, false};
    t.nMode = COuvertures::SoustraireValeur;
    t.dValeur = 2.5;
    NOTER(m_j, m_f1->m_ouvertures.Valider(t));
    EXPECT_EQ(m_f1->m_ouvertures.m_faces, (std::vector<CFace*>{m_mur, m_f2}));
    faces();

    m_j.Titre("out of range: nothing stored; forced: uniform 80 % on every chosen opening");
    g_nFaceSelectionnee = 0;
    t = m_mur->m_ouvertures.Ouvrir();
    t.selection = {true, true, false};
    t.bForcer = true;
    t.dValeur = -100.5;
    NOTER(m_j, m_mur->m_ouvertures.Valider(t));
    t.dValeur = 1000000;
    t.dTransmittiviteForcee = 101;
    NOTER(m_j, m_mur->m_ouvertures.Valider(t));
    faces();
    m_f1->m_proprietes.m_correlationTransmittivite.m_nMode = CCorrelationPhysique::ModuleCosinus;
    t.dTransmittiviteForcee = 80;
    NOTER(m_j, m_mur->m_ouvertures.Valider(t));
    faces();
    m_j.Titre("the button is released at the next opening");
    t = m_mur->m_ouvertures.Ouvrir();
    tampon();
    ExpectGolden("openings.txt", m_j.m_texte);
}

} // namespace
