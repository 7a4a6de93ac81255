#include "drill/Random.h"

#include <cmath>

namespace korvan {

std::uint32_t TStdRandom::Uniform(std::uint32_t n)
{
    if (n <= 1)
        return 0;
    // The largest multiple of n that fits in 2^32 values.
    const std::uint64_t limit = (std::uint64_t{1} << 32) / n * n;
    for (;;) {
        const std::uint64_t value = Generator();
        if (value < limit)
            return static_cast<std::uint32_t>(value % n);
    }
}

std::uint32_t SeedFromTime(double dateTime)
{
    const double msec = std::fmod(std::fabs(dateTime) * 86400000.0, 4294967296.0);
    return static_cast<std::uint32_t>(msec);
}

} // namespace korvan
