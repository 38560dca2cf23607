#include "FenetreTest.h"

#include "ui/VantrelView.h"

#include <QApplication>
#include <QDir>
#include <QMouseEvent>
#include <QTest>
#include <QWheelEvent>

#include <cstdio>

namespace {

int Compter(const QImage& image, QRgb couleur) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            n += image.pixel(x, y) == couleur ? 1 : 0;
        }
    }
    return n;
}

} // namespace

// The main window on the house example, kept as a picture of what a user sees.
TEST_F(FenetreTest, ScreenshotOfTheHouse) {
    m_fenetre.resize(1024, 720);
    m_fenetre.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_fenetre));
    OuvrirMaison();
    Executer(ID_COTE_ETUDE);
    Executer(ID_COORDONNEES);
    CVantrelView* pVue = m_fenetre.Vue();
    VueDeTroisQuarts(pVue);

    const QImage image = m_fenetre.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QString dossier = QStringLiteral(VANTREL_ARTEFACTS);
    ASSERT_TRUE(QDir().mkpath(dossier));
    const QString chemin = QDir(dossier).filePath(QStringLiteral("main-window-house.png"));
    ASSERT_TRUE(image.save(chemin));
    std::printf("Screenshot of the main window: %s\n", qPrintable(chemin));

    const QImage vue = pVue->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_GT(Compter(vue, qRgb(92, 92, 92)), vue.width() * vue.height() / 2);
    EXPECT_GT(Compter(vue, qRgb(255, 255, 0)), 100);   // receivers
    EXPECT_GT(Compter(vue, qRgb(255, 0, 255)), 100);   // the selected face and its openings
    EXPECT_GT(Compter(vue, qRgb(255, 255, 255)), 100); // the other faces and the texts
}
