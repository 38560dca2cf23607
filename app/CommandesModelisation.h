#pragma once

#include "app/CommandesEtude.h"
#include "modelling/ImportModele.h"
#include "view/Vue.h"

#include <QPoint>
#include <QPointer>

#include <optional>

class CFenetrePointsPrincipaux;
class CFenetreTransformations;
class QDialog;

// The commands that build and change the scene: faces, prisms, boxes,
// properties, openings, main points, transformations, view parameters.
// Owned by the main window, which also owns the modeless windows they open.
class CCommandesModelisation : public QObject, public CEditeursOuverts {
    Q_OBJECT
public:
    CCommandesModelisation(CMainFrame& fenetre, CVantrelDoc& doc, CInteractionQt& interaction);

    // The commands carried out here, by identifier.
    void Brancher(Gestionnaires& gestionnaires);
    // The document has closed one of these windows: its widget goes.
    void FermerFenetre(EFenetre fenetre);

    // ----- The modeless editors and the view parameters
    // The window shown for a modeless editor, or null.
    QDialog* Fenetre(EFenetre fenetre) const;
    // The view's click selection opens the editors again on the new face and
    // hands them the main points picked with the right button.
    void OuvrirPointsPrincipaux() override;
    void OuvrirTransformations() override;
    void PlacerPoint(const CVecteur& point) override;
    void PointChoisi(const CVecteur& point) override;

private:
    // ----- The modeless editors and the view parameters; Undo and Redo
    void BrancherEditeurs(Gestionnaires& gestionnaires);
    void ParametresAffichage();
    void BasculerPointsPrincipaux();
    void BasculerTransformations();
    // A window made for the editor shows where the previous one was.
    void Montrer(QDialog* pFenetre, const std::optional<QPoint>& position);
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
    // "Import a model..." (CommandesImport.cpp).
    void ImporterModele();

    CMainFrame& m_fenetre;
    CVantrelDoc& m_doc;
    CInteractionQt& m_interaction;

    QPointer<CFenetrePointsPrincipaux> m_pPointsPrincipaux;
    QPointer<CFenetreTransformations> m_pTransformations;
    std::optional<QPoint> m_positionPointsPrincipaux;
    std::optional<QPoint> m_positionTransformations;
    CImportModele m_importModele; // keeps its options for the whole run
};
