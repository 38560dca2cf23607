#pragma once

#include "document/Proprietes.h"
#include "lighting/CorrelationPhysique.h"
#include "ui/Dialogue.h"

#include <functional>
#include <memory>

class CVantrelDoc;
class QButtonGroup;
namespace Ui {
class CorrelationPhysique;
class Proprietes;
} // namespace Ui

// "Interpolation of the physical parameter": the mode and the six couples of
// a rate law. Who stores them on "Validate" is the caller's (the face
// properties hand them to the document, which marks itself modified).
class CDialogueCorrelation : public CDialogueVantrel {
    Q_OBJECT
public:
    using Validation = std::function<CResultatValidation(const CCorrelationPhysique::CTampon&)>;

    CDialogueCorrelation(const CCorrelationPhysique& correlation, Validation valider,
                         CInteraction& interaction, QWidget* pParent = nullptr);
    ~CDialogueCorrelation() override;

private:
    void Valider();

    Validation m_valider;
    std::unique_ptr<Ui::CorrelationPhysique> m_ui;
    QButtonGroup* m_pModes;
    int m_nModeInitial = 0;
};

// "Face properties" of one face, with the "Detail..." of its two rate laws.
class CDialogueProprietes : public CDialogueVantrel {
    Q_OBJECT
public:
    CDialogueProprietes(CVantrelDoc& doc, CProprietes& proprietes, CInteraction& interaction,
                        QWidget* pParent = nullptr);
    ~CDialogueProprietes() override;

private:
    void Detail(bool bTransmittivite);
    void Activer();
    void Valider();

    CVantrelDoc& m_doc;
    CProprietes& m_proprietes;
    CProprietes::CTampon m_tampon;
    std::unique_ptr<Ui::Proprietes> m_ui;
};
