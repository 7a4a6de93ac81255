#pragma once

// Prefix sums over non-negative integer weights (a Fenwick tree), so that the
// walk "go through the list in order, subtracting weights until r is used up"
// is answered in O(log n) instead of O(n) on lessons of 100,000 questions.

#include <cstdint>
#include <vector>

namespace korvan {

class TWeightTree
{
public:
    // `size` weights, each `value` (>= 0); linear time.
    void Reset(int size, std::int32_t value = 0);
    int Size() const { return static_cast<int>(Tree.size()) - 1; }
    // Adds delta to the weight at a 0-based index; weights must stay >= 0.
    void Add(int index, std::int32_t delta);
    std::int64_t Total() const { return Sum; }
    // The smallest 0-based index whose running sum (weights 0..index) reaches
    // r, for 1 <= r <= Total(); -1 otherwise. This is the question the linear
    // walk stops at: zero weights are passed over.
    int FindByRunningSum(std::int64_t r) const;

private:
    std::vector<std::int64_t> Tree{0}; // 1-based
    std::int64_t Sum = 0;
    int TopStep = 0; // the largest power of two <= Size()
};

} // namespace korvan
