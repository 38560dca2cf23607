#include "DialogueTest.h"

#include "ui/DialogueOptionsCalcul.h"

#include <QLabel>

namespace {

struct CCas {
    const char* szCadence;
    const char* szPas;
    const char* szPoids;
    const char* szAnnee;
    // Refused: the field that gets the focus and the message; accepted: empty.
    const char* szChampRefuse;
    const char* szMessage;
};

} // namespace

TEST_F(DialogueTest, ComputationOptionsStoreOnlyWhatTheyAccept) {
    const CCas cas[] = {
        {"3", "30", "1000", "2040", "", ""},
        {"40", "1", "1", "2001", "", ""},
        {"0.1", "10", "50", "2003", "", ""},
        {"40.5", "10", "50", "2003", "strCadence", "Please enter a number between 0.1 and 40."},
        {"fast", "10", "50", "2003", "strCadence", "Please enter a number."},
        {"4", "10", "0", "2003", "strPoidsMax", "Please enter an integer between 1 and 1000."},
        {"4", "10", "50", "2000", "strAnnee", "Please enter an integer between 2001 and 2040."},
    };
    for (const CCas& c : cas) {
        SCOPED_TRACE(std::string(c.szCadence) + " " + c.szPas + " " + c.szPoids + " " + c.szAnnee);
        m_ui.m_messages.clear();
        m_doc.m_optionsCalcul = COptionsCalcul();
        CDialogueOptionsCalcul dialogue(m_doc.m_optionsCalcul, m_ui);
        dialogue.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialogue));
        EXPECT_EQ(Texte(&dialogue, "strCadence"), "4");
        EXPECT_EQ(Widget<QComboBox>(&dialogue, "nIndexPas")->currentText(), "10");

        Taper(&dialogue, "strCadence", c.szCadence);
        Choisir(&dialogue, "nIndexPas", c.szPas);
        Taper(&dialogue, "strPoidsMax", c.szPoids);
        Taper(&dialogue, "strAnnee", c.szAnnee);
        Cliquer(&dialogue, "Validate");

        const COptionsCalcul& o = m_doc.m_optionsCalcul;
        if (*c.szChampRefuse == '\0') {
            EXPECT_EQ(dialogue.result(), QDialog::Accepted);
            EXPECT_FALSE(dialogue.isVisible());
            EXPECT_TRUE(m_ui.m_messages.empty());
            EXPECT_EQ(o.m_nPasMinutes, std::stoi(c.szPas));
            EXPECT_EQ(o.m_nPoidsMax, std::stoi(c.szPoids));
            EXPECT_EQ(o.m_nAnnee, std::stoi(c.szAnnee));
            EXPECT_EQ(o.m_dCadence, std::stod(c.szCadence));
        } else {
            EXPECT_TRUE(dialogue.isVisible());
            ASSERT_EQ(m_ui.m_messages.size(), 1u);
            EXPECT_EQ(m_ui.m_messages[0].strTexte, c.szMessage);
            EXPECT_EQ(NomFocus(), c.szChampRefuse);
            // Nothing stored, not even the fields that were accepted.
            EXPECT_EQ(o.m_dCadence, 4.0);
            EXPECT_EQ(o.m_nIndexPas, 6);
            EXPECT_EQ(o.m_nPoidsMax, 50);
            EXPECT_EQ(o.m_nAnnee, 2003);
        }
    }
    // 3 Hz drives a 333 ms sun animation.
    EXPECT_EQ(COptionsCalcul::PeriodeAnimation(3), 333);
}

TEST_F(DialogueTest, ComputationOptionsCancelAndLabels) {
    CDialogueOptionsCalcul dialogue(m_doc.m_optionsCalcul, m_ui);
    dialogue.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialogue));
    // Each field is read under the label beside it.
    EXPECT_EQ(Widget<QLabel>(&dialogue, "libelleAnnee")->buddy()->objectName(), "strAnnee");
    Taper(&dialogue, "strAnnee", "2030");
    Choisir(&dialogue, "nIndexPas", "1");
    Cliquer(&dialogue, "Cancel");
    EXPECT_EQ(dialogue.result(), QDialog::Rejected);
    EXPECT_EQ(m_doc.m_optionsCalcul.m_nAnnee, 2003);
    EXPECT_EQ(m_doc.m_optionsCalcul.m_nIndexPas, 6);
    // Enter in a field confirms: "Validate" is the default button.
    CDialogueOptionsCalcul encore(m_doc.m_optionsCalcul, m_ui);
    encore.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&encore));
    Taper(&encore, "strAnnee", "2030");
    QTest::keyClick(Widget<QLineEdit>(&encore, "strAnnee"), Qt::Key_Return);
    EXPECT_EQ(encore.result(), QDialog::Accepted);
    EXPECT_EQ(m_doc.m_optionsCalcul.m_nAnnee, 2030);
}
