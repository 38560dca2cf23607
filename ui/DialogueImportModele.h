#pragma once

#include "ui/Dialogue.h"

#include <memory>

class CImportModele;
namespace Ui {
class ImportModele;
}

// "Import a model": the model's name and polygon count, the scale and the
// Y-up option; on "Import" the core checks and keeps them.
class CDialogueImportModele : public CDialogueVantrel {
    Q_OBJECT
public:
    CDialogueImportModele(CImportModele& import, const QString& strModele, int nPolygones,
                          CInteraction& interaction, QWidget* pParent = nullptr);
    ~CDialogueImportModele() override;

private:
    void Valider();

    CImportModele& m_import;
    std::unique_ptr<Ui::ImportModele> m_ui;
};
