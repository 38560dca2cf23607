#include "DialogueTest.h"

#include "geometry/Face4.h"
#include "ui/DialogueOuvertures.h"
#include "ui/DialogueProprietes.h"

#include <QAbstractButton>
#include <QListWidget>
#include <QTimer>

namespace {

class DialoguesProprietes : public DialogueTest {
protected:
    // A rectangle of w by h metres in the plane y = 0, from (x, 0, z).
    CFace* Rectangle(const char* szNom, double x, double z, double w, double h) {
        auto f = std::make_unique<CFace4>();
        f->m_points[0] = CVecteur(x, 0, z);
        f->m_points[1] = CVecteur(x + w, 0, z);
        f->m_points[2] = CVecteur(x + w, 0, z + h);
        f->m_points[3] = CVecteur(x, 0, z + h);
        f->CalculerNormale();
        f->m_proprietes.m_strNom = szNom;
        CFace* p = f.get();
        m_doc.AjouterFace(std::move(f));
        return p;
    }
    static void Montrer(QDialog& dialogue) {
        dialogue.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialogue));
    }
    // Clicks a button; a check box or a radio button on its box, which a
    // stretched one does not have in its middle.
    static void Appuyer(QWidget* pDialogue, const char* szNom) {
        auto* pBouton = Widget<QAbstractButton>(pDialogue, szNom);
        QPoint point = pBouton->rect().center();
        if (qobject_cast<QPushButton*>(pBouton) == nullptr) {
            point.setX(pBouton->isLeftToRight() ? 6 : pBouton->width() - 6);
        }
        QTest::mouseClick(pBouton, Qt::LeftButton, {}, point);
    }
    // The gestures run on the modal dialog that the click opens.
    static void DansLeDialogue(const std::function<void(QDialog*)>& gestes) {
        QTimer::singleShot(0, [gestes] {
            auto* pDialogue = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(pDialogue, nullptr);
            ASSERT_TRUE(QTest::qWaitForWindowExposed(pDialogue));
            gestes(pDialogue);
        });
    }
};

TEST_F(DialoguesProprietes, PropertiesStoreOnlyWhatIsAccepted) {
    struct CCas {
        const char* szChamp;
        QString texte;
        const char* szMessage; // empty: stored
    };
    const CCas cas[] = {
        {"dTransmittivite", "20", ""},
        {"dMailleRelative", "0.05", "Please enter a number between 0.1 and 10."},
        {"dMailleAbsolue", "1.5", "Please enter a number between 0.01 and 1."},
        {"dAbsorptivite", "fort", "Please enter a number."},
        {"strNom", QString::fromUtf8("mur \xE4\xB8\xAD"),
         "The character U+4E2D cannot be stored: it is not in the Windows-1252 character set."},
        {"strNom", QString(31, QLatin1Char('m')), "Please enter no more than 30 characters."},
    };
    CFace* f = Rectangle("wall", 0, 0, 5, 2);
    for (const CCas& c : cas) {
        SCOPED_TRACE(c.szChamp);
        f->m_proprietes = CProprietes();
        m_ui.m_messages.clear();
        CDialogueProprietes dialogue(m_doc, f->m_proprietes, m_ui);
        Montrer(dialogue);
        EXPECT_EQ(Texte(&dialogue, "strNom"), "no name");
        EXPECT_EQ(Texte(&dialogue, "dMailleAbsolue"), "0.04");
        Taper(&dialogue, "strNom",
              QString::fromUtf8("fa\xC3\xA7"
                                "ade"));
        Appuyer(&dialogue, "bRecepteur");
        Taper(&dialogue, c.szChamp, c.texte);
        Cliquer(&dialogue, "Validate");
        const CProprietes& p = f->m_proprietes;
        if (*c.szMessage == '\0') {
            EXPECT_EQ(dialogue.result(), QDialog::Accepted);
            EXPECT_EQ(p.m_strNom, "fa\xE7"
                                  "ade");
            EXPECT_EQ(p.m_bRecepteur, 1);
            EXPECT_EQ(p.m_dTransmittivite, 20);
            continue;
        }
        EXPECT_TRUE(dialogue.isVisible());
        ASSERT_EQ(m_ui.m_messages.size(), 1u);
        EXPECT_EQ(m_ui.m_messages[0].strTexte, c.szMessage);
        EXPECT_EQ(NomFocus(), c.szChamp);
        EXPECT_EQ(p.m_strNom, "no name");
        EXPECT_EQ(p.m_bRecepteur, 0);
    }
    EXPECT_FALSE(m_doc.IsModified());
}

TEST_F(DialoguesProprietes, DetailChangesTheLawAtOnceEvenIfThePropertiesAreCancelled) {
    CFace* f = Rectangle("wall", 0, 0, 5, 2);
    f->m_proprietes.m_correlationTransmittivite.m_nMode = CCorrelationPhysique::Interpole;
    CDialogueProprietes dialogue(m_doc, f->m_proprietes, m_ui);
    Montrer(dialogue);
    auto* pTaux = Widget<QLineEdit>(&dialogue, "dTransmittivite");
    EXPECT_FALSE(pTaux->isEnabled());
    EXPECT_TRUE(Widget<QLineEdit>(&dialogue, "dAbsorptivite")->isEnabled());

    DansLeDialogue([&](QDialog* pDetail) {
        EXPECT_EQ(pDetail->windowTitle(), "Interpolation of the physical parameter");
        EXPECT_TRUE(Widget<QAbstractButton>(pDetail, "mode2")->isChecked());
        EXPECT_TRUE(Widget<QLineEdit>(pDetail, "dIncidences0")->isReadOnly());
        EXPECT_TRUE(Widget<QLineEdit>(pDetail, "dIncidences5")->isReadOnly());
        Appuyer(pDetail, "mode0");
        // Out of range first: the detail stays open on that field.
        Taper(pDetail, "dIncidences2", "95");
        Cliquer(pDetail, "Validate");
        EXPECT_TRUE(pDetail->isVisible());
        EXPECT_EQ(pDetail->focusWidget()->objectName(), "dIncidences2");
        Taper(pDetail, "dIncidences1", "60");
        Taper(pDetail, "dTaux1", "50");
        Taper(pDetail, "dIncidences2", "30");
        Cliquer(pDetail, "Validate");
        EXPECT_FALSE(pDetail->isVisible());
    });
    Appuyer(&dialogue, "detailTransmittivite");
    ASSERT_EQ(m_ui.m_messages.size(), 1u);
    EXPECT_EQ(m_ui.m_messages[0].strTexte, "Please enter a number between 0 and 90.");
    EXPECT_TRUE(pTaux->isEnabled());
    EXPECT_TRUE(m_doc.IsModified());

    Cliquer(&dialogue, "Cancel");
    const CCorrelationPhysique& c = f->m_proprietes.m_correlationTransmittivite;
    EXPECT_EQ(c.m_nMode, CCorrelationPhysique::Uniforme);
    // Sorted by incidence: 0, 0, 0, 30, 60, 90.
    EXPECT_EQ(c.m_couples[3].m_dIncidence, 30);
    EXPECT_EQ(c.m_couples[4].m_dIncidence, 60);
    EXPECT_EQ(c.m_couples[4].m_dTaux, 50);
}

TEST_F(DialoguesProprietes, OpeningsReduceTheAreaShownInTheGeometryReport) {
    struct CCas {
        const char* szMode;
        const char* szValeur;
        const char* szRetenue; // shown by the report; empty: refused
    };
    const CCas cas[] = {
        {"mode1", "0", "7"},
        {"mode0", "0", "10"},
        {"mode2", "4", "6"},
        {"mode2", "-101", ""},
    };
    CFace* mur = Rectangle("wall", 0, 0, 5, 2);
    Rectangle("window 1", 0.5, 0.5, 1.5, 1);
    Rectangle("window 2", 3, 0.5, 1.5, 1);
    for (const CCas& c : cas) {
        SCOPED_TRACE(std::string(c.szMode) + " " + c.szValeur);
        mur->m_ouvertures = COuvertures();
        m_ui.m_messages.clear();
        CDialogueOuvertures dialogue(mur->m_ouvertures, m_ui);
        Montrer(dialogue);
        auto* pListe = Widget<QListWidget>(&dialogue, "selection");
        ASSERT_EQ(pListe->count(), 2);
        EXPECT_TRUE(Widget<QAbstractButton>(&dialogue, "mode1")->isChecked());
        for (int j = 0; j < 2; ++j) {
            QTest::mouseClick(pListe->viewport(), Qt::LeftButton, {},
                              pListe->visualItemRect(pListe->item(j)).center());
        }
        Appuyer(&dialogue, c.szMode);
        Taper(&dialogue, "dValeur", c.szValeur);
        Cliquer(&dialogue, "Validate");
        if (*c.szRetenue == '\0') {
            EXPECT_TRUE(dialogue.isVisible());
            ASSERT_EQ(m_ui.m_messages.size(), 1u);
            EXPECT_EQ(m_ui.m_messages[0].strTexte,
                      "Please enter a number between -100 and 1000000.");
            EXPECT_EQ(NomFocus(), "dValeur");
            EXPECT_TRUE(mur->m_ouvertures.m_faces.empty());
            continue;
        }
        EXPECT_EQ(mur->m_ouvertures.m_faces.size(), 2u);
        CDialogueGeometrieFace rapport(m_doc.m_geometrieFace, 0, m_ui);
        Montrer(rapport);
        EXPECT_EQ(Texte(&rapport, "dAire"), "10");
        EXPECT_EQ(Texte(&rapport, "dAireRetenue"), c.szRetenue);
        EXPECT_EQ(Texte(&rapport, "dOrientation"), "180");
        EXPECT_EQ(Texte(&rapport, "dInclinaison"), "0");
        Cliquer(&rapport, "Close");
        EXPECT_FALSE(rapport.isVisible());
    }
    EXPECT_FALSE(m_doc.IsModified());
}

TEST_F(DialoguesProprietes, ForcingTheTransmittivityIsAnActionNotAState) {
    CFace* mur = Rectangle("wall", 0, 0, 5, 2);
    CFace* fenetre = Rectangle("window", 0.5, 0.5, 1.5, 1);
    fenetre->m_proprietes.m_correlationTransmittivite.m_nMode = CCorrelationPhysique::Interpole;
    CDialogueOuvertures dialogue(mur->m_ouvertures, m_ui);
    Montrer(dialogue);
    auto* pListe = Widget<QListWidget>(&dialogue, "selection");
    QTest::mouseClick(pListe->viewport(), Qt::LeftButton, {},
                      pListe->visualItemRect(pListe->item(0)).center());
    Appuyer(&dialogue, "bForcer");
    Taper(&dialogue, "dTransmittiviteForcee", "80");
    Cliquer(&dialogue, "Validate");
    EXPECT_EQ(fenetre->m_proprietes.m_dTransmittivite, 80);
    EXPECT_EQ(fenetre->m_proprietes.m_correlationTransmittivite.m_nMode,
              CCorrelationPhysique::Uniforme);
    CDialogueOuvertures encore(mur->m_ouvertures, m_ui);
    Montrer(encore);
    EXPECT_FALSE(Widget<QAbstractButton>(&encore, "bForcer")->isChecked());
    EXPECT_EQ(Texte(&encore, "dTransmittiviteForcee"), "80");
    EXPECT_TRUE(Widget<QListWidget>(&encore, "selection")->item(0)->isSelected());
}

} // namespace
