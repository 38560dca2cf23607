#pragma once

#include "ui/Dialogue.h"

#include <memory>

class COuvertures;
class CGeometrieFace;
class QButtonGroup;
namespace Ui {
class GeometrieFace;
class Ouvertures;
} // namespace Ui

// "Face openings" of the selected face: the other faces that open it, how
// they reduce its area, and the forcing of their transmittivity.
class CDialogueOuvertures : public CDialogueVantrel {
    Q_OBJECT
public:
    CDialogueOuvertures(COuvertures& ouvertures, CInteraction& interaction,
                        QWidget* pParent = nullptr);
    ~CDialogueOuvertures() override;

private:
    void Valider();

    COuvertures& m_ouvertures;
    std::unique_ptr<Ui::Ouvertures> m_ui;
    QButtonGroup* m_pModes;
    int m_nModeInitial = 0;
};

// "Face geometry": the report computed at opening; it changes nothing.
class CDialogueGeometrieFace : public CDialogueVantrel {
    Q_OBJECT
public:
    CDialogueGeometrieFace(CGeometrieFace& geometrie, double dDirectionNord,
                           CInteraction& interaction, QWidget* pParent = nullptr);
    ~CDialogueGeometrieFace() override;

private:
    std::unique_ptr<Ui::GeometrieFace> m_ui;
};
