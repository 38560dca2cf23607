#include "SuiviAllocations.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<bool> s_bSuivre{false};
std::atomic<std::size_t> s_nPlusGrande{0};
} // namespace

std::size_t PlusGrandeAllocation(const std::function<void()>& f) {
    s_nPlusGrande = 0;
    s_bSuivre = true;
    f();
    s_bSuivre = false;
    return s_nPlusGrande.load();
}

// Kept in a file of its own so that no new-expression is compiled next to
// the malloc and free below.
void* operator new(std::size_t n) {
    if (s_bSuivre.load(std::memory_order_relaxed)) {
        std::size_t nAncienne = s_nPlusGrande.load(std::memory_order_relaxed);
        while (n > nAncienne && !s_nPlusGrande.compare_exchange_weak(nAncienne, n)) {
        }
    }
    if (void* p = std::malloc(n == 0 ? 1 : n)) {
        return p;
    }
    throw std::bad_alloc();
}

void operator delete(void* p) noexcept {
    std::free(p);
}

void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
