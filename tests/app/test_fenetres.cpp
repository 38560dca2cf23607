#include "FenetreTest.h"

#include "app/CommandesEtude.h"
#include "app/CommandesModelisation.h"
#include "geometry/Face3.h"
#include "modelling/Exemples.h"
#include "ui/FenetreEclairement.h"
#include "ui/FenetrePositionSoleil.h"
#include "ui/VantrelView.h"

#include <set>
#include <sstream>
#include <tuple>
#include <typeinfo>

namespace {

// A wall of 5 x 2 m from x = 0 with two windows of 1.5 x 1 m, then left of
// it a face "d" and a 2 x 2 receiver whose name has 30 characters; the
// wall selected.
class Fenetres : public FenetreTest, protected Gestes {
protected:
    CFace* m_pMur = nullptr;
    CFace* m_pCarre = nullptr;

    void SetUp() override {
        Scene();
        Montrer(QSize(900, 650));
        // Settled before any of its windows takes the keyboard.
        ASSERT_TRUE(QTest::qWaitForWindowActive(&m_fenetre));
    }
    void Scene() {
        m_pMur = AjouterQuadrilatere(m_doc, "wall", {0, 0, 0}, {5, 0, 0}, {5, 0, 2}, {0, 0, 2});
        for (const double x : {0.5, 3.0}) {
            AjouterQuadrilatere(m_doc, x < 1 ? "window 1" : "window 2", {x, 0, 0.5},
                                {x + 1.5, 0, 0.5}, {x + 1.5, 0, 1.5}, {x, 0, 1.5});
        }
        AjouterQuadrilatere(m_doc, "d", {-5, 0, 0}, {-4, 0, 0}, {-4, 0, 1}, {-5, 0, 1});
        m_pCarre = AjouterQuadrilatere(m_doc, "South wall of the first floor.", {-3, 0, 0},
                                       {-1, 0, 0}, {-1, 0, 2}, {-3, 0, 2});
        m_pCarre->m_proprietes.m_bRecepteur = 1;
        g_nFaceSelectionnee = 0;
        m_doc.RedessinerVues();
    }
    QDialog* Fenetre(EFenetre f) const {
        return f == EFenetre::PositionSoleil ? m_fenetre.Etude()->FenetrePositionSoleil()
               : f == EFenetre::Eclairement
                   ? static_cast<QDialog*>(m_fenetre.Etude()->FenetreEclairement())
                   : m_fenetre.Modelisation()->Fenetre(f);
    }
    // CTRL (left) or SHIFT (right) and a click on a main point as the view
    // draws it.
    void Pointer(CFace* pFace, int nPoint, Qt::MouseButton bouton) {
        m_fenetre.Vue()->grab();
        const CPointEcran p = pFace->m_ecran[nPoint];
        QTest::mouseClick(m_fenetre.Vue(), bouton,
                          bouton == Qt::LeftButton ? Qt::ControlModifier : Qt::ShiftModifier,
                          QPoint(p.x, p.y));
    }
};

// Changes every field and every list, then cancels (a tool closes on Escape).
void ToutChangerPuisAnnuler(QDialog* pDialogue) {
    for (QLineEdit* pEdit : pDialogue->findChildren<QLineEdit*>()) {
        if (!pEdit->isReadOnly()) {
            pEdit->setText(QStringLiteral("1"));
        }
    }
    for (QListWidget* pListe : pDialogue->findChildren<QListWidget*>()) {
        pListe->selectAll();
    }
    if (pDialogue->findChild<QPushButton*>("annuler") != nullptr) {
        Gestes::Cliquer(pDialogue, "annuler");
    } else {
        QTest::keyClick(pDialogue, Qt::Key_Escape);
    }
}

} // namespace

// Every modal command from the menu, one after the other on one scene. A
// refused field shows the core's message, is focused, and the dialog stays
// open; then every field changed and cancelled, it stores nothing;
// confirmed, the document is marked.
TEST_F(Fenetres, EachModalCommandStoresOnlyWhatItsDialogAccepts) {
    enum EIssue { Rien, Ecrit, Modifie }; // Ecrit: stored, not marked (the copy)
    struct CEtape {
        int nId;
        const char* szGestes; // null: every field changed, then cancelled
        EIssue issue;
        const char* szRefus = nullptr; // the refused field, and the message
        const char* szMessage = "";
    };
    const CEtape etapes[] = {
        {ID_OUVERTURES, "selection=0;selection=1;valider", Modifie},
        {ID_GEOMETRIE_FACE, "dAire?10;dAireRetenue?7;dOrientation?180;fermer", Rien},
        // Forcing the rate is an action, not a state.
        {ID_OUVERTURES, "bForcer;dTransmittiviteForcee=80;valider", Modifie},
        {ID_OUVERTURES, "bForcer?0;dTransmittiviteForcee?80;annuler", Rien},
        {ID_OUVERTURES, "mode2;dValeur=-101;valider", Rien, "dValeur",
         "Please enter a number between -100 and 1000000."},
        {ID_PROPRIETES, "dMailleRelative=0.05;valider", Rien, "dMailleRelative",
         "Please enter a number between 0.1 and 10."},
        {ID_PROPRIETES, "strNom=mur \u4e2d;valider", Rien, "strNom",
         "The character U+4E2D cannot be stored: it is not in the Windows-1252 character set."},
        {ID_PROPRIETES, "strNom=fa\u00e7ade;bRecepteur;dTransmittivite=20;valider", Modifie},
        {ID_COPIER_PROPRIETES, nullptr, Rien},
        {ID_COPIER_PROPRIETES, "selection=2;valider", Ecrit},
        {ID_SELECTIONNER_FACE, "nChoix=(3/5) window 2;selectionner", Rien},
        {ID_INSERER_FACE, "strNom=xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx;inserer", Rien, "strNom",
         "Please enter no more than 30 characters."},
        {ID_INSERER_FACE, "nType=Triangular;strNom=mur \u00e9t\u00e9;inserer", Modifie},
        // The new face took the selected place; the former third face follows.
        {ID_SELECTIONNER_FACE, "nChoix?(3/6) mur \u00e9t\u00e9;nChoix=(4/6) window 2;annuler",
         Rien},
        {ID_INVERSER_FACE, nullptr, Rien},
        {ID_INVERSER_FACE, "nChoix=(6/6) South wall of the first floor.;nChoix!", Modifie},
        {ID_INSERER_PRISME, "nCotes=100;inserer", Rien, "nCotes",
         "Please enter an integer between 3 and 99."},
        // A height along the radius: nothing said, nothing made.
        {ID_INSERER_PRISME, "hauteurX=1;hauteurZ=0;inserer;annuler", Rien},
        {ID_INSERER_PRISME, "inserer", Modifie},
        {ID_INSERER_PARALLELEPIPEDE, "sommet2Y=2,5;inserer", Rien, "sommet2Y",
         "Please enter a number."},
        {ID_INSERER_PARALLELEPIPEDE, "inserer", Modifie},
        {ID_INFORMATIONS_SOLAIRES,
         "strDureeJour?8.16;nIndexDate=21 june;strDureeJour?15.96;strAltitudeZenith?64.53;fermer",
         Rien},
        {ID_PROBLEME_INVERSE, "calculer;strAzimutMax=360.5;strAzimutMax!", Rien, "strAzimutMax",
         "Please enter a number between 0 and 360."},
        // Enter computes the group typed in; 2.6498 shows 2.649, not rounded half up.
        {ID_CALCULS_PRATIQUES,
         "strInclinaisonHiver?21.1;strAltitudeAuvent=60;strAltitudeAuvent!;strDescenteOmbre?1.732;"
         "strAltitudePanneaux=20;strInclinaisonPanneaux=45;strInclinaisonPanneaux!;"
         "strEspacement?2.649;strTaillePanneaux=100.5;strTaillePanneaux!;strDescenteOmbre?1.732",
         Rien, "strTaillePanneaux", "Please enter a number between 0 and 100."},
        {ID_OPTIONS_CALCUL, "strCadence=40.5;valider", Rien, "strCadence",
         "Please enter a number between 0.1 and 40."},
        // Enter in a field confirms: "Validate" is the default button.
        {ID_OPTIONS_CALCUL, "strCadence=3;nIndexPas=30;strAnnee=2040;strAnnee!", Modifie},
        {ID_CONFIGURATION_GEOGRAPHIQUE, "nLieu=TOKYO;strLatitude?35.7;strLigneHorizon=48.1;valider",
         Rien, "strLigneHorizon", "Please enter a number between -12 and 48."},
        {ID_CONFIGURATION_GEOGRAPHIQUE, "nLieu=Particular place;strLatitude=90;valider", Rien,
         "strLatitude", "Please enter a number between -89.9 and 89.9."},
        {ID_CONFIGURATION_GEOGRAPHIQUE,
         "nLieu=Particular place;strLatitude=45.25;strLongitude=-3.5;bIgnorerLongitude;"
         "strDirectionNord=90;valider",
         Modifie},
        {ID_A_PROPOS, "OK", Rien},
        // The page is checked when it is left.
        {ID_PARAMETRES_AFFICHAGE, "strTitre=aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa;pages=1;pages?0", Rien,
         "strTitre", "Please enter no more than 30 characters."},
        {ID_PARAMETRES_AFFICHAGE, "pages=2;strDistance=1000.5;ok;pages?2", Rien, "strDistance",
         "Please enter a number between 0 and 1000."},
        {ID_PARAMETRES_AFFICHAGE, "strTitre=Caf\u00e9 \u20ac;pages=1;bAfficher;strRepetition=5;ok",
         Modifie},
    };
    // The tools and the report leave the views as they are.
    const std::set<int> sansRedessin = {ID_GEOMETRIE_FACE, ID_INFORMATIONS_SOLAIRES,
                                        ID_PROBLEME_INVERSE, ID_CALCULS_PRATIQUES, ID_A_PROPOS};
    for (const CEtape& e : etapes) {
        SCOPED_TRACE(std::to_string(e.nId) + " " + (e.szGestes ? e.szGestes : ""));
        m_doc.SetModifiedFlag(false);
        m_ui.m_script.m_messages.clear();
        m_ui.m_nRedessins = 0;
        const std::vector<std::uint8_t> avant = m_doc.Ecrire();
        ExecuterModal(e.nId, [&](QDialog* d) {
            if (e.szGestes == nullptr) {
                ToutChangerPuisAnnuler(d);
                return;
            }
            Jouer(d, e.szGestes);
            if (e.szRefus != nullptr) {
                EXPECT_TRUE(d->isVisible());
                EXPECT_EQ(d->focusWidget()->objectName(), e.szRefus);
                ToutChangerPuisAnnuler(d);
            }
        });
        ASSERT_EQ(m_ui.m_script.m_messages.size(), e.szRefus != nullptr ? 1u : 0u);
        if (e.szRefus != nullptr) {
            EXPECT_EQ(m_ui.m_script.m_messages[0].strTexte, e.szMessage);
        }
        EXPECT_EQ(m_doc.IsModified(), e.issue == Modifie);
        EXPECT_EQ(m_doc.Ecrire() != avant, e.issue != Rien);
        EXPECT_EQ(m_ui.m_nRedessins, sansRedessin.count(e.nId) ? 0 : 1);
    }
    // The faces' names; the copied and the forced properties (receiver, rate,
    // law); the default prism's sixth face, from (1,0,0) to the vertex at 60
    // degrees, 2 m high, facing outward; the options; the site (90 degrees
    // puts the north on +X); the view's title and grid.
    std::ostringstream lu;
    for (const CFace* f : m_doc.Faces()) {
        lu << f->m_proprietes.m_strNom << ',';
    }
    for (const int i : {16, 1}) {
        const CProprietes& p = m_doc.Face(i)->m_proprietes;
        lu << '\n'
           << p.m_bRecepteur << ' ' << p.m_dTransmittivite << ' '
           << p.m_correlationTransmittivite.m_nMode;
    }
    const CFace& p = *m_doc.Face(13);
    const COptionsCalcul& o = m_doc.m_optionsCalcul;
    const CConfigurationGeographique& s = m_doc.m_configurationGeographique;
    const CParametresAffichage& a = m_doc.m_parametresAffichage;
    lu << '\n'
       << p.m_points[0].m_x << ' ' << p.m_points[1].m_y << ' ' << p.m_points[2].m_z << ' '
       << p.m_normale.m_x << ' ' << p.m_normale.m_y << '\n'
       << o.m_dCadence << ' ' << o.m_nPasMinutes << ' ' << o.m_nAnnee << '\n'
       << s.m_strLieu << ' ' << s.m_dLatitude << ' ' << s.m_dLongitude << ' '
       << s.m_bIgnorerLongitude << ' ' << s.m_nord.m_x << '\n'
       << a.m_pageGeneral.m_strTitre << ' ' << a.m_pageQuadrillage.m_nRepetition << ' '
       << a.m_pageQuadrillage.m_bAfficher;
    EXPECT_EQ(lu.str(), "fa\xe7"
                        "ade,window 1,box 1,box 2,box 3,box 4,box 5,box 6,prism 1,prism 2,prism 3,"
                        "prism 4,prism 5,prism 6,South wall of the first floor.,window 2,fa\xe7"
                        "ade (c),mur \xe9t\xe9,\n1 20 0\n0 80 0\n1 0.866025 2 0.866025 0.5\n"
                        "3 30 2040\nParticular place 45.25 -3.5 1 1\nCaf\xe9 \x80 5 1");
    EXPECT_EQ(typeid(*m_doc.Face(17)), typeid(CFace3));
    EXPECT_EQ(m_doc.Face(0)->m_ouvertures.m_faces.size(), 2u);
}

// "Detail..." of a rate stores its law at once: it stays even if the
// properties are then cancelled, and the rate's edit follows the mode.
TEST_F(Fenetres, DetailChangesTheLawAtOnce) {
    CCorrelationPhysique& c = m_pMur->m_proprietes.m_correlationTransmittivite;
    c.m_nMode = CCorrelationPhysique::Interpole;
    ExecuterModal(ID_PROPRIETES, [&](QDialog* d) {
        EXPECT_FALSE(Widget<QLineEdit>(d, "dTransmittivite")->isEnabled());
        Modal([d] { Cliquer(d, "detailTransmittivite"); },
              [](QDialog* pDetail) {
                  // Out of range first: the detail stays open on that field.
                  Jouer(pDetail, "mode2?1;mode0;dIncidences2=95;valider");
                  EXPECT_EQ(pDetail->focusWidget()->objectName(), "dIncidences2");
                  Jouer(pDetail, "dIncidences1=60;dTaux1=50;dIncidences2=30;valider");
              });
        EXPECT_TRUE(Widget<QLineEdit>(d, "dTransmittivite")->isEnabled());
        Cliquer(d, "annuler");
    });
    ASSERT_EQ(m_ui.m_script.m_messages.size(), 1u);
    EXPECT_EQ(m_ui.m_script.m_messages[0].strTexte, "Please enter a number between 0 and 90.");
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_EQ(c.m_nMode, CCorrelationPhysique::Uniforme);
    // Sorted by incidence: 0, 0, 0, 30, 60, 90.
    EXPECT_TRUE(c.m_couples[3].m_dIncidence == 30 && c.m_couples[4].m_dIncidence == 60 &&
                c.m_couples[4].m_dTaux == 50);
}

TEST_F(Fenetres, MainPointsWindowEditsTheSelectedFace) {
    Executer(ID_POINTS_PRINCIPAUX);
    QDialog* f = Fenetre(EFenetre::PointsPrincipaux);
    ASSERT_NE(f, nullptr);
    Activer(f);
    // Stored as typed, shown rounded to 7 decimals.
    Jouer(f, "points1X=1.123456789;valider;points1X?1.1234567");
    EXPECT_EQ(m_pMur->m_points[1].m_x, 1.123456789);
    EXPECT_TRUE(m_doc.IsModified());
    // A right click on the square's P2 fills the focused column only.
    Widget<QLineEdit>(f, "points2Y")->setFocus();
    Pointer(m_pCarre, 2, Qt::RightButton);
    Jouer(f, "points2X?-1;points2Z?2;points1X?1.1234567;points3X?0");
    EXPECT_EQ(m_pMur->m_points[2].m_x, 5.0);
    EXPECT_EQ(g_nFaceSelectionnee, 0);
}

TEST_F(Fenetres, TransformationsMoveTheCopiesThenValidate) {
    g_nFaceSelectionnee = 4;
    Executer(ID_TRANSFORMATIONS);
    QDialog* f = Fenetre(EFenetre::Transformations);
    ASSERT_NE(f, nullptr);
    Activer(f);
    Jouer(f, "Translation;Translation");
    EXPECT_EQ(m_pCarre->m_pCopie->m_points[2].m_z, 4.0);
    // The view draws the copies with their own pen.
    EXPECT_GT(CompterPixels(m_fenetre.Vue(), [](QRgb p) { return p == qRgb(0, 192, 255); }), 20);
    Cliquer(f, "<< Restore");
    EXPECT_EQ(m_pCarre->m_pCopie->m_points[2].m_z, 2.0);
    EXPECT_FALSE(m_doc.IsModified());

    // "Group": the wall joins the set through the multiple selection.
    Modal([f] { Cliquer(f, "Group"); },
          [](QDialog* pSelection) {
              Jouer(pSelection,
                    "strConsigne?Select other faces to transform...;selection=0;valider");
          });
    ASSERT_NE(m_pMur->m_pCopie, nullptr);
    Activer(f);
    // A duplicate of each, one metre up; the square's name is cut at 30.
    Jouer(f, "bDupliquer;Translation;Validate >>");
    ASSERT_EQ(g_nFaces, 7);
    EXPECT_EQ(m_doc.Face(5)->m_proprietes.m_strNom, "wall (c)");
    EXPECT_EQ(m_doc.Face(6)->m_proprietes.m_strNom, "South wall of the first floor.");
    EXPECT_EQ(m_doc.Face(6)->m_points[2].m_z, 3.0);
    EXPECT_EQ(m_pCarre->m_points[2].m_z, 2.0);
    EXPECT_TRUE(m_doc.IsModified());
    // A right click on a main point sets the centre, the focused group.
    Widget<QLineEdit>(f, "centreY")->setFocus();
    Pointer(m_pMur, 1, Qt::RightButton);
    Jouer(f, "centreX?5;vecteurZ?1");
}

TEST_F(Fenetres, EveryWayOfClosingAModelessWindowRunsItsClosingSteps) {
    // Each window, its command and the document's flag of it.
    const std::tuple<EFenetre, int, bool CVantrelDoc::*> fenetres[] = {
        {EFenetre::PositionSoleil, ID_POSITION_SOLEIL, &CVantrelDoc::m_bPositionSoleilOuverte},
        {EFenetre::Eclairement, ID_ECLAIREMENT, &CVantrelDoc::m_bEclairementOuvert},
        {EFenetre::PointsPrincipaux, ID_POINTS_PRINCIPAUX,
         &CVantrelDoc::m_bPointsPrincipauxOuverts},
        {EFenetre::Transformations, ID_TRANSFORMATIONS, &CVantrelDoc::m_bTransformationsOuvertes},
    };
    int nId = 0;
    // Its button, its close box, Escape, the command again, "&New", a click
    // selection (which opens the modelling windows again on the new face).
    const std::function<void(QDialog*)> facons[] = {
        [](QDialog* f) { Cliquer(f, "fermer"); },
        [](QDialog* f) { f->close(); },
        [](QDialog* f) { QTest::keyClick(f, Qt::Key_Escape); },
        [&](QDialog*) { Executer(nId); },
        [&](QDialog*) { Executer(ID_NOUVEAU); },
        [&](QDialog*) { Pointer(m_pCarre, 3, Qt::LeftButton); },
    };
    for (const auto& [fenetre, nCommande, pbOuverte] : fenetres) {
        nId = nCommande;
        const bool bEtude = nId == ID_POSITION_SOLEIL || nId == ID_ECLAIREMENT;
        for (int k = 0; k < 6; ++k) {
            SCOPED_TRACE(std::to_string(nId) + " " + std::to_string(k));
            const bool bClic = k == 5;
            const bool bFerme = !(bClic && bEtude);
            const bool bRouvert = bClic && !bEtude;
            if (g_nFaces == 0) {
                Scene(); // after "&New"
            }
            g_nFaceSelectionnee = 0;
            Executer(bEtude ? ID_POSITION_SOLEIL : nId);
            if (bEtude) {
                Executer(ID_ECLAIREMENT); // goes with the sun window
            }
            QPointer<QDialog> pAvant = Fenetre(fenetre);
            ASSERT_TRUE(pAvant && m_doc.*pbOuverte);
            facons[k](pAvant);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            EXPECT_EQ(pAvant.isNull(), bFerme);
            EXPECT_EQ(m_doc.*pbOuverte, !bFerme || bRouvert);
            EXPECT_EQ(Cochee(nId), !bFerme || bRouvert);
            EXPECT_EQ(Fenetre(fenetre) != nullptr, !bFerme || bRouvert);
            if (bRouvert) {
                EXPECT_TRUE(Fenetre(fenetre)->isVisible());
                EXPECT_EQ(g_nFaceSelectionnee, 4);
                EXPECT_TRUE(m_pCarre->m_pCopie != nullptr && m_pMur->m_pCopie == nullptr);
                Executer(nId); // the command again closes it
            }
            // The lighting goes with the sun, not the other way round.
            EXPECT_EQ(m_doc.m_bEclairementOuvert, bEtude && !bFerme);
            EXPECT_EQ(m_doc.m_bPositionSoleilOuverte,
                      bEtude && (!bFerme || nId == ID_ECLAIREMENT) && k != 4);
            if (Fenetre(EFenetre::PositionSoleil) != nullptr) {
                Executer(ID_POSITION_SOLEIL);
            }
            for (const CFace* pFace : m_doc.Faces()) {
                EXPECT_TRUE(pFace->m_pCopie == nullptr && pFace->m_pNoeuds == nullptr);
            }
        }
    }
}
