#pragma once

#include "app/CommandesEtude.h"

// The commands that build and change the scene: faces, prisms, boxes,
// properties, openings, main points, transformations, view parameters.
// Owned by the main window, which also owns the modeless windows they open.
class CCommandesModelisation : public QObject {
    Q_OBJECT
public:
    CCommandesModelisation(CMainFrame& fenetre, CVantrelDoc& doc, CInteractionQt& interaction);

    // The commands carried out here, by identifier.
    void Brancher(Gestionnaires& gestionnaires);
    // The document has closed one of these windows: its widget goes.
    void FermerFenetre(EFenetre fenetre);

private:
    // The modal dialogs: faces, prisms, boxes, properties, openings and the
    // face geometry report.
    void BrancherDialoguesModaux(Gestionnaires& gestionnaires);
    void SelectionnerFace();
    void InsererFace();
    void InsererPrisme();
    void InsererParallelepipede();
    void InverserFace();
    void Proprietes();
    void CopierProprietes();
    void Ouvertures();
    void GeometrieFace();

    CMainFrame& m_fenetre;
    CVantrelDoc& m_doc;
    CInteractionQt& m_interaction;
};
