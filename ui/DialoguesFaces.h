#pragma once

#include "modelling/SelectionMultiple.h"
#include "ui/Dialogue.h"

#include <memory>
#include <string>
#include <vector>

class QListWidget;
class CInsertionFace;
class CInversionFace;
class CSelectionFace;
namespace Ui {
class InsertionFace;
class InversionFace;
class SelectionFace;
class SelectionMultiple;
} // namespace Ui

// "Face insertion": on "Insert" the core puts a new face at the selected
// position.
class CDialogueInsertionFace : public CDialogueVantrel {
    Q_OBJECT
public:
    CDialogueInsertionFace(CInsertionFace& insertion, CInteraction& interaction,
                           QWidget* pParent = nullptr);
    ~CDialogueInsertionFace() override;

private:
    void Inserer();

    CInsertionFace& m_insertion;
    std::unique_ptr<Ui::InsertionFace> m_ui;
};

// "Face selection": the chosen face becomes the selected one.
class CDialogueSelectionFace : public CDialogueVantrel {
    Q_OBJECT
public:
    CDialogueSelectionFace(CSelectionFace& selection, CInteraction& interaction,
                           QWidget* pParent = nullptr);
    ~CDialogueSelectionFace() override;

private:
    void Selectionner();

    CSelectionFace& m_selection;
    std::unique_ptr<Ui::SelectionFace> m_ui;
};

// "Face inversion": the chosen face and the selected one exchange places.
class CDialogueInversionFace : public CDialogueVantrel {
    Q_OBJECT
public:
    CDialogueInversionFace(CInversionFace& inversion, CInteraction& interaction,
                           QWidget* pParent = nullptr);
    ~CDialogueInversionFace() override;

private:
    void Inverser();

    CInversionFace& m_inversion;
    std::unique_ptr<Ui::InversionFace> m_ui;
};

// "Multiple selection": every click toggles an entry; "Validate" leaves the
// choice in the buffer for the caller to hand to the core, "Cancel" leaves
// the buffer as it came.
class CDialogueSelectionMultiple : public CDialogueVantrel {
    Q_OBJECT
public:
    CDialogueSelectionMultiple(CSelectionMultiple::CTampon& tampon, CInteraction& interaction,
                               QWidget* pParent = nullptr);
    ~CDialogueSelectionMultiple() override;

private:
    void Valider();

    CSelectionMultiple::CTampon& m_tampon;
    std::unique_ptr<Ui::SelectionMultiple> m_ui;
};

// The lists of "every face but the selected one" (multiple selection,
// openings): one entry per label, with its selection.
void RemplirListe(QListWidget* pListe, const std::vector<std::string>& libelles,
                  const std::vector<bool>& selection);
std::vector<bool> SelectionListe(const QListWidget* pListe);
