#pragma once

#include "platform/Interaction.h"

#include <QObject>

#include <functional>
#include <map>

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

private:
    void OptionsCalcul();

    // The modal study tools: the site, and the solar tools that only compute.
    void BrancherOutilsModaux(Gestionnaires& gestionnaires);
    void ConfigurationGeographique();
    void InformationsSolaires();
    void ProblemeInverse();
    void CalculsPratiques();

    CMainFrame& m_fenetre;
    CVantrelDoc& m_doc;
    CInteractionQt& m_interaction;
};
