#pragma once

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

// A fork-join pool: Executer(n, f) runs f(0) .. f(n - 1) on every core and
// returns when all are done. The calling thread takes part. The threads live
// as long as the pool, so a day report does not start threads per sample.
class CPoolTaches {
public:
    // nThreads <= 0: one thread per core.
    explicit CPoolTaches(int nThreads = 0);
    ~CPoolTaches();
    CPoolTaches(const CPoolTaches&) = delete;
    CPoolTaches& operator=(const CPoolTaches&) = delete;

    int NombreThreads() const { return static_cast<int>(m_threads.size()) + 1; }
    void Executer(int n, const std::function<void(int)>& f);
    // f(t, debut, fin) for the slices [debut, fin) of nTaille items that
    // cover 0 .. n - 1, slice t = debut / nTaille.
    void ExecuterParTranches(int n, int nTaille, const std::function<void(int, int, int)>& f);

private:
    void Travailler();
    void Prendre();

    std::vector<std::thread> m_threads;
    std::mutex m_mutex;
    std::condition_variable m_cvTravail;
    std::condition_variable m_cvFin;
    const std::function<void(int)>* m_pTache = nullptr;
    int m_nTaches = 0;
    std::atomic<int> m_nSuivante{0};
    std::atomic<int> m_nActifs{0};
    std::atomic<unsigned> m_nGeneration{0};
    std::atomic<bool> m_bArret{false};
};
