#include "ui/InteractionQt.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <fstream>
#include <functional>

namespace {

// Runs `action` on the modal window once it is up (the call under test is
// then blocked in its own event loop).
void QuandModal(std::function<void(QWidget*)> action) {
    QTimer::singleShot(0, [action] {
        QWidget* pModal = QApplication::activeModalWidget();
        ASSERT_NE(pModal, nullptr);
        action(pModal);
    });
}

} // namespace

TEST(InteractionQt, MessageShowsTheCoreTextAndCaptionWithItsIconAndButtons) {
    CInteractionQt interaction;
    QString texte, titre;
    QMessageBox::Icon icone = QMessageBox::NoIcon;
    QMessageBox::StandardButtons boutons;
    QuandModal([&](QWidget* pModal) {
        auto* pBoite = qobject_cast<QMessageBox*>(pModal);
        ASSERT_NE(pBoite, nullptr);
        texte = pBoite->text();
        titre = pBoite->windowTitle();
        icone = pBoite->icon();
        boutons = pBoite->standardButtons();
        pBoite->button(QMessageBox::No)->click();
    });
    const EReponse r =
        interaction.Message("Do you really want to remove this face ?   ", "Removal confirmation",
                            EIcone::Question, EBoutons::OuiNon);
    EXPECT_EQ(r, EReponse::Non);
    EXPECT_EQ(texte, QStringLiteral("Do you really want to remove this face ?   "));
    EXPECT_EQ(titre, QStringLiteral("Removal confirmation"));
    EXPECT_EQ(icone, QMessageBox::Question);
    EXPECT_EQ(boutons, QMessageBox::Yes | QMessageBox::No);
}

TEST(InteractionQt, MessageTextsComeFromWindows1252) {
    CInteractionQt interaction;
    QString texte;
    QMessageBox::Icon icone = QMessageBox::NoIcon;
    QuandModal([&](QWidget* pModal) {
        auto* pBoite = qobject_cast<QMessageBox*>(pModal);
        ASSERT_NE(pBoite, nullptr);
        texte = pBoite->text();
        icone = pBoite->icon();
        pBoite->button(QMessageBox::Ok)->click();
    });
    EXPECT_EQ(interaction.Message("\xC9t\xE9 \x80", "Impossible", EIcone::Stop, EBoutons::Ok),
              EReponse::Ok);
    EXPECT_EQ(texte, QString::fromUtf8("Été €"));
    EXPECT_EQ(icone, QMessageBox::Critical);
}

TEST(InteractionQt, TheSaveQuestionHasThreeAnswers) {
    CInteractionQt interaction;
    QMessageBox::StandardButtons boutons;
    QuandModal([&](QWidget* pModal) {
        auto* pBoite = qobject_cast<QMessageBox*>(pModal);
        ASSERT_NE(pBoite, nullptr);
        boutons = pBoite->standardButtons();
        pBoite->button(QMessageBox::Cancel)->click();
    });
    EXPECT_EQ(interaction.DemanderEnregistrement("Save changes to Untitled?", "Vantrel"),
              EReponse::Annuler);
    EXPECT_EQ(boutons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
}

TEST(InteractionQt, TheOpenDialogFiltersVtlFilesAndGivesThePath) {
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("maison.vtl"));
    std::ofstream(chemin.toStdString()) << "x";
    CInteractionQt interaction;
    QStringList filtres;
    QString titre;
    QuandModal([&](QWidget* pModal) {
        auto* pDialogue = qobject_cast<QFileDialog*>(pModal);
        ASSERT_NE(pDialogue, nullptr);
        filtres = pDialogue->nameFilters();
        titre = pDialogue->windowTitle();
        pDialogue->selectFile(chemin);
        QMetaObject::invokeMethod(pDialogue, "accept");
    });
    const std::optional<std::string> r = interaction.ChoisirFichierOuverture(
        CChoixFichier{"Open", "", "vtl", "Fichiers Vantrel (*.vtl)", false});
    ASSERT_TRUE(r.has_value());
    EXPECT_EQ(*r, chemin.toStdString());
    EXPECT_EQ(filtres, QStringList{QStringLiteral("Fichiers Vantrel (*.vtl)")});
    EXPECT_EQ(titre, QStringLiteral("Open"));
}

TEST(InteractionQt, ACancelledFileDialogGivesNothing) {
    CInteractionQt interaction;
    QuandModal([](QWidget* pModal) { static_cast<QDialog*>(pModal)->reject(); });
    EXPECT_FALSE(interaction
                     .ChoisirFichierEnregistrement(CChoixFichier{"Save As", "Untitled.vtl", "vtl",
                                                                 "Fichiers Vantrel (*.vtl)"})
                     .has_value());
}

TEST(InteractionQt, RedrawRunsTheWindowsHook) {
    CInteractionQt interaction;
    interaction.RedessinerVues(); // no hook yet: nothing happens
    int n = 0;
    interaction.FixerRedessin([&n] { ++n; });
    interaction.RedessinerVues();
    EXPECT_EQ(n, 1);
}
