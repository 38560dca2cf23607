#include "FenetreTest.h"

#include "ui/VantrelView.h"

#include <QMimeData>
#include <QUrl>

#include <cstdio>
#include <fstream>

TEST_F(FenetreTest, OpeningTheHouseThenSavingItBackGivesTheSameBytes) {
    OuvrirMaison();
    EXPECT_EQ(m_ui.m_script.m_choixFichiers[0].strFiltre + ' ' +
                  m_ui.m_script.m_choixFichiers[0].strExtension,
              "Fichiers Vantrel (*.vtl) vtl");
    EXPECT_FALSE(m_doc.IsModified());
    EXPECT_EQ(m_fenetre.windowTitle(), "Vantrel - house.vtl");
    const std::string copie = Temporaire("copy.vtl");
    m_ui.m_script.m_fichiers.push_back(copie);
    Executer(ID_ENREGISTRER_SOUS);
    EXPECT_EQ(LireOctets(copie), LireOctets(m_strMaison));
    EXPECT_EQ(m_ui.m_script.m_choixFichiers.back().strNomInitial, m_strMaison);
    EXPECT_EQ(m_fenetre.windowTitle(), "Vantrel - copy.vtl");
    // "&Save" writes to the document's file without asking.
    std::remove(copie.c_str());
    Executer(ID_ENREGISTRER);
    EXPECT_EQ(m_ui.m_script.m_choixFichiers.size(), 2u);
    EXPECT_EQ(LireOctets(copie), LireOctets(m_strMaison));
    EXPECT_TRUE(m_ui.m_questions.m_messages.empty());
}

// "&Open..." of a modified document asks first; the file is chosen before.
TEST_F(FenetreTest, TheSaveQuestionKeepsSavesOrDropsTheChanges) {
    struct CCas {
        EReponse reponse;
        const char* szEnregistrement; // where Save As writes (null: not asked)
        bool bOuvert;                 // the house replaced the changes
    };
    const CCas cas[] = {
        {EReponse::Annuler, nullptr, false},
        {EReponse::Non, nullptr, true},
        {EReponse::Oui, "untitled-saved.vtl", true},
        // The save fails: nothing is dropped.
        {EReponse::Oui, "no-such-folder/other.vtl", false},
    };
    for (const CCas& c : cas) {
        SCOPED_TRACE(static_cast<int>(c.reponse));
        m_doc.SetModifiedFlag(false);
        Executer(ID_NOUVEAU); // an untitled, empty document
        Executer(ID_COTE_ETUDE);
        m_ui.m_script.m_choixFichiers.clear();
        m_ui.m_script.m_messages.clear();
        m_ui.m_questions.m_reponses.push_back(c.reponse);
        m_ui.m_script.m_fichiers.push_back(m_strMaison);
        if (c.szEnregistrement != nullptr) {
            m_ui.m_script.m_fichiers.push_back(Temporaire(c.szEnregistrement));
        }
        Executer(ID_OUVRIR);
        const auto& question = m_ui.m_questions.m_messages.back();
        EXPECT_EQ(question.strTitre + ": " + question.strTexte,
                  "Vantrel: Save changes to Untitled?");
        ASSERT_EQ(m_ui.m_script.m_choixFichiers.size(), c.szEnregistrement != nullptr ? 2u : 1u);
        if (c.szEnregistrement != nullptr) {
            const CChoixFichier& choix = m_ui.m_script.m_choixFichiers[1];
            EXPECT_EQ(choix.strTitre + ": " + choix.strNomInitial, "Save As: Untitled.vtl");
        }
        EXPECT_EQ(m_doc.Chemin(), c.bOuvert ? m_strMaison : "");
        EXPECT_EQ(m_doc.IsModified(), !c.bOuvert);
        EXPECT_EQ(g_nFaces > 0, c.bOuvert);
        EXPECT_EQ(m_ui.m_script.m_messages.size(),
                  c.bOuvert || c.reponse == EReponse::Annuler ? 0u : 1u);
        for (const auto& m : m_ui.m_script.m_messages) { // the failed save, naming where
            EXPECT_TRUE(m.icone == EIcone::Stop &&
                        m.strTexte.find("no-such-folder") != std::string::npos);
        }
    }
    EXPECT_FALSE(LireOctets(Temporaire("untitled-saved.vtl")).empty());
}

// A file that cannot be read leaves a new document: "&Save" cannot write
// over house.vtl. Its name, as the file system holds it, is shown in
// Windows-1252, "?" for what it lacks (a character beyond 16 bits once).
TEST_F(FenetreTest, AFailedOpenIsReportedAndLeavesANewDocument) {
    OuvrirMaison();
    const std::string abime = Temporaire("ab\u00eem\u00e9-\u4e2d-\U0001F600.vtl");
    std::ofstream(abime, std::ios::binary) << "not a scene";
    m_ui.m_script.m_fichiers.push_back(abime);
    Executer(ID_OUVRIR);
    ASSERT_EQ(m_ui.m_script.m_messages.size(), 1u);
    EXPECT_EQ(m_ui.m_script.m_messages[0].icone, EIcone::Stop);
    EXPECT_EQ(m_ui.m_script.m_messages[0].strTexte.rfind(
                  "The document \"ab\xEEm\xE9-?-?.vtl\" could not be opened.", 0),
              0u);
    EXPECT_EQ(g_nFaces, 0);
    EXPECT_TRUE(m_doc.Chemin().empty());
    EXPECT_FALSE(m_doc.IsModified());
    EXPECT_EQ(m_fenetre.windowTitle(), "Vantrel - Untitled");
}

// A dropped file opens like "&Open..." (a modified document asks first);
// the house as a user sees it, kept as a picture; closing asks to save, and
// Cancel keeps the window.
TEST_F(FenetreTest, ADroppedHouseIsShownThenClosingAsksToSave) {
    Montrer(QSize(1024, 720));
    Executer(ID_COTE_ETUDE);
    m_ui.m_questions.m_reponses = {EReponse::Non, EReponse::Annuler, EReponse::Non};
    QMimeData donnees;
    donnees.setUrls({QUrl::fromLocalFile(QString::fromStdString(m_strMaison))});
    const QPoint p(m_fenetre.width() / 2, m_fenetre.height() / 2);
    QDragEnterEvent entree(p, Qt::CopyAction, &donnees, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&m_fenetre, &entree);
    EXPECT_TRUE(entree.isAccepted());
    QDropEvent depot(QPointF(p), Qt::CopyAction, &donnees, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&m_fenetre, &depot);
    EXPECT_TRUE(QTest::qWaitFor([this] { return m_doc.Chemin() == m_strMaison; }, 5000));
    EXPECT_EQ(m_ui.m_questions.m_messages.size(), 1u);

    Executer(ID_COTE_ETUDE);
    Executer(ID_COORDONNEES);
    VueDeTroisQuarts(m_fenetre.Vue());
    GarderImage(m_fenetre.grab().toImage(), "main-window-house.png");
    const auto couleur = [this](QRgb c) {
        return CompterPixels(m_fenetre.Vue(), [c](QRgb p) { return p == c; });
    };
    EXPECT_GT(couleur(qRgb(92, 92, 92)), 1024 * 720 / 4);
    EXPECT_GT(couleur(qRgb(255, 255, 0)), 100);   // receivers
    EXPECT_GT(couleur(qRgb(255, 0, 255)), 100);   // the selected face and its openings
    EXPECT_GT(couleur(qRgb(255, 255, 255)), 100); // the other faces and the texts

    EXPECT_FALSE(m_fenetre.close());
    EXPECT_TRUE(m_fenetre.isVisible());
    EXPECT_EQ(m_ui.m_questions.m_messages.back().strTexte, "Save changes to house.vtl?");
    EXPECT_GT(g_nFaces, 0);
    Executer(ID_QUITTER);
    EXPECT_FALSE(m_fenetre.isVisible());
    EXPECT_EQ(m_ui.m_questions.m_messages.size(), 3u);
    EXPECT_EQ(g_nFaces, 0); // the contents are deleted on the way out
}
