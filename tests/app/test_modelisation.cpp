#include "FenetreTest.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

namespace {

// Clicks the button of the dialog that shows this text.
void Cliquer(QDialog* pDialogue, const char* szTexte) {
    ASSERT_TRUE(QTest::qWaitForWindowExposed(pDialogue));
    for (QAbstractButton* p : pDialogue->findChildren<QAbstractButton*>()) {
        if (p->text() == QLatin1String(szTexte)) {
            QTest::mouseClick(p, Qt::LeftButton);
            return;
        }
    }
    ADD_FAILURE() << "no button " << szTexte;
}

// Changes every field and every list, then cancels.
const auto kAnnuler = [](QDialog* pDialogue) {
    for (QLineEdit* pEdit : pDialogue->findChildren<QLineEdit*>()) {
        if (!pEdit->isReadOnly()) {
            pEdit->setText(QStringLiteral("1"));
        }
    }
    for (QListWidget* pListe : pDialogue->findChildren<QListWidget*>()) {
        pListe->selectAll();
    }
    Cliquer(pDialogue, "Cancel");
};

TEST_F(FenetreTest, ModellingDialogsFromTheMenuMarkTheDocumentAsTheirCommandsSay) {
    struct CEtape {
        int nId;
        std::function<void(QDialog*)> gestes;
        bool bModifie; // afterwards
        int nFaces;
    };
    const auto inserer = [](QDialog* p) { Cliquer(p, "Insert"); };
    const auto valider = [](QDialog* p) { Cliquer(p, "Validate"); };
    const CEtape etapes[] = {
        {ID_INSERER_PRISME, kAnnuler, false, 0},
        {ID_INSERER_PARALLELEPIPEDE, inserer, true, 6},
        {ID_SELECTIONNER_FACE,
         [](QDialog* p) {
             auto* pListe = p->findChild<QComboBox*>(QStringLiteral("nChoix"));
             pListe->setCurrentIndex(pListe->findText(QStringLiteral("(3/6) box 3")));
             Cliquer(p, "Select");
         },
         false, 6},
        {ID_GEOMETRIE_FACE,
         [](QDialog* p) {
             EXPECT_EQ(p->findChild<QLineEdit*>(QStringLiteral("dAire"))->text(), "4");
             EXPECT_EQ(p->findChild<QLineEdit*>(QStringLiteral("dOrientation"))->text(), "0");
             Cliquer(p, "Close");
         },
         false, 6},
        {ID_COPIER_PROPRIETES, kAnnuler, false, 6},
        {ID_COPIER_PROPRIETES,
         [](QDialog* p) {
             auto* pListe = p->findChild<QListWidget*>(QStringLiteral("selection"));
             pListe->item(0)->setSelected(true);
             Cliquer(p, "Validate");
         },
         false, 6},
        {ID_PROPRIETES, kAnnuler, false, 6},
        {ID_OUVERTURES, kAnnuler, false, 6},
        {ID_INVERSER_FACE, kAnnuler, false, 6},
        {ID_INSERER_FACE, kAnnuler, false, 6},
        {ID_PROPRIETES, valider, true, 6},
        {ID_OUVERTURES, valider, true, 6},
        {ID_INVERSER_FACE, [](QDialog* p) { Cliquer(p, "Invert"); }, true, 6},
        {ID_INSERER_FACE, inserer, true, 7},
    };
    EXPECT_FALSE(Active(ID_SUPPRIMER_FACE));
    for (const CEtape& e : etapes) {
        SCOPED_TRACE(e.nId);
        m_doc.SetModifiedFlag(false);
        m_ui.m_nRedessins = 0;
        ExecuterModal(e.nId, e.gestes);
        EXPECT_EQ(m_doc.IsModified(), e.bModifie);
        // The report alone leaves the views as they are.
        EXPECT_EQ(m_ui.m_nRedessins, e.nId == ID_GEOMETRIE_FACE ? 0 : 1);
        EXPECT_EQ(g_nFaces, e.nFaces);
        // The window follows every change: a face to remove once there is one.
        EXPECT_EQ(Active(ID_SUPPRIMER_FACE), g_nFaces > 0);
    }
    // Box 3, selected, was copied to box 1; the inversion swapped the two and
    // the new face took the selected place.
    // Nothing cancelled was kept.
    std::string noms;
    for (int i = 0; i < g_nFaces; ++i) {
        noms += m_doc.Face(i)->m_proprietes.m_strNom + ",";
        EXPECT_TRUE(m_doc.Face(i)->m_ouvertures.m_faces.empty());
        EXPECT_EQ(m_doc.Face(i)->m_proprietes.m_dMailleRelative, 2.0);
    }
    EXPECT_EQ(noms, "box 3,box 2,no name,box 3 (c),box 4,box 5,box 6,");
}

} // namespace
