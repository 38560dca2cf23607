#include "../document/DocumentTest.h"

#include <cmath>
#include <numbers>

namespace {

// Lighting examples on small scenes with the sun set by hand.
class Eclairement : public DocumentTest {
protected:
    void SetUp() override { m_doc.m_optionsCalcul.m_nPoidsMax = 1000; }

    // Sets the sun, then computes with both the plain and the fast evaluations,
    // which must agree bit for bit.
    void Calculer(const CVecteur& dir, double dAltitude = 45) {
        m_doc.m_positionSoleil.m_direction = dir / dir.Norme();
        m_doc.m_positionSoleil.m_dAltitude = dAltitude;
        ASSERT_TRUE(m_doc.GenererMaillages());
        auto faces = m_doc.Faces();
        m_doc.m_eclairementRecepteurs.CalculerEclairementSimple(faces, m_doc.SoleilCalcul());
        std::vector<std::vector<float>> valeurs;
        std::vector<double> moyennes;
        for (CFace* f : faces) {
            valeurs.push_back(f->m_pNoeuds ? f->m_pNoeuds->m_valeurs : std::vector<float>());
            moyennes.push_back(f->m_dEclairement);
        }
        const double eq = Equivalent();
        const double inc = Incidence();
        m_doc.CalculerEclairement();
        for (std::size_t i = 0; i < faces.size(); ++i) {
            if (faces[i]->m_pNoeuds) {
                EXPECT_EQ(faces[i]->m_pNoeuds->m_valeurs, valeurs[i]) << i;
            }
            EXPECT_EQ(faces[i]->m_dEclairement, moyennes[i]) << i;
        }
        EXPECT_EQ(Equivalent(), eq);
        EXPECT_EQ(Incidence(), inc);
    }

    double Equivalent() const { return m_doc.m_eclairementRecepteurs.m_dEquivalent; }
    double Incidence() const { return m_doc.m_eclairementRecepteurs.m_dIncidence; }

    // A 2 x 2 wall in the plane y = 0 facing -Y, a receiver.
    CFace* Recepteur() {
        CFace* f = AjouterNommee("wall");
        f->m_proprietes.m_bRecepteur = 1;
        return f;
    }

    // A 2 x 2 screen in the plane y = -d in front of the wall.
    CFace* Ecran(double dTransmittivite, double d = 1) {
        CFace* f = AjouterQuad("screen", CVecteur(0, -d, 0), CVecteur(2, 0, 0), CVecteur(0, 0, 2));
        f->m_proprietes.m_dTransmittivite = dTransmittivite;
        return f;
    }
};

TEST_F(Eclairement, ReceiverAloneBehindScreensAndOnTheHorizonLine) {
    CJournal j;
    CFace* r = Recepteur();
    const auto recepteur = [&](const CVecteur& dir, double dAltitude) {
        Calculer(dir, dAltitude);
        NOTER(j, dir, dAltitude, r->m_dIncidence, r->m_dEclairementDirect, r->m_dEclairement,
              Equivalent(), Incidence());
    };
    j.Titre("alone, absorptivity 73: in front, along the normal, behind, then reversed");
    r->m_proprietes.m_dAbsorptivite = 73;
    recepteur(CVecteur(0, -1, 0.2), 45);
    recepteur(CVecteur(0, -1, 0), 45);
    recepteur(CVecteur(0, 1, 0.5), 45);
    r->m_proprietes.m_bCoteInverse = 1;
    recepteur(CVecteur(0, 1, 0.5), 45);
    j.Titre("below the horizon line nothing is lit; on it, everything");
    r->m_proprietes.m_bCoteInverse = 0;
    m_doc.m_configurationGeographique.m_dLigneHorizon = 10;
    recepteur(CVecteur(0, -1, 0.1), 9.99);
    recepteur(CVecteur(0, -1, 0.1), 10);
    m_doc.m_configurationGeographique.m_dLigneHorizon = 0;
    r->m_proprietes.m_dAbsorptivite = 100;

    j.Titre("a fully transparent screen is never an occluder");
    CFace* e = Ecran(100);
    recepteur(CVecteur(0, -1, 0), 45);
    NOTER(j, e->m_dTransmission, Occultants(m_doc.Faces(), r).size());
    j.Titre("at 45 degrees on both faces, the cosine law's shadow on the wall's lower half");
    e->m_proprietes.m_correlationTransmittivite.m_nMode = 1;
    recepteur(CVecteur(0, -1, 1), 45);
    NOTER(j, e->m_dTransmission, Occultants(m_doc.Faces(), r).size());
    const CMaillage& m = *r->m_pNoeuds;
    for (int k = 0; k < m.Taille(); ++k) {
        const CVecteur n = m.Noeud(k);
        if (std::abs(n.m_z - 1) > 1e-6) {
            EXPECT_EQ(n.m_fValeur,
                      n.m_z < 1 ? static_cast<float>(e->m_dTransmission * 100.0f) : 100.0f);
        }
    }
    j.Titre("successive screens multiply");
    e->m_proprietes.m_correlationTransmittivite.m_nMode = 0;
    e->m_proprietes.m_dTransmittivite = 50;
    Ecran(50, 2);
    recepteur(CVecteur(0, -1, 0), 45);
    ExpectGolden("lighting.txt", j.m_texte);
}

TEST_F(Eclairement, OpaqueOccluderWithAnOpeningAndAShelfEdgeOn) {
    CFace* r = Recepteur();
    CFace* e = Ecran(0);
    CFace* trou = AjouterQuad("hole", CVecteur(0.5, -1, 0.5), CVecteur(1, 0, 0), CVecteur(0, 0, 1));
    trou->m_proprietes.m_dTransmittivite = 100;
    e->m_ouvertures.m_faces = {trou};
    // A horizontal shelf, edge-on to a horizontal sun: never an occluder.
    AjouterQuad("shelf", CVecteur(0, -1, 1), CVecteur(2, 0, 0), CVecteur(0, -2, 0));
    Calculer(CVecteur(0, -1, 0));
    EXPECT_EQ(Occultants(m_doc.Faces(), r), std::vector<CFace*>{e});
    const CMaillage& m = *r->m_pNoeuds;
    int nEclaires = 0;
    for (int k = 0; k < m.Taille(); ++k) {
        const CVecteur n = m.Noeud(k);
        const bool bDansTrou = n.m_x > 0.5 && n.m_x < 1.5 && n.m_z > 0.5 && n.m_z < 1.5;
        EXPECT_EQ(n.m_fValeur, bDansTrou ? 100.0f : 0.0f);
        nEclaires += n.m_fValeur > 0;
    }
    EXPECT_EQ(nEclaires, 25 * 25); // nodes 0.52 .. 1.48
}

TEST_F(Eclairement, ReceiversAreWeightedByTheirNetAreas) {
    // Sun straight up; receivers tilted 20 and 60 degrees from horizontal,
    // of 10 and 30 m2, with absorptivities 80 and 40.
    auto incline = [&](const char* nom, double angle, double largeur, double y0, double abs) {
        const double a = angle * std::numbers::pi / 180;
        const CVecteur montee(0, std::cos(a), std::sin(a));
        CFace* f = AjouterQuad(nom, CVecteur(0, y0, 0), CVecteur(largeur, 0, 0), montee);
        f->m_proprietes.m_bRecepteur = 1;
        f->m_proprietes.m_dMailleRelative = 10;
        f->m_proprietes.m_dAbsorptivite = abs;
        return f;
    };
    CFace* a = incline("a", 20, 10, 0, 80);
    CFace* b = incline("b", 60, 30, 10, 40);
    Calculer(CVecteur(0, 0, 1), 90);
    EXPECT_NEAR(a->m_dIncidence, 20, 1e-9);
    EXPECT_NEAR(b->m_dIncidence, 60, 1e-9);
    EXPECT_EQ(Equivalent(), 50); // (800 + 1200) / 40
    EXPECT_EQ(Incidence(), 44);  // (10 * 80 * 20 + 30 * 40 * 60) / 2000
    // A receiver in full shade counts in the area, not in the incidence.
    b->m_proprietes.m_dAbsorptivite = 0;
    Calculer(CVecteur(0, 0, 1), 90);
    EXPECT_EQ(Equivalent(), 20);
    EXPECT_EQ(Incidence(), 20);

    // A net area of 0 falls back to the full area; no receiver gives zeros.
    a->m_ouvertures.m_nMode = COuvertures::SoustraireValeur;
    a->m_ouvertures.m_dValeur = 10;
    b->m_proprietes.m_bRecepteur = 0;
    Calculer(CVecteur(0, 0, 1), 90);
    EXPECT_EQ(Equivalent(), 80);
    m_doc.m_eclairementRecepteurs.CalculerEclairement({}, m_doc.SoleilCalcul());
    EXPECT_EQ(Equivalent(), 0);
    EXPECT_EQ(Incidence(), 0);
}

// Shadow borders falling exactly on nodes: a ground on a 0.2 m grid under
// a roof and a wall whose edges lie on grid lines, lit by suns along the
// grid's axes and diagonals, where rounding alone decides each border node.
TEST_F(Eclairement, BordersOnTheNodesAreTheSameForBothEvaluations) {
    CFace* sol = AjouterQuad("ground", CVecteur(0, 0, 0), CVecteur(10, 0, 0), CVecteur(0, 10, 0));
    sol->m_proprietes.m_bRecepteur = 1;
    sol->m_proprietes.m_dMailleAbsolue = 0.04;
    AjouterQuad("roof", CVecteur(2, 2, 2), CVecteur(2, 0, 0), CVecteur(0, 4, 0));
    CFace* mur = AjouterQuad("wall", CVecteur(6, 2, 0), CVecteur(0, 6, 0), CVecteur(0, 0, 3));
    mur->m_proprietes.m_dTransmittivite = 40;
    CFace* fenetre = AjouterQuad("window", CVecteur(6, 4, 1), CVecteur(0, 2, 0), CVecteur(0, 0, 1));
    fenetre->m_proprietes.m_dTransmittivite = 100;
    mur->m_ouvertures.m_faces = {fenetre};
    for (const CVecteur& d :
         {CVecteur(0, 0, 1), CVecteur(1, 0, 1), CVecteur(-1, 0, 1), CVecteur(0, 1, 1),
          CVecteur(1, 1, 1), CVecteur(-1, 1, 2), CVecteur(1, 0, 0.1), CVecteur(0, -1, 0.5)}) {
        Calculer(d, 10);
        EXPECT_GT(m_doc.m_eclairementRecepteurs.NoeudsDecides(), 0);
    }
}

} // namespace
