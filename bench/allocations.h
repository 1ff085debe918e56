#pragma once

#include <cstddef>

// Counts the program's heap allocations: linking allocations.cpp into a
// program replaces the global operator new with one that counts, so a test or
// a benchmark can tell how often a piece of code reaches the heap.
namespace velnorix {

std::size_t HeapAllocations();

} // namespace velnorix
