#pragma once

#include "ui/Dialogue.h"

#include <memory>

class CProblemeInverse;
namespace Ui {
class ProblemeInverse;
}

// "Reversed problem": "Compute" hands the position cone to the core, which
// checks it and scans the 24 dates; the chart beside the cone shows the
// durations once computed.
class CDialogueProblemeInverse : public CDialogueVantrel {
    Q_OBJECT
public:
    CDialogueProblemeInverse(CProblemeInverse& probleme, CInteraction& interaction,
                             QWidget* pParent = nullptr);
    ~CDialogueProblemeInverse() override;

private:
    void Calculer();

    CProblemeInverse& m_probleme;
    std::unique_ptr<Ui::ProblemeInverse> m_ui;
};
