#pragma once

#include "ui/Dialogue.h"

#include <memory>

class CInformationsSolaires;
namespace Ui {
class InformationsSolaires;
}

// "Solar information": each date chosen in the list is scanned at once and
// its daylight duration and zenith point shown.
class CDialogueInformationsSolaires : public CDialogueVantrel {
    Q_OBJECT
public:
    CDialogueInformationsSolaires(CInformationsSolaires& informations, CInteraction& interaction,
                                  QWidget* pParent = nullptr);
    ~CDialogueInformationsSolaires() override;

private:
    void ChoisirDate(int nIndexDate);
    void Montrer();

    CInformationsSolaires& m_informations;
    std::unique_ptr<Ui::InformationsSolaires> m_ui;
};
