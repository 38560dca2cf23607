#pragma once

#include "ui/Dialogue.h"

#include <memory>

class CCalculsPratiques;
struct CTamponCalculsPratiques;
namespace Ui {
class CalculsPratiques;
}

// "Practical calculations": each group's "Compute" hands every field to the
// core, which checks them, computes that group's result and gives back what
// to show.
class CDialogueCalculsPratiques : public CDialogueVantrel {
    Q_OBJECT
public:
    CDialogueCalculsPratiques(CCalculsPratiques& calculs, CInteraction& interaction,
                              QWidget* pParent = nullptr);
    ~CDialogueCalculsPratiques() override;

private:
    CTamponCalculsPratiques Lire() const;
    void Montrer(const CTamponCalculsPratiques& tampon);
    void CalculerAuvent();
    void CalculerPanneaux();
    void SuivreFocus(QWidget* pFocus);

    CCalculsPratiques& m_calculs;
    std::unique_ptr<Ui::CalculsPratiques> m_ui;
    QMetaObject::Connection m_suiviFocus;
};
