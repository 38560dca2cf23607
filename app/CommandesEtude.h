#pragma once

#include "platform/Interaction.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <map>

class CDialogueBilanJournalier;
class CFenetreEclairement;
class CFenetrePositionSoleil;
class CInteractionQt;
class CMainFrame;
class CVantrelDoc;

using Gestionnaires = std::map<int, std::function<void()>>;

// The commands of a study: the site, the options, the sun and its windows,
// the lighting, the day report and the solar tools. Owned by the main window,
// which also owns the modeless windows they open.
class CCommandesEtude : public QObject {
    Q_OBJECT
public:
    CCommandesEtude(CMainFrame& fenetre, CVantrelDoc& doc, CInteractionQt& interaction);

    // The commands carried out here, by identifier.
    void Brancher(Gestionnaires& gestionnaires);
    // The document has closed one of these windows: its widget goes.
    void FermerFenetre(EFenetre fenetre);

    // The modeless windows while they are open (null otherwise).
    CFenetrePositionSoleil* FenetrePositionSoleil() const;
    CFenetreEclairement* FenetreEclairement() const;

private:
    void OptionsCalcul();

    // The modal study tools: the site, and the solar tools that only compute.
    void BrancherOutilsModaux(Gestionnaires& gestionnaires);
    void ConfigurationGeographique();
    void InformationsSolaires();
    void ProblemeInverse();
    void CalculsPratiques();
    // ----- The sun, the lighting and the day report
    void BrancherSoleilEclairement(Gestionnaires& gestionnaires);
    void PositionSoleil();
    void Eclairement();
    void BilanJournalier();
    void HeuresSoleil();
    // Runs a modal computation dialog on freshly built meshes.
    template <class TDialogue>
    void SurMaillages();
    // Places a tool window at the top right of the view, below `pAuDessus`
    // when given.
    void Placer(QWidget* pOutil, const QWidget* pAuDessus) const;

    CMainFrame& m_fenetre;
    CVantrelDoc& m_doc;
    CInteractionQt& m_interaction;
    QPointer<CFenetrePositionSoleil> m_pPositionSoleil;
    QPointer<CFenetreEclairement> m_pEclairement;
};
