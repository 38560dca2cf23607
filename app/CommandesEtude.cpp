#include "app/CommandesEtude.h"

#include "app/MainFrame.h"
#include "document/Commandes.h"
#include "document/VantrelDoc.h"
#include "ui/DialogueOptionsCalcul.h"
#include "ui/InteractionQt.h"

CCommandesEtude::CCommandesEtude(CMainFrame& fenetre, CVantrelDoc& doc, CInteractionQt& interaction)
    : QObject(&fenetre), m_fenetre(fenetre), m_doc(doc), m_interaction(interaction) {}

void CCommandesEtude::Brancher(Gestionnaires& gestionnaires) {
    gestionnaires[ID_OPTIONS_CALCUL] = [this] { OptionsCalcul(); };
}

void CCommandesEtude::FermerFenetre(EFenetre) {}

void CCommandesEtude::OptionsCalcul() {
    CDialogueOptionsCalcul dialogue(m_doc.m_optionsCalcul, m_interaction, &m_fenetre);
    m_doc.TerminerDialogueModal(dialogue.exec() == QDialog::Accepted);
}
