#include "ui/InteractionQt.h"

#include "DialogueTest.h"
#include "ui/Texte.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QTemporaryDir>

#include <fstream>

// The core's messages in message boxes: texts from Windows-1252, the icon
// and the buttons asked for, the answer of the button clicked.
TEST(InteractionQt, MessagesShowTheCoreTextWithItsIconAndButtons) {
    using B = QMessageBox;
    struct CCas {
        const char* szTexte;
        EIcone icone; // null caption: the save question
        EBoutons boutons;
        const char* szTitre;
        QMessageBox::Icon iconeVue;
        QMessageBox::StandardButtons boutonsVus;
        QMessageBox::StandardButton clic;
        EReponse reponse;
    };
    const CCas cas[] = {
        {"Do you really want to remove this face ?   ", EIcone::Question, EBoutons::OuiNon,
         "Removal confirmation", B::Question, B::Yes | B::No, B::No, EReponse::Non},
        {"\xC9t\xE9 \x80", EIcone::Stop, EBoutons::Ok, "Impossible", B::Critical, B::Ok, B::Ok,
         EReponse::Ok},
        {"Save changes to Untitled?", EIcone::Avertissement, EBoutons::Ok, nullptr, B::Warning,
         B::Yes | B::No | B::Cancel, B::Cancel, EReponse::Annuler},
    };
    for (const CCas& c : cas) {
        SCOPED_TRACE(c.szTexte);
        CInteractionQt interaction;
        bool bVue = false;
        QTimer::singleShot(0, [&] {
            auto* pBoite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(pBoite, nullptr);
            bVue = true;
            EXPECT_EQ(pBoite->text(), DepuisCp1252(c.szTexte));
            EXPECT_EQ(pBoite->windowTitle(), c.szTitre != nullptr ? c.szTitre : "Vantrel");
            EXPECT_EQ(pBoite->icon(), c.iconeVue);
            EXPECT_EQ(pBoite->standardButtons(), c.boutonsVus);
            pBoite->button(c.clic)->click();
        });
        EXPECT_EQ(c.szTitre != nullptr
                      ? interaction.Message(c.szTexte, c.szTitre, c.icone, c.boutons)
                      : interaction.DemanderEnregistrement(c.szTexte, "Vantrel"),
                  c.reponse);
        EXPECT_TRUE(bVue);
    }
    EXPECT_EQ(DepuisCp1252("\xC9t\xE9 \x80 \x9C"),
              QString::fromUtf8("\u00c9t\u00e9 \u20ac \u0153"));
}

TEST(InteractionQt, TheFileDialogsFilterVtlFilesAndGiveThePathOrNothing) {
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("maison.vtl"));
    std::ofstream(chemin.toStdString()) << "x";
    CInteractionQt interaction;
    const CChoixFichier choix{"Open", "", "vtl", "Fichiers Vantrel (*.vtl)", false};
    for (const bool bChoisi : {true, false}) {
        QTimer::singleShot(0, [&] {
            auto* pDialogue = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(pDialogue, nullptr);
            EXPECT_EQ(pDialogue->nameFilters(), QStringList{"Fichiers Vantrel (*.vtl)"});
            EXPECT_EQ(pDialogue->windowTitle(), "Open");
            pDialogue->selectFile(chemin);
            QMetaObject::invokeMethod(pDialogue, bChoisi ? "accept" : "reject");
        });
        EXPECT_EQ(interaction.ChoisirFichierOuverture(choix),
                  bChoisi ? std::optional(chemin.toStdString()) : std::nullopt);
    }
}
