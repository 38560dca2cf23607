#include "FenetreTest.h"

#include "app/CommandesModelisation.h"
#include "document/Commandes.h"
#include "document/Historique.h"
#include "ui/VantrelView.h"
#include "view/Camera.h"

// One change of each kind through its command, a save among them; Undo back
// to the file as opened, then Redo: each step gives back the exact bytes and
// the selection, unmodified exactly at the state saved. A new change drops
// what was undone; opening a file forgets every step.
TEST_F(FenetreTest, UndoAndRedoGiveBackEveryKindOfChange) {
    Montrer(QSize(900, 650));
    OuvrirMaison();
    const std::pair<int, const char*> changements[] = {
        {ID_INSERER_FACE, "strNom=new;inserer"},
        {ID_PROPRIETES, "strNom=renamed;valider"},
        {ID_OUVERTURES, "selection=3;valider"},
        {ID_CONFIGURATION_GEOGRAPHIQUE, "nLieu=TOKYO;valider"},
        {ID_ENREGISTRER_SOUS, nullptr},
        {ID_OPTIONS_CALCUL, "strAnnee=2040;valider"},
        {ID_PARAMETRES_AFFICHAGE, "strTitre=t;ok"},
        {ID_RECEPTEUR, nullptr},
        {ID_TRANSFORMATIONS, "bDupliquer;Translation;Validate >>;fermer"},
        {ID_POINTS_PRINCIPAUX, "points1X=1.5;valider;fermer"},
        {ID_SUPPRIMER_FACE, nullptr}};
    std::vector<std::vector<std::uint8_t>> etats{m_doc.Ecrire()};
    std::vector<int> selections{g_nFaceSelectionnee};
    m_ui.m_script.m_fichiers.push_back(Temporaire("undo.vtl"));
    m_ui.m_script.m_reponses.push_back(EReponse::Oui);
    for (const auto& [nId, szGestes] : changements) {
        if (nId == ID_TRANSFORMATIONS || nId == ID_POINTS_PRINCIPAUX) { // modeless
            Executer(nId);
            QDialog* f = m_fenetre.Modelisation()->Fenetre(
                nId == ID_TRANSFORMATIONS ? EFenetre::Transformations : EFenetre::PointsPrincipaux);
            Gestes::Activer(f);
            Gestes::Jouer(f, szGestes);
        } else if (szGestes != nullptr) {
            ExecuterModal(nId, [&](QDialog* d) { Gestes::Jouer(d, szGestes); });
        } else {
            Executer(nId);
        }
        if (nId != ID_ENREGISTRER_SOUS) {
            EXPECT_NE(m_doc.Ecrire(), etats.back()) << nId;
            etats.push_back(m_doc.Ecrire());
            selections.push_back(g_nFaceSelectionnee);
        }
    }
    const std::size_t nEnregistre = 4;
    for (std::size_t k = etats.size() - 1; k-- > 0;) {
        Raccourci(Qt::Key_Z);
        EXPECT_TRUE(m_doc.Ecrire() == etats[k] && g_nFaceSelectionnee == selections[k]) << k;
        EXPECT_EQ(m_doc.IsModified(), k != nEnregistre) << k;
    }
    EXPECT_FALSE(m_fenetre.Action(ID_ANNULER)->isEnabled());
    for (std::size_t k = 1; k < etats.size(); ++k) {
        QTest::keyClick(&m_fenetre, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_TRUE(m_doc.Ecrire() == etats[k] && g_nFaceSelectionnee == selections[k]) << k;
        EXPECT_EQ(m_doc.IsModified(), k != nEnregistre) << k;
    }
    Raccourci(Qt::Key_Z);
    Executer(ID_COTE_INVERSE);
    EXPECT_FALSE(m_fenetre.Action(ID_RETABLIR)->isEnabled());
    m_ui.m_questions.m_reponses.push_back(EReponse::Non);
    OuvrirMaison();
    EXPECT_FALSE(m_fenetre.Action(ID_ANNULER)->isEnabled());
}

// The oldest steps go first when the states outgrow the bound, but the one
// before the current state stays; the state saved may go with them.
TEST(Historique, KeepsTheNewestStatesWithinItsBound) {
    const std::tuple<std::size_t, std::size_t, std::size_t> cas[] = {
        {1000, 50, 50}, {35, 1000, 3}, {5, 1000, 2}}; // bytes, states, states kept
    for (const auto& [nOctets, nEtats, nGardes] : cas) {
        CHistorique h(nOctets, nEtats);
        h.Reinitialiser(std::vector<std::uint8_t>(10, 0), 0);
        for (std::uint8_t i = 1; i <= 100; ++i) {
            EXPECT_TRUE(h.Memoriser(std::vector<std::uint8_t>(10, i), i, 0));
        }
        EXPECT_FALSE(h.Memoriser(std::vector<std::uint8_t>(10, 100), 1, 0));
        EXPECT_TRUE(h.NombreEtats() == nGardes && h.Octets() == nGardes * 10);
        while (h.Annuler()) {
        }
        EXPECT_EQ(h.Courant()[0], 101 - nGardes);
        EXPECT_FALSE(h.EstEnregistre());
    }
}

// F in the view, the camera turned (the guide's picture: copy
// build/dev/tests/app/artefacts/guide-fit.png into app/aide/): the same orientation, every main
// point inside the view, which the house fills in one direction.
TEST_F(FenetreTest, FitTheScenePutsEveryFaceInTheView) {
    Montrer(QSize(1024, 720));
    OuvrirMaison();
    CVantrelView* pVue = m_fenetre.Vue();
    VueDeTroisQuarts(pVue);
    const CVecteur x = g_axes[0] * (1 / g_axes[0].Norme());
    const double dAvant = g_dEchelle;
    pVue->clearFocus(); // the letter is the view's alone
    QTest::keyClick(&m_fenetre, Qt::Key_F);
    EXPECT_EQ(g_dEchelle, dAvant);
    pVue->setFocus();
    QTest::keyClick(pVue, Qt::Key_F);
    EXPECT_NEAR(x.Scalaire(g_axes[0] * (1 / g_axes[0].Norme())), 1, 1e-12);
    QRect cadre;
    for (const CFace* f : m_doc.Faces()) {
        for (int i = 0; i < f->m_nPoints; ++i) {
            const CPointEcran p = f->m_points[i].Projeter();
            cadre |= QRect(p.x, p.y, 1, 1);
        }
    }
    EXPECT_TRUE(pVue->rect().contains(cadre)) << cadre.x() << ' ' << cadre.right();
    EXPECT_TRUE(cadre.width() > pVue->width() * 0.8 || cadre.height() > pVue->height() * 0.8);
    GarderImage(m_fenetre.grab().toImage(), "guide-fit.png");
}
