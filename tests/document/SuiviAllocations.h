#pragma once

#include <cstddef>
#include <functional>

// The largest single allocation made through operator new while `f` runs
// (this test program replaces the global operator new for it): a count read
// from a file must size nothing before the bytes behind it are checked.
std::size_t PlusGrandeAllocation(const std::function<void()>& f);
