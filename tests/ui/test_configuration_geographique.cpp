#include "DialogueTest.h"

#include "ui/DialogueConfigurationGeographique.h"

#include <QCheckBox>
#include <QLabel>

namespace {

struct CCas {
    const char* szLieu;      // entry chosen in the place list
    const char* szLatitude;  // typed when not null
    const char* szLongitude; // typed when not null
    bool bIgnorer;           // "Ignore the longitude" clicked
    const char* szNord;
    const char* szHorizon;
    // Refused: the field that gets the focus and the message; accepted: empty.
    const char* szChampRefuse;
    const char* szMessage;
    // What the edits show before Validate and what is stored when accepted.
    const char* szLatitudeVue;
    const char* szLongitudeVue;
    double dLatitude;
    double dLongitude;
};

} // namespace

TEST_F(DialogueTest, GeographicalConfigurationPlaceRuleAndValidate) {
    const CCas cas[] = {
        {"SYDNEY", nullptr, nullptr, false, "0", "0", "", "", "-33.9", "-151.2", -33.9, -151.2},
        // A particular place keeps what the edits held, and then what is typed.
        {"Particular place", nullptr, nullptr, false, "0", "0", "", "", "48.9", "-2.3", 48.9, -2.3},
        {"Particular place", "45.25", "-3.5", false, "0", "0", "", "", "45.25", "-3.5", 45.25,
         -3.5},
        {"Particular place", "90", "0", false, "0", "0", "strLatitude",
         "Please enter a number between -89.9 and 89.9.", "90", "0", 0, 0},
        {"Particular place", "north", "0", false, "0", "0", "strLatitude", "Please enter a number.",
         "north", "0", 0, 0},
        {"TOKYO", nullptr, nullptr, false, "0", "48.1", "strLigneHorizon",
         "Please enter a number between -12 and 48.", "35.7", "-139.8", 0, 0},
        {"ZAGREB", nullptr, nullptr, true, "90", "-12", "", "", "45.8", "-16.0", 45.8, -16.0},
    };
    for (const CCas& c : cas) {
        SCOPED_TRACE(std::string(c.szLieu) + " " + (c.szLatitude ? c.szLatitude : "-") + " " +
                     c.szNord + " " + c.szHorizon);
        m_ui.m_messages.clear();
        m_doc.m_configurationGeographique = CConfigurationGeographique();
        CDialogueConfigurationGeographique dialogue(m_doc.m_configurationGeographique, m_ui);
        dialogue.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialogue));
        // A fresh site: Paris, its coordinates read-only, the longitude in use.
        auto* pLieu = Widget<QComboBox>(&dialogue, "nLieu");
        auto* pLatitude = Widget<QLineEdit>(&dialogue, "strLatitude");
        auto* pLongitude = Widget<QLineEdit>(&dialogue, "strLongitude");
        auto* pIgnorer = Widget<QCheckBox>(&dialogue, "bIgnorerLongitude");
        EXPECT_EQ(pLieu->currentText(), "PARIS");
        EXPECT_EQ(pLatitude->text(), "48.9");
        EXPECT_EQ(pLongitude->text(), "-2.3");
        EXPECT_TRUE(pLatitude->isReadOnly());
        EXPECT_TRUE(pLongitude->isReadOnly());
        EXPECT_FALSE(pIgnorer->isChecked());
        EXPECT_TRUE(pLongitude->isEnabled());

        if (std::string(c.szLieu) == "Particular place") {
            // Straight to the top of the list: walking up through the cities
            // would show each one's coordinates on the way.
            pLieu->setFocus();
            QTest::keyClick(pLieu, Qt::Key_Home);
        } else {
            Choisir(&dialogue, "nLieu", c.szLieu);
        }
        const bool bParticulier = pLieu->currentIndex() == 0;
        EXPECT_EQ(pLatitude->isReadOnly(), !bParticulier);
        EXPECT_EQ(pLongitude->isReadOnly(), !bParticulier);
        if (c.szLatitude != nullptr) {
            Taper(&dialogue, "strLatitude", c.szLatitude);
            Taper(&dialogue, "strLongitude", c.szLongitude);
        }
        if (c.bIgnorer) {
            QTest::mouseClick(pIgnorer, Qt::LeftButton, {}, QPoint(4, pIgnorer->height() / 2));
            EXPECT_TRUE(pIgnorer->isChecked());
            EXPECT_FALSE(pLongitude->isEnabled());
        }
        Taper(&dialogue, "strDirectionNord", c.szNord);
        Taper(&dialogue, "strLigneHorizon", c.szHorizon);
        EXPECT_EQ(pLatitude->text(), c.szLatitudeVue);
        EXPECT_EQ(pLongitude->text(), c.szLongitudeVue);
        Cliquer(&dialogue, "Validate");

        const CConfigurationGeographique& site = m_doc.m_configurationGeographique;
        if (*c.szChampRefuse == '\0') {
            EXPECT_EQ(dialogue.result(), QDialog::Accepted);
            EXPECT_FALSE(dialogue.isVisible());
            EXPECT_TRUE(m_ui.m_messages.empty());
            EXPECT_EQ(site.m_strLieu, c.szLieu);
            EXPECT_EQ(site.m_dLatitude, c.dLatitude);
            EXPECT_EQ(site.m_dLongitude, c.dLongitude);
            EXPECT_EQ(site.m_bIgnorerLongitude, c.bIgnorer ? 1 : 0);
            EXPECT_EQ(site.m_dDirectionNord, std::stod(c.szNord));
            EXPECT_EQ(site.m_dLigneHorizon, std::stod(c.szHorizon));
        } else {
            EXPECT_TRUE(dialogue.isVisible());
            ASSERT_EQ(m_ui.m_messages.size(), 1u);
            EXPECT_EQ(m_ui.m_messages[0].strTexte, c.szMessage);
            EXPECT_EQ(NomFocus(), c.szChampRefuse);
            // Nothing stored, not even the place or the fields accepted.
            EXPECT_EQ(site.m_strLieu, "PARIS");
            EXPECT_EQ(site.m_dLatitude, 48.9);
            EXPECT_EQ(site.m_dLongitude, -2.3);
            EXPECT_EQ(site.m_dDirectionNord, 0.0);
            EXPECT_EQ(site.m_dLigneHorizon, 0.0);
        }
    }
    // The north of the last case: 90 degrees puts it on +X.
    EXPECT_NEAR(m_doc.m_configurationGeographique.m_nord.m_x, 1, 1e-12);
    EXPECT_NEAR(m_doc.m_configurationGeographique.m_nord.m_y, 0, 1e-12);
}

TEST_F(DialogueTest, GeographicalConfigurationListTabOrderAndCancel) {
    CDialogueConfigurationGeographique dialogue(m_doc.m_configurationGeographique, m_ui);
    dialogue.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialogue));
    EXPECT_EQ(dialogue.windowTitle(), "Geographical configuration");
    // The table's order, unsorted.
    auto* pLieu = Widget<QComboBox>(&dialogue, "nLieu");
    ASSERT_EQ(pLieu->count(), 107);
    EXPECT_EQ(pLieu->itemText(0), "Particular place");
    EXPECT_EQ(pLieu->itemText(67), "MURSMANK");
    EXPECT_EQ(pLieu->itemText(68), "MUNICH");
    EXPECT_EQ(Widget<QLabel>(&dialogue, "libelleLigneHorizon")->buddy()->objectName(),
              "strLigneHorizon");
    // The keyboard walks the fields top to bottom, then the buttons.
    pLieu->setFocus();
    QStringList ordre;
    for (int i = 0; i < 7; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ordre << NomFocus();
    }
    EXPECT_EQ(ordre, QStringList({"strLatitude", "strLongitude", "bIgnorerLongitude",
                                  "strDirectionNord", "strLigneHorizon", "valider", "annuler"}));

    Choisir(&dialogue, "nLieu", "OSLO");
    Taper(&dialogue, "strLigneHorizon", "10");
    Cliquer(&dialogue, "Cancel");
    EXPECT_EQ(dialogue.result(), QDialog::Rejected);
    EXPECT_EQ(m_doc.m_configurationGeographique.m_strLieu, "PARIS");
    EXPECT_EQ(m_doc.m_configurationGeographique.m_dLigneHorizon, 0.0);

    // Enter in a field validates: "Validate" is the default button. The
    // dialog opens again on the stored place.
    CDialogueConfigurationGeographique encore(m_doc.m_configurationGeographique, m_ui);
    encore.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&encore));
    Choisir(&encore, "nLieu", "OSLO");
    QTest::keyClick(Widget<QComboBox>(&encore, "nLieu"), Qt::Key_Return);
    EXPECT_EQ(encore.result(), QDialog::Accepted);
    EXPECT_EQ(m_doc.m_configurationGeographique.m_strLieu, "OSLO");
    CDialogueConfigurationGeographique oslo(m_doc.m_configurationGeographique, m_ui);
    EXPECT_EQ(Widget<QComboBox>(&oslo, "nLieu")->currentText(), "OSLO");
    EXPECT_EQ(Texte(&oslo, "strLatitude"), "59.9");
}
