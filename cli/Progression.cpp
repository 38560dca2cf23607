#include "cli/Progression.h"

#include <algorithm>

#include <unistd.h>

namespace {

constexpr std::chrono::milliseconds kDelai{1000};
constexpr std::chrono::milliseconds kPeriode{200};

} // namespace

CProgression::CProgression(std::string strLibelle, int nEtapes)
    : CProgression(std::move(strLibelle), nEtapes, stderr, ::isatty(STDERR_FILENO) == 1, kDelai) {}

CProgression::CProgression(std::string strLibelle, int nEtapes, std::FILE* pFlux, bool bTerminal,
                           std::chrono::milliseconds delai)
    : m_strLibelle(std::move(strLibelle)), m_nEtapes(nEtapes), m_pFlux(pFlux), m_bActive(bTerminal),
      m_delai(delai) {
    if (m_bActive) {
        m_veilleur = std::thread([this] { Veiller(); });
    }
}

CProgression::~CProgression() {
    if (!m_bActive) {
        return;
    }
    {
        std::lock_guard<std::mutex> verrou(m_verrou);
        m_bFini = true;
    }
    m_fin.notify_one();
    m_veilleur.join();
    // Work that lasted the delay shows where it ended before the line goes.
    if (std::chrono::steady_clock::now() - m_debut >= m_delai) {
        Dessiner();
    }
    if (m_nLargeur > 0) {
        std::fprintf(m_pFlux, "\r%s\r", std::string(m_nLargeur, ' ').c_str());
        std::fflush(m_pFlux);
    }
}

void CProgression::Veiller() {
    std::unique_lock<std::mutex> verrou(m_verrou);
    if (m_fin.wait_for(verrou, m_delai, [this] { return m_bFini; })) {
        return;
    }
    do {
        Dessiner();
    } while (!m_fin.wait_for(verrou, kPeriode, [this] { return m_bFini; }));
}

void CProgression::Dessiner() {
    char ligne[160];
    if (m_nEtapes > 0) {
        const int nPourcent = std::min(m_nFaites.load(), m_nEtapes) * 100 / m_nEtapes;
        std::snprintf(ligne, sizeof ligne, "%s: %3d %%", m_strLibelle.c_str(), nPourcent);
    } else {
        const auto secondes = std::chrono::duration_cast<std::chrono::seconds>(
            std::chrono::steady_clock::now() - m_debut);
        std::snprintf(ligne, sizeof ligne, "%s: %lld s", m_strLibelle.c_str(),
                      static_cast<long long>(secondes.count()));
    }
    const std::string texte = ligne;
    // Blanks wipe what a longer line left.
    const std::size_t nAncienne = m_nLargeur;
    m_nLargeur = std::max(nAncienne, texte.size());
    std::fprintf(m_pFlux, "\r%s%s", texte.c_str(),
                 std::string(m_nLargeur - texte.size(), ' ').c_str());
    std::fflush(m_pFlux);
}
