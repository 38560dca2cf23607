#pragma once

#include "ui/Dialogue.h"

#include <memory>

class CHeuresSoleil;
class CVantrelDoc;
class QTimer;
namespace Ui {
class HeuresSoleil;
}

// "Sun hours": the date or the whole year and the threshold, then the hours
// of direct sun of every receiver node, shown in the view in false colour
// and summed up per receiver in the table; "Clear" takes them away. The meshes exist while it is
// open. As for the day report, the pending events are handled after every
// sample: the progress bar moves and "Close / Stop" (or Escape, or the close
// box) ends the computation after the current sample and closes the dialog.
class CDialogueHeuresSoleil : public CDialogueVantrel {
    Q_OBJECT
public:
    CDialogueHeuresSoleil(CVantrelDoc& doc, CInteraction& interaction, QWidget* pParent = nullptr);
    ~CDialogueHeuresSoleil() override;

    // The progress bar's timer (500 ms while computing) and its tick.
    QTimer* Minuterie() const { return m_pMinuterie; }
    void ActualiserProgression();

    void reject() override;

private:
    void Calculer();
    void MontrerRecepteurs();
    void Activer(bool bActif);

    CVantrelDoc& m_doc;
    CHeuresSoleil& m_heures;
    std::unique_ptr<Ui::HeuresSoleil> m_ui;
    QTimer* m_pMinuterie = nullptr;
};
