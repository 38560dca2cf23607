#pragma once

#include "ui/Dialogue.h"

#include <memory>

class COptionsCalcul;
namespace Ui {
class OptionsCalcul;
}

// "Computation options": the form's fields hold the core's buffers; on
// "Validate" the options check and store them.
class CDialogueOptionsCalcul : public CDialogueVantrel {
    Q_OBJECT
public:
    CDialogueOptionsCalcul(COptionsCalcul& options, CInteraction& interaction,
                           QWidget* pParent = nullptr);
    ~CDialogueOptionsCalcul() override;

private:
    void Valider();

    COptionsCalcul& m_options;
    std::unique_ptr<Ui::OptionsCalcul> m_ui;
};
