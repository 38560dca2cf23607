#pragma once

#include "ui/Dialogue.h"

#include <memory>

class CBilanJournalier;
class CDC;
class CVantrelDoc;
class QTimer;
namespace Ui {
class BilanJournalier;
}

// "Day report": the lighting of the receivers through a whole day, its
// chart, its three averages and the export of its samples. The meshes exist
// while it is open. "Compute" keeps the window alive: the pending events
// are handled after every sample, so the progress bar moves, the window
// repaints and "Close / Stop" (or Escape, or the close box) ends the
// computation after the current sample and closes the dialog.
class CDialogueBilanJournalier : public CDialogueVantrel {
    Q_OBJECT
public:
    CDialogueBilanJournalier(CVantrelDoc& doc, CInteraction& interaction,
                             QWidget* pParent = nullptr);
    ~CDialogueBilanJournalier() override;

    // The progress bar's timer (500 ms while computing) and its tick.
    QTimer* Minuterie() const { return m_pMinuterie; }
    void ActualiserProgression();

    void reject() override;

protected:
    void paintEvent(QPaintEvent* pEvenement) override;

private:
    void Calculer();
    void Exporter();
    void EnregistrerGraphique();
    void Dessiner(CDC* pDC) const;
    void MontrerMoyennes();
    void Activer(bool bActif);

    CVantrelDoc& m_doc;
    CBilanJournalier& m_bilan;
    std::unique_ptr<Ui::BilanJournalier> m_ui;
    QTimer* m_pMinuterie = nullptr;
};
