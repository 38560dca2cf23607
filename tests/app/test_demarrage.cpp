#include "FenetreTest.h"

#include "app/APropos.h"
#include "app/EcranAccueil.h"
#include "app/VantrelApp.h"
#include "document/Commandes.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

QString Texte(const QWidget& w, const char* szNom) {
    const auto* pLabel = w.findChild<QLabel*>(QString::fromLatin1(szNom));
    return pLabel != nullptr ? pLabel->text() : QString();
}

QStringList Textes(const QWidget& w) {
    QStringList textes;
    for (const QLabel* pLabel : w.findChildren<QLabel*>()) {
        if (!pLabel->text().isEmpty()) {
            textes << pLabel->text();
        }
    }
    return textes;
}

} // namespace

TEST(Demarrage, WithAFileTheWindowOpensMaximisedOnIt) {
    const QString maison = QString::fromStdString(FichierMaison());
    CVantrelApp app;
    ASSERT_TRUE(app.InitInstance({QStringLiteral("vantrel"), maison}, false));
    EXPECT_EQ(QCoreApplication::organizationName(), QStringLiteral("VantrelDev"));
    EXPECT_EQ(QCoreApplication::applicationName(), QStringLiteral("Vantrel"));
    ASSERT_NE(app.Fenetre(), nullptr);
    EXPECT_TRUE(app.Fenetre()->isVisible());
    EXPECT_TRUE(app.Fenetre()->windowState() & Qt::WindowMaximized);
    EXPECT_TRUE(app.Fenetre()->acceptDrops());
    EXPECT_EQ(app.Fenetre()->windowTitle(), QStringLiteral("Vantrel - house.vtl"));
    EXPECT_GT(g_nFaces, 0);
    EXPECT_FALSE(app.Document()->IsModified());
}

TEST(Demarrage, WithoutAFileTheDocumentIsNew) {
    CVantrelApp app;
    ASSERT_TRUE(app.InitInstance({QStringLiteral("vantrel")}, false));
    EXPECT_EQ(app.Fenetre()->windowTitle(), QStringLiteral("Vantrel - Untitled"));
    EXPECT_EQ(g_nFaces, 0);
}

TEST(Demarrage, AFileThatCannotBeReadEndsTheProgramAfterSayingWhy) {
    QString texte;
    QTimer::singleShot(0, [&texte] {
        auto* pBoite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(pBoite, nullptr);
        texte = pBoite->text();
        pBoite->accept();
    });
    CVantrelApp app;
    EXPECT_FALSE(
        app.InitInstance({QStringLiteral("vantrel"), QStringLiteral("/no/such.vtl")}, false));
    EXPECT_EQ(app.CodeSortie(), 1);
    EXPECT_TRUE(texte.startsWith(QStringLiteral("The document \"such.vtl\" could not be opened.")))
        << texte.toStdString();
    EXPECT_FALSE(app.Fenetre()->isVisible());
}

TEST(Demarrage, HelpEndsWellAndTwoFilesAreRefused) {
    CVantrelApp aide;
    EXPECT_FALSE(aide.InitInstance({QStringLiteral("vantrel"), QStringLiteral("--help")}, false));
    EXPECT_EQ(aide.CodeSortie(), 0);
    CVantrelApp deux;
    EXPECT_FALSE(deux.InitInstance(
        {QStringLiteral("vantrel"), QStringLiteral("a.vtl"), QStringLiteral("b.vtl")}, false));
    EXPECT_EQ(deux.CodeSortie(), 1);
}

TEST(EcranAccueil, ShowsItsTextsOnGrey) {
    CEcranAccueil ecran;
    EXPECT_EQ(Texte(ecran, "TexteVersion"),
              QStringLiteral("Vantrel version 1.4 us   --   Sunniness optimization"));
    EXPECT_EQ(Texte(ecran, "TexteAuteur"),
              QStringLiteral("Freeware   --   Author ") + QString::fromLatin1(kAdresseAuteur));
    EXPECT_EQ(ecran.BoutonSuite()->text(), QStringLiteral(">>"));
    EXPECT_TRUE(ecran.BoutonSuite()->isDefault());
    EXPECT_TRUE(ecran.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(ecran.Minuterie()->interval(), 2500);
    const QImage image = ecran.grab().toImage();
    QDir().mkpath(QStringLiteral(VANTREL_ARTEFACTS));
    image.save(QStringLiteral(VANTREL_ARTEFACTS "/splash.png"));
    // Below the picture, the grey of the tool windows.
    EXPECT_EQ(image.pixel(3, image.height() - 3), qRgb(128, 128, 128));
    // The picture fills the top 490 x 196 pixels.
    EXPECT_NE(image.pixel(100, 100), qRgb(128, 128, 128));
}

TEST(EcranAccueil, ClosesOnEnterEscapeOrTheButtonAndStopsItsTimer) {
    for (const int nFacon : {0, 1, 2}) {
        CEcranAccueil ecran;
        ecran.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&ecran));
        EXPECT_TRUE(ecran.Minuterie()->isActive());
        if (nFacon == 0) {
            QTest::keyClick(&ecran, Qt::Key_Return);
        } else if (nFacon == 1) {
            QTest::keyClick(&ecran, Qt::Key_Escape);
        } else {
            QTest::mouseClick(ecran.BoutonSuite(), Qt::LeftButton);
        }
        EXPECT_FALSE(ecran.isVisible()) << nFacon;
        EXPECT_FALSE(ecran.Minuterie()->isActive()) << nFacon;
    }
}

TEST(EcranAccueil, ClosesByItselfAfterItsDelay) {
    CEcranAccueil ecran(nullptr, 50);
    QTimer::singleShot(5000, &ecran, &QDialog::reject); // a guard, never reached
    EXPECT_EQ(ecran.exec(), QDialog::Accepted);
}

TEST(APropos, ShowsTheProgramsTextsAndTheLicence) {
    CAPropos boite;
    EXPECT_EQ(boite.windowTitle(), QStringLiteral("About Vantrel"));
    const QStringList textes = Textes(boite);
    for (const QString& attendu :
         {QStringLiteral("Vantrel version 1.4 us  -557"), QStringLiteral("Sunniness optimization"),
          QStringLiteral("Freeware"),
          QStringLiteral("Author ") + QString::fromLatin1(kAdresseAuteur)}) {
        EXPECT_TRUE(textes.contains(attendu)) << attendu.toStdString();
    }
    const auto* pLicence = boite.findChild<QPlainTextEdit*>(QStringLiteral("Licence"));
    ASSERT_NE(pLicence, nullptr);
    EXPECT_TRUE(pLicence->isReadOnly());
    EXPECT_EQ(pLicence->toPlainText(), CAPropos::Licence());
    EXPECT_TRUE(CAPropos::Licence().startsWith(QStringLiteral("Vantrel is freeware.")));
    QDir().mkpath(QStringLiteral(VANTREL_ARTEFACTS));
    boite.grab().save(QStringLiteral(VANTREL_ARTEFACTS "/about.png"));
}
