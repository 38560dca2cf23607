#pragma once

#include "ui/Dialogue.h"
#include "view/ParametresAffichage.h"

#include <memory>

namespace Ui {
class ParametresAffichage;
}

// "View parameters": the pages "General", "Grid" and "Sun". A page's fields
// are filled from the stored values when it is first shown and checked by
// the core when the user leaves it; OK stores the pages shown.
class CFeuilleParametresAffichage : public CDialogueVantrel {
    Q_OBJECT
public:
    CFeuilleParametresAffichage(CParametresAffichage& parametres, CInteraction& interaction,
                                QWidget* pParent = nullptr);
    ~CFeuilleParametresAffichage() override;

protected:
    bool eventFilter(QObject* pObjet, QEvent* pEvenement) override;

private:
    using EPage = CFeuilleParametres::EPage;

    void Montrer(EPage page);
    // The page's fields into its buffers; a title character the file cannot
    // hold is refused here.
    CResultatValidation Lire(EPage page);
    void PageChangee(int nPage);
    // Back to the page of the refused field, then the message and the focus.
    void Refuser(const CRefus& refus);
    void Valider();

    CFeuilleParametres m_feuille;
    std::unique_ptr<Ui::ParametresAffichage> m_ui;
    int m_nPage = 0;
    bool m_bRetour = false; // the page is being put back after a refusal
};
