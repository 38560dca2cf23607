#include "FenetreTest.h"

#include "app/CommandesModelisation.h"
#include "document/Commandes.h"
#include "ui/VantrelView.h"
#include "view/Camera.h"

// A change of each kind, saved after the fourth; Undo back to the file as
// opened, then Redo: each step's exact bytes and selection, unmodified only
// where saved. A new change drops the steps undone; Open forgets them all.
TEST_F(FenetreTest, UndoAndRedoGiveBackEveryKindOfChange) {
    Montrer(QSize(900, 650));
    OuvrirMaison();
    const std::pair<int, const char*> changements[] = {
        {ID_INSERER_FACE, "strNom=new;inserer"},
        {ID_PROPRIETES, "strNom=renamed;valider"},
        {ID_OUVERTURES, "selection=3;valider"},
        {ID_CONFIGURATION_GEOGRAPHIQUE, "nLieu=TOKYO;valider"},
        {ID_ENREGISTRER_SOUS, ""},
        {ID_OPTIONS_CALCUL, "strAnnee=2040;valider"},
        {ID_PARAMETRES_AFFICHAGE, "strTitre=t;ok"},
        {ID_RECEPTEUR, ""},
        {ID_TRANSFORMATIONS, "bDupliquer;Translation;Validate >>;fermer"},
        {ID_POINTS_PRINCIPAUX, "points1X=1.5;valider;fermer"},
        {ID_SUPPRIMER_FACE, ""}};
    std::vector etats{std::pair(m_doc.Ecrire(), g_nFaceSelectionnee)};
    m_ui.m_script.m_fichiers.push_back(Temporaire("undo.vtl"));
    m_ui.m_script.m_reponses.push_back(EReponse::Oui);
    for (const auto& [nId, szGestes] : changements) {
        const bool bModeless = nId == ID_TRANSFORMATIONS || nId == ID_POINTS_PRINCIPAUX;
        if (*szGestes == 0 || bModeless) {
            Executer(nId);
        } else {
            ExecuterModal(nId, [&](QDialog* d) { Gestes::Jouer(d, szGestes); });
        }
        if (bModeless) {
            QDialog* f = m_fenetre.Modelisation()->Fenetre(
                nId == ID_TRANSFORMATIONS ? EFenetre::Transformations : EFenetre::PointsPrincipaux);
            Gestes::Activer(f);
            Gestes::Jouer(f, szGestes);
        }
        if (nId != ID_ENREGISTRER_SOUS) {
            EXPECT_NE(m_doc.Ecrire(), etats.back().first) << nId;
            etats.emplace_back(m_doc.Ecrire(), g_nFaceSelectionnee);
        }
    }
    const auto verifier = [&](std::size_t k) {
        EXPECT_TRUE(std::pair(m_doc.Ecrire(), g_nFaceSelectionnee) == etats[k]) << k;
        EXPECT_EQ(m_doc.IsModified(), k != 4) << k;
    };
    for (std::size_t k = etats.size() - 1; k-- > 0; verifier(k)) {
        Raccourci(Qt::Key_Z);
    }
    for (std::size_t k = 1; k < etats.size(); verifier(k++)) {
        QTest::keyClick(&m_fenetre, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    }
    Raccourci(Qt::Key_Z);
    Executer(ID_COTE_INVERSE);
    EXPECT_FALSE(m_fenetre.Action(ID_RETABLIR)->isEnabled());
    m_ui.m_questions.m_reponses.push_back(EReponse::Non);
    OuvrirMaison();
    EXPECT_FALSE(m_fenetre.Action(ID_ANNULER)->isEnabled());
}

// F in the view, not elsewhere: the same orientation, every main point
// inside, the view filled in one direction. The guide's picture: copy
// build/dev/tests/app/artefacts/guide-fit.png into app/aide/.
TEST_F(FenetreTest, FitTheScenePutsEveryFaceInTheView) {
    Montrer(QSize(1024, 720));
    OuvrirMaison();
    CVantrelView* pVue = m_fenetre.Vue();
    VueDeTroisQuarts(pVue);
    const CVecteur x = g_axes[0] * (1 / g_dEchelle);
    const double dAvant = g_dEchelle;
    pVue->clearFocus();
    QTest::keyClick(&m_fenetre, Qt::Key_F);
    EXPECT_EQ(g_dEchelle, dAvant);
    pVue->setFocus();
    QTest::keyClick(pVue, Qt::Key_F);
    EXPECT_NEAR((g_axes[0] * (1 / g_dEchelle) - x).Norme(), 0, 1e-15);
    QRect cadre;
    for (const CFace* f : m_doc.Faces()) {
        for (int i = 0; i < f->m_nPoints; ++i) {
            cadre |= QRect(f->m_points[i].Projeter().x, f->m_points[i].Projeter().y, 1, 1);
        }
    }
    EXPECT_TRUE(pVue->rect().contains(cadre));
    EXPECT_TRUE(cadre.width() > pVue->width() * 0.8 || cadre.height() > pVue->height() * 0.8);
    GarderImage(m_fenetre.grab().toImage(), "guide-fit.png");
}
