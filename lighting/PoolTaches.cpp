#include "lighting/PoolTaches.h"

#include <algorithm>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#endif

namespace {

constexpr int kAttenteActive = 4000; // about a tenth of a millisecond

void Pause() {
#if defined(__x86_64__) || defined(__i386__)
    _mm_pause();
#else
    std::this_thread::yield();
#endif
}

} // namespace

CPoolTaches::CPoolTaches(int nThreads) {
    if (nThreads <= 0) {
        nThreads = static_cast<int>(std::thread::hardware_concurrency());
    }
    for (int i = 1; i < nThreads; ++i) {
        m_threads.emplace_back([this] { Travailler(); });
    }
}

CPoolTaches::~CPoolTaches() {
    {
        std::lock_guard verrou(m_mutex);
        m_bArret = true;
    }
    m_cvTravail.notify_all();
    for (auto& t : m_threads) {
        t.join();
    }
}

void CPoolTaches::Prendre() {
    for (;;) {
        const int i = m_nSuivante.fetch_add(1);
        if (i >= m_nTaches) {
            return;
        }
        (*m_pTache)(i);
    }
}

void CPoolTaches::Travailler() {
    unsigned nVue = 0;
    for (;;) {
        // Tasks come in quick series (the phases of one sun): a worker that
        // waits a moment awake starts the next one without the
        // cost of being woken.
        for (int n = 0; n < kAttenteActive && m_nGeneration.load() == nVue && !m_bArret.load();
             ++n) {
            Pause();
        }
        {
            std::unique_lock verrou(m_mutex);
            m_cvTravail.wait(verrou, [&] { return m_bArret || m_nGeneration != nVue; });
            if (m_bArret) {
                return;
            }
            nVue = m_nGeneration;
            ++m_nActifs;
        }
        Prendre();
        {
            std::lock_guard verrou(m_mutex);
            --m_nActifs;
        }
        m_cvFin.notify_all();
    }
}

void CPoolTaches::Executer(int n, const std::function<void(int)>& f) {
    if (n <= 0) {
        return;
    }
    if (m_threads.empty() || n == 1) {
        for (int i = 0; i < n; ++i) {
            f(i);
        }
        return;
    }
    {
        // A worker that woke late for the previous task may still be leaving it.
        std::unique_lock verrou(m_mutex);
        m_cvFin.wait(verrou, [&] { return m_nActifs == 0; });
        m_pTache = &f;
        m_nTaches = n;
        m_nSuivante.store(0);
        ++m_nGeneration;
    }
    m_cvTravail.notify_all();
    Prendre();
    for (int n = 0; n < kAttenteActive && m_nActifs.load() != 0; ++n) {
        Pause();
    }
    std::unique_lock verrou(m_mutex);
    // Every worker that joined this task must have left it before f dies.
    m_cvFin.wait(verrou, [&] { return m_nActifs == 0; });
}

void CPoolTaches::ExecuterParTranches(int n, int nTaille,
                                      const std::function<void(int, int, int)>& f) {
    Executer((n + nTaille - 1) / nTaille,
             [&](int t) { f(t, t * nTaille, std::min(n, (t + 1) * nTaille)); });
}
