#include "app/CommandesEtude.h"

#include "app/MainFrame.h"
#include "document/Commandes.h"
#include "document/VantrelDoc.h"
#include "ui/DialogueCalculsPratiques.h"
#include "ui/DialogueConfigurationGeographique.h"
#include "ui/DialogueInformationsSolaires.h"
#include "ui/DialogueOptionsCalcul.h"
#include "ui/DialogueProblemeInverse.h"
#include "ui/InteractionQt.h"

CCommandesEtude::CCommandesEtude(CMainFrame& fenetre, CVantrelDoc& doc, CInteractionQt& interaction)
    : QObject(&fenetre), m_fenetre(fenetre), m_doc(doc), m_interaction(interaction) {}

void CCommandesEtude::Brancher(Gestionnaires& gestionnaires) {
    gestionnaires[ID_OPTIONS_CALCUL] = [this] { OptionsCalcul(); };
    BrancherOutilsModaux(gestionnaires);
}

void CCommandesEtude::FermerFenetre(EFenetre) {}

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
