#include "app/CommandesEtude.h"

#include "app/MainFrame.h"
#include "document/Commandes.h"
#include "document/VantrelDoc.h"
#include "ui/DialogueBilanJournalier.h"
#include "ui/DialogueCalculsPratiques.h"
#include "ui/DialogueConfigurationGeographique.h"
#include "ui/DialogueHeuresSoleil.h"
#include "ui/DialogueInformationsSolaires.h"
#include "ui/DialogueOptionsCalcul.h"
#include "ui/DialogueProblemeInverse.h"
#include "ui/FenetreEclairement.h"
#include "ui/FenetreGenerationMaillage.h"
#include "ui/FenetrePositionSoleil.h"
#include "ui/InteractionQt.h"
#include "ui/VantrelView.h"

#include <QScreen>

CCommandesEtude::CCommandesEtude(CMainFrame& fenetre, CVantrelDoc& doc, CInteractionQt& interaction)
    : QObject(&fenetre), m_fenetre(fenetre), m_doc(doc), m_interaction(interaction) {}

void CCommandesEtude::Brancher(Gestionnaires& gestionnaires) {
    gestionnaires[ID_OPTIONS_CALCUL] = [this] { OptionsCalcul(); };
    BrancherOutilsModaux(gestionnaires);
    BrancherSoleilEclairement(gestionnaires);
}

void CCommandesEtude::OptionsCalcul() {
    CDialogueOptionsCalcul dialogue(m_doc.m_optionsCalcul, m_interaction, &m_fenetre);
    m_doc.TerminerDialogueModal(dialogue.exec() == QDialog::Accepted);
}

// ----- Modal study tools

void CCommandesEtude::BrancherOutilsModaux(Gestionnaires& gestionnaires) {
    gestionnaires[ID_CONFIGURATION_GEOGRAPHIQUE] = [this] { ConfigurationGeographique(); };
    gestionnaires[ID_INFORMATIONS_SOLAIRES] = [this] { InformationsSolaires(); };
    gestionnaires[ID_PROBLEME_INVERSE] = [this] { ProblemeInverse(); };
    gestionnaires[ID_CALCULS_PRATIQUES] = [this] { CalculsPratiques(); };
}

void CCommandesEtude::ConfigurationGeographique() {
    CDialogueConfigurationGeographique dialogue(m_doc.m_configurationGeographique, m_interaction,
                                                &m_fenetre);
    m_doc.TerminerDialogueModal(dialogue.exec() == QDialog::Accepted);
}

// The solar tools compute without changing the scene: the document stays
// unmodified and the view as it was.
void CCommandesEtude::InformationsSolaires() {
    CDialogueInformationsSolaires dialogue(m_doc.m_informationsSolaires, m_interaction, &m_fenetre);
    dialogue.exec();
}

void CCommandesEtude::ProblemeInverse() {
    CDialogueProblemeInverse dialogue(m_doc.m_problemeInverse, m_interaction, &m_fenetre);
    dialogue.exec();
}

void CCommandesEtude::CalculsPratiques() {
    CDialogueCalculsPratiques dialogue(m_doc.m_calculsPratiques, m_interaction, &m_fenetre);
    dialogue.exec();
}

// ----- The sun, the lighting and the day report

void CCommandesEtude::BrancherSoleilEclairement(Gestionnaires& gestionnaires) {
    gestionnaires[ID_POSITION_SOLEIL] = [this] { PositionSoleil(); };
    gestionnaires[ID_ECLAIREMENT] = [this] { Eclairement(); };
    gestionnaires[ID_BILAN_JOURNALIER] = [this] { BilanJournalier(); };
    gestionnaires[ID_HEURES_SOLEIL] = [this] { HeuresSoleil(); };
}

CFenetrePositionSoleil* CCommandesEtude::FenetrePositionSoleil() const {
    return m_pPositionSoleil;
}

CFenetreEclairement* CCommandesEtude::FenetreEclairement() const {
    return m_pEclairement;
}

void CCommandesEtude::FermerFenetre(EFenetre fenetre) {
    QPointer<QDialog> pFenetre;
    switch (fenetre) {
    case EFenetre::PositionSoleil:
        pFenetre = m_pPositionSoleil.data();
        m_pPositionSoleil.clear();
        break;
    case EFenetre::Eclairement:
        pFenetre = m_pEclairement.data();
        m_pEclairement.clear();
        break;
    default:
        break;
    }
    if (pFenetre) {
        // Its own button may be what closes it: it goes once that is over.
        pFenetre->hide();
        pFenetre->deleteLater();
    }
}

void CCommandesEtude::Placer(QWidget* pOutil, const QWidget* pAuDessus) const {
    // Beside the main window when the screen leaves room, else over the
    // right edge of the view.
    pOutil->adjustSize();
    const CVantrelView* pVue = m_fenetre.Vue();
    QPoint coin(m_fenetre.frameGeometry().right() + 8, pVue->mapToGlobal(QPoint(0, 0)).y());
    const QScreen* pEcran = m_fenetre.screen();
    if (pEcran == nullptr || coin.x() + pOutil->width() > pEcran->availableGeometry().right()) {
        coin = pVue->mapToGlobal(QPoint(pVue->width() - pOutil->width() - 12, 12));
    }
    if (pAuDessus != nullptr) {
        coin.setY(pAuDessus->frameGeometry().bottom() + 12);
    }
    pOutil->move(coin);
}

void CCommandesEtude::PositionSoleil() {
    if (m_doc.m_bPositionSoleilOuverte) {
        m_doc.FermerPositionSoleil();
        return;
    }
    const CTamponPositionSoleil tampon = m_doc.OuvrirPositionSoleil();
    m_pPositionSoleil = new CFenetrePositionSoleil(m_doc, m_interaction, tampon, &m_fenetre);
    connect(m_pPositionSoleil, &CFenetrePositionSoleil::SoleilDeplace, this, [this] {
        if (m_pEclairement) {
            m_pEclairement->Montrer();
        }
    });
    Placer(m_pPositionSoleil, nullptr);
    m_pPositionSoleil->show();
}

void CCommandesEtude::Eclairement() {
    if (m_doc.m_bEclairementOuvert) {
        m_doc.FermerEclairement();
        return;
    }
    if (!GenererSousFenetre(&m_fenetre, [this] { return m_doc.BasculerEclairement(); })) {
        return;
    }
    m_pEclairement = new CFenetreEclairement(m_doc, m_interaction, &m_fenetre);
    Placer(m_pEclairement, m_pPositionSoleil);
    m_pEclairement->show();
}

// The meshes live while the dialog is open. The hours that "Sun hours"
// computed stay in the view, with their own copy of the node positions,
// until the scene changes or the sun window opens.
template <class TDialogue>
void CCommandesEtude::SurMaillages() {
    if (!GenererSousFenetre(&m_fenetre, [this] { return m_doc.GenererMaillages(); })) {
        return;
    }
    {
        TDialogue dialogue(m_doc, m_interaction, &m_fenetre);
        dialogue.exec();
    }
    m_doc.DetruireMaillages();
    m_doc.RedessinerVues();
}

void CCommandesEtude::BilanJournalier() {
    SurMaillages<CDialogueBilanJournalier>();
}

void CCommandesEtude::HeuresSoleil() {
    SurMaillages<CDialogueHeuresSoleil>();
}
