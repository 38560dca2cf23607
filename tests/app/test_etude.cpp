#include "FenetreTest.h"

#include "app/CommandesEtude.h"
#include "solar/Saisie.h"
#include "ui/DialogueBilanJournalier.h"
#include "ui/FenetreEclairement.h"
#include "ui/FenetrePositionSoleil.h"
#include "ui/VantrelView.h"

#include <QPainter>
#include <QProcess>
#include <QProgressBar>
#include <QWindow>

#include <algorithm>

namespace {

bool SansMaillage(const CVantrelDoc& doc) {
    return std::ranges::none_of(doc.Faces(),
                                [](const CFace* f) { return f->m_pNoeuds != nullptr; });
}

class Etude : public FenetreTest, protected Gestes {
protected:
    CFenetrePositionSoleil* Soleil() { return m_fenetre.Etude()->FenetrePositionSoleil(); }
    CFenetreEclairement* Eclairement() { return m_fenetre.Etude()->FenetreEclairement(); }
    // What the lighting window shows: the equivalent and the incidence.
    QString Lu() {
        return Widget<QLineEdit>(Eclairement(), "strEquivalent")->text() + ' ' +
               Widget<QLineEdit>(Eclairement(), "strIncidence")->text();
    }
};

const char* const kHeures = "Please enter an integer between 0 and 23.";

} // namespace

TEST_F(Etude, SunWindowButtonsMoveTheSunOrRefuseTheTime) {
    struct CCas {
        const char* szGestes;          // on the window opened at 12:00 on 21 march
        const char* szRefus = nullptr; // the refused field, and the message
        const char* szMessage = "";
    };
    const CCas cas[] = {
        {"diminuerAzimut;strAzimut?180;strAltitude?41.28;diminuerAzimut;strAzimut?179;"
         "augmenterAltitude;strAltitude?42;strAzimut?179"},
        {"augmenterAzimut;strAzimut?181;strHeure?12;diminuerAltitude;diminuerAltitude;"
         "strAltitude?40"},
        {"strHeure=0;strMinute=5;reculer;strHeure?23;strMinute?55"},
        {"strHeure=24;calculer;strAzimut?180.63;strHeure?24", "strHeure", kHeures},
        {"strHeure=24;animer;strAltitude?41.28;animer?0", "strHeure", kHeures},
        {"strMinute=60;avancer;strAzimut?180.63;strMinute?60", "strMinute",
         "Please enter an integer between 0 and 59."},
    };
    for (const CCas& c : cas) {
        SCOPED_TRACE(c.szGestes);
        CPositionSoleil& s = m_doc.m_positionSoleil;
        s.m_nIndexDate = 5;
        s.m_nHeure = 12;
        s.m_nMinute = 0;
        m_ui.m_script.m_messages.clear();
        Executer(ID_POSITION_SOLEIL);
        ASSERT_TRUE(Soleil() != nullptr && Soleil()->isVisible() && Cochee(ID_POSITION_SOLEIL));
        Jouer(Soleil(), c.szGestes);
        ASSERT_EQ(m_ui.m_script.m_messages.size(), c.szRefus != nullptr ? 1u : 0u);
        if (c.szRefus != nullptr) {
            EXPECT_EQ(m_ui.m_script.m_messages[0].strTexte, c.szMessage);
            EXPECT_EQ(Soleil()->focusWidget()->objectName(), c.szRefus);
            // Nothing moved, and the animation did not start.
            EXPECT_EQ(s.m_nHeure * 60 + s.m_nMinute, 12 * 60);
            EXPECT_FALSE(Soleil()->Animation()->isActive());
        }
        Executer(ID_POSITION_SOLEIL);
        EXPECT_EQ(Soleil(), nullptr);
    }
}

TEST_F(Etude, SunAnimationRunsOnTheCadenceOfTheOptions) {
    m_doc.m_optionsCalcul.m_dCadence = 3;
    Executer(ID_POSITION_SOLEIL);
    Jouer(Soleil(), "strHeure=23;strMinute=50;animer");
    QTimer* pAnimation = Soleil()->Animation();
    EXPECT_TRUE(pAnimation->isActive() && pAnimation->interval() == 333);
    EXPECT_TRUE(Widget<QLineEdit>(Soleil(), "strHeure")->isReadOnly());
    // Each tick is one step forward, round the same day.
    Soleil()->Tic();
    Jouer(Soleil(), "strHeure?0;strMinute?0;nIndexDate?21 march");
    Soleil()->Tic();
    Jouer(Soleil(), "strMinute?10;animer");
    EXPECT_FALSE(pAnimation->isActive());
    EXPECT_FALSE(Widget<QLineEdit>(Soleil(), "strMinute")->isReadOnly());
}

// A refused mesh generation shows the core's message over the "Mesh
// generation..." window and opens nothing.
TEST_F(Etude, RefusedMeshesOpenNothing) {
    Montrer();
    const auto generation = [] {
        return std::ranges::any_of(QApplication::topLevelWidgets(), [](QWidget* w) {
            return w->isVisible() && w->windowTitle() == "Mesh generation..." &&
                   w->windowHandle() != nullptr && w->windowHandle()->isExposed();
        });
    };
    // Each command with one of the two refusals: both go through the same generation.
    for (const auto& [nId, bSansRecepteur] :
         {std::pair(ID_ECLAIREMENT, false), std::pair(ID_BILAN_JOURNALIER, true)}) {
        SCOPED_TRACE(std::to_string(nId) + (bSansRecepteur ? " no receiver" : " weight"));
        OuvrirMaison();
        m_doc.m_optionsCalcul.m_nPoidsMax = bSansRecepteur ? 50 : 1;
        for (CFace* f : m_doc.Faces()) {
            f->m_proprietes.m_bRecepteur *= bSansRecepteur ? 0 : 1;
        }
        if (nId == ID_ECLAIREMENT) {
            Executer(ID_POSITION_SOLEIL);
        }
        m_ui.m_script.m_messages.clear();
        bool bFenetreVue = false;
        m_ui.m_pendantMessage = [&] { bFenetreVue = generation(); };
        Executer(nId);
        m_ui.m_pendantMessage = {};
        ASSERT_EQ(m_ui.m_script.m_messages.size(), 1u);
        EXPECT_EQ(m_ui.m_script.m_messages[0].strTitre + ": " +
                      m_ui.m_script.m_messages[0].strTexte,
                  std::string("Computation not allowed: ") +
                      (bSansRecepteur ? CGenerationMaillage::kMessageAucunNoeud
                                      : CGenerationMaillage::kMessagePoids));
        EXPECT_TRUE(bFenetreVue);
        EXPECT_FALSE(generation());
        EXPECT_TRUE(Eclairement() == nullptr && !m_doc.m_bEclairementOuvert);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        EXPECT_TRUE(SansMaillage(m_doc));
        m_doc.SetModifiedFlag(false);
        Executer(ID_NOUVEAU);
    }
}

namespace {

// What the built command-line tool prints for `arguments`.
std::string Cli(const QStringList& arguments) {
    QProcess processus;
    processus.start(QStringLiteral(VANTREL_CLI), arguments);
    EXPECT_TRUE(processus.waitForFinished(120000));
    EXPECT_EQ(processus.exitCode(), 0) << processus.readAllStandardError().toStdString();
    return processus.readAllStandardOutput().toStdString();
}

// A number of the tool's JSON output, by its key (the first one met).
std::string NombreJson(const std::string& json, const std::string& strCle) {
    const std::size_t n = json.find("\"" + strCle + "\": ");
    EXPECT_NE(n, std::string::npos) << strCle;
    return n == std::string::npos ? ""
                                  : TexteResultat(std::stod(json.substr(n + strCle.size() + 4)));
}

// The main window with its tool windows where they stand, as the screen shows them.
QImage Ecran(QWidget* pPrincipale, const std::vector<QWidget*>& outils) {
    QRect zone = pPrincipale->frameGeometry();
    for (const QWidget* w : outils) {
        zone = zone.united(w->frameGeometry());
    }
    QImage image(zone.size(), QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.drawPixmap(pPrincipale->frameGeometry().topLeft() - zone.topLeft(),
                       pPrincipale->grab());
    for (QWidget* w : outils) {
        painter.drawPixmap(w->frameGeometry().topLeft() - zone.topLeft(), w->grab());
    }
    return image;
}

} // namespace

// A first study as the user guide tells it, with the keyboard and the mouse.
// It also takes the guide's pictures; after a change of these windows,
// refresh the copies beside the guide with
//   QT_QPA_PLATFORM=offscreen build/dev/tests/app/test_app --gtest_filter='*WholeStudy*'
//   cp build/dev/tests/app/artefacts/guide-*.png app/aide/
TEST_F(Etude, AWholeStudyFromTheKeyboard) {
    Montrer(QSize(1024, 720));
    m_ui.m_script.m_fichiers.push_back(m_strMaison);
    Raccourci(Qt::Key_O);
    ASSERT_EQ(m_doc.Chemin(), m_strMaison);

    Raccourci(Qt::Key_L);
    ASSERT_NE(Soleil(), nullptr);
    Jouer(Soleil(), "calculer;strAzimut?180.63");
    Raccourci(Qt::Key_E);
    ASSERT_NE(Eclairement(), nullptr);
    EXPECT_EQ(Lu(), "0 0"); // nothing computed on opening
    Cliquer(Eclairement(), "bAutoCalcul");
    QString lu = Lu();
    for (int k = 0; k < 3; ++k) {
        Cliquer(Soleil(), "avancer");
        EXPECT_NE(Lu(), lu) << k;
        lu = Lu();
    }
    Jouer(Soleil(), "strMinute?30");
    const std::string json = Cli({"lighting", QString::fromStdString(m_strMaison), "--date",
                                  "21 march", "--time", "12:30", "--json"});
    EXPECT_EQ(lu.toStdString(),
              NombreJson(json, "equivalent") + ' ' + NombreJson(json, "incidence"));

    // A face picked with the mouse (a click alone picks nothing): the windows
    // stay as they are.
    CVantrelView* pVue = m_fenetre.Vue();
    VueDeTroisQuarts(pVue);
    const CPointEcran coin = m_doc.Face(4)->m_ecran[2];
    g_nFaceTestee = 3; // faces meet at that corner: the search starts at the fifth
    QTest::mouseClick(pVue, Qt::LeftButton, {}, QPoint(coin.x, coin.y));
    EXPECT_EQ(g_nFaceSelectionnee, 0);
    QTest::mouseClick(pVue, Qt::LeftButton, Qt::ShiftModifier, QPoint(coin.x, coin.y));
    EXPECT_EQ(g_nFaceSelectionnee, 4);
    EXPECT_TRUE(m_doc.m_bEclairementOuvert && Eclairement()->isVisible());
    EXPECT_EQ(Lu(), lu);

    // The nodes in their grey levels, from black (shade) to yellow (sun).
    Soleil()->move(m_fenetre.frameGeometry().right() + 8, 0);
    Eclairement()->move(Soleil()->x(), Soleil()->frameGeometry().bottom() + 8);
    const auto niveau = [](QRgb p) { return qRed(p) == qGreen(p) && qBlue(p) == 0 ? qRed(p) : -1; };
    // Nodes in the shade of the canopy, of the windows in full sun, and of
    // the walls and the roof lit at a slant.
    EXPECT_GT(CompterPixels(pVue, [&](QRgb p) { return niveau(p) == 0; }), 300);
    EXPECT_GT(CompterPixels(pVue, [&](QRgb p) { return niveau(p) == 255; }), 1000);
    EXPECT_GT(CompterPixels(pVue, [&](QRgb p) { return niveau(p) > 0 && niveau(p) < 255; }), 1000);
    const QImage ecran = Ecran(&m_fenetre, {Soleil(), Eclairement()});
    GarderImage(ecran, "main-window-lighting.png");
    GarderImage(ecran, "guide-lighting.png");
    // Released, the sun moves alone.
    Cliquer(Eclairement(), "bAutoCalcul");
    Cliquer(Soleil(), "reculer");
    EXPECT_EQ(Lu(), lu);

    Cliquer(Soleil(), "fermer");
    EXPECT_EQ(Eclairement(), nullptr);
    EXPECT_TRUE(SansMaillage(m_doc));

    // The day report, from its accelerator: 144 samples of 10 minutes,
    // drawn, exported as the tool exports them; stopped during a second
    // computation, the current sample is not counted and the dialog closes.
    const std::string exporte = Temporaire("study.txt");
    const std::string attendu = Temporaire("study-cli.txt");
    m_ui.m_script.m_fichiers.push_back(exporte);
    CBilanJournalier& bilan = m_doc.m_bilanJournalier;
    RaccourciModal(Qt::Key_J, [&](QDialog* d) {
        const auto bleus = [d] { // the equivalent's curve and its legend
            return CompterPixels(d, [](QRgb p) { return p == qRgb(0, 0, 255); });
        };
        const int nLegende = bleus();
        EXPECT_FALSE(SansMaillage(m_doc));
        Jouer(d, "nIndexDate?21 march;strEquivalentMoyen?0;calculer;exporter");
        ASSERT_EQ(bilan.m_nEchantillons, 144);
        const CEchantillon& dernier = bilan.m_echantillons[143];
        EXPECT_EQ(dernier.m_nHeure * 60 + dernier.m_nMinute, 23 * 60 + 50);
        EXPECT_EQ(Widget<QLineEdit>(d, "strEquivalentMoyen")->text().toStdString(),
                  TexteResultat(bilan.m_dEquivalentMoyen));
        EXPECT_GT(bleus(), nLegende + 100);
        EXPECT_EQ(m_ui.m_script.m_choixFichiers.back().strTitre, "Export data to");
        GarderImage(d->grab().toImage(), "guide-day-report.png");

        auto* pDialogue = qobject_cast<CDialogueBilanJournalier*>(d);
        const double dMoyen = bilan.m_dEquivalentMoyen;
        int nProgression = -1;
        QTimer espion;
        QObject::connect(&espion, &QTimer::timeout, [&] {
            if (nProgression < 0 && bilan.m_nEchantillons == 72) {
                EXPECT_EQ(pDialogue->Minuterie()->interval(), 500);
                EXPECT_TRUE(pDialogue->Minuterie()->isActive());
                pDialogue->ActualiserProgression();
                nProgression = Widget<QProgressBar>(d, "progression")->value();
                EXPECT_FALSE(Widget<QPushButton>(d, "calculer")->isEnabled());
            }
            if (bilan.m_nEchantillons == 100) {
                Cliquer(d, "fermer");
            }
        });
        espion.start(0);
        Cliquer(d, "calculer");
        EXPECT_EQ(nProgression, 50);
        EXPECT_EQ(bilan.m_nEchantillons, 100);
        EXPECT_FALSE(d->isVisible());
        EXPECT_EQ(bilan.m_dEquivalentMoyen, dMoyen);
    });
    Cli({"day-report", QString::fromStdString(m_strMaison), "--date", "21 march", "--export",
         QString::fromStdString(attendu)});
    EXPECT_EQ(LireOctets(exporte), LireOctets(attendu));
    EXPECT_GT(LireOctets(exporte).size(), 144u * 10);
    EXPECT_TRUE(SansMaillage(m_doc));
}
