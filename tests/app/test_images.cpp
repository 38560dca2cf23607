// Pictures for a report: the charts, the view, and the sun's path in the view.
#include "FenetreTest.h"

#include "ui/Reglages.h"
#include "ui/VantrelView.h"
#include "view/Dessin.h"

#include <QImage>
#include <QProcess>

#include <algorithm>

namespace {

class Images : public FenetreTest, protected Gestes {};

int Pixels(const QImage& image, QRgb couleur) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const auto* p = reinterpret_cast<const QRgb*>(rgb.constBits());
    return static_cast<int>(std::count(p, p + rgb.width() * rgb.height(), couleur));
}

} // namespace

// "Save the chart..." of the day report writes what vantrel-cli --chart
// writes, that one with neither a display nor a platform named.
TEST_F(Images, DayReportChartSavedAsTheCommandLineToolSavesIt) {
    OuvrirMaison();
    for (const char* szNom : {"chart.svg", "chart.png", "missing/chart.png"}) {
        m_ui.m_script.m_fichiers.push_back(Temporaire(szNom));
    }
    ExecuterModal(ID_BILAN_JOURNALIER, [&](QDialog* d) {
        EXPECT_FALSE(Widget<QPushButton>(d, "enregistrerGraphique")->isEnabled());
        Jouer(d, "nIndexDate=21 june;calculer;enregistrerGraphique;enregistrerGraphique;"
                 "enregistrerGraphique;fermer");
    });
    ASSERT_EQ(m_ui.m_script.m_messages.size(), 1u); // the folder that does not exist
    EXPECT_NE(m_ui.m_script.m_messages[0].strTexte.find("missing"), std::string::npos);

    QProcessEnvironment environnement = QProcessEnvironment::systemEnvironment();
    for (const char* szNom : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        environnement.remove(QString::fromLatin1(szNom));
    }
    const QString maison = QString::fromStdString(m_strMaison);
    for (const char* szNom : {"cli.svg", "cli.png", "reversed.png"}) {
        QProcess cli;
        cli.setProcessEnvironment(environnement);
        cli.start(VANTREL_CLI,
                  (szNom[0] == 'r' ? QStringList{"reversed", maison}
                                   : QStringList{"day-report", maison, "--date", "21 june"}) +
                      QStringList{"--chart", QString::fromStdString(Temporaire(szNom))});
        ASSERT_TRUE(cli.waitForFinished(60000) && cli.exitCode() == 0)
            << cli.readAllStandardError().toStdString();
    }
    EXPECT_EQ(QImage(QString::fromStdString(Temporaire("reversed.png"))).size(), QSize(452, 372));
    EXPECT_EQ(LireOctets(Temporaire("chart.svg")), LireOctets(Temporaire("cli.svg")));
    for (const char* szNom : {"chart.png", "cli.png"}) {
        const QImage image(QString::fromStdString(Temporaire(szNom)));
        EXPECT_EQ(image.size(), QSize(468, 372)) << szNom;
        EXPECT_EQ(image.pixel(0, 0), qRgb(128, 128, 128));
        EXPECT_GT(Pixels(image, qRgb(0, 0, 255)), 300) << szNom; // the equivalent's curve
    }
}

// "Save the view as a picture...": the view as shown by default, or a size
// within the range with the same framing.
TEST_F(Images, ViewSavedAtTheWindowsSizeOrAChosenOne) {
    Montrer(QSize(800, 600));
    OuvrirMaison();
    CVantrelView* pVue = m_fenetre.Vue();
    m_ui.m_script.m_fichiers = {Temporaire("view-large.png"), Temporaire("view.png")};
    const QString largeur = QString::number(pVue->width() * 2);
    ExecuterModal(ID_EXPORTER_VUE, [&](QDialog* d) {
        Jouer(d, "strHauteur=15;valider");
        ASSERT_EQ(m_ui.m_script.m_messages.size(), 1u);
        EXPECT_EQ(m_ui.m_script.m_messages[0].strTexte,
                  "Please enter an integer between 16 and 8192.");
        Jouer(d, ("strLargeur=" + largeur + ";strHauteur=1000;valider").toUtf8().constData());
    });
    ExecuterModal(ID_EXPORTER_VUE, [&](QDialog* d) { Jouer(d, "valider"); });
    const QImage image(QString::fromStdString(Temporaire("view.png")));
    EXPECT_EQ(image, pVue->grab().toImage().convertToFormat(QImage::Format_RGB32));
    const QImage grande(QString::fromStdString(Temporaire("view-large.png")));
    EXPECT_EQ(grande.size(), QSize(pVue->width() * 2, 1000));
    const QRgb blanc = qRgb(255, 255, 255); // the faces, longer
    EXPECT_GT(Pixels(grande, blanc), Pixels(image, blanc) * 3 / 2);
}

// The option of the page "Sun" is the program's setting, not the scene's:
// the view draws the path with the close sun.
TEST_F(Images, SunPathDrawnFromTheOptionOfTheSunPage) {
    struct CSansCourse { // even when the test stops half-way
        CSansCourse() { AfficherCourseSoleil(false); }
        ~CSansCourse() { AfficherCourseSoleil(false); }
    } sansCourse;
    Montrer(QSize(1024, 720));
    OuvrirMaison();
    VueDeTroisQuarts(m_fenetre.Vue());
    Executer(ID_POSITION_SOLEIL);
    const QRgb orange = qRgb(g_couleurCourse.r, g_couleurCourse.g, g_couleurCourse.b);
    const auto course = [&] {
        return CompterPixels(m_fenetre.Vue(), [&](QRgb p) { return p == orange; });
    };
    EXPECT_EQ(course(), 0);
    ExecuterModal(ID_PARAMETRES_AFFICHAGE,
                  [&](QDialog* d) { Jouer(d, "pages=2;bCourseSoleil?0;bCourseSoleil;ok"); });
    EXPECT_TRUE(CourseSoleilAffichee());
    EXPECT_GT(course(), 200);
    GarderImage(m_fenetre.grab().toImage(), "guide-sun-path.png");
    const std::string copie = Temporaire("house-sun-path.vtl");
    std::string strErreur;
    ASSERT_TRUE(m_doc.Enregistrer(copie, strErreur)) << strErreur;
    EXPECT_EQ(LireOctets(copie), LireOctets(m_strMaison));
}
