#include "FenetreTest.h"

#include "app/CommandesModelisation.h"
#include "ui/VantrelView.h"

#include <sstream>

// A scene built as the user guide's "Building a scene" tells it, from the
// menus, the accelerators and the dialogs alone, saved and read back.
// It also takes that section's pictures; after a change of these windows,
// refresh the copies beside the guide with
//   QT_QPA_PLATFORM=offscreen build/dev/tests/app/test_app --gtest_filter='*SceneBuilt*'
//   cp build/dev/tests/app/artefacts/guide-scene*.png app/aide/
TEST_F(FenetreTest, ASceneBuiltFromTheMenusComesBackFromItsFile) {
    Montrer(QSize(1024, 720));
    Raccourci(Qt::Key_N);
    // The gestures on a window, its picture for the guide, the closing gestures.
    const auto photo = [](QWidget* f, const char* szGestes, const char* szImage,
                          const char* szFin) {
        Gestes::Jouer(f, szGestes);
        GarderImage(f->grab().toImage(), szImage);
        Gestes::Jouer(f, szFin);
    };
    const auto modal = [&](Qt::Key touche, const char* szGestes, const char* szImage = nullptr,
                           const char* szFin = "") {
        RaccourciModal(touche, [&](QDialog* d) {
            szImage != nullptr ? photo(d, szGestes, szImage, szFin) : Gestes::Jouer(d, szGestes);
        });
    };
    ExecuterModal(ID_INSERER_PARALLELEPIPEDE, [&](QDialog* d) {
        photo(d, "strNom=block;sommet1X=5;sommet1Y=-3;sommet2X=8;sommet2Y=0;sommet2Z=4",
              "guide-scene-box.png", "inserer");
    });
    modal(Qt::Key_I, "nType?Quadrilateral;strNom=wall;inserer");
    modal(Qt::Key_P, "bRecepteur;dAbsorptivite=85;dMailleRelative=1", "guide-scene-receiver.png",
          "valider");

    // The window: a second quadrilateral, brought inside the wall.
    modal(Qt::Key_I, "nType?Quadrilateral;strNom=window;inserer");
    Raccourci(Qt::Key_F);
    QDialog* pPoints = m_fenetre.Modelisation()->Fenetre(EFenetre::PointsPrincipaux);
    ASSERT_NE(pPoints, nullptr);
    photo(pPoints,
          "points0X=0.5;points0Z=0.5;points1X=1.5;points1Z=0.5;points2X=1.5;points2Z=1.5;"
          "points3X=0.5;points3Z=1.5",
          "guide-scene-points.png", "valider;fermer");
    modal(Qt::Key_Y, "nChoix=(2/8) wall;selectionner");
    modal(Qt::Key_V, "selection=0;dTransmittiviteForcee=80;bForcer", "guide-scene-openings.png",
          "valider");
    // The wall counts without its window.
    ExecuterModal(ID_GEOMETRIE_FACE, [](QDialog* d) {
        Gestes::Jouer(d, "dAire?4;dAireOuvertures?1;dAireRetenue?3;fermer");
    });

    // The next panel of the wall, two metres along X.
    Raccourci(Qt::Key_T);
    QDialog* pTransformations = m_fenetre.Modelisation()->Fenetre(EFenetre::Transformations);
    ASSERT_NE(pTransformations, nullptr);
    photo(pTransformations, "vecteurX=2;vecteurZ=0;bDupliquer;Translation",
          "guide-scene-duplicate.png", "Validate >>;fermer");
    modal(Qt::Key_A,
          "strTitre=First scene;pages=1;bAfficher;strCentreX=4;strCentreY=-2;strRepetition=6",
          "guide-scene-grid.png", "ok");
    // Turned to show the grid, the scene in the middle.
    Glisser(m_fenetre.Vue(), Qt::LeftButton, QPoint(300, 265), QPoint(240, 340));
    Glisser(m_fenetre.Vue(), Qt::RightButton, QPoint(500, 300), QPoint(300, 360));
    GarderImage(m_fenetre.grab().toImage(), "guide-scene.png");

    // Saved, dropped, read back.
    const std::string chemin = Temporaire("first scene.vtl");
    m_ui.m_script.m_fichiers = {chemin, chemin};
    Executer(ID_ENREGISTRER_SOUS);
    EXPECT_FALSE(m_doc.IsModified());
    Raccourci(Qt::Key_N);
    ASSERT_EQ(g_nFaces, 0);
    Raccourci(Qt::Key_O);
    EXPECT_EQ(m_doc.Chemin(), chemin);
    EXPECT_TRUE(m_ui.m_script.m_messages.empty() && m_ui.m_questions.m_messages.empty());

    // Each face's name; for the window, the wall, block 1's side at x = 8
    // and the wall's copy: receiver, absorptivity, relative mesh,
    // transmittivity, P0 and P2 (opposite corners), openings.
    std::ostringstream lu;
    for (int i = 0; i < g_nFaces; ++i) {
        const CFace& f = *m_doc.Face(i);
        const CProprietes& p = f.m_proprietes;
        lu << p.m_strNom;
        if (i < 3 || i == 8) {
            lu << ": " << p.m_bRecepteur << ' ' << p.m_dAbsorptivite << ' ' << p.m_dMailleRelative
               << ' ' << p.m_dTransmittivite;
            for (const CVecteur& v : {f.m_points[0], f.m_points[2]}) {
                lu << ", " << v.m_x << ' ' << v.m_y << ' ' << v.m_z;
            }
            lu << ", " << f.m_ouvertures.m_faces.size();
        }
        lu << '\n';
    }
    // The wall's openings: mode, forced rate; the view's title and grid.
    const COuvertures& o = m_doc.Face(1)->m_ouvertures;
    const CParametresAffichage& a = m_doc.m_parametresAffichage;
    lu << o.m_nMode << ' ' << o.m_dTransmittiviteForcee << ' '
       << m_doc.Face(0)->m_proprietes.m_correlationTransmittivite.m_nMode << ", "
       << a.m_pageGeneral.m_strTitre << ", " << a.m_pageQuadrillage.m_bAfficher << ' '
       << a.m_pageQuadrillage.m_nRepetition << ' ' << a.m_pageQuadrillage.m_centre.m_x << ' '
       << a.m_pageQuadrillage.m_centre.m_y;
    EXPECT_EQ(lu.str(), "window: 0 100 2 80, 0.5 0 0.5, 1.5 0 1.5, 0\n"
                        "wall: 1 85 1 0, 0 0 0, 2 0 2, 1\n"
                        "block 1: 0 100 2 0, 8 -3 0, 8 0 4, 0\n"
                        "block 2\nblock 3\nblock 4\nblock 5\nblock 6\n"
                        "wall (c): 1 85 1 0, 2 0 0, 4 0 2, 0\n"
                        "1 80 0, First scene, 1 6 4 -2");
    EXPECT_TRUE(o.m_faces.size() == 1 && o.m_faces[0] == m_doc.Face(0));
}
