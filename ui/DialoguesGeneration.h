#pragma once

#include "ui/Dialogue.h"

#include <memory>

class CInsertionParallelepipede;
class CInsertionPrisme;
namespace Ui {
class InsertionParallelepipede;
class InsertionPrisme;
} // namespace Ui

// "Prism insertion": on "Insert" the core generates the lateral faces; a
// geometry it refuses keeps the dialog open without a word.
class CDialogueInsertionPrisme : public CDialogueVantrel {
    Q_OBJECT
public:
    CDialogueInsertionPrisme(CInsertionPrisme& insertion, CInteraction& interaction,
                             QWidget* pParent = nullptr);
    ~CDialogueInsertionPrisme() override;

private:
    void Inserer();

    CInsertionPrisme& m_insertion;
    std::unique_ptr<Ui::InsertionPrisme> m_ui;
};

// "Right parallelepiped insertion": the six faces of a box.
class CDialogueInsertionParallelepipede : public CDialogueVantrel {
    Q_OBJECT
public:
    CDialogueInsertionParallelepipede(CInsertionParallelepipede& insertion,
                                      CInteraction& interaction, QWidget* pParent = nullptr);
    ~CDialogueInsertionParallelepipede() override;

private:
    void Inserer();

    CInsertionParallelepipede& m_insertion;
    std::unique_ptr<Ui::InsertionParallelepipede> m_ui;
};
