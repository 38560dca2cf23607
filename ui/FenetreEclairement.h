#pragma once

#include "ui/Dialogue.h"

#include <memory>

class CVantrelDoc;
namespace Ui {
class EclairementRecepteurs;
}

// The modeless "Receivers lighting" window: the scene's equivalent lighting
// and mean incidence for the current sun, computed on "Auto Compute" and,
// while it is pressed, after every move of the sun. The meshes it reads
// exist while it is open; closing it, whatever way, goes through the
// document, which releases them.
class CFenetreEclairement : public CDialogueVantrel {
    Q_OBJECT
public:
    CFenetreEclairement(CVantrelDoc& doc, CInteraction& interaction, QWidget* pParent = nullptr);
    ~CFenetreEclairement() override;

    // Shows the document's last results.
    void Montrer();

    void reject() override;

private:
    void ChoisirAutoCalcul(bool bAuto);

    CVantrelDoc& m_doc;
    std::unique_ptr<Ui::EclairementRecepteurs> m_ui;
};
