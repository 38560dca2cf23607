#pragma once

#include <cstddef>

// Watches the largest single allocation made through operator new while a
// CSuiviAllocations lives (this test program replaces the global operator
// new for it): a count read from a file must size nothing before the bytes
// behind it are checked.
class CSuiviAllocations {
public:
    CSuiviAllocations();
    ~CSuiviAllocations();
    CSuiviAllocations(const CSuiviAllocations&) = delete;
    CSuiviAllocations& operator=(const CSuiviAllocations&) = delete;

    // In bytes, since construction.
    std::size_t PlusGrande() const;
};
