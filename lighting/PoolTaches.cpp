#include "lighting/PoolTaches.h"

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
    std::unique_lock verrou(m_mutex);
    // Every worker that joined this task must have left it before f dies.
    m_cvFin.wait(verrou, [&] { return m_nActifs == 0; });
}
