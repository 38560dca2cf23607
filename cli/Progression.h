#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <string>
#include <thread>

// A progress line on standard error for long work: drawn only on a terminal,
// once the work has lasted a second, redrawn in place, and erased at the end
// so that nothing of it stays among the command's messages. Standard output
// is never touched.
class CProgression {
public:
    // nEtapes is the number of Avancer() calls the work makes, or 0 when it
    // cannot be counted: the line then shows the seconds elapsed.
    explicit CProgression(std::string strLibelle, int nEtapes = 0);
    // The same on a given stream, with a given delay before the line shows.
    CProgression(std::string strLibelle, int nEtapes, std::FILE* pFlux, bool bTerminal,
                 std::chrono::milliseconds delai);
    ~CProgression();
    CProgression(const CProgression&) = delete;
    CProgression& operator=(const CProgression&) = delete;

    // One step done; may be called from any thread.
    void Avancer() { ++m_nFaites; }

private:
    void Veiller();
    void Dessiner();

    const std::string m_strLibelle;
    const int m_nEtapes;
    std::FILE* const m_pFlux;
    const bool m_bActive;
    const std::chrono::milliseconds m_delai;
    const std::chrono::steady_clock::time_point m_debut = std::chrono::steady_clock::now();
    std::atomic<int> m_nFaites{0};
    std::size_t m_nLargeur = 0; // of the line on screen, 0 when none
    std::mutex m_verrou;
    std::condition_variable m_fin;
    bool m_bFini = false;
    std::thread m_veilleur;
};
