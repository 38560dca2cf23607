#include "platform/InteractionScriptee.h"

EReponse CInteractionScriptee::Message(const std::string& strTexte, const std::string& strTitre,
                                       EIcone icone, EBoutons boutons) {
    m_messages.push_back({strTexte, strTitre, icone, boutons});
    if (m_reponses.empty()) {
        switch (boutons) {
        case EBoutons::Ok:
            return EReponse::Ok;
        case EBoutons::OuiNon:
            return EReponse::Non;
        case EBoutons::OkAnnuler:
            return EReponse::Annuler;
        }
    }
    const EReponse r = m_reponses.front();
    m_reponses.pop_front();
    return r;
}

std::optional<std::string> CInteractionScriptee::ProchainFichier(const CChoixFichier& choix) {
    m_choixFichiers.push_back(choix);
    if (m_fichiers.empty()) {
        return std::nullopt;
    }
    auto f = m_fichiers.front();
    m_fichiers.pop_front();
    return f;
}

std::optional<std::string>
CInteractionScriptee::ChoisirFichierEnregistrement(const CChoixFichier& choix) {
    return ProchainFichier(choix);
}

std::optional<std::string>
CInteractionScriptee::ChoisirFichierOuverture(const CChoixFichier& choix) {
    return ProchainFichier(choix);
}
