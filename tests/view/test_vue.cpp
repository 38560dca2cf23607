#include "VueTest.h"
#include "geometry/Face3.h"
#include "geometry/Face5.h"
#include "tests/document/DocumentTest.h"
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
             Dessiner(CDonneesSoleil{CVecteur(0, 0, 1), 0, 0, true});
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

// Each click: where, which button, then the cursor, the selection, the
// redraws, what the open editors were handed, and the windows closed.
TEST_F(Vue, ClicksSelectInTurnReopenTheDialogsAndHandOverMainPoints) {
    CJournal j;
    const auto clic = [&](int x, int y, bool bGauche) {
        SelectionnerParClic(m_doc, m_editeurs, x, y, bGauche);
        NOTER(j, x, y, bGauche, g_nFaceTestee, g_nFaceSelectionnee, m_ui.m_nRedessins,
              m_editeurs.m_appels, m_editeurs.m_points, m_editeurs.m_nSelectionALOuverture,
              m_ui.m_fenetresFermees);
    };
    j.Titre("no face: nothing");
    clic(400, 300, true);
    j.Titre("two triangles on top of each other, clicked on the common edge, then missed");
    DeuxTrianglesSuperposes();
    for (int i = 0; i < 3; ++i) {
        clic(464, 301, true);
    }
    clic(10, 10, true);
    j.Titre("faces that are not hit are skipped; a stale cursor past the end wraps");
    m_doc.m_faces[1]->m_points[1] = CVecteur(-2, 0, 0);
    m_doc.m_faces[1]->m_points[2] = CVecteur(-1, 0, 2);
    Dessiner();
    for (int i = 0; i < 3; ++i) {
        clic(464, 301, true);
    }
    g_nFaceTestee = 7;
    clic(336, 301, true);

    j.Titre("a left click reopens the open dialogs on the new face");
    m_doc.NouveauDocument();
    g_nFaceTestee = 0;
    m_ui.m_fenetresFermees.clear();
    DeuxTrianglesSuperposes();
    m_doc.m_bPointsPrincipauxOuverts = true;
    m_doc.m_faces[0]->CreerCopie();
    clic(464, 301, true);
    EXPECT_EQ(m_doc.m_faces[0]->m_pCopie, nullptr); // released with the old selection
    EXPECT_NE(m_doc.m_faces[1]->m_pCopie, nullptr);
    m_doc.FermerPointsPrincipaux();
    m_doc.m_bTransformationsOuvertes = true;
    clic(400, 300, true);

    j.Titre("the right button hands a main point, not an edge, to the open dialogs");
    m_doc.NouveauDocument();
    g_nFaceTestee = 0;
    m_editeurs.m_appels.clear();
    m_ui.m_fenetresFermees.clear();
    DeuxTrianglesSuperposes();
    clic(527, 299, false);
    m_doc.m_bPointsPrincipauxOuverts = true;
    m_doc.m_bTransformationsOuvertes = true;
    clic(527, 299, false);
    clic(464, 300, false);

    j.Titre("the face description toggles");
    const CAffGeneral& g = m_doc.m_parametresAffichage.m_pageGeneral;
    m_doc.SetModifiedFlag(false);
    BasculerCoordonnees(m_doc);
    NOTER(j, g.m_bCoordonnees, g.m_bCoteEtude, m_doc.IsModified(), m_ui.m_nRedessins);
    BasculerCoordonnees(m_doc);
    BasculerCoteEtude(m_doc);
    NOTER(j, g.m_bCoordonnees, g.m_bCoteEtude, m_doc.IsModified(), m_ui.m_nRedessins);
    ExpectGolden("drawings/clicks.txt", j.m_texte);
}

} // namespace
