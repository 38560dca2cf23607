#include "FenetreTest.h"

#include "geometry/Face3.h"
#include "modelling/Exemples.h"
#include "ui/Texte.h"

#include <cmath>
#include <set>
#include <typeinfo>

namespace {

// A wall of 5 x 2 m with two windows of 1.5 x 1 m, then faces "d" and "e";
// the wall selected.
class Dialogues : public FenetreTest, protected Gestes {
protected:
    void SetUp() override {
        AjouterQuadrilatere(m_doc, "wall", {0, 0, 0}, {5, 0, 0}, {5, 0, 2}, {0, 0, 2});
        for (const double x : {0.5, 3.0}) {
            AjouterQuadrilatere(m_doc, x < 1 ? "window 1" : "window 2", {x, 0, 0.5},
                                {x + 1.5, 0, 0.5}, {x + 1.5, 0, 1.5}, {x, 0, 1.5});
        }
        for (const double x : {10.0, 12.0}) {
            AjouterQuadrilatere(m_doc, x < 11 ? "d" : "e", {x, 0, 0}, {x + 1, 0, 0}, {x + 1, 0, 1},
                                {x, 0, 1});
        }
        g_nFaceSelectionnee = 0;
        m_doc.RedessinerVues();
    }
};

// Changes every field and every list, then cancels.
void ToutChangerPuisAnnuler(QDialog* pDialogue) {
    for (QLineEdit* pEdit : pDialogue->findChildren<QLineEdit*>()) {
        if (!pEdit->isReadOnly()) {
            pEdit->setText(QStringLiteral("1"));
        }
    }
    for (QListWidget* pListe : pDialogue->findChildren<QListWidget*>()) {
        pListe->selectAll();
    }
    Gestes::Cliquer(pDialogue, "Cancel");
}

// Numbers as a line of text.
QString Valeurs(std::initializer_list<double> valeurs) {
    QStringList liste;
    for (const double d : valeurs) {
        liste << QString::number(d);
    }
    return liste.join(' ');
}

const char* const kHorsCp1252 =
    "The character U+4E2D cannot be stored: it is not in the Windows-1252 character set.";

} // namespace

// Every modal command from the menu, one after the other on one scene. A
// refused field shows the core's message, is focused, and the dialog stays
// open; cancelled, it stores nothing; confirmed, the document is marked.
TEST_F(Dialogues, EachCommandStoresOnlyWhatItsDialogAccepts) {
    enum EIssue { Rien, Ecrit, Modifie }; // Ecrit: stored, not marked (the copy)
    struct CEtape {
        int nId;
        const char* szGestes; // null: every field changed, then Cancel
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
        {ID_OUVERTURES, nullptr, Rien},
        {ID_OUVERTURES, "mode2;dValeur=-101;valider", Rien, "dValeur",
         "Please enter a number between -100 and 1000000."},
        {ID_PROPRIETES, nullptr, Rien},
        {ID_PROPRIETES, "dMailleRelative=0.05;valider", Rien, "dMailleRelative",
         "Please enter a number between 0.1 and 10."},
        {ID_PROPRIETES, "strNom=mur \u4e2d;valider", Rien, "strNom", kHorsCp1252},
        {ID_PROPRIETES, "strNom=fa\u00e7ade;bRecepteur;dTransmittivite=20;valider", Modifie},
        {ID_COPIER_PROPRIETES, nullptr, Rien},
        {ID_COPIER_PROPRIETES, "selection=2;valider", Ecrit},
        {ID_SELECTIONNER_FACE, "nChoix=(3/5) window 2;selectionner", Rien},
        {ID_INSERER_FACE, nullptr, Rien},
        {ID_INSERER_FACE, "strNom=xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx;inserer", Rien, "strNom",
         "Please enter no more than 30 characters."},
        {ID_INSERER_FACE, "nType=Triangular;strNom=mur \u00e9t\u00e9;inserer", Modifie},
        // The new face took the selected place; the former third face follows.
        {ID_SELECTIONNER_FACE, "nChoix?(3/6) mur \u00e9t\u00e9;nChoix=(4/6) window 2;annuler",
         Rien},
        {ID_INVERSER_FACE, nullptr, Rien},
        {ID_INVERSER_FACE, "nChoix=(6/6) e;nChoix!", Modifie},
        {ID_INSERER_PRISME, nullptr, Rien},
        {ID_INSERER_PRISME, "nCotes=100;inserer", Rien, "nCotes",
         "Please enter an integer between 3 and 99."},
        {ID_INSERER_PRISME, "strNom=pppppppppppppppppppppppppppp;inserer", Rien, "strNom",
         "Please enter no more than 27 characters."},
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
        {ID_OPTIONS_CALCUL, nullptr, Rien},
        {ID_OPTIONS_CALCUL, "strCadence=40.5;valider", Rien, "strCadence",
         "Please enter a number between 0.1 and 40."},
        // Enter in a field confirms: "Validate" is the default button.
        {ID_OPTIONS_CALCUL, "strCadence=3;nIndexPas=30;strAnnee=2040;strAnnee!", Modifie},
        {ID_CONFIGURATION_GEOGRAPHIQUE, nullptr, Rien},
        {ID_CONFIGURATION_GEOGRAPHIQUE, "nLieu=TOKYO;strLatitude?35.7;strLigneHorizon=48.1;valider",
         Rien, "strLigneHorizon", "Please enter a number between -12 and 48."},
        {ID_CONFIGURATION_GEOGRAPHIQUE, "nLieu=Particular place;strLatitude=90;valider", Rien,
         "strLatitude", "Please enter a number between -89.9 and 89.9."},
        {ID_CONFIGURATION_GEOGRAPHIQUE,
         "nLieu=Particular place;strLatitude=45.25;strLongitude=-3.5;bIgnorerLongitude;"
         "strDirectionNord=90;valider",
         Modifie},
        {ID_PARAMETRES_AFFICHAGE, nullptr, Rien},
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
                                        ID_PROBLEME_INVERSE, ID_CALCULS_PRATIQUES};
    for (const CEtape& e : etapes) {
        SCOPED_TRACE(std::to_string(e.nId) + " " + (e.szGestes ? e.szGestes : ""));
        m_doc.SetModifiedFlag(false);
        m_ui.m_messages.clear();
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
                QTest::keyClick(d, Qt::Key_Escape);
            }
        });
        ASSERT_EQ(m_ui.m_messages.size(), e.szRefus != nullptr ? 1u : 0u);
        if (e.szRefus != nullptr) {
            EXPECT_EQ(m_ui.m_messages[0].strTexte, e.szMessage);
        }
        EXPECT_EQ(m_doc.IsModified(), e.issue == Modifie);
        EXPECT_EQ(m_doc.Ecrire() != avant, e.issue != Rien);
        EXPECT_EQ(m_ui.m_nRedessins, sansRedessin.count(e.nId) ? 0 : 1);
    }
    std::string noms;
    for (int i = 0; i < g_nFaces; ++i) {
        noms += m_doc.Face(i)->m_proprietes.m_strNom + ",";
    }
    EXPECT_EQ(noms, "fa\xe7"
                    "ade,window 1,box 1,box 2,box 3,box 4,box 5,box 6,prism 1,prism 2,prism 3,"
                    "prism 4,prism 5,prism 6,e,window 2,fa\xe7"
                    "ade (c),mur \xe9t\xe9,");
    const CProprietes& p = m_doc.Face(16)->m_proprietes; // the copy of the wall's
    EXPECT_EQ(Valeurs({double(p.m_bRecepteur), p.m_dTransmittivite}), "1 20");
    EXPECT_EQ(m_doc.Face(0)->m_ouvertures.m_faces.size(), 2u);
    const CProprietes& v = m_doc.Face(1)->m_proprietes;
    EXPECT_EQ(Valeurs({v.m_dTransmittivite, double(v.m_correlationTransmittivite.m_nMode)}),
              "80 0");
    EXPECT_EQ(typeid(*m_doc.Face(17)), typeid(CFace3));
    // The default box is the cube [0,2]^3: its sixth face is the bottom. The
    // default prism is hexagonal: its sixth face runs from (1,0,0) to the
    // vertex at 60 degrees, 2 m high, and faces outward.
    const CFace* pBoite = m_doc.Face(7);
    EXPECT_EQ(pBoite->m_normale.m_z, -1);
    EXPECT_EQ(Valeurs({pBoite->m_points[2].m_x, pBoite->m_points[2].m_z}), "2 0");
    const CFace* pPrisme = m_doc.Face(13);
    EXPECT_EQ(pPrisme->m_points[0].m_x, 1);
    EXPECT_NEAR(pPrisme->m_points[1].m_y, std::sqrt(3.0) / 2, 1e-12);
    EXPECT_NEAR(pPrisme->m_points[2].m_z, 2, 1e-12);
    EXPECT_NEAR(pPrisme->m_normale.m_x, std::sqrt(3.0) / 2, 1e-12);
    EXPECT_NEAR(pPrisme->m_normale.m_y, 0.5, 1e-12);
    const COptionsCalcul& o = m_doc.m_optionsCalcul;
    EXPECT_EQ(Valeurs({o.m_dCadence, double(o.m_nPasMinutes), double(o.m_nAnnee)}), "3 30 2040");
    const CConfigurationGeographique& site = m_doc.m_configurationGeographique;
    EXPECT_EQ(site.m_strLieu, "Particular place");
    EXPECT_EQ(Valeurs({site.m_dLatitude, site.m_dLongitude, double(site.m_bIgnorerLongitude)}),
              "45.25 -3.5 1");
    EXPECT_NEAR(site.m_nord.m_x, 1, 1e-12); // 90 degrees puts the north on +X
    const CParametresAffichage& a = m_doc.m_parametresAffichage;
    EXPECT_EQ(a.m_pageGeneral.m_strTitre, "Caf\xe9 \x80");
    EXPECT_EQ(Valeurs({double(a.m_pageQuadrillage.m_nRepetition),
                       double(a.m_pageQuadrillage.m_bAfficher)}),
              "5 1");
}

// "Detail..." of a rate stores its law at once: it stays even if the
// properties are then cancelled, and the rate's edit follows the mode.
TEST_F(Dialogues, DetailChangesTheLawAtOnce) {
    CCorrelationPhysique& c = m_doc.Face(0)->m_proprietes.m_correlationTransmittivite;
    c.m_nMode = CCorrelationPhysique::Interpole;
    ExecuterModal(ID_PROPRIETES, [&](QDialog* d) {
        auto* pTaux = Widget<QLineEdit>(d, "dTransmittivite");
        EXPECT_FALSE(pTaux->isEnabled());
        const auto attente = QuandModal([](QDialog* pDetail) {
            EXPECT_TRUE(Widget<QAbstractButton>(pDetail, "mode2")->isChecked());
            EXPECT_TRUE(Widget<QLineEdit>(pDetail, "dIncidences5")->isReadOnly());
            Cliquer(pDetail, "mode0");
            // Out of range first: the detail stays open on that field.
            Taper(pDetail, "dIncidences2", "95");
            Cliquer(pDetail, "valider");
            EXPECT_EQ(NomFocus(), "dIncidences2");
            Taper(pDetail, "dIncidences1", "60");
            Taper(pDetail, "dTaux1", "50");
            Taper(pDetail, "dIncidences2", "30");
            Cliquer(pDetail, "valider");
        });
        Cliquer(d, "detailTransmittivite");
        EXPECT_TRUE(pTaux->isEnabled());
        Cliquer(d, "annuler");
    });
    ASSERT_EQ(m_ui.m_messages.size(), 1u);
    EXPECT_EQ(m_ui.m_messages[0].strTexte, "Please enter a number between 0 and 90.");
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_EQ(c.m_nMode, CCorrelationPhysique::Uniforme);
    // Sorted by incidence: 0, 0, 0, 30, 60, 90.
    EXPECT_EQ(c.m_couples[3].m_dIncidence, 30);
    EXPECT_EQ(c.m_couples[4].m_dIncidence, 60);
    EXPECT_EQ(c.m_couples[4].m_dTaux, 50);
}
