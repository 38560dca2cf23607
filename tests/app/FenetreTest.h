#pragma once

#include "../ui/DialogueTest.h"

#include "app/MainFrame.h"
#include "document/VantrelDoc.h"
#include "platform/InteractionScriptee.h"
#include "ui/InteractionQt.h"

#include <optional>
#include <string>
#include <vector>

// The Qt interaction with scripted answers: every message and file request
// is recorded, the save question apart; an empty queue gives the safe answer
// (Cancel for the question). The redraw stays the window's own.
class CInteractionTest : public CInteractionQt {
public:
    CInteractionScriptee m_script, m_questions;
    int m_nRedessins = 0;
    // Runs while each message is shown (what else is on the screen then).
    std::function<void()> m_pendantMessage;

    EReponse Message(const std::string& strTexte, const std::string& strTitre, EIcone icone,
                     EBoutons boutons) override {
        if (m_pendantMessage) {
            m_pendantMessage();
        }
        return m_script.Message(strTexte, strTitre, icone, boutons);
    }
    EReponse DemanderEnregistrement(const std::string& strTexte,
                                    const std::string& strTitre) override {
        return m_questions.Message(strTexte, strTitre, EIcone::Avertissement, EBoutons::OkAnnuler);
    }
    std::optional<std::string> ChoisirFichierEnregistrement(const CChoixFichier& choix) override {
        return m_script.ChoisirFichierEnregistrement(choix);
    }
    std::optional<std::string> ChoisirFichierOuverture(const CChoixFichier& choix) override {
        return m_script.ChoisirFichierOuverture(choix);
    }
    void RedessinerVues() override {
        ++m_nRedessins;
        CInteractionQt::RedessinerVues();
    }
};

// The house example saved in a temporary folder, once for the whole program.
const std::string& FichierMaison();
// A path in that folder.
std::string Temporaire(const std::string& strNom);

// A fresh document in a main window for each test.
class FenetreTest : public ::testing::Test {
protected:
    const std::string m_strMaison = FichierMaison();

    CInteractionTest m_ui;
    CVantrelDoc m_doc{m_ui};
    CMainFrame m_fenetre{m_doc, m_ui};

    // Every scripted answer has been asked for.
    void TearDown() override {
        EXPECT_TRUE(m_ui.m_script.m_reponses.empty() && m_ui.m_questions.m_reponses.empty() &&
                    m_ui.m_script.m_fichiers.empty());
    }

    // Runs a command as the menu, its accelerator or its button does.
    void Executer(int nId);
    bool Cochee(int nId) { return m_fenetre.Action(nId)->isChecked(); }
    // Runs a command whose dialog is modal: the gestures run on the dialog
    // once it is shown, and must close it (it is cancelled otherwise).
    void ExecuterModal(int nId, const std::function<void(QDialog*)>& gestes) {
        Gestes::Modal([&] { Executer(nId); }, gestes);
    }
    // Ctrl and the key in the main window made active first; the same for a
    // modal dialog, as above.
    void Raccourci(Qt::Key touche) {
        Gestes::Activer(&m_fenetre);
        QTest::keyClick(&m_fenetre, touche, Qt::ControlModifier);
    }
    void RaccourciModal(Qt::Key touche, const std::function<void(QDialog*)>& gestes) {
        Gestes::Modal([&] { Raccourci(touche); }, gestes);
    }
    // "&Open..." of the house example.
    void OuvrirMaison();
    // Shows the window, at the screen's corner in that size if one is given.
    void Montrer(QSize taille = {});
};

std::vector<unsigned char> LireOctets(const std::string& chemin);
// Keeps a screenshot among the test program's artefacts.
void GarderImage(const QImage& image, const char* szNom);
// The pixels of a widget as shown that meet the test.
int CompterPixels(QWidget* pWidget, const std::function<bool(QRgb)>& critere);

// A mouse event in the view, no key held; a drag with one button held; the
// wheel turned by an angle.
void Souris(QWidget* pVue, QEvent::Type type, QPoint p, Qt::MouseButton bouton);
void Glisser(QWidget* pVue, Qt::MouseButton bouton, QPoint de, QPoint a);
void Molette(QWidget* pVue, QPoint p, int nAngle);
// The house, farther and turned to show two facades, in the middle of a
// 1024 x 720 main window's view.
void VueDeTroisQuarts(QWidget* pVue);
