// Pictures for a report: the charts, the view, and the sun's path in the view.
#include "FenetreTest.h"

#include "ui/Reglages.h"
#include "ui/VantrelView.h"
#include "view/Dessin.h"

#include <QImage>
#include <QProcess>

namespace {

class Images : public FenetreTest, protected Gestes {
protected:
    void SetUp() override { AfficherCourseSoleil(false); }
    void TearDown() override {
        AfficherCourseSoleil(false);
        FenetreTest::TearDown();
    }
};

// The command-line tool run with neither a display nor a platform named.
void CliSansEcran(const QStringList& arguments) {
    QProcess processus;
    QProcessEnvironment environnement = QProcessEnvironment::systemEnvironment();
    for (const char* szNom : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        environnement.remove(QString::fromLatin1(szNom));
    }
    processus.setProcessEnvironment(environnement);
    processus.start(QStringLiteral(VANTREL_CLI), arguments);
    ASSERT_TRUE(processus.waitForFinished(120000));
    EXPECT_EQ(processus.exitCode(), 0) << processus.readAllStandardError().toStdString();
}

int Pixels(const QImage& image, QRgb couleur) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            n += image.pixel(x, y) == couleur ? 1 : 0;
        }
    }
    return n;
}

} // namespace

// "Save the chart..." of the day report writes what vantrel-cli's --chart
// writes: the same SVG, byte for byte, and a PNG of the chart's size.
TEST_F(Images, DayReportChartSavedAsTheCommandLineToolSavesIt) {
    OuvrirMaison();
    const std::string svg = Temporaire("chart.svg"), png = Temporaire("chart.png");
    for (const std::string& chemin : {svg, png, Temporaire("missing/chart.png")}) {
        m_ui.m_script.m_fichiers.push_back(chemin);
    }
    ExecuterModal(ID_BILAN_JOURNALIER, [&](QDialog* d) {
        EXPECT_FALSE(Widget<QPushButton>(d, "enregistrerGraphique")->isEnabled());
        Jouer(d, "nIndexDate?21 march;nIndexDate=21 june;calculer");
        Jouer(d, "Save the chart...;Save the chart...;Save the chart...");
        EXPECT_EQ(m_ui.m_script.m_choixFichiers.back().strFiltre, "Pictures (*.png *.svg)");
        Cliquer(d, "fermer");
    });
    ASSERT_EQ(m_ui.m_script.m_messages.size(), 1u); // the folder that does not exist
    EXPECT_NE(m_ui.m_script.m_messages[0].strTexte.find("missing"), std::string::npos);
    EXPECT_EQ(m_ui.m_script.m_messages[0].icone, EIcone::Stop);

    const QString maison = QString::fromStdString(m_strMaison);
    const std::string svgCli = Temporaire("chart-cli.svg"), pngCli = Temporaire("chart-cli.png");
    CliSansEcran(
        {"day-report", maison, "--date", "21 june", "--chart", QString::fromStdString(svgCli)});
    CliSansEcran(
        {"day-report", maison, "--date", "21 june", "--chart", QString::fromStdString(pngCli)});
    EXPECT_EQ(LireOctets(svg), LireOctets(svgCli));
    const std::string texte(LireOctets(svg).begin(), LireOctets(svg).end());
    EXPECT_NE(texte.find("<text x=\"117\" y=\"16\" fill=\"#000000\">Equivalent in %</text>"),
              std::string::npos);
    EXPECT_NE(texte.find("<line x1=\"154\" y1=\"27\" x2=\"168\" y2=\"22\" stroke=\"#0000ff\" "
                         "stroke-width=\"2\" stroke-linecap=\"round\"/>"),
              std::string::npos);
    for (const std::string& chemin : {png, pngCli}) {
        const QImage image(QString::fromStdString(chemin));
        EXPECT_EQ(image.size(), QSize(468, 372)) << chemin;
        EXPECT_EQ(image.pixel(0, 0), qRgb(128, 128, 128));
        // The equivalent's curve and its legend.
        EXPECT_GT(Pixels(image, qRgb(0, 0, 255)), 300) << chemin;
    }
}

// "Save the view as a picture...": the view's size by default, another
// within the range, the same framing.
TEST_F(Images, ViewSavedAtTheWindowsSizeOrAChosenOne) {
    Montrer(QSize(800, 600));
    OuvrirMaison();
    CVantrelView* pVue = m_fenetre.Vue();
    const std::string grande = Temporaire("view-large.png"), vue = Temporaire("view.png");
    m_ui.m_script.m_fichiers.push_back(grande);
    const QString largeur = QString::number(pVue->width() * 2);
    ExecuterModal(ID_EXPORTER_VUE, [&](QDialog* d) {
        EXPECT_EQ(Vu(Widget<QLineEdit>(d, "strLargeur")), QString::number(pVue->width()));
        Jouer(d, "strHauteur=15;valider");
        ASSERT_EQ(m_ui.m_script.m_messages.size(), 1u);
        EXPECT_EQ(m_ui.m_script.m_messages[0].strTexte,
                  "Please enter an integer between 16 and 8192.");
        EXPECT_EQ(d->focusWidget()->objectName(), "strHauteur");
        Jouer(d, ("strLargeur=" + largeur + ";strHauteur=1000;valider").toUtf8().constData());
    });
    m_ui.m_script.m_fichiers.push_back(vue);
    ExecuterModal(ID_EXPORTER_VUE, [&](QDialog* d) { Jouer(d, "valider"); });
    const QImage image(QString::fromStdString(vue));
    const QImage ecran = pVue->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(image.size(), pVue->size());
    EXPECT_EQ(image, ecran);
    const QImage agrandie(QString::fromStdString(grande));
    EXPECT_EQ(agrandie.size(), QSize(pVue->width() * 2, 1000));
    const QRgb blanc = qRgb(255, 255, 255); // the faces
    EXPECT_GT(Pixels(agrandie, blanc), Pixels(image, blanc) * 3 / 2);
}

// The option of the page "Sun" is the program's setting: the scene does not
// change, and the view draws the path with the close sun.
TEST_F(Images, SunPathDrawnFromTheOptionOfTheSunPage) {
    Montrer(QSize(1024, 720));
    OuvrirMaison();
    VueDeTroisQuarts(m_fenetre.Vue());
    Executer(ID_POSITION_SOLEIL);
    const CCouleur c = g_couleurCourse;
    const auto course = [&] {
        return CompterPixels(m_fenetre.Vue(), [&](QRgb p) { return p == qRgb(c.r, c.g, c.b); });
    };
    EXPECT_EQ(course(), 0);
    ExecuterModal(ID_PARAMETRES_AFFICHAGE,
                  [&](QDialog* d) { Jouer(d, "pages=2;bCourseSoleil?0;bCourseSoleil;ok"); });
    EXPECT_TRUE(CourseSoleilAffichee());
    // Not in the scene: its file keeps its bytes.
    const std::string copie = Temporaire("house-sun-path.vtl");
    std::string strErreur;
    ASSERT_TRUE(m_doc.Enregistrer(copie, strErreur)) << strErreur;
    EXPECT_EQ(LireOctets(copie), LireOctets(m_strMaison));
    EXPECT_GT(course(), 200);
    GarderImage(m_fenetre.grab().toImage(), "guide-sun-path.png");
    ExecuterModal(ID_PARAMETRES_AFFICHAGE,
                  [&](QDialog* d) { Jouer(d, "pages=2;bCourseSoleil?1;bCourseSoleil;annuler"); });
    EXPECT_TRUE(CourseSoleilAffichee());
    Executer(ID_POSITION_SOLEIL); // closed, the sun and its path go
    EXPECT_EQ(course(), 0);
}
