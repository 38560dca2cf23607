#include "geometry/Face3.h"
#include "geometry/Face5.h"
#include "tests/document/DocumentTest.h"
#include "tests/platform/ImpressionEcran.h"
#include "view/Camera.h"
#include "view/Dessin.h"
#include "view/Vue.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using EType = CDCEnregistreur::EType;

// Records what the click selection hands to the open editors, and what the
// document looked like at that moment.
class EditeursEspions : public CEditeursOuverts {
public:
    explicit EditeursEspions(CVantrelDoc& doc) : m_doc(doc) {}

    std::vector<std::string> m_appels;
    std::vector<CVecteur> m_points;
    int m_nSelectionALOuverture = -1;

    void OuvrirPointsPrincipaux() override {
        m_appels.push_back("OuvrirPointsPrincipaux");
        m_nSelectionALOuverture = g_nFaceSelectionnee;
        m_doc.m_bPointsPrincipauxOuverts = true;
        m_doc.Face(-1)->CreerCopie();
    }
    void OuvrirTransformations() override {
        m_appels.push_back("OuvrirTransformations");
        m_nSelectionALOuverture = g_nFaceSelectionnee;
        m_doc.m_bTransformationsOuvertes = true;
    }
    void PlacerPoint(const CVecteur& p) override {
        m_appels.push_back("PlacerPoint");
        m_points.push_back(p);
    }
    void PointChoisi(const CVecteur& p) override {
        m_appels.push_back("PointChoisi");
        m_points.push_back(p);
    }

private:
    CVantrelDoc& m_doc;
};

class Vue : public DocumentTest {
protected:
    void SetUp() override { InitialiserVue(CRectangle{0, 0, 800, 600}); }

    // Two default triangles on top of each other, drawn once so that they can
    // be picked: P0 at (400, 300), P1 at (528, 300).
    void DeuxTrianglesSuperposes() {
        m_doc.AjouterFace(std::make_unique<CFace3>());
        m_doc.AjouterFace(std::make_unique<CFace3>());
        OnDraw(&m_dc, m_doc, CVecteur(0, 1, 0), CDonneesSoleil{});
    }

    // The pens selected, in order.
    std::vector<CStylo> Stylos() const {
        std::vector<CStylo> r;
        for (const auto& p : m_dc.DeType(EType::Stylo)) {
            r.push_back(p.stylo);
        }
        return r;
    }

    CDCEnregistreur m_dc{CRectangle{0, 0, 800, 600}};
    EditeursEspions m_editeurs{m_doc};
};

TEST_F(Vue, RepaintOrderAndPens) {
    CFace* mur = AjouterNommee("wall");
    CFace* capteur = AjouterNommee("panel");
    CFace* fenetre = AjouterNommee("window");
    capteur->m_proprietes.m_bRecepteur = 1;
    capteur->m_points[0] = CVecteur(-1, 0, 0); // to tell its outline apart
    capteur->m_ouvertures.m_faces.push_back(fenetre);
    mur->CreerCopie();
    g_nFaceSelectionnee = 1;
    CAffGeneral& g = m_doc.m_parametresAffichage.m_pageGeneral;
    g.m_bCoordonnees = 1;
    g.m_bCoteEtude = 1;
    m_doc.m_parametresAffichage.m_pageQuadrillage.m_bAfficher = 1;
    CDonneesSoleil soleil;
    soleil.direction = CVecteur(0, 0, 1);
    soleil.bInitialise = true;

    OnDraw(&m_dc, m_doc, CVecteur(0, 1, 0), soleil);

    ASSERT_FALSE(m_dc.m_primitives.empty());
    EXPECT_EQ(m_dc.m_primitives[0].type, EType::ModeFond);
    EXPECT_EQ(m_dc.m_primitives[0].modeFond, EModeFond::Transparent);
    EXPECT_EQ(Stylos(), (std::vector<CStylo>{g_styloQuadrillage, g_styloTriedre, g_styloAxeSombre,
                                             g_styloAxeSombre, g_styloAxeSombre, g_styloNord,
                                             g_styloRayon, g_styloFaces, g_styloRecepteurs,
                                             g_styloSelection, g_styloOuvertures, g_styloCopie}));
    EXPECT_EQ(m_dc.Textes(),
              (std::vector<std::string>{"Document title : no title", "Selected face : (2/3) panel",
                                        "X", "Y", "Z", "N", "S", "0 : (-1.00,0.00,0.00)",
                                        "1 : (2.00,0.00,0.00)", "2 : (2.00,0.00,2.00)",
                                        "3 : (0.00,0.00,2.00)"}));
    const auto textes = m_dc.DeType(EType::Texte);
    EXPECT_EQ(textes.back().couleurTexte, g_couleurNoire);

    // Faces: two non-receivers in white, the receiver in yellow, the
    // receiver again in magenta with its study side, its opening dotted, and
    // the working copy.
    std::vector<CDCEnregistreur::CSegment> faces;
    for (const auto& s : m_dc.Segments()) {
        if (s.stylo == g_styloFaces || s.stylo == g_styloRecepteurs ||
            s.stylo == g_styloSelection || s.stylo == g_styloOuvertures ||
            s.stylo == g_styloCopie) {
            faces.push_back(s);
        }
    }
    ASSERT_EQ(faces.size(), 4u + 4u + 4u + 4u + 1u + 4u + 4u);
    EXPECT_EQ(faces[0].a, (CPointEcran{400, 300}));
    EXPECT_EQ(faces[8].stylo, g_styloRecepteurs);
    EXPECT_EQ(faces[8].a, (CPointEcran{336, 300}));
    EXPECT_EQ(faces[12].stylo, g_styloSelection);
    EXPECT_EQ(faces[16].stylo, g_styloSelection); // the study side, (0.5,0,0) to (0.5,-0.5,0)
    EXPECT_EQ(faces[16].a, (CPointEcran{432, 300}));
    EXPECT_EQ(faces[17].stylo, g_styloOuvertures);
    EXPECT_EQ(faces[21].stylo, g_styloCopie);
}

TEST_F(Vue, HighlightOffHidesTheFaceDescription) {
    CFace* f = AjouterNommee("wall");
    f->m_proprietes.m_bMasquee = 1;
    CAffGeneral& g = m_doc.m_parametresAffichage.m_pageGeneral;
    g.m_bCoordonnees = 1;
    g.m_bBrillance = 0;
    OnDraw(&m_dc, m_doc, CVecteur(0, 1, 0), CDonneesSoleil{});
    EXPECT_EQ(m_dc.Textes().size(), 6u); // title, selection, X, Y, Z, N
    for (const auto& s : m_dc.Segments()) {
        EXPECT_NE(s.stylo, g_styloFaces); // hidden
        EXPECT_NE(s.stylo, g_styloSelection);
    }

    m_dc.Effacer();
    g.m_bBrillance = 1; // the selected face shows even when hidden
    OnDraw(&m_dc, m_doc, CVecteur(0, 1, 0), CDonneesSoleil{});
    int nSelection = 0;
    for (const auto& s : m_dc.Segments()) {
        nSelection += s.stylo == g_styloSelection ? 1 : 0;
    }
    EXPECT_EQ(nSelection, 4);
}

TEST_F(Vue, EmptySceneWithoutSunDrawsOnlyTheOverlays) {
    OnDraw(&m_dc, m_doc, CVecteur(0, 1, 0), CDonneesSoleil{});
    EXPECT_EQ(Stylos(), (std::vector<CStylo>{g_styloTriedre, g_styloAxeSombre, g_styloAxeSombre,
                                             g_styloAxeSombre, g_styloNord, g_styloFaces,
                                             g_styloRecepteurs, g_styloCopie}));
    EXPECT_EQ(m_dc.Textes().at(1), "Selected face : no face defined");
}

class VueNoeuds : public Vue {
protected:
    void SetUp() override {
        Vue::SetUp();
        CFace* f = AjouterNommee("panel");
        f->m_pNoeuds = std::make_unique<CMaillage>();
        f->m_pNoeuds->Ajouter(CVecteur(1, 0, 1));
        f->m_pNoeuds->Ajouter(CVecteur(0.5, 0, 0.5));
        f->m_pNoeuds->Ajouter(CVecteur(0, 0, 0));
        f->m_pNoeuds->m_valeurs = {100.0f, 50.0f, 0.0f};
        AjouterNommee("no mesh");
    }

    std::vector<CDCEnregistreur::CPrimitive> Pixels() const { return m_dc.DeType(EType::Pixel); }
};

TEST_F(VueNoeuds, NodesOnlyWhileTheLightingWindowIsOpen) {
    OnDraw(&m_dc, m_doc, CVecteur(0, 1, 0), CDonneesSoleil{});
    EXPECT_TRUE(Pixels().empty());

    m_dc.Effacer();
    m_doc.m_bEclairementOuvert = true;
    OnDraw(&m_dc, m_doc, CVecteur(0, 1, 0), CDonneesSoleil{});
    const auto pixels = Pixels();
    ASSERT_EQ(pixels.size(), 3u);
    // Drawn right after the background mode, before everything else.
    EXPECT_EQ(m_dc.m_primitives[1].type, EType::Pixel);
    EXPECT_EQ(pixels[0].x1, 464);
    EXPECT_EQ(pixels[0].y1, 236);
    // trunc(v * 2.55): 100 % gives 254 since 2.55 is stored just below.
    EXPECT_EQ(pixels[0].couleur, CCouleur(254, 254, 0));
    EXPECT_EQ(pixels[1].couleur, CCouleur(127, 127, 0));
    EXPECT_EQ(pixels[2].couleur, CCouleur(0, 0, 0));
}

TEST_F(VueNoeuds, BigNodesAreThreeByThreeSquaresInAFixedOrder) {
    m_doc.m_bEclairementOuvert = true;
    m_doc.m_parametresAffichage.m_pageGeneral.m_bGrosNoeuds = 1;
    DessinerNoeuds(&m_dc, m_doc);
    const auto pixels = Pixels();
    ASSERT_EQ(pixels.size(), 27u);
    const std::vector<CPointEcran> attendus = {{464, 236}, {464, 235}, {464, 237},
                                               {463, 236}, {463, 235}, {463, 237},
                                               {465, 236}, {465, 235}, {465, 237}};
    for (std::size_t i = 0; i < attendus.size(); ++i) {
        EXPECT_EQ((CPointEcran{pixels[i].x1, pixels[i].y1}), attendus[i]) << i;
        EXPECT_EQ(pixels[i].couleur, CCouleur(254, 254, 0));
    }
}

TEST_F(Vue, NoFaceMeansAClickDoesNothing) {
    SelectionnerParClic(m_doc, m_editeurs, 400, 300, true);
    EXPECT_EQ(g_nFaceTestee, 0);
    EXPECT_EQ(g_nFaceSelectionnee, 0);
    EXPECT_EQ(m_ui.m_nRedessins, 0);
}

TEST_F(Vue, RepeatedClicksSelectOverlappingFacesInTurn) {
    DeuxTrianglesSuperposes();
    SelectionnerParClic(m_doc, m_editeurs, 464, 301, true); // on the common edge
    EXPECT_EQ(g_nFaceSelectionnee, 1);
    EXPECT_EQ(m_ui.m_nRedessins, 1);
    SelectionnerParClic(m_doc, m_editeurs, 464, 301, true);
    EXPECT_EQ(g_nFaceSelectionnee, 0);
    SelectionnerParClic(m_doc, m_editeurs, 464, 301, true);
    EXPECT_EQ(g_nFaceSelectionnee, 1);
    EXPECT_TRUE(m_editeurs.m_appels.empty());

    // A miss tries every face once and leaves the cursor where it was.
    SelectionnerParClic(m_doc, m_editeurs, 10, 10, true);
    EXPECT_EQ(g_nFaceTestee, 1);
    EXPECT_EQ(g_nFaceSelectionnee, 1);
    EXPECT_EQ(m_ui.m_nRedessins, 3);
}

TEST_F(Vue, ClickSelectionSkipsFacesThatAreNotHit) {
    DeuxTrianglesSuperposes();
    m_doc.m_faces[1]->m_points[1] = CVecteur(-2, 0, 0);
    m_doc.m_faces[1]->m_points[2] = CVecteur(-1, 0, 2);
    OnDraw(&m_dc, m_doc, CVecteur(0, 1, 0), CDonneesSoleil{});
    for (int i = 0; i < 3; ++i) {
        SelectionnerParClic(m_doc, m_editeurs, 464, 301, true);
        EXPECT_EQ(g_nFaceSelectionnee, 0);
    }
    // A stale cursor past the end wraps to the first face.
    g_nFaceTestee = 7;
    SelectionnerParClic(m_doc, m_editeurs, 336, 301, true);
    EXPECT_EQ(g_nFaceSelectionnee, 1);
}

TEST_F(Vue, LeftClickReopensTheMainPointsDialogOnTheNewFace) {
    DeuxTrianglesSuperposes();
    m_doc.m_bPointsPrincipauxOuverts = true;
    m_doc.m_faces[0]->CreerCopie();
    SelectionnerParClic(m_doc, m_editeurs, 464, 301, true);
    EXPECT_EQ(m_ui.m_fenetresFermees, std::vector<EFenetre>{EFenetre::PointsPrincipaux});
    EXPECT_EQ(m_doc.m_faces[0]->m_pCopie, nullptr); // released with the old selection
    EXPECT_EQ(m_editeurs.m_appels, std::vector<std::string>{"OuvrirPointsPrincipaux"});
    EXPECT_EQ(m_editeurs.m_nSelectionALOuverture, 1);
    EXPECT_NE(m_doc.m_faces[1]->m_pCopie, nullptr);
    EXPECT_EQ(g_nFaceSelectionnee, 1);
}

TEST_F(Vue, LeftClickReopensTheTransformationsDialog) {
    DeuxTrianglesSuperposes();
    m_doc.m_bTransformationsOuvertes = true;
    SelectionnerParClic(m_doc, m_editeurs, 400, 300, true);
    EXPECT_EQ(m_ui.m_fenetresFermees, std::vector<EFenetre>{EFenetre::Transformations});
    EXPECT_EQ(m_editeurs.m_appels, std::vector<std::string>{"OuvrirTransformations"});
    EXPECT_EQ(m_editeurs.m_nSelectionALOuverture, 1);
}

TEST_F(Vue, RightClickHandsAMainPointToTheOpenDialogs) {
    DeuxTrianglesSuperposes();
    // No dialog open: a redraw and nothing else.
    SelectionnerParClic(m_doc, m_editeurs, 527, 299, false);
    EXPECT_EQ(m_ui.m_nRedessins, 1);
    EXPECT_TRUE(m_editeurs.m_appels.empty());
    EXPECT_EQ(g_nFaceSelectionnee, 0);

    m_doc.m_bPointsPrincipauxOuverts = true;
    m_doc.m_bTransformationsOuvertes = true;
    SelectionnerParClic(m_doc, m_editeurs, 527, 299, false);
    EXPECT_EQ(m_editeurs.m_appels, (std::vector<std::string>{"PlacerPoint", "PointChoisi"}));
    ASSERT_EQ(m_editeurs.m_points.size(), 2u);
    EXPECT_EQ(m_editeurs.m_points[0].m_x, 2.0);
    EXPECT_EQ(m_editeurs.m_points[0].m_z, 0.0);
    EXPECT_EQ(g_nFaceSelectionnee, 0);
    EXPECT_TRUE(m_ui.m_fenetresFermees.empty());

    // An edge is not a main point: the right button ignores it.
    SelectionnerParClic(m_doc, m_editeurs, 464, 300, false);
    EXPECT_EQ(m_editeurs.m_appels.size(), 2u);
    EXPECT_EQ(m_ui.m_nRedessins, 2);
}

TEST_F(Vue, FaceDescriptionToggles) {
    BasculerCoordonnees(m_doc);
    EXPECT_EQ(m_doc.m_parametresAffichage.m_pageGeneral.m_bCoordonnees, 1);
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_EQ(m_ui.m_nRedessins, 1);
    BasculerCoordonnees(m_doc);
    EXPECT_EQ(m_doc.m_parametresAffichage.m_pageGeneral.m_bCoordonnees, 0);
    BasculerCoteEtude(m_doc);
    EXPECT_EQ(m_doc.m_parametresAffichage.m_pageGeneral.m_bCoteEtude, 1);
    EXPECT_EQ(m_ui.m_nRedessins, 3);
}

TEST_F(Vue, SectorsAreDrawnThroughTheirArc) {
    m_doc.AjouterFace(std::make_unique<CFace5>());
    m_doc.m_parametresAffichage.m_pageGeneral.m_bBrillance = 0;
    OnDraw(&m_dc, m_doc, CVecteur(0, 1, 0), CDonneesSoleil{});
    int n = 0;
    for (const auto& s : m_dc.Segments()) {
        n += s.stylo == g_styloFaces ? 1 : 0;
    }
    EXPECT_EQ(n, 39);
}

} // namespace
