#include "app/CommandesModelisation.h"

#include "app/MainFrame.h"
#include "document/Commandes.h"
#include "document/VantrelDoc.h"
#include "ui/DialogueOuvertures.h"
#include "ui/DialogueProprietes.h"
#include "ui/DialoguesFaces.h"
#include "ui/DialoguesGeneration.h"
#include "ui/FenetrePointsPrincipaux.h"
#include "ui/FenetreTransformations.h"
#include "ui/FeuilleParametresAffichage.h"
#include "ui/InteractionQt.h"
#include "ui/VantrelView.h"

CCommandesModelisation::CCommandesModelisation(CMainFrame& fenetre, CVantrelDoc& doc,
                                               CInteractionQt& interaction)
    : QObject(&fenetre), m_fenetre(fenetre), m_doc(doc), m_interaction(interaction) {
    m_fenetre.Vue()->Editeurs().FixerFenetres(this);
}

void CCommandesModelisation::Brancher(Gestionnaires& gestionnaires) {
    BrancherEditeurs(gestionnaires);
    BrancherDialoguesModaux(gestionnaires);
}

void CCommandesModelisation::FermerFenetre(EFenetre fenetre) {
    // Called from inside the window's own handlers too: it goes once they
    // have returned.
    auto fermer = [](auto& pFenetre, std::optional<QPoint>& position) {
        if (pFenetre) {
            position = pFenetre->pos();
            pFenetre->hide();
            pFenetre->deleteLater();
            pFenetre = nullptr;
        }
    };
    if (fenetre == EFenetre::PointsPrincipaux) {
        fermer(m_pPointsPrincipaux, m_positionPointsPrincipaux);
    } else if (fenetre == EFenetre::Transformations) {
        fermer(m_pTransformations, m_positionTransformations);
    }
}

// ----- The modeless editors and the view parameters

void CCommandesModelisation::BrancherEditeurs(Gestionnaires& gestionnaires) {
    gestionnaires[ID_PARAMETRES_AFFICHAGE] = [this] { ParametresAffichage(); };
    gestionnaires[ID_POINTS_PRINCIPAUX] = [this] { BasculerPointsPrincipaux(); };
    gestionnaires[ID_TRANSFORMATIONS] = [this] { BasculerTransformations(); };
    gestionnaires[ID_ANNULER] = [this] { m_doc.Annuler(); };
    gestionnaires[ID_RETABLIR] = [this] { m_doc.Retablir(); };
}

QDialog* CCommandesModelisation::Fenetre(EFenetre fenetre) const {
    switch (fenetre) {
    case EFenetre::PointsPrincipaux:
        return m_pPointsPrincipaux;
    case EFenetre::Transformations:
        return m_pTransformations;
    default:
        return nullptr;
    }
}

void CCommandesModelisation::ParametresAffichage() {
    CFeuilleParametresAffichage feuille(m_doc.m_parametresAffichage, m_interaction, &m_fenetre);
    m_doc.TerminerDialogueModal(feuille.exec() == QDialog::Accepted);
}

void CCommandesModelisation::Montrer(QDialog* pFenetre, const std::optional<QPoint>& position) {
    if (position) {
        pFenetre->move(*position);
    }
    pFenetre->show();
    pFenetre->raise();
    pFenetre->activateWindow();
}

void CCommandesModelisation::BasculerPointsPrincipaux() {
    if (m_doc.m_bPointsPrincipauxOuverts) {
        ::FermerPointsPrincipaux(m_doc, *m_doc.Face(-1));
    } else {
        OuvrirPointsPrincipaux();
    }
}

void CCommandesModelisation::OuvrirPointsPrincipaux() {
    FermerFenetre(EFenetre::PointsPrincipaux);
    m_pPointsPrincipaux = new CFenetrePointsPrincipaux(m_doc, m_interaction, &m_fenetre);
    m_pPointsPrincipaux->Ouvrir();
    Montrer(m_pPointsPrincipaux, m_positionPointsPrincipaux);
}

void CCommandesModelisation::PlacerPoint(const CVecteur& point) {
    if (m_pPointsPrincipaux) {
        m_pPointsPrincipaux->PlacerPoint(point);
    }
}

void CCommandesModelisation::BasculerTransformations() {
    if (m_doc.m_bTransformationsOuvertes) {
        m_doc.m_transformations.Fermer();
    } else {
        OuvrirTransformations();
    }
}

void CCommandesModelisation::OuvrirTransformations() {
    FermerFenetre(EFenetre::Transformations);
    m_pTransformations = new CFenetreTransformations(m_doc, m_interaction, &m_fenetre);
    m_pTransformations->Ouvrir();
    Montrer(m_pTransformations, m_positionTransformations);
}

void CCommandesModelisation::PointChoisi(const CVecteur& point) {
    if (m_pTransformations) {
        m_pTransformations->PointChoisi(point);
    }
}

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
    gestionnaires[ID_IMPORTER_MODELE] = [this] { ImporterModele(); };
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
    CSelectionMultiple::CTampon choix = selection.Ouvrir();
    CDialogueSelectionMultiple dialogue(choix, m_interaction, &m_fenetre);
    // Whatever closed it: cancelled, the list holds no face to copy to.
    if (dialogue.exec() == QDialog::Accepted) {
        selection.Valider(choix);
    }
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
