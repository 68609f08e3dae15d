#pragma once

#include <functional>

// Compares the items at two indexes: negative, zero or positive.
using TTeeSortCompare = std::function<int(int a, int b)>;
// Exchanges the items at two indexes.
using TTeeSortSwap = std::function<void(int a, int b)>;

// Sorts the index range start..end in place by a quicksort that only calls back, so that
// callers can sort several parallel lists at once. The pivot is followed by its index.
void TeeSort(int startIndex, int endIndex, const TTeeSortCompare& compare, const TTeeSortSwap& swap);
