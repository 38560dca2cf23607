#include "DialogueTest.h"

#include "geometry/Face3.h"
#include "geometry/Face4.h"
#include "ui/DialoguesFaces.h"
#include "ui/DialoguesGeneration.h"
#include "ui/Texte.h"

#include <QLabel>
#include <QListWidget>

#include <cmath>
#include <typeinfo>
#include <utility>
#include <vector>

namespace {

class DialoguesFaces : public DialogueTest {
protected:
    // Faces "a" to "e", face 3 selected.
    void CinqFaces() {
        for (const char* szNom : {"a", "b", "c", "d", "e"}) {
            auto f = std::make_unique<CFace4>();
            f->m_proprietes.m_strNom = szNom;
            m_doc.AjouterFace(std::move(f));
        }
        g_nFaceSelectionnee = 2;
    }
    std::string Nom(int i) const { return m_doc.Face(i)->m_proprietes.m_strNom; }
    // Clicks an entry of a list, as a user does.
    static void CliquerEntree(QWidget* pDialogue, const char* szListe, int j) {
        auto* pListe = Widget<QListWidget>(pDialogue, szListe);
        QTest::mouseClick(pListe->viewport(), Qt::LeftButton, {},
                          pListe->visualItemRect(pListe->item(j)).center());
    }
    static void Montrer(QDialog& dialogue) {
        dialogue.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialogue));
    }
    // The dialog stayed open with this message and this field focused, or
    // closed with no message.
    void VerifierIssue(QDialog& dialogue, const char* szMessage, const char* szFocus) {
        if (*szMessage == '\0') {
            EXPECT_EQ(dialogue.result(), QDialog::Accepted);
            EXPECT_TRUE(m_ui.m_messages.empty());
            return;
        }
        EXPECT_TRUE(dialogue.isVisible());
        ASSERT_EQ(m_ui.m_messages.size(), 1u);
        EXPECT_EQ(m_ui.m_messages[0].strTexte, szMessage);
        EXPECT_EQ(NomFocus(), szFocus);
    }
};

const char* const kHorsCp1252 =
    "The character U+4E2D cannot be stored: it is not in the Windows-1252 character set.";

TEST_F(DialoguesFaces, InsertionTakesTheSelectedPosition) {
    struct CCas {
        const char* szType;
        QString nom;
        const char* szMessage; // empty: inserted
        const std::type_info& type;
    };
    const CCas cas[] = {
        {"Quadrilateral", QStringLiteral("no name"), "", typeid(CFace4)},
        {"Triangular", QString::fromUtf8("mur \xC3\xA9t\xC3\xA9"), "", typeid(CFace3)},
        {"Triangular", QString(31, QLatin1Char('x')), "Please enter no more than 30 characters.",
         typeid(CFace3)},
        {"Triangular", QString::fromUtf8("toit \xE4\xB8\xAD"), kHorsCp1252, typeid(CFace3)},
    };
    for (const CCas& c : cas) {
        SCOPED_TRACE(c.nom.toStdString());
        m_doc.SupprimerContenu();
        CinqFaces();
        m_ui.m_messages.clear();
        CDialogueInsertionFace dialogue(m_doc.m_insertionFace, m_ui);
        Montrer(dialogue);
        EXPECT_EQ(Widget<QComboBox>(&dialogue, "nType")->currentText(), "Quadrilateral");
        EXPECT_EQ(Texte(&dialogue, "strNom"), "no name");
        Choisir(&dialogue, "nType", QString::fromLatin1(c.szType));
        Taper(&dialogue, "strNom", c.nom);
        Cliquer(&dialogue, "Insert");
        VerifierIssue(dialogue, c.szMessage, "strNom");
        if (*c.szMessage != '\0') {
            EXPECT_EQ(g_nFaces, 5);
            continue;
        }
        // The new face is face 3 and the selected one; the former face 3 follows.
        ASSERT_EQ(g_nFaces, 6);
        EXPECT_EQ(g_nFaceSelectionnee, 2);
        EXPECT_EQ(typeid(*m_doc.Face(2)), c.type);
        EXPECT_EQ(DepuisCp1252(m_doc.LibelleFace(2)), QStringLiteral("(3/6) ") + c.nom);
        EXPECT_EQ(Nom(3), "c");
    }
}

TEST_F(DialoguesFaces, SelectionAndInversionByTheirLists) {
    CinqFaces();
    CDialogueSelectionFace selection(m_doc.m_selectionFace, m_ui);
    Montrer(selection);
    EXPECT_EQ(Widget<QComboBox>(&selection, "nChoix")->currentText(), "(3/5) c");
    EXPECT_EQ(Widget<QLabel>(&selection, "libelleChoix")->buddy()->objectName(), "nChoix");
    Choisir(&selection, "nChoix", QStringLiteral("(5/5) e"));
    Cliquer(&selection, "Select");
    EXPECT_EQ(g_nFaceSelectionnee, 4);

    CDialogueInversionFace encore(m_doc.m_inversionFace, m_ui);
    Montrer(encore);
    EXPECT_EQ(Widget<QComboBox>(&encore, "nChoix")->currentText(), "(1/5) a");
    Choisir(&encore, "nChoix", QStringLiteral("(2/5) b"));
    QTest::keyClick(Widget<QComboBox>(&encore, "nChoix"), Qt::Key_Return);
    EXPECT_EQ(encore.result(), QDialog::Accepted);
    EXPECT_EQ(Nom(1), "e");
    EXPECT_EQ(Nom(4), "b");
    EXPECT_EQ(g_nFaceSelectionnee, 4);
}

TEST_F(DialoguesFaces, MultipleSelectionTogglesEntriesAndCancelKeepsThePreselection) {
    CinqFaces();
    CSelectionMultiple& s = m_doc.m_selectionMultiple;
    PreparerCopieProprietes(s);
    s.m_faces = {m_doc.Face(3)};
    for (const bool bValider : {false, true}) {
        CSelectionMultiple::CTampon choix = s.Ouvrir();
        CDialogueSelectionMultiple dialogue(choix, m_ui);
        Montrer(dialogue);
        EXPECT_EQ(Texte(&dialogue, "strConsigne"),
                  "Copy the properties of the selected face to...");
        auto* pListe = Widget<QListWidget>(&dialogue, "selection");
        ASSERT_EQ(pListe->count(), 4);
        EXPECT_EQ(pListe->item(2)->text(), "(4/5) d"); // the selected face is not listed
        EXPECT_TRUE(pListe->item(2)->isSelected());
        CliquerEntree(&dialogue, "selection", 0);
        CliquerEntree(&dialogue, "selection", 3);
        CliquerEntree(&dialogue, "selection", 2);
        Cliquer(&dialogue, bValider ? "Validate" : "Cancel");
        if (dialogue.result() == QDialog::Accepted) {
            s.Valider(choix);
        }
        const std::vector<CFace*> attendu = bValider
                                                ? std::vector<CFace*>{m_doc.Face(0), m_doc.Face(4)}
                                                : std::vector<CFace*>{m_doc.Face(3)};
        EXPECT_EQ(s.m_faces, attendu);
    }
}

TEST_F(DialoguesFaces, GenerationDialogsInsertOrStayOpen) {
    struct CCas {
        bool bPrisme;
        std::vector<std::pair<const char*, QString>> saisies;
        const char* szMessage; // empty: inserted, or silently refused when nFaces is 0
        const char* szFocus;
        int nFaces; // inserted
    };
    const CCas cas[] = {
        {true, {}, "", "", 6},
        {false, {}, "", "", 6},
        {true, {{"nCotes", "3"}, {"strNom", "tour"}}, "", "", 3},
        {true, {{"nCotes", "100"}}, "Please enter an integer between 3 and 99.", "nCotes", 0},
        {true, {{"nCotes", "six"}}, "Please enter an integer.", "nCotes", 0},
        {true, {{"strNom", QString::fromUtf8("tour \xE4\xB8\xAD")}}, kHorsCp1252, "strNom", 0},
        {true,
         {{"strNom", QString(28, QLatin1Char('p'))}},
         "Please enter no more than 27 characters.",
         "strNom",
         0},
        // A height along the radius: nothing said, nothing made.
        {true, {{"hauteurX", "1"}, {"hauteurZ", "0"}}, "", "", 0},
        {false, {{"sommet2Y", "2,5"}}, "Please enter a number.", "sommet2Y", 0},
        {false, {{"sommet2X", "0"}, {"sommet2Y", "0"}, {"sommet2Z", "0.009"}}, "", "", 0},
    };
    for (const CCas& c : cas) {
        SCOPED_TRACE(std::string(c.bPrisme ? "prism " : "box ") +
                     (c.saisies.empty() ? "" : c.saisies[0].second.toStdString()));
        const int nAvant = g_nFaces;
        m_ui.m_messages.clear();
        std::unique_ptr<QDialog> pDialogue;
        if (c.bPrisme) {
            pDialogue = std::make_unique<CDialogueInsertionPrisme>(m_doc.m_insertionPrisme, m_ui);
        } else {
            pDialogue = std::make_unique<CDialogueInsertionParallelepipede>(
                m_doc.m_insertionParallelepipede, m_ui);
        }
        Montrer(*pDialogue);
        for (const auto& [szChamp, texte] : c.saisies) {
            Taper(pDialogue.get(), szChamp, texte);
        }
        Cliquer(pDialogue.get(), "Insert");
        EXPECT_EQ(g_nFaces - nAvant, c.nFaces);
        if (c.nFaces == 0) {
            EXPECT_TRUE(pDialogue->isVisible());
            if (*c.szMessage == '\0') {
                EXPECT_TRUE(m_ui.m_messages.empty());
                continue;
            }
        }
        VerifierIssue(*pDialogue, c.szMessage, c.szFocus);
    }
    // Each went first: tour 1 to 3, box 1 to 6, then prism 1 to 6. Prism 6
    // runs from (1,0,0) to the vertex at 60 degrees and faces outward; box 6
    // is the bottom of the cube [0,2]^3.
    ASSERT_EQ(Nom(8), "box 6");
    EXPECT_EQ(m_doc.Face(8)->m_normale.m_z, -1);
    EXPECT_EQ(m_doc.Face(8)->m_points[2].m_x, 2);
    EXPECT_EQ(m_doc.Face(8)->m_points[2].m_z, 0);
    ASSERT_EQ(Nom(14), "prism 6");
    const CFace* f = m_doc.Face(14);
    EXPECT_EQ(f->m_points[0].m_x, 1);
    EXPECT_NEAR(f->m_points[1].m_y, std::sqrt(3.0) / 2, 1e-12);
    EXPECT_NEAR(f->m_points[2].m_z, 2, 1e-12);
    EXPECT_NEAR(f->m_normale.m_x, std::sqrt(3.0) / 2, 1e-12);
    EXPECT_NEAR(f->m_normale.m_y, 0.5, 1e-12);
}

} // namespace
