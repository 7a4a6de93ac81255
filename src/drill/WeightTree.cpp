#include "drill/WeightTree.h"

namespace korvan {

void TWeightTree::Reset(int size, std::int32_t value)
{
    if (size < 0)
        size = 0;
    if (value < 0)
        value = 0;
    Tree.assign(static_cast<std::size_t>(size) + 1, 0);
    // Each node adds itself to its parent once: the linear-time build.
    for (int i = 1; i <= size; ++i) {
        Tree[static_cast<std::size_t>(i)] += value;
        const int parent = i + (i & -i);
        if (parent <= size)
            Tree[static_cast<std::size_t>(parent)] += Tree[static_cast<std::size_t>(i)];
    }
    Sum = static_cast<std::int64_t>(size) * value;
    TopStep = 1;
    while (TopStep * 2 <= size)
        TopStep *= 2;
    if (size == 0)
        TopStep = 0;
}

void TWeightTree::Add(int index, std::int32_t delta)
{
    const int size = Size();
    if (index < 0 || index >= size || delta == 0)
        return;
    Sum += delta;
    for (int i = index + 1; i <= size; i += i & -i)
        Tree[static_cast<std::size_t>(i)] += delta;
}

int TWeightTree::FindByRunningSum(std::int64_t r) const
{
    if (r < 1 || r > Sum)
        return -1;
    const int size = Size();
    int position = 0; // 1-based count of the weights passed over
    for (int step = TopStep; step > 0; step /= 2) {
        const int next = position + step;
        if (next <= size && Tree[static_cast<std::size_t>(next)] < r) {
            position = next;
            r -= Tree[static_cast<std::size_t>(next)];
        }
    }
    return position; // 0-based index of the weight that reaches r
}

} // namespace korvan
