#include "chart/core/TeeSort.h"

namespace {

void SortRange(int l, int r, const TTeeSortCompare& compare, const TTeeSortSwap& swap)
{
    int i = l;
    int j = r;
    int m = static_cast<int>((static_cast<long long>(l) + r) / 2);
    while (i < j) {
        while (compare(i, m) < 0)
            ++i;
        while (compare(m, j) < 0)
            --j;
        if (i < j) {
            swap(i, j);
            // The pivot is an index: when its item moved, follow it.
            if (i == m)
                m = j;
            else if (j == m)
                m = i;
        }
        if (i <= j) {
            ++i;
            --j;
        }
    }
    if (l < j)
        SortRange(l, j, compare, swap);
    if (i < r)
        SortRange(i, r, compare, swap);
}

} // namespace

void TeeSort(int startIndex, int endIndex, const TTeeSortCompare& compare, const TTeeSortSwap& swap)
{
    if (startIndex < endIndex)
        SortRange(startIndex, endIndex, compare, swap);
}
