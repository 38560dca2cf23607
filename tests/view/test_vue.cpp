#include "VueTest.h"
#include "geometry/Face3.h"
#include "geometry/Face5.h"
#include "tests/document/DocumentTest.h"
#include "tests/platform/ImpressionEcran.h"
#include "view/Vue.h"

#include <functional>
#include <string>
#include <vector>

namespace {

// Records what the click selection hands to the open editors, and the
// selection at that moment.
class EditeursEspions : public CEditeursOuverts {
public:
    explicit EditeursEspions(CVantrelDoc& doc) : m_doc(doc) {}

    std::vector<std::string> m_appels;
    std::vector<CVecteur> m_points;
    int m_nSelectionALOuverture = -1;

    void OuvrirPointsPrincipaux() override {
        Appel("PointsPrincipaux");
        m_doc.m_bPointsPrincipauxOuverts = true;
        m_doc.Face(-1)->CreerCopie();
    }
    void OuvrirTransformations() override { Appel("Transformations"); }
    void PlacerPoint(const CVecteur& p) override { Point("PlacerPoint", p); }
    void PointChoisi(const CVecteur& p) override { Point("PointChoisi", p); }

private:
    void Appel(const char* sz) {
        m_appels.push_back(sz);
        m_nSelectionALOuverture = g_nFaceSelectionnee;
    }
    void Point(const char* sz, const CVecteur& p) {
        m_appels.push_back(sz);
        m_points.push_back(p);
    }
    CVantrelDoc& m_doc;
};

class Vue : public DocumentTest {
protected:
    void SetUp() override { InitialiserVue(CRectangle{0, 0, 800, 600}); }

    void Dessiner(const CDonneesSoleil& soleil = {}) {
        OnDraw(&m_dc, m_doc, CVecteur(0, 1, 0), soleil);
    }

    // Two default triangles on top of each other, drawn once so that they can
    // be picked: P0 at (400, 300), P1 at (528, 300).
    void DeuxTrianglesSuperposes() {
        m_doc.AjouterFace(std::make_unique<CFace3>());
        m_doc.AjouterFace(std::make_unique<CFace3>());
        Dessiner();
    }

    CDCEnregistreur m_dc{CRectangle{0, 0, 800, 600}};
    EditeursEspions m_editeurs{m_doc};
};

TEST_F(Vue, Repaints) {
    CAffGeneral& g = m_doc.m_parametresAffichage.m_pageGeneral;
    const auto noeuds = [&](CFace* f) {
        f->m_pNoeuds = std::make_unique<CMaillage>();
        f->m_pNoeuds->Ajouter(CVecteur(1, 0, 1));
        f->m_pNoeuds->Ajouter(CVecteur(0.5, 0, 0.5));
        f->m_pNoeuds->Ajouter(CVecteur(0, 0, 0));
        f->m_pNoeuds->m_valeurs = {100.0f, 50.0f, 0.0f}; // 100 % gives 254: 2.55 is just below
    };
    const std::pair<const char*, std::function<void()>> scenes[] = {
        {"empty scene without sun", [&] { Dessiner(); }},
        {"every overlay, a receiver selected with an opening, and a working copy",
         [&] {
             CFace* mur = AjouterNommee("wall");
             CFace* capteur = AjouterNommee("panel");
             capteur->m_proprietes.m_bRecepteur = 1;
             capteur->m_points[0] = CVecteur(-1, 0, 0);
             capteur->m_ouvertures.m_faces.push_back(AjouterNommee("window"));
             mur->CreerCopie();
             g_nFaceSelectionnee = 1;
             g.m_bCoordonnees = 1;
             g.m_bCoteEtude = 1;
             m_doc.m_parametresAffichage.m_pageQuadrillage.m_bAfficher = 1;
             CDonneesSoleil soleil;
             soleil.direction = CVecteur(0, 0, 1);
             soleil.bInitialise = true;
             Dessiner(soleil);
         }},
        {"a hidden face selected, without then with the highlight",
         [&] {
             AjouterNommee("wall")->m_proprietes.m_bMasquee = 1;
             g.m_bCoordonnees = 1;
             g.m_bBrillance = 0;
             Dessiner();
             g.m_bBrillance = 1;
             Dessiner();
         }},
        {"a sector through its arc",
         [&] {
             m_doc.AjouterFace(std::make_unique<CFace5>());
             g.m_bBrillance = 0;
             Dessiner();
         }},
        {"nodes with the lighting window closed, then open",
         [&] {
             noeuds(AjouterNommee("panel"));
             AjouterNommee("no mesh");
             Dessiner();
             m_doc.m_bEclairementOuvert = true;
             Dessiner();
         }},
        {"big nodes are three by three squares",
         [&] {
             noeuds(AjouterNommee("panel"));
             m_doc.m_bEclairementOuvert = true;
             g.m_bGrosNoeuds = 1;
             DessinerNoeuds(&m_dc, m_doc);
         }},
    };
    std::string texte;
    for (const auto& [nom, scene] : scenes) {
        m_doc.NouveauDocument();
        m_doc.m_parametresAffichage = CParametresAffichage();
        m_dc.Effacer();
        scene();
        texte += std::string("# ") + nom + "\n" + Decrire(m_dc);
    }
    ExpectGolden("drawings/scenes.txt", texte);
}

TEST_F(Vue, ClicksSelectOverlappingFacesInTurn) {
    SelectionnerParClic(m_doc, m_editeurs, 400, 300, true); // no face: nothing
    EXPECT_EQ(g_nFaceTestee + g_nFaceSelectionnee + m_ui.m_nRedessins, 0);
    DeuxTrianglesSuperposes();
    for (int attendue : {1, 0, 1}) {
        SelectionnerParClic(m_doc, m_editeurs, 464, 301, true); // on the common edge
        EXPECT_EQ(g_nFaceSelectionnee, attendue);
    }
    EXPECT_EQ(m_ui.m_nRedessins, 3);
    EXPECT_TRUE(m_editeurs.m_appels.empty());
    // A miss tries every face once and leaves the cursor where it was.
    SelectionnerParClic(m_doc, m_editeurs, 10, 10, true);
    EXPECT_EQ(g_nFaceTestee, 1);
    EXPECT_EQ(g_nFaceSelectionnee, 1);
    EXPECT_EQ(m_ui.m_nRedessins, 3);

    // Faces that are not hit are skipped.
    m_doc.m_faces[1]->m_points[1] = CVecteur(-2, 0, 0);
    m_doc.m_faces[1]->m_points[2] = CVecteur(-1, 0, 2);
    Dessiner();
    for (int i = 0; i < 3; ++i) {
        SelectionnerParClic(m_doc, m_editeurs, 464, 301, true);
        EXPECT_EQ(g_nFaceSelectionnee, 0);
    }
    g_nFaceTestee = 7; // a stale cursor past the end wraps to the first face
    SelectionnerParClic(m_doc, m_editeurs, 336, 301, true);
    EXPECT_EQ(g_nFaceSelectionnee, 1);
}

TEST_F(Vue, LeftClickReopensTheOpenDialogsOnTheNewFace) {
    DeuxTrianglesSuperposes();
    m_doc.m_bPointsPrincipauxOuverts = true;
    m_doc.m_faces[0]->CreerCopie();
    SelectionnerParClic(m_doc, m_editeurs, 464, 301, true);
    EXPECT_EQ(m_ui.m_fenetresFermees, std::vector<EFenetre>{EFenetre::PointsPrincipaux});
    EXPECT_EQ(m_doc.m_faces[0]->m_pCopie, nullptr); // released with the old selection
    EXPECT_EQ(m_editeurs.m_appels, std::vector<std::string>{"PointsPrincipaux"});
    EXPECT_EQ(m_editeurs.m_nSelectionALOuverture, 1);
    EXPECT_NE(m_doc.m_faces[1]->m_pCopie, nullptr);

    m_doc.FermerPointsPrincipaux();
    m_doc.m_bTransformationsOuvertes = true;
    SelectionnerParClic(m_doc, m_editeurs, 400, 300, true);
    EXPECT_EQ(m_ui.m_fenetresFermees.back(), EFenetre::Transformations);
    EXPECT_EQ(m_editeurs.m_appels.back(), "Transformations");
    EXPECT_EQ(m_editeurs.m_nSelectionALOuverture, 0);
}

TEST_F(Vue, RightClickHandsAMainPointToTheOpenDialogs) {
    DeuxTrianglesSuperposes();
    // No dialog open: a redraw and nothing else.
    SelectionnerParClic(m_doc, m_editeurs, 527, 299, false);
    EXPECT_EQ(m_ui.m_nRedessins, 1);
    EXPECT_TRUE(m_editeurs.m_appels.empty());
    m_doc.m_bPointsPrincipauxOuverts = true;
    m_doc.m_bTransformationsOuvertes = true;
    SelectionnerParClic(m_doc, m_editeurs, 527, 299, false);
    EXPECT_EQ(m_editeurs.m_appels, (std::vector<std::string>{"PlacerPoint", "PointChoisi"}));
    ASSERT_EQ(m_editeurs.m_points.size(), 2u);
    EXPECT_EQ(m_editeurs.m_points[0].m_x + m_editeurs.m_points[0].m_z, 2.0);
    EXPECT_EQ(g_nFaceSelectionnee, 0);
    EXPECT_TRUE(m_ui.m_fenetresFermees.empty());
    // An edge is not a main point: the right button ignores it.
    SelectionnerParClic(m_doc, m_editeurs, 464, 300, false);
    EXPECT_EQ(m_editeurs.m_appels.size(), 2u);
    EXPECT_EQ(m_ui.m_nRedessins, 2);
}

TEST_F(Vue, FaceDescriptionToggles) {
    const CAffGeneral& g = m_doc.m_parametresAffichage.m_pageGeneral;
    BasculerCoordonnees(m_doc);
    EXPECT_EQ(g.m_bCoordonnees, 1);
    EXPECT_TRUE(m_doc.IsModified());
    BasculerCoordonnees(m_doc);
    EXPECT_EQ(g.m_bCoordonnees, 0);
    BasculerCoteEtude(m_doc);
    EXPECT_EQ(g.m_bCoteEtude, 1);
    EXPECT_EQ(m_ui.m_nRedessins, 3);
}

} // namespace
