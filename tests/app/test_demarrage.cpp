#include "FenetreTest.h"

#include "app/EcranAccueil.h"
#include "app/VantrelApp.h"
#include "ui/VantrelView.h"
#include "view/Camera.h"

#include <QMessageBox>

TEST(Demarrage, TheCommandLineOpensItsFileOrEndsTheProgramSayingWhy) {
    struct CCas {
        QStringList arguments;
        bool bFenetre;
        int nCode;           // when it ends
        const char* szTitre; // of the window, or the start of the message
    };
    const QString maison = QString::fromStdString(FichierMaison());
    const CCas cas[] = {
        {{"vantrel", maison}, true, 0, "Vantrel - house.vtl"},
        {{"vantrel"}, true, 0, "Vantrel - Untitled"},
        {{"vantrel", "/no/such.vtl"}, false, 1, "The document \"such.vtl\" could not be opened."},
        {{"vantrel", "--help"}, false, 0, ""},
        {{"vantrel", "a.vtl", "b.vtl"}, false, 1, ""},
    };
    for (const CCas& c : cas) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        QString message;
        QTimer::singleShot(0, [&message] {
            if (auto* pBoite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                message = pBoite->text();
                pBoite->accept();
            }
        });
        CVantrelApp app;
        ASSERT_EQ(app.InitInstance(c.arguments, false), c.bFenetre);
        if (c.bFenetre) {
            EXPECT_TRUE(app.Fenetre()->isVisible() &&
                        (app.Fenetre()->windowState() & Qt::WindowMaximized));
            EXPECT_EQ(app.Fenetre()->windowTitle(), c.szTitre);
            EXPECT_EQ(g_nFaces > 0, c.arguments.size() > 1);
            EXPECT_FALSE(app.Document()->IsModified());
            // The camera's reset waited for the view's size.
            QWidget* pVue = app.Fenetre()->Vue();
            pVue->grab();
            EXPECT_EQ(g_ptOrigine, (CPointEcran{pVue->width() / 2, pVue->height() / 2}));
        } else {
            EXPECT_EQ(app.CodeSortie(), c.nCode);
            EXPECT_EQ(message.left(qstrlen(c.szTitre)), c.szTitre);
        }
    }
}

TEST(EcranAccueil, ClosesOnEnterEscapeItsButtonOrItsDelay) {
    for (const int nFacon : {0, 1, 2}) {
        CEcranAccueil ecran;
        ecran.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&ecran));
        EXPECT_TRUE(ecran.Minuterie()->isActive() && ecran.Minuterie()->interval() == 2500);
        if (nFacon == 0) {
            // The picture on the grey of the tool windows.
            const QImage image = ecran.grab().toImage();
            GarderImage(image, "splash.png");
            EXPECT_EQ(image.pixel(3, image.height() - 3), qRgb(128, 128, 128));
            EXPECT_NE(image.pixel(100, 100), qRgb(128, 128, 128));
        }
        if (nFacon < 2) {
            QTest::keyClick(&ecran, nFacon == 0 ? Qt::Key_Return : Qt::Key_Escape);
        } else {
            QTest::mouseClick(ecran.BoutonSuite(), Qt::LeftButton);
        }
        EXPECT_FALSE(ecran.isVisible() || ecran.Minuterie()->isActive()) << nFacon;
    }
    CEcranAccueil ecran(nullptr, 50);
    QTimer::singleShot(5000, &ecran, &QDialog::reject); // a guard, never reached
    EXPECT_EQ(ecran.exec(), QDialog::Accepted);
}
