#pragma once

#include "solar/PositionSoleil.h"
#include "ui/Dialogue.h"

#include <memory>

class CVantrelDoc;
class QTimer;
namespace Ui {
class PositionSoleil;
}

// The modeless "Sun position" window: the date and time of the document's
// sun, its steps and animation, and the whole-degree nudges of its azimuth
// and altitude. Every move recomputes the lighting that follows the sun and
// redraws the views. However it is closed (its button, its close box,
// Escape), the document closes it, so its state goes with the window.
class CFenetrePositionSoleil : public CDialogueVantrel {
    Q_OBJECT
public:
    // tampon: the controls as the document's opening gave them.
    CFenetrePositionSoleil(CVantrelDoc& doc, CInteraction& interaction,
                           const CTamponPositionSoleil& tampon, QWidget* pParent = nullptr);
    ~CFenetrePositionSoleil() override;

    // The animation timer (period from the options' cadence) and its tick,
    // the action of ">".
    QTimer* Animation() const { return m_pAnimation; }
    void Tic();

    void reject() override;

signals:
    // The sun has moved and the lighting that follows it is up to date.
    void SoleilDeplace();

private:
    bool Lire();
    void Montrer(const CTamponPositionSoleil& t);
    // Common end of every move: the lighting follows, the fields and the
    // views show the new sun.
    void Actualiser();
    // Reads the fields, then moves the sun with `action` unless refused.
    void Agir(void (CPositionSoleil::*action)());
    void Animer(bool bEnfonce);

    CVantrelDoc& m_doc;
    CPositionSoleil& m_soleil;
    std::unique_ptr<Ui::PositionSoleil> m_ui;
    QTimer* m_pAnimation = nullptr;
};
