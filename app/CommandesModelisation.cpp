#include "app/CommandesModelisation.h"

#include "app/MainFrame.h"
#include "document/Commandes.h"
#include "document/VantrelDoc.h"
#include "ui/DialogueOuvertures.h"
#include "ui/DialogueProprietes.h"
#include "ui/DialoguesFaces.h"
#include "ui/DialoguesGeneration.h"
#include "ui/InteractionQt.h"

CCommandesModelisation::CCommandesModelisation(CMainFrame& fenetre, CVantrelDoc& doc,
                                               CInteractionQt& interaction)
    : QObject(&fenetre), m_fenetre(fenetre), m_doc(doc), m_interaction(interaction) {}

void CCommandesModelisation::Brancher(Gestionnaires& gestionnaires) {
    BrancherDialoguesModaux(gestionnaires);
}

void CCommandesModelisation::FermerFenetre(EFenetre) {}

// ----- Modal dialogs

void CCommandesModelisation::BrancherDialoguesModaux(Gestionnaires& gestionnaires) {
    gestionnaires[ID_SELECTIONNER_FACE] = [this] { SelectionnerFace(); };
    gestionnaires[ID_INSERER_FACE] = [this] { InsererFace(); };
    gestionnaires[ID_INSERER_PRISME] = [this] { InsererPrisme(); };
    gestionnaires[ID_INSERER_PARALLELEPIPEDE] = [this] { InsererParallelepipede(); };
    gestionnaires[ID_INVERSER_FACE] = [this] { InverserFace(); };
    gestionnaires[ID_PROPRIETES] = [this] { Proprietes(); };
    gestionnaires[ID_COPIER_PROPRIETES] = [this] { CopierProprietes(); };
    gestionnaires[ID_OUVERTURES] = [this] { Ouvertures(); };
    gestionnaires[ID_GEOMETRIE_FACE] = [this] { GeometrieFace(); };
}

void CCommandesModelisation::SelectionnerFace() {
    CDialogueSelectionFace dialogue(m_doc.m_selectionFace, m_interaction, &m_fenetre);
    dialogue.exec();
    // A new selection is not a change of the scene.
    m_doc.TerminerDialogueModal(false);
}

void CCommandesModelisation::InsererFace() {
    CDialogueInsertionFace dialogue(m_doc.m_insertionFace, m_interaction, &m_fenetre);
    m_doc.TerminerDialogueModal(dialogue.exec() == QDialog::Accepted);
}

void CCommandesModelisation::InsererPrisme() {
    CDialogueInsertionPrisme dialogue(m_doc.m_insertionPrisme, m_interaction, &m_fenetre);
    m_doc.TerminerDialogueModal(dialogue.exec() == QDialog::Accepted);
}

void CCommandesModelisation::InsererParallelepipede() {
    CDialogueInsertionParallelepipede dialogue(m_doc.m_insertionParallelepipede, m_interaction,
                                               &m_fenetre);
    m_doc.TerminerDialogueModal(dialogue.exec() == QDialog::Accepted);
}

void CCommandesModelisation::InverserFace() {
    CDialogueInversionFace dialogue(m_doc.m_inversionFace, m_interaction, &m_fenetre);
    m_doc.TerminerDialogueModal(dialogue.exec() == QDialog::Accepted);
}

void CCommandesModelisation::Proprietes() {
    CDialogueProprietes dialogue(m_doc, m_doc.Face(-1)->m_proprietes, m_interaction, &m_fenetre);
    m_doc.TerminerDialogueModal(dialogue.exec() == QDialog::Accepted);
}

void CCommandesModelisation::CopierProprietes() {
    CSelectionMultiple& selection = m_doc.m_selectionMultiple;
    PreparerCopieProprietes(selection);
    CDialogueSelectionMultiple dialogue(selection, m_interaction, &m_fenetre);
    // Whatever closed it: cancelled, the list holds no face to copy to.
    dialogue.exec();
    TerminerCopieProprietes(m_doc, selection);
}

void CCommandesModelisation::Ouvertures() {
    CDialogueOuvertures dialogue(m_doc.Face(-1)->m_ouvertures, m_interaction, &m_fenetre);
    m_doc.TerminerDialogueModal(dialogue.exec() == QDialog::Accepted);
}

void CCommandesModelisation::GeometrieFace() {
    // A report: no change, no redraw.
    CDialogueGeometrieFace dialogue(m_doc.m_geometrieFace,
                                    m_doc.m_configurationGeographique.m_dDirectionNord,
                                    m_interaction, &m_fenetre);
    dialogue.exec();
}
