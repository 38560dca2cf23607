#pragma once

#include "platform/Interaction.h"

#include <functional>
#include <optional>
#include <string>

class QWidget;

// The interaction seam over Qt: message boxes, file dialogs, and the redraw
// of the main window. Texts arrive in Windows-1252 and paths leave in the
// file system's encoding. The tests derive from it to script the answers.
class CInteractionQt : public CInteraction {
public:
    // The window the boxes are modal to (may be null before it exists).
    void FixerFenetre(QWidget* pFenetre) { m_pFenetre = pFenetre; }
    // What "redraw all views" does: the view repaints and the commands'
    // states follow the document.
    void FixerRedessin(std::function<void()> redessiner) { m_redessiner = std::move(redessiner); }
    // What the window layer does when the logic has closed a modeless window.
    void FixerFermeture(std::function<void(EFenetre)> fermer) { m_fermer = std::move(fermer); }

    EReponse Message(const std::string& strTexte, const std::string& strTitre, EIcone icone,
                     EBoutons boutons) override;
    // The question before a modified document is dropped: Yes (save it), No
    // (drop the changes) or Cancel (keep everything as it is).
    virtual EReponse DemanderEnregistrement(const std::string& strTexte,
                                            const std::string& strTitre);
    std::optional<std::string> ChoisirFichierEnregistrement(const CChoixFichier& choix) override;
    std::optional<std::string> ChoisirFichierOuverture(const CChoixFichier& choix) override;
    void RedessinerVues() override;
    void FermerFenetre(EFenetre fenetre) override {
        if (m_fermer) {
            m_fermer(fenetre);
        }
    }

protected:
    QWidget* Fenetre() const { return m_pFenetre; }

private:
    std::optional<std::string> ChoisirFichier(const CChoixFichier& choix, bool bEnregistrer);

    QWidget* m_pFenetre = nullptr;
    std::function<void()> m_redessiner;
    std::function<void(EFenetre)> m_fermer;
};
