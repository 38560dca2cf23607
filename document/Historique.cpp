#include "document/Historique.h"

#include <utility>

void CHistorique::Reinitialiser(std::vector<std::uint8_t> octets, int nSelection) {
    octets.shrink_to_fit();
    m_nOctets = octets.size();
    m_etats.clear();
    m_etats.push_back(CEtat{std::move(octets), nSelection, nSelection});
    m_nCourant = 0;
    m_nEnregistre = 0;
}

bool CHistorique::Memoriser(std::vector<std::uint8_t> octets, int nSelection, int nSelectionAvant) {
    if (octets == m_etats[m_nCourant].octets) {
        return false;
    }
    while (PeutRetablir()) {
        m_nOctets -= m_etats.back().octets.size();
        m_etats.pop_back();
    }
    if (m_nEnregistre > static_cast<std::ptrdiff_t>(m_nCourant)) {
        m_nEnregistre = -1; // it was among the steps undone
    }
    // The writer's buffer grows by doubling: only the bytes count.
    octets.shrink_to_fit();
    m_nOctets += octets.size();
    m_etats.push_back(CEtat{std::move(octets), nSelection, nSelectionAvant});
    m_nCourant = m_etats.size() - 1;
    Limiter();
    return true;
}

void CHistorique::Limiter() {
    while (m_etats.size() > 2 && (m_etats.size() > m_nEtatsMax || m_nOctets > m_nOctetsMax)) {
        m_nOctets -= m_etats.front().octets.size();
        m_etats.pop_front();
        --m_nCourant;
        m_nEnregistre = m_nEnregistre > 0 ? m_nEnregistre - 1 : -1;
    }
}

std::optional<int> CHistorique::Annuler() {
    if (!PeutAnnuler()) {
        return std::nullopt;
    }
    // Back where the user stood before the command.
    const int nSelection = m_etats[m_nCourant].nSelectionAvant;
    --m_nCourant;
    return nSelection;
}

std::optional<int> CHistorique::Retablir() {
    if (!PeutRetablir()) {
        return std::nullopt;
    }
    ++m_nCourant;
    return m_etats[m_nCourant].nSelection;
}
