#pragma once

#include "platform/Interaction.h"

#include <deque>
#include <string>
#include <vector>

// Test double of the interaction seam: answers come from queues that the
// test fills; every message and file request is recorded. An empty answer
// queue gives the safe answer (No, Cancel, or no file).
class CInteractionScriptee : public CInteraction {
public:
    struct CMessage {
        std::string strTexte;
        std::string strTitre;
        EIcone icone;
        EBoutons boutons;
    };

    std::deque<EReponse> m_reponses;
    std::deque<std::optional<std::string>> m_fichiers;

    std::vector<CMessage> m_messages;
    std::vector<CChoixFichier> m_choixFichiers;
    int m_nRedessins = 0;
    std::vector<EFenetre> m_fenetresFermees;

    EReponse Message(const std::string& strTexte, const std::string& strTitre, EIcone icone,
                     EBoutons boutons) override;
    std::optional<std::string> ChoisirFichierEnregistrement(const CChoixFichier& choix) override;
    std::optional<std::string> ChoisirFichierOuverture(const CChoixFichier& choix) override;
    void RedessinerVues() override { ++m_nRedessins; }
    void FermerFenetre(EFenetre f) override { m_fenetresFermees.push_back(f); }

private:
    std::optional<std::string> ProchainFichier(const CChoixFichier& choix);
};
