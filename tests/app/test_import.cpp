// "Import a model..." from the File menu, as the user guide shows it.
#include "FenetreTest.h"

#include "document/Commandes.h"
#include "ui/VantrelView.h"

#include <QLabel>
#include <QPainter>

// A file that is no model changes nothing; the box, drawn Y-up, comes in
// front of the house at twice its size, its first face selected. The
// guide's picture is the window afterwards with the dialog as it was filled
// (refresh it as tests/app/test_etude.cpp says).
TEST_F(FenetreTest, ImportAModelInFrontOfTheHouse) {
    Montrer(QSize(1024, 720));
    OuvrirMaison();
    VueDeTroisQuarts(m_fenetre.Vue());
    const auto& messages = m_ui.m_script.m_messages;
    m_ui.m_script.m_fichiers.push_back(m_strMaison);
    Executer(ID_IMPORTER_MODELE);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].strTitre, "Import a model");
    EXPECT_EQ(messages[0].strTexte.rfind("Cannot import \"" + m_strMaison + "\": ", 0), 0u);
    EXPECT_EQ(g_nFaces, 12);
    EXPECT_FALSE(m_doc.IsModified());

    m_ui.m_script.m_fichiers.push_back(VANTREL_TEST_DATA "/models/box.obj");
    QPixmap dialogue;
    QPoint position;
    ExecuterModal(ID_IMPORTER_MODELE, [&](QDialog* d) {
        EXPECT_EQ(Gestes::Widget<QLabel>(d, "strModele")->text(), "box.obj: 9 polygons");
        Gestes::Jouer(d, "strEchelle?1;bYHaut?0;strEchelle=0;importer");
        EXPECT_EQ(messages.back().strTexte, "Please enter a number between 0.0001 and 10000.");
        Gestes::Jouer(d, "strEchelle=2;bYHaut");
        d->move(m_fenetre.pos() + QPoint(600, 440)); // off the scene, for the picture
        dialogue = d->grab();
        position = d->frameGeometry().topLeft() - m_fenetre.frameGeometry().topLeft();
        Gestes::Cliquer(d, "importer");
    });
    EXPECT_EQ(
        messages.back().strTexte,
        "10 faces imported (6 quadrilaterals, 4 triangles). 1 polygon skipped (1 degenerate).");
    EXPECT_EQ(m_doc.LibelleFace(-1), "(13/22) box");
    EXPECT_EQ(m_doc.Face(21)->m_points[1].m_z, 3.0); // the wall's gable, turned Z-up
    EXPECT_TRUE(m_doc.IsModified());
    QImage ecran = m_fenetre.grab().toImage();
    QPainter(&ecran).drawPixmap(position, dialogue);
    GarderImage(ecran, "guide-import.png");
}
