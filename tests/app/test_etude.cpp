#include "FenetreTest.h"

#include "app/CommandesEtude.h"
#include "solar/Saisie.h"
#include "ui/DialogueBilanJournalier.h"
#include "ui/FenetreEclairement.h"
#include "ui/FenetrePositionSoleil.h"
#include "ui/VantrelView.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPainter>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <cmath>
#include <cstdio>
#include <limits>
#include <map>

namespace {

template <class T>
T* W(QWidget* pFenetre, const char* szNom) {
    T* p = pFenetre == nullptr ? nullptr : pFenetre->findChild<T*>(QString::fromLatin1(szNom));
    EXPECT_NE(p, nullptr) << szNom;
    return p;
}

QString Champ(QWidget* pFenetre, const char* szNom) {
    return W<QLineEdit>(pFenetre, szNom)->text();
}

void Cliquer(QWidget* pFenetre, const char* szNom) {
    QTest::mouseClick(W<QPushButton>(pFenetre, szNom), Qt::LeftButton);
}

void Taper(QWidget* pFenetre, const char* szNom, const char* szTexte) {
    auto* pEdit = W<QLineEdit>(pFenetre, szNom);
    pEdit->selectAll();
    QTest::keyClick(pEdit, Qt::Key_Delete);
    QTest::keyClicks(pEdit, QString::fromLatin1(szTexte));
}

bool SansMaillage(const CVantrelDoc& doc) {
    for (const CFace* f : doc.Faces()) {
        if (f->m_pNoeuds) {
            return false;
        }
    }
    return true;
}

class Etude : public FenetreTest {
protected:
    CFenetrePositionSoleil* Soleil() { return m_fenetre.Etude()->FenetrePositionSoleil(); }
    CFenetreEclairement* Eclairement() { return m_fenetre.Etude()->FenetreEclairement(); }
    // What the user reads in the lighting window, and what the core holds.
    QString Equivalent() { return Champ(Eclairement(), "strEquivalent"); }
    QString EquivalentCoeur() {
        return QString::fromStdString(TexteResultat(m_doc.m_eclairementRecepteurs.m_dEquivalent));
    }
};

constexpr double kGarde = std::numeric_limits<double>::quiet_NaN();

} // namespace

TEST_F(Etude, SunWindowButtonsMoveTheSunOrRefuseTheTime) {
    struct CCas {
        const char* szHeure; // typed before the click (null: as opened)
        const char* szMinute;
        double dAzimut; // put in the sun after the opening (NaN: as computed)
        double dAltitude;
        const char* szBouton;
        int nClics;
        // Shown afterwards (null: not checked), and the message (empty: none).
        const char* szAzimut;
        const char* szAltitude;
        const char* szHeureVue;
        const char* szMinuteVue;
        const char* szMessage;
    };
    const CCas cas[] = {
        {nullptr, nullptr, kGarde, kGarde, "calculer", 1, "180.63", "41.28", "12", "0", ""},
        {nullptr, nullptr, 180.63, kGarde, "diminuerAzimut", 1, "180", "41.28", "12", "0", ""},
        {nullptr, nullptr, 180.63, kGarde, "diminuerAzimut", 2, "179", "41.28", "12", "0", ""},
        {nullptr, nullptr, 180.63, kGarde, "augmenterAzimut", 1, "181", "41.28", "12", "0", ""},
        {nullptr, nullptr, 0, kGarde, "diminuerAzimut", 1, "359", nullptr, nullptr, nullptr, ""},
        {nullptr, nullptr, 359.2, kGarde, "augmenterAzimut", 1, "0", nullptr, nullptr, nullptr, ""},
        {nullptr, nullptr, kGarde, 89.5, "augmenterAltitude", 1, "180.63", "90", "12", "0", ""},
        {nullptr, nullptr, kGarde, 89.5, "augmenterAltitude", 2, "180.63", "90", "12", "0", ""},
        {nullptr, nullptr, kGarde, -90, "diminuerAltitude", 1, "180.63", "-90", "12", "0", ""},
        {"23", "50", kGarde, kGarde, "avancer", 1, nullptr, nullptr, "0", "0", ""},
        {"0", "5", kGarde, kGarde, "reculer", 1, nullptr, nullptr, "23", "55", ""},
        {"24", "0", kGarde, kGarde, "calculer", 1, "180.63", "41.28", "24", "0",
         "Please enter an integer between 0 and 23."},
        {"24", "0", kGarde, kGarde, "animer", 1, "180.63", "41.28", "24", "0",
         "Please enter an integer between 0 and 23."},
        {"12", "60", kGarde, kGarde, "avancer", 1, "180.63", "41.28", "12", "60",
         "Please enter an integer between 0 and 59."},
    };
    for (const CCas& c : cas) {
        SCOPED_TRACE(std::string(c.szBouton) + " x" + std::to_string(c.nClics));
        CPositionSoleil& s = m_doc.m_positionSoleil;
        s.m_nIndexDate = 5;
        s.m_nHeure = 12;
        s.m_nMinute = 0;
        m_ui.m_messages.clear();
        Executer(ID_POSITION_SOLEIL);
        QWidget* pSoleil = Soleil();
        ASSERT_NE(pSoleil, nullptr);
        EXPECT_TRUE(pSoleil->isVisible());
        EXPECT_TRUE(Cochee(ID_POSITION_SOLEIL));
        EXPECT_EQ(Champ(pSoleil, "strReferenceTemps"), "UT");
        if (!std::isnan(c.dAzimut)) {
            s.m_dAzimut = c.dAzimut;
        }
        if (!std::isnan(c.dAltitude)) {
            s.m_dAltitude = c.dAltitude;
        }
        if (c.szHeure != nullptr) {
            Taper(pSoleil, "strHeure", c.szHeure);
            Taper(pSoleil, "strMinute", c.szMinute);
        }
        for (int k = 0; k < c.nClics; ++k) {
            Cliquer(pSoleil, c.szBouton);
        }
        const auto vu = [&](const char* szNom, const char* szAttendu) {
            if (szAttendu != nullptr) {
                EXPECT_EQ(Champ(pSoleil, szNom), szAttendu) << szNom;
            }
        };
        vu("strAzimut", c.szAzimut);
        vu("strAltitude", c.szAltitude);
        vu("strHeure", c.szHeureVue);
        vu("strMinute", c.szMinuteVue);
        if (*c.szMessage != '\0') {
            ASSERT_EQ(m_ui.m_messages.size(), 1u);
            EXPECT_EQ(m_ui.m_messages[0].strTexte, c.szMessage);
            // Nothing moved, and the animation did not start.
            EXPECT_EQ(s.m_nHeure, 12);
            EXPECT_EQ(s.m_nMinute, 0);
            EXPECT_FALSE(W<QPushButton>(pSoleil, "animer")->isChecked());
            EXPECT_FALSE(Soleil()->Animation()->isActive());
        } else {
            EXPECT_TRUE(m_ui.m_messages.empty());
        }
        // The command again closes the window; the sun stays as it was left.
        Executer(ID_POSITION_SOLEIL);
        EXPECT_EQ(Soleil(), nullptr);
        EXPECT_FALSE(Cochee(ID_POSITION_SOLEIL));
        EXPECT_EQ(s.m_bInitialise, 0);
    }
}

TEST_F(Etude, SunAnimationRunsOnTheCadenceOfTheOptions) {
    m_doc.m_optionsCalcul.m_dCadence = 3;
    Executer(ID_POSITION_SOLEIL);
    QWidget* pSoleil = Soleil();
    Taper(pSoleil, "strHeure", "23");
    Taper(pSoleil, "strMinute", "50");
    Cliquer(pSoleil, "animer");
    QTimer* pAnimation = Soleil()->Animation();
    EXPECT_TRUE(pAnimation->isActive());
    EXPECT_EQ(pAnimation->interval(), 333);
    EXPECT_TRUE(W<QLineEdit>(pSoleil, "strHeure")->isReadOnly());
    // Each tick is one step forward, round the same day.
    Soleil()->Tic();
    EXPECT_EQ(Champ(pSoleil, "strHeure"), "0");
    EXPECT_EQ(Champ(pSoleil, "strMinute"), "0");
    Soleil()->Tic();
    EXPECT_EQ(Champ(pSoleil, "strMinute"), "10");
    EXPECT_EQ(m_doc.m_positionSoleil.m_nIndexDate, 5);
    Cliquer(pSoleil, "animer");
    EXPECT_FALSE(pAnimation->isActive());
    EXPECT_FALSE(W<QLineEdit>(pSoleil, "strMinute")->isReadOnly());
}

// The lighting window follows every move of the sun while "Auto Compute" is
// pressed, and goes with its meshes whatever closes it.
TEST_F(Etude, LightingWindowFollowsTheSunAndClosesWithIt) {
    struct CCas {
        const char* szFermeture;
        bool bSoleilReste; // only the lighting window closes
        std::function<void()> fermer;
    };
    const CCas cas[] = {
        {"sun Close", false, [this] { Cliquer(Soleil(), "fermer"); }},
        {"sun close box", false, [this] { Soleil()->close(); }},
        {"sun Escape", false, [this] { QTest::keyClick(Soleil(), Qt::Key_Escape); }},
        {"sun command", false, [this] { Executer(ID_POSITION_SOLEIL); }},
        {"New", false, [this] { Executer(ID_NOUVEAU); }},
        {"lighting Close", true, [this] { Cliquer(Eclairement(), "fermer"); }},
        {"lighting close box", true, [this] { Eclairement()->close(); }},
        {"lighting command", true, [this] { Executer(ID_ECLAIREMENT); }},
    };
    for (const CCas& c : cas) {
        SCOPED_TRACE(c.szFermeture);
        OuvrirMaison();
        EXPECT_FALSE(Active(ID_ECLAIREMENT)); // needs the sun window
        Executer(ID_POSITION_SOLEIL);
        EXPECT_FALSE(Active(ID_BILAN_JOURNALIER));
        Executer(ID_ECLAIREMENT);
        ASSERT_NE(Eclairement(), nullptr);
        EXPECT_TRUE(Eclairement()->isVisible());
        EXPECT_TRUE(Cochee(ID_ECLAIREMENT));
        EXPECT_FALSE(SansMaillage(m_doc));
        EXPECT_EQ(Equivalent(), "0"); // nothing computed on opening
        EXPECT_EQ(Champ(Eclairement(), "strIncidence"), "0");

        // Morning: the shade of the canopy moves quickly on the windows.
        Taper(Soleil(), "strHeure", "9");
        Cliquer(Soleil(), "calculer");
        EXPECT_EQ(Equivalent(), "0"); // not yet following
        Cliquer(Eclairement(), "bAutoCalcul");
        EXPECT_EQ(Equivalent(), EquivalentCoeur());
        const QString midi = Equivalent();
        EXPECT_NE(midi, "0");
        Cliquer(Soleil(), "avancer");
        EXPECT_EQ(Equivalent(), EquivalentCoeur());
        EXPECT_NE(Equivalent(), midi);
        const QString apres = Equivalent();
        Soleil()->Tic();
        EXPECT_EQ(Equivalent(), EquivalentCoeur());
        EXPECT_NE(Equivalent(), apres);
        // Released, the sun moves alone.
        Cliquer(Eclairement(), "bAutoCalcul");
        const QString fige = Equivalent();
        Cliquer(Soleil(), "reculer");
        Cliquer(Soleil(), "reculer");
        EXPECT_EQ(Equivalent(), fige);

        QPointer<QWidget> pEclairement = Eclairement();
        c.fermer();
        EXPECT_EQ(Eclairement(), nullptr);
        EXPECT_FALSE(m_doc.m_bEclairementOuvert);
        EXPECT_TRUE(SansMaillage(m_doc));
        EXPECT_FALSE(Cochee(ID_ECLAIREMENT));
        EXPECT_EQ(m_doc.m_bPositionSoleilOuverte, c.bSoleilReste);
        EXPECT_EQ(Soleil() != nullptr, c.bSoleilReste);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(pEclairement.isNull());
        if (c.bSoleilReste) {
            Executer(ID_POSITION_SOLEIL);
        }
        EXPECT_EQ(Soleil(), nullptr);
    }
}

// A refused mesh generation shows the core's message over the "Mesh
// generation..." window and opens nothing.
TEST_F(Etude, RefusedMeshesOpenNothing) {
    struct CCas {
        int nCommande;
        bool bSansRecepteur; // else the weight 1 is too small
        const char* szMessage;
    };
    const CCas cas[] = {
        {ID_ECLAIREMENT, false, CGenerationMaillage::kMessagePoids},
        {ID_ECLAIREMENT, true, CGenerationMaillage::kMessageAucunNoeud},
        {ID_BILAN_JOURNALIER, false, CGenerationMaillage::kMessagePoids},
        {ID_BILAN_JOURNALIER, true, CGenerationMaillage::kMessageAucunNoeud},
    };
    m_fenetre.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_fenetre));
    for (const CCas& c : cas) {
        SCOPED_TRACE(std::to_string(c.nCommande) + (c.bSansRecepteur ? " no receiver" : " weight"));
        OuvrirMaison();
        m_doc.m_optionsCalcul.m_nPoidsMax = c.bSansRecepteur ? 50 : 1;
        for (CFace* f : m_doc.Faces()) {
            f->m_proprietes.m_bRecepteur = c.bSansRecepteur ? 0 : f->m_proprietes.m_bRecepteur;
        }
        if (c.nCommande == ID_ECLAIREMENT) {
            Executer(ID_POSITION_SOLEIL);
        }
        m_ui.m_messages.clear();
        bool bFenetreVue = false;
        m_ui.m_pendantMessage = [&] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                bFenetreVue |= w->isVisible() && w->windowTitle() == "Mesh generation..." &&
                               w->windowHandle() != nullptr && w->windowHandle()->isExposed();
            }
        };
        Executer(c.nCommande);
        m_ui.m_pendantMessage = {};
        ASSERT_EQ(m_ui.m_messages.size(), 1u);
        EXPECT_EQ(m_ui.m_messages[0].strTexte, c.szMessage);
        EXPECT_EQ(m_ui.m_messages[0].strTitre, "Computation not allowed");
        EXPECT_TRUE(bFenetreVue);
        EXPECT_EQ(Eclairement(), nullptr);
        EXPECT_FALSE(m_doc.m_bEclairementOuvert);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        EXPECT_TRUE(SansMaillage(m_doc));
        for (QWidget* w : QApplication::topLevelWidgets()) {
            EXPECT_FALSE(w->isVisible() && w->windowTitle() == "Mesh generation...");
        }
        m_doc.SetModifiedFlag(false);
        Executer(ID_NOUVEAU);
    }
}

TEST_F(Etude, DayReportComputesStopsAndExports) {
    OuvrirMaison();
    CBilanJournalier& bilan = m_doc.m_bilanJournalier;
    const std::string chemin = Temporaire("day.txt");
    m_ui.m_fichiers.push_back(chemin);
    ExecuterModal(ID_BILAN_JOURNALIER, [&](QDialog* d) {
        auto* pDialogue = qobject_cast<CDialogueBilanJournalier*>(d);
        ASSERT_NE(pDialogue, nullptr);
        EXPECT_FALSE(SansMaillage(m_doc));
        EXPECT_EQ(Champ(d, "strEquivalentMoyen"), "0");
        // The empty chart: its frame, no curve.
        const QImage vide = d->grab().toImage();
        EXPECT_EQ(vide.pixel(154, 200), qRgb(0, 0, 0));
        EXPECT_EQ(vide.pixel(538, 200), qRgb(0, 0, 0));
        EXPECT_EQ(vide.pixel(300, 340), qRgb(0, 0, 0));

        auto* pDate = W<QComboBox>(d, "nIndexDate");
        pDate->setFocus();
        for (int k = pDate->currentIndex(); k < 11; ++k) {
            QTest::keyClick(pDate, Qt::Key_Down); // "21 june"
        }
        EXPECT_EQ(pDate->currentText(), "21 june");
        Cliquer(d, "calculer");
        ASSERT_EQ(bilan.m_nEchantillons, 144);
        EXPECT_EQ(bilan.m_nIndexDate, 11);
        EXPECT_EQ(bilan.m_echantillons[143].m_nHeure, 23);
        EXPECT_EQ(bilan.m_echantillons[143].m_nMinute, 50);
        EXPECT_EQ(Champ(d, "strEquivalentMoyen").toStdString(),
                  TexteResultat(bilan.m_dEquivalentMoyen));
        EXPECT_EQ(Champ(d, "strIncidenceMoyenne").toStdString(),
                  TexteResultat(bilan.m_dIncidenceMoyenne));
        EXPECT_EQ(Champ(d, "strAltitudeMoyenne").toStdString(),
                  TexteResultat(bilan.m_dAltitudeMoyenne));
        EXPECT_GT(bilan.m_dEquivalentMoyen, 0);
        EXPECT_EQ(W<QProgressBar>(d, "progression")->value(), 0);
        // The curves are drawn: the blue equivalent at noon (sample 72).
        const QImage courbes = d->grab().toImage();
        int nBleus = 0;
        for (int y = 40; y <= 340; ++y) {
            nBleus += courbes.pixel(346, y) == qRgb(0, 0, 255) ? 1 : 0;
        }
        EXPECT_GT(nBleus, 0);

        Cliquer(d, "exporter");
        ASSERT_EQ(m_ui.m_choixFichiers.size(), 2u); // the scene's, then this one
        EXPECT_EQ(m_ui.m_choixFichiers[1].strTitre, "Export data to");
        const std::string texte = bilan.TexteExport();
        EXPECT_EQ(LireOctets(chemin), std::vector<unsigned char>(texte.begin(), texte.end()));

        // Stopped during a second computation: the progress bar has moved,
        // the current sample is not counted and the dialog closes.
        const double dMoyen = bilan.m_dEquivalentMoyen;
        int nProgression = -1;
        QTimer espion;
        QObject::connect(&espion, &QTimer::timeout, [&] {
            if (nProgression < 0 && bilan.m_nEchantillons == 72) {
                EXPECT_TRUE(pDialogue->Minuterie()->isActive());
                EXPECT_EQ(pDialogue->Minuterie()->interval(), 500);
                pDialogue->ActualiserProgression();
                nProgression = W<QProgressBar>(d, "progression")->value();
                EXPECT_FALSE(W<QPushButton>(d, "calculer")->isEnabled());
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
        EXPECT_EQ(d->result(), QDialog::Rejected);
        EXPECT_EQ(bilan.m_dEquivalentMoyen, dMoyen);
    });
    EXPECT_TRUE(SansMaillage(m_doc));
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
double NombreJson(const std::string& json, const std::string& strCle) {
    const std::size_t n = json.find("\"" + strCle + "\": ");
    EXPECT_NE(n, std::string::npos) << strCle;
    return n == std::string::npos ? 0 : std::stod(json.substr(n + strCle.size() + 4));
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

void Garder(const QImage& image, const char* szNom) {
    const QString dossier = QStringLiteral(VANTREL_ARTEFACTS);
    ASSERT_TRUE(QDir().mkpath(dossier));
    const QString chemin = QDir(dossier).filePath(QString::fromLatin1(szNom));
    ASSERT_TRUE(image.save(chemin));
    std::printf("Screenshot: %s\n", qPrintable(chemin));
}

} // namespace

// A first study as the user guide tells it, with the keyboard and the mouse.
// It also takes the guide's pictures; after a change of these windows,
// refresh the copies beside the guide with
//   QT_QPA_PLATFORM=offscreen build/dev/tests/app/test_app --gtest_filter='*WholeStudy*'
//   cp build/dev/tests/app/artefacts/guide-*.png app/aide/
TEST_F(Etude, AWholeStudyFromTheKeyboard) {
    m_fenetre.resize(1024, 720);
    m_fenetre.move(0, 0);
    m_fenetre.show();
    const auto activer = [this] {
        m_fenetre.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&m_fenetre));
    };
    activer();
    const auto ctrl = [this](Qt::Key touche) {
        QTest::keyClick(&m_fenetre, touche, Qt::ControlModifier);
    };
    m_ui.m_fichiers.push_back(m_strMaison);
    ctrl(Qt::Key_O);
    ASSERT_EQ(m_doc.Chemin(), m_strMaison);

    ctrl(Qt::Key_L);
    ASSERT_NE(Soleil(), nullptr);
    Cliquer(Soleil(), "calculer");
    EXPECT_EQ(Champ(Soleil(), "strAzimut"), "180.63");
    activer();
    ctrl(Qt::Key_E);
    ASSERT_NE(Eclairement(), nullptr);
    Cliquer(Eclairement(), "bAutoCalcul");
    QString lu = Equivalent() + ' ' + Champ(Eclairement(), "strIncidence");
    for (int k = 0; k < 3; ++k) {
        Cliquer(Soleil(), "avancer");
        const QString suivant = Equivalent() + ' ' + Champ(Eclairement(), "strIncidence");
        EXPECT_NE(suivant, lu) << k;
        lu = suivant;
    }
    EXPECT_EQ(Champ(Soleil(), "strMinute"), "30");
    const std::string json = Cli({"lighting", QString::fromStdString(m_strMaison), "--date",
                                  "21 march", "--time", "12:30", "--json"});
    EXPECT_EQ(Equivalent().toStdString(), TexteResultat(NombreJson(json, "equivalent")));
    EXPECT_EQ(Champ(Eclairement(), "strIncidence").toStdString(),
              TexteResultat(NombreJson(json, "incidence")));

    // A face picked with the mouse: the windows stay as they are.
    CVantrelView* pVue = m_fenetre.Vue();
    VueDeTroisQuarts(pVue);
    const CPointEcran coin = m_doc.Face(4)->m_ecran[2];
    g_nFaceTestee = 3; // faces meet at that corner: the search starts at the fifth
    QTest::mouseClick(pVue, Qt::LeftButton, Qt::ShiftModifier, QPoint(coin.x, coin.y));
    EXPECT_EQ(g_nFaceSelectionnee, 4);
    EXPECT_TRUE(m_doc.m_bEclairementOuvert && m_doc.m_bPositionSoleilOuverte);
    EXPECT_TRUE(Eclairement()->isVisible());
    EXPECT_EQ(Equivalent() + ' ' + Champ(Eclairement(), "strIncidence"), lu);

    // The nodes in their grey levels, from black (shade) to yellow (sun).
    Soleil()->move(m_fenetre.frameGeometry().right() + 8, 0);
    Eclairement()->move(Soleil()->x(), Soleil()->frameGeometry().bottom() + 8);
    const QImage vue = pVue->grab().toImage().convertToFormat(QImage::Format_RGB32);
    std::map<int, int> niveaux; // level -> pixels
    for (int y = 0; y < vue.height(); ++y) {
        for (int x = 0; x < vue.width(); ++x) {
            const QRgb p = vue.pixel(x, y);
            if (qRed(p) == qGreen(p) && qBlue(p) == 0) {
                ++niveaux[qRed(p)];
            }
        }
    }
    EXPECT_GT(niveaux[0], 300);    // nodes in the shade of the canopy
    EXPECT_GT(niveaux[255], 1000); // nodes of the windows in full sun
    int nGris = 0;
    for (const auto& [nNiveau, nPixels] : niveaux) {
        nGris += nNiveau > 0 && nNiveau < 255 ? nPixels : 0;
    }
    EXPECT_GT(nGris, 1000); // the walls and the roof, lit at a slant
    const QImage ecran = Ecran(&m_fenetre, {Soleil(), Eclairement()});
    Garder(ecran, "main-window-lighting.png");
    Garder(ecran, "guide-lighting.png");

    Cliquer(Soleil(), "fermer");
    EXPECT_EQ(Eclairement(), nullptr);
    EXPECT_TRUE(SansMaillage(m_doc));

    // The day report, from its accelerator; its export is the tool's.
    const std::string exporte = Temporaire("study.txt");
    const std::string attendu = Temporaire("study-cli.txt");
    m_ui.m_fichiers.push_back(exporte);
    bool bVu = false;
    QTimer attente;
    QObject::connect(&attente, &QTimer::timeout, [&] {
        QWidget* d = QApplication::activeModalWidget();
        if (d == nullptr) {
            return;
        }
        attente.stop();
        bVu = true;
        EXPECT_EQ(W<QComboBox>(d, "nIndexDate")->currentText(), "21 march");
        Cliquer(d, "calculer");
        EXPECT_EQ(m_doc.m_bilanJournalier.m_nEchantillons, 144);
        Cliquer(d, "exporter");
        Garder(d->grab().toImage(), "guide-day-report.png");
        Cliquer(d, "fermer");
    });
    attente.start(0);
    activer();
    ctrl(Qt::Key_J);
    attente.stop();
    EXPECT_TRUE(bVu);
    Cli({"day-report", QString::fromStdString(m_strMaison), "--date", "21 march", "--export",
         QString::fromStdString(attendu)});
    EXPECT_EQ(LireOctets(exporte), LireOctets(attendu));
    EXPECT_GT(LireOctets(exporte).size(), 144u * 10);
    EXPECT_TRUE(SansMaillage(m_doc));
}
