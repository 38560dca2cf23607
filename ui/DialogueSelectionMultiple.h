#pragma once

#include "modelling/SelectionMultiple.h"
#include "ui/Dialogue.h"

#include <memory>

namespace Ui {
class SelectionMultiple;
}

// "Multiple selection": the prompt, and the list of the other faces in which
// each click toggles an entry. "Validate" leaves the selection in the buffer
// for the caller; "Cancel" leaves the buffer as it came.
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
